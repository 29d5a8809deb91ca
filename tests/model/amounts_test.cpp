// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/amounts.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using model::BenchInputs;
using model::computeAmounts;
using model::PresentAmounts;

BenchInputs inputs(float c0, double v0, float cT, float vb, float cX = 0, double iodineV = 0,
                   float iodideV = 0) {
    return {c0, v0, cT, vb, cX, iodineV, iodideV};
}

PresentAmounts compute(int species, const BenchInputs& in, float fill = 0) {
    PresentAmounts present;
    present.fill(fill);
    computeAmounts(species, in, present);
    return present;
}

TEST(Amounts, OxalicAcidExample) {
    // 0,01 mol/L x 10 mL titrated by 0,005 mol/L permanganate: equivalence at 8 mL.
    const auto at4 = compute(1, inputs(0.01f, 10, 0.005f, 4));
    EXPECT_FLOAT_EQ(at4[7], 0.05f);
    EXPECT_FLOAT_EQ(at4[6], 0.1f);
    EXPECT_EQ(at4[8], 0.0f);
    EXPECT_FLOAT_EQ(at4[9], 0.02f);
    const auto at10 = compute(1, inputs(0.01f, 10, 0.005f, 10));
    EXPECT_EQ(at10[7], 0.0f);
    EXPECT_FLOAT_EQ(at10[6], 0.2f);
    EXPECT_FLOAT_EQ(at10[8], 0.01f);
    EXPECT_FLOAT_EQ(at10[9], 0.04f);
}

TEST(Amounts, DecimalInputsChangeColourOnTheNextDrop) {
    // With decimal inputs the sums are not exact: the permanganate appears within one drop
    // of the computed equivalence, never before it.
    EXPECT_EQ(compute(1, inputs(0.01f, 10, 0.005f, 7.95f))[8], 0.0f);
    EXPECT_GT(compute(1, inputs(0.01f, 10, 0.005f, 8.05f))[8], 0.0f);
}

// Inputs are powers of two so that every amount, and the equivalence, is exact; the rows at
// the equivalence give the values both cases of the reaction agree on.
struct Row {
    const char* name;
    int species;
    BenchInputs in;
    std::map<int, float> expected; // entry -> amount
};

