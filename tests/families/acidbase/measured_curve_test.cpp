// SPDX-License-Identifier: GPL-3.0-or-later
// The measured curve of an acid-base titration on the "Courbes" tab, checked on its pixels: the
// points where the model puts them, nothing past the volume poured, the derivative on its own
// scale, each method's constructions and the equivalence point where the model finds it.
#include "families/acidbase/measured_curve.h"

#include "drawing/drawing_test_support.h"
#include "drawing/picture.h"
#include "drawing/progress_table.h"
#include "model/acidbase/mixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

namespace {

namespace ab = model::acidbase;
using drawing::MeasuredCurveInputs;
using drawing::Picture;
using drawing::Reading;

const QColor darkGrey(128, 128, 128);

// Readings every `step` mL up to `last`: 0,100 mol/L ethanoic acid, 10 mL, 0,100 mol/L sodium
// hydroxide for the pH (equivalence at 10 mL); 0,0100 mol/L hydrochloric acid, 20 mL, in
// 200 mL of water, 0,100 mol/L sodium hydroxide for σ (equivalence at 2 mL).
std::vector<ab::Point> readings(Reading r, double last, double step) {
    const ab::Preparation ethanoic{ab::Titration::EthanoicAcid, 0.1, 10, 0, 0.1};
    const ab::Preparation hydrochloric{ab::Titration::HydrochloricAcid, 0.01, 20, 200, 0.1};
    std::vector<ab::Point> p;
    for (int k = 0; k * step <= last + 1e-9; ++k) {
        const double v = k * step;
        if (r == Reading::PH)
            p.push_back({v, ab::mixtureAt(ethanoic, v).pH});
        else
            p.push_back({v, ab::conductivity(ab::mixtureAt(hydrochloric, v))});
    }
    return p;
}

MeasuredCurveInputs inputs(Reading r, double last, double step) {
    MeasuredCurveInputs in;
    in.reading = r;
    in.points = readings(r, last, step);
    in.pouredVolume = last;
    return in;
}

struct Drawn {
    Picture pic;
    drawing::MeasuredCurveLayout layout;
};

Drawn draw(const MeasuredCurveInputs& in, const char* name, qreal ratio = 1.0) {
    support::application();
    Drawn d{Picture(449, 274, ratio), {}};
    drawing::drawMeasuredCurveBackground(d.pic, in);
    drawing::drawMeasuredCurve(d.pic, in);
    d.layout = drawing::measuredCurveLayout(d.pic, in);
    if (ratio == 1.0) drawingtest::save(d.pic, name);
    return d;
}

bool near(const Picture& pic, QPointF at, const QColor& colour, int reach = 1) {
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (pic.pixel(int(std::floor(at.x())) + dx, int(std::floor(at.y())) + dy) == colour)
                return true;
    return false;
}

int count(const Picture& pic, const QRect& area, const QColor& colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += pic.pixel(x, y) == colour;
    return n;
}

// The pixels in the area of a red ink, smoothed edges included: red well over green and blue.
int reddish(const Picture& pic, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = pic.pixel(x, y);
            n += c.red() > c.green() + 60 && c.red() > c.blue() + 60;
        }
    return n;
}

QPointF onPlot(const drawing::PlotFrame& f, double volume, double value) {
    return QPointF(f.x(volume) + 0.5, f.y(value) + 0.5);
}

// Every measured point lies where its volume and its reading put it, on a screen and on a
// dense one, for both probes.
TEST(MeasuredCurve, EveryPointWhereItsReadingPutsIt) {
    struct Row {
        const char* name;
        Reading reading;
        double last, step;
    };
    const Row rows[] = {
        {"pH every 0,5 mL to 14 mL", Reading::PH, 14, 0.5},
        {"pH every 0,1 mL to 25 mL", Reading::PH, 25, 0.1},
        {"conductivity every 0,2 mL to 4 mL", Reading::Conductivity, 4, 0.2},
    };
    for (const Row& row : rows)
        for (const qreal ratio : {1.0, 2.0}) {
            const MeasuredCurveInputs in = inputs(row.reading, row.last, row.step);
            const Drawn d = draw(in, row.name, ratio);
            for (const ab::Point& p : in.points)
                EXPECT_TRUE(near(d.pic, onPlot(d.layout.frame, p.volume, p.value),
                                 drawing::measuredColour()))
                    << row.name << " at " << p.volume << " mL, ratio " << ratio;
        }
}

