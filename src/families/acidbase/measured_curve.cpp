// SPDX-License-Identifier: GPL-3.0-or-later
#include "families/acidbase/measured_curve.h"

#include "drawing/picture.h"
#include "model/amounts.h"

#include <QLineF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace drawing {

namespace {

namespace ab = model::acidbase;

const QColor darkGrey(128, 128, 128);
constexpr double fullBurette = model::buretteCapacity;

Runs plain(const QString& text) {
    return {{RunKind::Plain, text}};
}

VerticalScale pHScale() {
    VerticalScale s;
    s.low = 0;
    s.high = 14;
    for (int pH = 0; pH <= 14; pH += 2)
        s.labels.push_back({double(pH), QString::number(pH)});
    s.title = plain(QStringLiteral("pH"));
    return s;
}

VerticalScale leftScale(const MeasuredCurveInputs& in, const std::vector<ab::Point>& curve) {
    if (in.reading == Reading::PH) return pHScale();
    // σ from 0 to a round value over the highest measured so far: the scale tells nothing of
    // what is still to come.
    double top = 0;
    for (const ab::Point& p : curve)
        top = std::max(top, p.value);
    return roundScale(
        0, top, plain(in.dilutionCorrected ? QStringLiteral("σ corrigé") : QStringLiteral("σ")),
        {{RunKind::Plain, QStringLiteral("mS·cm")}, {RunKind::Superscript, QStringLiteral("−1")}});
}

std::optional<VerticalScale> rightScale(const MeasuredCurveInputs& in,
                                        const std::vector<ab::Point>& derivative) {
    if (!showsDerivative(in)) return std::nullopt;
    double low = 0, high = 0;
    for (const ab::Point& p : derivative) {
        low = std::min(low, p.value);
        high = std::max(high, p.value);
    }
    return roundScale(
        low, high, plain(QStringLiteral("dpH/dV")),
        {{RunKind::Plain, QStringLiteral("mL")}, {RunKind::Superscript, QStringLiteral("−1")}});
}

// The volume axis ends past the volume poured, the last reading and the equivalence the
// method finds: a curve whose equivalence is at 1 mL spreads over the plot.
double volumeEnd(const MeasuredCurveInputs& in, const std::vector<ab::Point>& curve,
                 const ab::MethodResult& result) {
    double shown = std::clamp(in.pouredVolume, 0.0, fullBurette);
    if (!curve.empty()) shown = std::max(shown, curve.back().volume);
    if (const auto& e = result.equivalence; e && e->volume > 0 && e->volume <= fullBurette)
        shown = std::max(shown, e->volume);
    return volumeAxisEnd(shown);
}

std::vector<LegendEntry> legend(const MeasuredCurveInputs& in) {
    std::vector<LegendEntry> entries;
    entries.push_back({plain(in.reading == Reading::PH ? QStringLiteral("pH")
                             : in.dilutionCorrected    ? QStringLiteral("σ corrigé")
                                                       : QStringLiteral("σ")),
                       measuredColour()});
    if (showsDerivative(in))
        entries.push_back({plain(QStringLiteral("dpH/dV")), derivativeColour()});
    switch (in.method.method) {
    case ab::Method::ParallelTangents:
        entries.push_back({plain(QStringLiteral("tangentes")), constructionColour()});
        entries.push_back(
            {plain(QStringLiteral("parallèle équidistante")), middleColour(), LegendMark::Dashes});
        break;
    case ab::Method::TwoLines:
        entries.push_back({plain(QStringLiteral("droites")), constructionColour()});
        break;
    default:
        break;
    }
    if (in.method.method != ab::Method::None)
        entries.push_back(
            {plain(QStringLiteral("équivalence")), equivalenceColour(), LegendMark::Dot});
    return entries;
}

// The part of a line of the plot (on the left scale) that lies within it.
std::optional<QLineF> withinPlot(const PlotFrame& f, const ab::Line& line) {
    double from = 0, to = f.volumeEnd;
    if (line.slope != 0) {
        const double a = (f.left.low - line.intercept) / line.slope;
        const double b = (f.left.high - line.intercept) / line.slope;
        from = std::max(from, std::min(a, b));
        to = std::min(to, std::max(a, b));
    } else if (line.intercept < f.left.low || line.intercept > f.left.high) {
        return std::nullopt;
    }
    if (!(from < to)) return std::nullopt;
    return QLineF(f.x(from) + 0.5, f.y(line.at(from)) + 0.5, f.x(to) + 0.5, f.y(line.at(to)) + 0.5);
}

QPointF at(const PlotFrame& f, const ab::Point& p) {
    return QPointF(f.x(p.volume) + 0.5, f.y(p.value) + 0.5);
}

// The points that stand clear of the one kept before them: a mark for each measurement
// where marks can be told apart (a held tap measures every 0,1 mL, a pixel or so apart).
QPolygonF apart(const QPolygonF& points) {
    QPolygonF kept;
    for (const QPointF& q : points)
        if (kept.isEmpty() || std::fabs(q.x() - kept.back().x()) >= 3 ||
            std::fabs(q.y() - kept.back().y()) >= 3)
            kept << q;
    return kept;
}

// The polyline with the points dropped that lie within a third of a pixel of the line
// through those kept around them (Douglas and Peucker): what a pixel grid shows of a curve
// measured every 0,1 mL, for a fraction of the joins to work out.
QPolygonF simplified(const QPolygonF& line) {
    const int n = int(line.size());
    if (n < 3) return line;
    std::vector<bool> keep(std::size_t(n), false);
    keep.front() = keep.back() = true;
    std::vector<std::pair<int, int>> spans{{0, n - 1}};
    while (!spans.empty()) {
        const auto [a, b] = spans.back();
        spans.pop_back();
        const QPointF d = line[b] - line[a];
        const double length = std::hypot(d.x(), d.y());
        double farthest = 0;
        int k = -1;
        for (int i = a + 1; i < b; ++i) {
            const QPointF e = line[i] - line[a];
            const double off = length > 0 ? std::fabs(d.x() * e.y() - d.y() * e.x()) / length
                                          : std::hypot(e.x(), e.y());
            if (off > farthest) {
                farthest = off;
                k = i;
            }
        }
        if (k < 0 || farthest <= 1.0 / 3) continue;
        keep[std::size_t(k)] = true;
        spans.push_back({a, k});
        spans.push_back({k, b});
    }
    QPolygonF kept;
    for (int i = 0; i < n; ++i)
        if (keep[std::size_t(i)]) kept << line[i];
    return kept;
}

void dot(QPainter& p, QPointF centre, int size, const QColor& colour) {
    const double h = size / 2.0;
    p.fillRect(
        QRectF(std::floor(centre.x() - h + 0.5), std::floor(centre.y() - h + 0.5), size, size),
        colour);
}

void ring(QPainter& p, QPointF centre, int radius, const QColor& colour, const QColor& fill) {
    p.setPen(QPen(colour, 1));
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::NoBrush);
}

