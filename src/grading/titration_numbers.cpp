// SPDX-License-Identifier: GPL-3.0-or-later
#include "grading/titration_numbers.h"

#include "model/catalogue.h"

#include <numeric>

namespace grading {
namespace {

// The number of the entry among the reactants (or products) of a reaction; 0 when absent.
int coefficientOf(const model::Reaction& reaction, int entry, bool product) {
    for (const model::ReactionTerm& term : product ? reaction.products : reaction.reactants)
        if (term.entry == entry) return term.coefficient;
    return 0;
}

int titrantEntry(model::TitrantFamily family) {
    switch (family) {
    case model::TitrantFamily::Permanganate:
        return model::Entry::MnO4;
    case model::TitrantFamily::Thiosulfate:
        return model::Entry::S2O3;
    case model::TitrantFamily::Diiode:
        return model::Entry::I2;
    case model::TitrantFamily::None:
        break;
    }
    return -1;
}

StoichiometricNumbers reduced(int a, int b) {
    const int common = std::gcd(a, b);
    return {a / common, b / common};
}

} // namespace

std::optional<StoichiometricNumbers> titrationNumbers(int species) {
    if (!model::isSpecies(species) || model::excessReagent(species) == model::ExcessReagent::Diiode)
        return std::nullopt;
    const auto reactions = model::reactions(species);
    const int titrated = model::introducedEntry(species, model::IntroducedBar::Titrated);
    const int titrant = titrantEntry(model::titrantFamily(species));
    const model::Reaction& last = reactions.back();
    const int b = coefficientOf(last, titrant, false);
    if (reactions.size() == 1) {
        const int a = coefficientOf(last, titrated, false);
        if (a == 0 || b == 0) return std::nullopt;
        return reduced(a, b);
    }
    // α sample gives γ I2 (first reaction), δ I2 take β titrant (second): the sample's amount
    // is (α/γ)(δ/β) times the titrant's.
    const model::Reaction& first = reactions.front();
    const int alpha = coefficientOf(first, titrated, false);
    const int gamma = coefficientOf(first, model::Entry::I2, true);
    const int delta = coefficientOf(last, model::Entry::I2, false);
    if (alpha == 0 || gamma == 0 || delta == 0 || b == 0) return std::nullopt;
    return reduced(alpha * delta, gamma * b);
}

} // namespace grading
