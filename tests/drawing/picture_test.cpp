// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/picture.h"
#include "drawing/widgets/picturebox.h"

#include <QApplication>
#include <QPainter>

#include <gtest/gtest.h>

#include "drawing/drawing_test_support.h"

namespace {

using drawing::PenMode;
using drawing::Picture;
using drawing::ScriptSet;

using support::application;

class PictureTest : public ::testing::TestWithParam<qreal> {
protected:
    void SetUp() override { support::application(); }
};

TEST_P(PictureTest, LineIncludesBothEndsAndNothingBeyond) {
    Picture pic(40, 40, GetParam());
    pic.line(5, 10, 20, 10, Qt::red);
    pic.line(30, 2, 30, 12, Qt::blue);
    pic.line(2, 20, 12, 30, Qt::green);
    EXPECT_EQ(pic.pixel(5, 10), QColor(Qt::red));
    EXPECT_EQ(pic.pixel(20, 10), QColor(Qt::red));
    EXPECT_EQ(pic.pixel(4, 10), QColor(Qt::white));
    EXPECT_EQ(pic.pixel(21, 10), QColor(Qt::white));
    EXPECT_EQ(pic.pixel(12, 9), QColor(Qt::white));
    EXPECT_EQ(pic.pixel(12, 11), QColor(Qt::white));
    EXPECT_EQ(pic.pixel(30, 2), QColor(Qt::blue));
    EXPECT_EQ(pic.pixel(30, 12), QColor(Qt::blue));
    EXPECT_EQ(pic.pixel(30, 13), QColor(Qt::white));
    for (int k = 0; k <= 10; ++k)
        EXPECT_EQ(pic.pixel(2 + k, 20 + k), QColor(Qt::green)) << k;
    EXPECT_EQ(pic.pixel(13, 31), QColor(Qt::white));
}

TEST_P(PictureTest, BoxCornersAreInclusiveAndTheInsideIsLeft) {
    Picture pic(30, 30, GetParam());
    pic.box(5, 6, 15, 20, Qt::black);
    for (auto [x, y] : {std::pair{5, 6}, {15, 6}, {5, 20}, {15, 20}, {10, 6}, {5, 13}})
        EXPECT_EQ(pic.pixel(x, y), QColor(Qt::black)) << x << "," << y;
    EXPECT_EQ(pic.pixel(10, 13), QColor(Qt::white));
    EXPECT_EQ(pic.pixel(16, 20), QColor(Qt::white));
    EXPECT_EQ(pic.pixel(15, 21), QColor(Qt::white));

    pic.fillBox(20, 20, 22, 25, Qt::red);
    EXPECT_EQ(pic.pixel(20, 20), QColor(Qt::red));
    EXPECT_EQ(pic.pixel(22, 25), QColor(Qt::red));
    EXPECT_EQ(pic.pixel(23, 25), QColor(Qt::white));
    EXPECT_EQ(pic.pixel(22, 26), QColor(Qt::white));
}

TEST_P(PictureTest, MaskPenKeepsOnlyTheCommonBits) {
    Picture pic(20, 20, GetParam());
    pic.fillBox(0, 0, 19, 19, QColor(200, 150, 100));
    pic.setPenMode(PenMode::Mask);
    pic.line(0, 5, 19, 5, QColor(0x0F, 0xF0, 0x33));
    pic.fillBox(0, 10, 4, 12, QColor(255, 255, 255));
    EXPECT_EQ(pic.pixel(3, 5), QColor(200 & 0x0F, 150 & 0xF0, 100 & 0x33));
    EXPECT_EQ(pic.pixel(3, 11), QColor(200, 150, 100));
    pic.setPenMode(PenMode::Copy);
    pic.line(0, 7, 19, 7, QColor(0x0F, 0xF0, 0x33));
    EXPECT_EQ(pic.pixel(3, 7), QColor(0x0F, 0xF0, 0x33));
}

TEST_P(PictureTest, ClearReturnsToTheKeptBackground) {
    Picture pic(20, 20, GetParam(), QColor(10, 20, 30));
    pic.fillBox(0, 0, 4, 4, Qt::red);
    pic.clear();
    EXPECT_EQ(pic.pixel(2, 2), QColor(10, 20, 30)) << "no background: the back colour";

    pic.fillBox(0, 0, 4, 4, Qt::red);
    pic.keepAsBackground();
    pic.fillBox(10, 10, 14, 14, Qt::blue);
    EXPECT_EQ(pic.pixel(12, 12), QColor(Qt::blue));
    pic.clear();
    EXPECT_EQ(pic.pixel(12, 12), QColor(10, 20, 30));
    EXPECT_EQ(pic.pixel(2, 2), QColor(Qt::red));
    pic.fillBox(0, 0, 4, 4, Qt::green);
    pic.clear();
    EXPECT_EQ(pic.pixel(2, 2), QColor(Qt::red)) << "drawing after a clear leaves the background";

    // Clearing an area restores it alone.
    pic.fillBox(0, 0, 19, 19, Qt::green);
    pic.clear(QRect(1, 1, 2, 3));
    EXPECT_EQ(pic.pixel(1, 1), QColor(Qt::red));
    EXPECT_EQ(pic.pixel(2, 3), QColor(Qt::red));
    EXPECT_EQ(pic.pixel(3, 3), QColor(Qt::green));
    EXPECT_EQ(pic.pixel(2, 4), QColor(Qt::green));
    EXPECT_EQ(pic.pixel(0, 1), QColor(Qt::green));

    pic.dropBackground();
    pic.clear();
    EXPECT_EQ(pic.pixel(2, 2), QColor(10, 20, 30));
    pic.fillBox(0, 0, 19, 19, Qt::green);
    pic.clear(QRect(15, 15, 10, 10)); // partly outside: clipped
    EXPECT_EQ(pic.pixel(19, 19), QColor(10, 20, 30));
    EXPECT_EQ(pic.pixel(14, 19), QColor(Qt::green));
}

TEST_P(PictureTest, WideLinesAndCircles) {
    Picture pic(40, 40, GetParam());
    pic.setLineWidth(3);
    pic.line(5, 5, 15, 5, Qt::black);
    EXPECT_EQ(pic.pixel(10, 4), QColor(Qt::black));
    EXPECT_EQ(pic.pixel(10, 6), QColor(Qt::black));
    EXPECT_EQ(pic.pixel(10, 7), QColor(Qt::white));
    pic.setLineWidth(1);
    const QColor fill(Qt::yellow);
    pic.circle(25, 25, 8, Qt::black, &fill);
    EXPECT_EQ(pic.pixel(25, 25), fill);
    EXPECT_EQ(pic.pixel(25, 17), QColor(Qt::black));
    EXPECT_EQ(pic.pixel(25, 36), QColor(Qt::white));
    pic.circle(10, 30, 4, Qt::red);
    EXPECT_EQ(pic.pixel(10, 30), QColor(Qt::white)) << "no fill";
    EXPECT_EQ(pic.pixel(14, 30), QColor(Qt::red));
}

INSTANTIATE_TEST_SUITE_P(Ratios, PictureTest, ::testing::Values(1.0, 2.0),
                         [](const auto& info) { return info.param == 1.0 ? "x1" : "x2"; });

TEST(PictureRatio, DoublePictureIsDrawnAtFullDensity) {
    support::application();
    Picture pic(20, 10, 2.0);
    EXPECT_EQ(pic.image().size(), QSize(40, 20));
    pic.line(3, 4, 10, 4, Qt::black);
    const QImage& img = pic.image();
    // One logical pixel is a 2x2 block of device pixels, no more.
    EXPECT_EQ(img.pixelColor(6, 8), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(7, 9), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(6, 7), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(6, 10), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(5, 8), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(21, 8), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(22, 8), QColor(Qt::white));

    // Rescaling keeps the drawing and the background.
    pic.keepAsBackground();
    pic.rescale(1.0);
    EXPECT_EQ(pic.image().size(), QSize(20, 10));
    EXPECT_EQ(pic.pixel(3, 4), QColor(Qt::black));
    EXPECT_EQ(pic.pixel(3, 5), QColor(Qt::white));
    pic.fillBox(0, 0, 19, 9, Qt::blue);
    pic.clear();
    EXPECT_EQ(pic.pixel(10, 4), QColor(Qt::black));
    pic.rescale(2.0);
    EXPECT_EQ(pic.image().size(), QSize(40, 20));

    // An image drawn into it keeps its logical size.
    QImage stamp(4, 4, QImage::Format_RGB32);
    stamp.fill(Qt::red);
    pic.drawImage(12, 2, stamp);
    EXPECT_EQ(pic.pixel(15, 5), QColor(Qt::red));
    EXPECT_EQ(pic.pixel(16, 5), QColor(Qt::white));
}

TEST(PictureText, RunsMoveTheCursor) {
    support::application();
    Picture pic(200, 100);
    pic.setFontName("Arial");
    pic.setFontSize(10);
    pic.setScaleLeft(-110);
    pic.currentX = 10;
    pic.currentY = 20;
    const double w = pic.textWidth("MnO");
    EXPECT_GT(w, 10);
    pic.printRun("MnO");
    EXPECT_DOUBLE_EQ(pic.currentX, 10 + w);
    EXPECT_DOUBLE_EQ(pic.currentY, 20);
    const double h = pic.textHeight();
    EXPECT_GE(h, 13);
    pic.printLineEnd("x");
    EXPECT_DOUBLE_EQ(pic.currentX, -110);
    EXPECT_DOUBLE_EQ(pic.currentY, 20 + h);

    // Something was drawn in the text's cell, shifted by the scale, nothing above it.
    bool inked = false;
    for (int x = 120; x < 120 + int(w); ++x)
        for (int y = 20; y < 36; ++y)
            inked = inked || pic.pixel(x, y) != QColor(Qt::white);
    EXPECT_TRUE(inked);
    for (int x = 0; x < 200; ++x)
        EXPECT_EQ(pic.pixel(x, 15), QColor(Qt::white)) << x;
}

struct ScriptCase {
    const char* name;
    ScriptSet set;
    double baseSize;
    double scriptSize;
    int down;
    int up;
};

class ScriptTest : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(ScriptTest, ScriptsReturnToTheBaseLineAndSize) {
    support::application();
    const ScriptCase& c = GetParam();
    Picture pic(300, 100);
    pic.setFontSize(c.baseSize);
    pic.currentX = 5;
    pic.currentY = 40;

