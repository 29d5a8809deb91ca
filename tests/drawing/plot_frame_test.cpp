// SPDX-License-Identifier: GPL-3.0-or-later
// The frame of the plots of the "Courbes" tab: round scales, the volume and value of each
// pixel, the scales' labels and the legend. That its texts never collide, on the plots of
// every family, is checked with the families' plots (tests/families).
#include "drawing/plot_frame.h"

#include "drawing/courbes.h"
#include "drawing/drawing_test_support.h"
#include "drawing/picture.h"
#include "model/catalogue.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(PlotFrame, RoundScales) {
    struct Row {
        const char* name;
        double low, high;
        std::vector<QString> labels;
        const char* title = nullptr; // the runs' texts one after the other
    };
    const Row rows[] = {
        {"below one", 0, 0.87, {"0", "0,2", "0,4", "0,6", "0,8", "1"}},
        {"steps of five, never two and a half", 0, 12.3, {"0", "5", "10", "15"}},
        {"a round top kept", 0, 5, {"0", "1", "2", "3", "4", "5"}},
        {"negative values", -3.2, 0, {"-4", "-3", "-2", "-1", "0"}},
        {"both signs", -1.2, 5.6, {"-2", "0", "2", "4", "6"}},
        {"nothing measured", 0, 0, {"0", "0,2", "0,4", "0,6", "0,8", "1"}},
        {"one value", 5, 5, {"5", "5,1", "5,2", "5,3", "5,4", "5,5"}},
        {"ends given the other way", 0.87, 0, {"0", "0,2", "0,4", "0,6", "0,8", "1"}},
        {"not a number", std::nan(""), 3, {"0", "0,2", "0,4", "0,6", "0,8", "1"}},
        {"amounts in 10⁻³ mol", 0, 0.0013, {"0", "0,5", "1", "1,5"}, "n (10−3 mol)"},
        {"two decimals kept", 0, 0.07, {"0", "0,02", "0,04", "0,06", "0,08"}, "n (mol)"},
        {"tiny values", 0, 4.1e-6, {"0", "1", "2", "3", "4", "5"}, "n (10−6 mol)"},
        {"large values", 0, 230000, {"0", "0,5", "1", "1,5", "2", "2,5"}, "n (105 mol)"},
    };
    for (const Row& row : rows) {
        const drawing::VerticalScale s = drawing::roundScale(
            row.low, row.high,
            row.title ? drawing::Runs{{drawing::RunKind::Plain, "n"}} : drawing::Runs{},
            row.title ? drawing::Runs{{drawing::RunKind::Plain, "mol"}} : drawing::Runs{});
        QString title;
        for (const drawing::Run& r : s.title)
            title += r.text;
        EXPECT_EQ(title, row.title ? QString(row.title) : QString()) << row.name;
        std::vector<QString> labels;
        for (const drawing::ScaleLabel& l : s.labels)
            labels.push_back(l.text);
        EXPECT_EQ(labels, row.labels) << row.name;
        EXPECT_EQ(s.low, s.labels.front().value) << row.name;
        EXPECT_NEAR(s.high, s.labels.back().value, 1e-12) << row.name;
    }
}

TEST(PlotFrame, PixelsOfVolumesAndValues) {
    support::application();
    drawing::Picture pic(449, 274);
    drawing::PlotFrameInputs in;
    in.area = QRect(0, 0, 449, 200);
    in.left = drawing::roundScale(0, 14, {}, {});
    in.right = drawing::roundScale(-2, 2, {}, {});
    const drawing::PlotFrame f = drawing::layoutPlotFrame(pic, in);
    EXPECT_EQ(f.x(0), f.plot.left());
    EXPECT_EQ(f.x(25), f.plot.right());
    EXPECT_DOUBLE_EQ(f.x(12.5), (f.plot.left() + f.plot.right()) / 2.0);
    EXPECT_EQ(f.y(f.left.low), f.plot.bottom());
    EXPECT_EQ(f.y(f.left.high), f.plot.top());
    EXPECT_DOUBLE_EQ(f.yRight(0), (f.plot.top() + f.plot.bottom()) / 2.0);
    EXPECT_EQ(f.pixelX(25), f.plot.right());
    for (const double v : {0.0, 7.3, 25.0})
        EXPECT_NEAR(f.volumeAt(f.x(v)), v, 1e-12) << v;
}

