// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/graph.h"

#include "drawing/drawing_test_support.h"
#include "drawing/graphlabels.h"
#include "drawing/picture.h"
#include "model/catalogue.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

using drawing::Picture;
using drawingtest::rgb;

const QColor white(255, 255, 255);
const QColor black(0, 0, 0);
const QColor lightGrey(192, 192, 192);
const QColor darkGrey(128, 128, 128);

// The size `tabquant` gets inside the side panel.
Picture tabquant(qreal devicePixelRatio = 1.0) {
    support::application();
    return Picture(449, 274, devicePixelRatio);
}

// Oxalic acid 0,01 mol/L, 10 mL, titrated by permanganate 0,005 mol/L.
model::BenchInputs oxalic(float poured) {
    model::BenchInputs in;
    in.sampleConcentration = 0.01f;
    in.sampleVolume = 10;
    in.titrantConcentration = 0.005f;
    in.pouredVolume = poured;
    return in;
}

// Ascorbic acid 0,01 mol/L, 10 mL, with 10 mL of diiode 0,05 mol/L.
model::BenchInputs ascorbic() {
    model::BenchInputs in = oxalic(0);
    in.reagentConcentration = 0.05f;
    in.iodineVolume = 10;
    in.iodideVolume = 10;
    return in;
}

TEST(GraphLayout, ColumnsFollowTheSpecies) {
    struct Row {
        int species, count, width;
    };
    for (Row r : {Row{0, 6, 60},
                  {4, 6, 60},
                  {7, 6, 60},
                  {1, 4, 90},
                  {2, 4, 90},
                  {3, 4, 90},
                  {5, 4, 90},
                  {6, 4, 90},
                  {8, 4, 90},
                  {9, 4, 90},
                  {-1, 4, 90},
                  {10, 4, 90}}) {
        EXPECT_EQ(drawing::columnCount(r.species), r.count) << r.species;
        EXPECT_EQ(drawing::columnWidth(drawing::columnCount(r.species)), r.width) << r.species;
    }
}

TEST(GraphScale, MaximumIsTheLargestCandidateToTwoFigures) {
    struct Row {
        const char* name;
        int species;
        model::BenchInputs in;
        float expected;
    };
    model::BenchInputs rounded = oxalic(0);
    rounded.sampleConcentration = 0.00254f; // nS 0.0254, 25 cT 0.0025
    rounded.titrantConcentration = 0.0001f;
    model::BenchInputs upwards = rounded;
    upwards.sampleConcentration = 0.00476f; // nS 0.0476
    model::BenchInputs thiosulfate = oxalic(0);
    thiosulfate.titrantConcentration = 0.01f; // iodide of a full burette: 50 cT = 0.5
    model::BenchInputs absurdTitrant = oxalic(0);
    absurdTitrant.titrantConcentration = 1e38f; // a full burette: 2.5E+39 mmol
    model::BenchInputs nothingReadable = absurdTitrant;
    nothingReadable.sampleConcentration = std::numeric_limits<float>::infinity();
    model::BenchInputs negative = oxalic(0);
    negative.sampleConcentration = -0.01f;
    negative.titrantConcentration = -0.005f;
    const Row rows[] = {
        {"oxalic: twice the sample", 1, oxalic(0), 0.2f},
        {"the poured volume does not count", 1, oxalic(25), 0.2f},
        {"sulfur dioxide rounded down", 3, rounded, 0.025f},
        {"nitrite rounded up", 5, upwards, 0.048f},
        {"ascorbic: iodide of all the diiode", 0, ascorbic(), 1.0f},
        {"hypochlorite: iodide added", 4, ascorbic(), 0.5f},
        {"thiosulfate: iodide of a full burette", 9, thiosulfate, 0.5f},
        {"no species", -1, oxalic(0), 0.0f},
        {"a candidate past the single's range is left out", 1, absurdTitrant, 0.2f},
        {"no candidate a single holds", 1, nothingReadable, 0.0f},
        {"negative candidates", 1, negative, 0.0f},
    };
    for (const Row& r : rows)
        EXPECT_FLOAT_EQ(drawing::scaleMax(r.species, r.in), r.expected) << r.name;
}

