// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/courbes.h"

#include "drawing/graph.h"
#include "drawing/graphlabels.h"
#include "drawing/picture.h"
#include "drawing/progress_table.h"
#include "model/catalogue.h"
#include "model/progress.h"
#include "numbers/rounding.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace drawing {

namespace {

const QColor black(0, 0, 0);
const QColor lightGrey(192, 192, 192); // palette colour 7
const QColor darkGrey(128, 128, 128);  // palette colour 8

constexpr double fullBurette = model::buretteCapacity;
constexpr int plotRight = courbesLeft + 25 * courbesPixelsPerMl;
constexpr int scaleSteps = 5; // labelled lines of the vertical scale

// What refcourbes draws over: the plot, and the rows of the titration's table.
QRect plotArea() {
    return QRect(QPoint(courbesLeft - 4, courbesTop - 6), QPoint(plotRight + 8, courbesZero + 4));
}

int titrationTop(int species) {
    return courbesTableTop + progressBlockHeight * (int(model::reactions(species).size()) - 1);
}

void drawAxes(Picture& pic, float scaleMax) {
    // Vertical: the scale of the quantities graph, a labelled line every fifth of it.
    const double halfDigit = pic.textHeight(QStringLiteral("8")) / 2;
    for (int i = 0; i <= scaleSteps; ++i) {
        const int y = courbesTop + (courbesZero - courbesTop) * i / scaleSteps;
        pic.line(courbesLeft, y, plotRight, y, lightGrey);
        const QString label = scaleLabel(scaleMax, 10 * i / scaleSteps);
        pic.currentX = courbesLeft - 3 - pic.textWidth(label);
        pic.currentY = y - halfDigit;
        pic.printRun(label);
    }
    // Horizontal: a tick every millilitre, a line and a label every five.
    for (int v = 0; v <= 25; ++v) {
        const int x = courbesX(v);
        if (v % 5 == 0 && v > 0) pic.line(x, courbesTop, x, courbesZero, lightGrey);
        pic.line(x, courbesZero + 1, x, courbesZero + (v % 5 == 0 ? 3 : 2), black);
        if (v % 5 != 0) continue;
        const QString label = QString::number(v);
        pic.currentX = x - pic.textWidth(label) / 2;
        pic.currentY = courbesZero + 4;
        pic.printRun(label);
    }
    pic.line(courbesLeft, 6, courbesLeft, courbesZero, black);
    pic.line(courbesLeft - 3, 12, courbesLeft, 6, black);
    pic.line(courbesLeft + 3, 12, courbesLeft, 6, black);
    pic.line(courbesLeft, courbesZero, plotRight + 8, courbesZero, black);
    pic.line(plotRight + 2, courbesZero - 3, plotRight + 8, courbesZero, black);
    pic.line(plotRight + 2, courbesZero + 3, plotRight + 8, courbesZero, black);

    pic.currentX = courbesLeft + 6;
    pic.currentY = 1;
    pic.setItalic(true);
    pic.printRun(QStringLiteral("n"));
    pic.setItalic(false);
    pic.printRun(QStringLiteral(" (mol)"));
    pic.currentX = plotRight + 12;
    pic.currentY = courbesZero + 4;
    pic.setItalic(true);
    pic.printRun(QStringLiteral("V"));
    pic.setItalic(false);
    pic.printRun(QStringLiteral(" (mL)"));
}

// A short line of each curve's colour and the formula of its species, one under the other.
void drawLegend(Picture& pic, int species) {
    const auto columns = model::graphColumns(species);
    for (int c = 0; c < int(columns.size()); ++c) {
        const int top = courbesTop + 15 * c;
        pic.fillBox(courbesLegendLeft, top + 6, courbesLegendLeft + 13, top + 7, courbeColour(c));
        pic.currentX = courbesLegendLeft + 18;
        pic.currentY = top;
        printRuns(pic, formulaRuns(model::entryFormula(columns[c].presentEntry)), ScriptSet::Small);
    }
}

// The volumes where the curves bend: 0, the equivalence when it lies before the poured
// volume, and the poured volume. Every amount is linear in the volume on each side of the
// equivalence, so the curves are straight between these points.
std::vector<double> bends(const CourbesInputs& in) {
    const double poured = std::clamp(double(in.in.pouredVolume), 0.0, fullBurette);
    std::vector<double> volumes{0};
    const std::optional<double> equivalence = model::equivalenceVolume(in.species, in.in);
    if (equivalence && *equivalence > 0 && *equivalence < poured) volumes.push_back(*equivalence);
    if (poured > 0) volumes.push_back(poured);
    return volumes;
}

} // namespace

