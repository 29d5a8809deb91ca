// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/hourglass.h"

#include <QPainter>
#include <QPen>
#include <QPolygonF>

namespace drawing {

void paintHourglass(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal bar = std::max<qreal>(1.5, r.height() / 12);
    const qreal left = r.left() + r.width() * 0.12, right = r.right() - r.width() * 0.12;
    const qreal top = r.top() + bar, bottom = r.bottom() - bar, middle = r.center().y();
    const qreal centre = r.center().x();
    p.setPen(QPen(QColor(60, 40, 0), 1.2));
    p.setBrush(QColor(240, 235, 225));
    p.drawPolygon(QPolygonF({{left, top},
                             {right, top},
                             {centre, middle},
                             {right, bottom},
                             {left, bottom},
                             {centre, middle}}));
    // Sand: what is left above, the heap below and the thread between.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 180, 70));
    const qreal third = (middle - top) / 3;
    const qreal inset = (right - left) / 2 / 3;
    p.drawPolygon(
        QPolygonF({{left + inset, top + third}, {right - inset, top + third}, {centre, middle}}));
    p.drawPolygon(
        QPolygonF({{centre, bottom - 2 * third}, {right - 1, bottom}, {left + 1, bottom}}));
    p.drawRect(QRectF(centre - 0.5, middle, 1, bottom - middle - 2 * third));
    p.setBrush(QColor(150, 90, 40));
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(QRectF(r.left(), r.top(), r.width(), bar));
    p.drawRect(QRectF(r.left(), r.bottom() - bar, r.width(), bar));
    p.restore();
}

QPixmap hourglassPicture(int width, int height) {
    QPixmap picture(width, height);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    paintHourglass(p, QRectF(1, 1, width - 2, height - 2));
    return picture;
}

} // namespace drawing
