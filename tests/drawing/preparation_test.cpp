// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/bench_drawing.h"
#include "drawing/drawing_test_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace drawing;
using drawingtest::rgb;
using support::application;

const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor darkGrey(128, 128, 128);
const QColor red(255, 0, 0);
const QColor blue(0, 0, 200);

UniformRandom constant(double value) {
    return [value] { return value; };
}

TEST(Bottle, CapColourAndExtent) {
    support::application();
    for (int coulbouch : {0, 1, 7}) {
        SCOPED_TRACE(coulbouch);
        Picture pic(120, 120);
        bouteille(pic, 20, 20, coulbouch, constant(0));
        EXPECT_EQ(pic.pixel(40, 15), coulbouch == 0 ? red : blue);
        EXPECT_EQ(pic.pixel(33, 10), black) << "cap outline, top";
        EXPECT_EQ(pic.pixel(40, 9), white) << "nothing above the cap";
        EXPECT_EQ(pic.pixel(21, 30), rgb(250, 150, 50)) << "amber under the shoulder";
        EXPECT_EQ(pic.pixel(21, 84), rgb(142, 42, 12)) << "dark brown at the bottom";
        EXPECT_EQ(pic.pixel(21, 85), rgb(150, 50, 20)) << "first row of the base";
        EXPECT_EQ(pic.pixel(40, 90), black) << "black last row of the base";
        EXPECT_EQ(pic.pixel(40, 91), white);
        EXPECT_EQ(pic.pixel(20, 50), black);
        EXPECT_EQ(pic.pixel(60, 50), black);
        EXPECT_EQ(pic.pixel(62, 50), white);
        EXPECT_EQ(pic.pixel(40, 45), rgb(240, 240, 230)) << "label";
        EXPECT_EQ(pic.pixel(27, 40), black) << "label outline";
        // With a source always at 0 the scribble is two dots at the start of its lines.
        EXPECT_EQ(pic.pixel(30, 43), darkGrey);
        EXPECT_EQ(pic.pixel(30, 50), darkGrey);
        EXPECT_EQ(pic.pixel(35, 43), rgb(240, 240, 230));
    }
}

TEST(Bottle, ScribbleStaysOnTheLabel) {
    support::application();
    Picture pic(120, 120);
    bouteille(pic, 20, 20, 0); // the program's own random source
    for (int y = 40; y <= 55; ++y)
        for (int x = 27; x <= 53; ++x) {
            const bool inScribble =
                x >= 30 && x <= 50 && ((y >= 43 && y <= 46) || (y >= 50 && y <= 52));
            if (!inScribble && x > 27 && x < 53 && y > 40 && y < 55) {
                EXPECT_EQ(pic.pixel(x, y), rgb(240, 240, 230)) << x << "," << y;
            }
        }
}

TEST(Pipette, ShapeAndExtent) {
    support::application();
    Picture pic(40, 130);
    pipette(pic, 10, 10);
    EXPECT_EQ(pic.pixel(13, 10), black);
    EXPECT_EQ(pic.pixel(16, 10), black);
    EXPECT_EQ(pic.pixel(14, 20), white) << "reflection of the upper stem";
    EXPECT_EQ(pic.pixel(13, 25), black) << "upper mark";
    EXPECT_EQ(pic.pixel(15, 25), black);
    EXPECT_EQ(pic.pixel(10, 60), black) << "bulb, left";
    EXPECT_EQ(pic.pixel(19, 60), black) << "bulb, right";
    EXPECT_EQ(pic.pixel(12, 60), white);
    EXPECT_EQ(pic.pixel(15, 95), black) << "lower mark";
    EXPECT_EQ(pic.pixel(14, 113), black) << "tip";
    EXPECT_EQ(pic.pixel(15, 113), black);
    EXPECT_EQ(pic.pixel(14, 114), white);
    EXPECT_EQ(pic.pixel(20, 60), white);
}

struct PanelCase {
    const char* name;
    int species;
    bool reagentBox, iodideBox, iodineList, cylinder, secondPipette;
};

class PanelTest : public ::testing::TestWithParam<PanelCase> {};

// The height of an 8-point Arial line, as the panel's text advances by it.
double lineHeight() {
    Picture probe(10, 10);
    probe.setFontSize(8);
    return probe.textHeight();
}

