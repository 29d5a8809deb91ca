// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/courbes_acidbase.h"

#include "drawing/courbes.h"
#include "drawing/graph_acidbase.h"
#include "drawing/picture.h"
#include "drawing/progress_acidbase.h"
#include "model/acidbase/equivalence.h"
#include "model/acidbase/meters.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace drawing {

namespace {

namespace ab = model::acidbase;

const QColor darkGrey(128, 128, 128);

constexpr int plotRight = courbesLeft + 25 * courbesPixelsPerMl;
// The curves are drawn through the mixture every this many mL, at the equivalences and at the
// volume poured.
constexpr double curveStep = 0.5;

QRect plotArea() {
    return QRect(QPoint(courbesLeft - 4, courbesTop - 6), QPoint(plotRight + 8, courbesZero + 4));
}

QColor curveColour(int column) {
    return column < 6 ? courbeColour(column) : QColor(100, 100, 100);
}

std::vector<double> amountsAt(const ab::Preparation& p, double volume) {
    const ab::Mixture m = ab::mixtureAt(p, volume);
    std::vector<double> amounts;
    for (int particle : ab::columns(p.titration))
        amounts.push_back(m.amount(particle));
    return amounts;
}

struct CurvePoint {
    double volume;
    std::vector<double> amounts; // mmol, one per column
};

// The points of the curves that do not move as titrant is poured (the grid and the
// equivalences, up to a full burette), for the last set-up drawn: a tick of the flow works
// out the mixture at the poured volume alone.
const std::vector<CurvePoint>& fixedPoints(const ab::Preparation& p) {
    static ab::Preparation last{-2};
    static std::vector<CurvePoint> points;
    if (last.titration != p.titration || last.sampleConcentration != p.sampleConcentration ||
        last.sampleVolume != p.sampleVolume || last.waterVolume != p.waterVolume ||
        last.titrantConcentration != p.titrantConcentration) {
        last = p;
        std::vector<double> volumes;
        for (int k = 0; k * curveStep < model::buretteCapacity; ++k)
            volumes.push_back(k * curveStep);
        for (double v : ab::equivalenceVolumes(p))
            if (v > 0 && v < model::buretteCapacity) volumes.push_back(v);
        std::sort(volumes.begin(), volumes.end());
        points.clear();
        for (double v : volumes)
            points.push_back({v, amountsAt(p, v)});
    }
    return points;
}

Runs particleRuns(int particle) {
    return unicodeFormulaRuns(ab::formula(particle));
}

void drawLegend(Picture& pic, std::span<const int> particles) {
    for (int c = 0; c < int(particles.size()); ++c) {
        const int top = courbesTop + 15 * c;
        pic.fillBox(courbesLegendLeft, top + 6, courbesLegendLeft + 13, top + 7, curveColour(c));
        pic.currentX = courbesLegendLeft + 18;
        pic.currentY = top;
        printRuns(pic, particleRuns(particles[c]), ScriptSet::Small);
    }
}

} // namespace

void majcourbesAcidBase(Picture& pic, const AcidBaseCourbesInputs& in) {
    // The redox frame with no species: the axes and the scale alone.
    CourbesInputs frame;
    frame.scaleMax = in.scaleMax;
    majcourbes(pic, frame);
    drawLegend(pic, ab::columns(in.preparation.titration));
    drawAcidBaseTableFrames(pic, in.preparation, in.hidden, courbesTableTop);
    pic.setFontSize(8);
    pic.keepAsBackground();
}

bool refcourbesAcidBase(Picture& pic, const AcidBaseCourbesInputs& in) {
    if (in.scaleMax == 0) return false;
    const std::span<const int> particles = ab::columns(in.preparation.titration);
    if (particles.empty()) return false;
    pic.clear(plotArea());

    const double poured = std::clamp(in.pouredVolume, 0.0, double(model::buretteCapacity));
    // The amounts bend sharply at the equivalences only: the grid and these points draw them.
    std::vector<QPolygonF> curves(particles.size());
    auto add = [&](double v, const std::vector<double>& amounts) {
        const double x = courbesLeft + courbesPixelsPerMl * v + 0.5;
        for (std::size_t c = 0; c < particles.size(); ++c)
            curves[c] << QPointF(
                x, courbesZero - (courbesZero - courbesTop) * amounts[c] / in.scaleMax + 0.5);
    };
    for (const CurvePoint& point : fixedPoints(in.preparation))
        if (point.volume < poured) add(point.volume, point.amounts);
    add(poured, amountsAt(in.preparation, poured));
    pic.paint([&](QPainter& p) {
        p.setClipRect(plotArea());
        const double markerX = curves[0].back().x();
        p.setPen(QPen(darkGrey, 1, Qt::DashLine));
        p.drawLine(QPointF(markerX, courbesTop), QPointF(markerX, courbesZero));
        for (std::size_t c = 0; c < particles.size(); ++c) {
            if (in.hidden && ab::revealsSample(in.preparation.titration, particles[c], false))
                continue;
            const QColor colour = curveColour(int(c));
            p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
            p.drawPolyline(curves[c]);
            const QPointF end = curves[c].back();
            p.fillRect(QRectF(std::floor(end.x()) - 2, std::floor(end.y()) - 2, 5, 5), colour);
        }
    });

    drawAcidBaseTableRows(pic, in.preparation, poured, in.hidden, courbesTableTop);
    pic.setFontSize(8);
    return true;
}

} // namespace drawing
