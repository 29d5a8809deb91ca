// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers as the bench and the graph write them: the format patterns and the general number
// format, always with the decimal comma whatever the user's locale. Texts are UTF-8.
//
// Single and double precision are kept apart on purpose. A number typed in a bench box is a
// single-precision value and is written back with 7 significant digits; a double is written
// with 15. Writing a single-precision value through the double overload shows its binary
// tail (0.0123f would come out as "0,0122999995946884"), so keep such values as float when
// formatting them. Integers go to the double overload.

#include <concepts>
#include <string>
#include <string_view>

namespace numbers {

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

// x with exactly `significant` significant digits (1 to 15), trailing zeros kept, decimal comma:
// 0.012 with 3 digits is "0,0120", 1234 with 4 is "1234", 0.000012 with 2 is "1,2E-05". The
// rounding is that of formatPattern (half away from zero on the 15 decimal digits of the
// value); the exponent form follows formatGeneral's rule with `significant` as the number of
// digits (printf's %#.nG), so 1234 with 3 digits is "1,23E+03". Zero, and values that are not
// finite, give "0".
std::string formatSignificant(double x, int significant);

} // namespace numbers
