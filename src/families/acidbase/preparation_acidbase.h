// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The preparation panel of an acid-base titration: under the solution to titrate and its
// pipette (drawn by prepasol for every species), the titrant with its concentration, the
// distilled water added with the graduated cylinder that measures it, the coloured indicator
// and the probe, with the input controls placed between the words.

#include "drawing/bench_drawing.h"
#include "model/acidbase/catalogue.h"

namespace drawing {

struct AcidBasePanelInputs {
    int titration = -1;
    int titrantBoxWidth = 65; // the titrant's concentration
    int waterBoxWidth = 65;   // the water added
};

struct AcidBasePanelLayout {
    ControlPlace titrantBox; // concentration of the titrant
    ControlPlace waterBox;   // volume of water added
    ControlPlace indicator;  // the indicator's list
    ControlPlace probe;      // the probe's list
};

// Draws the acid-base part of the panel over what prepasol drew, and gives the places of its
// controls; for no acid-base titration it draws nothing and every place is hidden.
AcidBasePanelLayout drawAcidBasePanel(Picture& panel, const AcidBasePanelInputs& in);

} // namespace drawing
