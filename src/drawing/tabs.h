// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tab strip `Onglets` of the side panel: three tabs, "Quantités de matière" (the graph
// `tabquant`), "Affichage" (the tint-scale panel `Frame2`) and "Courbes" (the curves and the
// progress table, `tabcourbes`), over a framed panel.

#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace drawing {

class Picture;

using TabEdges = std::array<std::int16_t, 6>;

inline constexpr int tabCount = 3;
// 1 "Quantités de matière", 2 "Affichage", 3 "Courbes", else empty
QString tabCaption(int tab);

struct TabStrip {
    int currentTab = 1;         // the tab painted (0 is painted and returned as 1)
    TabEdges tabEdges{};        // entries 0..tabCount set: -1, the boundaries, the strip's width
    std::optional<QRect> child; // where the selected tab's child goes; none for no tab
};

// Paints the strip for currentTab (1 graph, 2 tint scales, 3 curves, 0 read as 1, any other
// value: no tab selected) over the whole picture. The tabs share the width left by their
// captions equally, a gap on either side of each caption. The caller shows the child of the
// selected tab (1: tabquant, 2: Frame2, 3: tabcourbes) at `child` and hides the others; with no
// tab it changes nothing.
TabStrip paintTabStrip(Picture& onglets, int currentTab);

// The tab under a mouse release at (x, y) in `Onglets`. Only a release in the strip counts
// (0 <= y <= 15): then the tab i in 1..3 with tabEdges[i-1] < x <= tabEdges[i], or 0 when none
// matches (which the strip paints as tab 1). Outside the strip: no selection at all.
std::optional<int> tabAt(int x, int y, const TabEdges& tabEdges);

} // namespace drawing
