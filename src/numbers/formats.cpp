// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/formats.h"

#include "numbers/decimal.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace numbers {

namespace {

// A decimal number as digits placed for positional writing: value = 0.d0 d1 d2 ... times
// 10^point, that is `point` digits stand before the decimal point (point may be negative or
// beyond the digits).
struct Positional {
    bool negative = false;
    std::string digits; // no leading zero; empty for zero
    int point = 0;
};

Positional toPositional(double x, int significant) {
    Decimal d = decompose(x, significant);
    return {d.negative, std::move(d.digits), d.exponent + 1};
}

// Keeps `decimals` digits after the decimal point, rounding half away from zero.
void roundDecimals(Positional& d, int decimals) {
    int kept = d.point + decimals;
    if (kept >= static_cast<int>(d.digits.size())) return;
    if (kept < 0) {
        d.digits.clear();
        return;
    }
    bool up = d.digits[kept] >= '5';
    d.digits.resize(kept);
    if (up) {
        int i = kept - 1;
        while (i >= 0 && d.digits[i] == '9')
            d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.point;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

char digitAt(const Positional& d, int position) { // position 0 is the first digit
    return position >= 0 && position < static_cast<int>(d.digits.size()) ? d.digits[position] : '0';
}

struct Pattern {
    int integerZeros = 0;     // integer digits always shown
    int fixedDecimals = 0;    // '0' after the point
    int optionalDecimals = 0; // '#' after the point
    bool hasPoint = false;
    bool scientific = false;
    bool exponentPlus = false;
    int exponentDigits = 0;
};

Pattern parsePattern(std::string_view text) {
    Pattern p;
    std::size_t i = 0;
    for (; i < text.size() && (text[i] == '#' || text[i] == '0'); ++i)
        p.integerZeros += text[i] == '0';
    if (i < text.size() && text[i] == '.') {
        p.hasPoint = true;
        for (++i; i < text.size() && (text[i] == '#' || text[i] == '0'); ++i) {
            if (text[i] == '0')
                ++p.fixedDecimals;
            else
                ++p.optionalDecimals;
        }
    }
    if (i + 1 < text.size() && (text[i] == 'E' || text[i] == 'e') &&
        (text[i + 1] == '+' || text[i + 1] == '-')) {
        p.scientific = true;
        p.exponentPlus = text[i + 1] == '+';
        for (i += 2; i < text.size() && text[i] == '0'; ++i)
            ++p.exponentDigits;
    }
    return p;
}

std::string exponentText(int exponent, bool alwaysSign, int minDigits, char letter) {
    std::string s(1, letter);
    if (exponent < 0)
        s += '-';
    else if (alwaysSign)
        s += '+';
    std::string digits = std::to_string(std::abs(exponent));
    if (static_cast<int>(digits.size()) < minDigits)
        digits.insert(0, minDigits - digits.size(), '0');
    return s + digits;
}

// The digits of d in positional form: integer part (at least minInteger digits), then the
// given number of decimals after a decimal comma (none and no comma when decimals is 0 and
// the comma is not forced).
std::string positional(const Positional& d, int minInteger, int decimals, bool forceComma) {
    std::string s;
    for (int i = 0; i < d.point; ++i)
        s += digitAt(d, i);
    if (static_cast<int>(s.size()) < minInteger) s.insert(0, minInteger - s.size(), '0');
    if (decimals > 0 || forceComma) s += ',';
    for (int i = 0; i < decimals; ++i)
        s += digitAt(d, d.point + i);
    return s;
}

std::string formatDecimal(Positional d, const Pattern& p) {
    const int decimals = p.fixedDecimals + p.optionalDecimals;
    int exponent = 0;
    if (p.scientific) {
        if (!d.digits.empty()) {
            // One digit before the point; rounding may carry into a new leading digit.
            exponent = d.point - 1;
            d.point = 1;
            roundDecimals(d, decimals);
            if (d.point == 2) {
                ++exponent;
                d.point = 1;
            }
        }
    } else {
        roundDecimals(d, decimals);
    }
    int shown = decimals;
    while (shown > p.fixedDecimals && digitAt(d, d.point + shown - 1) == '0')
        --shown;
    std::string s = (d.negative && !d.digits.empty()) ? "-" : "";
    s += positional(d, p.scientific ? 1 : p.integerZeros, shown, p.hasPoint);
    if (p.scientific) s += exponentText(exponent, p.exponentPlus, p.exponentDigits, 'E');
    return s;
}

std::string generalFormat(const Positional& d, int significant) {
    if (d.digits.empty()) return "0";
    std::string s = d.negative ? "-" : "";
    const int exponent = d.point - 1;
    const int digitCount = static_cast<int>(d.digits.size());
    if (exponent < -4 || exponent >= significant) {
        s += d.digits[0];
        if (digitCount > 1) s += ',' + d.digits.substr(1);
        return s + exponentText(exponent, true, 2, 'E');
    }
    const int decimals = std::max(0, digitCount - d.point);
    return s + positional(d, 1, decimals, false);
}

std::string significantFormat(Positional d, int significant) {
    if (d.digits.empty()) return "0";
    roundDecimals(d, significant - d.point);
    std::string s = d.negative ? "-" : "";
    const int exponent = d.point - 1;
    if (exponent < -4 || exponent >= significant) {
        s += d.digits[0];
        if (significant > 1) {
            s += ',';
            for (int i = 1; i < significant; ++i)
                s += digitAt(d, i);
        }
        return s + exponentText(exponent, true, 2, 'E');
    }
    return s + positional(d, 1, std::max(0, significant - d.point), false);
}

} // namespace

std::string formatPattern(double x, std::string_view pattern) {
    return formatDecimal(toPositional(x, 15), parsePattern(pattern));
}

std::string formatPattern(float x, std::string_view pattern) {
    return formatDecimal(toPositional(x, 7), parsePattern(pattern));
}

std::string formatGeneral(double x) {
    return generalFormat(toPositional(x, 15), 15);
}

std::string formatGeneral(float x) {
    return generalFormat(toPositional(x, 7), 7);
}

std::string formatSignificant(double x, int significant) {
    return significantFormat(toPositional(x, 15), std::clamp(significant, 1, 15));
}

} // namespace numbers
