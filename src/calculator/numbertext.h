// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers as the calculator reads and writes them: always with "." as the decimal point,
// whatever the user's locale. Pure C++.

#include <cstddef>
#include <string>
#include <string_view>

namespace calculator {

// The longest number at the very start of a text: an optional "-", digits with at most one
// "." (which may come first), then an optional exponent "E" or "D" (either case) with an
// optional sign and its digits. A text that does not start with a number reads as 0.
struct NumberPrefix {
    double value = 0;
    std::size_t length = 0; // characters taken by the number (0 when there is none)
    bool hasDigits = false; // the mantissa holds at least one digit
    bool overflow = false;  // the number lies beyond the range of a double
};
NumberPrefix readNumber(std::string_view text);

// The number at the start of a text, leading blanks skipped; 0 when there is none.
// overflow, when given, tells whether the number lies beyond the range of a double.
double leadingNumber(std::string_view text, bool* overflow = nullptr);

// True when the whole text is one number: the form readNumber takes, with at least one
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
