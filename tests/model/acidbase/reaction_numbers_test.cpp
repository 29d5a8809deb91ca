// SPDX-License-Identifier: GPL-3.0-or-later
// a and b of c2 = a × c1 × VE / (b × V2) for each acid-base titration, from its first reaction.
#include "model/acidbase/reaction_numbers.h"

#include "model/acidbase/catalogue.h"

#include <gtest/gtest.h>

namespace {

using model::StoichiometricNumbers;

TEST(FirstReactionNumbers, AcidBaseTitrationsByTheirFirstEquivalence) {
    using T = model::acidbase::Titration;
    struct Row {
        const char* name;
        int titration;
        std::optional<StoichiometricNumbers> expected;
    } rows[] = {
        // CH3COOH + HO⁻ → CH3COO⁻ + H2O: one for one.
        {"ethanoic acid by sodium hydroxide", T::EthanoicAcid, StoichiometricNumbers{1, 1}},
        {"sodium hydroxide by hydrochloric acid", T::SodiumHydroxide, StoichiometricNumbers{1, 1}},
        {"ammonia by hydrochloric acid", T::Ammonia, StoichiometricNumbers{1, 1}},
        // The first jump of phosphoric acid: H3PO4 + HO⁻, VE1.
        {"phosphoric acid, first equivalence", T::PhosphoricAcid, StoichiometricNumbers{1, 1}},
        // C6H8O7 + 3 HO⁻: n(acid) = n(HO⁻) / 3.
        {"citric acid", T::CitricAcid, StoichiometricNumbers{1, 3}},
        // CO3²⁻ + H3O⁺ → HCO3⁻: the first jump.
        {"sodium carbonate, first equivalence", T::SodiumCarbonate, StoichiometricNumbers{1, 1}},
        {"no titration", -1, std::nullopt},
        {"past the catalogue", model::acidbase::titrationCount, std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(model::acidbase::firstReactionNumbers(row.titration), row.expected) << row.name;
}

} // namespace
