// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/bench_drawing.h"
#include "drawing/drawing_test_support.h"
#include "model/amounts.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace drawing;
using drawingtest::backgroundPixel;
using drawingtest::masked;
using drawingtest::rgb;
using support::application;

constexpr int x0 = defaultFlaskX;
const QColor black(0, 0, 0);
const QColor darkGrey(128, 128, 128);

// A bench with its static illustration, ready for the levels.
Picture bench(int species, qreal ratio = 1.0) {
    support::application();
    Picture pic(benchWidth, benchHeight, ratio);
    imafond(pic, species);
    return pic;
}

struct SurfaceCase {
    const char* name;
    int species;
    double sample, iodine;
    float iodide, poured;
    int top;
};

class SurfaceTest : public ::testing::TestWithParam<SurfaceCase> {};

TEST_P(SurfaceTest, SurfaceRowFollowsTheVolumeInTheFlask) {
    const SurfaceCase& c = GetParam();
    Picture pic = bench(c.species);
    LevelInputs in;
    in.species = c.species;
    in.sampleVolume = c.sample;
    in.iodineVolume = c.iodine;
    in.iodideVolume = c.iodide;
    in.pouredVolume = c.poured;
    EXPECT_EQ(niveaubecher(pic, nullptr, in), c.top);
    // The black surface line spans the flask at that row (its ends lie under the glass),
    // and only that row.
    const auto [left, right] = flaskRow(x0, c.top);
    EXPECT_EQ(pic.pixel(left + 4, c.top), black);
    EXPECT_EQ(pic.pixel(x0 + 33, c.top), black);
    EXPECT_EQ(pic.pixel(right - 4, c.top), black);
    EXPECT_NE(pic.pixel(x0 + 20, c.top - 1), black);
}

INSTANTIATE_TEST_SUITE_P(
    Volumes, SurfaceTest,
    ::testing::Values(SurfaceCase{"sample20", 1, 20, 0, 0, 0, 444},
                      SurfaceCase{"sample20poured25", 1, 20, 0, 0, 25, 409},
                      SurfaceCase{"iodineCountsForSpecies0", 0, 10, 10, 0, 0, 444},
                      SurfaceCase{"iodineIgnoredOtherwise", 2, 10, 10, 0, 0, 454},
                      SurfaceCase{"iodideCountsForSpecies7", 7, 5, 0, 15, 0, 444},
                      SurfaceCase{"iodideIgnoredForSpecies1", 1, 5, 0, 15, 0, 457},
                      SurfaceCase{"largestVolume", 0, 20, 5, 0, 25, 400}),
    [](const auto& info) { return info.param.name; });

TEST(FlaskGeometry, RowsWidenDownTheCone) {
    EXPECT_EQ(flaskRow(x0, 460), std::make_pair(x0 - 6, x0 + 73));
    EXPECT_EQ(flaskRow(x0, 451), std::make_pair(x0 - 6, x0 + 73));
    EXPECT_EQ(flaskRow(x0, 450), std::make_pair(x0 + 33 - 40, x0 + 33 + 40));
    EXPECT_EQ(flaskRow(x0, 400), std::make_pair(x0 + 33 - 15, x0 + 33 + 15));
    EXPECT_EQ(liquidSurface(0), 459);
    EXPECT_EQ(liquidSurface(-3), 459) << "a negative volume is an empty flask";
    EXPECT_EQ(liquidSurface(65), 372);
    EXPECT_EQ(liquidSurface(66), 370) << "more than the flask holds fills it to the neck";
    EXPECT_EQ(liquidSurface(1e39), 370);
    EXPECT_EQ(liquidSurface(std::numeric_limits<double>::infinity()), 370);
}

struct BuretteCase {
    const char* name;
    float poured;
    int columnTop;
};

class BuretteTest : public ::testing::TestWithParam<BuretteCase> {};

