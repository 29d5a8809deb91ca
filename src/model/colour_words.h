// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words that say the colour of a liquid, for those who cannot see the bench: a student
// hears "rose pâle" where the others see the first drop of permanganate in excess. The word
// comes from the colour that is painted (its hue and lightness), so that the text and the
// picture never disagree, whatever the tint slider says. It reads the colour before its
// channels are rounded: along a titration the hue and the lightness then change steadily,
// and a word changes once where a boundary is crossed instead of flickering with the
// rounding from one drop to the next.

#include "model/colour.h"

#include <optional>
#include <string_view>

namespace model {

enum class ColourWord {
    Colourless, // incolore
    PaleYellow, // jaune pâle
    Yellow,     // jaune
    Orange,     // orangé
    Brown,      // brun
    Red,        // rouge
    Green,      // vert
    PalePink,   // rose pâle
    Pink,       // rose
    Violet,     // violet
    PaleBlue,   // bleu pâle
    Blue,       // bleu
    DarkBlue,   // bleu foncé
};

// The word for a colour (channels 0..255). Chosen on the hue and the lightness of the colour:
// - a colour with no hue to speak of (its channels within 15 of each other) is colourless
//   when light; when dark it is the starch complex at its darkest, the one liquid of the
//   bench that goes black, and it is dark blue;
// - red hues (below 20 degrees or from 345): pale pink and pink when light, red (methyl
//   orange below its zone of change, cresol red above its own) at a middle lightness that
//   diiode, whose darkest colours are there, never reaches (at most 0.505), brown when darker;
// - orange hues (20 to 40 degrees): orange, brown when dark;
// - yellow hues (40 to 75 degrees; diiode stays below 69): pale yellow when light, yellow,
//   orange when dark;
// - green hues (75 to 165 degrees): green, the middle of the zone of bromothymol blue and
//   bromocresol green (no other liquid of the bench is green);
// - blue hues (165 to 270 degrees): pale blue, blue, dark blue;
// - violet hues (270 to 345 degrees, permanganate): pale pink, pink, violet.
ColourWord colourWord(const Channels& colour);

// The word for a liquid of the bench: the colour its tint law paints at the slider value h,
// or colourless when it has no tint.
ColourWord liquidColourWord(const std::optional<LiquidTint>& tint, int h);

// The colour's name, as a colour is named ("brun", "violet", "bleu foncé"), UTF-8.
std::string_view colourName(ColourWord word);

// The word agreed with "solution" ("une solution brune", "violette", "bleue", "orangée");
// compound colours do not agree ("une solution bleu foncé", "jaune pâle"). UTF-8.
std::string_view solutionColour(ColourWord word);

} // namespace model
