// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading numbers from texts. One rule, that of Basic's Val, for every text the program reads
// a number from: the items of the pipette lists, the positions stored in configuration files,
// the level and duration of an exercise, the calculator's expressions; and the stricter
// reading of what is typed in the bench's boxes. Texts are UTF-8; only ASCII counts.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace numbers {

// What a number may hold beyond the common rule.
struct NumberSyntax {
    std::string_view decimalSeparators = "."; // characters that may stand for the decimal point
    bool plusSign = true;                     // whether a number may begin with "+"
};

// The number at the start of a text: leading blanks (spaces, tabs, line ends) skipped, an
// optional sign, digits with at most one decimal separator (which may come first), at least
// one digit, then an optional exponent, "E" or "D" in either case with an optional sign and
// its digits (a letter without digits is not taken). What follows the number does not count.
struct NumberPrefix {
    double value = 0;       // 0 when there is no number; a signed 0 below the smallest double
    std::size_t length = 0; // characters taken, blanks included; 0 when there is no number
    bool overflow = false;  // beyond the largest double: value is then an infinity
    std::string cForm;      // the number as std::from_chars reads it ("-2.5e3")
};
NumberPrefix readNumber(std::string_view text, const NumberSyntax& syntax = {});

// The value of that number; 0 when there is none or when it lies beyond a double (overflow,
// when given, then says so).
double leadingNumber(std::string_view text, const NumberSyntax& syntax = {},
                     bool* overflow = nullptr);

// A text typed in a bench box (decimal comma) as a single-precision number: blanks around
// one number whose decimal separator is the comma (a point is read the same way, for texts
// written on other systems). Anything else, and a number beyond the single-precision range,
// gives 0.
float parseBenchNumber(std::string_view text);
// The same text read in double precision, for sums that must keep the typed decimals
// ("9,85" + 0.05 is 9.9, where single precision gives 9.900001).
double parseBenchDouble(std::string_view text);
// The same reading that tells an unreadable text from zero: the value of a text that is one
// finite number with blanks around it (decimal comma or point); none for anything else,
// including a number beyond the double range.
std::optional<double> parseNumberText(std::string_view text);

} // namespace numbers
