// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/decimal.h"
#include "numbers/formats.h"
#include "numbers/reading.h"
#include "numbers/rounding.h"
#include "numbers/windows1252.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

using numbers::formatGeneral;
using numbers::formatPattern;
using numbers::leadingNumber;
using numbers::nearest;
using numbers::parseBenchNumber;

TEST(Nearest, HalvesGoToEvenAndSaturate) {
    struct Row {
        double x;
        int expected;
    } rows[] = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {-0.5, 0},
        {-1.5, -2},
        {2.4999, 2},
        {231.5, 232},
        {230.5, 230},
        {40000, 32767},
        {-40000, -32768},
        {32767.4, 32767},
        {std::numeric_limits<double>::quiet_NaN(), 0},
        {std::numeric_limits<double>::infinity(), 32767},
    };
    for (const auto& r : rows)
        EXPECT_EQ(nearest(r.x), r.expected) << r.x;
}

TEST(ParseBenchNumber, ReadsTypedTexts) {
    struct Row {
        const char* text;
        float expected;
    } rows[] = {
        {"0,01", 0.01f},    {" 0,5 ", 0.5f},
        {"-2,5", -2.5f},    {"+3", 3.0f},
        {"1,", 1.0f},       {",5", 0.5f},
        {"25", 25.0f},      {"1E-05", 1e-5f},
        {"2,5E-01", 0.25f}, {"1,23E-02", 0.0123f},
        {"1e3", 1000.0f},   {"0.25", 0.25f},
        {"\t7\t", 7.0f},    {"0,012345", 0.012345f},
        {"1,5D+1", 15.0f},  {"000,1", 0.1f},
    };
    for (const auto& r : rows)
        EXPECT_EQ(parseBenchNumber(r.text), r.expected) << r.text;
}

TEST(ParseBenchNumber, UnreadableTextsGiveZero) {
    for (const char* text : {"", " ", "abc", "Text1", "1,2,3", "1,5 mL", "--1", "-", ",", "1E",
                             "1E+", "1e50", "12a", "1 2", "inf", "nan", "0x10", "1,.5", "- 1"})
        EXPECT_EQ(parseBenchNumber(text), 0.0f) << '"' << text << '"';
}

TEST(ParseBenchDouble, KeepsTheTypedDecimals) {
    struct Row {
        const char* text;
        double expected;
    } rows[] = {
        {"9,85", 9.85},  {" 8,1 ", 8.1}, {"24,95", 24.95}, {"0.25", 0.25},
        {"1E-05", 1e-5}, {"abc", 0},     {"1,5 mL", 0},    {"", 0},
    };
    for (const auto& r : rows)
        EXPECT_EQ(numbers::parseBenchDouble(r.text), r.expected) << r.text;
    // Where single precision leaves a binary tail, the double sum does not.
    EXPECT_EQ(numbers::formatGeneral(numbers::parseBenchDouble("9,85") + 0.05), "9,9");
    EXPECT_EQ(numbers::formatGeneral(numbers::parseBenchDouble("24,95") + 0.05), "25");
}

TEST(LeadingNumber, ReadsTheStartOfAListItem) {
    struct Row {
        const char* text;
        double expected;
    } rows[] = {
        {"10 mL", 10},   {"0", 0},   {"20 mL", 20}, {"  5 mL", 5}, {"", 0},   {"mL", 0},
        {"1.5 mL", 1.5}, {"1,5", 1}, {"-2", -2},    {"1E2x", 100}, {"3E", 3}, {"+", 0},
    };
    for (const auto& r : rows)
        EXPECT_EQ(leadingNumber(r.text), r.expected) << r.text;
}

