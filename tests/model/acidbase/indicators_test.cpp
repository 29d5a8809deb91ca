// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/acidbase/indicators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace model::acidbase {
namespace {

TEST(Indicators, NamesPKaAndZones) {
    struct Row {
        const char* name;
        double pKa, low, high;
    };
    const Row rows[] = {
        {"hélianthine", 3.7, 3.1, 4.4},      {"vert de bromocrésol", 4.7, 3.8, 5.4},
        {"rouge de méthyle", 5.1, 4.2, 6.2}, {"bleu de bromothymol", 7.1, 6.0, 7.6},
        {"rouge de crésol", 8.3, 7.2, 8.8},  {"phénolphtaléine", 9.4, 8.2, 10.0},
        {"thymolphtaléine", 9.9, 9.3, 10.5},
    };
    ASSERT_EQ(std::size(rows), std::size_t(indicatorCount));
    for (int k = 0; k < indicatorCount; ++k) {
        const IndicatorFacts& f = indicatorFacts(k);
        EXPECT_EQ(f.name, rows[k].name);
        EXPECT_EQ(f.pKa, rows[k].pKa) << f.name;
        EXPECT_EQ(f.zoneLow, rows[k].low) << f.name;
        EXPECT_EQ(f.zoneHigh, rows[k].high) << f.name;
        EXPECT_EQ(findIndicator(rows[k].name), k);
        // The pKa lies in the zone: the acid form leads at its start, the base form at its end.
        EXPECT_LT(baseFraction(k, f.zoneLow), 0.5) << f.name;
        EXPECT_GT(baseFraction(k, f.zoneHigh), 0.5) << f.name;
    }
    EXPECT_EQ(findIndicator("tournesol"), -1);
}

// The colour said below the zone, in its middle and above it, as the class names them.
TEST(Indicators, ColoursOnBothSidesAndInTheMiddleOfEveryZone) {
    struct Row {
        int indicator;
        const char* below;
        const char* middle;
        const char* above;
    };
    const Row rows[] = {
        {Indicator::MethylOrange, "rouge", "orangé", "jaune"},
        {Indicator::BromocresolGreen, "jaune", "vert", "bleu"},
        {Indicator::MethylRed, "rouge", "orangé", "jaune"},
        {Indicator::BromothymolBlue, "jaune", "vert", "bleu"},
        {Indicator::CresolRed, "jaune", "orangé", "rouge"},
        {Indicator::Phenolphthalein, "incolore", "rose pâle", "rose"},
        {Indicator::Thymolphthalein, "incolore", "bleu", "bleu"},
    };
    for (const Row& row : rows) {
        const IndicatorFacts& f = indicatorFacts(row.indicator);
        auto word = [&](double pH) {
            return std::string(colourName(indicatorColourWord(row.indicator, pH)));
        };
        for (double outside : {0.5, 1.0})
            EXPECT_EQ(word(f.zoneLow - outside), row.below) << f.name << " " << outside;
        EXPECT_EQ(word((f.zoneLow + f.zoneHigh) / 2), row.middle) << f.name;
        for (double outside : {0.5, 1.0})
            EXPECT_EQ(word(f.zoneHigh + outside), row.above) << f.name << " " << outside;
        // Far from the zone, the colour of one form, named as the table names it.
        EXPECT_EQ(word(0), f.acidColourName) << f.name;
        EXPECT_EQ(word(14), f.baseColourName) << f.name;
        EXPECT_EQ(indicatorColour(row.indicator, 0), f.acidColour) << f.name;
        EXPECT_EQ(indicatorColour(row.indicator, 14), f.baseColour) << f.name;
    }
}

// Halfway, the two forms blend: light crosses each, so each channel is the geometric mean of
// the forms' channels. Bromothymol blue at its pKa: yellow (255, 235, 40) and blue
// (20, 110, 230) give (√(255·20), √(235·110), √(40·230)).
TEST(Indicators, TheColourAtThePKaBlendsBothForms) {
    const auto c = indicatorChannels(Indicator::BromothymolBlue, 7.1);
    ASSERT_TRUE(c.has_value());
    EXPECT_NEAR(c->r, std::sqrt(255.0 * 20), 1e-9);
    EXPECT_NEAR(c->g, std::sqrt(235.0 * 110), 1e-9);
    EXPECT_NEAR(c->b, std::sqrt(40.0 * 230), 1e-9);
    EXPECT_EQ(indicatorColour(Indicator::BromothymolBlue, 7.1), (Rgb{71, 161, 96}));
}

TEST(Indicators, NoIndicatorNoTint) {
    for (int none : {-1, indicatorCount}) {
        EXPECT_FALSE(indicatorColour(none, 7).has_value());
        EXPECT_EQ(indicatorColourWord(none, 7), ColourWord::Colourless);
        EXPECT_EQ(indicatorFacts(none).name, "");
        EXPECT_EQ(baseFraction(none, 7), 0);
    }
}

// Along the pH, the word changes at most twice through the mixed colour and never comes back.
TEST(Indicators, WordsChangeOnceEachWayAlongThePH) {
    for (int k = 0; k < indicatorCount; ++k) {
        std::vector<ColourWord> seen;
        for (int i = 0; i <= 1400; ++i) {
            const ColourWord w = indicatorColourWord(k, i / 100.0);
            if (seen.empty() || seen.back() != w) seen.push_back(w);
        }
        EXPECT_LE(seen.size(), 4u) << indicatorFacts(k).name;
        for (std::size_t a = 0; a < seen.size(); ++a)
            for (std::size_t b = a + 1; b < seen.size(); ++b)
                EXPECT_NE(seen[a], seen[b]) << indicatorFacts(k).name;
    }
}

} // namespace
} // namespace model::acidbase
