// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/numbertext.h"

#include <charconv>
#include <cmath>
#include <string>

namespace calculator {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits and decimal exponent of a finite non-zero number rounded to `digits` significant
// digits: "12345" and 3 for 1234.5 (trailing zeros removed).
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Decimal decompose(double x, int digits) {
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, digits - 1);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    Decimal d;
    std::size_t i = 0;
    if (text[i] == '-') {
        d.negative = true;
        ++i;
    }
    for (; i < text.size() && text[i] != 'e'; ++i)
        if (isDigit(text[i])) d.digits += text[i];
    std::from_chars(text.data() + i + (text[i + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    d.exponent);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

std::string exponentText(int exponent) {
    std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (digits.size() < 2) digits.insert(0, 1, '0');
    return (exponent < 0 ? "E-" : "E+") + digits;
}

} // namespace

NumberPrefix readNumber(std::string_view text) {
    NumberPrefix n;
    std::size_t i = 0;
    std::string normalised; // the number as from_chars reads it
    if (i < text.size() && text[i] == '-') normalised += text[i++];
    bool point = false;
    long leadingZeros = 0;    // zeros before the first significant digit
    long integerDigits = 0;   // digits before the point, leading zeros excluded
    bool significant = false; // a non-zero digit has been seen
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (isDigit(c)) {
            n.hasDigits = true;
            if (c != '0') significant = true;
            if (!significant)
                ++leadingZeros;
            else if (!point)
                ++integerDigits;
        } else if (c == '.' && !point) {
            point = true;
            if (!significant) leadingZeros = 0;
        } else {
            break;
        }
        normalised += c;
    }
    if (!n.hasDigits) return {}; // "-", "." or nothing: no number
    n.length = i;
    long exponent = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) negative = text[j++] == '-';
        std::size_t start = j;
        for (; j < text.size() && isDigit(text[j]); ++j)
            if (exponent < 1000000) exponent = exponent * 10 + (text[j] - '0');
        if (j > start) {
            if (negative) exponent = -exponent;
            normalised += 'e' + std::to_string(exponent);
            n.length = j;
        } else {
            exponent = 0;
        }
    }
    auto result =
        std::from_chars(normalised.data(), normalised.data() + normalised.size(), n.value);
    if (result.ec == std::errc::result_out_of_range) {
        // Either beyond the largest double or below the smallest: tell them apart by the
        // position of the first significant digit.
        long magnitude =
            significant ? (integerDigits > 0 ? integerDigits - 1 : -(leadingZeros + 1)) + exponent
                        : -1;
        bool negative = normalised[0] == '-';
        if (magnitude > 0) {
            n.overflow = true;
            n.value = negative ? -HUGE_VAL : HUGE_VAL;
        } else {
            n.value = negative ? -0.0 : 0.0;
        }
    }
    return n;
}

double leadingNumber(std::string_view text, bool* overflow) {
    std::size_t start = text.find_first_not_of(' ');
    NumberPrefix n =
        readNumber(start == std::string_view::npos ? std::string_view{} : text.substr(start));
    if (overflow) *overflow = n.overflow;
    return n.overflow ? 0.0 : n.value;
}

bool isNumberToken(std::string_view text) {
    NumberPrefix n = readNumber(text);
    if (!n.hasDigits) return false;
    std::string_view rest = text.substr(n.length);
    // What may follow: an exponent letter that lost its digits, with or without a sign.
    if (rest.empty()) return true;
    char letter = rest[0];
    if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd') return false;
    return rest.size() == 1 || (rest.size() == 2 && (rest[1] == '+' || rest[1] == '-'));
}

std::string writeNumber(double x) {
    if (x == 0 || !std::isfinite(x)) return "0";
    Decimal d = decompose(x, 15);
    std::string text = d.negative ? "-" : "";
    const int e = d.exponent;
    const int count = static_cast<int>(d.digits.size());
    if (e >= 15 || e < -4) {
        text += d.digits[0];
        if (count > 1) text += '.' + d.digits.substr(1);
        return text + exponentText(e);
    }
    if (e < 0) return text + '.' + std::string(static_cast<std::size_t>(-e - 1), '0') + d.digits;
    if (count <= e + 1)
        return text + d.digits + std::string(static_cast<std::size_t>(e + 1 - count), '0');
    return text + d.digits.substr(0, static_cast<std::size_t>(e + 1)) + '.' +
           d.digits.substr(static_cast<std::size_t>(e + 1));
}

std::string formatStandard(double x) {
    std::string text = writeNumber(x);
    return text[0] == '-' ? text : ' ' + text;
}

// GCC 12 warns, when optimising, that the short string copies below may overlap
// (-Wrestrict, a false positive of its string inlining, GCC bug 105651): they cannot.
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#endif
std::string formatScientific(double x) {
    if (x == 0 || !std::isfinite(x)) return "0.E+00";
    Decimal d = decompose(x, 8);
    return (d.negative ? "-" : "") + d.digits.substr(0, 1) + '.' + d.digits.substr(1) +
           exponentText(d.exponent);
}
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#pragma GCC diagnostic pop
#endif

} // namespace calculator