void drawTangents(QPainter& p, const PlotFrame& f, const ab::Tangents& t) {
    p.setPen(QPen(constructionColour(), 2, Qt::SolidLine, Qt::FlatCap));
    for (const ab::Line& line : {t.tangent, t.parallel})
        if (const auto l = withinPlot(f, line)) p.drawLine(*l);
    p.setPen(QPen(middleColour(), 2, Qt::DashLine, Qt::FlatCap));
    if (const auto l = withinPlot(f, t.middle)) p.drawLine(*l);
}

// The points of contact, over the curve; the one the keys move larger, white in its ring.
void drawContacts(QPainter& p, const PlotFrame& f, const ab::Tangents& t, int selected) {
    const ab::Point contacts[] = {t.first, t.second};
    for (int i = 0; i < 2; ++i) {
        const bool chosen = selected == i + 1;
        ring(p, at(f, contacts[i]), chosen ? 6 : 4, chosen ? QColor(0, 0, 0) : constructionColour(),
             chosen ? QColor(255, 255, 255) : constructionColour());
        if (chosen) ring(p, at(f, contacts[i]), 3, constructionColour(), constructionColour());
    }
}

void drawLines(QPainter& p, const PlotFrame& f, const ab::LinesCrossing& c,
               const std::vector<ab::Point>& curve, const ab::MethodChoice& choice) {
    p.setPen(QPen(constructionColour(), 2, Qt::SolidLine, Qt::FlatCap));
    for (const ab::Line& line : {c.before, c.after})
        if (const auto l = withinPlot(f, line)) p.drawLine(*l);
    // The points fitted, ringed.
    QPolygonF fitted;
    for (const ab::Point& q : curve)
        if (choice.before.holds(q.volume) || choice.after.holds(q.volume)) fitted << at(f, q);
    p.setPen(QPen(constructionColour(), 1));
    for (const QPointF& q : apart(fitted))
        p.drawRect(QRectF(std::floor(q.x()) - 3, std::floor(q.y()) - 3, 6, 6));
}

} // namespace

