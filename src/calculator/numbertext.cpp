// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/numbertext.h"

#include "numbers/decimal.h"

#include <cmath>
#include <string>

namespace calculator {
namespace {

std::string exponentText(int exponent) {
    std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (digits.size() < 2) digits.insert(0, 1, '0');
    return (exponent < 0 ? "E-" : "E+") + digits;
}

} // namespace

bool isNumberToken(std::string_view text) {
    const numbers::NumberPrefix n = numbers::readNumber(text, calculatorSyntax);
    if (n.length == 0) return false;
    std::string_view rest = text.substr(n.length);
    // What may follow: an exponent letter that lost its digits, with or without a sign.
    if (rest.empty()) return true;
    char letter = rest[0];
    if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd') return false;
    return rest.size() == 1 || (rest.size() == 2 && (rest[1] == '+' || rest[1] == '-'));
}

std::string writeNumber(double x) {
    if (x == 0 || !std::isfinite(x)) return "0";
    const numbers::Decimal d = numbers::decompose(x, 15);
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
    const numbers::Decimal d = numbers::decompose(x, 8);
    return (d.negative ? "-" : "") + d.digits.substr(0, 1) + '.' + d.digits.substr(1) +
           exponentText(d.exponent);
}
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#pragma GCC diagnostic pop
#endif

} // namespace calculator
