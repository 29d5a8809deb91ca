// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing numbers as the calculator does.

#include "calculator/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace calculator;

TEST(NumberText, ReadsTheLongestNumberAtTheStart) {
    struct Row {
        const char* text;
        double value;
        std::size_t length;
    };
    const Row rows[] = {
        {"12", 12, 2},     {".5", 0.5, 2},      {"-.5", -0.5, 3},  {"2.5D+10", 2.5e10, 7},
        {"1E-3", 1e-3, 4}, {"1e3", 1000, 3},    {"3.2.1", 3.2, 3}, {"2E", 2, 1},
        {"2E+", 2, 1},     {"7)", 7, 1},        {"5.", 5, 2},      {"-", 0, 0},
        {".", 0, 0},       {"SIN", 0, 0},       {"", 0, 0},        {"+3", 0, 0},
        {"1E-400", 0, 6},  {"0.000E999", 0, 9},
    };
    for (const Row& row : rows) {
        const numbers::NumberPrefix n = numbers::readNumber(row.text, calculatorSyntax);
        EXPECT_DOUBLE_EQ(n.value, row.value) << row.text;
        EXPECT_EQ(n.length, row.length) << row.text;
        EXPECT_FALSE(n.overflow) << row.text;
    }
}

TEST(NumberText, ReportsNumbersBeyondADouble) {
    for (const char* text : {"1E999", "-1E999", "99999E305", "1E99999999999999"})
        EXPECT_TRUE(numbers::readNumber(text, calculatorSyntax).overflow) << text;
    EXPECT_FALSE(numbers::readNumber("1.7E308", calculatorSyntax).overflow);
    bool overflow = false;
    EXPECT_EQ(numbers::leadingNumber("  1E999", calculatorSyntax, &overflow), 0);
    EXPECT_TRUE(overflow);
}

TEST(NumberText, LeadingNumberSkipsBlanks) {
    EXPECT_EQ(numbers::leadingNumber(" 7", calculatorSyntax), 7);
    EXPECT_EQ(numbers::leadingNumber("   -6 * 2", calculatorSyntax), -6);
    EXPECT_EQ(numbers::leadingNumber("Calcul impossible", calculatorSyntax), 0);
    EXPECT_EQ(numbers::leadingNumber("", calculatorSyntax), 0);
}

TEST(NumberText, WritesFifteenSignificantDigits) {
    struct Row {
        double value;
        const char* text;
    };
    const Row rows[] = {
        {0, "0"},
        {-0.0, "0"},
        {7, "7"},
        {0.5, ".5"},
        {-0.5, "-.5"},
        {1234.5, "1234.5"},
        {1e20, "1E+20"},
        {1e-7, "1E-07"},
        {-2.5e-5, "-2.5E-05"},
        {1e-4, ".0001"},
        {123456789012345, "123456789012345"},
        {1e15, "1E+15"},
        {1.0 / 3, ".333333333333333"},
        {2.0 / 3, ".666666666666667"},
        {0.1 + 0.2, ".3"},
        {999999999999999.9, "1E+15"},
        {1e300, "1E+300"},
        {1.5e-300, "1.5E-300"},
        {3.14159265358979311, "3.14159265358979"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(writeNumber(row.value), row.text) << row.value;
}

TEST(NumberText, WrittenNumbersReadBackToTheSameDigits) {
    for (double x : {1.0 / 7, -123.456e-9, 6.02214076e23, 9.87654321e-300, 42.0}) {
        const std::string text = writeNumber(x);
        EXPECT_EQ(writeNumber(numbers::readNumber(text, calculatorSyntax).value), text);
        EXPECT_EQ(numbers::readNumber(text, calculatorSyntax).length, text.size()) << text;
    }
}

TEST(NumberText, DisplayFormats) {
    EXPECT_EQ(formatStandard(7), " 7");
    EXPECT_EQ(formatStandard(0.5), " .5");
    EXPECT_EQ(formatStandard(-6), "-6");
    EXPECT_EQ(formatScientific(1234.5), "1.2345E+03");
    EXPECT_EQ(formatScientific(7), "7.E+00");
    EXPECT_EQ(formatScientific(-0.00012345678), "-1.2345678E-04");
    EXPECT_EQ(formatScientific(123456789), "1.2345679E+08");
    EXPECT_EQ(formatScientific(9.999999999), "1.E+01");
    EXPECT_EQ(formatScientific(1e-120), "1.E-120");
    EXPECT_EQ(formatScientific(0), "0.E+00");
}

TEST(NumberText, NumberTokens) {
    for (const char* text : {"7", "-.5", "1E+20", "2E", "2E-", "007", "5."})
        EXPECT_TRUE(isNumberToken(text)) << text;
    for (const char* text : {"", "-", ".", "E5", "ABC", "3)", "1E5E5", "2+3", "SIN"})
        EXPECT_FALSE(isNumberToken(text)) << text;
}

} // namespace
