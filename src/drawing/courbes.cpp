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

} // namespace

std::vector<ProgressColumns> courbesTableColumns(Picture& pic, const CourbesInputs& in) {
    // The columns do not change as titrant is poured: the last ones are kept for the ticks of
    // the flow, which draw the table again and again with the same inputs.
    struct Kept {
        int species = -2;
        model::BenchInputs in;
        bool hidden = false;
        qreal ratio = 0;
        std::vector<ProgressColumns> columns;
    };
    static Kept kept;
    const model::BenchInputs& a = in.in;
    const model::BenchInputs& b = kept.in;
    if (kept.species == in.species && kept.hidden == in.hidden &&
        kept.ratio == pic.devicePixelRatio() && a.sampleConcentration == b.sampleConcentration &&
        a.sampleVolume == b.sampleVolume && a.titrantConcentration == b.titrantConcentration &&
        a.reagentConcentration == b.reagentConcentration && a.iodineVolume == b.iodineVolume &&
        a.iodideVolume == b.iodideVolume)
        return kept.columns;

    // An empty burette, the first tick (before the equivalence: what is left to titrate) and
    // a full one (past it: what is left of the titrant). Chosen whatever the sample, so that
    // the table's layout tells nothing of it.
    const std::vector<double> volumes{0, 0.1, fullBurette};
    std::vector<model::ProgressTable> tables;
    model::BenchInputs at = in.in;
    for (double v : volumes) {
        at.pouredVolume = static_cast<float>(v);
        tables.push_back(model::progressTable(in.species, at));
    }
    std::vector<ProgressColumns> columns;
    for (std::size_t r = 0; r < tables.front().reactions.size(); ++r) {
        std::vector<ReactionTexts> examples;
        for (std::size_t t = 0; t < tables.size(); ++t)
            examples.push_back(
                reactionTexts(tables[t], tables[t].reactions[r], in.hidden, float(volumes[t])));
        columns.push_back(progressColumns(pic, examples));
    }
    kept = {in.species, in.in, in.hidden, pic.devicePixelRatio(), columns};
    return columns;
}

namespace {

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
    const std::vector<ProgressColumns> columns = courbesTableColumns(pic, in);
    for (std::size_t r = 0; r < table.reactions.size(); ++r) {
        const model::ReactionProgress& reaction = table.reactions[r];
        const int top = courbesTableTop + progressBlockHeight * int(r);
        const ReactionTexts texts = reactionTexts(table, reaction, in.hidden, in.in.pouredVolume);
        drawReactionFrame(pic, texts, columns[r], top);
        if (!reaction.titration) drawReactionRows(pic, texts, columns[r], top);
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

    // Each curve through its amounts at the bends, in the model's own numbers. While the
    // concentration is hidden, a stretch of curve along which the amount depends on n0 is
    // left out: between two bends an amount is linear in the volume, and either depends on
    // n0 all along or nowhere.
    const std::vector<double> volumes = bends(in);
    std::vector<QPolygonF> curves(columns.size());
    std::vector<std::vector<bool>> shown(columns.size());
    model::BenchInputs at = in.in;
    model::PresentAmounts present{};
    for (std::size_t b = 0; b < volumes.size(); ++b) {
        const double v = volumes[b];
        at.pouredVolume = static_cast<float>(v);
        model::computeAmounts(in.species, at, present);
        std::optional<model::ProgressTable> stretch;
        if (in.hidden && b + 1 < volumes.size()) {
            at.pouredVolume = static_cast<float>((v + volumes[b + 1]) / 2);
            stretch = model::progressTable(in.species, at);
        }
        const double x = courbesLeft + courbesPixelsPerMl * v + 0.5;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const int entry = columns[c].presentEntry;
            const double amount = present[entry];
            curves[c] << QPointF(x, courbesZero -
                                        (courbesZero - courbesTop) * amount / in.scaleMax + 0.5);
            if (b + 1 < volumes.size())
                shown[c].push_back(!stretch || !stretch->present[entry].dependsOnSample());
        }
    }
    // With nothing poured there is no stretch: what the flask holds before the titration.
    std::array<bool, model::Entry::count> sampleAtStart{};
    if (in.hidden) sampleAtStart = model::followsFromSample(in.species, in.in);
    pic.paint([&](QPainter& p) {
        p.setClipRect(plotArea());
        const double markerX = curves[0].back().x();
        QPen dashes(darkGrey, 1, Qt::DashLine);
        p.setPen(dashes);
        p.drawLine(QPointF(markerX, courbesTop), QPointF(markerX, courbesZero));
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const QColor colour = courbeColour(int(c));
            p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
            // The stretches shown, each drawn in one piece with the next one shown.
            QPolygonF piece;
            auto flush = [&] {
                if (piece.size() > 1) p.drawPolyline(piece);
                piece.clear();
            };
            for (std::size_t s = 0; s < shown[c].size(); ++s) {
                if (!shown[c][s]) {
                    flush();
                    continue;
                }
                if (piece.isEmpty()) piece << curves[c][int(s)];
                piece << curves[c][int(s) + 1];
            }
            flush();
            // The marker at the poured volume, unless the amount there is kept secret.
            const bool secret =
                shown[c].empty() ? sampleAtStart[columns[c].presentEntry] : !shown[c].back();
            if (secret) continue;
            const QPointF end = curves[c].back();
            p.fillRect(QRectF(std::floor(end.x()) - 2, std::floor(end.y()) - 2, 5, 5), colour);
        }
    });

    const model::ProgressTable table = model::progressTable(in.species, in.in);
    drawReactionRows(pic,
                     reactionTexts(table, table.reactions.back(), in.hidden, in.in.pouredVolume),
                     courbesTableColumns(pic, in).back(), top);
    pic.setFontSize(8);
    return true;
}

} // namespace drawing
