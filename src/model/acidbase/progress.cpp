// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/acidbase/progress.h"

#include <algorithm>
#include <cmath>

namespace model::acidbase {

namespace {

SampleAffine operator+(SampleAffine a, SampleAffine b) {
    return {a.constant + b.constant, a.perSample + b.perSample};
}

SampleAffine operator*(double k, SampleAffine a) {
    return {k * a.constant, k * a.perSample};
}

// What is left of a reactant below this share of the larger of n0 and the titrant poured is
// what rounding leaves of a difference: used up.
constexpr double negligible = 1e-9;

std::array<Term, 4> terms(const Reaction& r) {
    return {r.reactants[0], r.reactants[1], r.products[0], r.products[1]};
}

// The reaction takes the beaker's content as it is and goes as far as its reactants allow.
ReactionState react(const Reaction& reaction, std::array<SampleAffine, particleCount>& beaker,
                    double n0, double scale) {
    ReactionState s;
    s.reaction = reaction;
    const std::array<Term, 4> t = terms(reaction);
    for (std::size_t i = 0; i < t.size(); ++i)
        if (!isSolvent(t[i])) s.initial[i] = beaker[t[i].particle];

    const auto perNumber = [&](int k) { return s.initial[k].at(n0) / t[k].coefficient; };
    const int first = perNumber(0) <= perNumber(1) ? 0 : 1;
    s.progress = (1.0 / t[first].coefficient) * s.initial[first];
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (isSolvent(t[i])) continue;
        const double sign = i < 2 ? -1 : 1;
        s.reached[i] = s.initial[i] + (sign * t[i].coefficient) * s.progress;
    }
    for (int k = 0; k < 2; ++k) {
        if (k == first || std::fabs(s.reached[k].at(n0)) <= negligible * scale) {
            s.limiting[k] = true;
            s.reached[k] = {};
        }
    }
    for (std::size_t i = 0; i < t.size(); ++i)
        if (!isSolvent(t[i])) beaker[t[i].particle] = s.reached[i];
    return s;
}

} // namespace

bool isSolvent(const Term& term) {
    return term.coefficient == 0 || term.particle == Particle::H2O;
}

ProgressState progressState(const Preparation& preparation, double pouredVolume) {
    ProgressState state;
    const int t = preparation.titration;
    if (!isTitration(t)) return state;
    state.sampleAmount = preparation.sampleConcentration * preparation.sampleVolume;
    const double poured = preparation.titrantConcentration * std::max(0.0, pouredVolume);

    std::array<SampleAffine, particleCount> beaker{};
    for (const Share& share : sampleShares(t))
        beaker[share.particle] = beaker[share.particle] + SampleAffine{0, double(share.count)};
    for (const Share& share : titrantShares(titrant(t)))
        beaker[share.particle] = beaker[share.particle] + SampleAffine{poured * share.count, 0};

    const double scale = std::max(state.sampleAmount, poured);
    for (const Reaction& reaction : reactions(t))
        state.reactions.push_back(react(reaction, beaker, state.sampleAmount, scale));
    return state;
}

} // namespace model::acidbase
