// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/catalogue.h"

#include <array>

namespace model {

namespace {

using enum IntroducedBar;

struct Species {
    std::string_view listText;
    TitrantFamily family;
    ExcessReagent reagent;
    std::span<const GraphColumn> columns;
    std::span<const Reaction> reactions;
};

constexpr Reaction r1{"R1", "5 H2C2O4 + 2 MnO4⁻ → 10 CO2 + 2 Mn²⁺"};
constexpr Reaction r2{"R2", "5 SO2 + 2 MnO4⁻ → 5 SO4²⁻ + 2 Mn²⁺"};
constexpr Reaction r3{"R3", "5 NO2⁻ + 2 MnO4⁻ → 5 NO3⁻ + 2 Mn²⁺"};
constexpr Reaction r4{"R4", "5 H2O2 + 2 MnO4⁻ → 5 O2 + 2 Mn²⁺"};
constexpr Reaction r5{"R5", "5 Fe²⁺ + MnO4⁻ → 5 Fe³⁺ + Mn²⁺"};
constexpr Reaction r6{"R6", "I2 + 2 S2O3²⁻ → 2 I⁻ + S4O6²⁻"};
constexpr Reaction r7{"R7", "C6H8O6 + I2 → C6H6O6 + 2 I⁻"};
constexpr Reaction r8{"R8", "ClO⁻ + 2 I⁻ → I2 + Cl⁻"};
constexpr Reaction r9{"R9", "2 Cu²⁺ + 4 I⁻ → 2 CuI + I2"};

// The first stage of an indirect titration comes first.
constexpr std::array reactions0{r7, r6};
constexpr std::array reactions1{r1};
constexpr std::array reactions2{r6};
constexpr std::array reactions3{r2};
constexpr std::array reactions4{r8, r6};
constexpr std::array reactions5{r3};
constexpr std::array reactions6{r4};
constexpr std::array reactions7{r9, r6};
constexpr std::array reactions8{r5};
constexpr std::array reactions9{r6};

constexpr std::array<GraphColumn, 6> columns0{{{"C6H6O6", None, 0},
                                               {"C6H8O6", Titrated, 1},
                                               {"I2", Reagent, 2},
                                               {"I-", None, 3},
                                               {"S4O6 2-", None, 4},
                                               {"S2O3 2-", Titrant, 5}}};
constexpr std::array<GraphColumn, 4> columns1{
    {{"CO2", None, 6}, {"H2C2O4", Titrated, 7}, {"MnO4-", Titrant, 8}, {"Mn2+", None, 9}}};
constexpr std::array<GraphColumn, 4> columns2{
    {{"I2", Titrated, 2}, {"I-", None, 3}, {"S4O6 2-", None, 4}, {"S2O3 2-", Titrant, 5}}};
constexpr std::array<GraphColumn, 4> columns3{
    {{"SO4 2-", None, 10}, {"SO2", Titrated, 11}, {"MnO4-", Titrant, 8}, {"Mn2+", None, 9}}};
constexpr std::array<GraphColumn, 6> columns4{{{"ClO-", Titrated, 12},
                                               {"Cl-", None, 13},
                                               {"I2", None, 2},
                                               {"I-", Reagent, 3},
                                               {"S4O6 2-", None, 4},
                                               {"S2O3 2-", Titrant, 5}}};
constexpr std::array<GraphColumn, 4> columns5{
    {{"NO3-", None, 14}, {"NO2-", Titrated, 15}, {"MnO4-", Titrant, 8}, {"Mn2+", None, 9}}};
constexpr std::array<GraphColumn, 4> columns6{
    {{"O2", None, 16}, {"H2O2", Titrated, 17}, {"MnO4-", Titrant, 8}, {"Mn2+", None, 9}}};
constexpr std::array<GraphColumn, 6> columns7{{{"Cu2+", Titrated, 18},
                                               {"CuI", None, 19},
                                               {"I2", None, 2},
                                               {"I-", Reagent, 3},
                                               {"S4O6 2-", None, 4},
                                               {"S2O3 2-", Titrant, 5}}};
constexpr std::array<GraphColumn, 4> columns8{
    {{"Fe3+", None, 20}, {"Fe2+", Titrated, 21}, {"MnO4-", Titrant, 8}, {"Mn2+", None, 9}}};
constexpr std::array<GraphColumn, 4> columns9{
    {{"S4O6 2-", None, 4}, {"S2O3 2-", Titrated, 5}, {"I2", Titrant, 2}, {"I-", None, 3}}};

using F = TitrantFamily;
using X = ExcessReagent;

const std::array<Species, speciesCount> table{{
    {"acide ascorbique", F::Thiosulfate, X::Diiode, columns0, reactions0},
    {"acide oxalique", F::Permanganate, X::None, columns1, reactions1},
    {"diiode", F::Thiosulfate, X::None, columns2, reactions2},
    {"dioxyde de soufre", F::Permanganate, X::None, columns3, reactions3},
    {"hypochlorite de sodium", F::Thiosulfate, X::Iodide, columns4, reactions4},
    {"nitrite de potassium", F::Permanganate, X::None, columns5, reactions5},
    {"peroxyde d'hydrogène", F::Permanganate, X::None, columns6, reactions6},
    {"sulfate de cuivre II", F::Thiosulfate, X::Iodide, columns7, reactions7},
    {"sulfate de fer II", F::Permanganate, X::None, columns8, reactions8},
    {"thiosulfate de sodium", F::Diiode, X::None, columns9, reactions9},
}};

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

std::string_view titrantFormula(int species) {
    switch (titrantFamily(species)) {
    case TitrantFamily::Permanganate:
        return "MnO4-";
    case TitrantFamily::Thiosulfate:
        return "S2O3 2-";
    case TitrantFamily::Diiode:
        return "I2";
    case TitrantFamily::None:
        break;
    }
    return {};
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
        return ReagentVolumeInput::IodineVolume;
    case ExcessReagent::Iodide:
        return ReagentVolumeInput::IodideVolume;
    case ExcessReagent::None:
        break;
    }
    return ReagentVolumeInput::None;
}

std::span<const GraphColumn> graphColumns(int species) {
    return isSpecies(species) ? table[species].columns : std::span<const GraphColumn>{};
}

std::span<const Reaction> reactions(int species) {
    return isSpecies(species) ? table[species].reactions : std::span<const Reaction>{};
}

} // namespace model
