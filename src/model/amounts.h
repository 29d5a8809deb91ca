// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Quantities of matter introduced into the beaker and present once every reaction has gone
// as far as it can. Amounts are millimoles (mol/L times mL) in single precision.

#include "model/catalogue.h"

#include <array>

namespace model {

inline constexpr int presentEntryCount = Entry::count;
using PresentAmounts = std::array<float, presentEntryCount>;

// The burette holds 25 mL.
inline constexpr double buretteCapacity = 25;

// The bench inputs as numbers, already read from the bench's texts and lists.
// Text boxes give single-precision numbers; list items give their leading number.
struct BenchInputs {
    float sampleConcentration = 0;  // c0, mol/L
    double sampleVolume = 0;        // V0, mL (list item)
    float titrantConcentration = 0; // cT, mol/L
    float pouredVolume = 0;         // Vb, mL
    float reagentConcentration = 0; // cX, mol/L (indirect titrations)
    double iodineVolume = 0;        // VX for species 0, mL (list item)
    float iodideVolume = 0;         // VX for species 4 and 7, mL (text box)
};

struct Introduced {
    double nS = 0; // titrated species introduced with the sample
    double nT = 0; // titrant poured so far
    double nX = 0; // excess reagent (0 for a direct titration)
    bool hasReagent = false;
};

// nS = c0 * V0 (a single times a list number: double), nT = Vb * cT (single times single:
// a single-precision value, held exactly in the double), nX = cX * VX for 0, 4 and 7 (double
// for 0, whose volume is a list item; single for 4 and 7, whose volume is typed).
// No species: all zero.
Introduced introducedAmounts(int species, const BenchInputs& in);

// The amount a graph column's introduced bar shows: nS, nT, nX or 0.
double introducedBarAmount(IntroducedBar bar, const Introduced& introduced);

// The amount of a candidate of the graph's scale, in millimoles: its factor times nS, nX or
// a full burette of titrant (buretteCapacity times cT).
double scaleCandidateAmount(const ScaleCandidate& candidate, const Introduced& introduced,
                            const BenchInputs& in);

// What single precision leaves at an exact equivalence. There both cases of a reaction agree
// that the titrated species and the titrant are used up, but the bench's decimal numbers are
// not exact in binary: 0,01 mol/L x 10 mL of diiode titrated by 0,02 mol/L thiosulfate leaves
// 3.7e-9 mmol of diiode at 10,0 mL, which would keep the starch blue for one more drop. So an
// amount shown by the species' graph columns whose size is below negligibleFraction of the
// larger of nS (titrated species introduced) and nT (titrant poured) counts as zero, for the
// colours and the bars alike.
// Why that reference: every such remainder is a difference of terms of the size of nS or nT
// (for ascorbic acid, the diiode left, nX - nS, carries the rounding of nS when nearly all the
// diiode is used), so it stays below a few 1e-8 of the larger one. A real amount is never that
// small where it can be seen: next to an equivalence within the burette the smallest one is
// half a drop of titrant (0.025 cT mmol), while nT is at most 25 cT and an nS titrated within
// 25 mL at most 125 cT; for ascorbic acid the bench's 3-digit concentrations and its 25-mL
// limit keep half a drop above a millionth of nS. The reagent added in excess (nX) is left out
// on purpose: a large excess of iodide would otherwise hide the last half drop of diiode of a
// weak titrant. The bars cannot show the difference (their scale is at least nS and 25 cT).
inline constexpr double negligibleFraction = 1e-6;

// Rewrites entries 0..14 and the entries the species uses; leaves the others as they were.
// The arithmetic keeps the precision of each operand (single for nT and for the stored
// entries, double for nS and for nX of species 0), and every comparison is strict, so the
// case of a reaction changes exactly at the equivalence; then the entries of the species'
// graph columns below negligibleFraction of the larger of nS and nT are set to 0 (this is
// what the colours and the bars read). No species: only 0..14 are zeroed.
void computeAmounts(int species, const BenchInputs& in, PresentAmounts& present);

// True for a direct titration; for an indirect one, whether the excess reagent is enough.
bool reagentSufficient(int species, const BenchInputs& in);

} // namespace model
