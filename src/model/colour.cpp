// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/colour.h"

#include "model/catalogue.h"
#include "numbers/rounding.h"

#include <algorithm>
#include <cmath>

namespace model {

namespace {

double atLeast(double x, double floor) {
    return std::max(x, floor);
}

int rounded(double channel) {
    return numbers::nearest(channel);
}

} // namespace

Channels tintChannels(Tint tint, double c, int h) {
    // The law is defined for c >= 0; anything else (a negative or undefined concentration)
    // is drawn as the clear liquid rather than raising a negative number to a fraction.
    if (!(c >= 0)) c = 0;
    const double u = 10 - 10 / std::exp(c);
    const double H = h;
    switch (tint) {
    case Tint::Permanganate: {
        const double s = std::pow(u, 0.2);
        const double rb = atLeast(255 - H * s, 50);
        return {rb, atLeast(255 - 3 * H * s, 0), rb};
    }
    case Tint::Diiode: {
        const double s = std::pow(u, 0.3);
        return {atLeast(255 - H * s / 2, 0), atLeast(255 - 3 * H * s * s, 0),
                atLeast(255 - 3 * H * s, 0)};
    }
    case Tint::DiiodeStarch: {
        const double s = std::pow(u, 0.3);
        return {0, 0, atLeast(180 - 3 * H * s, 0)};
    }
    }
    return {};
}

Rgb tintColour(Tint tint, double c, int h) {
    // A channel held to its floor and then rounded is the rounded channel held to it.
    return roundedColour(tintChannels(tint, c, h));
}

Rgb roundedColour(const Channels& channels) {
    return {rounded(channels.r), rounded(channels.g), rounded(channels.b)};
}

Channels blendChannels(std::span<const ColourShare> shares) {
    double r = 0, g = 0, b = 0; // absorbances, log10 of 255 over the channel
    auto absorbance = [](int channel) { return std::log10(255.0 / std::max(channel, 1)); };
    for (const ColourShare& form : shares) {
        r += form.share * absorbance(form.colour.r);
        g += form.share * absorbance(form.colour.g);
        b += form.share * absorbance(form.colour.b);
    }
    return {255 * std::pow(10.0, -r), 255 * std::pow(10.0, -g), 255 * std::pow(10.0, -b)};
}

std::optional<LiquidTint> buretteTint(int species, float titrantConcentration) {
    switch (titrantFamily(species)) {
    case TitrantFamily::Permanganate:
        return LiquidTint{Tint::Permanganate, titrantConcentration};
    case TitrantFamily::Diiode:
        return LiquidTint{Tint::Diiode, titrantConcentration};
    case TitrantFamily::Thiosulfate:
    case TitrantFamily::None:
        break;
    }
    return std::nullopt;
}

std::optional<LiquidTint> beakerTint(const PresentAmounts& present, double beakerVolume,
                                     bool starch) {
    // An amount in an empty beaker has no concentration: nothing to paint.
    if (!(beakerVolume > 0)) return std::nullopt;
    std::optional<LiquidTint> tint;
    const float permanganate = present[Entry::MnO4];
    const float diiode = present[Entry::I2];
    if (permanganate != 0) tint = LiquidTint{Tint::Permanganate, permanganate / beakerVolume};
    if (diiode != 0)
        tint = LiquidTint{starch ? Tint::DiiodeStarch : Tint::Diiode, diiode / beakerVolume};
    return tint;
}

} // namespace model
