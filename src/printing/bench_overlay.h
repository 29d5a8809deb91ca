// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two values that lie over the bench picture in their own controls (the titrant
// concentration box and the burette reading) are not part of the picture. A printed or
// copied bench must show them, so they are written into a copy of the picture.

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class QImage;
class QPainter;

namespace printing {

struct BenchValues {
    QString concentration;  // text of the titrant concentration box
    QRect concentrationBox; // the box, in bench pixels
    QString reading;        // caption of the burette reading, e.g. "12,5 mL"
    QPoint readingTopLeft;  // the reading label's left and top, in bench pixels
};

// The bench picture's font when the values are written: Arial 8.
QFont benchValuesFont();

// Writes the two values in black: the concentration centred over its box
// (left = box left + (box width - text width) / 2, top = box top + 5) and the reading at
// the label's left and top. The painter works in bench pixels (a caller drawing into a
// larger image scales the painter first); font sizes are those of a 96 dpi screen
// whatever the device.
void drawBenchValues(QPainter& painter, const BenchValues& values,
                     const QFont& font = benchValuesFont());

// The same into an image drawn at scale times the bench's size (the image's own device
// pixel ratio, if any, is taken into account).
void drawBenchValues(QImage& image, qreal scale, const BenchValues& values,
                     const QFont& font = benchValuesFont());

} // namespace printing
