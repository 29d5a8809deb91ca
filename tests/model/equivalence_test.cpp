// SPDX-License-Identifier: GPL-3.0-or-later
// The colour of the flask around the equivalence of each of the ten titrations, with the
// decimal numbers a teacher types: one drop before, at the exact equivalence volume, and one
// drop past it, with and without starch. At the equivalence the stoichiometry leaves neither
// the titrated species nor the titrant, so the flask is colourless; the next drop shows the
// colour of the titrant in excess, and the drop before the colour of the diiode still there.

#include "model/amounts.h"
#include "model/colour.h"
#include "numbers/reading.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using model::Tint;

// What the flask shows: no tint, or the law that colours it.
enum class Flask { Clear, Violet, Diiode };

std::string describe(const std::optional<model::LiquidTint>& tint) {
    if (!tint) return "clear";
    switch (tint->tint) {
    case Tint::Permanganate:
        return "permanganate";
    case Tint::Diiode:
        return "diiode";
    case Tint::DiiodeStarch:
        return "starch blue";
    }
    return "?";
}

struct Row {
    const char* name;
    int species;
    const char* c0; // as typed on the bench
    double v0;      // mL, list item
    const char* cT;
    const char* cX = "0";
    double iodineVolume = 0;        // mL, species 0
    const char* iodideVolume = "0"; // mL, species 4 and 7
    const char* equivalence = "";   // the poured volume as the bench writes it
    const char* dropBefore = "";
    const char* dropAfter = "";
    Flask before = Flask::Clear, after = Flask::Clear;
};

model::BenchInputs inputs(const Row& r, const char* poured) {
    model::BenchInputs in;
    in.sampleConcentration = numbers::parseBenchNumber(r.c0);
    in.sampleVolume = r.v0;
    in.titrantConcentration = numbers::parseBenchNumber(r.cT);
    in.reagentConcentration = numbers::parseBenchNumber(r.cX);
    in.iodineVolume = r.iodineVolume;
    in.iodideVolume = numbers::parseBenchNumber(r.iodideVolume);
    in.pouredVolume = numbers::parseBenchNumber(poured);
    return in;
}

std::optional<model::LiquidTint> flask(const Row& r, const char* poured, bool starch) {
    const model::BenchInputs in = inputs(r, poured);
    model::PresentAmounts present{};
    model::computeAmounts(r.species, in, present);
    const double volume = in.sampleVolume + (r.species == 0 ? in.iodineVolume : 0) +
                          (r.species == 4 || r.species == 7 ? in.iodideVolume : 0) +
                          in.pouredVolume;
    return model::beakerTint(present, volume, starch);
}

std::string expected(Flask f, bool starch) {
    switch (f) {
    case Flask::Clear:
        return "clear";
    case Flask::Violet:
        return "permanganate";
    case Flask::Diiode:
        return starch ? "starch blue" : "diiode";
    }
    return "?";
}

