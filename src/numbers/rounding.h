// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one rounding of the program: every computed pixel coordinate, colour channel and
// stored position goes through it.

#include <cstdint>

namespace numbers {

// Nearest integer, halves to even, as a 16-bit integer (saturated; NaN gives 0).
std::int16_t nearest(double x);

} // namespace numbers
