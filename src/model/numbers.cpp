// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace model {

namespace {

// A decimal number as digits: value = 0.d0 d1 d2 ... times 10^point, that is `point` digits
// stand before the decimal point (point may be negative or beyond the digits).
struct Decimal {
    bool negative = false;
    std::string digits; // no leading zero; empty for zero
    int point = 0;
};

Decimal toDecimal(double x, int significant) {
    Decimal d;
    if (!std::isfinite(x) || x == 0) return d;
    d.negative = x < 0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", significant - 1, std::fabs(x));
    std::string_view text(buffer);
    auto e = text.find('e');
    for (char c : text.substr(0, e))
        if (c != '.') d.digits += c;
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(),
                    exponent);
    d.point = exponent + 1;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

// Keeps `decimals` digits after the decimal point, rounding half away from zero.
void roundDecimals(Decimal& d, int decimals) {
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

char digitAt(const Decimal& d, int position) { // position 0 is the first digit
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
std::string positional(const Decimal& d, int minInteger, int decimals, bool forceComma) {
    std::string s;
    for (int i = 0; i < d.point; ++i)
        s += digitAt(d, i);
    if (static_cast<int>(s.size()) < minInteger) s.insert(0, minInteger - s.size(), '0');
    if (decimals > 0 || forceComma) s += ',';
    for (int i = 0; i < decimals; ++i)
        s += digitAt(d, d.point + i);
    return s;
}

std::string formatDecimal(Decimal d, const Pattern& p) {
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

std::string generalFormat(const Decimal& d, int significant) {
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

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Scans a number from text[i]: sign, digits with at most one separator among `separators`,
// optional exponent. Appends it in C form to `out` and moves i past it.
// Returns false when no digit of a mantissa was found.
bool scanNumber(std::string_view text, std::size_t& i, std::string_view separators,
                std::string& out) {
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') out += '-';
        ++i;
    }
    bool digits = false, separator = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (isDigit(c)) {
            digits = true;
            out += c;
        } else if (!separator && separators.find(c) != std::string_view::npos) {
            separator = true;
            out += '.';
        } else {
            break;
        }
    }
    if (!digits) return false;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                exponent += text[j++];
            out += exponent;
            i = j;
        }
    }
    return true;
}

} // namespace

std::int16_t nearest(double x) {
    if (std::isnan(x)) return 0;
    constexpr double low = std::numeric_limits<std::int16_t>::min();
    constexpr double high = std::numeric_limits<std::int16_t>::max();
    if (x <= low) return std::numeric_limits<std::int16_t>::min();
    if (x >= high) return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::nearbyint(x)); // default mode: halves to even
}

namespace {

template <typename Real> Real parseBench(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    std::string number;
    if (!scanNumber(text, i, ",.", number)) return 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i != text.size()) return 0;
    Real value = 0;
    auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
        return 0;
    return value;
}

} // namespace

float parseBenchNumber(std::string_view text) {
    return parseBench<float>(text);
}

double parseBenchDouble(std::string_view text) {
    return parseBench<double>(text);
}

double leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    std::string number;
    if (!scanNumber(text, i, ".", number)) return 0;
    double value = 0;
    auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || !std::isfinite(value)) return 0;
    return value;
}

std::string formatPattern(double x, std::string_view pattern) {
    return formatDecimal(toDecimal(x, 15), parsePattern(pattern));
}

std::string formatPattern(float x, std::string_view pattern) {
    return formatDecimal(toDecimal(x, 7), parsePattern(pattern));
}

std::string formatGeneral(double x) {
    return generalFormat(toDecimal(x, 15), 15);
}

std::string formatGeneral(float x) {
    return generalFormat(toDecimal(x, 7), 7);
}

} // namespace model
