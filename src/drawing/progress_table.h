// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress table (tableau d'avancement) under the curves of the "Courbes" tab: for each
// reaction its equation set with the formula runs, the initial state and the state reached
// with the progress x, the amounts in mol, and the limiting reagent named. While the
// concentration is hidden an amount that depends on the sample's amount n0 is written as an
// expression in n0 ("n₀", "n₀ − 5,00·10⁻⁵"), so that the table never gives n0 away.

#include "drawing/graphlabels.h"
#include "model/progress.h"

#include <QRect>

#include <array>

namespace drawing {

class Picture;

struct ProgressRowTexts {
    Runs progress;               // x, mol
    std::array<Runs, 4> amounts; // the reaction's terms, mol
};

struct ReactionTexts {
    ProgressRowTexts initial;
    ProgressRowTexts reached;
    Runs limiting; // "Réactif limitant : MnO₄⁻ (V = 4 mL)"
};

// An amount in mol to three figures: "5,00·10" with the exponent "−5" raised; "0" for none.
Runs amountRuns(double mol);
// An amount of the table (mmol): its number in mol, or its expression in n0 when it depends
// on n0 and the concentration is hidden.
Runs progressAmountRuns(const model::SampleAffine& amount, double sampleAmount, bool hidden);
ReactionTexts reactionTexts(const model::ProgressTable& table,
                            const model::ReactionProgress& reaction, bool hidden,
                            float pouredVolume);

// Height of one reaction's table, pixels.
inline constexpr int progressBlockHeight = 69;

// The reaction's equation over the columns of its terms and the labels of its rows ("Titrage",
// or "Étape 1" for the reaction before an indirect titration), with the table's top at y = top.
void drawReactionFrame(Picture& pic, const model::ReactionProgress& reaction, int top);
// The rows of numbers and the limiting reagent line.
void drawReactionRows(Picture& pic, const ReactionTexts& texts, int top);
// What drawReactionRows covers (the whole width of the picture).
QRect reactionRowsArea(int pictureWidth, int top);

} // namespace drawing