int courbesX(double volume) {
    return numbers::nearest(courbesLeft + courbesPixelsPerMl * volume);
}

int courbesY(double amount, float scaleMax) {
    return numbers::nearest(courbesZero - (courbesZero - courbesTop) * amount / scaleMax);
}

QColor courbeColour(int column) {
    static const std::array<QColor, 6> colours{QColor(0, 0, 200),   QColor(200, 0, 0),
                                               QColor(0, 140, 0),   QColor(160, 0, 160),
                                               QColor(220, 120, 0), QColor(0, 150, 150)};
    return colours[std::size_t(std::clamp(column, 0, 5))];
}

void majcourbes(Picture& pic, const CourbesInputs& in) {
    pic.restart();
    drawAxes(pic, in.scaleMax);
    drawLegend(pic, in.species);
    // The reaction before an indirect titration does not change as titrant is poured.
    const model::ProgressTable table = model::progressTable(in.species, in.in);
    for (std::size_t r = 0; r < table.reactions.size(); ++r) {
        const model::ReactionProgress& reaction = table.reactions[r];
        const int top = courbesTableTop + progressBlockHeight * int(r);
        drawReactionFrame(pic, reaction, top);
        if (!reaction.titration)
            drawReactionRows(pic, reactionTexts(table, reaction, in.hidden, in.in.pouredVolume),
                             top);
    }
    pic.setFontSize(8);
    pic.keepAsBackground();
}

bool refcourbes(Picture& pic, const CourbesInputs& in) {
    if (in.scaleMax == 0) return false;
    const auto columns = model::graphColumns(in.species);
    if (columns.empty()) return false;
    const int top = titrationTop(in.species);
    pic.clear(plotArea());
    pic.clear(reactionRowsArea(pic.width(), top));

    // Each curve through its amounts at the bends, in the model's own numbers.
    const std::vector<double> volumes = bends(in);
    std::vector<QPolygonF> curves(columns.size());
    model::BenchInputs at = in.in;
    model::PresentAmounts present{};
    for (double v : volumes) {
        at.pouredVolume = static_cast<float>(v);
        model::computeAmounts(in.species, at, present);
        const double x = courbesLeft + courbesPixelsPerMl * v + 0.5;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const double amount = present[columns[c].presentEntry];
            curves[c] << QPointF(x, courbesZero -
                                        (courbesZero - courbesTop) * amount / in.scaleMax + 0.5);
        }
    }
    const bool drawSample = !in.hidden;
    pic.paint([&](QPainter& p) {
        p.setClipRect(plotArea());
        const double markerX = curves[0].back().x();
        QPen dashes(darkGrey, 1, Qt::DashLine);
        p.setPen(dashes);
        p.drawLine(QPointF(markerX, courbesTop), QPointF(markerX, courbesZero));
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (!drawSample && columns[c].introduced == model::IntroducedBar::Titrated) continue;
            const QColor colour = courbeColour(int(c));
            p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
            p.drawPolyline(curves[c]);
            const QPointF end = curves[c].back();
            p.fillRect(QRectF(std::floor(end.x()) - 2, std::floor(end.y()) - 2, 5, 5), colour);
        }
    });

    const model::ProgressTable table = model::progressTable(in.species, in.in);
    drawReactionRows(
        pic, reactionTexts(table, table.reactions.back(), in.hidden, in.in.pouredVolume), top);
    pic.setFontSize(8);
    return true;
}

} // namespace drawing
