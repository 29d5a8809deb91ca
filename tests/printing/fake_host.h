// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small stand-in for the main window: a bench and a graph of recognisable colours, and
// the two values written with the program's own overlay.

#include "printing/bench_overlay.h"
#include "ui/bench_host.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <vector>

namespace test {

inline void ensureApp() {
    static int argc = 1;
    static char name[] = "printing_tests";
    static char* argv[] = {name};
    static QApplication app(argc, argv);
}

inline const QColor benchColour{255, 200, 155};
inline const QColor benchMarker{0, 100, 200};
inline const QColor graphColour{255, 255, 255};
inline const QColor graphBar{0, 160, 0};

// Makes the application before any widget member.
struct AppFirst {
    AppFirst() { ensureApp(); }
};

class FakeHost : private AppFirst, public ui::BenchHost {
public:
    FakeHost() {
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

    QWidget* mainWindow() override { return &window; }
    void setCaption(const QString&) override {}
    void clearSituationButtons() override {}
    void selectSituation(int) override {}
    QTextEdit* supertext() override { return nullptr; }
    QLineEdit* fich() override { return nullptr; }
    void showInformation() override {}
    void hideSampleConcentration() override {}
    void revealSampleConcentration() override {}

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
};

// Pixels darker than any colour of the fake pictures: the written values.
inline bool isInk(QRgb p) {
    return qRed(p) < 90 && qGreen(p) < 90 && qBlue(p) < 90;
}

// Bounding box of the ink pixels of an image inside a region.
inline QRect inkBounds(const QImage& image, const QRect& region) {
    QRect bounds;
    const QRect r = region & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (isInk(image.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace test
