// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The formula printed under each column of the quantities graph: symbols at 10 pt, indices
// lowered and charges raised at 8 pt, a charge that follows an index stacked over it.

#include "drawing/picture.h"

#include <QString>

#include <string_view>
#include <utility>
#include <vector>

namespace drawing {

// A text typeset as runs of the formula typesetting: plain text, a subscript, a superscript,
// or a charge stacked over an index; each upright or italic.
enum class RunKind { Plain, Subscript, Superscript, Stacked };
struct Run {
    Run(RunKind kind, QString text, QString over = {}, bool italic = false)
        : kind(kind), text(std::move(text)), over(std::move(over)), italic(italic) {}

    RunKind kind;
    QString text; // Stacked: the index
    QString over; // Stacked: the charge over it
    bool italic;
};
using Runs = std::vector<Run>;

// Prints the runs at the current position in the set's base size (which stays set after),
// upright.
void printRuns(Picture& pic, const Runs& runs, ScriptSet set);
// How far printRuns moves the current x (after stacked scripts the pen stands after the
// wider of the index and the charge).
double runsWidth(Picture& pic, const Runs& runs, ScriptSet set);

// A catalogue formula (model::entryFormula) as runs; an unknown one as it is written.
Runs formulaRuns(std::string_view formula);

// Prints the label of a catalogue column formula (model::GraphColumn::formula, e.g. "MnO4-",
// "S2O3 2-"; spaces are ignored) with its top at y = top, centred on centreX by the width of
// its measuring text. An unknown formula is printed as it is written.
void printGraphLabel(Picture& pic, std::string_view formula, double centreX, double top);

// The text whose width at 10 pt centres the label ("C6H8O6" for the three long formulas).
QString graphLabelMeasure(std::string_view formula);

// The label as plain text, the charge in superscript characters ("MnO4⁻", "S2O3²⁻",
// "Cu²⁺"), for what is read rather than seen. An unknown formula is given as it is written.
QString graphLabelText(std::string_view formula);

// printRuns with the top of the base text's cell at y = top, starting at x = left, or centred
// on centre by runsWidth.
void printRunsAt(Picture& pic, const Runs& runs, ScriptSet set, double left, int top);
void printRunsCentred(Picture& pic, const Runs& runs, ScriptSet set, double centre, int top);

} // namespace drawing