TEST(GraphScale, LabelsInMolWithTheDecimalComma) {
    EXPECT_EQ(drawing::scaleLabel(0.2f, 0), "0,0002");
    EXPECT_EQ(drawing::scaleLabel(0.2f, 5), "0,0001");
    EXPECT_EQ(drawing::scaleLabel(0.25f, 5), "0,000125");
    EXPECT_EQ(drawing::scaleLabel(0.048f, 1), "4,32E-05"); // general format below 1E-04
    EXPECT_EQ(drawing::scaleLabel(0.2f, 9), "2E-05");
    EXPECT_EQ(drawing::scaleLabel(2.5f, 0), "0,0025");
    EXPECT_EQ(drawing::scaleLabel(0.2f, 10), "0");
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(drawing::scaleLabel(0, i), "0") << i;
}

TEST(GraphScale, BarTopsRoundHalvesToEven) {
    EXPECT_EQ(drawing::barTop(0.2, 0.2f), 25);
    EXPECT_EQ(drawing::barTop(0, 0.2f), 225);
    EXPECT_EQ(drawing::barTop(0.0254, 0.025f), 22); // above the top line
    EXPECT_EQ(drawing::barTop(0.0625, 1.0f), 212);  // 212.5 goes to the even 212
    EXPECT_EQ(drawing::barTop(0.1875, 1.0f), 188);  // 187.5 goes to the even 188
}

// The bars land on the same logical pixels on a dense screen.
class GraphAtRatio : public ::testing::TestWithParam<qreal> {};

TEST_P(GraphAtRatio, OxalicAcidPastTheEquivalence) {
    Picture pic = tabquant(GetParam());
    const float max = drawing::majtq(pic, 1, oxalic(10));
    ASSERT_FLOAT_EQ(max, 0.2f);
    model::PresentAmounts present{};
    ASSERT_TRUE(drawing::reftq(pic, 1, oxalic(10), max, present));
    drawingtest::save(pic, "graph_oxalic_10mL");

    // CO2 present (0.2 mmol) reaches the top line: outline at y = 25, x = 121..154.
    EXPECT_EQ(pic.pixel(121, 25), darkGrey);
    EXPECT_EQ(pic.pixel(154, 25), darkGrey);
    EXPECT_EQ(pic.pixel(154, 225), darkGrey);
    EXPECT_EQ(pic.pixel(140, 24), white);
    EXPECT_EQ(pic.pixel(155, 100), white);
    // Its shade, column by column: white towards orange-red.
    EXPECT_EQ(pic.pixel(122, 100), rgb(255, 249, 243));
    EXPECT_EQ(pic.pixel(153, 100), rgb(255, 158, 61));
    EXPECT_EQ(pic.pixel(153, 26), rgb(255, 158, 61));

    // H2C2O4 introduced (0.1 mmol): top at 125, x = 170..203, white towards blue.
    EXPECT_EQ(pic.pixel(170, 125), darkGrey);
    EXPECT_EQ(pic.pixel(203, 125), darkGrey);
    EXPECT_EQ(pic.pixel(171, 124), white);
    EXPECT_EQ(pic.pixel(171, 200), rgb(243, 249, 255));
    // MnO4- introduced 0.05 and present 0.01; Mn2+ present 0.04.
    EXPECT_EQ(pic.pixel(260, 175), darkGrey);
    EXPECT_EQ(pic.pixel(265, 174), white);
    EXPECT_EQ(pic.pixel(311, 215), darkGrey);
    EXPECT_EQ(pic.pixel(320, 214), white);
    EXPECT_EQ(pic.pixel(401, 185), darkGrey);
    EXPECT_EQ(pic.pixel(410, 184), white);
}

INSTANTIATE_TEST_SUITE_P(Ratios, GraphAtRatio, ::testing::Values(1.0, 2.0));

