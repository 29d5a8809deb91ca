// SPDX-License-Identifier: GPL-3.0-or-later
// The curves of the "Courbes" tab, checked on their pixels against the model at chosen
// volumes for the ten titrations.
#include "drawing/courbes.h"

#include "drawing/drawing_test_support.h"
#include "drawing/graph.h"
#include "drawing/picture.h"
#include "model/catalogue.h"
#include "model/progress.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using drawing::Picture;

const QColor white(255, 255, 255);
const QColor darkGrey(128, 128, 128);

model::BenchInputs inputs(float c0, double v0, float cT, float cX = 0, double iodine = 0,
                          float iodide = 0) {
    model::BenchInputs in;
    in.sampleConcentration = c0;
    in.sampleVolume = v0;
    in.titrantConcentration = cT;
    in.reagentConcentration = cX;
    in.iodineVolume = iodine;
    in.iodideVolume = iodide;
    return in;
}

struct Titration {
    const char* name;
    int species;
    model::BenchInputs in;
    double equivalence; // mL, by hand
};

// An equivalence within the burette for each of the ten.
const Titration titrations[] = {
    {"ascorbic acid", 0, inputs(0.01f, 10, 0.05f, 0.05f, 10), 16}, // 2 (nX - nS) / cT
    {"oxalic acid", 1, inputs(0.01f, 10, 0.005f), 8},              // 2 c0 V0 / (5 cT)
    {"diiode", 2, inputs(0.005f, 10, 0.01f), 10},                  // 2 c0 V0 / cT
    {"sulfur dioxide", 3, inputs(0.02f, 10, 0.01f), 8},
    {"hypochlorite", 4, inputs(0.005f, 10, 0.01f, 0.1f, 0, 2), 10}, // 2 nS / cT
    {"nitrite", 5, inputs(0.05f, 5, 0.02f), 5},
    {"hydrogen peroxide", 6, inputs(0.01f, 20, 0.01f), 8},
    {"copper(II)", 7, inputs(0.02f, 5, 0.01f, 0.1f, 0, 3), 10}, // nS / cT
    {"iron(II)", 8, inputs(0.05f, 10, 0.01f), 10},              // c0 V0 / (5 cT)
    {"thiosulfate", 9, inputs(0.02f, 10, 0.01f), 10},           // c0 V0 / (2 cT)
};

struct Drawn {
    Picture pic;
    drawing::CourbesInputs in;
};

Drawn draw(const Titration& t, float poured, bool hidden = false, qreal ratio = 1.0) {
    support::application();
    Drawn d{Picture(449, 274, ratio), {}};
    d.in.species = t.species;
    d.in.in = t.in;
    d.in.in.pouredVolume = poured;
    d.in.scaleMax = drawing::scaleMax(t.species, t.in);
    d.in.hidden = hidden;
    drawing::majcourbes(d.pic, d.in);
    EXPECT_TRUE(drawing::refcourbes(d.pic, d.in));
    return d;
}

model::PresentAmounts amountsAt(const Titration& t, double v) {
    model::BenchInputs in = t.in;
    in.pouredVolume = static_cast<float>(v);
    model::PresentAmounts present{};
    model::computeAmounts(t.species, in, present);
    return present;
}

// Whether one of the colours lies on column x within two rows of y.
bool anyNear(const Picture& pic, int x, int y, const std::vector<QColor>& colours) {
    for (int dy = -2; dy <= 2; ++dy)
        for (const QColor& c : colours)
            if (pic.pixel(x, y + dy) == c) return true;
    return false;
}

// The colours that may show where column c's curve runs at v mL: its own, or that of a curve
// running within two pixels of it there.
std::vector<QColor> coloursAt(const Titration& t, const Drawn& d, double v, int c) {
    const auto columns = model::graphColumns(t.species);
    const model::PresentAmounts present = amountsAt(t, v);
    const int y = drawing::courbesY(present[columns[c].presentEntry], d.in.scaleMax);
    std::vector<QColor> accepted;
    for (std::size_t k = 0; k < columns.size(); ++k)
        if (std::abs(drawing::courbesY(present[columns[k].presentEntry], d.in.scaleMax) - y) <= 2)
            accepted.push_back(drawing::courbeColour(int(k)));
    return accepted;
}

