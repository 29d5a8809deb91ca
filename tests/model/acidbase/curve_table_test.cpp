// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/acidbase/curve_table.h"

#include <gtest/gtest.h>

#include <sstream>

namespace model::acidbase {
namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

TEST(AcidBaseCurveTable, HeaderAndFirstRowOfEthanoicAcid) {
    const Preparation s{Titration::EthanoicAcid, 0.1, 10, 0, 0.1};
    const std::vector<double> volumes{0, 0.5, 10};
    const auto text =
        lines(curveTableText(curveTable(s, volumes, Indicator::Phenolphthalein), ";", "\n"));
    ASSERT_EQ(text.size(), 4u);
    EXPECT_EQ(text[0], "V (mL);pH;σ (mS/cm);n(CH₃COOH) introduite (mol);"
                       "n(CH₃COOH) présente (mol);n(CH₃COO⁻) présente (mol);"
                       "n(HO⁻) introduite (mol);n(HO⁻) présente (mol);n(H₃O⁺) présente (mol);"
                       "n(Na⁺) introduite (mol);n(Na⁺) présente (mol);couleur (phénolphtaléine)");
    // At the start: h = (−Ka + √(Ka² + 4·Ka·0,1)) / 2 = 1,310e-3 mol/L with Ka = 10^-4,76,
    // σ = 10 × (34,98 + 4,09) × h = 0,512 mS/cm; in 10 mL, 1,310e-5 mol of ions, the rest
    // of the 1,000e-3 mol as CH₃COOH; [HO⁻] = 1e-14 / h gives 7,6e-14 mol.
    EXPECT_EQ(text[1], "0,0;2,88;0,512;1,000E-03;9,869E-04;1,310E-05;0,000E+00;7,636E-14;"
                       "1,310E-05;0,000E+00;0,000E+00;incolore");
    EXPECT_TRUE(text[2].starts_with("0,5;")) << text[2];
    // At the equivalence the phenolphthalein is pink (pH 8,73 within its zone, pale).
    EXPECT_TRUE(text[3].starts_with("10,0;8,73;")) << text[3];
    EXPECT_TRUE(text[3].ends_with(";rose pâle")) << text[3];
}

TEST(AcidBaseCurveTable, ColumnsOfSodiumCarbonate) {
    const CurveTable t = curveTable({Titration::SodiumCarbonate, 0.05, 10, 0, 0.1}, {});
    const std::vector<std::pair<int, bool>> expected{
        {Particle::CO3, true},  {Particle::CO3, false}, {Particle::HCO3, false},
        {Particle::CO2, false}, {Particle::H3O, true},  {Particle::H3O, false},
        {Particle::HO, false},  {Particle::Na, true},   {Particle::Na, false},
        {Particle::Cl, true},   {Particle::Cl, false}};
    ASSERT_EQ(t.columns.size(), expected.size());
    for (std::size_t j = 0; j < expected.size(); ++j) {
        EXPECT_EQ(t.columns[j].particle, expected[j].first) << j;
        EXPECT_EQ(t.columns[j].introduced, expected[j].second) << j;
    }
    // No volume: the header alone; no indicator: no colour column.
    EXPECT_EQ(lines(curveTableText(t, "\t", "\n")).size(), 1u);
    EXPECT_EQ(curveTableText(t, ";", "\n").find("couleur"), std::string::npos);
}

TEST(AcidBaseCurveTable, SeparatorAndLineEnd) {
    const std::vector<double> volumes{0};
    const std::string text = curveTableText(
        curveTable({Titration::HydrochloricAcid, 0.1, 10, 0, 0.1}, volumes), "\t", "\r\n");
    // 10 mL at 0,1 mol/L: pH 1,00, σ = 10 × (34,98 + 7,63) × 0,1 = 42,6 mS/cm.
    EXPECT_TRUE(text.find("\r\n0,0\t1,00\t42,6\t") != std::string::npos) << text;
}

} // namespace
} // namespace model::acidbase