TEST_P(PanelTest, ControlsAndDrawingsFollowTheSpecies) {
    support::application();
    const PanelCase& c = GetParam();
    Picture panel(benchWidth, benchHeight);
    fond01(panel);
    PanelInputs in;
    in.species = c.species;
    in.random = constant(0.5);
    const PanelLayout out = prepasol(panel, in);
    const int h = int(lineHeight());

    EXPECT_EQ(out.ions1.topLeft.y(), 7 + h + 6 - 4);
    EXPECT_GT(out.ions1.topLeft.x(), 90);
    EXPECT_EQ(out.sampleBox.topLeft.y(), 7 + h + 6 + 27 + h + 6 - 3);
    EXPECT_GT(out.sampleBox.topLeft.x(), 99);
    EXPECT_EQ(out.randomButton.topLeft, QPoint(75, out.sampleBox.topLeft.y() + 2));
    EXPECT_EQ(out.revealLabel.topLeft, out.sampleBox.topLeft - QPoint(0, 2));
    EXPECT_TRUE(out.sampleBox.visible);
    EXPECT_FALSE(out.revealLabel.visible);
    EXPECT_EQ(out.sampleVolume.topLeft.y(), 114);
    EXPECT_GT(out.sampleVolume.topLeft.x(), 45);

    EXPECT_EQ(out.reagentBox.visible, c.reagentBox);
    EXPECT_EQ(out.iodideBox.visible, c.iodideBox);
    EXPECT_EQ(out.iodineVolume.visible, c.iodineList);
    EXPECT_EQ(out.cylinderDrawn, c.cylinder);
    if (c.reagentBox) {
        EXPECT_EQ(out.reagentBox.topLeft.y(), 185 + h + 21 + h + 6 - 3);
        EXPECT_EQ(out.reagentBox.topLeft.x(), out.sampleBox.topLeft.x()) << "c3 = like c2 =";
    }
    if (c.iodineList) {
        EXPECT_EQ(out.iodineVolume.topLeft.y(), 301);
    }
    if (c.iodideBox) {
        EXPECT_EQ(out.iodideBox.topLeft.y(), 290 + h + 6 - 3);
    }

    // First bottle (red cap) and pipette always; second bottle (blue cap) for an indirect
    // titration, with a pipette for diiode or the cylinder for potassium iodide.
    EXPECT_EQ(panel.pixel(40, 15), red);
    EXPECT_EQ(panel.pixel(273, 80), black);
    EXPECT_EQ(panel.pixel(40, 210) == blue, c.reagentBox);
    EXPECT_EQ(panel.pixel(270, 310) == black, c.secondPipette);
    EXPECT_EQ(panel.pixel(270, 326) == rgb(250, 240, 200), c.cylinder);
    EXPECT_EQ(panel.pixel(262, 359) == black, c.cylinder) << "the cylinder's base";
}

INSTANTIATE_TEST_SUITE_P(
    Species, PanelTest,
    ::testing::Values(PanelCase{"ascorbicWithDiiode", 0, true, false, true, false, true},
                      PanelCase{"diiodeDirect", 2, false, false, false, false, false},
                      PanelCase{"hypochloriteWithIodide", 4, true, true, false, true, false},
                      PanelCase{"copperWithIodide", 7, true, true, false, true, false},
                      PanelCase{"ironDirect", 8, false, false, false, false, false},
                      PanelCase{"noSpecies", -1, false, false, false, false, false}),
    [](const auto& info) { return info.param.name; });

TEST(Panel, HiddenConcentrationShowsTheLabelInPlaceOfTheBox) {
    support::application();
    Picture panel(benchWidth, benchHeight);
    fond01(panel);
    PanelInputs in;
    in.species = 1;
    const PanelLayout shown = prepasol(panel, in);
    in.hideConcentration = true;
    const PanelLayout hidden = prepasol(panel, in);
    EXPECT_FALSE(hidden.sampleBox.visible);
    EXPECT_TRUE(hidden.revealLabel.visible);
    EXPECT_EQ(hidden.revealLabel.topLeft, shown.sampleBox.topLeft - QPoint(0, 2));
}

TEST(Panel, WiderBoxesPushTheUnits) {
    support::application();
    Picture panel(benchWidth, benchHeight);
    fond01(panel);
    PanelInputs in;
    in.species = 7;
    in.reagentBoxWidth = 40;
    in.iodideBoxWidth = 40;
    const PanelLayout a = prepasol(panel, in);
    const int y = a.iodideBox.topLeft.y() + 8;
    const int end = a.iodideBox.topLeft.x() + 40;
    EXPECT_TRUE(drawingtest::hasInkDarkerThan(panel, end, y - 4, end + 15, y + 4, 90)) << "mL";
    in.iodideBoxWidth = 80;
    prepasol(panel, in);
    EXPECT_FALSE(drawingtest::hasInkDarkerThan(panel, end, y - 4, end + 15, y + 4, 90));
}

TEST(Panel, RedrawingClearsThePreviousSpecies) {
    support::application();
    Picture panel(benchWidth, benchHeight);
    fond01(panel);
    PanelInputs in;
    in.species = 7;
    prepasol(panel, in);
    ASSERT_EQ(panel.pixel(270, 326), rgb(250, 240, 200));
    in.species = 2;
    prepasol(panel, in);
    EXPECT_EQ(panel.pixel(270, 326), benchGradientColour(328, 497));
    EXPECT_NE(panel.pixel(40, 210), blue);
}

} // namespace
