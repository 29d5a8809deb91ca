// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress table (tableau d'avancement) of an acid-base titration at the volume poured,
// as the class writes it: every reaction of the catalogue is total, and they happen one after
// the other (the second acidity of phosphoric acid reacts once the first is used up), so the
// titrant poured so far goes to the first reaction, and what it leaves to the next one.
//
// Every amount is kept with the sample's amount n0 = c·V0 as an unknown (constant +
// perSample × n0, the redox table's own form), so that the table can be written without giving
// n0 away while the concentration is hidden; which reactant runs out first is decided with
// the real n0. Water, the solvent, is not counted. Amounts are millimoles.

#include "model/acidbase/mixture.h"
#include "model/progress.h"

#include <array>
#include <vector>

namespace model::acidbase {

struct ReactionState {
    Reaction reaction;
    std::array<SampleAffine, 4> initial; // reactants then products, as in Reaction
    std::array<SampleAffine, 4> reached; // once the titrant poured has reacted
    SampleAffine progress;               // x
    std::array<bool, 2> limiting{};      // the reactants used up (both at the equivalence)
};

struct ProgressState {
    double sampleAmount = 0;              // n0, millimoles
    std::vector<ReactionState> reactions; // in the catalogue's order; empty for no titration
};

// A term that is water: its amounts are not counted ("excès" in the table).
bool isSolvent(const Term& term);

ProgressState progressState(const Preparation& preparation, double pouredVolume);

} // namespace model::acidbase
