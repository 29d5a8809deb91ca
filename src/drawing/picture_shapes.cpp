// SPDX-License-Identifier: GPL-3.0-or-later
// The picture's lines and boxes: filled runs of logical pixels. Where the painter would only
// copy an opaque colour onto whole device pixels, the pixels are written straight into the
// image, which gives the same pixels without setting a painter up for each line (the pictures
// draw hundreds of them, the start of the window among others).
#include "drawing/picture.h"

#include <QPainter>
#include <QRgba64>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace drawing {

std::optional<QRgb> Picture::directColour(const QColor& c) const {
    if (penMode_ != PenMode::Copy || !c.isValid() || !c.rgba64().isOpaque()) return std::nullopt;
    if (image_.format() != QImage::Format_RGB32) return std::nullopt;
    // A whole number of device pixels for each logical one, and a shift by whole pixels.
    const qreal ratio = devicePixelRatio();
    if (ratio < 1 || ratio != std::floor(ratio) || scaleLeft_ != std::floor(scaleLeft_))
        return std::nullopt;
    if (std::abs(scaleLeft_) > 1e9) return std::nullopt;
    return c.rgba64().toArgb32();
}

void Picture::fillDirect(int x1, int y1, int x2, int y2, QRgb value) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const auto ratio = std::int64_t(devicePixelRatio());
    const auto shift = std::int64_t(scaleLeft_);
    const std::int64_t left = std::max<std::int64_t>(0, (x1 - shift) * ratio);
    const std::int64_t right = std::min<std::int64_t>(image_.width(), (x2 + 1 - shift) * ratio);
    const std::int64_t top = std::max<std::int64_t>(0, std::int64_t(y1) * ratio);
    const std::int64_t bottom =
        std::min<std::int64_t>(image_.height(), (y2 + std::int64_t(1)) * ratio);
    if (left >= right || top >= bottom) return;
    for (auto y = top; y < bottom; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image_.scanLine(int(y)));
        std::fill(row + left, row + right, value);
    }
}

// Fills the logical pixels x1..x2, y1..y2 (inclusive, in any order). The painter scales by the
// device pixel ratio, so each logical pixel covers its whole block of device pixels.
void Picture::fillLogical(QPainter& p, int x1, int y1, int x2, int y2, const QColor& c) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    p.fillRect(QRectF(x1, y1, x2 - x1 + 1, y2 - y1 + 1), c);
}

void Picture::line(int x1, int y1, int x2, int y2, const QColor& c) {
    if (image_.isNull()) return;
    const std::optional<QRgb> direct = directColour(c);
    QPainter p;
    if (!direct) begin(p);
    auto fill = [&](int a1, int b1, int a2, int b2) {
        if (direct)
            fillDirect(a1, b1, a2, b2, *direct);
        else
            fillLogical(p, a1, b1, a2, b2, c);
    };
    const int w = std::max(1, lineWidth_);
    const int before = (w - 1) / 2;
    const int after = w - 1 - before;
    if (x1 == x2 || y1 == y2) {
        fill(std::min(x1, x2) - before, std::min(y1, y2) - before, std::max(x1, x2) + after,
             std::max(y1, y2) + after);
        return;
    }
    // Bresenham, both ends included; a wide pen stamps a square at each point.
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int x = x1, y = y1;
    for (;;) {
        fill(x - before, y - before, x + after, y + after);
        if (x == x2 && y == y2) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void Picture::box(int x1, int y1, int x2, int y2, const QColor& c) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    line(x1, y1, x2, y1, c);
    line(x1, y2, x2, y2, c);
    if (y2 - y1 > 1) {
        line(x1, y1 + 1, x1, y2 - 1, c);
        line(x2, y1 + 1, x2, y2 - 1, c);
    }
}

void Picture::fillBox(int x1, int y1, int x2, int y2, const QColor& c) {
    if (image_.isNull()) return;
    if (const std::optional<QRgb> direct = directColour(c)) {
        fillDirect(x1, y1, x2, y2, *direct);
        return;
    }
    QPainter p;
    begin(p);
    fillLogical(p, x1, y1, x2, y2, c);
}

void Picture::point(int x, int y, const QColor& c) {
    fillBox(x, y, x, y, c);
}

} // namespace drawing