// σ's scale rises above the highest reading so far, and no further than a round value.
TEST(MeasuredCurve, ConductivityScaleFollowsTheReadings) {
    const Drawn d = draw(inputs(Reading::Conductivity, 4, 0.2), "conductivity");
    double highest = 0;
    for (const ab::Point& p : readings(Reading::Conductivity, 4, 0.2))
        highest = std::max(highest, p.value);
    const drawing::VerticalScale& s = d.layout.frame.left;
    EXPECT_EQ(s.low, 0);
    EXPECT_GE(s.high, highest);
    EXPECT_LT(s.high, 2 * highest);
}

// The points past the volume poured are not drawn, nor is anything of the curve there; the
// marker stands at the volume poured.
TEST(MeasuredCurve, NothingBeyondTheVolumePoured) {
    MeasuredCurveInputs in = inputs(Reading::PH, 20, 0.5);
    in.pouredVolume = 8;
    in.derivative = true;
    const Drawn d = draw(in, "poured_8mL");
    const drawing::PlotFrame& f = d.layout.frame;
    const int end = f.pixelX(8);
    const QRect beyond(QPoint(end + 3, f.plot.top()), f.plot.bottomRight());
    EXPECT_EQ(count(d.pic, beyond, drawing::measuredColour()), 0);
    EXPECT_EQ(count(d.pic, beyond, drawing::derivativeColour()), 0);
    int dashes = 0;
    for (int y = f.plot.top(); y <= f.plot.bottom(); ++y)
        dashes += d.pic.pixel(end, y) == darkGrey;
    EXPECT_GT(dashes, 20);
    EXPECT_GT(count(d.pic, QRect(QPoint(f.plot.left(), f.plot.top()), QPoint(end, f.plot.bottom())),
                    drawing::measuredColour()),
              100);
}

// dpH/dV only on demand, or with the method of its maximum; on its scale at the right, where
// it peaks between the two readings of the jump.
TEST(MeasuredCurve, DerivativeOnDemand) {
    MeasuredCurveInputs in = inputs(Reading::PH, 14, 0.5);
    const Drawn without = draw(in, "without_derivative");
    EXPECT_FALSE(without.layout.frame.right);
    EXPECT_EQ(count(without.pic, without.layout.frame.curvesArea(), drawing::derivativeColour()),
              0);
    for (const bool asked : {true, false}) {
        in.derivative = asked;
        in.method.method = asked ? ab::Method::None : ab::Method::Derivative;
        const Drawn d = draw(in, asked ? "derivative" : "derivative_method");
        ASSERT_TRUE(d.layout.frame.right) << asked;
        const std::vector<ab::Point> slopes = ab::derivativePoints(in.points);
        const ab::Point peak = *std::max_element(
            slopes.begin(), slopes.end(),
            [](const ab::Point& a, const ab::Point& b) { return a.value < b.value; });
        EXPECT_NEAR(peak.volume, 9.75, 1e-9); // between 9,5 and 10 mL
        const drawing::PlotFrame& f = d.layout.frame;
        EXPECT_TRUE(near(d.pic, QPointF(f.x(peak.volume) + 0.5, f.yRight(peak.value) + 0.5),
                         drawing::derivativeColour()))
            << asked;
        EXPECT_GE(f.right->high, peak.value);
    }
    // Never on a conductivity curve.
    MeasuredCurveInputs sigma = inputs(Reading::Conductivity, 4, 0.2);
    sigma.derivative = true;
    EXPECT_FALSE(drawing::showsDerivative(sigma));
}

