// SPDX-License-Identifier: GPL-3.0-or-later
#include "families/acidbase/probe.h"

#include "drawing/bench_drawing.h"
#include "drawing/picture.h"
#include "drawing/utf8.h"

#include <QPainter>
#include <QPainterPath>

namespace drawing {

namespace {

namespace ab = model::acidbase;

const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor glass(225, 235, 240);  // the pH electrode's glass body
const QColor plastic(70, 70, 75);   // the conductimetry cell's body
const QColor meterCase(70, 82, 96); // the meter's case
const QColor lcd(192, 208, 176);    // its display window
const QColor lcdBorder(40, 48, 56);

// The rod runs from its cap, below the burette's tap, into the neck and down to the bottom.
constexpr int rodLeft = 36, rodRight = 40; // from flaskX
constexpr int capTop = 316, rodTop = 328, rodBottom = 446;

void pHElectrode(Picture& pic, int x0) {
    pic.fillBox(x0 + rodLeft, rodTop, x0 + rodRight, rodBottom, glass);
    pic.box(x0 + rodLeft, rodTop, x0 + rodRight, rodBottom, paletteColour(8));
    pic.line(x0 + rodLeft + 1, rodTop + 1, x0 + rodLeft + 1, rodBottom - 1, white);
    // The glass bulb that senses the pH.
    pic.circle(x0 + 38, rodBottom + 4, 4, paletteColour(8), &glass);
}

void conductimetryCell(Picture& pic, int x0) {
    pic.fillBox(x0 + rodLeft, rodTop, x0 + rodRight, rodBottom - 8, plastic);
    pic.box(x0 + rodLeft, rodTop, x0 + rodRight, rodBottom - 8, black);
    // The bell open at the bottom, with its two plates.
    pic.box(x0 + rodLeft - 2, rodBottom - 8, x0 + rodRight + 2, rodBottom + 6, black);
    pic.line(x0 + rodLeft, rodBottom - 4, x0 + rodLeft, rodBottom + 4, paletteColour(8));
    pic.line(x0 + rodRight, rodBottom - 4, x0 + rodRight, rodBottom + 4, paletteColour(8));
}

void cable(Picture& pic, int x0) {
    pic.paint([x0](QPainter& p) {
        QPainterPath path(QPointF(x0 + rodRight + 1, capTop + 4));
        path.cubicTo(QPointF(112, capTop + 4), QPointF(112, 380), QPointF(meterRect.left(), 380));
        p.setPen(QPen(black, 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    });
}

// The display's text, centred in its window: the value in large type, the unit after it.
void display(Picture& pic, ab::Probe probe, const ab::MeterDisplay& d) {
    const QString value =
        (probe == ab::Probe::PHMeter ? QStringLiteral("pH = ") : QStringLiteral("\u03C3 = ")) +
        QString::fromStdString(d.value);
    QString unit = utf8(d.unit);
    const bool perCentimetre = unit.endsWith(QStringLiteral("\u207B\u00B9"));
    if (perCentimetre) unit.chop(2);
    pic.setFontName(QStringLiteral("Arial"));
    pic.setItalic(false);
    pic.setForeColor(black);
    pic.setFontSize(12);
    pic.setBold(true);
    const double valueWidth = pic.textWidth(value);
    const double valueHeight = pic.textHeight(value);
    pic.setFontSize(8);
    pic.setBold(false);
    double unitWidth = unit.isEmpty() ? 0 : pic.textWidth(QStringLiteral(" ") + unit);
    if (perCentimetre) unitWidth += pic.textWidth(QStringLiteral("-1"));

    pic.currentX =
        meterDisplayRect.left() + (meterDisplayRect.width() - valueWidth - unitWidth) / 2;
    pic.currentY = meterDisplayRect.top() + (meterDisplayRect.height() - valueHeight) / 2;
    pic.setFontSize(12);
    pic.setBold(true);
    pic.printRun(value);
    if (unit.isEmpty()) return;
    pic.setFontSize(8);
    pic.setBold(false);
    pic.currentY += 5;
    pic.printRun(QStringLiteral(" ") + unit);
    if (perCentimetre) pic.superscript(QStringLiteral("-1"), ScriptSet::Small);
}

void meter(Picture& pic, const AcidBaseLevels& levels) {
    pic.fillBox(meterRect.left(), meterRect.top(), meterRect.right(), meterRect.bottom(),
                meterCase);
    pic.box(meterRect.left(), meterRect.top(), meterRect.right(), meterRect.bottom(), black);
    pic.fillBox(meterDisplayRect.left(), meterDisplayRect.top(), meterDisplayRect.right(),
                meterDisplayRect.bottom(), lcd);
    pic.box(meterDisplayRect.left(), meterDisplayRect.top(), meterDisplayRect.right(),
            meterDisplayRect.bottom(), lcdBorder);
    display(pic, levels.probe, levels.display);

    pic.setFontSize(8);
    pic.setBold(true);
    pic.setForeColor(white);
    pic.currentX = meterDisplayRect.left();
    pic.currentY = meterDisplayRect.bottom() + 6;
    pic.printRun(meterName(levels.probe));
    pic.setBold(false);
    pic.setForeColor(black);
    const QColor knob = paletteColour(7);
    pic.circle(meterRect.right() - 14, meterRect.bottom() - 12, 5, black, &knob);
}

} // namespace

QString meterName(ab::Probe probe) {
    switch (probe) {
    case ab::Probe::PHMeter:
        return QStringLiteral("pH-mètre");
    case ab::Probe::Conductimeter:
        return QStringLiteral("Conductimètre");
    case ab::Probe::None:
        break;
    }
    return {};
}

QString meterText(ab::Probe probe, const ab::MeterDisplay& d) {
    if (probe == ab::Probe::None) return {};
    const QString value = QString::fromStdString(d.value);
    if (probe == ab::Probe::PHMeter) return QStringLiteral("pH = ") + value;
    return QStringLiteral("\u03C3 = ") + value + QStringLiteral(" ") + utf8(d.unit);
}

void drawProbe(Picture& pic, int x0, const AcidBaseLevels& levels) {
    if (levels.probe == ab::Probe::None) return;
    pic.setPenMode(PenMode::Copy);
    pic.setScaleLeft(0);
    if (levels.probe == ab::Probe::PHMeter)
        pHElectrode(pic, x0);
    else
        conductimetryCell(pic, x0);
    pic.fillBox(x0 + rodLeft - 1, capTop, x0 + rodRight + 1, rodTop - 1, black);
    cable(pic, x0);
    meter(pic, levels);
}

void acidBaseTitrantDescription(Picture& pic, ab::Titrant titrant) {
    constexpr auto set = ScriptSet::Small;
    if (titrant == ab::Titrant::SodiumHydroxide) {
        pic.printLineEnd(QStringLiteral("Solution aqueuse d'hydroxyde de"));
        pic.currentX = 8;
        pic.currentY += 2;
        pic.printRun(QStringLiteral("sodium ( Na"));
        pic.superscript(QStringLiteral("+"), set);
        pic.printRun(QStringLiteral(" + HO"));
        pic.superscript(QStringLiteral("-"), set);
        pic.printLineEnd(QStringLiteral(" )."));
        return;
    }
    pic.printRun(QStringLiteral("Acide chlorhydrique ( H"));
    pic.subscript(QStringLiteral("3"), set);
    pic.printRun(QStringLiteral("O"));
    pic.superscript(QStringLiteral("+"), set);
    pic.printRun(QStringLiteral(" + Cl"));
    pic.superscript(QStringLiteral("-"), set);
    pic.printLineEnd(QStringLiteral(" )."));
}

FlaskContent flaskContent(const AcidBaseLevels& levels) {
    FlaskContent content;
    content.shown = levels.shown;
    content.addedVolume = levels.waterVolume;
    content.tint = levels.tint;
    content.paintInside = [levels](Picture& bench, int flaskX) {
        drawProbe(bench, flaskX, levels);
    };
    return content;
}

TitrantText acidBaseTitrantText(int titration) {
    if (!ab::isTitration(titration)) return {};
    return [titrant = ab::titrant(titration)](Picture& bench) {
        acidBaseTitrantDescription(bench, titrant);
    };
}

} // namespace drawing
