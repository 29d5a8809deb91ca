// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the printing tests look for in a picture: the ink of the written values.

#include <QImage>
#include <QRect>

namespace test {

// Pixels darker than any colour of the fake pictures: the written values.
inline bool isInk(QRgb p) {
    return qRed(p) < 90 && qGreen(p) < 90 && qBlue(p) < 90;
}

// Bounding box of the ink pixels of an image inside a region.
inline QRect inkBounds(const QImage& image, const QRect& region) {
    QRect bounds;
    const QRect r = region & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (isInk(image.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace test
