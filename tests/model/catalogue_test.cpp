// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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
        s += std::string(model::entryFormula(c.presentEntry)) + " " + bar + "/" +
             std::to_string(c.presentEntry);
    }
    return s;
}

// Scale candidates in the notation "factor amount", amount being nS, nX or burette.
std::string scaleText(int species) {
    std::string s;
    for (const auto& c : model::scaleCandidates(species)) {
        if (!s.empty()) s += ", ";
        s += std::to_string(int(c.factor)) + " " +
             (c.amount == model::ScaleAmount::Titrated  ? "nS"
              : c.amount == model::ScaleAmount::Reagent ? "nX"
                                                        : "burette");
    }
    return s;
}

TEST(Catalogue, Species) {
    using F = TitrantFamily;
    using X = ExcessReagent;
    using V = ReagentVolumeInput;
    struct Row {
        const char* text;
        F family;
        X reagent;
        V volume;
        const char* reagentName;
        bool acidified;
        bool diiode;
        const char* columns;
        const char* scale;
    } rows[] = {
        {"acide ascorbique", F::Thiosulfate, X::Diiode, V::IodineVolume, "diiode", false, true,
         "C6H6O6 -/0, C6H8O6 T/1, I2 X/2, I- -/3, S4O6 2- -/4, S2O3 2- R/5",
         "1 nS, 2 nX, 1 burette"},
        {"acide oxalique", F::Permanganate, X::None, V::None, "", true, false,
         "CO2 -/6, H2C2O4 T/7, MnO4- R/8, Mn2+ -/9", "2 nS, 1 burette"},
        {"diiode", F::Thiosulfate, X::None, V::None, "", false, true,
         "I2 T/2, I- -/3, S4O6 2- -/4, S2O3 2- R/5", "2 nS, 1 burette"},
        {"dioxyde de soufre", F::Permanganate, X::None, V::None, "", false, false,
         "SO4 2- -/10, SO2 T/11, MnO4- R/8, Mn2+ -/9", "1 nS, 1 burette"},
        {"hypochlorite de sodium", F::Thiosulfate, X::Iodide, V::IodideVolume,
         "d'iodure de potassium", false, true,
         "ClO- T/12, Cl- -/13, I2 -/2, I- X/3, S4O6 2- -/4, S2O3 2- R/5", "1 nS, 1 nX, 1 burette"},
        {"nitrite de potassium", F::Permanganate, X::None, V::None, "", true, false,
         "NO3- -/14, NO2- T/15, MnO4- R/8, Mn2+ -/9", "1 nS, 1 burette"},
        {"peroxyde d'hydrogène", F::Permanganate, X::None, V::None, "", true, false,
         "O2 -/16, H2O2 T/17, MnO4- R/8, Mn2+ -/9", "1 nS, 1 burette"},
        {"sulfate de cuivre II", F::Thiosulfate, X::Iodide, V::IodideVolume,
         "d'iodure de potassium", false, true,
         "Cu2+ T/18, CuI -/19, I2 -/2, I- X/3, S4O6 2- -/4, S2O3 2- R/5", "1 nS, 1 nX, 1 burette"},
        {"sulfate de fer II", F::Permanganate, X::None, V::None, "", true, false,
         "Fe3+ -/20, Fe2+ T/21, MnO4- R/8, Mn2+ -/9", "1 nS, 1 burette"},
        {"thiosulfate de sodium", F::Diiode, X::None, V::None, "", false, true,
         "S4O6 2- -/4, S2O3 2- T/5, I2 R/2, I- -/3", "1 nS, 2 burette"},
    };
    static_assert(std::size(rows) == model::speciesCount);
    for (int i = 0; i < model::speciesCount; ++i) {
        const Row& r = rows[i];
        EXPECT_TRUE(model::isSpecies(i));
        EXPECT_EQ(model::listText(i), r.text) << i;
        EXPECT_EQ(model::titrantFamily(i), r.family) << i;
        EXPECT_EQ(model::excessReagent(i), r.reagent) << i;
        EXPECT_EQ(model::reagentVolumeInput(i), r.volume) << i;
        EXPECT_EQ(model::reagentName(i), r.reagentName) << i;
        EXPECT_EQ(model::isIndirect(i), r.reagent != X::None) << i;
        EXPECT_EQ(model::acidifiedTitrant(i), r.acidified) << i;
        EXPECT_EQ(model::involvesDiiode(i), r.diiode) << i;
        EXPECT_EQ(columnsText(i), r.columns) << i;
        EXPECT_EQ(model::graphColumns(i).size(), model::isIndirect(i) ? 6u : 4u) << i;
        EXPECT_EQ(scaleText(i), r.scale) << i;
    }
}

TEST(Catalogue, NoSpeciesHasNothing) {
    for (int species : {-1, 10, 1000}) {
        EXPECT_FALSE(model::isSpecies(species));
        EXPECT_EQ(model::listText(species), "");
        EXPECT_EQ(model::titrantFamily(species), TitrantFamily::None);
        EXPECT_FALSE(model::isIndirect(species));
        EXPECT_EQ(model::reagentVolumeInput(species), ReagentVolumeInput::None);
        EXPECT_EQ(model::reagentName(species), "");
        EXPECT_FALSE(model::acidifiedTitrant(species));
        EXPECT_FALSE(model::involvesDiiode(species));
        EXPECT_TRUE(model::graphColumns(species).empty());
        EXPECT_TRUE(model::scaleCandidates(species).empty());
    }
}

