// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/page_layout.h"
#include "printing/print_pages.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

using printing::TwipRect;
using printing::TwipSize;

// The bench is 313 x 497 pixels, the graph 440 x 280, the curves 449 x 274: 4695 x 7455,
// 6600 x 4200 and 6735 x 4110 twips.
const TwipSize bench{4695, 7455};
const TwipSize graph{6600, 4200};
const TwipSize courbes{6735, 4110};

struct LayoutCase {
    std::string name;
    TwipSize printable;
    std::optional<TwipSize> bench;
    std::optional<TwipSize> graph;
    std::optional<TwipRect> expectedBench;
    std::optional<TwipRect> expectedGraph;
    double expectedShrink;
    std::optional<TwipSize> courbes = std::nullopt;
    std::optional<TwipRect> expectedCourbes = std::nullopt;
};

// Landscape page too short for both pictures: they shrink so that the graph ends on the
// last printable line (1100 + 5980.6 + 550 + 3369.4 = 11000), 3 gaps of 550 twips remaining.
const double landscape = (11000.0 - 3 * 550) / (7455 + 4200);
// Portrait page too short for the three pictures: 4 gaps of 800 twips remain.
const double three = (16000.0 - 4 * 800) / (7455 + 4200 + 4110);
// Page narrower than the graph.
const double narrow = 5000.0 / 6600;

// Test listings name a case by its name rather than by its bytes.
void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

class Layout : public testing::TestWithParam<LayoutCase> {};

void expectRect(const std::optional<TwipRect>& actual, const std::optional<TwipRect>& expected) {
    ASSERT_EQ(actual.has_value(), expected.has_value());
    if (!expected) return;
    EXPECT_NEAR(actual->left, expected->left, 1e-6);
    EXPECT_NEAR(actual->top, expected->top, 1e-6);
    EXPECT_NEAR(actual->width, expected->width, 1e-6);
    EXPECT_NEAR(actual->height, expected->height, 1e-6);
}

TEST_P(Layout, PlacesPicturesInTwips) {
    const LayoutCase& c = GetParam();
    const printing::PageLayout layout =
        printing::layoutPage(c.printable, c.bench, c.graph, c.courbes);
    expectRect(layout.bench, c.expectedBench);
    expectRect(layout.graph, c.expectedGraph);
    expectRect(layout.courbes, c.expectedCourbes);
    EXPECT_NEAR(layout.shrink, c.expectedShrink, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, Layout,
    testing::Values(
        // Gap 800: the pen starts at 800, the bench comes 800 lower, the graph 800 below it.
        LayoutCase{"BothPictures",
                   {11000, 16000},
                   bench,
                   graph,
                   TwipRect{3152.5, 1600, 4695, 7455},
                   TwipRect{2200, 9855, 6600, 4200},
                   1.0},
        LayoutCase{"GraphAlone",
                   {11000, 16000},
                   std::nullopt,
                   graph,
                   std::nullopt,
                   TwipRect{2200, 1600, 6600, 4200},
                   1.0},
        LayoutCase{"BenchAlone",
                   {11000, 16000},
                   bench,
                   std::nullopt,
                   TwipRect{3152.5, 1600, 4695, 7455},
                   std::nullopt,
                   1.0},
        // A page just large enough: nothing shrinks.
        LayoutCase{"JustLargeEnough",
                   {7000, 13950},
                   bench,
                   graph,
                   TwipRect{1152.5, 1395, 4695, 7455},
                   TwipRect{200, 9547.5, 6600, 4200},
                   1.0},
        LayoutCase{
            "LandscapeShrinks",
            {16000, 11000},
            bench,
            graph,
            TwipRect{(16000 - 4695 * landscape) / 2, 1100, 4695 * landscape, 7455 * landscape},
            TwipRect{(16000 - 6600 * landscape) / 2, 1650 + 7455 * landscape, 6600 * landscape,
                     4200 * landscape},
            landscape},
        // Gap 1500: the curves come a gap below the graph (3000 + 7455 + 1500 + 4200 + 1500).
        LayoutCase{"ThreePictures",
                   {11000, 30000},
                   bench,
                   graph,
                   TwipRect{3152.5, 3000, 4695, 7455},
                   TwipRect{2200, 11955, 6600, 4200},
                   1.0,
                   courbes,
                   TwipRect{2132.5, 17655, 6735, 4110}},
        LayoutCase{"CurvesAlone",
                   {11000, 16000},
                   std::nullopt,
                   std::nullopt,
                   std::nullopt,
                   std::nullopt,
                   1.0,
                   courbes,
                   TwipRect{2132.5, 1600, 6735, 4110}},
        // The three shrink together; the curves end on the last printable line.
        LayoutCase{
            "ThreePicturesShrinkTogether",
            {11000, 16000},
            bench,
            graph,
            TwipRect{(11000 - 4695 * three) / 2, 1600, 4695 * three, 7455 * three},
            TwipRect{(11000 - 6600 * three) / 2, 2400 + 7455 * three, 6600 * three, 4200 * three},
            three,
            courbes,
            TwipRect{(11000 - 6735 * three) / 2, 16000 - 4110 * three, 6735 * three, 4110 * three}},
        LayoutCase{"NarrowPageShrinks",
                   {5000, 30000},
                   std::nullopt,
                   graph,
                   std::nullopt,
                   TwipRect{0, 3000, 5000, 4200 * narrow},
                   narrow}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return info.param.name; });

TEST(PictureScale, FollowsThePrinterBetweenTwoAndFour) {
    EXPECT_DOUBLE_EQ(printing::pictureScale(96), 2.0);
    EXPECT_DOUBLE_EQ(printing::pictureScale(72), 2.0);
    EXPECT_DOUBLE_EQ(printing::pictureScale(300), 3.125);
    EXPECT_DOUBLE_EQ(printing::pictureScale(600), 4.0);
    EXPECT_DOUBLE_EQ(printing::pictureScale(1200), 4.0);
}

} // namespace
