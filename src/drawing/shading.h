// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shaded bars of the quantities graph: one colour per pixel column, from white towards blue
// (amounts introduced) or towards orange-red (amounts present), in a dark grey outline.

#include <QColor>
#include <QImage>

class QPainter;

namespace drawing {

enum class Shade { Introduced, Present };

// The columns of a shade: a value g starts at 0 and grows by `step` before each column;
// introduced RGB(255 - 2g, 255 - g, 255), present RGB(255, 255 - g, 255 - 2g). The image is
// `count` columns wide and `height` rows high, each column in one colour.
QImage shadeStrip(Shade shade, int count, double step, int height);

// Paints the columns of `strip` from x = left, rows top..bottom (inclusive; at least one
// row), then outlines the box left..left + width - 1, top..bottom in `outline`. The painter
// works in logical pixels (Picture::paint).
void paintShadedBox(QPainter& p, const QImage& strip, int left, int top, int bottom,
                    const QColor& outline);

} // namespace drawing
