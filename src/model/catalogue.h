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

struct GraphColumn {
    std::string_view formula; // label key, e.g. "MnO4-", "S2O3 2-" (see catalogue.cpp)
    IntroducedBar introduced;
    int presentEntry;         // entry of PresentAmounts shown by the present bar
};

struct Reaction {
    std::string_view name;     // "R1" .. "R9"
    std::string_view equation; // tracked species only
};

bool isSpecies(int species);
std::string_view listText(int species);        // "" for no species
TitrantFamily titrantFamily(int species);
std::string_view titrantFormula(int species);  // "MnO4-", "S2O3 2-", "I2"; "" for none
bool isIndirect(int species);
ExcessReagent excessReagent(int species);
ReagentVolumeInput reagentVolumeInput(int species);
std::span<const GraphColumn> graphColumns(int species); // empty for no species
std::span<const Reaction> reactions(int species);       // empty for no species

} // namespace model
