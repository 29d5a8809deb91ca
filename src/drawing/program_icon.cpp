// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/program_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace drawing {
namespace {

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

} // namespace

QImage programIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    const QPen outline(Qt::black, 1);
    // The burette, its purple titrant and its tip.
    p.setPen(outline);
    p.setBrush(QColor(0xf4, 0xee, 0xf8));
    p.drawRect(QRectF(28, 2, 8, 34));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xa0, 0x50, 0xa0));
    p.drawRect(QRectF(29, 12, 6, 24));
    p.setBrush(Qt::black);
    p.drawRect(QRectF(31, 36, 2, 8));
    // The conical flask and the solution in it.
    p.setPen(outline);
    p.setBrush(QColor(0xe8, 0xe8, 0xf0));
    p.drawPath(polygon({{26, 44}, {38, 44}, {38, 48}, {50, 60}, {14, 60}, {26, 48}}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xb0, 0x60, 0xb0));
    p.drawPath(polygon({{19, 55}, {28, 48}, {36, 48}, {45, 55}}));
    return image;
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(programIconImage(size)));
    return icon;
}

} // namespace drawing
