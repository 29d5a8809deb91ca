// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The catalogue of the ten species to titrate: the one place that says, species by species,
// the text of the list, the titrant, whether the titration is direct or indirect, the reagent
// added in excess and which bench input gives its volume, the reactions, the columns of the
// quantities graph and the candidates of its scale. Every lookup is total: an index outside 0..9
// means "no species".

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// A term of a reaction: its stoichiometric number and the entry of its species.
struct ReactionTerm {
    int coefficient;
    int entry;
};
// A reaction as the class writes it: two tracked reactants, two tracked products, and the
// hydrogen ions and water that balance it, which are not tracked (the solution is acidified,
// so the ions are in excess; water is the solvent). Their numbers are counted on the
// reactants' side: negative, they stand on the products' side.
struct Reaction {
    std::array<ReactionTerm, 2> reactants;
    std::array<ReactionTerm, 2> products;
    int hydrogenIons = 0;
    int water = 0;
};

// What a term of a written equation is: a tracked species, hydrogen ions, or water.
enum class TermKind { Tracked, HydrogenIon, Water };
// A term of an equation as it is written: its number, what it is, its entry (tracked species
// only, else -1) and its formula in Unicode ("MnO₄⁻", "H⁺", "H₂O").
struct WrittenTerm {
    int coefficient;
    TermKind kind;
    int entry;
    std::string_view formula;
};
struct WrittenEquation {
    std::vector<WrittenTerm> reactants; // the tracked ones first, then H⁺ or H₂O
    std::vector<WrittenTerm> products;
};
WrittenEquation writtenEquation(const Reaction& reaction);
// The equation in Unicode: "5 H₂O₂ + 2 MnO₄⁻ + 6 H⁺ → 5 O₂ + 2 Mn²⁺ + 8 H₂O" (a number of 1
// left out).
std::string equationText(const Reaction& reaction);

bool isSpecies(int species);
std::string_view listText(int species); // the ions1 item; "" for no species
TitrantFamily titrantFamily(int species);
bool isIndirect(int species);
ExcessReagent excessReagent(int species);
ReagentVolumeInput reagentVolumeInput(int species);
// The reagent added in excess as the bench names it after "de ": "diiode",
// "d'iodure de potassium"; "" for a direct titration.
std::string_view reagentName(int species);
// The titrant's name: "permanganate de potassium", "thiosulfate de sodium", "diiode"; ""
// for no species.
std::string_view titrantName(int species);
// Whether the bench says that the titrant is acidified with sulfuric acid.
bool acidifiedTitrant(int species);
// What the bench writes in bold under the titrant's description, line by line: "Cette
// solution est acidifiée avec", "de l'acide sulfurique." for an acidified titrant; nothing
// otherwise.
std::span<const std::string_view> titrantNote(int species);
// Whether diiode takes part in the titration (the starch indicator then has a use).
bool involvesDiiode(int species);
std::span<const GraphColumn> graphColumns(int species);       // empty for no species
std::span<const ScaleCandidate> scaleCandidates(int species); // empty for no species
// The entry of the column whose introduced bar shows the given amount: the titrated species,
// the titrant or the reagent added in excess; -1 when the species has no such column.
int introducedEntry(int species, IntroducedBar bar);
// The reactions of the titration in the order they happen: for an indirect titration the
// reaction of the sample with the reagent added in excess, complete before any titrant
// arrives, then the titration of the diiode; a direct titration has one. Empty for no species.
std::span<const Reaction> reactions(int species);

// The label key of an entry's formula (the graph maps each key to its typeset label):
// "C6H6O6", "C6H8O6", "I2", "I-", "S4O6 2-", "S2O3 2-", "CO2", "H2C2O4", "MnO4-", "Mn2+",
// "SO4 2-", "SO2", "ClO-", "Cl-", "NO3-", "NO2-", "O2", "H2O2", "Cu2+", "CuI", "Fe3+",
// "Fe2+". A charge follows the formula, after a space when it has a number. "" for no entry.
std::string_view entryFormula(int entry);
// The same formula in Unicode, with subscript and superscript characters: "MnO₄⁻",
// "S₂O₃²⁻", "Mn²⁺" (UTF-8). "" for no entry.
std::string_view entryUnicodeFormula(int entry);

} // namespace model
