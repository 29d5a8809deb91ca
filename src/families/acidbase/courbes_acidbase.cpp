// SPDX-License-Identifier: GPL-3.0-or-later
#include "families/acidbase/courbes_acidbase.h"

#include "drawing/courbes.h"
#include "drawing/picture.h"
#include "families/acidbase/graph_acidbase.h"
#include "families/acidbase/progress_acidbase.h"
#include "model/acidbase/equivalence.h"
#include "model/acidbase/meters.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

namespace drawing {

namespace {

namespace ab = model::acidbase;

const QColor darkGrey(128, 128, 128);

// The curves are drawn through the mixture every this many mL, at the equivalences and at the
// volume poured.
constexpr double curveStep = 0.5;

// The amounts in mol on a round scale over the quantities graph's (mmol), a labelled line at
// each step of 1, 2 or 5 times a power of ten, the power in the title: "n (10⁻³ mol)".
VerticalScale amountScale(float scaleMax) {
    const Runs n{{RunKind::Plain, QStringLiteral("n"), {}, true}};
    const Runs mol{{RunKind::Plain, QStringLiteral("mol")}};
    if (scaleMax > 0) return roundScale(0, scaleMax * 1e-3, n, mol);
    VerticalScale s = roundScale(0, 1, n, mol);
    s.labels = {{0, QStringLiteral("0")}};
    return s;
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

// A short line of each curve's colour and the formula of its particle, in as many rows as the
// formulas need (CH₃CH(OH)COOH and its neighbours never run past the picture's edge).
std::vector<LegendEntry> legend(std::span<const int> particles) {
    std::vector<LegendEntry> entries;
    for (int c = 0; c < int(particles.size()); ++c)
        entries.push_back({unicodeFormulaRuns(ab::formula(particles[c])), curveColour(c)});
    return entries;
}

} // namespace

CourbesLayout acidBaseCourbesLayout(Picture& pic, const AcidBaseCourbesInputs& in) {
    const int tables = int(ab::reactions(in.preparation.titration).size());
    CourbesLayout layout;
    layout.tableTop = pic.height() - acidBaseTableHeight * tables;
    PlotFrameInputs frame;
    frame.area = QRect(0, 0, pic.width(), std::max(0, layout.tableTop));
    frame.left = amountScale(in.scaleMax);
    frame.legend = legend(ab::columns(in.preparation.titration));
    layout.frame = layoutPlotFrame(pic, frame);
    return layout;
}

void drawAcidBaseCurvesBackground(Picture& pic, const AcidBaseCourbesInputs& in) {
    pic.restart();
    const CourbesLayout layout = acidBaseCourbesLayout(pic, in);
    drawPlotFrame(pic, layout.frame);
    drawAcidBaseTableFrames(pic, in.preparation, in.hidden, layout.tableTop);
    pic.setFontSize(8);
    pic.keepAsBackground();
}

bool drawAcidBaseCurves(Picture& pic, const AcidBaseCourbesInputs& in) {
    if (in.scaleMax == 0) return false;
    const std::span<const int> particles = ab::columns(in.preparation.titration);
    if (particles.empty()) return false;
    const CourbesLayout layout = acidBaseCourbesLayout(pic, in);
    const PlotFrame& frame = layout.frame;
    pic.clear(frame.curvesArea());

    const double poured = std::clamp(in.pouredVolume, 0.0, double(model::buretteCapacity));
    // The amounts bend sharply at the equivalences only: the grid and these points draw them.
    std::vector<QPolygonF> curves(particles.size());
    auto add = [&](double v, const std::vector<double>& amounts) {
        const double x = frame.x(v) + 0.5;
        for (std::size_t c = 0; c < particles.size(); ++c)
            curves[c] << QPointF(x, frame.y(amounts[c] * 1e-3) + 0.5); // mmol on a scale in mol
    };
    for (const CurvePoint& point : fixedPoints(in.preparation))
        if (point.volume < poured) add(point.volume, point.amounts);
    add(poured, amountsAt(in.preparation, poured));
    pic.paint([&](QPainter& p) {
        p.setClipRect(frame.curvesArea());
        const double markerX = curves[0].back().x();
        p.setPen(QPen(darkGrey, 1, Qt::DashLine));
        p.drawLine(QPointF(markerX, frame.plot.top()), QPointF(markerX, frame.plot.bottom()));
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

    drawAcidBaseTableRows(pic, in.preparation, poured, in.hidden, layout.tableTop);
    pic.setFontSize(8);
    return true;
}

} // namespace drawing
