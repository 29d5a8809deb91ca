// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// French typography of this library's texts: a no-break space before the high punctuation
// (: ; ? !), before a unit and a percent sign, and inside the guillemets.

#include <string>
#include <string_view>

namespace grading {

inline constexpr std::string_view nbsp = "\u00A0";

// « text »
inline std::string quoted(std::string_view text) {
    return "«\u00A0" + std::string(text) + "\u00A0»";
}

// "0,02 mol/L", "12,45 mL", "0,5 %"
inline std::string withUnit(std::string_view number, std::string_view unit) {
    return std::string(number) + std::string(nbsp) + std::string(unit);
}

} // namespace grading
