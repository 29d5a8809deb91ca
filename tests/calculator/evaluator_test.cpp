// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluator on whole expressions, as the calculator window passes them.

#include "calculator/evaluator.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using calculator::degrees;
using calculator::radians;

struct Row {
    const char* name;
    const char* expression;
    int angleUnit; // -1: the result is the same in both units
    std::int16_t code;
    const char* result; // for code 0
};

std::int16_t evaluate(std::string& text, int angleUnit) {
    std::int16_t code = -1;
    calculator::evaluateExpression(text, code, angleUnit);
    return code;
}

void check(const Row& row) {
    for (int unit : {degrees, radians}) {
        if (row.angleUnit != -1 && unit != row.angleUnit) continue;
        std::string text = row.expression;
        const std::int16_t code = evaluate(text, unit);
        EXPECT_EQ(code, row.code) << row.name << " (" << row.expression << ", unit " << unit << ")";
        if (row.code == 0 && code == 0) {
            EXPECT_EQ(text, row.result) << row.name << " (" << row.expression << ")";
        }
    }
}

TEST(Evaluator, WorkedExamples) {
    const Row rows[] = {
        {"priority of the product", "1 + 2 * 3", -1, 0, "7"},
        {"group first", "(1 + 2) * 3", -1, 0, "9"},
        {"divisions from the left", "8 / 2 / 2", -1, 0, "2"},
        {"difference before sum", "1 - 2 + 3", -1, 0, "2"},
        {"powers chain from the left", "2 ^ 3 ^ 2", -1, 0, "64"},
        {"unary minus binds first", "-3 ^ 2", -1, 0, "9"},
        {"negative exponent", "2 ^ -1", -1, 0, ".5"},
        {"negative factor", "3 * -2", -1, 0, "-6"},
        {"two minus signs make a plus", "5 - -3", -1, 0, "8"},
        {"minus of an exponent", "1E-3 + 1", -1, 0, "1.001"},
        {"sine in degrees", "sin 30", degrees, 0, ".5"},
        {"arcsine in degrees", "invSIN 1", degrees, 0, "90"},
        {"arcsine in radians", "invSIN 1", radians, 0, "1.5707963267949"},
        {"decimal logarithm", "log 1000", -1, 0, "3"},
        {"logarithm of a group", "ln (2 + 3)", -1, 0, "1.6094379124341"},
        {"function inside a group", "sin (cos 0 * 90)", degrees, 0, "1"},
        {"operator without operand", "3 *", -1, 3, ""},
        {"plus sign is an operator", "3 * +2", -1, 3, ""},
        {"unclosed parenthesis", "(1 + 2", -1, 2, ""},
        {"division by zero", "1 / 0", -1, 1, ""},
        {"square root of a negative", "SQR -4", -1, 1, ""},
        {"logarithm of zero", "log 0", -1, 1, ""},
        {"arcsine beyond 1", "invSIN 2", -1, 1, ""},
        {"function without argument", "sin", -1, 1, ""},
    };
    for (const Row& row : rows)
        check(row);
}

} // namespace

