// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/formats.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(FormatSignificant, AsAMeterShowsIt) {
    struct Row {
        const char* name;
        double x;
        int digits;
        const char* text;
    };
    const Row rows[] = {
        {"units", 1.2345, 3, "1,23"},
        {"tens", 12.345, 3, "12,3"},
        {"hundreds", 123.45, 3, "123"},
        {"thousands keep their zeros", 1234.5, 3, "1230"},
        {"below one", 0.0123456, 3, "0,0123"},
        {"trailing zeros kept", 4.5, 3, "4,50"},
        {"rounding carries into a new digit", 9.9951, 3, "10,0"},
        {"rounding carries below one", 0.099951, 3, "0,100"},
        {"negative", -0.51234, 2, "-0,51"},
        {"one digit", 0.5117, 1, "0,5"},
        {"zero", 0, 3, "0"},
        {"no digits asked: one", 7.6, 0, "8"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(numbers::formatSignificant(row.x, row.digits), row.text) << row.name;
    EXPECT_EQ(numbers::formatSignificant(std::numeric_limits<double>::quiet_NaN(), 3), "");
    EXPECT_EQ(numbers::formatSignificant(std::numeric_limits<double>::infinity(), 3), "");
}

} // namespace
