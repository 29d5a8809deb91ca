// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress table (tableau d'avancement) under the curves of the "Courbes" tab: for each
// reaction its balanced equation set with the formula runs, the initial state and the final
// state of the mixture at the poured volume (x = x_max, or x_E at the equivalence) with the
// progress x, the amounts in mol ("excès" under the hydrogen ions, "solvant" under water), and
// the limiting reagent named. While the concentration is hidden an amount that depends on the
// sample's amount n0 is written as an expression in n0 ("n₀", "n₀ − 5,00·10⁻⁵"), so that the
// table never gives n0 away.

#include "drawing/graphlabels.h"
#include "model/progress.h"

#include <QRect>

#include <vector>

namespace drawing {

class Picture;

struct ProgressRowTexts {
    Runs label;                // "État initial", "État final (x = x_max)"
    Runs progress;             // x, mol
    std::vector<Runs> amounts; // the terms of the equation as it is written, mol
};

struct ReactionTexts {
    bool titration = false;
    std::vector<Runs> terms; // the equation's terms with their numbers: "5 H₂C₂O₄", "6 H⁺"
    std::size_t reactantCount = 0;
    ProgressRowTexts initial;
    ProgressRowTexts reached;
    Runs limiting; // "Réactif limitant : MnO₄⁻ (V = 4,0 mL)"
};

// An amount in mol to three figures: "5,00·10" with the exponent "−5" raised; "0" for none.
Runs amountRuns(double mol);
// An amount of the table (mmol): its number in mol, or its expression in n0 when it depends
// on n0 and the concentration is hidden.
Runs progressAmountRuns(const model::SampleAffine& amount, double sampleAmount, bool hidden);
ReactionTexts reactionTexts(const model::ProgressTable& table,
                            const model::ReactionProgress& reaction, bool hidden,
                            float pouredVolume);

// The runs as a line of plain text, indices and charges in subscript and superscript
// characters where Unicode has them ("n₀ − 5,00·10⁻⁵", "MnO₄⁻"), for what is read.
QString runsText(const Runs& runs);

// Height of one reaction's table, pixels.
inline constexpr int progressBlockHeight = 69;

// Where a reaction's table puts its columns: the centre of x, and the left edge and width of
// each term of the equation.
struct ProgressColumns {
    double progressCentre = 0;
    std::vector<double> left;
    std::vector<double> width;
};
// Columns wide enough for every text of the examples (the same reaction at several volumes),
// shared out over the picture's width.
ProgressColumns progressColumns(Picture& pic, const std::vector<ReactionTexts>& examples);

// The reaction's equation over the columns of its terms and the label of the table
// ("Titrage", or "Étape 1" for the reaction before an indirect titration), with the table's
// top at y = top.
void drawReactionFrame(Picture& pic, const ReactionTexts& texts, const ProgressColumns& columns,
                       int top);
// The rows: their labels, the numbers, and the limiting reagent line.
void drawReactionRows(Picture& pic, const ReactionTexts& texts, const ProgressColumns& columns,
                      int top);
// What drawReactionRows covers (the whole width of the picture).
QRect reactionRowsArea(int pictureWidth, int top);

} // namespace drawing