    pic.setFontSize(c.scriptSize);
    const double scriptWidth = pic.textWidth("-1");
    const double subWidth = pic.textWidth("4");
    const double supWidth = pic.textWidth("2-");
    pic.setFontSize(c.baseSize);

    pic.superscript("-1", c.set);
    EXPECT_DOUBLE_EQ(pic.currentX, 5 + scriptWidth);
    EXPECT_DOUBLE_EQ(pic.currentY, 40);
    EXPECT_DOUBLE_EQ(pic.fontSize(), c.baseSize);

    pic.currentX = 100;
    pic.subscript("-1", c.set);
    EXPECT_DOUBLE_EQ(pic.currentX, 100 + scriptWidth);
    EXPECT_DOUBLE_EQ(pic.currentY, 40);
    EXPECT_DOUBLE_EQ(pic.fontSize(), c.baseSize);

    pic.currentX = 200;
    pic.stackedScripts("4", "2-", c.set);
    EXPECT_DOUBLE_EQ(pic.currentX, 200 + supWidth) << "after the superscript";
    EXPECT_NE(subWidth, supWidth);
    EXPECT_DOUBLE_EQ(pic.currentY, 40);
    EXPECT_DOUBLE_EQ(pic.fontSize(), c.baseSize);

    // The superscript's ink sits higher than the subscript's by down + up.
    auto topInk = [&](int x1, int x2) {
        for (int y = 0; y < 100; ++y)
            for (int x = x1; x < x2; ++x)
                if (pic.pixel(x, y) != QColor(Qt::white)) return y;
        return -1;
    };
    EXPECT_EQ(topInk(100, 100 + int(scriptWidth)) - topInk(5, 5 + int(scriptWidth)), c.down + c.up);
}

INSTANTIATE_TEST_SUITE_P(Sets, ScriptTest,
                         ::testing::Values(ScriptCase{"large", ScriptSet::Large, 10, 8, 6, 4},
                                           ScriptCase{"graphLabel", ScriptSet::GraphLabel, 10, 8, 6,
                                                      5},
                                           ScriptCase{"small", ScriptSet::Small, 8, 8, 4, 4}),
                         [](const auto& info) { return info.param.name; });

TEST(PictureBoxTest, SizedToThePictureAndPaintsItsImage) {
    support::application();
    drawing::PictureBox box(60, 40);
    EXPECT_EQ(box.size(), QSize(60, 40));
    box.picture().fillBox(10, 10, 20, 20, Qt::red);
    box.refresh(QRect(10, 10, 11, 11));
    QImage shot = box.grab().toImage();
    const qreal r = shot.devicePixelRatio();
    EXPECT_EQ(shot.pixelColor(int(15 * r), int(15 * r)), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(int(30 * r), int(30 * r)), QColor(Qt::white));
    box.setPictureSize(80, 50);
    EXPECT_EQ(box.size(), QSize(80, 50));
    EXPECT_EQ(box.picture().width(), 80);
}

} // namespace
