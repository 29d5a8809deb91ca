// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stoichiometric numbers of an acid-base titration for the relation of its equivalence.

#include "model/stoichiometric_numbers.h"

#include <optional>

namespace model::acidbase {

// a and b for a titration of the catalogue (its position there), from its first reaction: the
// one the first equivalence ends (H₃PO₄ + HO⁻ for phosphoric acid, C₆H₈O₇ + 3 HO⁻ for citric
// acid, whose three acidities give one jump); none for no titration.
std::optional<StoichiometricNumbers> firstReactionNumbers(int titration);

} // namespace model::acidbase