TEST_P(BuretteTest, ColumnAndMeniscusFollowThePouredVolume) {
    const BuretteCase& c = GetParam();
    for (qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        Picture pic = bench(6, ratio);
        LevelInputs in;
        in.species = 6; // permanganate titrant: a violet burette
        in.titrantConcentration = 0.02f;
        in.pouredVolume = c.poured;
        niveaubecher(pic, nullptr, in);
        const QColor tint = rgb(146, 0, 146); // 0.02 mol/L at the middle of the slider

        // Above the column the tube is untouched; inside it the tint masks the glass.
        EXPECT_EQ(pic.pixel(x0 + 30, c.columnTop - 2),
                  backgroundPixel(pic, x0 + 30, c.columnTop - 2));
        EXPECT_EQ(pic.pixel(x0 + 30, c.columnTop + 6),
                  masked(tint, backgroundPixel(pic, x0 + 30, c.columnTop + 6)));
        EXPECT_EQ(pic.pixel(x0 + 29, 294), masked(tint, backgroundPixel(pic, x0 + 29, 294)));
        // The glass shading shows through: light and dark grey walls, white reflection.
        EXPECT_EQ(pic.pixel(x0 + 38, 290), rgb(192 & 146, 192 & 0, 192 & 146));
        EXPECT_EQ(pic.pixel(x0 + 39, 290), rgb(128 & 146, 0, 128 & 146));
        EXPECT_EQ(pic.pixel(x0 + 27, 290), tint);
        // The tip is tinted too, below the tap.
        EXPECT_EQ(pic.pixel(x0 + 32, 340), masked(tint, backgroundPixel(pic, x0 + 32, 340)));

        // The meniscus: its lines, and its lowest point on the mark of the volume poured.
        const int mark = 30 + int(10 * c.poured + 0.5f);
        EXPECT_EQ(pic.pixel(x0 + 33, c.columnTop), darkGrey);
        EXPECT_EQ(pic.pixel(x0 + 33, c.columnTop + 1), rgb(192, 192, 192));
        EXPECT_EQ(pic.pixel(x0 + 32, mark), black);
        EXPECT_NE(pic.pixel(x0 + 32, mark + 1), black);
    }
}

// A poured volume far beyond the scale (read from a file) leaves the tube empty above the tap
// and paints nothing below the burette; a negative one fills the tube, not the flared top.
TEST(BuretteColumn, StaysInsideTheTubeWhateverTheVolume) {
    for (const float poured : {1e38f, 30.0f, -1e38f, -5.0f}) {
        SCOPED_TRACE(poured);
        Picture pic = bench(6, 1.0);
        LevelInputs in;
        in.species = 6;
        in.titrantConcentration = 0.02f;
        in.pouredVolume = poured;
        niveaubecher(pic, nullptr, in);
        for (const int y : {20, 470, 490})
            EXPECT_EQ(pic.pixel(x0 + 30, y), backgroundPixel(pic, x0 + 30, y)) << "row " << y;
        const bool full = poured < 0;
        EXPECT_EQ(pic.pixel(x0 + 30, 200) == backgroundPixel(pic, x0 + 30, 200), !full);
    }
}

INSTANTIATE_TEST_SUITE_P(Poured, BuretteTest,
                         ::testing::Values(BuretteCase{"empty", 0, 26},
                                           BuretteCase{"half", 12.5f, 151},
                                           BuretteCase{"full", 25, 276}),
                         [](const auto& info) { return info.param.name; });

TEST(BuretteLiquid, ColourlessTitrantLeavesTheGlassAndKeepsTheMeniscus) {
    Picture pic = bench(2);
    LevelInputs in;
    in.species = 2; // thiosulfate titrant
    in.titrantConcentration = 0.1f;
    in.pouredVolume = 5;
    niveaubecher(pic, nullptr, in);
    EXPECT_EQ(pic.pixel(x0 + 30, 150), backgroundPixel(pic, x0 + 30, 150));
    EXPECT_EQ(pic.pixel(x0 + 33, 76), darkGrey);
    EXPECT_EQ(pic.pixel(x0 + 32, 80), black);
}

