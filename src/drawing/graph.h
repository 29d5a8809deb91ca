// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The quantities-of-matter graph (`tabquant`): for each species of the titration a column
// with the amount introduced and the amount present now. majtq draws the static part and keeps
// it as the picture's background; reftq draws the bars over it at every change of the bench.
// Both work from plain inputs: the caller reads the bench and passes the numbers.

#include "model/amounts.h"

#include <QString>
#include <QStringList>

namespace drawing {

class Picture;

// Plot geometry in pixels of `tabquant`.
inline constexpr int graphLeft = 72;    // x of the vertical axis and of the first column
inline constexpr int graphTop = 25;     // y of the top scale line
inline constexpr int graphZero = 225;   // y of the zero line
inline constexpr int graphHeight = 200; // graphZero - graphTop
inline constexpr int graphLabelTop = 230;

// The number of columns of the species (6 for the indirect titrations, 4 for the others), or 4
// for no species.
int columnCount(int species);
// Width of one column: 360 / count rounded (60 or 90).
int columnWidth(int columnCount);

// What the graph keeps from the student. In an exercise that hides and locks the
// concentration to find, nothing from which the sample's amount n0 follows before the colour
// change is drawn: not the bars of the species whose amount follows from n0 then (the
// titrated species introduced and, in an indirect titration, what the first reaction made of
// it), nor a scale drawn from n0. Elsewhere the graph shows everything.
enum class GraphSecret { None, Exercise };

// Amount in millimoles at the top of the scale, reduced to two significant figures;
// 0 when no species is selected. A candidate that is not a finite single is left out, so
// the scale is 0 too when every candidate is zero, negative or out of range. An exercise's
// secret leaves out the candidates drawn from n0.
float scaleMax(int species, const model::BenchInputs& in, GraphSecret secret = GraphSecret::None);

// Text of the scale label at line i (0 = top, 10 = zero line): the amount in mol with the
// decimal comma, three significant figures at most ("0,0002").
QString scaleLabel(float scaleMax, int i);

// Top y of a bar of amount a (millimoles) on a scale of scaleMax.
int barTop(double amount, float scaleMax);

// The frame of majtq for `count` columns, drawn afresh: the columns' lines, the axis and its
// arrow, "n (mol)", the legend and the scale of max (a family whose columns come from another
// catalogue puts its own labels under it).
void graphFrame(Picture& tabquant, int count, float max);

// The static part: frame, axis, legend, scale, column labels; kept as the picture's
// background. Returns scaleMax (0 with no species: frame for 4 columns, zero labels).
// The caller then runs reftq.
float majtq(Picture& tabquant, int species, const model::BenchInputs& in,
            GraphSecret secret = GraphSecret::None);

// An amount in mol as the scale writes it: three figures, the general format ("0,00012").
QString molText(double mol);

// What each column shows, for those who cannot see the bars: its formula, then the amounts
// introduced and present in mol, written as the scale writes them ("MnO4⁻ : introduite
// 0,00012 mol, présente 0 mol"). `present` is the table reftq has computed. While the
// concentration is hidden, an amount that depends on n0 is written with n0 ("introduite n₀,
// présente n₀ − 5,00·10⁻⁵ mol"). None with no species.
QStringList describeColumns(int species, const model::BenchInputs& in,
                            const model::PresentAmounts& present, bool hidden = false);

// The bars over the kept background. Does nothing and returns false while scaleMax is 0;
// otherwise recomputes `present` (model::computeAmounts), draws the bars and returns true:
// the caller then repaints the beaker (niveaubecher).
bool reftq(Picture& tabquant, int species, const model::BenchInputs& in, float scaleMax,
           model::PresentAmounts& present, GraphSecret secret = GraphSecret::None);

} // namespace drawing
