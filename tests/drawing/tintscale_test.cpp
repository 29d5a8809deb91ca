// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/tintscale.h"

#include "drawing/drawing_test_support.h"
#include "drawing/picture.h"

#include <gtest/gtest.h>

namespace {

using drawing::Picture;
using drawingtest::rgb;

TEST(TintScale, SwatchColumnsShowTheColourLaw) {
    support::application();
    struct Row {
        const char* name;
        model::Tint tint;
        int h, x;
        QColor expected;
    };
    const Row rows[] = {
        {"permanganate 1E-05", model::Tint::Permanganate, 150, 0, rgb(231, 184, 231)},
        {"permanganate 1E-04", model::Tint::Permanganate, 150, 100, rgb(217, 142, 217)},
        {"permanganate 0,1", model::Tint::Permanganate, 150, 400, rgb(106, 0, 106)},
        {"diiode 0,001", model::Tint::Diiode, 150, 200, rgb(236, 227, 142)},
        {"diiode 0,01", model::Tint::Diiode, 150, 300, rgb(217, 142, 30)},
        {"diiode 0,1", model::Tint::Diiode, 150, 400, rgb(181, 0, 0)},
    };
    for (const Row& r : rows) {
        Picture swatch(drawing::swatchWidth, drawing::swatchHeight);
        drawing::paintSwatch(swatch, r.tint, r.h);
        EXPECT_EQ(swatch.pixel(r.x, 0), r.expected) << r.name;
        EXPECT_EQ(swatch.pixel(r.x, drawing::swatchHeight - 1), r.expected) << r.name;
    }
}

TEST(TintScale, TheSliderDarkensEveryColumn) {
    support::application();
    Picture light(drawing::swatchWidth, drawing::swatchHeight);
    Picture dark(drawing::swatchWidth, drawing::swatchHeight);
    drawing::paintSwatch(light, model::Tint::Permanganate, drawing::tintSliderMinimum);
    drawing::paintSwatch(dark, model::Tint::Permanganate, drawing::tintSliderMaximum);
    for (int x : {0, 150, 330}) {
        EXPECT_GT(light.pixel(x, 5).red(), dark.pixel(x, 5).red()) << x;
        EXPECT_GE(light.pixel(x, 5).green(), dark.pixel(x, 5).green()) << x;
    }
}

TEST(TintScale, LayoutCentresSliderAndSwatches) {
    const drawing::TintScaleLayout layout = drawing::tintScaleLayout(449);
    EXPECT_EQ(layout.slider, QRect(148, 56, 153, 17));
    EXPECT_EQ(layout.permanganate, QRect(24, 104, 401, 17));
    EXPECT_EQ(layout.diiode, QRect(24, 160, 401, 17));
}

TEST(TintScale, PanelMarksEveryDecade) {
    support::application();
    Picture frame2(449, 260, 1.0, QColor(240, 235, 230));
    const drawing::TintScaleLayout layout = drawing::paintTintScalePanel(frame2);
    drawingtest::save(frame2, "tintscale_panel");
    const QColor black(0, 0, 0);
    for (const QRect& swatch : {layout.permanganate, layout.diiode}) {
        for (int k = 0; k <= 4; ++k) {
            const int x = swatch.left() + 100 * k;
            EXPECT_EQ(frame2.pixel(x, swatch.top() - 5), black) << k;
            EXPECT_EQ(frame2.pixel(x, swatch.bottom() + 6), black) << k;
            EXPECT_NE(frame2.pixel(x, swatch.bottom() + 7), black) << k;
            EXPECT_NE(frame2.pixel(x + 3, swatch.top() - 3), black) << k;
            // The label "10" with its exponent above the mark.
            int ink = 0;
            for (int y = swatch.top() - 25; y < swatch.top() - 5; ++y)
                for (int dx = -12; dx <= 12; ++dx)
                    ink += frame2.pixel(x + dx, y).red() < 128;
            EXPECT_GT(ink, 10) << k;
        }
    }
    // "Clair" ends left of the slider, " Foncé" starts right of it; nothing over the slider.
    int leftInk = 0, rightInk = 0, overInk = 0;
    for (int y = 56; y < 73; ++y) {
        for (int x = 100; x < 148; ++x)
            leftInk += frame2.pixel(x, y).red() < 128;
        for (int x = 301; x < 350; ++x)
            rightInk += frame2.pixel(x, y).red() < 128;
        for (int x = 148; x < 301; ++x)
            overInk += frame2.pixel(x, y).red() < 128;
    }
    EXPECT_GT(leftInk, 10);
    EXPECT_GT(rightInk, 10);
    EXPECT_EQ(overInk, 0);
}

} // namespace
