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
    for (const Row& row : rows) check(row);
}

} // namespace
