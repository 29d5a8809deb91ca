#pragma once
// Numbers as the bench shows them: rounding of coordinates and colours, reading typed texts,
// and the format patterns, always with the decimal comma whatever the user's locale.
// Texts are UTF-8.

#include <cstdint>
#include <string>
#include <string_view>

namespace model {

// Nearest integer, halves to even, as a 16-bit integer (saturated).
std::int16_t nearest(double x);

// Reads a typed bench text (decimal comma) as a single-precision number;
// a text that cannot be read as a number gives 0.
float parseBenchNumber(std::string_view text);

// The leading number of a list item ("10 mL" gives 10, "0" gives 0, "" gives 0).
double leadingNumber(std::string_view text);

// Format patterns with the decimal comma: "0.00E+00", "0.0E+00", "####0.0".
std::string formatPattern(double x, std::string_view pattern);

// The general number format with the decimal comma ("0,0123", "25", "1E-05").
std::string formatGeneral(double x);

} // namespace model
