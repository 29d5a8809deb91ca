// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Courbes" tab (`tabcourbes`): the amounts present of the species of the quantities
// graph as curves n = f(V), V from 0 to 25 mL, on the graph's own scale, each drawn from 0 to
// the volume poured so far and never beyond (a curve must not show an equivalence the student
// has not reached), with a marker at that volume and a legend above; under them the progress
// table of the reactions (progress_table.h). majcourbes draws the static part and keeps it as the
// picture's background; refcourbes draws what the poured volume changes over it. Both work
// from plain inputs, at the picture's own density, for the screen, the clipboard and paper.

#include "drawing/plot_frame.h"
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

// Where the tab puts its parts: the progress tables at the bottom, one block under the other,
// and over them the plot with its scale, its titles and its legend (plot_frame.h), which takes
// the rest. The amounts are in mmol on the plot's scale (0 to scaleMax).
struct CourbesLayout {
    PlotFrame frame;
    int tableTop = 0; // the top of the first table
};
CourbesLayout courbesLayout(Picture& tabcourbes, const CourbesInputs& in);
// The same for amounts of another catalogue's particles: the plot on the scale of the
// quantities graph (mmol; 0: no curves), with its legend, over tables that take tablesHeight
// pixels at the bottom of the tab.
CourbesLayout courbesLayout(Picture& tabcourbes, float scaleMax, std::vector<LegendEntry> legend,
                            int tablesHeight);

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
