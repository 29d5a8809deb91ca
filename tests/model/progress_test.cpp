// SPDX-License-Identifier: GPL-3.0-or-later
// The progress table of each titration, worked out from the reactions of the catalogue, against
// the amounts of computeAmounts and the equivalence volumes a teacher computes by hand.
#include "model/progress.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using model::Entry;
using model::ProgressTable;
using model::ReactionProgress;

model::BenchInputs inputs(float c0, double v0, float cT, float poured, float cX = 0,
                          double iodine = 0, float iodide = 0) {
    model::BenchInputs in;
    in.sampleConcentration = c0;
    in.sampleVolume = v0;
    in.titrantConcentration = cT;
    in.pouredVolume = poured;
    in.reagentConcentration = cX;
    in.iodineVolume = iodine;
    in.iodideVolume = iodide;
    return in;
}

// The reached amount of an entry in a reaction, with the real n0.
double reached(const ProgressTable& t, const ReactionProgress& r, int entry) {
    const auto terms = model::reactionTerms(r.reaction);
    for (std::size_t i = 0; i < terms.size(); ++i)
        if (terms[i].entry == entry) return r.reached[i].at(t.sampleAmount);
    ADD_FAILURE() << "no entry " << entry;
    return NAN;
}

// The example of the oxalic acid: c0 = 0,01 mol/L, V0 = 10 mL, cT = 0,005 mol/L, so
// n0 = 0,1 mmol and the equivalence at 8 mL.
TEST(ProgressTable, OxalicAcidBeforeAndPastTheEquivalence) {
    struct Row {
        const char* name;
        float poured;
        double x, h2c2o4, mno4, co2, mn2;
        bool titratedLimiting, titrantLimiting;
    };
    const Row rows[] = {
        {"at 4 mL the permanganate runs out", 4, 0.01, 0.05, 0, 0.1, 0.02, false, true},
        {"at 10 mL the oxalic acid has run out", 10, 0.02, 0, 0.01, 0.2, 0.04, true, false},
        {"at the equivalence both run out", 8, 0.02, 0, 0, 0.2, 0.04, true, true},
    };
    const double tol = 1e-7; // the bench's numbers are single-precision
    for (const Row& row : rows) {
        const ProgressTable t = model::progressTable(1, inputs(0.01f, 10, 0.005f, row.poured));
        ASSERT_EQ(t.reactions.size(), 1u) << row.name;
        const ReactionProgress& r = t.reactions[0];
        EXPECT_TRUE(r.titration) << row.name;
        EXPECT_NEAR(t.sampleAmount, 0.1, tol) << row.name;
        EXPECT_NEAR(r.initial[0].at(t.sampleAmount), 0.1, tol) << row.name;
        EXPECT_NEAR(r.initial[1].at(t.sampleAmount), 0.005 * row.poured, tol) << row.name;
        EXPECT_NEAR(r.progress.at(t.sampleAmount), row.x, tol) << row.name;
        EXPECT_NEAR(reached(t, r, Entry::H2C2O4), row.h2c2o4, tol) << row.name;
        EXPECT_NEAR(reached(t, r, Entry::MnO4), row.mno4, tol) << row.name;
        EXPECT_NEAR(reached(t, r, Entry::CO2), row.co2, tol) << row.name;
        EXPECT_NEAR(reached(t, r, Entry::Mn2), row.mn2, tol) << row.name;
        EXPECT_EQ(r.limiting[0], row.titratedLimiting) << row.name;
        EXPECT_EQ(r.limiting[1], row.titrantLimiting) << row.name;
    }
}

// With n0 kept unknown: before the equivalence the oxalic acid left is n0 - 5x with x known;
// past it, x is n0/5 and the permanganate left nT - 2n0/5.
TEST(ProgressTable, AmountsKeepTheSampleAsAnUnknown) {
    const double tol = 1e-7;
    const ProgressTable before = model::progressTable(1, inputs(0.01f, 10, 0.005f, 4));
    const ReactionProgress& b = before.reactions[0];
    EXPECT_EQ(b.initial[0].constant, 0);
    EXPECT_EQ(b.initial[0].perSample, 1);
    EXPECT_FALSE(b.progress.dependsOnSample());
    EXPECT_NEAR(b.reached[0].constant, -0.05, tol);
    EXPECT_EQ(b.reached[0].perSample, 1);

    const ProgressTable past = model::progressTable(1, inputs(0.01f, 10, 0.005f, 10));
    const ReactionProgress& p = past.reactions[0];
    EXPECT_EQ(p.progress.constant, 0);
    EXPECT_NEAR(p.progress.perSample, 0.2, 1e-12);
    EXPECT_NEAR(p.reached[1].constant, 0.05, tol);
    EXPECT_NEAR(p.reached[1].perSample, -0.4, 1e-12);
    EXPECT_NEAR(p.reached[2].perSample, 2, 1e-12); // CO2: 10 x = 2 n0
    EXPECT_FALSE(p.reached[0].dependsOnSample());  // used up: 0
}

