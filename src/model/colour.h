// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour law of the coloured species (permanganate, diiode, diiode with starch) and the
// rules that choose what colours the burette and the beaker.

#include "model/amounts.h"

#include <cstdint>
#include <optional>
#include <span>

namespace model {

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class Tint { Permanganate, Diiode, DiiodeStarch };

// c in mol/L (c >= 0), h the tint slider value (100..200).
Rgb tintColour(Tint tint, double c, int h);

// The same colour before its channels are rounded (each already held to its floor): what
// the words that name the colour read, so that a word does not flicker with the rounding of
// the channels from one drop to the next. tintColour rounds these channels.
struct Channels {
    double r = 0, g = 0, b = 0;
};
Channels tintChannels(Tint tint, double c, int h);

// The channels rounded as every colour of the program is (halves to even).
Rgb roundedColour(const Channels& channels);

// A coloured form of a mixture: the colour it gives the liquid alone, and its share (0..1).
struct ColourShare {
    Rgb colour;
    double share;
};
// The colour of a liquid whose dye is spread over several forms, such as a coloured indicator
// between its acid and base forms: light crosses every form in turn, so each channel is
// 255 times the product of (channel of the form / 255) raised to the form's share (the
// absorbances add up in proportion to the shares). Yellow and blue give green; a colourless
// form (255, 255, 255) only pales the others. A channel of 0 is taken as 1 (no form blocks
// all light). Shares that do not add up to 1 are used as given.
Channels blendChannels(std::span<const ColourShare> shares);

// A tinted liquid: which law and at what concentration (mol/L).
// "No tint" (a colourless liquid, not painted) is an empty optional.
struct LiquidTint {
    Tint tint;
    double concentration;
};

std::optional<LiquidTint> buretteTint(int species, float titrantConcentration);
std::optional<LiquidTint> beakerTint(const PresentAmounts& present, double beakerVolume,
                                     bool starch);

} // namespace model
