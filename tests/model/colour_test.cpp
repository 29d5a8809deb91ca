// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/colour.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using model::Rgb;
using model::Tint;
using model::tintColour;

TEST(TintColour, Table) {
    struct Row {
        const char* name;
        Tint tint;
        double c;
        int h;
        Rgb expected;
    } rows[] = {
        {"permanganate 0.02", Tint::Permanganate, 0.02, 150, {146, 0, 146}},
        {"permanganate 0.001", Tint::Permanganate, 0.001, 150, {195, 76, 195}},
        {"permanganate 1e-5", Tint::Permanganate, 1e-5, 150, {231, 184, 231}},
        {"permanganate 0.1", Tint::Permanganate, 0.1, 150, {106, 0, 106}},
        {"permanganate 0.02 light", Tint::Permanganate, 0.02, 100, {183, 38, 183}},
        {"permanganate 0.02 dark", Tint::Permanganate, 0.02, 200, {110, 0, 110}},
        {"permanganate one drop past", Tint::Permanganate, 0.00025 / 28.05, 150, {232, 185, 232}},
        {"permanganate none", Tint::Permanganate, 0, 150, {255, 255, 255}},
        {"permanganate floor", Tint::Permanganate, 50, 200, {50, 0, 50}},
        {"diiode 0.01", Tint::Diiode, 0.01, 150, {217, 142, 30}},
        {"diiode 0.001", Tint::Diiode, 0.001, 150, {236, 227, 142}},
        {"diiode 0.1", Tint::Diiode, 0.1, 150, {181, 0, 0}},
        {"diiode none", Tint::Diiode, 0, 150, {255, 255, 255}},
        {"diiode darkest", Tint::Diiode, 50, 200, {55, 0, 0}},
        {"starch 1e-5", Tint::DiiodeStarch, 1e-5, 150, {0, 0, 152}},
        {"starch 0.001", Tint::DiiodeStarch, 0.001, 150, {0, 0, 67}},
        {"starch 0.01", Tint::DiiodeStarch, 0.01, 150, {0, 0, 0}},
        {"starch 0.1", Tint::DiiodeStarch, 0.1, 150, {0, 0, 0}},
        {"starch none", Tint::DiiodeStarch, 0, 150, {0, 0, 180}},
        {"negative concentration drawn as none", Tint::Permanganate, -1, 150, {255, 255, 255}},
    };
    for (const auto& r : rows) {
        const Rgb got = tintColour(r.tint, r.c, r.h);
        EXPECT_EQ(got, r.expected) << r.name << ": got " << got.r << ", " << got.g << ", " << got.b;
    }
}

TEST(TintColour, ScaleEndsStayInRange) {
    // The tint scales run over 0.1 .. 1e-5 mol/L at every slider value.
    for (int h = 100; h <= 200; h += 10)
        for (int i = 0; i <= 400; i += 50) {
            const double c = std::pow(10.0, -(1 + i / 100.0));
            for (Tint t : {Tint::Permanganate, Tint::Diiode, Tint::DiiodeStarch}) {
                const Rgb k = tintColour(t, c, h);
                for (int channel : {k.r, k.g, k.b}) {
                    EXPECT_GE(channel, 0);
                    EXPECT_LE(channel, 255);
                }
            }
        }
}

TEST(BuretteTint, ByTitrantFamily) {
    for (int species = -1; species <= 10; ++species) {
        const auto tint = model::buretteTint(species, 0.02f);
        switch (species) {
        case 1:
        case 3:
        case 5:
        case 6:
        case 8:
            ASSERT_TRUE(tint) << species;
            EXPECT_EQ(tint->tint, Tint::Permanganate);
            EXPECT_EQ(tint->concentration, 0.02f);
            break;
        case 9:
            ASSERT_TRUE(tint);
            EXPECT_EQ(tint->tint, Tint::Diiode);
            EXPECT_EQ(tint->concentration, 0.02f);
            break;
        default:
            EXPECT_FALSE(tint) << species;
        }
    }
}

TEST(BeakerTint, DiiodeWinsOverPermanganate) {
    model::PresentAmounts present{};
    EXPECT_FALSE(model::beakerTint(present, 20, false));
    EXPECT_FALSE(model::beakerTint(present, 20, true)); // starch alone colours nothing

    present[8] = 0.00025f;
    auto tint = model::beakerTint(present, 28.05, false);
    ASSERT_TRUE(tint);
    EXPECT_EQ(tint->tint, Tint::Permanganate);
    EXPECT_DOUBLE_EQ(tint->concentration, 0.00025f / 28.05);
    EXPECT_EQ(tintColour(tint->tint, tint->concentration, 150), (Rgb{232, 185, 232}));

    present[2] = 0.5f;
    tint = model::beakerTint(present, 25, false);
    ASSERT_TRUE(tint);
    EXPECT_EQ(tint->tint, Tint::Diiode);
    EXPECT_DOUBLE_EQ(tint->concentration, 0.02);
    tint = model::beakerTint(present, 25, true);
    ASSERT_TRUE(tint);
    EXPECT_EQ(tint->tint, Tint::DiiodeStarch);

    // Other species never colour the beaker, and an empty beaker has nothing to paint.
    model::PresentAmounts others{};
    others.fill(1);
    others[2] = others[8] = 0;
    EXPECT_FALSE(model::beakerTint(others, 20, true));
    EXPECT_FALSE(model::beakerTint(present, 0, false));
}

} // namespace
