// SPDX-License-Identifier: GPL-3.0-or-later
// The small decisions of the main window's frame, case by case.
#include "bench/shell_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(ShellRules, TheTitleBarStaysOnTheScreen) {
    // A screen of 800 x 600 whose bottom 40 pixels hold a panel.
    const QRect available(0, 0, 800, 560);
    struct Row {
        const char* name;
        QRect frame;
        QPoint expected;
    } rows[] = {
        {"fits: left where it is", {50, 20, 600, 400}, {50, 20}},
        {"above the top: comes down", {50, -30, 600, 400}, {50, 0}},
        {"past the right: comes left", {400, 20, 600, 400}, {200, 20}},
        {"below the bottom: comes up", {50, 300, 600, 400}, {50, 160}},
        {"taller than the area: the top stays on it", {0, -20, 806, 632}, {0, 0}},
        {"wider and taller: the corner stays on it", {-100, 50, 900, 700}, {0, 0}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(bench::titleBarOnScreen(row.frame, available), row.expected) << row.name;
    // A second screen to the right of the first.
    EXPECT_EQ(bench::titleBarOnScreen({1000, -10, 806, 632}, {800, 0, 1024, 740}), QPoint(1000, 0));
}

TEST(ShellRules, ARequestThatStaysIsOpenedOnce) {
    struct Step {
        const char* name;
        const char* read;
        bool emptied;
        const char* opened;
    } steps[] = {
        {"nothing asked", "", true, ""},
        {"a request emptied is opened", "A.E44", true, "A.E44"},
        {"a request that stays is opened", "B.E44", false, "B.E44"},
        {"read again: nothing", "B.E44", false, ""},
        {"and again: nothing", "B.E44", false, ""},
        {"another request that stays is opened", "C.E44", false, "C.E44"},
        {"the record emptied at last", "", false, ""},
        {"the first one again is a new request", "B.E44", false, "B.E44"},
        {"written again by another program, emptied this time", "B.E44", true, "B.E44"},
        {"then the same request again is opened", "B.E44", true, "B.E44"},
    };
    QString unemptied;
    for (const Step& step : steps)
        EXPECT_EQ(bench::requestToOpen(QString::fromLatin1(step.read), step.emptied, unemptied),
                  QString::fromLatin1(step.opened))
            << step.name;
}

} // namespace
