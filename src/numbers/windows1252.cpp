// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/windows1252.h"

#include <array>
#include <cstddef>

namespace numbers {
namespace {

constexpr std::array<char32_t, 32> highBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

} // namespace

char32_t fromWindows1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return highBlock[byte - 0x80];
    return byte;
}

std::optional<unsigned char> toWindows1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (std::size_t k = 0; k < highBlock.size(); ++k)
        if (highBlock[k] == c) return static_cast<unsigned char>(0x80 + k);
    return std::nullopt;
}

} // namespace numbers
