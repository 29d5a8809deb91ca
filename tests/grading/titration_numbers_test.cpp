// SPDX-License-Identifier: GPL-3.0-or-later
// a and b of c2 = a × c1 × VE / (b × V2) for each titration of the bench, from its equations.
#include "grading/titration_numbers.h"

#include "model/catalogue.h"

#include <gtest/gtest.h>

namespace {

using grading::StoichiometricNumbers;
using S = model::Species;

TEST(TitrationNumbers, EachTitrationAsTheClassWritesItsRelation) {
    struct Row {
        const char* name;
        int species;
        std::optional<StoichiometricNumbers> expected;
    } rows[] = {
        // 5 H2C2O4 + 2 MnO4⁻: n(H2C2O4) = 5/2 n(MnO4⁻).
        {"oxalic acid by permanganate", S::OxalicAcid, StoichiometricNumbers{5, 2}},
        {"sulfur dioxide by permanganate", S::SulfurDioxide, StoichiometricNumbers{5, 2}},
        {"nitrite by permanganate", S::Nitrite, StoichiometricNumbers{5, 2}},
        {"hydrogen peroxide by permanganate", S::HydrogenPeroxide, StoichiometricNumbers{5, 2}},
        // 5 Fe²⁺ + MnO4⁻.
        {"iron(II) by permanganate", S::IronSulfate, StoichiometricNumbers{5, 1}},
        // I2 + 2 S2O3²⁻: n(I2) = n(S2O3²⁻) / 2.
        {"diiode by thiosulfate", S::Diiode, StoichiometricNumbers{1, 2}},
        // Titrated by diiode: 2 S2O3²⁻ + I2.
        {"thiosulfate by diiode", S::Thiosulfate, StoichiometricNumbers{2, 1}},
        // ClO⁻ gives one I2, which takes 2 S2O3²⁻.
        {"hypochlorite through iodide", S::Hypochlorite, StoichiometricNumbers{1, 2}},
        // 2 Cu²⁺ give one I2, which takes 2 S2O3²⁻: one for one.
        {"copper(II) through iodide", S::CopperSulfate, StoichiometricNumbers{1, 1}},
        // Ascorbic acid takes part of a diiode in excess: a back titration.
        {"ascorbic acid, back titration", S::AscorbicAcid, std::nullopt},
        {"no species", -1, std::nullopt},
        {"past the list", model::speciesCount, std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(grading::titrationNumbers(row.species), row.expected) << row.name;
}

} // namespace
