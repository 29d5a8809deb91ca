// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tint-scale panel (`Frame2`): two reference scales of the liquids' colours, permanganate
// (`PictureMnO4`) and diiode (`PictureI2`), over five decades of concentration, with the tint
// slider `HScroll1` that makes every colour lighter or darker. The main window owns the
// widgets; this file paints the pictures and gives their places.

#include "model/colour.h"

#include <QRect>

namespace drawing {

class Picture;

// The tint slider `HScroll1`.
inline constexpr int tintSliderMinimum = 100; // "Clair"
inline constexpr int tintSliderMaximum = 200; // " Foncé"
inline constexpr int tintSliderStart = 150;
inline constexpr int tintSliderSmallStep = 1;
inline constexpr int tintSliderLargeStep = 10;
inline constexpr int tintSliderTop = 56;
inline constexpr int tintSliderWidth = 153;
inline constexpr int tintSliderHeight = 17;

// The swatches: 401 columns, one per concentration 10^(-5 + x/100) mol/L.
inline constexpr int swatchWidth = 401;
inline constexpr int swatchHeight = 17;
inline constexpr int permanganateSwatchTop = 104;
inline constexpr int diiodeSwatchTop = 160;

// The check box `masquer` under the heading "Option".
inline constexpr int optionCheckTop = 232;
inline constexpr int optionCheckHeight = 17;

// Where the panel's children go, for a panel of the given inner width.
struct TintScaleLayout {
    QRect slider;       // HScroll1
    QRect permanganate; // PictureMnO4
    QRect diiode;       // PictureI2
};
TintScaleLayout tintScaleLayout(int panelWidth);

// Concentration shown by column x of a swatch, in mol/L.
double swatchConcentration(int x);

// Repaints one swatch (`PictureMnO4` with Tint::Permanganate, `PictureI2` with Tint::Diiode)
// for the slider value h: column x in the colour of swatchConcentration(x), over the
// picture's whole height.
void paintSwatch(Picture& swatch, model::Tint tint, int h);

// Paints the panel `Frame2` (headings, the note, the slider's "Clair" and " Foncé", the
// decade marks and labels of both swatches, the "Option" heading) and returns the places of
// its children. The caller places the widgets, then repaints both swatches (paintSwatch).
TintScaleLayout paintTintScalePanel(Picture& frame2);

} // namespace drawing
