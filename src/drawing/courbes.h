// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Courbes" tab (`tabcourbes`): the amounts present of the species of the quantities
// graph as curves n = f(V), V from 0 to 25 mL, on the graph's own scale, each drawn from 0 to
// the volume poured so far and never beyond (a curve must not show an equivalence the student
// has not reached), with a marker at that volume; under them the progress table of the
// reactions (progress_table.h). majcourbes draws the static part and keeps it as the
// picture's background; refcourbes draws what the poured volume changes over it. Both work
// from plain inputs, at the picture's own density, for the screen, the clipboard and paper.

#include "drawing/progress_table.h"
#include "model/amounts.h"

#include <QColor>

#include <vector>

namespace drawing {

class Picture;

struct CourbesInputs {
    int species = -1;
    model::BenchInputs in; // pouredVolume: how far the curves go
    float scaleMax = 0;    // the quantities graph's scale (mmol); 0: no curves
    // The sample's concentration is hidden: a stretch of curve along which the amount
    // depends on n0 is left out, and the table writes n0.
    bool hidden = false;
};

// Geometry of the plot, pixels of `tabcourbes`.
inline constexpr int courbesLeft = 60;        // x of V = 0, the vertical axis
inline constexpr int courbesPixelsPerMl = 12; // 25 mL end at x = 360
inline constexpr int courbesTop = 16;         // y of the scale's maximum
inline constexpr int courbesZero = 106;       // y of n = 0
inline constexpr int courbesLegendLeft = 376;
inline constexpr int courbesTableTop = 126; // the progress table starts there

// The pixel of a volume (mL) and of an amount (mmol) on a scale of scaleMax.
int courbesX(double volume);
int courbesY(double amount, float scaleMax);

// The colour of the curve of graph column c (0..5).
QColor courbeColour(int column);

// The columns of each reaction's progress table, wide enough for what the table shows from
// an empty burette to a full one (the poured volume aside, so that they stay where
// majcourbes drew the equations).
std::vector<ProgressColumns> courbesTableColumns(Picture& pic, const CourbesInputs& in);

// The static part: axes, scale, legend, the equations and, for an indirect titration, the
// table of the reaction that comes before the titration. Kept as the picture's background.
void majcourbes(Picture& tabcourbes, const CourbesInputs& in);

// Over the kept background: the curves up to the poured volume, the marker, and the table of
// the titration at that volume. Does nothing and returns false while scaleMax is 0.
bool refcourbes(Picture& tabcourbes, const CourbesInputs& in);

} // namespace drawing
