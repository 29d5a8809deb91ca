// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the secondary windows (configuration files, exercises, printing, calculator) need
// of the main window. The main window implements it; tests may use a small fake.

#include <QImage>
#include <QString>

class QLineEdit;
class QTextEdit;
class QWidget;

namespace ui {

class BenchHost {
public:
    virtual ~BenchHost() = default;

    virtual QWidget* mainWindow() = 0;
    virtual void setCaption(const QString& caption) = 0;

    // Situation buttons: unselect all ten without any event; select one as a click does
    // (saving the bench into the current situation unless it is -1, then showing it).
    virtual void clearSituationButtons() = 0;
    virtual void selectSituation(int index) = 0;

    // The exercise area: the rich-text box and the file-name box above it.
    virtual QTextEdit* supertext() = 0;
    virtual QLineEdit* fich() = 0;
    virtual void showInformation() = 0;

    // The concentration of the solution to titrate kept secret, as the random concentration
    // leaves it (hidden, and the box that hides it locked), and shown again.
    virtual void hideSampleConcentration() = 0;
    virtual void revealSampleConcentration() = 0;

    // The bench picture and the graph as images, drawn at scale times their screen size.
    // withValues writes the titrant concentration and the burette reading into the bench.
    virtual QImage benchImage(qreal scale, bool withValues) = 0;
    virtual QImage graphImage(qreal scale) = 0;
};

} // namespace ui
