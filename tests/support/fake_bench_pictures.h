// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window reduced to its pictures, of recognisable colours, the bench carrying the two
// values written with the program's own overlay, and a table set by the test; it records the
// pictures asked for.

#include "model/amounts_table.h"
#include "printing/bench_overlay.h"
#include "printing/bench_pictures.h"
#include "support/application.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <vector>

namespace support {

inline const QColor benchColour{255, 200, 155};
inline const QColor benchMarker{0, 100, 200};
inline const QColor graphColour{255, 255, 255};
inline const QColor graphBar{0, 160, 0};
inline const QColor courbesBand{200, 0, 0};

class FakeBenchPictures : private ApplicationFirst, public printing::BenchPictures {
public:
    FakeBenchPictures() {
        window.setGeometry(100, 120, 800, 600);
        values.concentration = QStringLiteral("0,005");
        values.concentrationBox = QRect(150, 250, 60, 20);
        values.reading = QStringLiteral("12,5 mL");
        values.readingTopLeft = QPoint(160, 320);
    }

    QWidget window;
    printing::BenchValues values;
    struct Request {
        qreal scale;
        bool withValues;
    };
    std::vector<Request> benchRequests;
    std::vector<qreal> graphRequests;
    std::vector<qreal> courbesRequests;
    model::AmountsTable table;   // the table tableText writes
    printing::ReportFacts facts; // what reportFacts gives

    QWidget* mainWindow() override { return &window; }

    // The bench: peach, with a blue block in its top-left quarter.
    QImage benchImage(qreal scale, bool withValues) override {
        benchRequests.push_back({scale, withValues});
        QImage image(qRound(313 * scale), qRound(497 * scale), QImage::Format_RGB32);
        image.fill(benchColour);
        QPainter(&image).fillRect(QRectF(10 * scale, 10 * scale, 50 * scale, 50 * scale),
                                  benchMarker);
        if (withValues) printing::drawBenchValues(image, scale, values);
        return image;
    }
    // The graph: white, with a green bar along its bottom.
    QImage graphImage(qreal scale) override {
        graphRequests.push_back(scale);
        QImage image(qRound(440 * scale), qRound(280 * scale), QImage::Format_RGB32);
        image.fill(graphColour);
        QPainter(&image).fillRect(QRectF(0, 200 * scale, 440 * scale, 80 * scale), graphBar);
        return image;
    }
    // The curves: white, with a red band across the middle.
    QImage courbesImage(qreal scale) override {
        courbesRequests.push_back(scale);
        QImage image(qRound(449 * scale), qRound(274 * scale), QImage::Format_RGB32);
        image.fill(graphColour);
        QPainter(&image).fillRect(QRectF(0, 100 * scale, 449 * scale, 40 * scale), courbesBand);
        return image;
    }
    std::string tableText(std::string_view separator, std::string_view lineEnd) override {
        return model::amountsTableText(table, separator, lineEnd);
    }
    printing::ReportFacts reportFacts() override { return facts; }
};

} // namespace support
