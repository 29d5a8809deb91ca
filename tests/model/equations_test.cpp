// SPDX-License-Identifier: GPL-3.0-or-later
// Every equation the catalogue writes is balanced in atoms and charges, written as the class
// writes it, with the hydrogen ions and the water the reaction needs on the side where they
// belong, and with the stoichiometric numbers the amounts follow.
#include "model/catalogue.h"
#include "model/formula.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using model::Species;

std::string equations(int species) {
    std::string text;
    for (const model::Reaction& r : model::reactions(species)) {
        if (!text.empty()) text += " ; ";
        text += model::equationText(r);
    }
    return text;
}

TEST(Equations, EveryReactionOfTheCatalogueIsBalanced) {
    int checked = 0;
    for (int species = 0; species < model::speciesCount; ++species) {
        for (const model::Reaction& r : model::reactions(species)) {
            const std::string text = model::equationText(r);
            SCOPED_TRACE(text);
            const auto equation = model::parseEquation(text);
            ASSERT_TRUE(equation.has_value());
            EXPECT_TRUE(model::isBalanced(*equation));
            const model::Composition rest = model::imbalance(*equation);
            EXPECT_EQ(rest.charge, 0);
            EXPECT_TRUE(rest.atoms.empty());
            ++checked;
        }
    }
    EXPECT_EQ(checked, 13); // ten titrations, three of them after a first reaction
}

struct Written {
    const char* name;
    int species;
    const char* equations;
};

TEST(Equations, WrittenAsTheClassWritesThem) {
    const Written rows[] = {
        {"ascorbic acid, then the diiode left", Species::AscorbicAcid,
         "C₆H₈O₆ + I₂ → C₆H₆O₆ + 2 I⁻ + 2 H⁺ ; I₂ + 2 S₂O₃²⁻ → 2 I⁻ + S₄O₆²⁻"},
        {"oxalic acid in acid solution", Species::OxalicAcid,
         "5 H₂C₂O₄ + 2 MnO₄⁻ + 6 H⁺ → 10 CO₂ + 2 Mn²⁺ + 8 H₂O"},
        {"diiode", Species::Diiode, "I₂ + 2 S₂O₃²⁻ → 2 I⁻ + S₄O₆²⁻"},
        {"sulfur dioxide: water taken, hydrogen ions made", Species::SulfurDioxide,
         "5 SO₂ + 2 MnO₄⁻ + 2 H₂O → 5 SO₄²⁻ + 2 Mn²⁺ + 4 H⁺"},
        {"hypochlorite with iodide in acid solution", Species::Hypochlorite,
         "ClO⁻ + 2 I⁻ + 2 H⁺ → I₂ + Cl⁻ + H₂O ; I₂ + 2 S₂O₃²⁻ → 2 I⁻ + S₄O₆²⁻"},
        {"nitrite", Species::Nitrite, "5 NO₂⁻ + 2 MnO₄⁻ + 6 H⁺ → 5 NO₃⁻ + 2 Mn²⁺ + 3 H₂O"},
        {"hydrogen peroxide", Species::HydrogenPeroxide,
         "5 H₂O₂ + 2 MnO₄⁻ + 6 H⁺ → 5 O₂ + 2 Mn²⁺ + 8 H₂O"},
        {"copper(II) and iodide", Species::CopperSulfate,
         "2 Cu²⁺ + 4 I⁻ → 2 CuI + I₂ ; I₂ + 2 S₂O₃²⁻ → 2 I⁻ + S₄O₆²⁻"},
        {"iron(II): one permanganate for five", Species::IronSulfate,
         "5 Fe²⁺ + MnO₄⁻ + 8 H⁺ → 5 Fe³⁺ + Mn²⁺ + 4 H₂O"},
        {"thiosulfate titrated by diiode", Species::Thiosulfate, "I₂ + 2 S₂O₃²⁻ → 2 I⁻ + S₄O₆²⁻"},
    };
    static_assert(std::size(rows) == model::speciesCount);
    for (const Written& row : rows)
        EXPECT_EQ(equations(row.species), row.equations) << row.name;
    EXPECT_EQ(equations(-1), "");
}

// Hydrogen ions stand with the reactants exactly where the bench acidifies the titrant (the
// four permanganate titrations it says so of), or in the reaction before a titration done in
// acid solution; never in a thiosulfate or diiode titration.
TEST(Equations, HydrogenIonsWhereTheSolutionIsAcidified) {
    for (int species = 0; species < model::speciesCount; ++species) {
        const model::Reaction& titration = model::reactions(species).back();
        SCOPED_TRACE(model::equationText(titration));
        if (model::acidifiedTitrant(species)) {
            EXPECT_GT(titration.hydrogenIons, 0);
        } else if (model::titrantFamily(species) != model::TitrantFamily::Permanganate) {
            EXPECT_EQ(titration.hydrogenIons, 0);
        }
    }
}

// The terms as they are written: the tracked ones in the catalogue's order, then hydrogen
// ions, then water, each on its own side with its number.
TEST(Equations, WrittenTermsFollowTheReaction) {
    const model::Reaction& r = model::reactions(Species::SulfurDioxide).front();
    const model::WrittenEquation written = model::writtenEquation(r);
    ASSERT_EQ(written.reactants.size(), 3u);
    ASSERT_EQ(written.products.size(), 3u);
    EXPECT_EQ(written.reactants[0].entry, model::Entry::SO2);
    EXPECT_EQ(written.reactants[2].kind, model::TermKind::Water);
    EXPECT_EQ(written.reactants[2].coefficient, 2);
    EXPECT_EQ(written.reactants[2].entry, -1);
    EXPECT_EQ(written.products[2].kind, model::TermKind::HydrogenIon);
    EXPECT_EQ(written.products[2].coefficient, 4);
    EXPECT_EQ(written.products[2].formula, "H⁺");
    const model::WrittenEquation copper =
        model::writtenEquation(model::reactions(Species::CopperSulfate).front());
    EXPECT_EQ(copper.reactants.size(), 2u);
    EXPECT_EQ(copper.products.size(), 2u);
}

} // namespace
