// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/colour_words.h"

#include <algorithm>

namespace model {

namespace {

// Lightness of a colour, 0 (black) to 1 (white): the mean of its strongest and weakest
// channels.
double lightness(double strongest, double weakest) {
    return (strongest + weakest) / 510.0;
}

// Hue in degrees, 0 to 360: 0 red, 60 yellow, 120 green, 240 blue, 300 magenta.
double hue(const Channels& c, double strongest, double weakest) {
    const double chroma = strongest - weakest;
    double h;
    if (strongest == c.r) {
        h = (c.g - c.b) / chroma;
    } else if (strongest == c.g) {
        h = 2 + (c.b - c.r) / chroma;
    } else {
        h = 4 + (c.r - c.g) / chroma;
    }
    h *= 60;
    return h < 0 ? h + 360 : h;
}

// Channels closer than this have no hue a student would name.
constexpr double greyChroma = 15;

// A red hue at least this light (and not light enough to be pink) is red, darker it is brown.
constexpr double redLightness = 0.52;

} // namespace

ColourWord colourWord(const Channels& c) {
    const double strongest = std::max({c.r, c.g, c.b});
    const double weakest = std::min({c.r, c.g, c.b});
    const double l = lightness(strongest, weakest);
    if (strongest - weakest <= greyChroma)
        return l >= 0.5 ? ColourWord::Colourless : ColourWord::DarkBlue;
    const double h = hue(c, strongest, weakest);
    if (h < 20 || h >= 345) {
        if (l >= 0.75) return ColourWord::PalePink;
        if (l >= 0.6) return ColourWord::Pink;
        return l >= redLightness ? ColourWord::Red : ColourWord::Brown;
    }
    if (h < 40) return l < 0.38 ? ColourWord::Brown : ColourWord::Orange;
    if (h < 75) {
        if (l >= 0.75) return ColourWord::PaleYellow;
        return l < 0.5 ? ColourWord::Orange : ColourWord::Yellow;
    }
    if (h < 165) return ColourWord::Green;
    if (h < 270) {
        if (l >= 0.7) return ColourWord::PaleBlue;
        return l < 0.27 ? ColourWord::DarkBlue : ColourWord::Blue;
    }
    if (l >= 0.75) return ColourWord::PalePink;
    return l >= 0.55 ? ColourWord::Pink : ColourWord::Violet;
}

ColourWord liquidColourWord(const std::optional<LiquidTint>& tint, int h) {
    if (!tint) return ColourWord::Colourless;
    return colourWord(tintChannels(tint->tint, tint->concentration, h));
}

std::string_view colourName(ColourWord word) {
    switch (word) {
    case ColourWord::Colourless:
        return "incolore";
    case ColourWord::PaleYellow:
        return "jaune pâle";
    case ColourWord::Yellow:
        return "jaune";
    case ColourWord::Orange:
        return "orangé";
    case ColourWord::Brown:
        return "brun";
    case ColourWord::Red:
        return "rouge";
    case ColourWord::Green:
        return "vert";
    case ColourWord::PalePink:
        return "rose pâle";
    case ColourWord::Pink:
        return "rose";
    case ColourWord::Violet:
        return "violet";
    case ColourWord::PaleBlue:
        return "bleu pâle";
    case ColourWord::Blue:
        return "bleu";
    case ColourWord::DarkBlue:
        return "bleu foncé";
    }
    return "";
}

std::string_view solutionColour(ColourWord word) {
    switch (word) {
    case ColourWord::Orange:
        return "orangée";
    case ColourWord::Brown:
        return "brune";
    case ColourWord::Violet:
        return "violette";
    case ColourWord::Blue:
        return "bleue";
    case ColourWord::Green:
        return "verte";
    default:
        return colourName(word);
    }
}

} // namespace model
