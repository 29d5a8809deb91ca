// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/tabs.h"

#include "drawing/drawing_test_support.h"
#include "drawing/picture.h"
#include "numbers/rounding.h"

#include <gtest/gtest.h>

namespace {

using drawing::Picture;

const QColor back(236, 233, 216);
const QColor white(255, 255, 255);
const QColor black(0, 0, 0);
const QColor darkGrey(128, 128, 128);
const QColor beige(210, 205, 200);

struct Painted {
    Picture pic;
    drawing::TabStrip strip;
    int h;
};

Painted paint(int currentTab) {
    support::application();
    Painted p{Picture(457, 297, 1.0, back), {}, 0};
    p.strip = drawing::paintTabStrip(p.pic, currentTab);
    p.h = numbers::nearest(p.pic.textHeight(QStringLiteral("W")));
    return p;
}

// Top row of the caption ink in the x range of a tab.
int inkTop(const Painted& p, int left, int right) {
    for (int y = 0; y <= p.h; ++y)
        for (int x = left + 3; x < right - 2; ++x)
            if (p.pic.pixel(x, y).red() < 100) return y;
    return -1;
}

TEST(Tabs, EdgesAndChildOfTheSelectedTab) {
    const Painted first = paint(1);
    const Painted second = paint(2);
    const Painted third = paint(3);
    drawingtest::save(first.pic, "tabs_first");
    drawingtest::save(second.pic, "tabs_second");
    drawingtest::save(third.pic, "tabs_third");
    for (const Painted* p : {&first, &second, &third}) {
        EXPECT_EQ(p->strip.tabEdges[0], -1);
        EXPECT_EQ(p->strip.tabEdges[3], 457);
        // Each tab is as wide as its caption and two equal gaps: the longest caption, the
        // first, makes the widest tab.
        const int w1 = p->strip.tabEdges[1] - p->strip.tabEdges[0];
        const int w2 = p->strip.tabEdges[2] - p->strip.tabEdges[1];
        const int w3 = p->strip.tabEdges[3] - p->strip.tabEdges[2];
        EXPECT_GT(w1, w2);
        EXPECT_GT(w1, w3);
        EXPECT_GT(w2, 100);
        EXPECT_GT(w3, 100);
        ASSERT_TRUE(p->strip.child.has_value());
        EXPECT_EQ(*p->strip.child, QRect(4, p->h + 5, 449, 297 - p->h - 9));
    }
    EXPECT_EQ(first.strip.currentTab, 1);
    EXPECT_EQ(second.strip.currentTab, 2);
    EXPECT_EQ(third.strip.currentTab, 3);
    // The selected caption is measured in bold: the boundaries move away from it.
    EXPECT_GT(first.strip.tabEdges[1], second.strip.tabEdges[1]);
    EXPECT_GT(second.strip.tabEdges[2], first.strip.tabEdges[2]);
    EXPECT_GT(third.strip.tabEdges[3] - third.strip.tabEdges[2],
              first.strip.tabEdges[3] - first.strip.tabEdges[2]);
}

TEST(Tabs, ZeroPaintsTheFirstTab) {
    const Painted zero = paint(0);
    EXPECT_EQ(zero.strip.currentTab, 1);
    EXPECT_EQ(zero.pic.image(), paint(1).pic.image());
}

TEST(Tabs, BaseLineOpensUnderTheSelectedTab) {
    const Painted first = paint(1);
    const Painted second = paint(2);
    const Painted third = paint(3);
    const Painted none = paint(4);
    const int base = first.h + 1;
    // A point under the middle of each tab, for each selection: open only under the selected.
    for (const Painted* p : {&first, &second, &third, &none}) {
        for (int tab = 1; tab <= drawing::tabCount; ++tab) {
            const int middle = (p->strip.tabEdges[tab - 1] + p->strip.tabEdges[tab]) / 2;
            EXPECT_EQ(p->pic.pixel(middle, base), tab == p->strip.currentTab ? back : white)
                << "tab " << tab << " with tab " << p->strip.currentTab << " selected";
        }
    }
    EXPECT_EQ(first.pic.pixel(1, base), white);
    // Edges of the tabs: dark grey, then white.
    for (int i : {1, 2}) {
        const int e = first.strip.tabEdges[i];
        EXPECT_EQ(first.pic.pixel(e - 1, 5), darkGrey) << i;
        EXPECT_EQ(first.pic.pixel(e, 5), white) << i;
        EXPECT_EQ(first.pic.pixel(e + 1, 5), white) << i;
    }
    EXPECT_EQ(first.pic.pixel(100, 0), white);
    EXPECT_EQ(first.pic.pixel(first.strip.tabEdges[2] + 30, 0), white);
}

TEST(Tabs, SelectedCaptionIsOnePixelLower) {
    const Painted first = paint(1);
    const Painted second = paint(2);
    const Painted third = paint(3);
    const Painted* painted[] = {&first, &second, &third};
    for (int tab = 1; tab <= 3; ++tab) {
        const Painted& selected = *painted[tab - 1];
        const Painted& other = *painted[tab % 3];
        const auto top = [tab](const Painted& p) {
            return inkTop(p, p.strip.tabEdges[tab - 1], p.strip.tabEdges[tab]);
        };
        EXPECT_EQ(top(selected), top(other) + 1) << "tab " << tab;
    }
}

TEST(Tabs, PanelFrameIsBeigeOnlyWithATab) {
    const Painted first = paint(1);
    const Painted none = paint(4);
    const int h = first.h;
    EXPECT_EQ(first.pic.pixel(1, 150), beige);
    EXPECT_EQ(first.pic.pixel(2, 150), beige);
    EXPECT_EQ(first.pic.pixel(3, 150), darkGrey);
    EXPECT_EQ(first.pic.pixel(200, h + 5), white);
    EXPECT_EQ(first.pic.pixel(453, 150), white); // the white box covers the grey one there
    EXPECT_EQ(first.pic.pixel(454, 150), beige);
    EXPECT_EQ(first.pic.pixel(456, 150), darkGrey); // outline of the strip
    EXPECT_EQ(none.pic.pixel(1, 150), black);
    EXPECT_EQ(none.pic.pixel(454, 150), black);
    EXPECT_FALSE(none.strip.child.has_value());
    EXPECT_EQ(none.strip.currentTab, 4);
}

TEST(Tabs, ReleaseSelectsTheTabUnderIt) {
    const drawing::TabEdges edges{-1, 200, 330, 457, 0, 0};
    struct Row {
        const char* name;
        int x, y;
        std::optional<int> expected;
    };
    const Row rows[] = {
        {"left edge", 0, 0, 1},
        {"boundary belongs to the left tab", 200, 15, 1},
        {"just right of the boundary", 201, 7, 2},
        {"second boundary", 330, 7, 2},
        {"third tab", 331, 7, 3},
        {"right edge", 457, 7, 3},
        {"right of the last tab", 458, 7, 0},
        {"left of the strip", -1, 7, 0},
        {"below the strip", 100, 16, std::nullopt},
        {"above the strip", 100, -1, std::nullopt},
    };
    for (const Row& r : rows)
        EXPECT_EQ(drawing::tabAt(r.x, r.y, edges), r.expected) << r.name;
}

} // namespace
