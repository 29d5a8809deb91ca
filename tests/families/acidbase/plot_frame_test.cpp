// SPDX-License-Identifier: GPL-3.0-or-later
// The frame of the plots of the "Courbes" tab: texts that never collide, for the ten redox
// titrations and the acid-base curves with each of their legends and with readings of every
// size, on the tab and on smaller and larger pictures.
#include "drawing/plot_frame.h"

#include "drawing/courbes.h"
#include "drawing/picture.h"
#include "families/acidbase/courbes_acidbase.h"
#include "families/acidbase/measured_curve.h"
#include "support/application.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

namespace ab = model::acidbase;

struct Case {
    std::string name;
    drawing::Picture pic;
    QRect area;
    drawing::PlotFrame frame;
};

std::vector<Case> cases() {
    support::application();
    std::vector<Case> all;
    const QSize sizes[] = {{449, 274}, {360, 220}, {700, 500}};
    for (const QSize size : sizes) {
        const std::string at =
            " at " + std::to_string(size.width()) + "x" + std::to_string(size.height());
        // The progress tables of an indirect titration leave too little of a small picture.
        for (int species = -1; species < 10 && size.height() >= 274; ++species)
            for (const float scale : {0.5f, 1.3f, 0.0123f, 25.f}) {
                drawing::Picture pic(size.width(), size.height());
                drawing::CourbesInputs in;
                in.species = species;
                in.scaleMax = scale;
                const drawing::CourbesLayout layout = drawing::courbesLayout(pic, in);
                all.push_back(
                    {"species " + std::to_string(species) + " scale " + std::to_string(scale) + at,
                     std::move(pic), QRect(0, 0, size.width(), layout.tableTop), layout.frame});
            }
        // The amounts of a titration without a probe, on scales of every size.
        for (const float scale : {2.5f, 0.0013f, 130.f})
            if (size.height() >= 274) {
                drawing::Picture pic(size.width(), size.height());
                drawing::AcidBaseCourbesInputs in;
                in.preparation = {ab::Titration::EthanoicAcid, 0.1, 10, 0, 0.1};
                in.scaleMax = scale;
                const drawing::CourbesLayout layout = drawing::acidBaseCourbesLayout(pic, in);
                all.push_back({"amounts, scale " + std::to_string(scale) + at, std::move(pic),
                               QRect(0, 0, size.width(), layout.tableTop), layout.frame});
            }
        struct State {
            const char* name;
            drawing::Reading reading;
            bool derivative;
            ab::Method method;
            double volumes = 1, values = 1; // the made-up curve's, multiplied by these
        };
        const State states[] = {
            {"pH", drawing::Reading::PH, false, ab::Method::None},
            {"pH and dpH/dV", drawing::Reading::PH, true, ab::Method::None},
            {"derivative's maximum", drawing::Reading::PH, false, ab::Method::Derivative},
            {"tangents with dpH/dV", drawing::Reading::PH, true, ab::Method::ParallelTangents},
            {"σ and two lines", drawing::Reading::Conductivity, false, ab::Method::TwoLines},
            {"V_E of 1 mL, derivative", drawing::Reading::PH, true, ab::Method::Derivative, 0.1},
            {"V_E of 1 mL, small σ", drawing::Reading::Conductivity, false, ab::Method::TwoLines,
             0.1, 0.0004},
            {"large σ", drawing::Reading::Conductivity, false, ab::Method::None, 1, 3000},
        };
        for (const State& s : states)
            for (const int controls : {0, 52}) {
                drawing::Picture pic(size.width(), size.height());
                drawing::MeasuredCurveInputs in;
                in.reading = s.reading;
                in.derivative = s.derivative;
                in.method.method = s.method;
                in.controlsHeight = controls;
                for (int k = 0; k <= 40; ++k) // a made-up curve with a jump, and its slopes
                    in.points.push_back(
                        {k * 0.5 * s.volumes, (k < 20 ? 3 + k * 0.1 : 11 + k * 0.01) * s.values});
                in.pouredVolume = 20 * s.volumes;
                const drawing::MeasuredCurveLayout layout = drawing::measuredCurveLayout(pic, in);
                const int bottom =
                    layout.result.isEmpty() ? size.height() - controls : layout.result.top();
                all.push_back({std::string(s.name) + ", controls " + std::to_string(controls) + at,
                               std::move(pic), QRect(0, 0, size.width(), bottom), layout.frame});
            }
    }
    return all;
}

// No two texts overlap; none enters the plot, covers an axis or its arrow, or leaves the
// part of the picture given; the legend's marks likewise.
TEST(PlotFrame, TextsNeverCollide) {
    for (const Case& c : cases()) {
        const drawing::PlotFrame& f = c.frame;
        const QRectF plot(f.plot);
        std::vector<QRectF> boxes;
        for (const drawing::FrameText& t : f.texts)
            boxes.push_back(t.box);
        for (const drawing::PlotFrame::Mark& m : f.marks)
            boxes.push_back(QRectF(m.box));
        // The vertical axis up to its arrow's tip; the horizontal one to its own.
        const QRectF leftAxis(f.plot.left() - 3, f.plot.top() - 8, 7, f.plot.height() + 8);
        const QRectF bottomAxis(f.plot.left(), f.plot.bottom() - 3,
                                f.plot.width() + (f.right ? 0 : 8), 7);
        ASSERT_GT(f.plot.width(), 100) << c.name;
        ASSERT_GT(f.plot.height(), 25) << c.name;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const QRectF& b = boxes[i];
            EXPECT_TRUE(QRectF(c.area).contains(b)) << c.name << ", text " << i;
            EXPECT_FALSE(b.intersects(plot)) << c.name << ", text " << i;
            EXPECT_FALSE(b.intersects(leftAxis)) << c.name << ", text " << i;
            EXPECT_FALSE(b.intersects(bottomAxis)) << c.name << ", text " << i;
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                EXPECT_FALSE(b.intersects(boxes[j])) << c.name << ", texts " << i << " and " << j;
        }
    }
}

} // namespace
