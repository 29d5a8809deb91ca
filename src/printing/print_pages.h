// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed page of the bench: the title at the top, then the bench (with the titrant
// concentration and the burette reading written into it), the graph and the curves with the
// progress table, each centred and separated by a twentieth of the page height. One page per
// copy.

#include <QImage>
#include <QSizeF>
#include <QString>

class QPainter;
class QPrinter;
class QWidget;

namespace printing {

class BenchPictures;

struct PrintRequest {
    QString title;
    int copies = 1;
    bool bench = true;
    bool graph = true;
    bool courbes = false;
};

// The pictures of one page, drawn larger than on screen so that they stay sharp on paper,
// with their screen size in pixels (a null image is not printed).
struct PagePictures {
    QImage bench;
    QSizeF benchPixels;
    QImage graph;
    QSizeF graphPixels;
    QImage courbes;
    QSizeF courbesPixels;
};

// How many times the screen size the pictures are drawn for a device of that resolution:
// the device's own scale, but at least 2 and at most 4.
qreal pictureScale(int deviceDpi);

// Asks the main window for the chosen pictures at that scale; the bench carries the two
// values written into it.
PagePictures gatherPictures(BenchPictures& source, const PrintRequest& request, qreal scale);

// Paints one page on a painter whose origin is the top-left corner of the printable area of
// printableSize device pixels, at dpiX and dpiY dots per inch.
void paintPage(QPainter& painter, QSizeF printableSize, qreal dpiX, qreal dpiY,
               const QString& title, const PagePictures& pictures);

// Paints every copy on an open printer; false when the printer refuses a new page.
bool paintCopies(QPainter& painter, QPrinter& printer, const PrintRequest& request,
                 const PagePictures& pictures);

// The whole printing: the pictures, the printer (or the PDF file), the pages, the failure
// message. True when the pages went out.
bool printPictures(QWidget* parent, QPrinter& printer, BenchPictures& source,
                   const PrintRequest& request);

} // namespace printing