QColor measuredColour() {
    return QColor(0, 0, 200);
}
QColor derivativeColour() {
    return QColor(220, 120, 0);
}
QColor constructionColour() {
    return QColor(0, 140, 0);
}
QColor middleColour() {
    return QColor(160, 0, 160);
}
QColor equivalenceColour() {
    return QColor(200, 0, 0);
}

std::vector<ab::Point> shownPoints(const MeasuredCurveInputs& in) {
    return ab::curvePoints(in.points, -ab::anyVolume, in.pouredVolume);
}

bool showsDerivative(const MeasuredCurveInputs& in) {
    return in.reading == Reading::PH &&
           (in.derivative || in.method.method == ab::Method::Derivative);
}

namespace {

// The layout for the curve shown and what its method found there.
MeasuredCurveLayout layoutFor(Picture& pic, const MeasuredCurveInputs& in,
                              const std::vector<ab::Point>& curve, const ab::MethodResult& result) {
    MeasuredCurveLayout layout;
    int bottom = pic.height() - std::max(0, in.controlsHeight);
    if (in.method.method != ab::Method::None) {
        const RunsExtent e = runsExtent(
            pic, {{RunKind::Plain, QStringLiteral("V")}, {RunKind::Subscript, QStringLiteral("E")}},
            ScriptSet::Large);
        const int height = int(std::ceil(e.above + e.below)) + 4;
        bottom -= height;
        layout.result = QRect(0, bottom, pic.width(), height);
    }
    PlotFrameInputs frame;
    frame.area = QRect(0, 0, pic.width(), std::max(0, bottom));
    frame.volumeEnd = volumeEnd(in, curve, result);
    frame.left = leftScale(in, curve);
    frame.right = rightScale(in, ab::derivativePoints(curve));
    frame.legend = legend(in);
    layout.frame = layoutPlotFrame(pic, frame);
    return layout;
}

} // namespace

MeasuredCurveLayout measuredCurveLayout(Picture& pic, const MeasuredCurveInputs& in) {
    const std::vector<ab::Point> curve = shownPoints(in);
    return layoutFor(pic, in, curve, ab::applyMethod(curve, in.method));
}

MeasuredFrameKey measuredFrameKey(const Picture& pic, const MeasuredCurveInputs& in) {
    const std::vector<ab::Point> curve = shownPoints(in);
    MeasuredFrameKey key;
    key.width = pic.width();
    key.height = pic.height();
    key.ratio = pic.devicePixelRatio();
    key.reading = in.reading;
    key.volumeEnd = volumeEnd(in, curve, ab::applyMethod(curve, in.method));
    const VerticalScale left = leftScale(in, curve);
    key.low = left.low;
    key.high = left.high;
    if (const auto right = rightScale(in, ab::derivativePoints(curve))) {
        key.right = true;
        key.rightLow = right->low;
        key.rightHigh = right->high;
    }
    key.method = in.method.method;
    key.controlsHeight = in.controlsHeight;
    key.dilutionCorrected = in.dilutionCorrected;
    return key;
}

