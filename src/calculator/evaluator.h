// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator's expression evaluator. It works on the text itself: the expression is put
// into a blank-separated form, then the innermost computable piece (a function of a number,
// a parenthesised group free of functions, one two-operand operation) is replaced by the text
// of its value, again and again, until one number is left. Every intermediate value passes
// through text, rounded to 15 significant digits. Pure C++.

#include <cstdint>
#include <string>

namespace calculator {

// Error codes returned by the evaluator.
constexpr std::int16_t evaluationOk = 0;
constexpr std::int16_t calculationImpossible = 1; // arithmetic failure, or no single number
constexpr std::int16_t parenthesesMismatch = 2;   // the numbers of "(" and ")" differ
constexpr std::int16_t missingOperand = 3;        // "*", "/" or "^" followed by no operand

// Angle units as the caller gives them.
constexpr int degrees = 0;
constexpr int radians = 1;

// Evaluates the expression held in `text`. On return with errorCode 0, `text` is the result as
// one number token; with another code, `text` is left in an unspecified state.
void evaluateExpression(std::string& text, std::int16_t& errorCode, int angleUnit);

// The steps of the evaluation, with the counters they share. Exposed for the tests.
class ExpressionEvaluator {
public:
    explicit ExpressionEvaluator(int angleUnit) : angleUnit_(angleUnit) {}

    std::int16_t evaluate(std::string& text);

    void simplifyExpression(std::string& text) const;
    static void tokeniseExpression(std::string& text);
    static std::int16_t checkExpression(const std::string& text);
    void countTokens(const std::string& text);
    void reduceFunctions(std::string& text);
    void reduceParentheses(std::string& text);
    void reduceOperators(std::string& text);

    int parenCount = 0;
    int operatorCount = 0;
    int functionCount = 0;
    // Passes made by the last evaluation.
    int passes = 0;

    // The most passes an evaluation makes before giving up.
    static constexpr int passLimit = 100;

private:
    int angleUnit_;
};

} // namespace calculator
