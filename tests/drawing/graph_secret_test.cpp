// SPDX-License-Identifier: GPL-3.0-or-later
// The quantities graph while the concentration to find is hidden: its columns described with
// n0 for those who hear them, and, in an exercise that hides and locks it, no bar and no scale
// from which n0 follows before the colour change.
#include "drawing/graph.h"

#include "drawing/drawing_test_support.h"
#include "drawing/picture.h"
#include "model/catalogue.h"

#include <gtest/gtest.h>

namespace {

using drawing::GraphSecret;
using drawing::Picture;

// Oxalic acid 0,03 mol/L, 10 mL (0,3 mmol), permanganate 0,01 mol/L: equivalence at 12 mL.
model::BenchInputs oxalic(float poured) {
    model::BenchInputs in;
    in.sampleConcentration = 0.03f;
    in.sampleVolume = 10;
    in.titrantConcentration = 0.01f;
    in.pouredVolume = poured;
    return in;
}

QStringList described(const model::BenchInputs& in, bool hidden) {
    model::PresentAmounts present{};
    model::computeAmounts(model::Species::OxalicAcid, in, present);
    return drawing::describeColumns(model::Species::OxalicAcid, in, present, hidden);
}

TEST(GraphSecret, ColumnsDescribedWithNZero) {
    struct Row {
        const char* name;
        float poured;
        QStringList expected;
    } rows[] = {
        {"before the equivalence: the sample and what is left of it",
         4,
         {QStringLiteral("CO2\u00A0: introduite 0 mol, présente 0,0002 mol"),
          QStringLiteral("H2C2O4\u00A0: introduite n₀, présente n₀ − 1,00·10⁻⁴ mol"),
          // The general format writes an amount below 10⁻⁴ with its exponent.
          QStringLiteral("MnO4⁻\u00A0: introduite 4E-05 mol, présente 0 mol"),
          QStringLiteral("Mn²⁺\u00A0: introduite 0 mol, présente 4E-05 mol")}},
        {"at the equivalence: what was made of the sample",
         12,
         {QStringLiteral("CO2\u00A0: introduite 0 mol, présente 2n₀"),
          QStringLiteral("H2C2O4\u00A0: introduite n₀, présente 0 mol"),
          QStringLiteral("MnO4⁻\u00A0: introduite 0,00012 mol, présente 0 mol"),
          QStringLiteral("Mn²⁺\u00A0: introduite 0 mol, présente 2n₀/5")}},
        {"past it: the titrant left too",
         15,
         {QStringLiteral("CO2\u00A0: introduite 0 mol, présente 2n₀"),
          QStringLiteral("H2C2O4\u00A0: introduite n₀, présente 0 mol"),
          QStringLiteral("MnO4⁻\u00A0: introduite 0,00015 mol, présente 1,50·10⁻⁴ − 2n₀/5 mol"),
          QStringLiteral("Mn²⁺\u00A0: introduite 0 mol, présente 2n₀/5")}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(described(oxalic(row.poured), true), row.expected) << row.name;
        // Shown, no n0 at all.
        EXPECT_FALSE(described(oxalic(row.poured), false).join(' ').contains(QStringLiteral("n₀")))
            << row.name;
    }
}

// Diiode 0,05 mol/L, 10 mL (0,5 mmol), thiosulfate 0,02 mol/L: the iodide the whole sample
// gives (1 mmol) would set the scale; a full burette gives 0,5 mmol.
model::BenchInputs diiode(float poured) {
    model::BenchInputs in;
    in.sampleConcentration = 0.05f;
    in.sampleVolume = 10;
    in.titrantConcentration = 0.02f;
    in.pouredVolume = poured;
    return in;
}

TEST(GraphSecret, AnExerciseScaleOwesNothingToTheSample) {
    EXPECT_FLOAT_EQ(drawing::scaleMax(model::Species::Diiode, diiode(0)), 1.0f);
    EXPECT_FLOAT_EQ(drawing::scaleMax(model::Species::Diiode, diiode(0), GraphSecret::Exercise),
                    0.5f);
    // Another sample, the same scale.
    model::BenchInputs other = diiode(0);
    other.sampleConcentration = 0.08f;
    EXPECT_FLOAT_EQ(drawing::scaleMax(model::Species::Diiode, other, GraphSecret::Exercise), 0.5f);
}

// Whether the bar of column c (its introduced or present half) is drawn: shaded pixels a
// little above the zero line.
bool barDrawn(const Picture& pic, int c, bool introduced) {
    const int w = drawing::columnWidth(4);
    const int x = drawing::graphLeft + c * w + (introduced ? 8 : w / 2 + 4) + w / 4 - 6;
    return pic.pixel(x, drawing::graphZero - 3) != QColor(255, 255, 255);
}

TEST(GraphSecret, AnExerciseDrawsNoBarThatGivesTheSampleAway) {
    support::application();
    struct Row {
        const char* name;
        GraphSecret secret;
        float poured;
        int bars[4][2]; // I2, I-, S4O6 2-, S2O3 2-: introduced, present (1: drawn)
    } rows[] = {
        {"free bench, 5 mL", GraphSecret::None, 5, {{1, 1}, {0, 1}, {0, 1}, {1, 0}}},
        {"exercise, nothing poured", GraphSecret::Exercise, 0, {{0, 0}, {0, 0}, {0, 0}, {0, 0}}},
        {"exercise, 5 mL", GraphSecret::Exercise, 5, {{0, 0}, {0, 1}, {0, 1}, {1, 0}}},
    };
    for (const Row& row : rows) {
        Picture pic(449, 274);
        const float max =
            drawing::majtq(pic, model::Species::Diiode, diiode(row.poured), row.secret);
        model::PresentAmounts present{};
        ASSERT_TRUE(drawing::reftq(pic, model::Species::Diiode, diiode(row.poured), max, present,
                                   row.secret));
        drawingtest::save(pic, (std::string("graph_secret_") + row.name).c_str());
        for (int c = 0; c < 4; ++c)
            for (int half = 0; half < 2; ++half)
                EXPECT_EQ(barDrawn(pic, c, half == 0), row.bars[c][half] == 1)
                    << row.name << ", column " << c << (half == 0 ? " introduced" : " present");
    }
}

} // namespace