TEST(Amounts, AroundTheEquivalence) {
    const Row rows[] = {
        // nS = 1.25, cT = 0.125: equivalence at 4 mL (5:2), 2 mL (iron).
        {"oxalic before",
         1,
         inputs(0.125f, 10, 0.125f, 3.5f),
         {{7, 0.15625f}, {6, 2.1875f}, {8, 0}, {9, 0.4375f}}},
        {"oxalic at", 1, inputs(0.125f, 10, 0.125f, 4), {{7, 0}, {6, 2.5f}, {8, 0}, {9, 0.5f}}},
        {"oxalic after",
         1,
         inputs(0.125f, 10, 0.125f, 4.5f),
         {{7, 0}, {6, 2.5f}, {8, 0.0625f}, {9, 0.5f}}},
        {"sulfur dioxide before",
         3,
         inputs(0.125f, 10, 0.125f, 3.5f),
         {{11, 0.15625f}, {10, 1.09375f}, {8, 0}, {9, 0.4375f}}},
        {"sulfur dioxide at",
         3,
         inputs(0.125f, 10, 0.125f, 4),
         {{11, 0}, {10, 1.25f}, {8, 0}, {9, 0.5f}}},
        {"sulfur dioxide after",
         3,
         inputs(0.125f, 10, 0.125f, 4.5f),
         {{11, 0}, {10, 1.25f}, {8, 0.0625f}, {9, 0.5f}}},
        {"nitrite before",
         5,
         inputs(0.125f, 10, 0.125f, 3.5f),
         {{15, 0.15625f}, {14, 1.09375f}, {8, 0}, {9, 0.4375f}}},
        {"nitrite at", 5, inputs(0.125f, 10, 0.125f, 4), {{15, 0}, {14, 1.25f}, {8, 0}, {9, 0.5f}}},
        {"nitrite after",
         5,
         inputs(0.125f, 10, 0.125f, 4.5f),
         {{15, 0}, {14, 1.25f}, {8, 0.0625f}, {9, 0.5f}}},
        {"peroxide before",
         6,
         inputs(0.125f, 10, 0.125f, 3.5f),
         {{17, 0.15625f}, {16, 1.09375f}, {8, 0}, {9, 0.4375f}}},
        {"peroxide at",
         6,
         inputs(0.125f, 10, 0.125f, 4),
         {{17, 0}, {16, 1.25f}, {8, 0}, {9, 0.5f}}},
        {"peroxide after",
         6,
         inputs(0.125f, 10, 0.125f, 4.5f),
         {{17, 0}, {16, 1.25f}, {8, 0.0625f}, {9, 0.5f}}},
        {"iron before",
         8,
         inputs(0.125f, 10, 0.125f, 1.5f),
         {{21, 0.3125f}, {20, 0.9375f}, {8, 0}, {9, 0.1875f}}},
        {"iron at", 8, inputs(0.125f, 10, 0.125f, 2), {{21, 0}, {20, 1.25f}, {8, 0}, {9, 0.25f}}},
        {"iron after",
         8,
         inputs(0.125f, 10, 0.125f, 2.5f),
         {{21, 0}, {20, 1.25f}, {8, 0.0625f}, {9, 0.25f}}},
        // Diiode: nS = 0.125, cT = 0.125, equivalence at 2 mL.
        {"diiode before",
         2,
         inputs(0.0625f, 2, 0.125f, 1.5f),
         {{2, 0.03125f}, {3, 0.1875f}, {4, 0.09375f}, {5, 0}}},
        {"diiode at", 2, inputs(0.0625f, 2, 0.125f, 2), {{2, 0}, {3, 0.25f}, {4, 0.125f}, {5, 0}}},
        {"diiode after",
         2,
         inputs(0.0625f, 2, 0.125f, 2.5f),
         {{2, 0}, {3, 0.25f}, {4, 0.125f}, {5, 0.0625f}}},
        // Thiosulfate: nS = 1.25, cT = 0.125, equivalence at 5 mL.
        {"thiosulfate before",
         9,
         inputs(0.125f, 10, 0.125f, 4.5f),
         {{2, 0}, {3, 1.125f}, {4, 0.5625f}, {5, 0.125f}}},
        {"thiosulfate at",
         9,
         inputs(0.125f, 10, 0.125f, 5),
         {{2, 0}, {3, 1.25f}, {4, 0.625f}, {5, 0}}},
        {"thiosulfate after",
         9,
         inputs(0.125f, 10, 0.125f, 5.5f),
         {{2, 0.0625f}, {3, 1.25f}, {4, 0.625f}, {5, 0}}},
        // Ascorbic acid: nS = 0.625, nX = 1.25, cT = 0.125, equivalence at 10 mL.
        {"ascorbic before",
         0,
         inputs(0.0625f, 10, 0.125f, 9.5f, 0.125f, 10),
         {{0, 0.625f}, {1, 0}, {2, 0.03125f}, {3, 2.4375f}, {4, 0.59375f}, {5, 0}}},
        {"ascorbic at",
         0,
         inputs(0.0625f, 10, 0.125f, 10, 0.125f, 10),
         {{0, 0.625f}, {1, 0}, {2, 0}, {3, 2.5f}, {4, 0.625f}, {5, 0}}},
        {"ascorbic after",
         0,
         inputs(0.0625f, 10, 0.125f, 10.5f, 0.125f, 10),
         {{0, 0.625f}, {1, 0}, {2, 0}, {3, 2.5f}, {4, 0.625f}, {5, 0.0625f}}},
        // Hypochlorite: nS = 0.625, nX = 1.5, cT = 0.125, equivalence at 10 mL.
        {"hypochlorite before",
         4,
         inputs(0.0625f, 10, 0.125f, 9.5f, 0.125f, 0, 12),
         {{12, 0}, {13, 0.625f}, {2, 0.03125f}, {3, 1.4375f}, {4, 0.59375f}, {5, 0}}},
        {"hypochlorite at",
         4,
         inputs(0.0625f, 10, 0.125f, 10, 0.125f, 0, 12),
         {{12, 0}, {13, 0.625f}, {2, 0}, {3, 1.5f}, {4, 0.625f}, {5, 0}}},
        {"hypochlorite after",
         4,
         inputs(0.0625f, 10, 0.125f, 10.5f, 0.125f, 0, 12),
         {{12, 0}, {13, 0.625f}, {2, 0}, {3, 1.5f}, {4, 0.625f}, {5, 0.0625f}}},
        // Copper(II): nS = 0.625, nX = 1.5, cT = 0.125, equivalence at 5 mL.
        {"copper before",
         7,
         inputs(0.0625f, 10, 0.125f, 4.5f, 0.125f, 0, 12),
         {{18, 0}, {19, 0.625f}, {2, 0.03125f}, {3, 0.8125f}, {4, 0.28125f}, {5, 0}}},
        {"copper at",
         7,
         inputs(0.0625f, 10, 0.125f, 5, 0.125f, 0, 12),
         {{18, 0}, {19, 0.625f}, {2, 0}, {3, 0.875f}, {4, 0.3125f}, {5, 0}}},
        {"copper after",
         7,
         inputs(0.0625f, 10, 0.125f, 5.5f, 0.125f, 0, 12),
         {{18, 0}, {19, 0.625f}, {2, 0}, {3, 0.875f}, {4, 0.3125f}, {5, 0.0625f}}},
        // Nothing poured yet: the sample in full, or as the first stage left it.
        {"oxalic nothing poured",
         1,
         inputs(0.125f, 10, 0.125f, 0),
         {{7, 1.25f}, {6, 0}, {8, 0}, {9, 0}}},
        {"thiosulfate nothing poured",
         9,
         inputs(0.125f, 10, 0.125f, 0),
         {{2, 0}, {3, 0}, {4, 0}, {5, 1.25f}}},
        {"ascorbic nothing poured",
         0,
         inputs(0.0625f, 10, 0.125f, 0, 0.125f, 10),
         {{0, 0.625f}, {1, 0}, {2, 0.625f}, {3, 1.25f}, {4, 0}, {5, 0}}},
        {"hypochlorite nothing poured",
         4,
         inputs(0.0625f, 10, 0.125f, 0, 0.125f, 0, 12),
         {{12, 0}, {13, 0.625f}, {2, 0.625f}, {3, 0.25f}, {4, 0}, {5, 0}}},
        // No sample (list item "0"): the titrant poured stays as it is.
        {"oxalic no sample", 1, inputs(0.125f, 0, 0.125f, 2), {{7, 0}, {6, 0}, {8, 0.25f}, {9, 0}}},
        {"iron no sample", 8, inputs(0.125f, 0, 0.125f, 2), {{21, 0}, {20, 0}, {8, 0.25f}, {9, 0}}},
        {"diiode no sample", 2, inputs(0.125f, 0, 0.125f, 2), {{2, 0}, {3, 0}, {4, 0}, {5, 0.25f}}},
        {"thiosulfate no sample",
         9,
         inputs(0.125f, 0, 0.125f, 2),
         {{2, 0.25f}, {3, 0}, {4, 0}, {5, 0}}},
        // Not enough reagent: what found no reagent stays and is never titrated.
        {"ascorbic short of diiode",
         0,
         inputs(0.125f, 10, 0.125f, 4, 0.125f, 5),
         {{0, 0.625f}, {1, 0.625f}, {2, 0}, {3, 1.25f}, {4, 0}, {5, 0.5f}}},
        {"ascorbic diiode just equal",
         0,
         inputs(0.125f, 10, 0.125f, 4, 0.125f, 10),
         {{0, 1.25f}, {1, 0}, {2, 0}, {3, 2.5f}, {4, 0}, {5, 0.5f}}},
        {"copper iodide just equal",
         7,
         inputs(0.0625f, 10, 0.125f, 0, 0.125f, 0, 10),
         {{18, 0}, {19, 0.625f}, {2, 0.3125f}, {3, 0}, {4, 0}, {5, 0}}},
        {"copper short of iodide",
         7,
         inputs(0.0625f, 10, 0.125f, 0, 0.125f, 0, 8),
         {{18, 0.125f}, {19, 0.5f}, {2, 0.25f}, {3, 0}, {4, 0}, {5, 0}}},
        {"copper short of iodide titrated",
         7,
         inputs(0.0625f, 10, 0.125f, 6, 0.125f, 0, 8),
         {{18, 0.125f}, {19, 0.5f}, {2, 0}, {3, 0.5f}, {4, 0.25f}, {5, 0.25f}}},
        {"hypochlorite short of iodide",
         4,
         inputs(0.0625f, 10, 0.125f, 0, 0.125f, 0, 8),
         {{12, 0.125f}, {13, 0.5f}, {2, 0.5f}, {3, 0}, {4, 0}, {5, 0}}},
    };
    for (const auto& row : rows) {
        const auto present = compute(row.species, row.in);
        for (const auto& [entry, amount] : row.expected)
            EXPECT_EQ(present[entry], amount) << row.name << ", entry " << entry;
    }
}

