// SPDX-License-Identifier: GPL-3.0-or-later
// Lines and boxes give the same pixels whether they are written straight into the image or
// filled by a painter: each row draws one shape with the picture's primitives and compares the
// whole image with the same logical rectangles filled by a painter set up as the picture sets
// its own (its density, its scale shift, its pen mode).
#include "drawing/picture.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "drawing/drawing_test_support.h"

namespace {

using drawing::PenMode;
using drawing::Picture;

struct FillRow {
    std::string name;
    qreal ratio;
    double scaleLeft;
    int lineWidth;
    PenMode mode;
    QColor colour;
    // Draws the shape with the primitives.
    std::function<void(Picture&, const QColor&)> draw;
    // The logical rectangles the shape covers (inclusive corners: x1, y1, x2, y2).
    std::vector<QRect> covered;
};

// A picture of 40 x 30 with a striped background, so that the mask pen's AND shows.
Picture striped(const FillRow& row) {
    Picture pic(40, 30, row.ratio);
    for (int y = 0; y < 30; y += 2)
        pic.line(0, y, 39, y, QColor(90, 200, 140));
    pic.setScaleLeft(row.scaleLeft);
    pic.setLineWidth(row.lineWidth);
    pic.setPenMode(row.mode);
    return pic;
}

class PictureFillTest : public ::testing::TestWithParam<FillRow> {
protected:
    void SetUp() override { support::application(); }
};

TEST_P(PictureFillTest, SamePixelsAsThePainter) {
    const FillRow& row = GetParam();
    Picture drawn = striped(row);
    row.draw(drawn, row.colour);
    Picture painted = striped(row);
    painted.paint([&](QPainter& p) {
        for (const QRect& r : row.covered)
            p.fillRect(QRectF(r.left(), r.top(), r.width(), r.height()), row.colour);
    });
    drawingtest::save(drawn, row.name.c_str());
    EXPECT_EQ(drawn.image(), painted.image());
}

QRect corners(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(x1, y1), QPoint(x2, y2));
}

std::vector<QRect> diagonal(int x, int y, int length, int before, int after) {
    std::vector<QRect> stamps;
    for (int k = 0; k <= length; ++k)
        stamps.push_back(corners(x + k - before, y + k - before, x + k + after, y + k + after));
    return stamps;
}

void lineFrom(Picture& p, const QColor& c, int x1, int y1, int x2, int y2) {
    p.line(x1, y1, x2, y2, c);
}

const QColor red(200, 30, 40);

