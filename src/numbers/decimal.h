// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A number as decimal digits, the ground of every number format of the program.

#include <string>

namespace numbers {

// x = d0.d1d2... times 10^exponent, where digits holds d0 d1 d2 ... (d0 is not 0).
struct Decimal {
    bool negative = false;
    std::string digits; // trailing zeros removed; empty for zero
    int exponent = 0;
};

// x rounded to `significant` digits (rounding the exact binary value, halves to even).
// Zero and values that are not finite give no digits.
Decimal decompose(double x, int significant);

} // namespace numbers
