// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The redox family's pictures in words: a curve of the amounts in a sentence, the colours of a
// tint scale.

#include "a11y/text_table.h"
#include "model/colour.h"

#include <QString>

#include <vector>

namespace families {

// One curve in a sentence, from its amounts (mol) at increasing volumes (mL): "n(Fe²⁺)
// décroît de 0,0002 à 0 mol jusqu'à 4 mL, puis reste à 0 mol." formula names the species.
QString curveSummary(const QString& formula, const std::vector<double>& volumes,
                     const std::vector<double>& mol);

// The colours of a tint scale along its concentrations at the slider value h: rows of
// "Couleur", "De (mol/L)", "À (mol/L)".
a11y::TextTable tintScaleTable(model::Tint tint, int h);

} // namespace families
