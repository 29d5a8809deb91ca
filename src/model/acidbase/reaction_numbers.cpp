// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/acidbase/reaction_numbers.h"

#include "model/acidbase/catalogue.h"

#include <numeric>

namespace model::acidbase {

std::optional<StoichiometricNumbers> firstReactionNumbers(int titration) {
    const auto steps = reactions(titration);
    if (steps.empty()) return std::nullopt;
    const int ion = titrantIon(titrant(titration));
    int a = 0;
    int b = 0;
    for (const Term& term : steps.front().reactants)
        (term.particle == ion ? b : a) = term.coefficient;
    if (a == 0 || b == 0) return std::nullopt;
    const int common = std::gcd(a, b);
    return StoichiometricNumbers{a / common, b / common};
}

} // namespace model::acidbase
