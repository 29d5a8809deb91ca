// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The quantities-of-matter graph of an acid-base titration, on the frame of the redox graph:
// a column per particle of the catalogue's columns, with the amount introduced and the amount
// present in the beaker (the exact mixture of the model). Labels too wide for their column are
// set smaller and, if need be, on two staggered rows. While the sample's concentration is
// hidden the scale comes from the titrant alone and the columns' words leave out the amounts
// that would give the sample away.

#include "drawing/graphlabels.h"
#include "model/acidbase/mixture.h"

#include <QStringList>

#include <string_view>

namespace drawing {

class Picture;

// A formula written in Unicode ("CH₃COO⁻", "HPO₄²⁻", "CO₂,H₂O") as runs of the formula
// typesetting: subscript digits as an index, superscript digits and signs as a charge, a charge
// right after an index stacked over it.
Runs unicodeFormulaRuns(std::string_view formula);

// The scale's maximum (mmol), with two significant figures: a full burette of the titrant's
// ions and, unless hidden, the sample's particles; 0 for no titration.
float acidBaseScaleMax(const model::acidbase::Preparation& preparation, bool hidden);

// The static part for the titration (frame, scale, labels), kept as the picture's background.
// Returns the scale's maximum.
float drawAcidBaseGraphBackground(Picture& tabquant,
                                  const model::acidbase::Preparation& preparation, bool hidden);

// The bars at the poured volume over the kept background, for the mixture there; while hidden,
// only the bars whose amounts do not give the sample away (model::acidbase::revealsSample).
// Does nothing and returns false while scaleMax is 0.
bool drawAcidBaseGraphBars(Picture& tabquant, const model::acidbase::Preparation& preparation,
                           double pouredVolume, const model::acidbase::Mixture& mixture,
                           float scaleMax, bool hidden = false);

// What each column shows, for those who cannot see the bars: "CH₃COO⁻ : introduite 0 mol,
// présente 0,0005 mol"; while hidden, a column whose numbers would give the sample away says
// "CH₃COOH : quantités de matière masquées".
QStringList describeAcidBaseColumns(const model::acidbase::Preparation& preparation,
                                    double pouredVolume, const model::acidbase::Mixture& mixture,
                                    bool hidden);

} // namespace drawing
