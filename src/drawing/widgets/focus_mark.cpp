// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/widgets/focus_mark.h"

#include <QBrush>
#include <QPainter>

namespace drawing {

void drawFocusMark(QPainter& painter, const QRect& r) {
    if (r.width() < 1 || r.height() < 1) return;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(Qt::black, Qt::Dense4Pattern));
    painter.drawRect(r.left(), r.top(), r.width(), 1);
    painter.drawRect(r.left(), r.bottom(), r.width(), 1);
    painter.drawRect(r.left(), r.top(), 1, r.height());
    painter.drawRect(r.right(), r.top(), 1, r.height());
    painter.restore();
}

} // namespace drawing
