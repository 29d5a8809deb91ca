// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the acid-base bench measures and shows: the probe dipped into the beaker and the
// reading of its meter as the meter's display writes it; the set-up the bench hands to
// whoever draws its curves, with the readings at the volumes where the student read the
// meter; and which amounts give the sample away while its concentration is hidden.

#include "model/acidbase/curve_table.h"
#include "model/acidbase/equivalence.h"
#include "model/acidbase/mixture.h"

#include <span>
#include <string>
#include <vector>

namespace model::acidbase {

// The probe dipped into the beaker, in the order of the bench's list.
enum class Probe { PHMeter, Conductimeter, None };
inline constexpr int probeCount = 3;

// The set-up of the acid-base bench in plain numbers.
struct BenchSetup {
    Preparation preparation;      // titration -1: no acid-base titration on the bench
    int indicator = -1;           // the indicator added; -1: none
    Probe probe = Probe::PHMeter; // the probe dipped into the beaker
};

// The reading of a probe: the pH, or σ in mS·cm⁻¹; the pH for no probe (what a student would
// read with one).
double reading(const Mixture& mixture, Probe probe);

// The measured points of the set-up at the volumes (mL), in their order: each the volume and
// the reading of the probe there, the curve a student draws from the meter.
std::vector<Point> readings(const Preparation& preparation, std::span<const double> volumes,
                            Probe probe);

// The display of a meter: the number and its unit.
struct MeterDisplay {
    std::string value; // "4,76", "1,23", "456"
    std::string unit;  // "" for a pH, "mS·cm⁻¹" or "µS·cm⁻¹"
};

// A pH with the two decimals a pH meter shows: "4,76", "12,00" (halves away from zero).
MeterDisplay pHDisplay(double pH);

// A conductivity (mS·cm⁻¹) as a classroom conductimeter shows it: three significant digits, in
// mS·cm⁻¹ from 1 mS·cm⁻¹ ("1,23", "12,3", "123") and in µS·cm⁻¹ below ("456", "45,6",
// "4,56"), the unit chosen once the value is rounded (0,9996 mS·cm⁻¹ reads "1,00 mS·cm⁻¹").
// A value that is not a positive finite number reads "0,00 µS·cm⁻¹".
MeterDisplay conductivityDisplay(double conductivity);

// The display of the probe in a mixture; empty for no probe.
MeterDisplay meterDisplay(const Mixture& mixture, Probe probe);

// Whether a number of the amount of a particle (introduced, or present) would give the
// sample's amount away while its concentration is hidden: every amount but those of the ions
// that the titrant alone brings and that no reaction touches (Na⁺ poured with the sodium
// hydroxide, Cl⁻ with the hydrochloric acid) and the amounts introduced by the titrant alone.
// The pH and the conductivity are measurements: they are shown whatever this says.
bool revealsSample(int titration, int particle, bool introduced);

// The columns of the titration's table whose numbers would give the sample away made blank.
void blankSampleColumns(CurveTable& table, int titration);

} // namespace model::acidbase
