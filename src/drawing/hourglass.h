// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hourglass of the waiting notices and of the exercises' durations, drawn by hand: few
// installed fonts carry the sign U+231B.

#include <QPixmap>
#include <QRectF>

class QPainter;

namespace drawing {

// An hourglass filling the rectangle: two glass cones with sand, a bar at top and bottom.
void paintHourglass(QPainter& painter, const QRectF& rect);
// The same as a picture of the given size on a transparent ground.
QPixmap hourglassPicture(int width, int height);

} // namespace drawing