void drawMeasuredCurveBackground(Picture& pic, const MeasuredCurveInputs& in) {
    pic.restart();
    drawPlotFrame(pic, measuredCurveLayout(pic, in).frame);
    pic.setFontSize(8);
    pic.keepAsBackground();
}

MeasuredCurveLayout drawMeasuredCurve(Picture& pic, const MeasuredCurveInputs& in,
                                      Runs* shownResult) {
    const std::vector<ab::Point> curve = shownPoints(in);
    const ab::MethodResult result = ab::applyMethod(curve, in.method);
    const MeasuredCurveLayout layout = layoutFor(pic, in, curve, result);
    const PlotFrame& f = layout.frame;
    pic.clear(f.curvesArea());
    const Runs text = resultRuns(in, result);
    const bool newText = !shownResult || *shownResult != text;
    if (newText && !layout.result.isEmpty()) pic.clear(layout.result);
    const double poured = std::clamp(in.pouredVolume, 0.0, f.volumeEnd);

    pic.paint([&](QPainter& p) {
        p.setClipRect(f.curvesArea());
        p.setPen(QPen(darkGrey, 1, Qt::DashLine));
        p.drawLine(QPointF(f.x(poured) + 0.5, f.plot.top()),
                   QPointF(f.x(poured) + 0.5, f.plot.bottom()));
        if (result.tangents) drawTangents(p, f, *result.tangents);
        if (result.lines) drawLines(p, f, *result.lines, curve, in.method);
        if (showsDerivative(in)) {
            QPolygonF d;
            for (const ab::Point& q : ab::derivativePoints(curve))
                d << QPointF(f.x(q.volume) + 0.5, f.yRight(q.value) + 0.5);
            p.setPen(QPen(derivativeColour(), 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
            p.drawPolyline(simplified(d));
        }
        QPolygonF line;
        for (const ab::Point& q : curve)
            line << at(f, q);
        p.setPen(QPen(measuredColour(), 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawPolyline(simplified(line));
        for (const QPointF& q : apart(line))
            dot(p, q, 4, measuredColour());
        if (result.tangents) drawContacts(p, f, *result.tangents, in.selectedContact);
        for (const ab::Point& point : result.equivalences) {
            const QPointF e = at(f, point);
            p.setPen(QPen(equivalenceColour(), 1, Qt::DashLine));
            p.drawLine(e, QPointF(e.x(), f.plot.bottom()));
            p.drawLine(e, QPointF(f.plot.left(), e.y()));
            ring(p, e, 4, QColor(0, 0, 0), equivalenceColour());
        }
    });
    // The derivative's equivalences named beside their points, right of them (left near the
    // plot's right edge), within the plot.
    if (in.method.method == ab::Method::Derivative) {
        pic.setForeColor(equivalenceColour());
        const std::size_t count = result.equivalences.size();
        for (std::size_t k = 0; k < count; ++k) {
            const Runs name = equivalenceName(k, count);
            const RunsExtent e = runsExtent(pic, name, ScriptSet::Small);
            const QPointF point = at(f, result.equivalences[k]);
            double left = point.x() + 7;
            if (left + e.width > f.plot.right() - 1) left = point.x() - 7 - e.width;
            const double top =
                std::max(f.plot.top() + 1 + e.above, std::min(point.y() - (e.below - e.above) / 2,
                                                              f.plot.bottom() - 1 - e.below));
            printRunsAt(pic, name, ScriptSet::Small, left, int(std::floor(top)));
        }
    }

    if (shownResult) *shownResult = text;
    if (newText && !text.empty()) {
        pic.setForeColor(QColor(0, 0, 0));
        const RunsExtent e = runsExtent(pic, text, ScriptSet::Large);
        pic.currentX = 6;
        pic.currentY = layout.result.top() + 2 + e.above;
        printRuns(pic, text, ScriptSet::Large);
    }
    pic.setFontSize(8);
    return layout;
}

} // namespace drawing
