// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/catalogue.h"

#include <algorithm>
#include <array>
#include <utility>

namespace model {

namespace {

using enum IntroducedBar;
using S = ScaleAmount;
using E = Entry;

struct Facts {
    std::string_view listText;
    TitrantFamily family;
    ExcessReagent reagent;
    bool acidified;
    std::span<const GraphColumn> columns;
    std::span<const ScaleCandidate> scale;
    std::span<const Reaction> reactions;
};

constexpr std::array<GraphColumn, 6> columns0{{{E::C6H6O6, None},
                                               {E::C6H8O6, Titrated},
                                               {E::I2, Reagent},
                                               {E::Iodide, None},
                                               {E::S4O6, None},
                                               {E::S2O3, Titrant}}};
constexpr std::array<GraphColumn, 4> columns1{
    {{E::CO2, None}, {E::H2C2O4, Titrated}, {E::MnO4, Titrant}, {E::Mn2, None}}};
constexpr std::array<GraphColumn, 4> columns2{
    {{E::I2, Titrated}, {E::Iodide, None}, {E::S4O6, None}, {E::S2O3, Titrant}}};
constexpr std::array<GraphColumn, 4> columns3{
    {{E::SO4, None}, {E::SO2, Titrated}, {E::MnO4, Titrant}, {E::Mn2, None}}};
constexpr std::array<GraphColumn, 6> columns4{{{E::ClO, Titrated},
                                               {E::Cl, None},
                                               {E::I2, None},
                                               {E::Iodide, Reagent},
                                               {E::S4O6, None},
                                               {E::S2O3, Titrant}}};
constexpr std::array<GraphColumn, 4> columns5{
    {{E::NO3, None}, {E::NO2, Titrated}, {E::MnO4, Titrant}, {E::Mn2, None}}};
constexpr std::array<GraphColumn, 4> columns6{
    {{E::O2, None}, {E::H2O2, Titrated}, {E::MnO4, Titrant}, {E::Mn2, None}}};
constexpr std::array<GraphColumn, 6> columns7{{{E::Cu2, Titrated},
                                               {E::CuI, None},
                                               {E::I2, None},
                                               {E::Iodide, Reagent},
                                               {E::S4O6, None},
                                               {E::S2O3, Titrant}}};
constexpr std::array<GraphColumn, 4> columns8{
    {{E::Fe3, None}, {E::Fe2, Titrated}, {E::MnO4, Titrant}, {E::Mn2, None}}};
constexpr std::array<GraphColumn, 4> columns9{
    {{E::S4O6, None}, {E::S2O3, Titrated}, {E::I2, Titrant}, {E::Iodide, None}}};

// The scale must hold every bar a titration can show: the largest amount of a species formed
// or introduced, with a full burette poured.
// Ascorbic acid: the sample, the iodide all the diiode added could give, a full burette.
constexpr std::array<ScaleCandidate, 3> scaleAscorbic{
    {{S::Titrated, 1}, {S::Reagent, 2}, {S::FullBurette, 1}}};
// Oxalic acid and diiode: the carbon dioxide, or the iodide, from the whole sample.
constexpr std::array<ScaleCandidate, 2> scaleDoubled{{{S::Titrated, 2}, {S::FullBurette, 1}}};
// Hypochlorite and copper(II): the sample, the iodide added, a full burette.
constexpr std::array<ScaleCandidate, 3> scaleIodide{
    {{S::Titrated, 1}, {S::Reagent, 1}, {S::FullBurette, 1}}};
// Thiosulfate: the sample, the iodide from a full burette of diiode.
constexpr std::array<ScaleCandidate, 2> scaleThiosulfate{{{S::Titrated, 1}, {S::FullBurette, 2}}};
constexpr std::array<ScaleCandidate, 2> scalePlain{{{S::Titrated, 1}, {S::FullBurette, 1}}};

// The reactions, with the stoichiometric numbers the amounts follow, balanced in atoms and
// charges by the hydrogen ions and the water they need.
constexpr Reaction oxalicByPermanganate{
    {{{5, E::H2C2O4}, {2, E::MnO4}}}, {{{10, E::CO2}, {2, E::Mn2}}}, 6, -8};
constexpr Reaction sulfurDioxideByPermanganate{
    {{{5, E::SO2}, {2, E::MnO4}}}, {{{5, E::SO4}, {2, E::Mn2}}}, -4, 2};
constexpr Reaction nitriteByPermanganate{
    {{{5, E::NO2}, {2, E::MnO4}}}, {{{5, E::NO3}, {2, E::Mn2}}}, 6, -3};
constexpr Reaction peroxideByPermanganate{
    {{{5, E::H2O2}, {2, E::MnO4}}}, {{{5, E::O2}, {2, E::Mn2}}}, 6, -8};
constexpr Reaction ironByPermanganate{
    {{{5, E::Fe2}, {1, E::MnO4}}}, {{{5, E::Fe3}, {1, E::Mn2}}}, 8, -4};
constexpr Reaction diiodeAndThiosulfate{{{{1, E::I2}, {2, E::S2O3}}},
                                        {{{2, E::Iodide}, {1, E::S4O6}}}};
constexpr Reaction ascorbicByDiiode{
    {{{1, E::C6H8O6}, {1, E::I2}}}, {{{1, E::C6H6O6}, {2, E::Iodide}}}, -2, 0};
constexpr Reaction hypochloriteByIodide{
    {{{1, E::ClO}, {2, E::Iodide}}}, {{{1, E::I2}, {1, E::Cl}}}, 2, -1};
constexpr Reaction copperByIodide{{{{2, E::Cu2}, {4, E::Iodide}}}, {{{2, E::CuI}, {1, E::I2}}}};

constexpr std::array<Reaction, 2> reactions0{ascorbicByDiiode, diiodeAndThiosulfate};
constexpr std::array<Reaction, 1> reactions1{oxalicByPermanganate};
constexpr std::array<Reaction, 1> reactions2{diiodeAndThiosulfate};
constexpr std::array<Reaction, 1> reactions3{sulfurDioxideByPermanganate};
constexpr std::array<Reaction, 2> reactions4{hypochloriteByIodide, diiodeAndThiosulfate};
constexpr std::array<Reaction, 1> reactions5{nitriteByPermanganate};
constexpr std::array<Reaction, 1> reactions6{peroxideByPermanganate};
constexpr std::array<Reaction, 2> reactions7{copperByIodide, diiodeAndThiosulfate};
constexpr std::array<Reaction, 1> reactions8{ironByPermanganate};
constexpr std::array<Reaction, 1> reactions9{diiodeAndThiosulfate};

using F = TitrantFamily;
using X = ExcessReagent;

const std::array<Facts, speciesCount> table{{
    {"acide ascorbique", F::Thiosulfate, X::Diiode, false, columns0, scaleAscorbic, reactions0},
    {"acide oxalique", F::Permanganate, X::None, true, columns1, scaleDoubled, reactions1},
    {"diiode", F::Thiosulfate, X::None, false, columns2, scaleDoubled, reactions2},
    {"dioxyde de soufre", F::Permanganate, X::None, false, columns3, scalePlain, reactions3},
    {"hypochlorite de sodium", F::Thiosulfate, X::Iodide, false, columns4, scaleIodide, reactions4},
    {"nitrite de potassium", F::Permanganate, X::None, true, columns5, scalePlain, reactions5},
    {"peroxyde d'hydrogène", F::Permanganate, X::None, true, columns6, scalePlain, reactions6},
    {"sulfate de cuivre II", F::Thiosulfate, X::Iodide, false, columns7, scaleIodide, reactions7},
    {"sulfate de fer II", F::Permanganate, X::None, true, columns8, scalePlain, reactions8},
    {"thiosulfate de sodium", F::Diiode, X::None, false, columns9, scaleThiosulfate, reactions9},
}};

constexpr std::array<std::string_view, Entry::count> formulas{
    "C6H6O6", "C6H8O6", "I2",     "I-",  "S4O6 2-", "S2O3 2-", "CO2",  "H2C2O4",
    "MnO4-",  "Mn2+",   "SO4 2-", "SO2", "ClO-",    "Cl-",     "NO3-", "NO2-",
    "O2",     "H2O2",   "Cu2+",   "CuI", "Fe3+",    "Fe2+"};

constexpr std::array<std::string_view, Entry::count> unicodeFormulas{
    "C₆H₆O₆", "C₆H₈O₆", "I₂",    "I⁻",  "S₄O₆²⁻", "S₂O₃²⁻", "CO₂",  "H₂C₂O₄",
    "MnO₄⁻",  "Mn²⁺",   "SO₄²⁻", "SO₂", "ClO⁻",   "Cl⁻",    "NO₃⁻", "NO₂⁻",
    "O₂",     "H₂O₂",   "Cu²⁺",  "CuI", "Fe³⁺",   "Fe²⁺"};

} // namespace

bool isSpecies(int species) {
    return species >= 0 && species < speciesCount;
}

std::string_view listText(int species) {
    return isSpecies(species) ? table[species].listText : std::string_view{};
}

TitrantFamily titrantFamily(int species) {
    return isSpecies(species) ? table[species].family : TitrantFamily::None;
}

bool isIndirect(int species) {
    return excessReagent(species) != ExcessReagent::None;
}

ExcessReagent excessReagent(int species) {
    return isSpecies(species) ? table[species].reagent : ExcessReagent::None;
}

ReagentVolumeInput reagentVolumeInput(int species) {
    switch (excessReagent(species)) {
    case ExcessReagent::Diiode:
        return ReagentVolumeInput::IodineVolume; // a pipette of diiode solution
    case ExcessReagent::Iodide:
        return ReagentVolumeInput::IodideVolume; // a cylinder of potassium iodide solution
    case ExcessReagent::None:
        break;
    }
    return ReagentVolumeInput::None;
}

std::string_view titrantName(int species) {
    switch (titrantFamily(species)) {
    case TitrantFamily::Permanganate:
        return "permanganate de potassium";
    case TitrantFamily::Thiosulfate:
        return "thiosulfate de sodium";
    case TitrantFamily::Diiode:
        return "diiode";
    case TitrantFamily::None:
        break;
    }
    return {};
}

std::string_view reagentName(int species) {
    switch (excessReagent(species)) {
    case ExcessReagent::Diiode:
        return "diiode";
    case ExcessReagent::Iodide:
        return "d'iodure de potassium";
    case ExcessReagent::None:
        break;
    }
    return {};
}

bool acidifiedTitrant(int species) {
    return isSpecies(species) && table[species].acidified;
}

std::span<const std::string_view> titrantNote(int species) {
    static constexpr std::string_view acidified[] = {"Cette solution est acidifiée avec",
                                                     "de l'acide sulfurique."};
    if (!acidifiedTitrant(species)) return {};
    return acidified;
}

bool involvesDiiode(int species) {
    const auto columns = graphColumns(species);
    return std::any_of(columns.begin(), columns.end(),
                       [](const GraphColumn& c) { return c.presentEntry == Entry::I2; });
}

std::span<const GraphColumn> graphColumns(int species) {
    return isSpecies(species) ? table[species].columns : std::span<const GraphColumn>{};
}

std::span<const ScaleCandidate> scaleCandidates(int species) {
    return isSpecies(species) ? table[species].scale : std::span<const ScaleCandidate>{};
}

int introducedEntry(int species, IntroducedBar bar) {
    if (bar == IntroducedBar::None) return -1;
    for (const GraphColumn& column : graphColumns(species))
        if (column.introduced == bar) return column.presentEntry;
    return -1;
}

std::span<const Reaction> reactions(int species) {
    return isSpecies(species) ? table[species].reactions : std::span<const Reaction>{};
}

WrittenEquation writtenEquation(const Reaction& reaction) {
    WrittenEquation out;
    const auto tracked = [](const ReactionTerm& t) {
        return WrittenTerm{t.coefficient, TermKind::Tracked, t.entry, unicodeFormulas[t.entry]};
    };
    for (const ReactionTerm& t : reaction.reactants)
        out.reactants.push_back(tracked(t));
    for (const ReactionTerm& t : reaction.products)
        out.products.push_back(tracked(t));
    // Hydrogen ions before water, on the side where each stands.
    const std::pair<int, WrittenTerm> untracked[] = {
        {reaction.hydrogenIons, {0, TermKind::HydrogenIon, -1, "H⁺"}},
        {reaction.water, {0, TermKind::Water, -1, "H₂O"}}};
    for (auto [number, term] : untracked) {
        if (number == 0) continue;
        term.coefficient = number > 0 ? number : -number;
        (number > 0 ? out.reactants : out.products).push_back(term);
    }
    return out;
}

std::string equationText(const Reaction& reaction) {
    const WrittenEquation equation = writtenEquation(reaction);
    const auto side = [](const std::vector<WrittenTerm>& terms) {
        std::string text;
        for (const WrittenTerm& t : terms) {
            if (!text.empty()) text += " + ";
            if (t.coefficient != 1) text += std::to_string(t.coefficient) + " ";
            text += t.formula;
        }
        return text;
    };
    return side(equation.reactants) + " → " + side(equation.products);
}

std::string_view entryFormula(int entry) {
    return entry >= 0 && entry < Entry::count ? formulas[entry] : std::string_view{};
}

std::string_view entryUnicodeFormula(int entry) {
    return entry >= 0 && entry < Entry::count ? unicodeFormulas[entry] : std::string_view{};
}

} // namespace model
