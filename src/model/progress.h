// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress table (tableau d'avancement) of a titration at the volume poured: each
// reaction of the catalogue from its initial state to the state it has reached, with its
// progress x and its limiting reagent. For an indirect titration the reaction of the sample
// with the reagent added in excess comes first and is complete before any titrant arrives;
// the titration then starts from what it left.
//
// Every amount is worked out with the sample's amount n0 kept as an unknown (an amount is
// constant + perSample x n0), so that the table can be shown without giving n0 away while
// the concentration is hidden; the side of each reaction (which reagent runs out) is decided
// with the real n0. The final amounts are those of computeAmounts.

#include "model/amounts.h"
#include "model/catalogue.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace model {

// An amount in millimoles: constant + perSample x n0.
struct SampleAffine {
    double constant = 0;
    double perSample = 0;

    double at(double nS) const { return constant + perSample * nS; }
    bool dependsOnSample() const { return perSample != 0; }
};

// One reaction: its terms in the order reactants then products, as in Reaction.
struct ReactionProgress {
    Reaction reaction;
    bool titration = false;              // the reaction of the titrant, always the last one
    std::array<SampleAffine, 4> initial; // before the reaction
    std::array<SampleAffine, 4> reached; // once it has gone as far as it can
    SampleAffine progress;               // x, in millimoles
    std::array<bool, 2> limiting{};      // the reactants used up (both at the equivalence)
};

struct ProgressTable {
    double sampleAmount = 0;                 // n0 = c0 V0, millimoles
    std::vector<ReactionProgress> reactions; // empty for no species
    // What the flask holds once every reaction has gone as far as it can, entry by entry:
    // the amounts of computeAmounts, with n0 kept as an unknown.
    std::array<SampleAffine, Entry::count> present{};
};

// The reaction's terms in the table's order.
std::array<ReactionTerm, 4> reactionTerms(const Reaction& reaction);

ProgressTable progressTable(int species, const BenchInputs& in);

// The entries whose amount present follows from n0 before the equivalence (n0 or what the
// reaction before an indirect titration made of it), worked out before any titrant is
// poured: while the concentration is hidden, a view of the titration that shows them would
// give n0 away before the colour changes.
std::array<bool, Entry::count> followsFromSample(int species, const BenchInputs& in);

// k n0 as the class writes it, k > 0: "n₀", "2n₀", "n₀/2", "2n₀/5": the number before
// "n₀" and the fraction after it (empty when there is none). A k that is no fraction of
// small numbers is written in full before "n₀".
struct SampleMultiple {
    std::string before;
    std::string after;
};
SampleMultiple sampleMultiple(double k);

// The volume of titrant (mL) that reaches the titration's equivalence with these inputs: the
// titrated reactant of the last reaction used up, as the reaction's stoichiometric numbers
// say. 0 when nothing is left to titrate (an insufficient reagent for ascorbic acid); none
// for no species or a titrant of no concentration.
std::optional<double> equivalenceVolume(int species, const BenchInputs& in);

} // namespace model
