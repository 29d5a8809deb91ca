// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bench's set-up as its controls show it: the six boxes (Text1) with their key filter and
// validation, the species list and the pipettes' lists with their volume rule, the starch box,
// the ten situations, the hidden and secret concentration (masquer, the die, the reveal label),
// and the panel's buttons. Each handler keeps the controls and the bench's state (bench_state.h)
// in step, then asks the refresh chain for what changed.

#include "bench/bench_state.h"
#include "bench/controls.h"
#include "bench/parts.h"
#include "exercises/exercise_area.h"
#include "files/situations.h"
#include "model/amounts.h"
#include "model/measurements.h"
#include "model/titration_id.h"

#include <QString>

#include <optional>
#include <string_view>
#include <vector>

class QComboBox;

namespace bench {

class SetUp {
public:
    explicit SetUp(Parts& parts) : p_(parts), c_(parts.c) {}

    // ---- The handlers of the controls ----
    // Validation of a box: run when a shown box is left, on Enter, and by program.
    void Text1_LostFocus(int index);
    void Combo1_Click();
    void Combo2_Click();
    void ions1_Click();
    void Check1_Click();
    void Option2_Click(int index);
    void masquer_Click();
    void Command5_Click(); // the die: a concentration drawn at random, hidden
    void Label1_Click();   // "Afficher la concentration"
    void Command3_Click(); // the panel or the bench
    void Command9_Click(); // "Simuler le titrage" in the panel
    // The key filter of the boxes the user types into: a character typed, a text pasted.
    void keyIntoBox(int index, QChar typed);
    void guardPastedText(int index);
    void updateBoxDescription(int index);

    // ---- The bench's values ----
    // The text the bench holds for box k, the concentration to find too while it is hidden
    // (it is then kept out of its box, where assistive technology would read it).
    QString text(int index) const;
    QString benchText(int k) const { return text(k); }
    void setText(int index, const QString& text);
    // The titration chosen, and the species shown (position of ions1, -1 for none or for
    // another family's titration); the bench inputs as numbers.
    model::TitrationId titration() const;
    int species() const;
    model::BenchInputs benchInputs() const;
    // The concentration to find as every family reads it (the secret one, else the text, in
    // double precision as typed), the pipette's volume, the starch, the tint slider, the
    // volume poured (mL, never below 0).
    double sampleValue() const;
    double sampleVolume() const { return itemValue(c_.Combo1); }
    bool starch() const;
    int tintSlider() const;
    double pouredVolume() const;
    const model::Measurements& measurements() const { return p_.state.measurements; }
    // The volumes (mL) at which drops landed since the burette was last emptied or refilled.
    const std::vector<double>& drops() const { return p_.state.measurements.drops(); }
    const model::PresentAmounts& presentAmounts() const { return p_.state.presentAmounts; }
    float scaleMax() const { return p_.state.scaleMax; }
    // The read-out of the volume poured, and the boxes locked while titrant flows.
    void rewriteLabelvol();
    void lockBoxes(bool locked);

    // ---- The hidden concentration ----
    // The concentration to find is hidden, and hidden and locked by an exercise.
    bool sampleHidden() const { return p_.state.sampleHidden; }
    bool exerciseSecret() const { return p_.state.secretHeld(); }
    // A secret concentration is on the bench (its situations hold the word that stands for
    // it, files::unknownSampleText).
    bool sampleSealed() const { return p_.state.hiddenSamples.held(); }
    // As an exercise asks: hidden and locked, shown by its correction, sealed with the
    // exercise's values or a student's own.
    void hideSampleConcentration();
    void revealSampleConcentration();
    void sealSample(std::optional<double> own);
    // The reveal label while an exercise keeps the concentration secret ("inconnue", nothing
    // to click), or as it is otherwise.
    void showSecretLabel(bool secret);
    // The student defined a new solution (another species, a configuration opened): the
    // secret ends unless the exercise that hides it is open.
    void newSolutionChosen();
    void forgetSecretSample() { endSecret(false); }

    // ---- What the exercises and the save window ask ----
    double sampleConcentration();
    exercises::BenchReadings benchReadings();
    void setResultCheckOffered(bool offered);
    void loadConfiguration(const QString& path);
    // The bench's values copied into the current situation of the table, through the situation
    // buttons, the current situation staying on the bench.
    void storeBenchInSituation();
    const files::SituationTable& benchSituations();
    const files::SituationTable& exerciseSituations();

private:
    static double itemValue(const QComboBox* list);
    // The hidden concentration locked as the random concentration leaves it: the button of
    // the random concentration hidden, the reveal label shown, masquer disabled.
    void lockHiddenConcentration();
    // The concentration to find taken out of its box while it is hidden, put back when shown.
    void keepSampleSecret(bool hidden);
    // The secret concentration of the situation shown, when its text is the word that stands
    // for it; none otherwise.
    std::optional<double> secretSample() const;
    // The secret ends, the bench unlocked and the concentration shown: each situation takes
    // back the exercise's value (giveBack: its correction is shown) or the start value
    // 0,01 mol/L (a new solution); a student's own value always gives way to the start value.
    void endSecret(bool giveBack);

    Parts& p_;
    Controls& c_;
};

} // namespace bench
