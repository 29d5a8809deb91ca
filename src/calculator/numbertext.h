// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers as the calculator reads and writes them: always with "." as the decimal point,
// whatever the user's locale. Pure C++.

#include "numbers/reading.h"

#include <string>
#include <string_view>

namespace calculator {

// The calculator reads numbers by the common rule (numbers::readNumber) with the point as
// the decimal separator and no "+" before a number: "+" is always an operator of its
// expressions.
inline constexpr numbers::NumberSyntax calculatorSyntax{".", false};

// True when the whole text is one number: the form the calculator reads, with at least one
// digit before its exponent; an exponent letter may stand without its digits ("2E").
bool isNumberToken(std::string_view text);

// A finite number rounded to 15 significant digits, without trailing zeros, without a zero
// before the point (.5, -.5), in exponent form for large and small magnitudes (1E+20, 1E-07).
std::string writeNumber(double x);

// The display formats of the calculator.
// Standard: writeNumber, preceded by a blank when the number is not negative (" 7", "-6").
std::string formatStandard(double x);
// Scientific, the pattern "#.#######E+00": one digit, the point, at most seven digits without
// trailing zeros, then the exponent with its sign and at least two digits (1.2345E+03, 7.E+00).
std::string formatScientific(double x);

} // namespace calculator
