// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the pictures go on a printed page. Everything is in twips (1/1440 inch) measured
// from the top-left corner of the printable area; the title is printed at (0, 0).

#include <optional>

namespace printing {

// Screen pixels are 1/96 inch: 15 twips each.
constexpr double twipsPerPixel = 15.0;

struct TwipSize {
    double width = 0;
    double height = 0;
    bool operator==(const TwipSize&) const = default;
};

struct TwipRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double bottom() const { return top + height; }
    bool operator==(const TwipRect&) const = default;
};

struct PageLayout {
    std::optional<TwipRect> bench;
    std::optional<TwipRect> graph;
    std::optional<TwipRect> courbes;
    double shrink = 1.0; // 1 unless the pictures had to be made smaller to fit the page
};

// The pen starts one twentieth of the printable height down; each picture (the bench, the
// graph, the curves, in this order, those given) is preceded by
// another twentieth, centred horizontally, and drawn at its screen size. When the pictures
// would run off the printable area they are shrunk together, keeping their proportions,
// just enough to fit.
PageLayout layoutPage(TwipSize printable, std::optional<TwipSize> bench,
                      std::optional<TwipSize> graph,
                      std::optional<TwipSize> courbes = std::nullopt);

// A picture of the screen, in pixels, measured in twips.
inline TwipSize pixelsToTwips(double width, double height) {
    return {width * twipsPerPixel, height * twipsPerPixel};
}

} // namespace printing
