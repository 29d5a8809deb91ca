// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/decimal.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace numbers {

Decimal decompose(double x, int significant) {
    Decimal d;
    if (!std::isfinite(x) || x == 0) return d;
    d.negative = x < 0;
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                       std::chars_format::scientific, significant - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const auto e = text.find('e');
    for (char c : text.substr(0, e))
        if (c != '.') d.digits += c;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(),
                    d.exponent);
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

} // namespace numbers
