// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/bench_drawing.h"
#include "drawing/drawing_test_support.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

using namespace drawing;
using drawingtest::hasInkDarkerThan;
using drawingtest::rgb;
using support::application;

constexpr int x0 = defaultFlaskX;
const QColor black(0, 0, 0);
const QColor darkGrey(128, 128, 128);
const QColor lightGrey(192, 192, 192);

TEST(Illustration, StaticBenchShapes) {
    support::application();
    for (qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        Picture pic(benchWidth, benchHeight, ratio);
        const BenchTextLayout layout = imafond(pic, 1);
        EXPECT_EQ(layout.flaskX, 50);
        EXPECT_EQ(layout.liquidTop, 155);
        EXPECT_EQ(layout.tapImage, QPoint(96, 283));

        EXPECT_EQ(pic.pixel(300, 0), rgb(255, 200, 155)) << "peach at the top";
        EXPECT_EQ(pic.pixel(300, 496), benchGradientColour(496, 497));
        // Stand: rod with its relief, base, clamp screw.
        EXPECT_EQ(pic.pixel(16, 300), black);
        EXPECT_EQ(pic.pixel(17, 300), rgb(255, 255, 255));
        EXPECT_EQ(pic.pixel(18, 300), lightGrey);
        EXPECT_EQ(pic.pixel(19, 300), darkGrey);
        EXPECT_EQ(pic.pixel(4, 481), black);
        EXPECT_EQ(pic.pixel(18, 152), lightGrey);
        // Burette scale: 0.2 mL ticks, whole mL across the tube, stubs at every 5 mL.
        EXPECT_EQ(pic.pixel(x0 + 33, 34), darkGrey);
        EXPECT_NE(pic.pixel(x0 + 37, 34), darkGrey);
        EXPECT_EQ(pic.pixel(x0 + 26, 40), darkGrey);
        EXPECT_EQ(pic.pixel(x0 + 28, 280), darkGrey) << "the 25 mL mark";
        EXPECT_EQ(pic.pixel(x0 + 37, 280), darkGrey);
        EXPECT_EQ(pic.pixel(x0 + 27, 205), rgb(255, 255, 255)) << "reflection";
        EXPECT_EQ(pic.pixel(x0 + 25, 205), black);
        EXPECT_EQ(pic.pixel(x0 + 38, 205), lightGrey);
        EXPECT_EQ(pic.pixel(x0 + 39, 205), darkGrey);
        // Tap body and stirrer.
        EXPECT_EQ(pic.pixel(x0 + 30, 300), darkGrey);
        EXPECT_EQ(pic.pixel(x0 + 30, 299), lightGrey);
        EXPECT_EQ(pic.pixel(x0 + 20, 298), black);
        EXPECT_EQ(pic.pixel(x0 + 40, 470), rgb(0, 100, 200));
        EXPECT_EQ(pic.pixel(x0 + 72, 467), rgb(255, 0, 0)) << "pilot light";
        EXPECT_EQ(pic.pixel(x0 + 3, 473), black) << "knob";
        // The drawing is the background clearing returns to.
        pic.fillBox(0, 0, 312, 496, Qt::green);
        pic.clear();
        EXPECT_EQ(pic.pixel(x0 + 40, 470), rgb(0, 100, 200));
    }
}

TEST(Illustration, BuretteNumbersAreCentredOnTheirMarks) {
    support::application();
    Picture pic(benchWidth, benchHeight);
    imafond(pic, 1);
    for (int v : {0, 5, 10, 15, 20, 25}) {
        const int y = 30 + 10 * v;
        // Ink between the stubs, around the mark, and none far above or below it.
        EXPECT_TRUE(hasInkDarkerThan(pic, x0 + 31, y - 3, x0 + 35, y + 3, 100)) << v;
        EXPECT_FALSE(hasInkDarkerThan(pic, x0 + 29, y - 9, x0 + 37, y - 7, 100)) << v;
    }
}

struct TextCase {
    const char* name;
    int species;
    bool starch;
    bool acidified;
};

class BenchText : public ::testing::TestWithParam<TextCase> {};

TEST_P(BenchText, StarchLabelAndAcidificationNoteFollowTheSpecies) {
    support::application();
    const TextCase& c = GetParam();
    Picture pic(benchWidth, benchHeight);
    const BenchControls controls;
    const BenchTextLayout layout = imafond(pic, c.species, controls);
    EXPECT_EQ(layout.starchEnabled, c.starch);

    // The label right of the check box: black when starch is of use, grey otherwise.
    const int labelX = controls.starchBox.right() + 1;
    const int labelY = controls.starchBox.top();
    EXPECT_EQ(hasInkDarkerThan(pic, labelX, labelY, 312, labelY + 14, 90), c.starch);
    EXPECT_TRUE(hasInkDarkerThan(pic, labelX, labelY, 312, labelY + 14, 215));

    // The note lies two empty lines below the volume read-out.
    const int noteTop = layout.volumeLabel.y() + 20;
    EXPECT_EQ(hasInkDarkerThan(pic, 110, noteTop, 312, noteTop + 40, 90), c.acidified);
}

