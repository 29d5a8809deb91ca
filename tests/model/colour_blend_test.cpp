// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/colour.h"
#include "model/colour_words.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace model {
namespace {

TEST(ColourBlend, AbsorbancesAddByShares) {
    struct Row {
        const char* name;
        std::array<ColourShare, 2> forms;
        Channels expected;
    };
    const Row rows[] = {
        {"one form alone", {{{{100, 150, 200}, 1}, {{0, 0, 0}, 0}}}, {100, 150, 200}},
        // 255 × (64/255)^½ = √(255 × 64)
        {"half colourless",
         {{{{255, 255, 255}, 0.5}, {{64, 64, 64}, 0.5}}},
         {std::sqrt(255.0 * 64), std::sqrt(255.0 * 64), std::sqrt(255.0 * 64)}},
        // A channel of 0 counts as 1: 255 × (1/255)^¼ × (255/255)^¾
        {"a black channel",
         {{{{0, 255, 255}, 0.25}, {{255, 255, 255}, 0.75}}},
         {255 * std::pow(1 / 255.0, 0.25), 255, 255}},
        {"nothing", {{{{10, 20, 30}, 0}, {{40, 50, 60}, 0}}}, {255, 255, 255}},
    };
    for (const Row& row : rows) {
        const Channels c = blendChannels(row.forms);
        EXPECT_NEAR(c.r, row.expected.r, 1e-9) << row.name;
        EXPECT_NEAR(c.g, row.expected.g, 1e-9) << row.name;
        EXPECT_NEAR(c.b, row.expected.b, 1e-9) << row.name;
    }
    EXPECT_EQ(roundedColour({127.5, 128.5, 0.4}), (Rgb{128, 128, 0})); // halves to even
}

TEST(ColourWords, RedAndGreen) {
    struct Row {
        const char* name;
        Channels colour;
        ColourWord word;
    };
    const Row rows[] = {
        {"red: hue 6°, lightness 0,53", {230, 60, 40}, ColourWord::Red},
        {"dark red is brown: lightness 0,39", {200, 0, 0}, ColourWord::Brown},
        {"light red is pink: lightness 0,67", {230, 110, 110}, ColourWord::Pink},
        {"green: hue 120°", {70, 160, 70}, ColourWord::Green},
        {"yellow-green stays yellow: hue 66°", {235, 255, 60}, ColourWord::Yellow},
        {"blue-green is blue: hue 180°", {40, 170, 170}, ColourWord::Blue},
    };
    for (const Row& row : rows)
        EXPECT_EQ(colourWord(row.colour), row.word) << row.name;
    EXPECT_EQ(colourName(ColourWord::Red), "rouge");
    EXPECT_EQ(solutionColour(ColourWord::Red), "rouge");
    EXPECT_EQ(colourName(ColourWord::Green), "vert");
    EXPECT_EQ(solutionColour(ColourWord::Green), "verte");
}

// The liquids of the redox bench are never called red or green, whatever their
// concentration and the tint slider: those words belong to the indicators.
TEST(ColourWords, RedoxLiquidsAreNeverRedNorGreen) {
    for (Tint tint : {Tint::Permanganate, Tint::Diiode, Tint::DiiodeStarch}) {
        for (int h = 100; h <= 200; h += 5) {
            for (int k = 0; k <= 700; ++k) {
                const double c = std::pow(10.0, -7 + k / 100.0);
                const ColourWord w = colourWord(tintChannels(tint, c, h));
                EXPECT_NE(w, ColourWord::Red) << int(tint) << " " << h << " " << c;
                EXPECT_NE(w, ColourWord::Green) << int(tint) << " " << h << " " << c;
            }
        }
    }
}

} // namespace
} // namespace model