TEST(Equivalence, TheFlaskClearsExactlyAtTheEquivalenceVolume) {
    using enum Flask;
    // Values chosen so that, without the clearing, single precision leaves a remainder at
    // the equivalence (between 1e-9 and 3e-8 mmol) that keeps a tint for one more drop.
    const Row rows[] = {
        // 2 (nX - nS) / cT = 2 (0,25 - 0,05) / 0,02
        {"ascorbic acid", 0, "0,01", 5, "0,02", "0,05", 5, "0", "20", "19,95", "20,05", Diiode,
         Clear},
        // 2 c0 V0 / (5 cT)
        {"oxalic acid", 1, "0,01", 5, "0,002", "0", 0, "0", "10", "9,95", "10,05", Clear, Violet},
        // 2 c0 V0 / cT: the getting-started titration, and the diiode exercise
        {"diiode", 2, "0,01", 10, "0,02", "0", 0, "0", "10", "9,95", "10,05", Diiode, Clear},
        {"diiode, 12 mL", 2, "0,012", 10, "0,02", "0", 0, "0", "12", "11,95", "12,05", Diiode,
         Clear},
        {"sulfur dioxide", 3, "0,02", 10, "0,025", "0", 0, "0", "3,2", "3,15", "3,25", Clear,
         Violet},
        // 2 nS / cT
        {"hypochlorite", 4, "0,012", 5, "0,01", "0,05", 0, "5", "12", "11,95", "12,05", Diiode,
         Clear},
        {"nitrite", 5, "0,01", 20, "0,025", "0", 0, "0", "3,2", "3,15", "3,25", Clear, Violet},
        {"hydrogen peroxide", 6, "0,01", 5, "0,002", "0", 0, "0", "10", "9,95", "10,05", Clear,
         Violet},
        // nS / cT
        {"copper(II)", 7, "0,012", 5, "0,01", "0,05", 0, "5", "6", "5,95", "6,05", Diiode, Clear},
        // c0 V0 / (5 cT)
        {"iron(II)", 8, "0,01", 10, "0,002", "0", 0, "0", "10", "9,95", "10,05", Clear, Violet},
        // c0 V0 / (2 cT)
        {"thiosulfate", 9, "0,01", 5, "0,002", "0", 0, "0", "12,5", "12,45", "12,55", Clear,
         Diiode},
    };
    for (const Row& r : rows) {
        for (bool starch : {false, true}) {
            SCOPED_TRACE(std::string(r.name) + (starch ? ", starch" : ""));
            EXPECT_EQ(describe(flask(r, r.dropBefore, starch)), expected(r.before, starch));
            EXPECT_EQ(describe(flask(r, r.equivalence, starch)), "clear");
            EXPECT_EQ(describe(flask(r, r.dropAfter, starch)), expected(r.after, starch));
        }
    }
}

TEST(Equivalence, OnlyWhatRoundingLeavesIsCleared) {
    // Each case: the bench's inputs, the entry looked at, and whether it must stay (a real
    // amount, however small) or be cleared (what rounding leaves where the stoichiometry says 0).
    struct Case {
        const char* name;
        int species;
        model::BenchInputs in;
        int entry;
        bool kept;
    } cases[] = {
        // Exact binary numbers: 1,25 mmol of oxalic acid, 0,125 mol/L permanganate; 0.001 mL
        // past the equivalence at 4 mL, 1.25e-4 mmol of permanganate.
        {"just past an exact equivalence", 1, {0.125f, 10, 0.125f, 4.001f, 0, 0, 0}, 8, true},
        // The smallest excess of permanganate a drop can bring: the weakest titrant, one drop
        // past an equivalence at 20 mL (5e-6 mmol).
        {"one drop of the weakest titrant", 1, {0.0005f, 10, 0.0001f, 20.05f, 0, 0, 0}, 8, true},
        // A large excess of iodide (0,2 mol/L x 24 mL = 4.8 mmol) and the weakest titrant: half a
        // drop before the equivalence at 2 mL, 2.5e-6 mmol of diiode are left, below a millionth
        // of the iodide but well above a millionth of the titrated and poured amounts.
        {"last half drop of diiode beside much iodide",
         4,
         {0.0001f, 1, 0.0001f, 1.95f, 0.2f, 0, 24},
         2,
         true},
        // Before any titrant: a tiny sample of diiode is all there.
        {"a tiny sample before any titrant", 2, {0.0001f, 1, 0.2f, 0, 0, 0, 0}, 2, true},
        // Diiode added in exactly the amount of ascorbic acid (0,05 x 2 mL = 0,02 x 5 mL): none
        // is left, although the two products differ by 3.7e-9 mmol in single precision.
        {"diiode just used up by the ascorbic acid",
         0,
         {0.02f, 5, 0.02f, 0, 0.05f, 2, 0},
         2,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        model::PresentAmounts present{};
        model::computeAmounts(c.species, c.in, present);
        if (c.kept)
            EXPECT_GT(present[c.entry], 0.0f);
        else
            EXPECT_EQ(present[c.entry], 0.0f);
    }
}

} // namespace