TEST(ReadNumber, TheValRuleAndItsSyntaxes) {
    struct Row {
        const char* name;
        const char* text;
        numbers::NumberSyntax syntax;
        double value;
        std::size_t length;
        bool overflow;
    };
    const numbers::NumberSyntax point{}, comma{".,", true}, noPlus{".", false};
    const Row rows[] = {
        {"blanks skipped", " \t\r\n12 mL", point, 12, 6, false},
        {"D is an exponent too", "1D2", point, 100, 3, false},
        {"lower-case exponent", "2.5e-1x", point, 0.25, 6, false},
        {"exponent without digits", "3E+", point, 3, 1, false},
        {"point first", "-.5", point, -0.5, 3, false},
        {"one point only", "1.2.3", point, 1.2, 3, false},
        {"comma not read by default", "1,5", point, 1, 1, false},
        {"comma read when asked", "1,5", comma, 1.5, 3, false},
        {"plus sign", "+4", point, 4, 2, false},
        {"plus sign refused", "+4", noPlus, 0, 0, false},
        {"sign alone", "-", point, 0, 0, false},
        {"no number", "mL", point, 0, 0, false},
        {"beyond a double", "-1E999", point, -HUGE_VAL, 6, true},
        {"below the smallest double", "1E-999", point, 0, 6, false},
        {"zero with a huge exponent", "0.000E999", point, 0, 9, false},
    };
    for (const Row& r : rows) {
        const numbers::NumberPrefix n = numbers::readNumber(r.text, r.syntax);
        EXPECT_EQ(n.value, r.value) << r.name;
        EXPECT_EQ(n.length, r.length) << r.name;
        EXPECT_EQ(n.overflow, r.overflow) << r.name;
    }
    bool overflow = false;
    EXPECT_EQ(numbers::leadingNumber(" 1E999", point, &overflow), 0);
    EXPECT_TRUE(overflow);
}

TEST(Decompose, DigitsAndExponent) {
    struct Row {
        double x;
        int significant;
        bool negative;
        const char* digits;
        int exponent;
    };
    const Row rows[] = {
        {1234.5, 15, false, "12345", 3}, {-0.00012345678, 8, true, "12345678", -4},
        {0.125, 2, false, "12", -1},     {0.135, 2, false, "14", -1},
        {9.96, 2, false, "1", 1},        {0, 15, false, "", 0},
        {HUGE_VAL, 15, false, "", 0},    {double(0.0145f), 7, false, "145", -2},
    };
    for (const Row& r : rows) {
        const numbers::Decimal d = numbers::decompose(r.x, r.significant);
        EXPECT_EQ(d.negative, r.negative) << r.x;
        EXPECT_EQ(d.digits, r.digits) << r.x;
        EXPECT_EQ(d.exponent, r.exponent) << r.x;
    }
}

TEST(Windows1252, EveryByteHasACharacterThatComesBackToIt) {
    for (int b = 0; b < 256; ++b) {
        const char32_t c = numbers::fromWindows1252(static_cast<unsigned char>(b));
        EXPECT_EQ(numbers::toWindows1252(c), static_cast<unsigned char>(b)) << b;
    }
    EXPECT_EQ(numbers::fromWindows1252(0x80), U'\u20AC');
    EXPECT_EQ(numbers::fromWindows1252(0x9F), U'\u0178');
    // The bytes the code page leaves undefined are the C1 controls of the same value.
    for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(numbers::fromWindows1252(b), char32_t(b)) << int(b);
    for (char32_t c : {U'\u0080', U'\u009F', U'\u03A9', U'\U0001F600'})
        EXPECT_FALSE(numbers::toWindows1252(c).has_value()) << unsigned(c);
}

