// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The catalogue of the ten species to titrate: the one place that says, species by species,
// the text of the list, the titrant, whether the titration is direct or indirect, the reagent
// added in excess and which bench input gives its volume, the columns of the quantities graph
// and the candidates of its scale. Every lookup is total: an index outside 0..9 means
// "no species".

#include <span>
#include <string_view>

namespace model {

// The species to titrate, by their position in the list ions1.
struct Species {
    enum : int {
        AscorbicAcid,
        OxalicAcid,
        Diiode,
        SulfurDioxide,
        Hypochlorite,
        Nitrite,
        HydrogenPeroxide,
        CopperSulfate,
        IronSulfate,
        Thiosulfate,
        count
    };
};
inline constexpr int speciesCount = Species::count;

// The entries of presentAmounts, one per tracked species (several titrations share some).
struct Entry {
    enum : int {
        C6H6O6, // dehydroascorbic acid
        C6H8O6, // ascorbic acid
        I2,
        Iodide,
        S4O6,
        S2O3,
        CO2,
        H2C2O4,
        MnO4,
        Mn2,
        SO4,
        SO2,
        ClO,
        Cl,
        NO3,
        NO2,
        O2,
        H2O2,
        Cu2,
        CuI,
        Fe3,
        Fe2,
        count
    };
};

enum class TitrantFamily { None, Permanganate, Thiosulfate, Diiode };
enum class ExcessReagent { None, Diiode, Iodide };
// Which bench input gives the volume of the excess reagent.
enum class ReagentVolumeInput { None, IodineVolume, IodideVolume };
// What the introduced bar of a graph column shows.
enum class IntroducedBar { None, Titrated, Titrant, Reagent };

struct GraphColumn {
    int presentEntry;         // Entry shown by the present bar (its formula labels the column)
    IntroducedBar introduced; // amount shown by the introduced bar
};

// A candidate of the graph's scale maximum: factor times the amount of the titrated species
// introduced, of the reagent introduced, or of a full burette of titrant.
enum class ScaleAmount { Titrated, Reagent, FullBurette };
struct ScaleCandidate {
    ScaleAmount amount;
    double factor;
};

bool isSpecies(int species);
std::string_view listText(int species); // the ions1 item; "" for no species
TitrantFamily titrantFamily(int species);
bool isIndirect(int species);
ExcessReagent excessReagent(int species);
ReagentVolumeInput reagentVolumeInput(int species);
// The reagent added in excess as the bench names it after "de ": "diiode",
// "d'iodure de potassium"; "" for a direct titration.
std::string_view reagentName(int species);
// Whether the bench says that the titrant is acidified with sulfuric acid.
bool acidifiedTitrant(int species);
// Whether diiode takes part in the titration (the starch indicator then has a use).
bool involvesDiiode(int species);
std::span<const GraphColumn> graphColumns(int species);       // empty for no species
std::span<const ScaleCandidate> scaleCandidates(int species); // empty for no species

// The label key of an entry's formula (the graph maps each key to its typeset label):
// "C6H6O6", "C6H8O6", "I2", "I-", "S4O6 2-", "S2O3 2-", "CO2", "H2C2O4", "MnO4-", "Mn2+",
// "SO4 2-", "SO2", "ClO-", "Cl-", "NO3-", "NO2-", "O2", "H2O2", "Cu2+", "CuI", "Fe3+",
// "Fe2+". A charge follows the formula, after a space when it has a number. "" for no entry.
std::string_view entryFormula(int entry);

} // namespace model
