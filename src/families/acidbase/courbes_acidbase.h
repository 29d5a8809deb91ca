// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Courbes" tab of an acid-base titration, on the layout of the redox one (courbes.h): the
// amounts present of the particles of the quantities graph as curves n = f(V), from 0 to the
// volume poured and never beyond, on a round scale over the graph's (a labelled line every 1, 2
// or 5 times a power of ten, the power in the title), and under them the progress table of
// each reaction of the titration at that volume (model/acidbase/progress.h). While the
// sample's concentration is hidden the curves that would give the sample away are left out
// and the table writes its amounts in n₀.

#include "drawing/courbes.h"
#include "model/acidbase/mixture.h"

namespace drawing {

class Picture;

struct AcidBaseCourbesInputs {
    model::acidbase::Preparation preparation;
    double pouredVolume = 0;
    float scaleMax = 0; // the quantities graph's scale (mmol); 0: no curves
    bool hidden = false;
};

// Where the tab puts the plot and the tables (courbes.h), the legend in as many rows as the
// particles' formulas need.
CourbesLayout acidBaseCourbesLayout(Picture& tabcourbes, const AcidBaseCourbesInputs& in);

// The static part (axes, scale, legend, the frames of the progress tables), kept as the
// picture's background.
void drawAcidBaseCurvesBackground(Picture& tabcourbes, const AcidBaseCourbesInputs& in);

// Over the kept background: the curves up to the poured volume, its marker and the rows of
// the progress tables. Does nothing and returns false while scaleMax is 0.
bool drawAcidBaseCurves(Picture& tabcourbes, const AcidBaseCourbesInputs& in);

} // namespace drawing
