// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/acidbase/indicators.h"

#include <array>
#include <cmath>

namespace model::acidbase {

namespace {

// The colours of the forms, chosen so that each form alone and the blend in the middle of the
// zone are named as the class names them (rouge, orangé, jaune, vert, bleu, rose, incolore).
constexpr Rgb red{230, 60, 40};
constexpr Rgb yellow{255, 235, 40};
constexpr Rgb blue{20, 110, 230};
constexpr Rgb pink{255, 60, 180};
constexpr Rgb colourless{255, 255, 255};

const std::array<IndicatorFacts, indicatorCount> table{{
    {"hélianthine", 3.7, 3.1, 4.4, red, yellow, "rouge", "jaune"},
    {"vert de bromocrésol", 4.7, 3.8, 5.4, yellow, blue, "jaune", "bleu"},
    {"rouge de méthyle", 5.1, 4.2, 6.2, red, yellow, "rouge", "jaune"},
    {"bleu de bromothymol", 7.1, 6.0, 7.6, yellow, blue, "jaune", "bleu"},
    {"rouge de crésol", 8.3, 7.2, 8.8, yellow, red, "jaune", "rouge"},
    {"phénolphtaléine", 9.4, 8.2, 10.0, colourless, pink, "incolore", "rose"},
    {"thymolphtaléine", 9.9, 9.3, 10.5, colourless, blue, "incolore", "bleu"},
}};

const IndicatorFacts none{};

} // namespace

bool isIndicator(int indicator) {
    return indicator >= 0 && indicator < indicatorCount;
}

const IndicatorFacts& indicatorFacts(int indicator) {
    return isIndicator(indicator) ? table[indicator] : none;
}

int findIndicator(std::string_view name) {
    for (int k = 0; k < indicatorCount; ++k)
        if (table[k].name == name) return k;
    return -1;
}

double baseFraction(int indicator, double pH) {
    if (!isIndicator(indicator)) return 0;
    return 1 / (1 + std::pow(10.0, table[indicator].pKa - pH));
}

double colourShare(int indicator, double pH) {
    if (!isIndicator(indicator)) return 0;
    const IndicatorFacts& f = table[indicator];
    // At the ends of the zone the other form is this part of the colour.
    constexpr double edge = 0.02;
    const double reach = pH < f.pKa ? f.pKa - f.zoneLow : f.zoneHigh - f.pKa;
    const double steepness = std::log10((1 - edge) / edge) / reach;
    return 1 / (1 + std::pow(10.0, steepness * (f.pKa - pH)));
}

std::optional<Channels> indicatorChannels(int indicator, double pH) {
    if (!isIndicator(indicator)) return std::nullopt;
    const double base = colourShare(indicator, pH);
    const std::array<ColourShare, 2> forms{
        {{table[indicator].acidColour, 1 - base}, {table[indicator].baseColour, base}}};
    return blendChannels(forms);
}

std::optional<Rgb> indicatorColour(int indicator, double pH) {
    const auto channels = indicatorChannels(indicator, pH);
    if (!channels) return std::nullopt;
    return roundedColour(*channels);
}

ColourWord indicatorColourWord(int indicator, double pH) {
    const auto channels = indicatorChannels(indicator, pH);
    return channels ? colourWord(*channels) : ColourWord::Colourless;
}

} // namespace model::acidbase