TEST(GraphDrawing, ZeroAmountIsAFlatSegmentOnTheZeroLine) {
    Picture pic = tabquant();
    const float max = drawing::majtq(pic, 1, oxalic(10));
    // Before the bars, the zero line is a light grey scale line.
    EXPECT_EQ(pic.pixel(100, 225), lightGrey);
    model::PresentAmounts present{};
    drawing::reftq(pic, 1, oxalic(10), max, present);
    // CO2 has no introduced bar and H2C2O4 is used up: segments 80..113 and 211..244.
    for (int x : {80, 100, 113, 211, 230, 244}) {
        EXPECT_EQ(pic.pixel(x, 225), darkGrey) << x;
        EXPECT_EQ(pic.pixel(x, 224), white) << x;
    }
    EXPECT_EQ(pic.pixel(114, 225), lightGrey);
}

TEST(GraphDrawing, BarsSitOnTheirColumnsForEverySpecies) {
    for (int species = 0; species < model::speciesCount; ++species) {
        Picture pic = tabquant();
        const model::BenchInputs in = ascorbic();
        const float max = drawing::majtq(pic, species, in);
        model::PresentAmounts present{};
        drawing::reftq(pic, species, in, max, present);

        // Every bar, of any height, ends in a dark grey run on the zero line.
        std::vector<std::pair<int, int>> runs;
        for (int x = 0; x < pic.width(); ++x) {
            if (pic.pixel(x, 225) != darkGrey) continue;
            if (!runs.empty() && runs.back().second == x - 1)
                runs.back().second = x;
            else
                runs.push_back({x, x});
        }
        const int count = drawing::columnCount(species);
        const int w = drawing::columnWidth(count);
        const int barWidth = count == 6 ? 19 : 34;
        ASSERT_EQ(int(runs.size()), 2 * count) << species;
        for (int c = 0; c < count; ++c) {
            EXPECT_EQ(runs[2 * c].first, 80 + c * w) << species << " column " << c;
            EXPECT_EQ(runs[2 * c].second - runs[2 * c].first + 1, barWidth) << species;
            EXPECT_EQ(runs[2 * c + 1].first, 76 + c * w + w / 2) << species << " column " << c;
            EXPECT_EQ(runs[2 * c + 1].second - runs[2 * c + 1].first + 1, barWidth) << species;
        }
    }
}

TEST(GraphDrawing, SixColumnsOfSixtyPixels) {
    Picture pic = tabquant();
    const float max = drawing::majtq(pic, 0, ascorbic());
    ASSERT_FLOAT_EQ(max, 1.0f);
    for (int i = 0; i <= 6; ++i)
        EXPECT_EQ(pic.pixel(72 + 60 * i, 100), black) << i;
    EXPECT_EQ(pic.pixel(72 + 60 * 6 + 1, 100), white);
}

TEST(GraphDrawing, BarsAreRedrawnOverTheKeptBackground) {
    Picture pic = tabquant();
    const float max = drawing::majtq(pic, 1, oxalic(10));
    model::PresentAmounts present{};
    drawing::reftq(pic, 1, oxalic(10), max, present);
    EXPECT_EQ(pic.pixel(140, 100), rgb(255, 196, 137)); // CO2 bar
    drawing::reftq(pic, 1, oxalic(0), max, present);
    EXPECT_EQ(pic.pixel(140, 100), white);
    EXPECT_EQ(pic.pixel(140, 105), lightGrey); // scale line under the former bar
    EXPECT_FLOAT_EQ(present[7], 0.1f);         // H2C2O4 back in full
}

