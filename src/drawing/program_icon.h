// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's icon, a burette above a conical flask, as packaging/fr.titrage.Titrage.svg draws it
// for the desktop menus. The window icon is painted here so that the program needs no SVG reader.

#include <QIcon>
#include <QImage>

namespace drawing {

// The icon at size x size pixels on a transparent ground (the drawing is on a 64-pixel grid).
QImage programIconImage(int size);
// Every size a window system asks for, from 16 to 256 pixels.
QIcon programIcon();

} // namespace drawing
