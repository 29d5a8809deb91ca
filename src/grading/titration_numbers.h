// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stoichiometric numbers a and b of a titration of the species catalogue (model/catalogue.h)
// as a whole, for c2 = a × c1 × VE / (b × V2) (uncertainty.h): those of the one reaction of a
// direct titration; for a titration through the diiode that a reagent in excess forms (iodide),
// those of the two reactions put together. A back titration (the sample takes part of a diiode in
// excess, the titrant measures what is left) does not follow that formula: it has none. The
// other families give theirs (model::StoichiometricNumbers) from their own model.

#include "model/stoichiometric_numbers.h"

#include <optional>

namespace grading {

using StoichiometricNumbers = model::StoichiometricNumbers;

// a and b, without a common factor, for a species of the bench (its position in the list);
// none for a back titration or no species.
std::optional<StoichiometricNumbers> titrationNumbers(int species);

} // namespace grading