// The tangents at their points of contact, the parallel halfway, and the equivalence point
// where the model puts it, with its dashed lines down to the axes.
TEST(MeasuredCurve, ParallelTangentsAndTheirEquivalence) {
    MeasuredCurveInputs in = inputs(Reading::PH, 16, 0.5);
    in.method.method = ab::Method::ParallelTangents;
    in.method.firstContact = 5;
    in.method.secondContact = 14;
    in.selectedContact = 2;
    const Drawn d = draw(in, "tangents");
    const drawing::PlotFrame& f = d.layout.frame;
    const ab::MethodResult r = ab::applyMethod(in.points, in.method);
    ASSERT_TRUE(r.tangents && r.equivalence);
    EXPECT_NEAR(r.equivalence->volume, 10, 0.2);
    // Along each tangent, where the curve runs far from it, to the axis' end at 20 mL.
    for (const double v : {12.0, 17.0, 19.5})
        EXPECT_TRUE(
            near(d.pic, onPlot(f, v, r.tangents->tangent.at(v)), drawing::constructionColour()))
            << "tangent at " << v;
    for (const double v : {1.0, 3.0, 17.0, 19.5})
        EXPECT_TRUE(
            near(d.pic, onPlot(f, v, r.tangents->parallel.at(v)), drawing::constructionColour()))
            << "parallel at " << v;
    EXPECT_GT(count(d.pic, f.curvesArea(), drawing::middleColour()), 60);
    EXPECT_TRUE(near(d.pic, onPlot(f, r.equivalence->volume, r.equivalence->value),
                     drawing::equivalenceColour(), 2));
    // The dashed line from it down to the volume's axis.
    int red = 0;
    const int x = f.pixelX(r.equivalence->volume);
    for (int y = f.pixelY(r.equivalence->value) + 6; y < f.plot.bottom(); ++y)
        red += d.pic.pixel(x, y) == drawing::equivalenceColour() ||
               d.pic.pixel(x + 1, y) == drawing::equivalenceColour();
    EXPECT_GT(red, 10);
    // The contact the keys move is drawn larger, white inside its ring.
    const QPointF second = onPlot(f, r.tangents->second.volume, r.tangents->second.value);
    EXPECT_EQ(d.pic.pixel(int(second.x()) + 4, int(second.y())), drawingtest::rgb(255, 255, 255));
}

// Each jump the derivative finds is marked and named on the plot (V_E1, V_E2 on a cola's
// phosphoric acid, 5,6 mmol/L, 20 mL, sodium hydroxide 0,0100 mol/L), and under it: red ink
// right of each point, where the curve climbs steeply away.
TEST(MeasuredCurve, EveryJumpOfTheDerivativeMarkedAndNamed) {
    MeasuredCurveInputs in;
    for (int k = 0; k <= 50; ++k)
        in.points.push_back(
            {k * 0.5,
             ab::mixtureAt({ab::Titration::PhosphoricAcid, 0.0056, 20, 0, 0.01}, k * 0.5).pH});
    in.pouredVolume = 25;
    in.method.method = ab::Method::Derivative;
    const Drawn d = draw(in, "derivative_two_jumps");
    const ab::MethodResult r = ab::applyMethod(in.points, in.method);
    ASSERT_EQ(r.equivalences.size(), 2u);
    for (const ab::Point& e : r.equivalences) {
        const QPoint at = onPlot(d.layout.frame, e.volume, e.value).toPoint();
        EXPECT_GT(reddish(d.pic, QRect(at.x() + 6, at.y() - 8, 24, 17)), 10) << e.volume;
    }
    EXPECT_TRUE(drawing::runsText(drawing::resultRuns(in, r)).startsWith(QStringLiteral("VE₁ = ")));
    EXPECT_TRUE(
        drawing::runsText(drawing::resultRuns(in, r)).contains(QStringLiteral("\u00A0; VE₂ = ")));
}