namespace {

TEST(Evaluator, MoreExpressions) {
    const Row rows[] = {
        {"fifteen digits between steps", "1 / 3 * 3", -1, 0, ".999999999999999"},
        {"division before product", "2 * 3 / 4", -1, 0, "1.5"},
        {"nested groups", "2 * (3 + (4 - 1))", -1, 0, "12"},
        {"two groups", "((1 + 2) * (3 + 4))", -1, 0, "21"},
        {"minus before a group", "-(2 + 3)", -1, 0, "-5"},
        {"difference of a negative group", "1 - (2 - 3)", -1, 0, "2"},
        {"power of a negative group", "2 ^ (0 - 1)", -1, 0, ".5"},
        {"minus before a function", "-sin 30", degrees, 0, "-.5"},
        {"function of a negative group", "sin (0 - 30)", degrees, 0, "-.5"},
        {"cosine in degrees", "cos 180", degrees, 0, "-1"},
        {"tangent in degrees", "tan 45", degrees, 0, "1"},
        {"arctangent in degrees", "invTAN 1", degrees, 0, "45"},
        {"arccosine in degrees", "invCOS 0", degrees, 0, "90"},
        {"arccosine of 1", "invCOS 1", -1, 0, "0"},
        {"cosine in radians", "cos 0", radians, 0, "1"},
        {"arcsine of -1 in radians", "invSIN -1", radians, 0, "-1.5707963267949"},
        {"square root", "SQR 16", -1, 0, "4"},
        {"exponential", "exp 1", -1, 0, "2.71828182845905"},
        {"power of ten key", "10 ^ 3", -1, 0, "1000"},
        {"inverse key", "1 / 4", -1, 0, ".25"},
        {"exponent written D", "2.5D+10 / 2.5", -1, 0, "10000000000"},
        {"unit prefix", "5E+3 * 2E-3", -1, 0, "10"},
        {"number written by the pi key", "3.14159265358979 * 2", -1, 0, "6.28318530717958"},
        {"plain number is left as typed", "007", -1, 0, "007"},
        {"too large a number is left to the caller", "1E999", -1, 0, "1E999"},
        {"empty expression", "", -1, 0, "0"},
        {"empty group", "()", -1, 0, "0"},
        {"small result in exponent form", "1 / 20000000", -1, 0, "5E-08"},
        {"large result in exponent form", "1E10 * 1E10", -1, 0, "1E+20"},
        {"overflow of a product", "1E308 * 10", -1, 1, ""},
        {"overflow of an operand", "1E999 + 1", -1, 1, ""},
        {"overflow of the exponential", "exp 1000", -1, 1, ""},
        {"odd root of a negative", "(0 - 8) ^ (1 / 3)", -1, 1, ""},
        {"zero to a negative power", "0 ^ -1", -1, 1, ""},
        {"logarithm of a negative", "ln -1", -1, 1, ""},
        {"operator without left operand", "* 3", -1, 1, ""},
        {"closing before opening", ")1 + 2(", -1, 1, ""},
        {"division without operand", "8 /", -1, 3, ""},
        {"two operators", "2 ^ * 3", -1, 3, ""},
        {"parentheses win over operators", "(3 *", -1, 2, ""},
        {"unopened parenthesis", "1 + 2)", -1, 2, ""},
        // A minus before a group or a function is not a number yet: the function waits.
        {"function of minus a group", "sin -(2 + 3)", degrees, 0, "-.0871557427476582"},
        {"minus before a function of a negative", "-sin -30", degrees, 0, ".5"},
        // Two signs before an argument become a "+", which no function takes.
        {"function of minus a negative", "SQR -ln .5", -1, 1, ""},
        {"function of a lone minus", "sin -", -1, 1, ""},
        // Whatever is left must be one number.
        {"letters", "ABC", -1, 1, ""},
        {"number with a stray parenthesis", "(2)(3", -1, 2, ""},
    };
    for (const Row& row : rows)
        check(row);
}

TEST(Evaluator, GivesUpWithinThePassLimit) {
    // Stuck: a function without argument; an operator without left operand; a ")" first.
    // Progressing: a long chain of operations needs one pass for each.
    const std::pair<const char*, std::int16_t> rows[] = {
        {"sin", 1},
        {"* 3", 1},
        {")1 + 2(", 1},
        {"sin sin sin sin sin 0", 0},
    };
    for (const auto& [expression, code] : rows) {
        calculator::ExpressionEvaluator evaluator(degrees);
        std::string text = expression;
        EXPECT_EQ(evaluator.evaluate(text), code) << expression;
        EXPECT_GE(evaluator.passes, 1) << expression;
        EXPECT_LE(evaluator.passes, calculator::ExpressionEvaluator::passLimit) << expression;
    }
    // Each level of functions nested in groups takes one more pass: forty levels end
    // well within the limit, a hundred and twenty reach it.
    auto nested = [](int depth) {
        std::string text;
        for (int i = 0; i < depth; ++i)
            text += "sin (1 + ";
        text += "0";
        return text + std::string(static_cast<std::size_t>(depth), ')');
    };
    calculator::ExpressionEvaluator evaluator(degrees);
    std::string text = nested(40);
    EXPECT_EQ(evaluator.evaluate(text), 0);
    EXPECT_GT(evaluator.passes, 40);
    text = nested(120);
    EXPECT_EQ(evaluator.evaluate(text), 1);
    EXPECT_EQ(evaluator.passes, calculator::ExpressionEvaluator::passLimit);
}

TEST(EvaluatorSteps, Tokenise) {
    const std::pair<const char*, const char*> rows[] = {
        {"2*SIN30", " 2 * SIN 30 "}, {"ln5", " LON 5 "},       {"INVCOS.5", " ICO .5 "},
        {"invtan1", " ITA 1 "},      {"1E-3+1", " 1E-3 + 1 "}, {"2D+3-1", " 2D+3 - 1 "},
        {"-3^2", " -3 ^ 2 "},        {"3*-2", " 3 * -2 "},     {"(-2)", " (-2) "},
        {"+1+2", " 1 + 2 "},         {"3*", " 3 *  "},         {"SQR-4", " SQR -4 "},
    };
    for (const auto& [input, expected] : rows) {
        std::string text = input;
        calculator::ExpressionEvaluator::tokeniseExpression(text);
        EXPECT_EQ(text, expected) << input;
    }
}

TEST(EvaluatorSteps, Simplify) {
    const std::pair<const char*, const char*> rows[] = {
        {"(-2.5)", " -2.5 "},    {"(3)", " 3 "},
        {"(1E-3)", " (1E-3) "},  {"5 - -3", " 5 + 3 "},
        {"+-+2", " -2 "},        {"((3))", " 3 "},
        {"4 - (-2)", " 4 + 2 "}, {"2 * (+3)", " 2 *  + 3 "},
        {"sin 30", " SIN 30 "},  {"()", " () "},
    };
    calculator::ExpressionEvaluator evaluator(degrees);
    for (const auto& [input, expected] : rows) {
        std::string text = input;
        evaluator.simplifyExpression(text);
        EXPECT_EQ(text, expected) << input;
    }
}

TEST(EvaluatorSteps, CountsAndReductions) {
    calculator::ExpressionEvaluator evaluator(degrees);
    std::string text = " SIN (COS 0 * 90) + LOG 100 ";
    evaluator.countTokens(text);
    EXPECT_EQ(evaluator.parenCount, 1);
    EXPECT_EQ(evaluator.operatorCount, 2);
    EXPECT_EQ(evaluator.functionCount, 3);
    // Only the functions of plain numbers are applied.
    evaluator.reduceFunctions(text);
    EXPECT_EQ(text, " SIN (1 * 90) + 2 ");
    EXPECT_EQ(evaluator.functionCount, 1);
    // The group waits for nothing but its own operators once its functions are gone.
    evaluator.reduceParentheses(text);
    EXPECT_EQ(text, " SIN 90 + 2 ");
    EXPECT_EQ(evaluator.parenCount, 0);
    EXPECT_EQ(evaluator.operatorCount, 1);

    std::string waiting = " SIN (COS 0) ";
    evaluator.countTokens(waiting);
    evaluator.reduceParentheses(waiting); // a keyword inside: nothing to do yet
    EXPECT_EQ(waiting, " SIN (COS 0) ");

    std::string operations = " 2 - 3 ^ 2 * 2 + 1 ";
    evaluator.countTokens(operations);
    evaluator.reduceOperators(operations);
    EXPECT_EQ(operations, " -15 ");
    EXPECT_EQ(evaluator.operatorCount, 0);
}

} // namespace
