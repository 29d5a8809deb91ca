// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using model::ExcessReagent;
using model::IntroducedBar;
using model::ReagentVolumeInput;
using model::TitrantFamily;

// Columns in the notation "formula introduced/entry", introduced being T, R, X or -.
std::string columnsText(int species) {
    std::string s;
    for (const auto& c : model::graphColumns(species)) {
        if (!s.empty()) s += ", ";
        const char* bar = c.introduced == IntroducedBar::Titrated  ? "T"
                          : c.introduced == IntroducedBar::Titrant ? "R"
                          : c.introduced == IntroducedBar::Reagent ? "X"
                                                                   : "-";
        s += std::string(c.formula) + " " + bar + "/" + std::to_string(c.presentEntry);
    }
    return s;
}

std::string reactionNames(int species) {
    std::string s;
    for (const auto& r : model::reactions(species))
        s += std::string(r.name) + " ";
    return s;
}

TEST(Catalogue, Species) {
    using F = TitrantFamily;
    using X = ExcessReagent;
    using V = ReagentVolumeInput;
    struct Row {
        const char* text;
        F family;
        const char* titrant;
        X reagent;
        V volume;
        const char* columns;
        const char* reactions;
    } rows[] = {
        {"acide ascorbique", F::Thiosulfate, "S2O3 2-", X::Diiode, V::IodineVolume,
         "C6H6O6 -/0, C6H8O6 T/1, I2 X/2, I- -/3, S4O6 2- -/4, S2O3 2- R/5", "R7 R6 "},
        {"acide oxalique", F::Permanganate, "MnO4-", X::None, V::None,
         "CO2 -/6, H2C2O4 T/7, MnO4- R/8, Mn2+ -/9", "R1 "},
        {"diiode", F::Thiosulfate, "S2O3 2-", X::None, V::None,
         "I2 T/2, I- -/3, S4O6 2- -/4, S2O3 2- R/5", "R6 "},
        {"dioxyde de soufre", F::Permanganate, "MnO4-", X::None, V::None,
         "SO4 2- -/10, SO2 T/11, MnO4- R/8, Mn2+ -/9", "R2 "},
        {"hypochlorite de sodium", F::Thiosulfate, "S2O3 2-", X::Iodide, V::IodideVolume,
         "ClO- T/12, Cl- -/13, I2 -/2, I- X/3, S4O6 2- -/4, S2O3 2- R/5", "R8 R6 "},
        {"nitrite de potassium", F::Permanganate, "MnO4-", X::None, V::None,
         "NO3- -/14, NO2- T/15, MnO4- R/8, Mn2+ -/9", "R3 "},
        {"peroxyde d'hydrogène", F::Permanganate, "MnO4-", X::None, V::None,
         "O2 -/16, H2O2 T/17, MnO4- R/8, Mn2+ -/9", "R4 "},
        {"sulfate de cuivre II", F::Thiosulfate, "S2O3 2-", X::Iodide, V::IodideVolume,
         "Cu2+ T/18, CuI -/19, I2 -/2, I- X/3, S4O6 2- -/4, S2O3 2- R/5", "R9 R6 "},
        {"sulfate de fer II", F::Permanganate, "MnO4-", X::None, V::None,
         "Fe3+ -/20, Fe2+ T/21, MnO4- R/8, Mn2+ -/9", "R5 "},
        {"thiosulfate de sodium", F::Diiode, "I2", X::None, V::None,
         "S4O6 2- -/4, S2O3 2- T/5, I2 R/2, I- -/3", "R6 "},
    };
    static_assert(std::size(rows) == model::speciesCount);
    for (int i = 0; i < model::speciesCount; ++i) {
        const Row& r = rows[i];
        EXPECT_TRUE(model::isSpecies(i));
        EXPECT_EQ(model::listText(i), r.text) << i;
        EXPECT_EQ(model::titrantFamily(i), r.family) << i;
        EXPECT_EQ(model::titrantFormula(i), r.titrant) << i;
        EXPECT_EQ(model::excessReagent(i), r.reagent) << i;
        EXPECT_EQ(model::reagentVolumeInput(i), r.volume) << i;
        EXPECT_EQ(model::isIndirect(i), r.reagent != X::None) << i;
        EXPECT_EQ(columnsText(i), r.columns) << i;
        EXPECT_EQ(model::graphColumns(i).size(), model::isIndirect(i) ? 6u : 4u) << i;
        EXPECT_EQ(reactionNames(i), r.reactions) << i;
    }
}

TEST(Catalogue, NoSpeciesHasNothing) {
    for (int species : {-1, 10, 1000}) {
        EXPECT_FALSE(model::isSpecies(species));
        EXPECT_EQ(model::listText(species), "");
        EXPECT_EQ(model::titrantFamily(species), TitrantFamily::None);
        EXPECT_EQ(model::titrantFormula(species), "");
        EXPECT_FALSE(model::isIndirect(species));
        EXPECT_EQ(model::reagentVolumeInput(species), ReagentVolumeInput::None);
        EXPECT_TRUE(model::graphColumns(species).empty());
        EXPECT_TRUE(model::reactions(species).empty());
    }
}

TEST(Catalogue, LabelKeysAreTheDocumentedOnes) {
    const std::set<std::string> keys{"C6H6O6",  "C6H8O6", "H2C2O4", "I2",   "I-",   "S4O6 2-",
                                     "S2O3 2-", "CO2",    "MnO4-",  "Mn2+", "SO2",  "SO4 2-",
                                     "ClO-",    "Cl-",    "NO2-",   "NO3-", "H2O2", "O2",
                                     "Cu2+",    "CuI",    "Fe2+",   "Fe3+"};
    std::set<std::string> used;
    for (int i = 0; i < model::speciesCount; ++i)
        for (const auto& c : model::graphColumns(i))
            used.insert(std::string(c.formula));
    EXPECT_EQ(used, keys);
}

} // namespace
