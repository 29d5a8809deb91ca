// SPDX-License-Identifier: GPL-3.0-or-later
#include "families/acidbase/preparation_acidbase.h"

#include "drawing/utf8.h"
#include "numbers/rounding.h"

#include <algorithm>

namespace drawing {

namespace {

using numbers::nearest;

QPoint here(const Picture& panel, int dy) {
    return QPoint(nearest(panel.currentX), nearest(panel.currentY + dy));
}

void textStyle(Picture& panel) {
    panel.setFontName(QStringLiteral("Arial"));
    panel.setFontSize(8);
    panel.setBold(false);
    panel.setItalic(false);
    panel.setForeColor(Qt::black);
}

// A quantity line as the panel writes them: the italic symbol, its index 4 pixels lower,
// " = ", the box placed after it and the unit; returns the box's place.
QPoint quantityLine(Picture& panel, const QString& symbol, const QString& index, int boxWidth,
                    const QString& unit, bool perLitre) {
    panel.setItalic(true);
    panel.printRun(symbol);
    panel.setItalic(false);
    panel.subscript(index, ScriptSet::Small);
    panel.printRun(QStringLiteral(" = "));
    const QPoint box = here(panel, -3);
    panel.currentX = box.x() + boxWidth;
    panel.printRun(unit);
    if (perLitre) panel.superscript(QStringLiteral("-1 "), ScriptSet::Small);
    return box;
}

void heading(Picture& panel, const QString& text, bool lineEnd) {
    panel.bullet();
    if (lineEnd)
        panel.printLineEnd(text);
    else
        panel.printRun(text);
}

} // namespace

AcidBasePanelLayout drawAcidBasePanel(Picture& panel, const AcidBasePanelInputs& in) {
    AcidBasePanelLayout out;
    out.titrantBox.visible = out.waterBox.visible = false;
    out.indicator.visible = out.probe.visible = false;
    if (!model::acidbase::isTitration(in.titration)) return out;
    out.titrantBox.visible = out.waterBox.visible = true;
    out.indicator.visible = out.probe.visible = true;
    panel.setScaleLeft(0);
    textStyle(panel);

    // The titrant, named by the catalogue, and its concentration.
    const std::string_view name =
        model::acidbase::titrantName(model::acidbase::titrant(in.titration));
    panel.currentX = 18;
    panel.currentY = 185;
    heading(panel, QStringLiteral(" Solution titrante\u00A0: ") + utf8(name), true);
    panel.currentX = 99;
    panel.currentY += 6;
    out.titrantBox.topLeft =
        quantityLine(panel, QStringLiteral("c"), QStringLiteral("1"), in.titrantBoxWidth,
                     QStringLiteral(" mol \u00B7 L"), true);

    // The distilled water, measured with a graduated cylinder.
    panel.currentX = 18;
    panel.currentY = 232;
    textStyle(panel);
    heading(panel, QStringLiteral(" Eau distillée ajoutée\u00A0:"), true);
    panel.currentX = 99;
    panel.currentY += 6;
    out.waterBox.topLeft = quantityLine(panel, QStringLiteral("V"), QStringLiteral("eau"),
                                        in.waterBoxWidth, QStringLiteral(" mL"), false);
    graduatedCylinder(panel, 62, -128);

    // The indicator and the probe, chosen in lists.
    panel.currentX = 18;
    panel.currentY = 284;
    textStyle(panel);
    heading(panel, QStringLiteral(" Indicateur coloré\u00A0: "), false);
    out.indicator.topLeft = here(panel, -4);
    panel.currentX = 18;
    panel.currentY = 314;
    heading(panel, QStringLiteral(" Sonde de mesure\u00A0: "), false);
    out.probe.topLeft = here(panel, -4);
    // The indicator's list and the probe's list start at the same x.
    const int listLeft = std::max(out.indicator.topLeft.x(), out.probe.topLeft.x());
    out.indicator.topLeft.setX(listLeft);
    out.probe.topLeft.setX(listLeft);
    return out;
}

} // namespace drawing
