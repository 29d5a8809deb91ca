// SPDX-License-Identifier: GPL-3.0-or-later
// The preparation panel: the solution to titrate and, for the indirect titrations, the reagent
// added in excess, as lines of text with the input controls placed between the words.

#include "drawing/bench_drawing.h"
#include "drawing/utf8.h"
#include "model/catalogue.h"
#include "numbers/rounding.h"

namespace drawing {

using numbers::nearest;

namespace {

QString reagentName(int species) {
    return utf8(model::reagentName(species));
}

void textStyle(Picture& panel) {
    panel.setFontName(QStringLiteral("Arial"));
    panel.setFontSize(8);
    panel.setBold(false);
    panel.setItalic(false);
    panel.setForeColor(Qt::black);
}

QPoint here(const Picture& panel, int dy) {
    return QPoint(nearest(panel.currentX), nearest(panel.currentY + dy));
}

// "c" or "V" in italics with its index 4 pixels lower, then " = ".
void quantity(Picture& panel, const QString& symbol, const QString& index) {
    panel.setItalic(true);
    panel.printRun(symbol);
    panel.setItalic(false);
    panel.subscript(index, ScriptSet::Small);
    panel.printRun(QStringLiteral(" = "));
}

// A concentration line: the quantity, the box placed after it, then the unit.
QPoint concentrationLine(Picture& panel, const QString& index, int boxWidth) {
    quantity(panel, QStringLiteral("c"), index);
    const QPoint box = here(panel, -3);
    panel.currentX = box.x() + boxWidth;
    panel.printRun(QStringLiteral(" mol \u00B7 L"));
    panel.superscript(QStringLiteral("-1 "), ScriptSet::Small);
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

PanelLayout prepasol(Picture& panel, const PanelInputs& in) {
    PanelLayout out;
    panel.setScaleLeft(0);
    panel.setPenMode(PenMode::Copy);
    panel.setLineWidth(1);
    panel.clear();

    // The solution to titrate.
    panel.currentX = 82;
    panel.currentY = 7;
    textStyle(panel);
    heading(panel, QStringLiteral(" Solution aqueuse dont la concentration est"), true);
    panel.currentX = 90;
    panel.currentY += 6;
    panel.printRun(QStringLiteral("recherchée\u00A0: "));
    out.ions1.topLeft = here(panel, -4);

    panel.currentX = 82;
    panel.currentY += 27;
    textStyle(panel);
    heading(panel, QStringLiteral(" Concentration en soluté apporté\u00A0:"), true);
    panel.currentX = 99;
    panel.currentY += 6;
    out.sampleBox.topLeft = concentrationLine(panel, QStringLiteral("2"), in.sampleBoxWidth);

    out.randomButton.topLeft = QPoint(75, out.sampleBox.topLeft.y() + 2);
    out.revealLabel.topLeft = out.sampleBox.topLeft - QPoint(0, 2);
    out.sampleBox.visible = !in.hideConcentration;
    out.revealLabel.visible = in.hideConcentration;

    bouteille(panel, 20, 20, 0, in.random);

    panel.currentX = 45;
    panel.currentY = 118;
    heading(panel, QStringLiteral(" Volume de prélèvement\u00A0: "), false);
    out.sampleVolume.topLeft = here(panel, -4);

    pipette(panel, 270, 75);

    panel.currentX = 18;
    panel.currentY = 185;
    out.reagentBox.visible = false;
    out.iodideBox.visible = false;
    out.iodineVolume.visible = false;
    if (!model::isIndirect(in.species)) return out;

    // The reagent added in excess: diiode measured with a pipette, or potassium iodide
    // measured with a graduated cylinder.
    const bool iodine =
        model::reagentVolumeInput(in.species) == model::ReagentVolumeInput::IodineVolume;
    heading(panel,
            QStringLiteral(" Solution aqueuse de ") + reagentName(in.species) +
                QStringLiteral(" ajoutée\u00A0:"),
            true);
    out.reagentBox.visible = true;
    out.iodideBox.visible = true;
    panel.currentX = 82;
    panel.currentY += 21;
    textStyle(panel);
    heading(panel, QStringLiteral(" Concentration en soluté apporté\u00A0:"), true);
    panel.currentX = 99;
    panel.currentY += 6;
    out.reagentBox.topLeft = concentrationLine(panel, QStringLiteral("3"), in.reagentBoxWidth);

    panel.currentX = iodine ? 45 : 82;
    panel.currentY = iodine ? 305 : 290;
    textStyle(panel);
    heading(panel, QStringLiteral(" Volume du prélèvement\u00A0: "), false);
    if (iodine) {
        out.iodideBox.visible = false;
        out.iodineVolume.visible = true;
        out.iodineVolume.topLeft = here(panel, -4);
    } else {
        out.iodineVolume.visible = false;
        panel.lineEnd();
        panel.currentX = 99;
        panel.currentY += 6;
        quantity(panel, QStringLiteral("V"), QStringLiteral("3"));
        out.iodideBox.topLeft = here(panel, -3);
        panel.currentX = out.iodideBox.topLeft.x() + in.iodideBoxWidth;
        panel.printRun(QStringLiteral(" mL"));
    }

    bouteille(panel, 20, 215, 1, in.random);
    if (iodine) {
        pipette(panel, 270, 260);
    } else {
        graduatedCylinder(panel);
        out.cylinderDrawn = true;
    }
    return out;
}

} // namespace drawing
