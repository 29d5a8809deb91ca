// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The concentration to be found, drawn at random: between 0,001 and 0,00999 mol/L with three
// significant digits.

#include <chrono>

namespace bench {

// Seeds the generator. The program does it once, when it starts, with clockSeed(now): every
// later draw continues the same sequence, so two draws never repeat for being made in the
// same second, and two neighbours who start the program together get different sequences.
void seedRandomConcentration(unsigned seed);
// A seed from the time since the epoch, to its finest unit: instants a microsecond apart
// give different seeds.
unsigned clockSeed(std::chrono::nanoseconds sinceEpoch);
// A uniform number in [0, 1).
float drawUniform();
// The concentration for a uniform draw r in [0, 1): (9 r + 1) / 1000 brought to three
// significant digits; a draw that would round up to 0,01 gives 0,00999.
float randomConcentration(float r);

} // namespace bench