// The note under the titrant's description: two lines for an acidified titrant, none else.
TEST(Catalogue, TitrantNoteOnlyForAcidifiedTitrants) {
    const std::vector<std::string_view> acidified{"Cette solution est acidifiée avec",
                                                  "de l'acide sulfurique."};
    for (int i = -1; i <= model::speciesCount; ++i) {
        const auto note = model::titrantNote(i);
        const std::vector<std::string_view> lines(note.begin(), note.end());
        EXPECT_EQ(lines, model::acidifiedTitrant(i) ? acidified : std::vector<std::string_view>{})
            << i;
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
            used.insert(std::string(model::entryFormula(c.presentEntry)));
    EXPECT_EQ(used, keys);
    EXPECT_EQ(model::entryFormula(model::Entry::count), "");
    EXPECT_EQ(model::entryFormula(-1), "");
}

TEST(Catalogue, NamedEntriesAndSpeciesAreTheirPlaces) {
    using E = model::Entry;
    const std::pair<int, const char*> entries[] = {
        {E::C6H6O6, "C6H6O6"}, {E::C6H8O6, "C6H8O6"}, {E::I2, "I2"},      {E::Iodide, "I-"},
        {E::S4O6, "S4O6 2-"},  {E::S2O3, "S2O3 2-"},  {E::CO2, "CO2"},    {E::H2C2O4, "H2C2O4"},
        {E::MnO4, "MnO4-"},    {E::Mn2, "Mn2+"},      {E::SO4, "SO4 2-"}, {E::SO2, "SO2"},
        {E::ClO, "ClO-"},      {E::Cl, "Cl-"},        {E::NO3, "NO3-"},   {E::NO2, "NO2-"},
        {E::O2, "O2"},         {E::H2O2, "H2O2"},     {E::Cu2, "Cu2+"},   {E::CuI, "CuI"},
        {E::Fe3, "Fe3+"},      {E::Fe2, "Fe2+"}};
    static_assert(std::size(entries) == E::count);
    for (const auto& [entry, formula] : entries)
        EXPECT_EQ(model::entryFormula(entry), formula) << entry;
    // The two entries the colours read.
    EXPECT_EQ(E::I2, 2);
    EXPECT_EQ(E::MnO4, 8);

    using S = model::Species;
    const std::pair<int, const char*> species[] = {{S::AscorbicAcid, "acide ascorbique"},
                                                   {S::OxalicAcid, "acide oxalique"},
                                                   {S::Diiode, "diiode"},
                                                   {S::SulfurDioxide, "dioxyde de soufre"},
                                                   {S::Hypochlorite, "hypochlorite de sodium"},
                                                   {S::Nitrite, "nitrite de potassium"},
                                                   {S::HydrogenPeroxide, "peroxyde d'hydrogène"},
                                                   {S::CopperSulfate, "sulfate de cuivre II"},
                                                   {S::IronSulfate, "sulfate de fer II"},
                                                   {S::Thiosulfate, "thiosulfate de sodium"}};
    static_assert(std::size(species) == model::speciesCount);
    for (const auto& [index, text] : species)
        EXPECT_EQ(model::listText(index), text) << index;
}

// The reactions as the class writes them, in Unicode, stage by stage.
std::string equations(int species) {
    std::string text;
    for (const model::Reaction& r : model::reactions(species)) {
        if (!text.empty()) text += " ; ";
        auto term = [](const model::ReactionTerm& t) {
            return (t.coefficient == 1 ? std::string() : std::to_string(t.coefficient) + " ") +
                   std::string(model::entryUnicodeFormula(t.entry));
        };
        text += term(r.reactants[0]) + " + " + term(r.reactants[1]) + " → " + term(r.products[0]) +
                " + " + term(r.products[1]);
    }
    return text;
}

TEST(Catalogue, ReactionsOfEachTitration) {
    const char* expected[] = {
        "C₆H₈O₆ + I₂ → C₆H₆O₆ + 2 I⁻ ; I₂ + 2 S₂O₃²⁻ → 2 I⁻ + S₄O₆²⁻",
        "5 H₂C₂O₄ + 2 MnO₄⁻ → 10 CO₂ + 2 Mn²⁺",
        "I₂ + 2 S₂O₃²⁻ → 2 I⁻ + S₄O₆²⁻",
        "5 SO₂ + 2 MnO₄⁻ → 5 SO₄²⁻ + 2 Mn²⁺",
        "ClO⁻ + 2 I⁻ → I₂ + Cl⁻ ; I₂ + 2 S₂O₃²⁻ → 2 I⁻ + S₄O₆²⁻",
        "5 NO₂⁻ + 2 MnO₄⁻ → 5 NO₃⁻ + 2 Mn²⁺",
        "5 H₂O₂ + 2 MnO₄⁻ → 5 O₂ + 2 Mn²⁺",
        "2 Cu²⁺ + 4 I⁻ → 2 CuI + I₂ ; I₂ + 2 S₂O₃²⁻ → 2 I⁻ + S₄O₆²⁻",
        "5 Fe²⁺ + MnO₄⁻ → 5 Fe³⁺ + Mn²⁺",
        "I₂ + 2 S₂O₃²⁻ → 2 I⁻ + S₄O₆²⁻",
    };
    for (int s = 0; s < model::speciesCount; ++s)
        EXPECT_EQ(equations(s), expected[s]) << s;
    EXPECT_EQ(equations(-1), "");
    // The species whose amounts the introduced bars show.
    EXPECT_EQ(model::introducedEntry(9, model::IntroducedBar::Titrant), model::Entry::I2);
    EXPECT_EQ(model::introducedEntry(4, model::IntroducedBar::Reagent), model::Entry::Iodide);
    EXPECT_EQ(model::introducedEntry(1, model::IntroducedBar::Reagent), -1);
    EXPECT_EQ(model::entryUnicodeFormula(model::Entry::count), "");
}

} // namespace
