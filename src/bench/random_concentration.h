// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The concentration to be found, drawn at random: between 0,001 and 0,00999 mol/L with three
// significant digits.

namespace bench {

// Seeds the generator (the bench uses the seconds since midnight).
void seedRandomConcentration(unsigned seed);
// A uniform number in [0, 1).
float drawUniform();
// The concentration for a uniform draw r in [0, 1): (9 r + 1) / 1000 brought to three
// significant digits; a draw that would round up to 0,01 gives 0,00999.
float randomConcentration(float r);

} // namespace bench