TEST(Amounts, EntriesBeyond14SurviveASpeciesChange) {
    PresentAmounts present;
    present.fill(7);
    computeAmounts(8, inputs(0.125f, 10, 0.125f, 1), present); // writes 20 and 21
    computeAmounts(1, inputs(0.125f, 10, 0.125f, 1), present); // touches none of 15..21
    EXPECT_EQ(present[20], 0.625f);
    EXPECT_EQ(present[21], 0.625f);
    for (int i = 15; i <= 19; ++i)
        EXPECT_EQ(present[i], 7.0f) << i;
    for (int i : {0, 1, 2, 3, 4, 5, 10, 11, 12, 13, 14})
        EXPECT_EQ(present[i], 0.0f) << i;
}

TEST(Amounts, NoSpeciesOnlyClearsTheSharedEntries) {
    for (int species : {-1, 10}) {
        const auto present = compute(species, inputs(0.125f, 10, 0.125f, 4, 0.125f, 10, 10), 7);
        for (int i = 0; i < model::presentEntryCount; ++i)
            EXPECT_EQ(present[i], i <= 14 ? 0.0f : 7.0f) << species << ", entry " << i;
    }
}

TEST(Amounts, IntroducedKeepTheBenchPrecision) {
    const BenchInputs in = inputs(0.1f, 10, 0.1f, 0.3f, 0.1f, 5, 0.7f);
    // Text times list item is a double product; text times text is a single product.
    const auto ascorbic = model::introducedAmounts(0, in);
    EXPECT_EQ(ascorbic.nS, static_cast<double>(0.1f) * 10);
    EXPECT_EQ(ascorbic.nT, static_cast<double>(0.3f * 0.1f));
    EXPECT_NE(ascorbic.nT, static_cast<double>(0.3f) * static_cast<double>(0.1f));
    EXPECT_EQ(ascorbic.nX, static_cast<double>(0.1f) * 5);
    EXPECT_TRUE(ascorbic.hasReagent);
    const auto copper = model::introducedAmounts(7, in);
    EXPECT_EQ(copper.nX, static_cast<double>(0.1f * 0.7f));
    const auto direct = model::introducedAmounts(1, in);
    EXPECT_FALSE(direct.hasReagent);
    EXPECT_EQ(direct.nX, 0.0);
    const auto none = model::introducedAmounts(-1, in);
    EXPECT_EQ(none.nS + none.nT + none.nX, 0.0);

    using model::IntroducedBar;
    EXPECT_EQ(model::introducedBarAmount(IntroducedBar::Titrated, ascorbic), ascorbic.nS);
    EXPECT_EQ(model::introducedBarAmount(IntroducedBar::Titrant, ascorbic), ascorbic.nT);
    EXPECT_EQ(model::introducedBarAmount(IntroducedBar::Reagent, ascorbic), ascorbic.nX);
    EXPECT_EQ(model::introducedBarAmount(IntroducedBar::None, ascorbic), 0.0);
}

