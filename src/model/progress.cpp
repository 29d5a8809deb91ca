// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/progress.h"

#include "numbers/formats.h"

#include <algorithm>
#include <cmath>

namespace model {

namespace {

SampleAffine operator+(SampleAffine a, SampleAffine b) {
    return {a.constant + b.constant, a.perSample + b.perSample};
}

SampleAffine operator*(double k, SampleAffine a) {
    return {k * a.constant, k * a.perSample};
}

// What the flask holds before a reaction, by entry.
using Flask = std::array<SampleAffine, Entry::count>;

// The reaction goes as far as its reactants allow: the one that runs out first (the smaller
// amount per stoichiometric number, with the real n0) sets the progress. A reactant left with
// less than `negligible` is used up too: that is the equivalence.
ReactionProgress react(const Reaction& reaction, Flask& flask, double nS, double negligible) {
    ReactionProgress p;
    p.reaction = reaction;
    const std::array<ReactionTerm, 4> terms = reactionTerms(reaction);
    for (std::size_t i = 0; i < terms.size(); ++i)
        p.initial[i] = flask[terms[i].entry];

    const auto perNumber = [&](int k) { return p.initial[k].at(nS) / terms[k].coefficient; };
    const int first = perNumber(0) <= perNumber(1) ? 0 : 1;
    p.progress = (1.0 / terms[first].coefficient) * p.initial[first];
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const double sign = i < 2 ? -1 : 1;
        p.reached[i] = p.initial[i] + (sign * terms[i].coefficient) * p.progress;
    }
    for (int k = 0; k < 2; ++k) {
        if (k == first || std::fabs(p.reached[k].at(nS)) <= negligible) {
            p.limiting[k] = true;
            p.reached[k] = {};
        }
    }
    for (std::size_t i = 0; i < terms.size(); ++i)
        flask[terms[i].entry] = p.reached[i];
    return p;
}

} // namespace

std::array<ReactionTerm, 4> reactionTerms(const Reaction& reaction) {
    return {reaction.reactants[0], reaction.reactants[1], reaction.products[0],
            reaction.products[1]};
}

ProgressTable progressTable(int species, const BenchInputs& in) {
    ProgressTable table;
    const auto list = reactions(species);
    if (list.empty()) return table;
    const Introduced n = introducedAmounts(species, in);
    table.sampleAmount = n.nS;

    Flask flask{};
    flask[introducedEntry(species, IntroducedBar::Titrated)] = {0, 1};
    flask[introducedEntry(species, IntroducedBar::Titrant)] = {n.nT, 0};
    if (n.hasReagent) flask[introducedEntry(species, IntroducedBar::Reagent)] = {n.nX, 0};

    // What computeAmounts counts as nothing left.
    const double negligible = negligibleFraction * std::max(n.nS, n.nT);
    for (std::size_t r = 0; r < list.size(); ++r) {
        table.reactions.push_back(react(list[r], flask, n.nS, negligible));
        table.reactions.back().titration = r + 1 == list.size();
    }
    table.present = flask;
    return table;
}

std::array<bool, Entry::count> followsFromSample(int species, const BenchInputs& in) {
    BenchInputs before = in;
    before.pouredVolume = 0;
    const ProgressTable table = progressTable(species, before);
    std::array<bool, Entry::count> follows{};
    for (int e = 0; e < Entry::count; ++e)
        follows[e] = table.present[e].dependsOnSample();
    return follows;
}

SampleMultiple sampleMultiple(double k) {
    for (int q = 1; q <= 10; ++q) {
        const double p = std::round(k * q);
        if (p >= 1 && std::fabs(p - k * q) < 1e-9 * q * std::max(1.0, k))
            return {p == 1 ? std::string() : numbers::formatGeneral(p),
                    q == 1 ? std::string() : "/" + std::to_string(q)};
    }
    return {numbers::formatGeneral(k) + "\u2009", {}};
}

std::optional<double> equivalenceVolume(int species, const BenchInputs& in) {
    if (!isSpecies(species) || !(in.titrantConcentration > 0)) return std::nullopt;
    BenchInputs before = in;
    before.pouredVolume = 0;
    const ProgressTable table = progressTable(species, before);
    const ReactionProgress& titration = table.reactions.back();
    const int titrant = introducedEntry(species, IntroducedBar::Titrant);
    const auto& reactants = titration.reaction.reactants;
    const int k = reactants[0].entry == titrant ? 1 : 0;
    const double titrated = std::max(0.0, titration.initial[k].at(table.sampleAmount));
    return titrated / reactants[k].coefficient * reactants[1 - k].coefficient /
           in.titrantConcentration;
}

} // namespace model
