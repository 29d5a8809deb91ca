// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared helpers of the drawing tests: colour comparisons on chosen pixels.

#include "drawing/picture.h"
#include "support/application.h"

#include <QColor>

namespace drawingtest {

inline QColor rgb(int r, int g, int b) {
    return QColor(r, g, b);
}

// Saves a picture for a look with an image viewer (only when TITRAGE_TEST_IMAGES names a
// folder).
inline void save(const drawing::Picture& pic, const char* name) {
    const QByteArray dir = qgetenv("TITRAGE_TEST_IMAGES");
    if (!dir.isEmpty()) pic.image().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
}

// The colour the mask pen leaves: the bitwise AND of the tint and what was there.
inline QColor masked(const QColor& tint, const QColor& under) {
    return QColor(tint.red() & under.red(), tint.green() & under.green(),
                  tint.blue() & under.blue());
}

// The colour of logical pixel (x, y) of a picture's background.
inline QColor backgroundPixel(const drawing::Picture& pic, int x, int y) {
    const qreal r = pic.devicePixelRatio();
    return pic.background().pixelColor(int(x * r), int(y * r));
}

// Whether some pixel of the rectangle is darker than the limit on every channel.
inline bool hasInkDarkerThan(const drawing::Picture& pic, int x1, int y1, int x2, int y2,
                             int limit) {
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) {
            const QColor c = pic.pixel(x, y);
            if (c.red() < limit && c.green() < limit && c.blue() < limit) return true;
        }
    return false;
}

} // namespace drawingtest
