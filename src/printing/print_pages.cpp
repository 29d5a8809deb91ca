// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/print_pages.h"

#include "printing/bench_pictures.h"
#include "printing/page_layout.h"
#include "printing/printer_target.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace printing {
namespace {

std::optional<TwipSize> twipsOf(const QImage& image, QSizeF pixels) {
    if (image.isNull()) return std::nullopt;
    return pixelsToTwips(pixels.width(), pixels.height());
}

QSizeF screenPixels(const QImage& image, qreal scale) {
    return QSizeF(image.width() / scale, image.height() / scale);
}

} // namespace

qreal pictureScale(int deviceDpi) {
    return std::clamp(deviceDpi / 96.0, 2.0, 4.0);
}

PagePictures gatherPictures(BenchPictures& source, const PrintRequest& request, qreal scale) {
    PagePictures pictures;
    if (request.bench) {
        pictures.bench = source.benchImage(scale, true);
        pictures.benchPixels = screenPixels(pictures.bench, scale);
    }
    if (request.graph) {
        pictures.graph = source.graphImage(scale);
        pictures.graphPixels = screenPixels(pictures.graph, scale);
    }
    if (request.courbes) {
        pictures.courbes = source.courbesImage(scale);
        pictures.courbesPixels = screenPixels(pictures.courbes, scale);
    }
    return pictures;
}

void paintPage(QPainter& painter, QSizeF printableSize, qreal dpiX, qreal dpiY,
               const QString& title, const PagePictures& pictures) {
    const qreal toX = dpiX / 1440.0; // device pixels per twip
    const qreal toY = dpiY / 1440.0;

    painter.save();
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0, QFontMetricsF(font, painter.device()).ascent()), title);

    const PageLayout layout =
        layoutPage({printableSize.width() / toX, printableSize.height() / toY},
                   twipsOf(pictures.bench, pictures.benchPixels),
                   twipsOf(pictures.graph, pictures.graphPixels),
                   twipsOf(pictures.courbes, pictures.courbesPixels));
    // The pictures are pixel drawings without antialiasing: enlarged, their pixels stay
    // sharp squares rather than being blurred.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    auto draw = [&](const std::optional<TwipRect>& place, const QImage& image) {
        if (!place) return;
        const QRectF target(place->left * toX, place->top * toY, place->width * toX,
                            place->height * toY);
        painter.drawImage(target, image);
    };
    draw(layout.bench, pictures.bench);
    draw(layout.graph, pictures.graph);
    draw(layout.courbes, pictures.courbes);
    painter.restore();
}

bool paintCopies(QPainter& painter, QPrinter& printer, const PrintRequest& request,
                 const PagePictures& pictures) {
    const QSizeF printable(printer.width(), printer.height());
    for (int copy = 1; copy <= request.copies; ++copy) {
        if (copy > 1 && !printer.newPage()) return false;
        paintPage(painter, printable, printer.logicalDpiX(), printer.logicalDpiY(), request.title,
                  pictures);
    }
    return true;
}

bool printPictures(QWidget* parent, QPrinter& printer, BenchPictures& source,
                   const PrintRequest& request) {
    const auto paint = [&](QPainter& painter) {
        const PagePictures pictures =
            gatherPictures(source, request, pictureScale(std::max(printer.resolution(), 1)));
        return paintCopies(painter, printer, request, pictures);
    };
    return printWith(parent, printer, paint) == PrintOutcome::Printed;
}

} // namespace printing