// A titration of iron(II) by permanganate: 1 mmol of Fe2+, 0.02 mol/L titrant, so the
// equivalence is at 10 mL.
LevelInputs ironTitration(float poured) {
    LevelInputs in;
    in.species = 8;
    in.sampleVolume = 10;
    in.titrantConcentration = 0.02f;
    in.pouredVolume = poured;
    model::BenchInputs b;
    b.sampleConcentration = 0.1f;
    b.sampleVolume = 10;
    b.titrantConcentration = 0.02f;
    b.pouredVolume = poured;
    model::computeAmounts(8, b, in.presentAmounts);
    return in;
}

TEST(FlaskLiquid, PermanganateTintsTheFlaskOnlyPastTheEquivalence) {
    Picture pic = bench(8);
    const int top = niveaubecher(pic, nullptr, ironTitration(9.95f));
    for (int y : {455, 440, top + 1})
        EXPECT_EQ(pic.pixel(x0 + 33, y), backgroundPixel(pic, x0 + 33, y)) << y;

    const int top2 = niveaubecher(pic, nullptr, ironTitration(10.05f));
    const QColor first = pic.pixel(x0 + 33, 455);
    EXPECT_NE(first, backgroundPixel(pic, x0 + 33, 455));
    EXPECT_EQ(first.red(), first.blue()) << "violet";
    EXPECT_LT(first.green(), first.red());
    for (int y : {458, 451, top2 + 1})
        EXPECT_EQ(pic.pixel(x0 + 33, y), first) << y;
    EXPECT_EQ(pic.pixel(x0 + 33, top2 - 1), backgroundPixel(pic, x0 + 33, top2 - 1));
    EXPECT_EQ(pic.pixel(x0 - 6, 455), first) << "the bottom rows reach the base";
    EXPECT_EQ(pic.pixel(x0 - 8, 455), backgroundPixel(pic, x0 - 8, 455)) << "nothing outside";
}

TEST(FlaskLiquid, FirstExcessDropGivesThePaleViolet) {
    // 0.00025 mmol of permanganate in 28.05 mL.
    Picture pic = bench(6);
    LevelInputs in;
    in.species = 6;
    in.sampleVolume = 20;
    in.pouredVolume = 8.05f;
    in.presentAmounts[8] = 0.00025f;
    const int top = niveaubecher(pic, nullptr, in);
    EXPECT_EQ(pic.pixel(x0 + 33, 455), rgb(232, 185, 232));
    EXPECT_EQ(pic.pixel(x0 + 33, top + 1), rgb(232, 185, 232));
    EXPECT_EQ(pic.pixel(x0 + 33, top - 1), backgroundPixel(pic, x0 + 33, top - 1));
}

TEST(FlaskLiquid, DiiodeIsBlueWithStarchAndColourlessAfterTheEquivalence) {
    Picture pic = bench(2);
    LevelInputs in;
    in.species = 2; // diiode titrated by thiosulfate
    in.sampleVolume = 10;
    in.pouredVolume = 2;
    in.presentAmounts[2] = 0.01f; // 0.01 mmol in 12 mL
    in.starch = true;
    niveaubecher(pic, nullptr, in);
    const QColor blue = pic.pixel(x0 + 33, 455);
    EXPECT_EQ(blue.red(), 0);
    EXPECT_EQ(blue.green(), 0);
    EXPECT_GT(blue.blue(), 0);

    in.starch = false;
    niveaubecher(pic, nullptr, in);
    const QColor brown = pic.pixel(x0 + 33, 455);
    EXPECT_GT(brown.red(), brown.green());
    EXPECT_GT(brown.green(), brown.blue());

    in.presentAmounts[2] = 0;
    in.starch = true;
    niveaubecher(pic, nullptr, in);
    EXPECT_EQ(pic.pixel(x0 + 33, 455), backgroundPixel(pic, x0 + 33, 455));
}

