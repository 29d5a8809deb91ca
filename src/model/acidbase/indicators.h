// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seven coloured indicators of the class, with their pKa, their zone of colour change
// ("zone de virage") as the class learns it and the colours of their acid and base forms. The
// solution's colour at a pH is the blend of the two forms (model/colour.h) by their shares as
// the eye sees them, whose unrounded channels give the words screen readers say
// (model/colour_words.h), so that the painted colour and the word always agree.
//
// The eye sees one form alone while the other is only a small part of the mix: that is what
// the zone says. So the share of each form in the colour is its fraction at the pH, with the
// pKa where both are half, steepened on each side of the pKa so that at each end of the zone
// the other form is 2 % of the colour: the solution has the colour of the acid form below the
// zone, of the base form above it, and their blend within it, whatever the zone's place
// around the pKa (phénolphtaléine: 8,2 to 10,0 around 9,4). A few drops of indicator give the
// colour of their forms whatever the tint slider (which sets the depth of the coloured
// reagents of the redox bench).

#include "model/colour.h"
#include "model/colour_words.h"

#include <optional>
#include <string_view>

namespace model::acidbase {

struct Indicator {
    enum : int {
        MethylOrange,     // hélianthine
        BromocresolGreen, // vert de bromocrésol
        MethylRed,        // rouge de méthyle
        BromothymolBlue,  // bleu de bromothymol
        CresolRed,        // rouge de crésol
        Phenolphthalein,  // phénolphtaléine
        Thymolphthalein,  // thymolphtaléine
        count
    };
};
inline constexpr int indicatorCount = Indicator::count;

struct IndicatorFacts {
    std::string_view name; // "hélianthine", UTF-8
    double pKa;
    double zoneLow, zoneHigh; // zone of colour change, pH
    Rgb acidColour, baseColour;
    std::string_view acidColourName, baseColourName; // "rouge", "jaune", "incolore"
};

bool isIndicator(int indicator);
// The facts of an indicator; those of no indicator (empty names) outside the table.
const IndicatorFacts& indicatorFacts(int indicator);
// The index of the indicator of that name ("phénolphtaléine"); -1 when there is none.
int findIndicator(std::string_view name);

// The fraction of the indicator in its base form at the pH: 1 / (1 + 10^(pKa − pH)).
double baseFraction(int indicator, double pH);
// The share of the base form in the colour: 1 / (1 + 10^(k·(pKa − pH))), where k makes the
// share 2 % at the zone's start and 98 % at its end (one k below the pKa, one above).
double colourShare(int indicator, double pH);
// The colour of a solution holding the indicator at the pH, unrounded (for the words) and
// rounded (for the paint); none for no indicator (the solution is not tinted).
std::optional<Channels> indicatorChannels(int indicator, double pH);
std::optional<Rgb> indicatorColour(int indicator, double pH);
// The colour's word; colourless for no indicator.
ColourWord indicatorColourWord(int indicator, double pH);

} // namespace model::acidbase
