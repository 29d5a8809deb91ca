// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/rounding.h"

#include <cmath>
#include <limits>

namespace numbers {

std::int16_t nearest(double x) {
    if (std::isnan(x)) return 0;
    constexpr double low = std::numeric_limits<std::int16_t>::min();
    constexpr double high = std::numeric_limits<std::int16_t>::max();
    if (x <= low) return std::numeric_limits<std::int16_t>::min();
    if (x >= high) return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::nearbyint(x)); // default mode: halves to even
}

} // namespace numbers