// The two lines fitted on the ranges chosen, and their crossing.
TEST(MeasuredCurve, TwoLinesAndTheirCrossing) {
    MeasuredCurveInputs in = inputs(Reading::Conductivity, 4, 0.2);
    in.method.method = ab::Method::TwoLines;
    in.method.before = {0, 1.6};
    in.method.after = {2.4, 4};
    const Drawn d = draw(in, "two_lines");
    const drawing::PlotFrame& f = d.layout.frame;
    const ab::MethodResult r = ab::applyMethod(in.points, in.method);
    ASSERT_TRUE(r.lines && r.equivalence);
    EXPECT_NEAR(r.equivalence->volume, 2, 0.1);
    // Each line past the crossing, where the curve turns away from it.
    EXPECT_TRUE(
        near(d.pic, onPlot(f, 2.5, r.lines->before.at(2.5)), drawing::constructionColour()));
    EXPECT_TRUE(near(d.pic, onPlot(f, 1.5, r.lines->after.at(1.5)), drawing::constructionColour()));
    EXPECT_GT(r.lines->before.at(2.5), f.left.low);
    EXPECT_GT(r.lines->after.at(1.5), f.left.low);
    EXPECT_TRUE(near(d.pic, onPlot(f, r.equivalence->volume, r.equivalence->value),
                     drawing::equivalenceColour(), 2));
}

// The line under the plot gives the volume found and the method, or what the method lacks.
TEST(MeasuredCurve, ResultLine) {
    struct Row {
        const char* name;
        Reading reading;
        double last;
        ab::Method method;
        QString text;
    };
    const Row rows[] = {
        // Readings every 0,5 mL: the slopes on either side of 10 mL, 5,38 and 5,32 per mL,
        // put the summit of the derivative just before it, at 9,993 mL.
        {"derivative", Reading::PH, 14, ab::Method::Derivative,
         "VE = 9,99\u00A0mL (méthode de la dérivée)"},
        {"derivative, two readings", Reading::PH, 0.5, ab::Method::Derivative,
         "Dérivée\u00A0: trois mesures au moins sont nécessaires."},
        {"tangents touching at one point", Reading::PH, 8, ab::Method::ParallelTangents,
         "Tangentes\u00A0: un point de contact de chaque côté du saut."},
        {"tangents, one reading", Reading::PH, 0, ab::Method::ParallelTangents,
         "Tangentes\u00A0: deux mesures au moins sont nécessaires."},
        {"two lines, one on each side", Reading::Conductivity, 0.2, ab::Method::TwoLines,
         "Deux droites\u00A0: deux mesures au moins de chaque côté."},
        {"no method", Reading::PH, 14, ab::Method::None, ""},
    };
    for (const Row& row : rows) {
        MeasuredCurveInputs in =
            inputs(row.reading, row.last, row.reading == Reading::PH ? 0.5 : 0.2);
        in.method.method = row.method;
        in.method.firstContact = in.method.secondContact = 5; // no room between them
        in.method.before = {0, 0};                            // one reading
        in.method.after = {0.2, 4};
        const ab::MethodResult r = ab::applyMethod(drawing::shownPoints(in), in.method);
        EXPECT_EQ(drawing::runsText(drawing::resultRuns(in, r)), row.text) << row.name;
        const Drawn d = draw(in, row.name);
        const QRect line = d.layout.result;
        EXPECT_EQ(line.isEmpty(), row.text.isEmpty()) << row.name;
        if (line.isEmpty()) continue;
        EXPECT_TRUE(drawingtest::hasInkDarkerThan(d.pic, line.left(), line.top(), line.right(),
                                                  line.bottom(), 60))
            << row.name;
        // Within the picture: nothing printed past its right edge's last columns.
        EXPECT_FALSE(drawingtest::hasInkDarkerThan(d.pic, d.pic.width() - 3, line.top(),
                                                   d.pic.width() - 1, line.bottom(), 60))
            << row.name;
    }
}