TEST(Stream, FallsOnlyWhileTheTapIsOpenAndStopsAtTheSurface) {
    Picture pic = bench(6);
    LevelInputs in = ironTitration(10.05f);
    in.species = 6;
    const int top = niveaubecher(pic, nullptr, in);
    EXPECT_EQ(pic.pixel(x0 + 32, 360), backgroundPixel(pic, x0 + 32, 360));

    in.tapOpen = true;
    niveaubecher(pic, nullptr, in);
    for (int y : {351, 369, 372, 389, 391, top}) {
        EXPECT_EQ(pic.pixel(x0 + 32, y), darkGrey) << y;
        EXPECT_EQ(pic.pixel(x0 + 33, y), darkGrey) << y;
    }
    EXPECT_NE(pic.pixel(x0 + 32, top + 1), darkGrey);
    EXPECT_NE(pic.pixel(x0 + 34, 360), darkGrey);
}

TEST(Levels, TapPictureIsPaintedIntoTheBench) {
    Picture pic = bench(1);
    LevelInputs in;
    in.species = 1;
    QImage tap(4, 4, QImage::Format_RGB32);
    tap.fill(Qt::green);
    in.tapImage = tap;
    in.tapPosition = QPoint(96, 283);
    niveaubecher(pic, nullptr, in);
    EXPECT_EQ(pic.pixel(96, 283), QColor(Qt::green));
    EXPECT_EQ(pic.pixel(99, 286), QColor(Qt::green));
    EXPECT_NE(pic.pixel(100, 286), QColor(Qt::green));
}

TEST(Levels, PanelGetsTheSurfaceAndTheFlask) {
    Picture pic = bench(1);
    Picture panel(benchWidth, benchHeight);
    fond01(panel);
    LevelInputs in;
    in.species = 1;
    in.sampleVolume = 20;
    in.panelVisible = true;
    niveaubecher(pic, &panel, in);
    EXPECT_EQ(panel.pixel(x0 + 33, 444), black);
    EXPECT_EQ(panel.pixel(x0 + 23, 380), black);
    EXPECT_EQ(panel.pixel(x0 + 42, 380), darkGrey);
    EXPECT_EQ(panel.pixel(x0, 460), black);
    EXPECT_EQ(pic.pixel(x0 + 23, 380), black);
    EXPECT_EQ(pic.pixel(20, 400), benchGradientColour(400, benchHeight)) << "the left strip";

    // A new volume while the panel is shown moves its surface; the old one goes.
    in.sampleVolume = 10;
    niveaubecher(pic, &panel, in);
    EXPECT_EQ(panel.pixel(x0 + 33, 454), black);
    EXPECT_EQ(panel.pixel(x0 + 33, 444), benchGradientColour(446, benchHeight));
}

TEST(Levels, NothingIsDrawnBeforeTheWindowIsInitialised) {
    Picture pic = bench(1);
    pic.fillBox(0, 0, 10, 10, Qt::red);
    LevelInputs in;
    in.initialised = false;
    in.sampleVolume = 20;
    in.liquidTop = 155;
    EXPECT_EQ(niveaubecher(pic, nullptr, in), 155);
    EXPECT_EQ(pic.pixel(5, 5), QColor(Qt::red));
}

TEST(Drop, FallsInFourStepsToTheSurface) {
    EXPECT_EQ(dropPosition(1, 444), QPoint(75, 348));
    EXPECT_EQ(dropPosition(2, 444), QPoint(75, 364));
    EXPECT_EQ(dropPosition(3, 444), QPoint(75, 388));
    EXPECT_EQ(dropPosition(4, 444), QPoint(75, 428));
    EXPECT_EQ(dropPosition(0, 444), std::nullopt);
    EXPECT_EQ(dropPosition(5, 444), std::nullopt);

    Picture pic = bench(1);
    QImage drop(2, 2, QImage::Format_RGB32);
    drop.fill(Qt::blue);
    drawDrop(pic, 4, 444, drop);
    EXPECT_EQ(pic.pixel(75, 428), QColor(Qt::blue));
    EXPECT_EQ(pic.pixel(76, 429), QColor(Qt::blue));
    drawDrop(pic, 5, 444, drop); // beyond the fourth step: nothing
    EXPECT_NE(pic.pixel(75, 348), QColor(Qt::blue));
}

} // namespace
