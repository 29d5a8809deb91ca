// SPDX-License-Identifier: GPL-3.0-or-later
// The glassware of the preparation panel: reagent bottle, pipette and graduated cylinder.

#include "drawing/bench_drawing.h"
#include "numbers/rounding.h"

#include <QRandomGenerator>

#include <cmath>

namespace drawing {

using numbers::nearest;

namespace {
const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
} // namespace

void bouteille(Picture& panel, int xb, int yb, int coulbouch, const UniformRandom& random) {
    panel.setPenMode(PenMode::Copy);
    // Amber body darkening downwards.
    for (int y = yb + 10; y <= yb + 65; ++y) {
        const int m = y - yb - 10;
        panel.line(xb, y, xb + 41, y, QColor(250 - 2 * m, 150 - 2 * m, nearest(50 - 0.7 * m)));
    }
    // Rounded base, its last row black.
    for (int g = 0; g <= 5; ++g) {
        const double inset = std::pow(g, 0.3);
        const QColor c = g == 5 ? black : QColor(150 - 8 * g, 50 - 8 * g, 20 - 4 * g);
        panel.line(nearest(xb + inset), yb + 65 + g, nearest(xb + 41 - inset), yb + 65 + g, c);
    }
    // Shoulder narrowing to the neck.
    for (int f = 0; f <= 10; ++f) {
        const double inset = (f / 3.0) * (f / 3.0);
        const int a = nearest(xb + inset);
        const int b = nearest(xb + 41 - inset);
        const int y = yb + 10 - f;
        panel.line(a, y, b, y, QColor(250 - 4 * f, 150 - 4 * f, 50 - 2 * f));
        panel.point(a, y, black);
        panel.point(b - 1, y, black);
    }
    panel.line(xb, yb + 10, xb, yb + 65, black);
    panel.line(xb + 40, yb + 10, xb + 40, yb + 65, black);
    // Cap.
    panel.fillBox(xb + 13, yb - 10, xb + 27, yb - 1,
                  coulbouch != 0 ? QColor(0, 0, 200) : QColor(255, 0, 0));
    panel.box(xb + 13, yb - 10, xb + 27, yb - 1, black);
    // Label with a scribble of writing on it.
    panel.fillBox(xb + 7, yb + 20, xb + 33, yb + 35, QColor(240, 240, 230));
    panel.box(xb + 7, yb + 20, xb + 33, yb + 35, black);
    const UniformRandom next =
        random ? random : [] { return QRandomGenerator::global()->generateDouble(); };
    const QColor ink = paletteColour(8);
    for (int line = 0; line < 2; ++line)
        for (int k = 0; k < 51; ++k) {
            const double r = next();
            const double r2 = next();
            const double y = line == 0 ? yb + 23 + 3 * r2 : yb + 30 + 2 * r2;
            panel.point(nearest(xb + 10 + 20 * r), nearest(y), ink);
        }
}

void pipette(Picture& panel, int pipx, int pipy) {
    const int X = pipx, Y = pipy;
    panel.setPenMode(PenMode::Copy);
    // Upper stem.
    panel.line(X + 3, Y, X + 3, Y + 35, black);
    panel.line(X + 4, Y, X + 4, Y + 35, white);
    panel.line(X + 6, Y, X + 6, Y + 35, black);
    panel.line(X + 3, Y, X + 6, Y, black);
    panel.line(X + 3, Y + 15, X + 6, Y + 15, black);
    // Lower stem.
    panel.line(X + 3, Y + 65, X + 3, Y + 100, black);
    panel.line(X + 4, Y + 65, X + 4, Y + 100, white);
    panel.line(X + 6, Y + 65, X + 6, Y + 100, black);
    panel.line(X + 3, Y + 85, X + 6, Y + 85, black);
    // Tip.
    panel.line(X + 3, Y + 100, X + 4, Y + 103, black);
    panel.line(X + 6, Y + 100, X + 5, Y + 103, black);
    // Bulb.
    panel.line(X + 3, Y + 35, X, Y + 40, black);
    panel.line(X, Y + 40, X, Y + 60, black);
    panel.line(X, Y + 60, X + 3, Y + 65, black);
    panel.line(X + 2, Y + 40, X + 2, Y + 60, white);
    panel.line(X + 4, Y + 35, X + 2, Y + 40, white);
    panel.line(X + 2, Y + 60, X + 4, Y + 65, white);
    panel.line(X + 6, Y + 35, X + 9, Y + 40, black);
    panel.line(X + 9, Y + 40, X + 9, Y + 60, black);
    panel.line(X + 9, Y + 60, X + 6, Y + 65, black);
}

void graduatedCylinder(Picture& panel, int dx, int dy) {
    panel.setPenMode(PenMode::Copy);
    const QColor light = paletteColour(7);
    const QColor dark = paletteColour(8);
    panel.fillBox(dx + 215, dy + 380, dx + 235, dy + 430, QColor(250, 240, 200));
    for (int i = 1; i <= 40; ++i)
        panel.line(dx + 220, dy + 430 - 2 * i, dx + 230, dy + 430 - 2 * i, light);
    for (int i = 1; i <= 10; ++i)
        panel.line(dx + 215, dy + 430 - 8 * i, dx + 235, dy + 430 - 8 * i, dark);
    panel.line(dx + 217, dy + 340, dx + 217, dy + 430, white);
    panel.line(dx + 234, dy + 340, dx + 234, dy + 430, dark);
    panel.line(dx + 233, dy + 340, dx + 233, dy + 430, light);
    panel.box(dx + 215, dy + 340, dx + 235, dy + 430, black);
    panel.line(dx + 215, dy + 380, dx + 235, dy + 380, black);
    panel.line(dx + 215, dy + 430, dx + 205, dy + 435, black);
    panel.line(dx + 235, dy + 430, dx + 245, dy + 435, black);
    panel.line(dx + 207, dy + 434, dx + 245, dy + 434, black);
}

} // namespace drawing
