// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What printing and the clipboard copies need of the main window: its two pictures, drawn
// afresh at the scale they are wanted at. The main window implements it; tests use a small
// fake.

#include <QImage>

class QWidget;

namespace printing {

class BenchPictures {
public:
    virtual ~BenchPictures() = default;

    virtual QWidget* mainWindow() = 0;
    // The bench picture and the graph as images, drawn at scale times their screen size.
    // withValues writes the titrant concentration and the burette reading into the bench.
    virtual QImage benchImage(qreal scale, bool withValues) = 0;
    virtual QImage graphImage(qreal scale) = 0;
};

} // namespace printing