// The frame is drawn again only when what it shows changes: not at each new reading of a pH.
TEST(MeasuredCurve, FrameKeyChangesWithWhatTheFrameShows) {
    support::application();
    Picture pic(449, 274);
    MeasuredCurveInputs in = inputs(Reading::PH, 6, 0.5);
    const drawing::MeasuredFrameKey start = drawing::measuredFrameKey(pic, in);
    in = inputs(Reading::PH, 7, 0.5);
    EXPECT_EQ(drawing::measuredFrameKey(pic, in), start) << "a new reading";
    EXPECT_EQ(start.volumeEnd, 8);
    EXPECT_EQ(drawing::measuredFrameKey(pic, inputs(Reading::PH, 8, 0.5)).volumeEnd, 10)
        << "a reading past the volume axis";
    in.method.method = ab::Method::ParallelTangents;
    EXPECT_NE(drawing::measuredFrameKey(pic, in), start) << "the legend";
    in.method.method = ab::Method::None;
    in.derivative = true;
    EXPECT_NE(drawing::measuredFrameKey(pic, in), start) << "the derivative's scale";
    in.derivative = false;
    in.controlsHeight = 40;
    EXPECT_NE(drawing::measuredFrameKey(pic, in), start) << "room for the controls";
    // σ: a reading above the scale.
    MeasuredCurveInputs sigma = inputs(Reading::Conductivity, 1, 0.2);
    const drawing::MeasuredFrameKey before = drawing::measuredFrameKey(pic, sigma);
    sigma.points.push_back({1.2, before.high * 1.5});
    sigma.pouredVolume = 1.2;
    EXPECT_GT(drawing::measuredFrameKey(pic, sigma).high, before.high);
}

// The controls' band stays blank.
TEST(MeasuredCurve, BandOfTheControlsLeftBlank) {
    MeasuredCurveInputs in = inputs(Reading::PH, 25, 0.5);
    in.method = ab::startingPlaces(in.points, ab::Method::ParallelTangents);
    in.controlsHeight = 52;
    const Drawn d = draw(in, "with_controls");
    EXPECT_LE(d.layout.result.bottom(), 274 - 52);
    for (int y = 274 - 52; y < 274; ++y)
        for (int x = 0; x < 449; ++x)
            ASSERT_EQ(d.pic.pixel(x, y), drawingtest::rgb(255, 255, 255)) << x << "," << y;
}

// The tab as the bench draws it along a pour, the frame again only when its key changes and
// the line under the plot only when it differs, is at every reading the picture drawn whole:
// the tangents' second point of contact (12 mL) stays on the last reading until the curve
// reaches it, and the equivalence they give moves with it.
TEST(MeasuredCurve, TheKeptResultLineIsTheOneDrawnWhole) {
    support::application();
    Picture kept(449, 274);
    std::optional<drawing::MeasuredFrameKey> frame;
    drawing::Runs shown;
    const std::vector<ab::Point> all = readings(Reading::PH, 14, 0.1);
    int changes = 0;
    for (std::size_t n = 1; n <= all.size(); n += 3) {
        MeasuredCurveInputs in;
        in.points.assign(all.begin(), all.begin() + std::ptrdiff_t(n));
        in.pouredVolume = in.points.back().volume;
        in.method.method = ab::Method::ParallelTangents;
        in.method.firstContact = 5;
        in.method.secondContact = 12;
        const drawing::MeasuredFrameKey key = drawing::measuredFrameKey(kept, in);
        if (frame != key) {
            drawing::drawMeasuredCurveBackground(kept, in);
            frame = key;
            shown.clear();
        }
        const drawing::Runs before = shown;
        drawing::drawMeasuredCurve(kept, in, &shown);
        changes += shown != before;
        Picture whole(449, 274);
        drawing::drawMeasuredCurveBackground(whole, in);
        drawing::drawMeasuredCurve(whole, in);
        ASSERT_TRUE(kept.image() == whole.image()) << in.pouredVolume << " mL";
    }
    EXPECT_GE(changes, 3) << "the line was drawn again as the result moved";
}

} // namespace
