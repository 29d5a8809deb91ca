// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chemical formulas and equations as the program writes them in Unicode ("MnO₄⁻", "S₂O₃²⁻",
// "5 H₂O₂ + 2 MnO₄⁻ + 6 H⁺ → 5 O₂ + 2 Mn²⁺ + 8 H₂O"), read back into their atoms and charges,
// so that every equation the program writes can be checked for balance.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace model {

// The atoms of a formula, element by element, and its charge in elementary charges.
struct Composition {
    std::map<std::string, int> atoms; // no element with a count of 0
    int charge = 0;
    bool operator==(const Composition&) const = default;
};

// Reads a formula: element symbols with their counts (subscript or plain digits), groups in
// parentheses with a count ("Ca(OH)₂"), parts joined by "," or "·" with an optional number
// ("CO₂,H₂O", "CuSO₄·5H₂O"), one final charge in superscripts ("⁺", "²⁻"), the electron "e⁻",
// and states in parentheses ("(aq)", "(s)", "(l)", "(g)"), which add nothing. Empty for a text
// that is not such a formula.
std::optional<Composition> parseFormula(std::string_view formula);

// A term of an equation: its stoichiometric number, its formula as written and what it holds.
struct EquationTerm {
    int coefficient = 1;
    std::string formula;
    Composition composition;
};
struct Equation {
    std::vector<EquationTerm> reactants;
    std::vector<EquationTerm> products;
};

// Reads "a A + b B → c C + d D": terms joined by " + " (plain or no-break spaces), a number of
// 1 left out, one arrow among "→", "⇌", "⇄", "=" and "->". Empty when the text is not such an
// equation or one of its formulas cannot be read.
std::optional<Equation> parseEquation(std::string_view text);

// The reactants' atoms and charge less the products': empty atoms and no charge when the
// equation is balanced.
Composition imbalance(const Equation& equation);
bool isBalanced(const Equation& equation);

} // namespace model