// The volume axis fits what it shows: a round end a little past it, from 2 mL to the burette's
// 25 mL; its labels every 1, 2 or 5 times a power of ten.
TEST(PlotFrame, VolumeAxisEndsAtARoundVolumePastWhatItShows) {
    struct Row {
        double shown, end;
    };
    const Row rows[] = {{0, 2},   {1, 2},   {2, 2.5}, {2.5, 3},         {5, 6},
                        {7.5, 8}, {9, 10},  {10, 15}, {14, 15},         {20, 25},
                        {25, 25}, {40, 25}, {-3, 2},  {std::nan(""), 2}};
    for (const Row& row : rows)
        EXPECT_EQ(drawing::volumeAxisEnd(row.shown), row.end) << row.shown;

    support::application();
    drawing::Picture pic(449, 274);
    drawing::PlotFrameInputs in;
    in.area = QRect(0, 0, 449, 200);
    in.left = drawing::roundScale(0, 14, {}, {});
    in.volumeEnd = 2.5;
    const drawing::PlotFrame f = drawing::layoutPlotFrame(pic, in);
    EXPECT_EQ(f.pixelX(2.5), f.plot.right());
    std::vector<QString> below;
    for (const drawing::FrameText& t : f.texts)
        if (t.box.top() > f.plot.bottom() && t.runs.size() == 1) below.push_back(t.runs[0].text);
    EXPECT_EQ(below, (std::vector<QString>{"0", "0,5", "1", "1,5", "2", "2,5"}));
}

// The scales keep a label at the bottom at least, and as many as their room allows: all of
// them on the tab of a direct titration.
TEST(PlotFrame, LabelsThinnedOnlyWhenShort) {
    support::application();
    drawing::Picture pic(449, 274);
    drawing::CourbesInputs in;
    in.species = 9; // thiosulfate, direct
    in.scaleMax = 0.5f;
    const drawing::PlotFrame direct = drawing::courbesLayout(pic, in).frame;
    auto labelled = [](const drawing::PlotFrame& f, const QString& text) {
        for (const drawing::FrameText& t : f.texts)
            if (t.runs.size() == 1 && t.runs[0].text == text) return true;
        return false;
    };
    for (const char* label : {"0", "0,0001", "0,0002", "0,0003", "0,0004", "0,0005"})
        EXPECT_TRUE(labelled(direct, label)) << label;
    drawing::Picture small(449, 110); // a plot some 60 pixels high
    in.species = -1;
    const drawing::PlotFrame thinned = drawing::courbesLayout(small, in).frame;
    EXPECT_TRUE(labelled(thinned, "0"));
    EXPECT_FALSE(labelled(thinned, "0,0001"));
    EXPECT_TRUE(labelled(thinned, "0,0002"));
}

// The legend's text is printed where its box says, right of its mark.
TEST(PlotFrame, LegendPrintedInItsBoxes) {
    support::application();
    drawing::Picture pic(449, 274);
    drawing::CourbesInputs in;
    in.species = 9;
    in.scaleMax = 0.5f;
    drawing::majcourbes(pic, in);
    const drawing::PlotFrame f = drawing::courbesLayout(pic, in).frame;
    ASSERT_EQ(f.marks.size(), 4u);
    for (std::size_t m = 0; m < f.marks.size(); ++m) {
        const QRect mark = f.marks[m].box;
        EXPECT_EQ(pic.pixel(mark.center().x(), mark.top() + 2), drawing::courbeColour(int(m)));
        // The text right of the mark, within its box.
        bool found = false;
        for (const drawing::FrameText& t : f.texts) {
            if (std::abs(t.box.left() - mark.right() - 5) > 1) continue;
            found = true;
            const QRect b = t.box.toAlignedRect();
            EXPECT_TRUE(
                drawingtest::hasInkDarkerThan(pic, b.left(), b.top(), b.right(), b.bottom(), 80))
                << m;
        }
        EXPECT_TRUE(found) << m;
    }
}

} // namespace
