// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The standard uncertainty u(c2) of a concentration found by titration, computed as the
// Terminale class computes it, with the formula and every number used written out in French
// for the student to follow.
//
// In the bench's notation (c1 and V1 for the titrant and the volume poured, VE at the
// equivalence; c2 and V2 for the solution titrated and its sample), a titration where the
// titrated species reacts as a·(titrated) + b·(titrant) gives
//     c2 = a × c1 × VE / (b × V2)
// (for a titration through an intermediate, as iodide then thiosulfate, a and b are those of
// the whole: 2 Cu²⁺ give 1 I₂, which takes 2 S₂O₃²⁻, so a = b = 1). A back titration, where
// the titrant measures what is left of a reagent in excess, does not follow this formula.
// The relative uncertainties add in quadrature:
//     u(c2)/c2 = √((u(c1)/c1)² + (u(V2)/V2)² + (u(VE)/VE)²)
//
// Type B evaluations, the class's convention: a tolerance ±t given by the maker is read as a
// uniform law of half-width t, so u = t/√3; reading a graduation g is a uniform law of
// half-width g/2, so u = g/√12 per reading. The burette is read twice (the zero and the level
// at the equivalence), so u(VE) = √((t/√3)² + 2 × (g/√12)²). The uniform law is the one the
// lycée's resources on measurement give for a maker's tolerance and a reading, and the one a
// student can justify: nothing says that the error is more often small than large.
//
// Glassware of the bench, class A:
//   pipettes jaugées  1 mL ± 0,008; 2 mL ± 0,010; 5 mL ± 0,015; 10 mL ± 0,020; 20 mL ± 0,030
//   burette 25 mL     ± 0,03 mL, graduated every 0,05 mL
// The titrant's concentration: its standard uncertainty given by the caller (the statement),
// otherwise defaultTitrantRelativeUncertainty, that of a solution prepared by dilution of a
// standard solution with class A glassware.

#include "grading/outcome.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace grading {

struct PipetteTolerance {
    double volume;    // mL
    double tolerance; // ± mL
};
inline constexpr std::array<PipetteTolerance, 5> classAPipettes = {
    {{1, 0.008}, {2, 0.010}, {5, 0.015}, {10, 0.020}, {20, 0.030}}};
inline constexpr double buretteTolerance = 0.03;  // ± mL, the 25 mL class A burette
inline constexpr double buretteGraduation = 0.05; // mL
inline constexpr double defaultTitrantRelativeUncertainty = 0.005;

// The tolerance of the class A pipette of that volume; none for a volume the bench has no
// pipette for.
std::optional<double> pipetteTolerance(double volume);

// What the student measured and used.
struct TitrationReadings {
    int titratedNumber = 1;                   // a, the titrated species' stoichiometric number
    int titrantNumber = 1;                    // b, the titrant's
    double titrantConcentration = 0;          // c1, mol/L
    std::optional<double> titrantUncertainty; // u(c1), mol/L; none: the default
    double sampleVolume = 0;                  // V2, mL: a pipette of the bench
    double equivalenceVolume = 0;             // VE, mL
};

struct UncertaintyBudget {
    double concentration = 0;          // c2, mol/L
    double titrantUncertainty = 0;     // u(c1), mol/L
    double sampleUncertainty = 0;      // u(V2), mL
    double equivalenceUncertainty = 0; // u(VE), mL
    double titrantRelative = 0;        // u(c1)/c1
    double sampleRelative = 0;         // u(V2)/V2
    double equivalenceRelative = 0;    // u(VE)/VE
    double relative = 0;               // u(c2)/c2
    double uncertainty = 0;            // u(c2), mol/L
    // The computation in French, a line for each step: c2, then u(c1)/c1, u(V2)/V2, u(VE)/VE
    // (each with the glassware and its tolerance), u(c2)/c2 with its formula, u(c2), and the
    // result written as the class writes it (u(c2) with two significant digits, c2 to the same
    // decimal place). Intermediate values are shown with three significant digits.
    std::vector<std::string> lines;
};

// u(c2) from the readings. Refused, with the reason: stoichiometric numbers outside 1 to 99;
// c1 not a positive finite number; u(c1) negative or not finite; V2 not the volume of a bench
// pipette (1, 2, 5, 10 or 20 mL); VE not within 0 (excluded) and the burette's 25 mL.
Outcome<UncertaintyBudget> concentrationUncertainty(const TitrationReadings& readings);

// "c2 = 0,12450 mol/L avec u(c2) = 0,00069 mol/L": u with two significant digits, c2 written
// to the same decimal place (to the unit for a u(c2) of 10 and above).
std::string resultWithUncertainty(double concentration, double uncertainty);

} // namespace grading
