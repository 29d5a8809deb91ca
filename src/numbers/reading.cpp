// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/reading.h"

#include <charconv>
#include <cmath>

namespace numbers {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::size_t blanksAt(std::string_view text, std::size_t i) {
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return i;
}

template <typename Real> std::optional<Real> parseBench(std::string_view text) {
    const NumberPrefix number = readNumber(text, {",.", true});
    if (number.length == 0 || blanksAt(text, number.length) != text.size()) return {};
    Real value = 0;
    const char* end = number.cForm.data() + number.cForm.size();
    const auto [stop, error] = std::from_chars(number.cForm.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value)) return {};
    return value;
}

} // namespace

NumberPrefix readNumber(std::string_view text, const NumberSyntax& syntax) {
    NumberPrefix n;
    std::size_t i = blanksAt(text, 0);
    std::string& c = n.cForm;
    if (i < text.size() && (text[i] == '-' || (syntax.plusSign && text[i] == '+'))) {
        if (text[i] == '-') c += '-';
        ++i;
    }
    bool point = false, digits = false;
    long leadingZeros = 0;    // zeros before the first significant digit
    long integerDigits = 0;   // digits before the point, leading zeros excluded
    bool significant = false; // a non-zero digit has been seen
    for (; i < text.size(); ++i) {
        const char ch = text[i];
        if (isDigit(ch)) {
            digits = true;
            if (ch != '0') significant = true;
            if (!significant)
                ++leadingZeros;
            else if (!point)
                ++integerDigits;
            c += ch;
        } else if (!point && syntax.decimalSeparators.find(ch) != std::string_view::npos) {
            point = true;
            if (!significant) leadingZeros = 0;
            c += '.';
        } else {
            break;
        }
    }
    if (!digits) return {}; // a sign, a separator or nothing: no number
    n.length = i;
    long exponent = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) negative = text[j++] == '-';
        const std::size_t start = j;
        for (; j < text.size() && isDigit(text[j]); ++j)
            if (exponent < 1000000) exponent = exponent * 10 + (text[j] - '0');
        if (j > start) {
            if (negative) exponent = -exponent;
            c += 'e' + std::to_string(exponent);
            n.length = j;
        } else {
            exponent = 0;
        }
    }
    const auto result = std::from_chars(c.data(), c.data() + c.size(), n.value);
    if (result.ec == std::errc::result_out_of_range) {
        // Beyond the largest double or below the smallest: the place of the first significant
        // digit tells which.
        const long magnitude =
            significant ? (integerDigits > 0 ? integerDigits - 1 : -(leadingZeros + 1)) + exponent
                        : -1;
        const bool negative = c[0] == '-';
        if (magnitude > 0) {
            n.overflow = true;
            n.value = negative ? -HUGE_VAL : HUGE_VAL;
        } else {
            n.value = negative ? -0.0 : 0.0;
        }
    }
    return n;
}

double leadingNumber(std::string_view text, const NumberSyntax& syntax, bool* overflow) {
    const NumberPrefix n = readNumber(text, syntax);
    if (overflow) *overflow = n.overflow;
    return n.overflow ? 0.0 : n.value;
}

float parseBenchNumber(std::string_view text) {
    return parseBench<float>(text).value_or(0.0f);
}

double parseBenchDouble(std::string_view text) {
    return parseBench<double>(text).value_or(0.0);
}

std::optional<double> parseNumberText(std::string_view text) {
    return parseBench<double>(text);
}

} // namespace numbers
