// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The formula printed under each column of the quantities graph: symbols at 10 pt, indices
// lowered and charges raised at 8 pt, a charge that follows an index stacked over it.

#include <QString>

#include <string_view>

namespace drawing {

class Picture;

// Prints the label of a catalogue column formula (model::GraphColumn::formula, e.g. "MnO4-",
// "S2O3 2-"; spaces are ignored) with its top at y = top, centred on centreX by the width of
// its measuring text. An unknown formula is printed as it is written.
void printGraphLabel(Picture& pic, std::string_view formula, double centreX, double top);

// The text whose width at 10 pt centres the label ("C6H8O6" for the three long formulas).
QString graphLabelMeasure(std::string_view formula);

// The label as plain text, the charge in superscript characters ("MnO4⁻", "S2O3²⁻",
// "Cu²⁺"), for what is read rather than seen. An unknown formula is given as it is written.
QString graphLabelText(std::string_view formula);

} // namespace drawing