// Hypochlorite: the iodide added turns the whole sample into diiode before any titrant, and
// the titration starts from that diiode (n0) and the iodide left (nX - 2 n0).
TEST(ProgressTable, IndirectTitrationStartsFromTheFirstReaction) {
    const ProgressTable t =
        model::progressTable(4, inputs(0.01f, 10, 0.01f, 5, 0.1f, 0, 10)); // nX = 1 mmol
    ASSERT_EQ(t.reactions.size(), 2u);
    const ReactionProgress& first = t.reactions[0];
    const ReactionProgress& titration = t.reactions[1];
    EXPECT_FALSE(first.titration);
    EXPECT_TRUE(titration.titration);
    EXPECT_EQ(first.reaction.reactants[0].entry, Entry::ClO);
    EXPECT_TRUE(first.limiting[0]);
    EXPECT_FALSE(first.limiting[1]);
    EXPECT_EQ(first.progress.perSample, 1);
    EXPECT_EQ(titration.reaction.reactants[0].entry, Entry::I2);
    EXPECT_EQ(titration.initial[0].perSample, 1);
    EXPECT_EQ(titration.initial[0].constant, 0);
    EXPECT_NEAR(titration.initial[2].constant, 1, 1e-6); // iodide
    EXPECT_EQ(titration.initial[2].perSample, -2);
    // 0,05 mmol of thiosulfate poured: x = 0,025 mmol, the thiosulfate runs out.
    EXPECT_NEAR(titration.progress.at(t.sampleAmount), 0.025, 1e-7);
    EXPECT_TRUE(titration.limiting[1]);
    EXPECT_NEAR(reached(t, titration, Entry::I2), 0.075, 1e-7);
}

struct Case {
    const char* name;
    int species;
    model::BenchInputs in; // the poured volume is set by the test
    double equivalence;    // mL, by hand
};

// The ten titrations, with an insufficient reagent for two of the indirect ones.
const Case cases[] = {
    // 2 (nX - nS) / cT = 2 (0.5 - 0.1) / 0.05
    {"ascorbic acid", 0, inputs(0.01f, 10, 0.05f, 0, 0.05f, 10), 16},
    {"ascorbic acid, too little diiode", 0, inputs(0.01f, 10, 0.05f, 0, 0.005f, 10), 0},
    {"oxalic acid", 1, inputs(0.01f, 10, 0.005f, 0), 8},               // 2 c0 V0 / (5 cT)
    {"diiode", 2, inputs(0.005f, 10, 0.01f, 0), 10},                   // 2 c0 V0 / cT
    {"sulfur dioxide", 3, inputs(0.02f, 10, 0.01f, 0), 8},             // 2 c0 V0 / (5 cT)
    {"hypochlorite", 4, inputs(0.01f, 10, 0.01f, 0, 0.1f, 0, 10), 20}, // 2 nS / cT
    {"nitrite", 5, inputs(0.05f, 5, 0.02f, 0), 5},
    {"hydrogen peroxide", 6, inputs(0.01f, 20, 0.01f, 0), 8},
    {"copper(II)", 7, inputs(0.02f, 10, 0.01f, 0, 0.1f, 0, 10), 20}, // nS / cT
    {"copper(II), too little iodide", 7, inputs(0.02f, 10, 0.01f, 0, 0.1f, 0, 3), 15},
    {"iron(II)", 8, inputs(0.05f, 10, 0.01f, 0), 10},    // c0 V0 / (5 cT)
    {"thiosulfate", 9, inputs(0.02f, 10, 0.01f, 0), 10}, // c0 V0 / (2 cT)
};

TEST(ProgressTable, EquivalenceVolumesFollowTheStoichiometry) {
    for (const Case& c : cases) {
        const auto v = model::equivalenceVolume(c.species, c.in);
        ASSERT_TRUE(v.has_value()) << c.name;
        EXPECT_NEAR(*v, c.equivalence, 1e-5) << c.name;
    }
    EXPECT_FALSE(model::equivalenceVolume(-1, cases[2].in).has_value());
    model::BenchInputs noTitrant = cases[2].in;
    noTitrant.titrantConcentration = 0;
    EXPECT_FALSE(model::equivalenceVolume(1, noTitrant).has_value());
}

// What the table reaches is what the bars show, on both sides of the equivalence and at it:
// every entry the reactions touch, against computeAmounts.
TEST(ProgressTable, ReachedAmountsAreThoseOfTheModel) {
    for (const Case& c : cases) {
        for (double v : {0.0, c.equivalence / 2, c.equivalence, c.equivalence + 0.05, 25.0}) {
            model::BenchInputs in = c.in;
            in.pouredVolume = static_cast<float>(v);
            model::PresentAmounts present{};
            model::computeAmounts(c.species, in, present);
            const ProgressTable t = model::progressTable(c.species, in);
            // The last reaction that touches an entry gives its amount.
            for (const ReactionProgress& r : t.reactions) {
                const auto terms = model::reactionTerms(r.reaction);
                for (std::size_t i = 0; i < terms.size(); ++i) {
                    bool later = false;
                    for (const ReactionProgress& s : t.reactions)
                        if (&s > &r)
                            for (const auto& term : model::reactionTerms(s.reaction))
                                later = later || term.entry == terms[i].entry;
                    if (later) continue;
                    // Amounts of at most a millimole, in single precision in the model.
                    EXPECT_NEAR(r.reached[i].at(t.sampleAmount), present[terms[i].entry], 1e-6)
                        << c.name << " at " << v << " mL, entry " << terms[i].entry;
                }
            }
        }
    }
}

TEST(ProgressTable, NoSpeciesNoReaction) {
    EXPECT_TRUE(model::progressTable(-1, cases[2].in).reactions.empty());
    EXPECT_TRUE(model::progressTable(10, cases[2].in).reactions.empty());
}

} // namespace
