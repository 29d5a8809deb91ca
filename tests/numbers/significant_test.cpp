// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a number with a given count of significant digits, and reading a text that must be
// one number and nothing else.
#include "numbers/formats.h"
#include "numbers/reading.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace {

TEST(FormatSignificant, KeepsExactlyTheDigitsAsked) {
    struct Row {
        const char* name;
        double x;
        int digits;
        const char* expected;
    } rows[] = {
        {"trailing zero kept", 0.012, 3, "0,0120"},
        {"rounded to three", 0.0093449, 3, "0,00934"},
        {"half away from zero", 0.00125, 2, "0,0013"},
        {"half of a negative", -0.00125, 2, "-0,0013"},
        {"carry into a new digit", 0.009996, 3, "0,0100"},
        {"whole number", 1234, 4, "1234"},
        {"exponent at the digits", 1234, 3, "1,23E+03"},
        {"carry reaching the digits", 99.96, 3, "100"},
        {"carry past the digits", 999.6, 3, "1,00E+03"},
        {"smallest fixed form", 0.0001, 3, "0,000100"},
        {"below the fixed form", 0.000012, 2, "1,2E-05"},
        {"one digit", 0.0087, 1, "0,009"},
        {"one digit in exponent form", 0.0000087, 1, "9E-06"},
        {"zero", 0, 3, "0"},
        {"not finite", std::numeric_limits<double>::infinity(), 3, "0"},
        {"digits below one taken as one", 0.0087, 0, "0,009"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(numbers::formatSignificant(r.x, r.digits), r.expected) << r.name;
}

TEST(ParseNumberText, TellsAnUnreadableTextFromZero) {
    struct Row {
        const char* name;
        const char* text;
        std::optional<double> expected;
    } rows[] = {
        {"decimal comma", "0,0123", 0.0123},
        {"decimal point", "0.0123", 0.0123},
        {"blanks around", " \t2,5E-3 ", 0.0025},
        {"zero is a number", "0", 0.0},
        {"negative", "-1", -1.0},
        {"empty", "", std::nullopt},
        {"blanks only", "   ", std::nullopt},
        {"text after the number", "0,01 mol/L", std::nullopt},
        {"two numbers", "1 2", std::nullopt},
        {"letters", "abc", std::nullopt},
        {"beyond the doubles", "1E400", std::nullopt},
        {"two separators", "0,1,2", std::nullopt},
    };
    for (const Row& r : rows)
        EXPECT_EQ(numbers::parseNumberText(r.text), r.expected) << r.name;
}

} // namespace
