// SPDX-License-Identifier: GPL-3.0-or-later
// The table of the course of a titration: its rows, its columns and its text, read back as a
// French spreadsheet reads it.
#include "model/amounts_table.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Oxalic acid 0,01 mol/L, 10 mL, titrated by permanganate 0,005 mol/L: equivalence at 8 mL.
model::BenchInputs oxalic() {
    model::BenchInputs in;
    in.sampleConcentration = 0.01f;
    in.sampleVolume = 10;
    in.titrantConcentration = 0.005f;
    return in;
}

std::vector<std::string> split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return parts;
        start = end + separator.size();
    }
}

// A cell as a spreadsheet in French reads it: a number with the decimal comma, the whole cell.
double spreadsheetNumber(std::string cell) {
    for (char& c : cell)
        if (c == ',') c = '.';
    char* end = nullptr;
    const double value = std::strtod(cell.c_str(), &end);
    EXPECT_TRUE(!cell.empty() && *end == '\0') << "not a number: " << cell;
    return value;
}

TEST(AmountsTable, RowVolumes) {
    struct Row {
        const char* name;
        double poured;
        std::vector<double> drops;
        std::vector<double> expected;
    };
    const Row rows[] = {
        {"nothing poured", 0, {}, {0}},
        {"tap to 0,3 mL", 0.3, {}, {0, 0.1, 0.2, 0.3}},
        {"a drop after the tap", 0.35, {0.35}, {0, 0.1, 0.2, 0.3, 0.35}},
        {"drops on the grid are one row", 0.2, {0.05, 0.1, 0.15, 0.2}, {0, 0.05, 0.1, 0.15, 0.2}},
        {"drops beyond the volume are left out", 0.1, {0.05, 4.05}, {0, 0.05, 0.1}},
        {"a volume off the grid ends the table", 0.25, {}, {0, 0.1, 0.2, 0.25}},
    };
    for (const Row& r : rows) {
        const std::vector<double> volumes = model::tableVolumes(r.poured, r.drops);
        ASSERT_EQ(volumes.size(), r.expected.size()) << r.name;
        for (std::size_t i = 0; i < volumes.size(); ++i)
            EXPECT_NEAR(volumes[i], r.expected[i], 1e-9) << r.name << " row " << i;
    }
    EXPECT_EQ(model::tableVolumes(25, {}).size(), 251u);
}

TEST(AmountsTable, HeaderNamesEverySpeciesIntroducedAndPresent) {
    const std::vector<double> volumes{0};
    const std::string text =
        model::amountsTableText(model::amountsTable(1, oxalic(), volumes, false), "\t", "\n");
    EXPECT_EQ(split(text, "\n")[0],
              "V (mL)\tn(CO₂) présente (mol)\tn(H₂C₂O₄) introduite (mol)\t"
              "n(H₂C₂O₄) présente (mol)\tn(MnO₄⁻) introduite (mol)\tn(MnO₄⁻) présente (mol)\t"
              "n(Mn²⁺) présente (mol)");
    const std::string thiosulfate =
        model::amountsTableText(model::amountsTable(9, oxalic(), volumes, false), ";", "\r\n");
    EXPECT_EQ(split(thiosulfate, "\r\n")[0],
              "V (mL);n(S₄O₆²⁻) présente (mol);n(S₂O₃²⁻) introduite (mol);"
              "n(S₂O₃²⁻) présente (mol);n(I₂) introduite (mol);n(I₂) présente (mol);"
              "n(I⁻) présente (mol)");
}

// Every row read back gives the model's amounts in mol, to the four figures written.
TEST(AmountsTable, ReadBackGivesTheModel) {
    const std::vector<double> drops{8.05};
    const std::vector<double> volumes = model::tableVolumes(8.1, drops);
    const model::AmountsTable table = model::amountsTable(1, oxalic(), volumes, false);
    const std::string text = model::amountsTableText(table, "\t", "\n");
    std::vector<std::string> lines = split(text, "\n");
    ASSERT_EQ(lines.back(), ""); // every line ends
    lines.pop_back();
    ASSERT_EQ(lines.size(), volumes.size() + 1);
    for (std::size_t i = 0; i < volumes.size(); ++i) {
        const std::vector<std::string> cells = split(lines[i + 1], "\t");
        ASSERT_EQ(cells.size(), 7u) << lines[i + 1];
        EXPECT_NEAR(spreadsheetNumber(cells[0]), volumes[i], 1e-9);
        model::BenchInputs in = oxalic();
        in.pouredVolume = static_cast<float>(volumes[i]);
        model::PresentAmounts present{};
        model::computeAmounts(1, in, present);
        const double expected[] = {present[model::Entry::CO2],    0.1,
                                   present[model::Entry::H2C2O4], 0.005 * volumes[i],
                                   present[model::Entry::MnO4],   present[model::Entry::Mn2]};
        for (int j = 0; j < 6; ++j)
            EXPECT_NEAR(spreadsheetNumber(cells[j + 1]), expected[j] / 1000,
                        5e-4 * expected[j] / 1000 + 1e-12)
                << "row " << cells[0] << " column " << j + 1;
    }
    EXPECT_EQ(split(lines[81], "\t")[0], "8,0");
    EXPECT_EQ(split(lines[82], "\t")[0], "8,05");
    EXPECT_EQ(split(lines[83], "\t")[0], "8,1");
    // At 4 mL: 5,000E-05 mol of oxalic acid left, 1,000E-04 of carbon dioxide formed.
    EXPECT_EQ(split(lines[41], "\t")[3], "5,000E-05");
    EXPECT_EQ(split(lines[41], "\t")[1], "1,000E-04");
}

TEST(AmountsTable, HiddenConcentrationLeavesTheSampleOut) {
    const std::vector<double> volumes{0, 4};
    const model::AmountsTable table = model::amountsTable(1, oxalic(), volumes, true);
    const std::vector<std::string> lines =
        split(model::amountsTableText(table, ";", "\r\n"), "\r\n");
    for (int i : {1, 2}) {
        const std::vector<std::string> cells = split(lines[i], ";");
        ASSERT_EQ(cells.size(), 7u);
        EXPECT_EQ(cells[2], "") << "oxalic acid introduced";
        EXPECT_EQ(cells[3], "") << "oxalic acid present";
        for (int j : {0, 1, 4, 5, 6})
            EXPECT_FALSE(cells[j].empty()) << j;
    }
}

TEST(AmountsTable, NoSpeciesGivesTheVolumesAlone) {
    const std::vector<double> volumes{0, 0.1};
    const std::string text =
        model::amountsTableText(model::amountsTable(-1, oxalic(), volumes, false), "\t", "\n");
    EXPECT_EQ(text, "V (mL)\n0,0\n0,1\n");
}

} // namespace
