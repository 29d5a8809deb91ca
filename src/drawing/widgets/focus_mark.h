// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mark of the keyboard focus on the controls the program draws itself (picture buttons,
// the tab strip): a dotted rectangle, one pixel wide, of alternate black and clear pixels, as
// the classic buttons show it. It is painted over the widget while it has the focus and
// never into a retained picture, so printing and copies do not carry it.

#include <QRect>

class QPainter;

namespace drawing {

// Dots along the inside edges of r (logical pixels).
void drawFocusMark(QPainter& painter, const QRect& r);

} // namespace drawing
