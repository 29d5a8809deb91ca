// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The check of a student's result against the hidden concentration, as the class judges a
// measurement: the écart normalisé
//     z = |c2 − c2,réf| / u(c2)
// where c2 is the concentration found, u(c2) its standard uncertainty (uncertainty.h computes
// it the class's way) and c2,réf the value hidden from the student. The result is compatible
// with the expected value when z ≤ 2.
//
// A check tells no more than the verdict needs. z with c2 and u(c2) leaves two candidates for
// the expected value (c2 ± z·u(c2)), and a second check tells which; so:
//   - the relative uncertainty u(c2)/c2 must lie from 0,5 % to 10 %, bounds included, as a
//     titration of the class gives it: below, z would pin the expected value down (c2 = u(c2)
//     = 1E-06 would give it to six digits); above, "Incertitude trop grande pour conclure" is
//     the whole answer, with no z;
//   - z is shown with one decimal up to 3 ("1,5", "3,0"), and only as "z > 3" beyond.
// The verdict is that of the value shown: a z that only the binary tail of the subtraction
// puts above 2 (|0,0096 − 0,0100| / 0,0002) is shown "2,0" and is compatible, as the student
// computing it by hand finds; 2,04 is shown "2,0" and is compatible too. The bounds of u(c2)/c2
// and of 3 are judged on the numbers to 12 significant digits, as found by hand, so that
// 0,00005 / 0,01 is 0,5 % and |0,00977 − 0,01037| / 0,0002 is 3.
//
// No text of this file holds the expected value and a check does not keep it, nor z beyond
// what is shown. Every check, refused ones included, goes into the student's report, where
// the teacher sees how many were made.

#include "grading/outcome.h"

#include <string>
#include <string_view>

namespace grading {

inline constexpr double compatibilityLimit = 2;
inline constexpr double zShownLimit = 3; // z beyond is shown "z > 3"
inline constexpr double lowestRelativeUncertainty = 0.005;
inline constexpr double highestRelativeUncertainty = 0.10;
inline constexpr std::string_view compatibleVerdict = "Résultat compatible avec la valeur attendue";
inline constexpr std::string_view incompatibleVerdict =
    "Résultat non compatible avec la valeur attendue";
inline constexpr std::string_view inconclusiveAnswer = "Incertitude trop grande pour conclure";

// One check, made or refused, as the student's report lists it.
struct ResultCheck {
    std::string concentrationText; // c2 as typed, blanks around dropped
    std::string uncertaintyText;   // u(c2) as typed, blanks around dropped
    std::string refusal;           // why no z was given, a French sentence; empty when made
    // When made:
    double concentration = 0; // c2 read, mol/L
    double uncertainty = 0;   // u(c2) read, mol/L
    std::string zText;        // z as shown: "1,5", "3,0"; empty when beyond 3
    bool compatible = false;  // the value shown is at most 2

    bool made() const { return refusal.empty(); }
    std::string_view verdict() const {
        return compatible ? compatibleVerdict : incompatibleVerdict;
    }
    bool operator==(const ResultCheck&) const = default;
};

// The check of c2 with u(c2) against the expected value. Refused, with the reason for the
// student: c2 or u(c2) not a finite number, c2 not positive, u(c2) not strictly positive,
// u(c2)/c2 out of the bounds above; an expected value that is not a positive number is a
// fault of the caller (no concentration is hidden) and is refused too. The typed texts of
// the check are those that formatGeneral gives for c2 and u(c2).
Outcome<ResultCheck> checkResult(double concentration, double uncertainty, double expected);

// The check of the texts the student typed (decimal comma or point, blanks around): made, or
// refused with the reason (an empty u(c2), a text that is not a number, and the refusals of
// checkResult), always with what was typed.
ResultCheck checkTypedResult(std::string_view concentrationText, std::string_view uncertaintyText,
                             double expected);

// "z = 1,5" or "z > 3" (no-break spaces around the sign); empty for a refused check.
std::string zStatement(const ResultCheck& check);

// The check as one line of the report, made:
// "c2 = 0,0123 mol/L ; u(c2) = 0,0004 mol/L ; z = 1,5. Résultat compatible avec la valeur
// attendue." (the numbers as numbers::formatGeneral writes them, which gives back what the
// student typed), or refused:
// "c2 = « 0,5 » ; u(c2) = « 1 » ; vérification refusée. Incertitude trop grande pour
// conclure : ..." (the texts as typed).
std::string checkLine(const ResultCheck& check);

} // namespace grading
