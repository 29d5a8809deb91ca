// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/bench_overlay.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

namespace printing {
namespace {

// Bench pixels are 1/96 inch: a font in points takes its screen size whatever the
// device's own resolution.
QFont atScreenSize(const QFont& font, const QPaintDevice* device) {
    QFont f(font);
    const int dpi = device ? device->logicalDpiY() : 96;
    if (f.pointSizeF() > 0 && dpi > 0) f.setPointSizeF(f.pointSizeF() * 96.0 / dpi);
    return f;
}

void drawAtTop(QPainter& painter, const QFontMetricsF& metrics, qreal left, qreal top,
               const QString& text) {
    painter.drawText(QPointF(left, top + metrics.ascent()), text);
}

} // namespace

QFont benchValuesFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8);
    return font;
}

void drawBenchValues(QPainter& painter, const BenchValues& values, const QFont& font) {
    painter.save();
    const QFont f = atScreenSize(font, painter.device());
    painter.setFont(f);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(f, painter.device());
    const QRect& box = values.concentrationBox;
    const qreal left =
        box.left() + (box.width() - metrics.horizontalAdvance(values.concentration)) / 2.0;
    drawAtTop(painter, metrics, left, box.top() + 5, values.concentration);
    drawAtTop(painter, metrics, values.readingTopLeft.x(), values.readingTopLeft.y(),
              values.reading);
    painter.restore();
}

void drawBenchValues(QImage& image, qreal scale, const BenchValues& values, const QFont& font) {
    QPainter painter(&image);
    // The painter already works in logical pixels of an image with a pixel ratio.
    const qreal factor = scale / image.devicePixelRatio();
    painter.scale(factor, factor);
    drawBenchValues(painter, values, font);
}

} // namespace printing
