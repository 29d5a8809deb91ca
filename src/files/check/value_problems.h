// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sentences of the check of a configuration's values, for the check itself and for the
// rules of each family (FamilyRules): why a text is not a value of a quantity of the bench,
// why a position is not a choice of a list. French, with its typography.

#include <limits>
#include <string>
#include <string_view>

namespace files {

inline constexpr double unlimited = std::numeric_limits<double>::infinity();

// A number of the bench and the limits its validation holds it to.
struct Quantity {
    std::string_view name; // as the sentence begins with it
    bool feminine;
    std::string_view unit;
    double lowest;
    double highest = unlimited;
};

// The text between guillemets, with the no-break spaces inside them.
std::string quoted(std::string_view text);

// Why text is not a value of the quantity, the text quoted or not; empty when it is one. A
// number is a whole text (blanks around allowed, decimal comma or point, an exponent allowed),
// finite, compared with the limits in single precision as the bench reads it.
std::string numberProblem(const Quantity& q, const std::string& text, bool quote = true);

// Why position is not a choice of the list (named as the sentence begins with it) unless
// known; empty when it is one.
std::string positionProblem(std::string_view list, int position, bool known);

} // namespace files