TEST(GraphDrawing, NoSpeciesDrawsTheFrameAndNoBars) {
    Picture pic = tabquant();
    const float max = drawing::majtq(pic, -1, oxalic(0));
    EXPECT_EQ(max, 0.0f);
    drawingtest::save(pic, "graph_none");
    for (int i = 0; i <= 4; ++i)
        EXPECT_EQ(pic.pixel(72 + 90 * i, 100), black) << i;
    EXPECT_EQ(pic.pixel(72, 10), black); // axis top
    EXPECT_EQ(pic.pixel(69, 16), black); // arrow head
    EXPECT_EQ(pic.pixel(75, 16), black);
    EXPECT_EQ(pic.pixel(300, 45), lightGrey); // scale lines
    // Legend swatches: outlines and their shades.
    EXPECT_EQ(pic.pixel(50, 255), darkGrey);
    EXPECT_EQ(pic.pixel(65, 270), darkGrey);
    EXPECT_EQ(pic.pixel(51, 262), rgb(228, 242, 255));
    EXPECT_EQ(pic.pixel(251, 262), rgb(255, 242, 228));
    // No column labels.
    for (int y = 230; y < 252; ++y)
        for (int x = 75; x < 430; ++x)
            ASSERT_EQ(pic.pixel(x, y), white) << x << "," << y;

    const QImage before = pic.image();
    model::PresentAmounts present{};
    EXPECT_FALSE(drawing::reftq(pic, -1, oxalic(0), max, present));
    EXPECT_EQ(pic.image(), before);
}

TEST(GraphLabels, CentredUnderTheirColumns) {
    Picture pic = tabquant();
    drawing::majtq(pic, 1, oxalic(0));
    const auto columns = model::graphColumns(1);
    for (int c = 0; c < 4; ++c) {
        int left = pic.width(), right = -1;
        for (int y = 226; y < 252; ++y)
            for (int x = 72 + 90 * c + 1; x < 72 + 90 * (c + 1); ++x)
                if (pic.pixel(x, y).red() < 160)
                    left = std::min(left, x), right = std::max(right, x);
        ASSERT_GE(right, left) << c;
        const double centre = 72 + 90 * (c + 0.5);
        // The measuring text of MnO4- leaves out its charge, which sticks out on the right.
        EXPECT_NEAR((left + right) / 2.0, centre, 4)
            << model::entryFormula(columns[c].presentEntry);
    }
    EXPECT_EQ(drawing::graphLabelMeasure("C6H6O6"), "C6H8O6");
    EXPECT_EQ(drawing::graphLabelMeasure("S2O3 2-"), "S2O3");
    EXPECT_EQ(drawing::graphLabelMeasure("Cl-"), "Cl");
}

} // namespace

namespace {

TEST(GraphText, LabelsReadAsPlainTextWithSuperscriptCharges) {
    const std::pair<const char*, const char*> rows[] = {
        {"MnO4-", "MnO4⁻"}, {"S2O3 2-", "S2O3²⁻"}, {"SO4 2-", "SO4²⁻"},  {"Cu2+", "Cu²⁺"},
        {"Fe3+", "Fe³⁺"},   {"I-", "I⁻"},          {"C6H8O6", "C6H8O6"}, {"unknown", "unknown"},
    };
    for (const auto& [formula, text] : rows)
        EXPECT_EQ(drawing::graphLabelText(formula), QString::fromUtf8(text)) << formula;
}

TEST(GraphText, EachColumnSaysItsAmountsInMol) {
    // Oxalic acid 0,03 mol/L, 10 mL (0,3 mmol), at its equivalence with 12 mL of
    // permanganate 0,01 mol/L: 2 MnO4- + 5 H2C2O4 give 10 CO2 and 2 Mn2+.
    model::BenchInputs in;
    in.sampleConcentration = 0.03f;
    in.sampleVolume = 10;
    in.titrantConcentration = 0.01f;
    in.pouredVolume = 12;
    model::PresentAmounts present{};
    model::computeAmounts(model::Species::OxalicAcid, in, present);
    const QStringList expected = {
        QStringLiteral("CO2\u00A0: introduite 0 mol, présente 0,0006 mol"),
        QStringLiteral("H2C2O4\u00A0: introduite 0,0003 mol, présente 0 mol"),
        QStringLiteral("MnO4⁻\u00A0: introduite 0,00012 mol, présente 0 mol"),
        QStringLiteral("Mn²⁺\u00A0: introduite 0 mol, présente 0,00012 mol"),
    };
    EXPECT_EQ(drawing::describeColumns(model::Species::OxalicAcid, in, present), expected);
    EXPECT_TRUE(drawing::describeColumns(-1, in, present).isEmpty());
}

} // namespace