INSTANTIATE_TEST_SUITE_P(
    Species, BenchText,
    ::testing::Values(TextCase{"ascorbic", 0, true, false}, TextCase{"oxalic", 1, false, true},
                      TextCase{"diiode", 2, true, false},
                      TextCase{"sulfurDioxide", 3, false, false},
                      TextCase{"hypochlorite", 4, true, false}, TextCase{"nitrite", 5, false, true},
                      TextCase{"peroxide", 6, false, true}, TextCase{"copper", 7, true, false},
                      TextCase{"iron", 8, false, true}, TextCase{"thiosulfate", 9, true, false},
                      TextCase{"none", -1, false, false}),
    [](const auto& info) { return info.param.name; });

TEST(BenchText, ControlsArePlacedInTheShiftedText) {
    support::application();
    Picture pic(benchWidth, benchHeight);
    BenchControls narrow;
    narrow.titrantBoxWidth = 40;
    const BenchTextLayout a = imafond(pic, 1, narrow);
    // c1 = starts at x = 17 of a scale shifted by 110 pixels.
    EXPECT_GT(a.titrantBox.x(), 110 + 17 + 10);
    EXPECT_LT(a.titrantBox.x(), 110 + 17 + 40);
    EXPECT_GT(a.volumeLabel.y(), a.titrantBox.y() + 27);
    EXPECT_LT(a.volumeLabel.y(), a.titrantBox.y() + 70);
    // The unit follows the box: a wider box pushes " mol · L" to the right.
    const int unitRow = a.titrantBox.y() + 8;
    const int end = a.titrantBox.x() + 40;
    EXPECT_TRUE(hasInkDarkerThan(pic, end, unitRow - 4, end + 20, unitRow + 4, 90));
    BenchControls wide;
    wide.titrantBoxWidth = 80;
    imafond(pic, 1, wide);
    EXPECT_FALSE(hasInkDarkerThan(pic, end, unitRow - 4, end + 20, unitRow + 4, 90));
    // Thiosulfate and permanganate texts take two lines, diiode one: the box moves up.
    const BenchTextLayout diiode = imafond(pic, 9, narrow);
    EXPECT_LT(diiode.titrantBox.y(), a.titrantBox.y());
    EXPECT_EQ(diiode.titrantBox.x(), a.titrantBox.x());
}

TEST(PanelBackground, GradientTwoRowsHigherAndKept) {
    support::application();
    Picture panel(10, 10);
    fond01(panel);
    EXPECT_EQ(panel.width(), benchWidth);
    EXPECT_EQ(panel.height(), benchHeight);
    EXPECT_EQ(panel.pixel(5, 0), benchGradientColour(2, 497));
    EXPECT_EQ(panel.pixel(5, 300), benchGradientColour(302, 497));
    panel.fillBox(0, 0, 20, 20, Qt::red);
    panel.clear();
    EXPECT_EQ(panel.pixel(5, 5), benchGradientColour(7, 497));
}

TEST(WindowBackground, GradientAndShadowOfTheExerciseArea) {
    support::application();
    QImage win(801, 601, QImage::Format_RGB32);
    win.fill(Qt::black);
    {
        QPainter p(&win);
        paintWindowBackground(p, QRect(424, 371, 361, 174), QRect(424, 352, 361, 19));
    }
    EXPECT_EQ(win.pixelColor(0, 0), rgb(255, 255, 255));
    EXPECT_EQ(win.pixelColor(800, 600), rgb(200, 200, 180));
    EXPECT_EQ(win.pixelColor(10, 300), rgb(228, 228, 218)); // 255 - 27.5 rounds to even
    EXPECT_EQ(win.pixelColor(427, 355), darkGrey);
    EXPECT_EQ(win.pixelColor(788, 548), darkGrey);
    EXPECT_NE(win.pixelColor(789, 548), darkGrey);
    EXPECT_NE(win.pixelColor(788, 549), darkGrey);
    EXPECT_NE(win.pixelColor(426, 355), darkGrey);
}

TEST(ControlPictures, SizesAndStates) {
    support::application();
    for (qreal ratio : {1.0, 2.0}) {
        EXPECT_EQ(tapPicture(false, ratio).size(), tapImageSize * ratio);
        EXPECT_EQ(tapPicture(false, ratio).devicePixelRatio(), ratio);
        EXPECT_EQ(dropPicture(ratio).size(), dropImageSize * ratio);
        EXPECT_EQ(randomButtonPicture(ratio).size(), randomButtonSize * ratio);
        EXPECT_EQ(exercisesButtonPicture(ratio).size(), exercisesButtonSize * ratio);
    }
    EXPECT_NE(tapPicture(false), tapPicture(true));
    // The open key stands along the burette: it reaches the top of its picture.
    EXPECT_GT(tapPicture(true).pixelColor(15, 2).alpha(), 0);
    EXPECT_EQ(tapPicture(false).pixelColor(15, 2).alpha(), 0);
    // The drop is drawn on a transparent ground.
    EXPECT_EQ(dropPicture().pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(dropPicture().pixelColor(8, 11).alpha(), 255);
}

} // namespace
