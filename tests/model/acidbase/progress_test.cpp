// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/acidbase/progress.h"

#include <gtest/gtest.h>

namespace model::acidbase {
namespace {

// An amount of the table as constant + perSample × n0.
void expectAffine(const SampleAffine& a, double constant, double perSample, const char* what) {
    EXPECT_NEAR(a.constant, constant, 1e-12) << what;
    EXPECT_NEAR(a.perSample, perSample, 1e-12) << what;
}

struct WeakAcidCase {
    const char* name;
    double poured;           // mL of sodium hydroxide at 0,100 mol/L
    double x[2];             // progress: constant, per n0
    double acidLeft[2];      // CH₃COOH reached
    double hydroxideLeft[2]; // HO⁻ reached
    bool limiting[2];        // acid, hydroxide
};

// 10,0 mL of ethanoic acid at 0,100 mol/L: n0 = 1,00 mmol, the equivalence at 10,0 mL. Before
// it the hydroxide poured (0,1 V mmol) runs out; after it the acid does.
TEST(AcidBaseProgress, TheTitrantOrTheSampleRunsOut) {
    const Preparation ethanoic{Titration::EthanoicAcid, 0.1, 10, 0, 0.1};
    const WeakAcidCase cases[] = {
        {"nothing poured", 0, {0, 0}, {0, 1}, {0, 0}, {false, true}},
        {"4 mL", 4, {0.4, 0}, {-0.4, 1}, {0, 0}, {false, true}},
        {"the equivalence", 10, {0, 1}, {0, 0}, {0, 0}, {true, true}},
        {"12 mL", 12, {0, 1}, {0, 0}, {1.2, -1}, {true, false}},
    };
    for (const WeakAcidCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ProgressState state = progressState(ethanoic, c.poured);
        EXPECT_DOUBLE_EQ(state.sampleAmount, 1.0);
        ASSERT_EQ(state.reactions.size(), 1u);
        const ReactionState& r = state.reactions[0];
        expectAffine(r.initial[0], 0, 1, "CH₃COOH at first: n0");
        expectAffine(r.initial[1], 0.1 * c.poured, 0, "HO⁻ poured");
        expectAffine(r.progress, c.x[0], c.x[1], "x");
        expectAffine(r.reached[0], c.acidLeft[0], c.acidLeft[1], "CH₃COOH");
        expectAffine(r.reached[1], c.hydroxideLeft[0], c.hydroxideLeft[1], "HO⁻");
        expectAffine(r.reached[2], c.x[0], c.x[1], "CH₃COO⁻ formed: x");
        EXPECT_EQ(r.limiting[0], c.limiting[0]);
        EXPECT_EQ(r.limiting[1], c.limiting[1]);
        EXPECT_TRUE(isSolvent(r.reaction.products[1])) << "water";
    }
}

// Phosphoric acid at 0,100 mol/L, 10,0 mL, 15,0 mL of sodium hydroxide at 0,100 mol/L: the
// first acidity takes n0 = 1 mmol, the second what is left, 1,5 − n0 = 0,5 mmol.
TEST(AcidBaseProgress, ThePolyacidsReactionsFollowOneAnother) {
    const Preparation phosphoric{Titration::PhosphoricAcid, 0.1, 10, 0, 0.1};
    const ProgressState state = progressState(phosphoric, 15);
    ASSERT_EQ(state.reactions.size(), 2u);
    const ReactionState& first = state.reactions[0];
    expectAffine(first.progress, 0, 1, "first x: n0");
    EXPECT_TRUE(first.limiting[0] && !first.limiting[1]);
    expectAffine(first.reached[1], 1.5, -1, "HO⁻ left for the second acidity");
    const ReactionState& second = state.reactions[1];
    expectAffine(second.initial[0], 0, 1, "H₂PO₄⁻ formed by the first");
    expectAffine(second.initial[1], 1.5, -1, "HO⁻ left");
    expectAffine(second.progress, 1.5, -1, "second x");
    expectAffine(second.reached[0], -1.5, 2, "H₂PO₄⁻ left");
    expectAffine(second.reached[2], 1.5, -1, "HPO₄²⁻ formed");
    EXPECT_TRUE(second.limiting[1] && !second.limiting[0]);
}

// A strong acid: H₃O⁺ + HO⁻ → 2 H₂O, whose water is not counted.
TEST(AcidBaseProgress, WaterIsNotCounted) {
    const Preparation hydrochloric{Titration::HydrochloricAcid, 0.05, 20, 0, 0.1};
    const ProgressState state = progressState(hydrochloric, 5);
    ASSERT_EQ(state.reactions.size(), 1u);
    const ReactionState& r = state.reactions[0];
    EXPECT_TRUE(isSolvent(r.reaction.products[0]));
    EXPECT_TRUE(isSolvent(r.reaction.products[1]));
    expectAffine(r.reached[2], 0, 0, "no amount for water");
    expectAffine(r.reached[0], -0.5, 1, "H₃O⁺ left: n0 − 0,5");
}

TEST(AcidBaseProgress, NoTitrationNoTable) {
    EXPECT_TRUE(progressState({}, 5).reactions.empty());
    const Preparation noTitrant{Titration::Ammonia, 0.1, 10, 0, 0};
    const ProgressState state = progressState(noTitrant, 5);
    ASSERT_EQ(state.reactions.size(), 1u);
    expectAffine(state.reactions[0].progress, 0, 0, "no titrant, no progress");
    EXPECT_TRUE(state.reactions[0].limiting[1]);
}

} // namespace
} // namespace model::acidbase
