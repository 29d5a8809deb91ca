// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small decisions of the main window's frame, apart from the window so that they can be tried
// on every case: where the window goes on a screen too small for it, and which exercise
// request of the temporary file an activation opens.

#include <QPoint>
#include <QRect>
#include <QString>

namespace bench {

// The top-left corner for a window frame on a screen whose free area is available: the frame
// stays where it is if it fits; otherwise it comes back inside, and where it is larger than the
// area, its top-left corner (the title bar and the system menu) is what stays on the screen.
QPoint titleBarOnScreen(const QRect& frame, const QRect& available);

// The exercise an activation opens, from the request read in the temporary file (blanks
// removed) and whether the record could be emptied. A request that could not be emptied is
// opened once: unemptied remembers it, and the same request read again opens nothing.
QString requestToOpen(const QString& request, bool emptied, QString& unemptied);

} // namespace bench