// Each curve passes where the model puts its species, from the start to the end of the pour:
// the colour of the column is found within two pixels of the amount's height (or the colour
// of a curve that runs there too, drawn over it).
class CourbesAtRatio : public ::testing::TestWithParam<qreal> {};

TEST_P(CourbesAtRatio, EveryCurveFollowsTheModel) {
    for (const Titration& t : titrations) {
        const Drawn d = draw(t, 25, false, GetParam());
        if (GetParam() == 1.0) drawingtest::save(d.pic, t.name);
        const auto columns = model::graphColumns(t.species);
        const double e = t.equivalence;
        for (double v : {0.5, e / 2, e, (e + 25) / 2, 24.0}) {
            const model::PresentAmounts present = amountsAt(t, v);
            for (std::size_t c = 0; c < columns.size(); ++c) {
                const int y = drawing::courbesY(present[columns[c].presentEntry], d.in.scaleMax);
                EXPECT_TRUE(anyNear(d.pic, drawing::courbesX(v), y, coloursAt(t, d, v, int(c))))
                    << t.name << " at " << v << " mL, "
                    << model::entryFormula(columns[c].presentEntry);
            }
        }
    }
}

// On a dense screen, or in a printer's picture, the curves keep their logical places.
INSTANTIATE_TEST_SUITE_P(Ratios, CourbesAtRatio, ::testing::Values(1.0, 2.0));

// The species the titrant reacts with (the sample, or the diiode of an indirect titration)
// falls to the zero line at the equivalence volume; a product of the titration rises until
// it and then stays level.
TEST(Courbes, TitratedSpeciesReachesZeroAtTheEquivalence) {
    for (const Titration& t : titrations) {
        const Drawn d = draw(t, 25);
        const auto columns = model::graphColumns(t.species);
        const model::Reaction& titration = model::reactions(t.species).back();
        const int titrant = model::introducedEntry(t.species, model::IntroducedBar::Titrant);
        const int reactant = titration.reactants[0].entry == titrant ? titration.reactants[1].entry
                                                                     : titration.reactants[0].entry;
        int titrated = -1, product = -1;
        for (int c = 0; c < int(columns.size()); ++c) {
            if (columns[c].presentEntry == reactant) titrated = c;
            if (columns[c].presentEntry == titration.products[1].entry) product = c;
        }
        ASSERT_GE(titrated, 0);
        ASSERT_GE(product, 0);
        const QColor fall = drawing::courbeColour(titrated);
        const int zero = drawing::courbesZero;
        auto height = [&](int column, double v) {
            return drawing::courbesY(amountsAt(t, v)[columns[column].presentEntry], d.in.scaleMax);
        };
        // Still above the zero line one millilitre before, on it two millilitres after (where
        // no other curve runs).
        EXPECT_LT(height(titrated, t.equivalence - 1), zero) << t.name;
        EXPECT_LT(height(titrated, 0.5), height(titrated, t.equivalence - 1)) << t.name;
        EXPECT_EQ(height(titrated, t.equivalence), zero) << t.name;
        EXPECT_TRUE(anyNear(d.pic, drawing::courbesX(t.equivalence + 2), zero, {fall})) << t.name;
        // The product: higher at the equivalence than at the start, level after it.
        EXPECT_LT(height(product, t.equivalence), height(product, 0.5) - 4) << t.name;
        EXPECT_EQ(height(product, 24), height(product, t.equivalence)) << t.name;
        EXPECT_TRUE(anyNear(d.pic, drawing::courbesX(24), height(product, 24),
                            coloursAt(t, d, 24, product)))
            << t.name;
    }
}

