// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stoichiometric numbers a and b of a titration as a whole, for
// c2 = a × c1 × VE / (b × V2): a for the titrated species, b for the titrant, without a
// common factor. Each family of titrations gives those of its own.

namespace model {

struct StoichiometricNumbers {
    int titrated = 1; // a
    int titrant = 1;  // b
    bool operator==(const StoichiometricNumbers&) const = default;
};

} // namespace model
