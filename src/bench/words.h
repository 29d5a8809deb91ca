// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bench's values in words, for what is read rather than seen (by a screen reader): a
// concentration, a curve in a sentence, the table of the amounts without what the hidden
// concentration would give away, the colours of a tint scale.

#include "a11y/text_table.h"
#include "model/amounts_table.h"
#include "model/colour.h"

#include <QString>

#include <span>
#include <vector>

namespace bench {

// A concentration typed on the bench, with two significant figures at least ("0,01" gives
// "0,010", "0,2" gives "0,20"); the figures typed are all kept ("0,0125").
QString concentrationText(const QString& typed);

// One curve in a sentence, from its amounts (mol) at increasing volumes (mL): "n(Fe²⁺)
// décroît de 0,0002 à 0 mol jusqu'à 4 mL, puis reste à 0 mol." formula names the species.
QString curveSummary(const QString& formula, const std::vector<double>& volumes,
                     const std::vector<double>& mol);

// The colours of a tint scale along its concentrations at the slider value h: rows of
// "Couleur", "De (mol/L)", "À (mol/L)".
a11y::TextTable tintScaleTable(model::Tint tint, int h);

} // namespace bench
