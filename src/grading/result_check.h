// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The check of a student's result against the hidden concentration, as the class judges a
// measurement: the écart normalisé
//     z = |c2 − c2,réf| / u(c2)
// where c2 is the concentration found, u(c2) its standard uncertainty (uncertainty.h computes
// it the class's way) and c2,réf the value hidden from the student. The result is compatible
// with the expected value when z ≤ 2.
//
// z is shown with two decimals ("1,50"; from 1000 on with three significant digits,
// "1,23E+03"), and the verdict is that of the value shown: a z that only the binary tail of
// the subtraction puts above 2 (|0,0096 − 0,0100| / 0,0002) is shown "2,00" and is compatible,
// as the student computing it by hand finds.
//
// No text of this file holds the expected value and a check does not keep it. z itself, with
// c2 and u(c2), leaves two candidates for it (c2 ± z·u(c2)), and a second check tells which:
// that is what showing z tells, so every check goes into the student's report, where the
// teacher sees how many were made.

#include "grading/outcome.h"

#include <string>
#include <string_view>

namespace grading {

inline constexpr double compatibilityLimit = 2;
inline constexpr std::string_view compatibleVerdict = "Résultat compatible avec la valeur attendue";
inline constexpr std::string_view incompatibleVerdict =
    "Résultat non compatible avec la valeur attendue";

// One check, as the student's report lists it.
struct ResultCheck {
    double concentration = 0; // c2 found, mol/L
    double uncertainty = 0;   // u(c2), mol/L
    double z = 0;             // as computed
    std::string zText;        // as shown: "1,50"
    bool compatible = false;  // the value shown is at most 2

    std::string_view verdict() const {
        return compatible ? compatibleVerdict : incompatibleVerdict;
    }
};

// The check of c2 with u(c2) against the expected value. Refused, with the reason for the
// student: c2 or u(c2) not a finite number, c2 not positive, u(c2) not strictly positive, a z
// too large to be a number; an expected value that is not a positive number is a fault of the
// caller (no concentration is hidden) and is refused too.
Outcome<ResultCheck> checkResult(double concentration, double uncertainty, double expected);

// The same from the texts the student typed (decimal comma or point, blanks around): a text
// that is not a number is refused with the reason.
Outcome<ResultCheck> checkTypedResult(std::string_view concentrationText,
                                      std::string_view uncertaintyText, double expected);

// The check as one line of the report:
// "c2 = 0,0123 mol/L ; u(c2) = 0,0002 mol/L ; z = 1,50. Résultat compatible avec la valeur
// attendue." The numbers are written as numbers::formatGeneral writes them, which gives back
// what the student typed.
std::string checkLine(const ResultCheck& check);

} // namespace grading
