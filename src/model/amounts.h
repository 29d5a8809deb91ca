#pragma once
// Quantities of matter introduced into the beaker and present once every reaction has gone
// as far as it can. Amounts are millimoles (mol/L times mL) in single precision.

#include <array>

namespace model {

inline constexpr int presentEntryCount = 22;
using PresentAmounts = std::array<float, presentEntryCount>;

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
    double nS = 0;      // titrated species introduced with the sample
    double nT = 0;      // titrant poured so far
    double nX = 0;      // excess reagent (0 for a direct titration)
    bool hasReagent = false;
};

Introduced introducedAmounts(int species, const BenchInputs& in);

// Rewrites entries 0..14 and the entries the species uses; leaves the others as they were.
void computeAmounts(int species, const BenchInputs& in, PresentAmounts& present);

// True for a direct titration; for an indirect one, whether the excess reagent is enough.
bool reagentSufficient(int species, const BenchInputs& in);

} // namespace model