INSTANTIATE_TEST_SUITE_P(
    Shapes, PictureFillTest,
    ::testing::Values(FillRow{"HorizontalLine",
                              1.0,
                              0,
                              1,
                              PenMode::Copy,
                              red,
                              [](Picture& p, const QColor& c) { lineFrom(p, c, 3, 5, 30, 5); },
                              {corners(3, 5, 30, 5)}},
                      FillRow{"VerticalLineDrawnUpwards",
                              1.0,
                              0,
                              1,
                              PenMode::Copy,
                              red,
                              [](Picture& p, const QColor& c) { lineFrom(p, c, 7, 25, 7, 2); },
                              {corners(7, 2, 7, 25)}},
                      FillRow{"WidePenAtDoubleDensity",
                              2.0,
                              0,
                              4,
                              PenMode::Copy,
                              red,
                              [](Picture& p, const QColor& c) { lineFrom(p, c, 4, 10, 20, 10); },
                              {corners(3, 9, 22, 12)}},
                      FillRow{"DiagonalWithAWidePen", 1.0, 0, 3, PenMode::Copy, red,
                              [](Picture& p, const QColor& c) { lineFrom(p, c, 5, 4, 15, 14); },
                              diagonal(5, 4, 10, 1, 1)},
                      FillRow{"DiagonalAtTripleDensity", 3.0, 0, 1, PenMode::Copy, red,
                              [](Picture& p, const QColor& c) { lineFrom(p, c, 2, 2, 12, 12); },
                              diagonal(2, 2, 10, 0, 0)},
                      FillRow{"ScaleShiftedByWholePixels",
                              1.0,
                              6,
                              1,
                              PenMode::Copy,
                              red,
                              [](Picture& p, const QColor& c) { lineFrom(p, c, 8, 3, 40, 3); },
                              {corners(8, 3, 40, 3)}},
                      FillRow{"ScaleShiftedToTheRightAtDoubleDensity",
                              2.0,
                              -5,
                              2,
                              PenMode::Copy,
                              red,
                              [](Picture& p, const QColor& c) { lineFrom(p, c, 0, 8, 0, 20); },
                              {corners(0, 8, 1, 21)}},
                      FillRow{"ScaleShiftedByHalfAPixel",
                              1.0,
                              2.5,
                              1,
                              PenMode::Copy,
                              red,
                              [](Picture& p, const QColor& c) { lineFrom(p, c, 4, 6, 20, 6); },
                              {corners(4, 6, 20, 6)}},
                      FillRow{"DensityOfOneAndAHalf",
                              1.5,
                              0,
                              1,
                              PenMode::Copy,
                              red,
                              [](Picture& p, const QColor& c) { lineFrom(p, c, 3, 3, 3, 17); },
                              {corners(3, 3, 3, 17)}},
                      FillRow{"ClippedAtEveryEdge",
                              2.0,
                              0,
                              1,
                              PenMode::Copy,
                              red,
                              [](Picture& p, const QColor& c) { p.fillBox(-10, -4, 55, 44, c); },
                              {corners(-10, -4, 55, 44)}},
                      FillRow{"FarOutsideThePicture",
                              1.0,
                              0,
                              1,
                              PenMode::Copy,
                              red,
                              [](Picture& p, const QColor& c) {
                                  p.fillBox(-2000000000, 12, 2000000000, 12, c);
                              },
                              {corners(-100, 12, 100, 12)}},
                      FillRow{"WhollyOutside",
                              1.0,
                              0,
                              1,
                              PenMode::Copy,
                              red,
                              [](Picture& p, const QColor& c) { p.fillBox(45, 2, 60, 9, c); },
                              {}},
                      FillRow{"FillBoxCornersInAnyOrder",
                              1.0,
                              0,
                              1,
                              PenMode::Copy,
                              red,
                              [](Picture& p, const QColor& c) { p.fillBox(25, 20, 10, 4, c); },
                              {corners(10, 4, 25, 20)}},
                      FillRow{"PointAtDoubleDensity",
                              2.0,
                              0,
                              1,
                              PenMode::Copy,
                              red,
                              [](Picture& p, const QColor& c) { p.point(39, 29, c); },
                              {corners(39, 29, 39, 29)}},
                      FillRow{"ColourGivenInHsv",
                              1.0,
                              0,
                              1,
                              PenMode::Copy,
                              QColor::fromHsvF(0.31f, 0.77f, 0.53f),
                              [](Picture& p, const QColor& c) { p.fillBox(2, 2, 30, 20, c); },
                              {corners(2, 2, 30, 20)}},
                      FillRow{"TranslucentColour",
                              1.0,
                              0,
                              1,
                              PenMode::Copy,
                              QColor(200, 30, 40, 120),
                              [](Picture& p, const QColor& c) { p.fillBox(2, 2, 30, 20, c); },
                              {corners(2, 2, 30, 20)}},
                      FillRow{"MaskPen",
                              2.0,
                              0,
                              1,
                              PenMode::Mask,
                              QColor(255, 120, 60),
                              [](Picture& p, const QColor& c) { lineFrom(p, c, 1, 1, 1, 28); },
                              {corners(1, 1, 1, 28)}}),
    [](const ::testing::TestParamInfo<FillRow>& info) { return info.param.name; });

// Where the pixels land, counted by hand: a scale shifted by 6 puts x = 8 on device column 2
// (4 and 5 at double density); a line from x = -3 keeps its part inside the picture.
TEST(PictureFill, ShiftedAndClippedLinesLandWhereCounted) {
    support::application();
    Picture shifted(20, 10, 2.0);
    shifted.setScaleLeft(6);
    shifted.line(8, 1, 9, 1, Qt::black);
    const QImage& image = shifted.image();
    EXPECT_EQ(image.pixelColor(3, 2), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(4, 2), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(7, 3), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(8, 2), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(4, 4), QColor(Qt::white));

    Picture clipped(10, 5);
    clipped.line(-3, 2, 3, 2, Qt::black);
    EXPECT_EQ(clipped.pixel(0, 2), QColor(Qt::black));
    EXPECT_EQ(clipped.pixel(3, 2), QColor(Qt::black));
    EXPECT_EQ(clipped.pixel(4, 2), QColor(Qt::white));
    EXPECT_EQ(clipped.pixel(0, 1), QColor(Qt::white));
}

} // namespace