TEST(FormatPattern, RoundsHalfAwayOnDecimalDigits) {
    struct Row {
        double x;
        const char* pattern;
        const char* expected;
    } rows[] = {
        {0.254, "0.0E+00", "2,5E-01"},
        {0.0476, "0.0E+00", "4,8E-02"},
        {0.125, "0.0E+00", "1,3E-01"},
        {9.96, "0.0E+00", "1,0E+01"},
        {0, "0.00E+00", "0,00E+00"},
        {0.2, "0.00E+00", "2,00E-01"},
        {25, "0.00E+00", "2,50E+01"},
        {1e-5, "0.00E+00", "1,00E-05"},
        {1.5e-10, "0.00E+00", "1,50E-10"},
        {1.23e100, "0.00E+00", "1,23E+100"},
        {-0.012345, "0.00E+00", "-1,23E-02"},
        {0.00049995, "0.00E+00", "5,00E-04"},
        {25.0, "####0.0", "25,0"},
        {0, "####0.0", "0,0"},
        {24.9, "####0.0", "24,9"},
        {0.05, "####0.0", "0,1"},
        {0.04, "####0.0", "0,0"},
        {-0.04, "####0.0", "0,0"},
        {12345.67, "####0.0", "12345,7"},
        {123456.7, "####0.0", "123456,7"},
        {99.95, "####0.0", "100,0"},
        {2.675, "0.00", "2,68"},
        {1.5, "0.0#", "1,5"},
        {3, "0", "3"},
        {0.5, "#.#", ",5"},
        {1234, "0.0E-00", "1,2E03"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(formatPattern(r.x, r.pattern), r.expected) << r.x << ' ' << r.pattern;
}

TEST(FormatPattern, SinglesRoundOnTheirSevenDigits) {
    // 0.0145f is 0.01449999958... in binary: as a single it reads 0,0145 and rounds up;
    // the same bits widened to double keep their binary tail and round down.
    EXPECT_EQ(formatPattern(0.0145f, "0.0E+00"), "1,5E-02");
    EXPECT_EQ(formatPattern(static_cast<double>(0.0145f), "0.0E+00"), "1,4E-02");
    EXPECT_EQ(formatPattern(0.012345f, "0.00E+00"), "1,23E-02");
    EXPECT_EQ(formatPattern(24.95f, "####0.0"), "25,0");
    EXPECT_EQ(formatPattern(0.3f + 0.1f, "####0.0"), "0,4");
    EXPECT_EQ(formatPattern(0, "####0.0"), "0,0");
}

TEST(FormatGeneral, SevenDigitsForSinglesFifteenForDoubles) {
    EXPECT_EQ(formatGeneral(25), "25");
    EXPECT_EQ(formatGeneral(0), "0");
    EXPECT_EQ(formatGeneral(0.0001f), "0,0001");
    EXPECT_EQ(formatGeneral(0.2f), "0,2");
    EXPECT_EQ(formatGeneral(24.95f), "24,95");
    EXPECT_EQ(formatGeneral(0.0123f), "0,0123");
    EXPECT_EQ(formatGeneral(1e-5f), "1E-05");
    EXPECT_EQ(formatGeneral(0.00001234f), "1,234E-05");
    EXPECT_EQ(formatGeneral(0.00012345f), "0,00012345");
    EXPECT_EQ(formatGeneral(1234567.0f), "1234567");
    EXPECT_EQ(formatGeneral(12345678.0f), "1,234568E+07");
    EXPECT_EQ(formatGeneral(1e7f), "1E+07");
    EXPECT_EQ(formatGeneral(-2.5f), "-2,5");
    EXPECT_EQ(formatGeneral(0.1 + 0.2), "0,3");
    EXPECT_EQ(formatGeneral(0.0002), "0,0002");
    EXPECT_EQ(formatGeneral(123456789012345.0), "123456789012345");
    EXPECT_EQ(formatGeneral(1e15), "1E+15");
    EXPECT_EQ(formatGeneral(2.5e-5), "2,5E-05");
    // A single widened to double shows its binary tail: keep bench values as float.
    EXPECT_EQ(formatGeneral(static_cast<double>(0.0123f)), "0,0122999995946884");
    EXPECT_EQ(formatGeneral(static_cast<double>(24.95f) + 0.05), "25,0000007629395");
}

TEST(Numbers, ValidationRoundTrip) {
    // A typed concentration is brought to three significant digits and written back.
    float x = parseBenchNumber("0,012345");
    std::string rounded = formatPattern(x, "0.00E+00");
    EXPECT_EQ(rounded, "1,23E-02");
    float back = parseBenchNumber(rounded);
    EXPECT_EQ(back, 0.0123f);
    EXPECT_EQ(formatGeneral(back), "0,0123");
    // A short typed value reads back to the same single from its general text.
    for (float v : {0.0001f, 0.2f, 24.95f, 1e-5f, 0.00001234f, 1234567.0f, 0.1f + 0.2f})
        EXPECT_EQ(parseBenchNumber(formatGeneral(v)), v) << v;
}

TEST(Numbers, WrittenValuesReadBackCloseOverEveryMagnitude) {
    std::mt19937 random(12345);
    std::uniform_real_distribution<float> mantissa(1.0f, 10.0f);
    std::uniform_int_distribution<int> exponent(-12, 12);
    for (int i = 0; i < 2000; ++i) {
        const float x = mantissa(random) * std::pow(10.0f, static_cast<float>(exponent(random)));
        const float general = parseBenchNumber(formatGeneral(x));
        EXPECT_NEAR(general, x, 1e-6f * x) << formatGeneral(x);
        const float threeDigits = parseBenchNumber(formatPattern(x, "0.00E+00"));
        EXPECT_NEAR(threeDigits, x, 5.01e-3f * x) << formatPattern(x, "0.00E+00");
        EXPECT_EQ(parseBenchNumber(formatPattern(threeDigits, "0.00E+00")), threeDigits);
    }
}

} // namespace