TEST(Amounts, ReagentSufficientIsStrict) {
    struct Case {
        const char* name;
        int species;
        BenchInputs in;
        bool sufficient;
    } cases[] = {
        // nS = 1.25 for the ascorbic acid, 0.625 for hypochlorite and copper.
        {"ascorbic more diiode", 0, inputs(0.125f, 10, 0.1f, 0, 0.125f, 20), true},
        {"ascorbic equal diiode", 0, inputs(0.125f, 10, 0.1f, 0, 0.125f, 10), false},
        {"ascorbic less diiode", 0, inputs(0.125f, 10, 0.1f, 0, 0.125f, 5), false},
        {"ascorbic typed iodide ignored", 0, inputs(0.125f, 10, 0.1f, 0, 0.125f, 0, 20), false},
        {"hypochlorite more iodide", 4, inputs(0.0625f, 10, 0.1f, 0, 0.125f, 0, 12), true},
        {"hypochlorite equal iodide", 4, inputs(0.0625f, 10, 0.1f, 0, 0.125f, 0, 10), false},
        {"copper more iodide", 7, inputs(0.0625f, 10, 0.1f, 0, 0.125f, 0, 12), true},
        {"copper equal iodide", 7, inputs(0.0625f, 10, 0.1f, 0, 0.125f, 0, 10), false},
        {"copper less iodide", 7, inputs(0.0625f, 10, 0.1f, 0, 0.125f, 0, 8), false},
        {"copper pipette ignored", 7, inputs(0.0625f, 10, 0.1f, 0, 0.125f, 20, 0), false},
        {"direct", 1, inputs(0.2f, 20, 0.1f, 0), true},
        {"no species", -1, inputs(0.2f, 20, 0.1f, 0), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(model::reagentSufficient(c.species, c.in), c.sufficient) << c.name;
}

} // namespace
