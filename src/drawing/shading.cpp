// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/shading.h"

#include "numbers/rounding.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace drawing {

QImage shadeStrip(Shade shade, int count, double step, int height) {
    if (count <= 0 || height <= 0) return {};
    QImage strip(count, height, QImage::Format_RGB32);
    auto* first = reinterpret_cast<QRgb*>(strip.scanLine(0));
    double g = 0;
    for (int i = 0; i < count; ++i) {
        g += step;
        const int light = numbers::nearest(255 - g);
        const int deep = numbers::nearest(255 - 2 * g);
        first[i] = shade == Shade::Introduced ? qRgb(deep, light, 255) : qRgb(255, light, deep);
    }
    for (int y = 1; y < height; ++y)
        std::memcpy(strip.scanLine(y), first, sizeof(QRgb) * count);
    return strip;
}

void paintShadedBox(QPainter& p, const QImage& strip, int left, int top, int bottom,
                    const QColor& outline) {
    if (strip.isNull()) return;
    const int width = strip.width();
    const int rows = std::min(std::max(bottom - top + 1, 1), strip.height());
    p.drawImage(QRectF(left, top, width, rows), strip, QRectF(0, 0, width, rows));
    const int right = left + width - 1;
    p.fillRect(QRectF(left, top, width, 1), outline);
    p.fillRect(QRectF(left, bottom, width, 1), outline);
    p.fillRect(QRectF(left, top, 1, bottom - top + 1), outline);
    p.fillRect(QRectF(right, top, 1, bottom - top + 1), outline);
}

} // namespace drawing
