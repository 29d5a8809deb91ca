// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Affichage" panel (`Frame2`) while an acid-base titration is on the bench: in place of
// the redox tint scales, the colour scale of the indicator along pH 0 to 14, each column in
// the colour the solution takes at its pH, with the zone of colour change ("zone de virage")
// marked over it and the heading "Option" with the hiding box kept where it always is.

#include <QRect>
#include <QString>

namespace drawing {

class Picture;

// The scale's band: 401 columns for pH 0 to 14, centred in the panel.
inline constexpr int indicatorScaleTop = 92;
inline constexpr int indicatorScaleHeight = 24;
inline constexpr int indicatorScaleWidth = 401;

// The band's place in a panel of the given inner width.
QRect indicatorScaleRect(int panelWidth);
// The pH shown by column x of the band (0 at its left edge, 14 at its right one).
double indicatorScalePH(int x);

// Paints the whole panel for the indicator (-1: none, which says so).
void paintIndicatorScalePanel(Picture& frame2, int indicator);

// The scale in words, for those who cannot see it: "Phénolphtaléine : incolore jusqu'à pH 8,2,
// rose à partir de pH 10,0 ; zone de virage de 8,2 à 10,0."; the text for no indicator.
QString describeIndicatorScale(int indicator);

} // namespace drawing
