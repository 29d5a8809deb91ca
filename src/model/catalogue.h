// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The catalogue of the ten species to titrate: texts, titrants, reactions and graph columns.
// Every lookup is total: an index outside 0..9 means "no species".

#include <span>
#include <string_view>

namespace model {

inline constexpr int speciesCount = 10;

enum class TitrantFamily { None, Permanganate, Thiosulfate, Diiode };
enum class ExcessReagent { None, Diiode, Iodide };
// Which bench input gives the volume of the excess reagent.
enum class ReagentVolumeInput { None, IodineVolume, IodideVolume };
// What the introduced bar of a graph column shows.
enum class IntroducedBar { None, Titrated, Titrant, Reagent };

// Label keys of the graph columns, one per tracked species (the graph maps each key to its
// typeset label): "C6H6O6", "C6H8O6", "H2C2O4", "I2", "I-", "S4O6 2-", "S2O3 2-", "CO2",
// "MnO4-", "Mn2+", "SO2", "SO4 2-", "ClO-", "Cl-", "NO2-", "NO3-", "H2O2", "O2", "Cu2+",
// "CuI", "Fe2+", "Fe3+". A charge follows the formula, after a space when it has a number.
struct GraphColumn {
    std::string_view formula; // label key, see above
    IntroducedBar introduced;
    int presentEntry; // entry of PresentAmounts shown by the present bar
};

struct Reaction {
    std::string_view name; // "R1" .. "R9"
    std::string_view equation; // tracked species only, UTF-8 ("I2 + 2 S2O3²⁻ → 2 I⁻ + S4O6²⁻")
};

bool isSpecies(int species);
std::string_view listText(int species); // "" for no species
TitrantFamily titrantFamily(int species);
std::string_view titrantFormula(int species); // "MnO4-", "S2O3 2-", "I2" (label keys); ""
bool isIndirect(int species);
ExcessReagent excessReagent(int species);
ReagentVolumeInput reagentVolumeInput(int species);
std::span<const GraphColumn> graphColumns(int species); // empty for no species
std::span<const Reaction> reactions(int species);       // first stage first; empty for none

} // namespace model
