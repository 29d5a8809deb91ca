// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/tabs.h"

#include "drawing/picture.h"
#include "numbers/rounding.h"

#include <cmath>

namespace drawing {

namespace {

const QColor black(0, 0, 0);
const QColor darkGrey(128, 128, 128);
const QColor white(255, 255, 255);
const QColor beige(210, 205, 200);

} // namespace

QString tabCaption(int tab) {
    switch (tab) {
    case 1:
        return QStringLiteral("Quantités de matière");
    case 2:
        return QStringLiteral("Affichage");
    case 3:
        return QStringLiteral("Courbes");
    default:
        return {};
    }
}

TabStrip paintTabStrip(Picture& pic, int currentTab) {
    TabStrip strip;
    if (currentTab == 0) currentTab = 1;
    strip.currentTab = currentTab;
    const int s = (currentTab >= 1 && currentTab <= tabCount) ? currentTab : 0;

    pic.restart();

    const int sw = pic.width();
    const int sh = pic.height();
    const int h = numbers::nearest(pic.textHeight(QStringLiteral("W")));

    auto captionWidth = [&](int i) {
        pic.setBold(i == s);
        const double width = pic.textWidth(tabCaption(i));
        pic.setBold(false);
        return width;
    };
    double total = 0;
    for (int i = 1; i <= tabCount; ++i)
        total = numbers::nearest(total + captionWidth(i));
    const float gap = float((sw - total) / (2 * tabCount));

    TabEdges& e = strip.tabEdges;
    e[0] = -1;
    for (int i = 1; i < tabCount; ++i)
        e[i] = numbers::nearest(e[i - 1] + captionWidth(i) + 2 * double(gap));
    e[tabCount] = std::int16_t(sw);

    pic.box(0, 0, sw - 1, sh - 1, darkGrey);
    pic.line(0, 0, 0, sh - 1, white);
    for (int i = 0; i <= tabCount; ++i) {
        pic.line(e[i] - 1, 1, e[i] - 1, h + 1, darkGrey);
        pic.line(e[i], 0, e[i], h, white);
        pic.line(e[i] + 1, 0, e[i] + 1, h + 1, white);
    }
    for (int i = 0; i < tabCount; ++i)
        pic.line(e[i] + 1, 0, e[i + 1] - 1, 0, white);
    if (s != 0) {
        pic.line(0, h + 1, e[s - 1] + 2, h + 1, white);
        pic.line(e[s], h + 1, sw, h + 1, white);
    } else {
        pic.line(0, h + 1, sw, h + 1, white);
    }

    for (int i = 1; i <= tabCount; ++i) {
        pic.setBold(i == s);
        pic.currentX = e[i - 1] + double(gap);
        pic.currentY = i == s ? 2 : 1;
        pic.printRun(tabCaption(i));
    }
    pic.setBold(false);

    if (s != 0) strip.child = QRect(4, h + 5, sw - 8, sh - h - 9);

    const QColor outer = s != 0 ? beige : black;
    pic.box(1, h + 2, sw - 2, sh - 2, outer);
    pic.box(2, h + 3, sw - 3, sh - 3, outer);
    pic.box(3, h + 4, sw - 4, sh - 4, darkGrey);
    pic.box(4, h + 5, sw - 4, sh - 4, white);
    return strip;
}

std::optional<int> tabAt(int x, int y, const TabEdges& tabEdges) {
    if (y < 0 || y > 15) return std::nullopt;
    for (int i = 1; i <= 3; ++i)
        if (tabEdges[i - 1] < x && x <= tabEdges[i]) return i;
    return 0;
}

} // namespace drawing
