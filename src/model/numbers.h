// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers as the bench shows them: rounding of coordinates and colours, reading typed texts,
// and the format patterns, always with the decimal comma whatever the user's locale.
// Texts are UTF-8.
//
// Single and double precision are kept apart on purpose. A number typed in a bench box is a
// single-precision value and is written back with 7 significant digits; a double is written
// with 15. Writing a single-precision value through the double overload shows its binary
// tail (0.0123f would come out as "0,0122999995946884"), so keep such values as float when
// formatting them. Integers go to the double overload.

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

namespace model {

// Nearest integer, halves to even, as a 16-bit integer (saturated; NaN gives 0).
std::int16_t nearest(double x);

// Reads a typed bench text (decimal comma) as a single-precision number;
// a text that cannot be read as a number gives 0.
// Accepted: blanks around the number, one leading sign, digits with at most one decimal
// separator (the comma; a point is read the same way, for texts written on other systems),
// at least one digit, and an optional exponent ("1E-05", "2,5e+3", also "D" as exponent
// letter). Anything else, and a number beyond the single-precision range, gives 0.
float parseBenchNumber(std::string_view text);
// The same text read in double precision, for sums that must keep the typed decimals
// ("9,85" + 0.05 is 9.9, where single precision gives 9.900001).
double parseBenchDouble(std::string_view text);

// The leading number of a list item ("10 mL" gives 10, "0" gives 0, "" gives 0).
// Reads like a Basic Val: leading blanks skipped, then the longest number at the start of the
// text (sign, digits, a decimal point, an exponent); no number at all gives 0.
double leadingNumber(std::string_view text);

// Format patterns with the decimal comma: "0.00E+00", "0.0E+00", "####0.0".
// A pattern is an integer part of '#' and '0' (each '0' is a digit always shown), an optional
// '.' followed by '0' (decimals always shown) and '#' (shown when not zero), and an optional
// exponent "E+00" / "E-00" (the sign always shown with "E+", only when negative with "E-";
// at least as many exponent digits as '0's). Rounding is half away from zero on the decimal
// digits of the value (7 significant digits for a float, 15 for a double), so 0.125 gives
// "1,3E-01" and 2.675 with "0.00" gives "2,68". A zero result never carries a minus sign.
std::string formatPattern(double x, std::string_view pattern);
std::string formatPattern(float x, std::string_view pattern);
template <std::integral I> std::string formatPattern(I x, std::string_view pattern) {
    return formatPattern(static_cast<double>(x), pattern);
}

// The general number format with the decimal comma ("0,0123", "25", "1E-05").
// The value is rounded to 15 significant digits for a double, 7 for a float; trailing zeros
// are dropped; "0," leads values below 1. The exponent form ("1E-05", "1,234568E+07") is used
// when the decimal exponent is below -4 or at least the number of digits (1e15 for a double,
// 1e7 for a float), with a sign and at least two exponent digits, as the usual general format
// (printf's %G) does.
std::string formatGeneral(double x);
std::string formatGeneral(float x);
template <std::integral I> std::string formatGeneral(I x) {
    return formatGeneral(static_cast<double>(x));
}

} // namespace model