// Poured to 5 mL, short of the equivalence at 8: no curve reaches further, the marker
// stands at 5 mL with a square of each colour.
TEST(Courbes, NothingBeyondThePouredVolume) {
    const Titration& oxalic = titrations[1];
    const Drawn d = draw(oxalic, 5);
    const int end = drawing::courbesX(5);
    for (int x = end + 3; x <= drawing::courbesX(25); ++x)
        for (int y = drawing::courbesTop - 4; y <= drawing::courbesZero + 2; ++y)
            for (int c = 0; c < 4; ++c)
                ASSERT_NE(d.pic.pixel(x, y), drawing::courbeColour(c)) << x << "," << y;
    // The dashed marker, and the oxalic acid's square at 0,1 - 5 x 0,0125 mmol.
    int dashes = 0;
    for (int y = drawing::courbesTop; y < drawing::courbesZero - 10; ++y)
        dashes += d.pic.pixel(end, y) == darkGrey;
    EXPECT_GT(dashes, 10);
    const int y = drawing::courbesY(0.1 - 5 * 0.0125, d.in.scaleMax);
    for (int dx = -2; dx <= 2; ++dx)
        EXPECT_EQ(d.pic.pixel(end + dx, y), drawing::courbeColour(1)) << dx;
}

// While the concentration is hidden a stretch of curve along which the amount depends on
// n0 is left out: the sample before the equivalence (its start is n0), the products past it
// (their plateau is a multiple of n0); the others are drawn.
TEST(Courbes, HiddenConcentrationLeavesOutWhatDependsOnTheSample) {
    const Drawn d = draw(titrations[1], 12, true); // oxalic acid, equivalence at 8 mL
    const int equivalence = drawing::courbesX(8);
    int sampleBefore = 0, sampleAfter = 0, productBefore = 0, productAfter = 0;
    for (int x = drawing::courbesLeft; x <= drawing::courbesX(12) + 2; ++x)
        for (int y = drawing::courbesTop - 4; y <= drawing::courbesZero + 2; ++y) {
            const bool before = x<equivalence - 2, after = x> equivalence + 2;
            const QColor c = d.pic.pixel(x, y);
            sampleBefore += before && c == drawing::courbeColour(1);
            sampleAfter += after && c == drawing::courbeColour(1);
            productBefore += before && c == drawing::courbeColour(0);
            productAfter += after && c == drawing::courbeColour(0);
        }
    EXPECT_EQ(sampleBefore, 0);
    EXPECT_GT(sampleAfter, 20); // none left: nothing to hide
    EXPECT_GT(productBefore, 100);
    EXPECT_EQ(productAfter, 0);
}

TEST(Courbes, RedrawnOverTheKeptBackground) {
    Drawn d = draw(titrations[1], 20);
    const QColor co2 = drawing::courbeColour(0);
    const int x = drawing::courbesX(15);
    const int y = drawing::courbesY(0.2, d.in.scaleMax);
    EXPECT_TRUE(anyNear(d.pic, x, y, {co2}));
    d.in.in.pouredVolume = 10;
    drawing::refcourbes(d.pic, d.in);
    EXPECT_FALSE(anyNear(d.pic, x, y, {co2}));
    EXPECT_EQ(d.pic.pixel(x, drawing::courbesTop + 30), drawingtest::rgb(192, 192, 192));
}

TEST(Courbes, NoScaleNoCurves) {
    support::application();
    Picture pic(449, 274);
    drawing::CourbesInputs in;
    drawing::majcourbes(pic, in);
    const QImage before = pic.image();
    EXPECT_FALSE(drawing::refcourbes(pic, in));
    EXPECT_EQ(pic.image(), before);
    // The frame is there: the axes and the top of the scale.
    EXPECT_EQ(pic.pixel(drawing::courbesLeft, 50), drawingtest::rgb(0, 0, 0));
    EXPECT_EQ(pic.pixel(200, drawing::courbesZero), drawingtest::rgb(0, 0, 0));
    EXPECT_EQ(pic.pixel(200, drawing::courbesTop), drawingtest::rgb(192, 192, 192));
}

} // namespace
