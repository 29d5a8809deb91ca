// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon, checked on its pixels.
#include "drawing/program_icon.h"
#include "drawing_test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramIcon, BuretteAboveAFlaskOnATransparentGround) {
    support::application();
    const QImage icon = drawing::programIconImage(64);
    ASSERT_EQ(icon.size(), QSize(64, 64));
    struct Row {
        const char* name;
        QPoint at;
        QColor colour;
    } rows[] = {
        {"burette glass", {32, 6}, QColor(0xf4, 0xee, 0xf8)},
        {"titrant in the burette", {32, 24}, QColor(0xa0, 0x50, 0xa0)},
        {"tip", {32, 40}, Qt::black},
        {"solution in the flask", {32, 51}, QColor(0xb0, 0x60, 0xb0)},
        {"flask glass under it", {32, 58}, QColor(0xe8, 0xe8, 0xf0)},
        {"ground", {4, 4}, Qt::transparent},
        {"ground beside the burette", {20, 20}, Qt::transparent},
    };
    for (const Row& row : rows)
        EXPECT_EQ(icon.pixelColor(row.at).rgba(), row.colour.rgba()) << row.name;
    // Twice the size, the same drawing twice as large.
    const QImage large = drawing::programIconImage(128);
    EXPECT_EQ(large.pixelColor(64, 48).rgba(), QColor(0xa0, 0x50, 0xa0).rgba());
    EXPECT_EQ(large.pixelColor(64, 102).rgba(), QColor(0xb0, 0x60, 0xb0).rgba());
}

TEST(ProgramIcon, EverySizeAWindowSystemAsksFor) {
    support::application();
    const QList<QSize> sizes = drawing::programIcon().availableSizes();
    for (int s : {16, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(s, s))) << s;
}

} // namespace
