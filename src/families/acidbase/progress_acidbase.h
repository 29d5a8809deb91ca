// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress tables of an acid-base titration under its curves, one per reaction of the
// catalogue (model/acidbase/progress.h): the equation over columns wide enough for its terms
// and for their amounts along the whole titration, so that nothing collides and nothing moves
// from one drop to the next; then the initial state, the state at the poured volume with the
// progress x, and the limiting reagent. Water is the solvent ("excès"). While the sample's
// concentration is hidden an amount that depends on n0 is written with n₀.

#include "drawing/graphlabels.h"
#include "model/acidbase/mixture.h"

#include <QRect>

#include <cstddef>

namespace drawing {

class Picture;

// The height of one reaction's table, pixels.
inline constexpr int acidBaseTableHeight = 69;

// The equations and the rows' labels of every table, the first one's top at y = top.
void drawAcidBaseTableFrames(Picture& pic, const model::acidbase::Preparation& preparation,
                             bool hidden, int top);
// The rows of numbers at the poured volume, over what drawAcidBaseTableFrames drew.
void drawAcidBaseTableRows(Picture& pic, const model::acidbase::Preparation& preparation,
                           double pouredVolume, bool hidden, int top);
// The line under one reaction's rows (the first by default) at the poured volume: the
// reagent used up ("Réactif limitant : HO⁻ (V = 5,0 mL)"), both at the equivalence, or none
// before any titrant is poured ("Pas encore de réactif limitant : aucune solution titrante
// versée (V = 0,0 mL)"); empty for a reaction the titration does not have.
Runs acidBaseLimitingRuns(const model::acidbase::Preparation& preparation, double pouredVolume,
                          std::size_t reaction = 0);

// What the rows of the table at y = top cover (the picture's whole width).
QRect acidBaseTableRowsArea(int pictureWidth, int top);

} // namespace drawing
