// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of the bench: the six boxes with their validation, the lists and their volume rule,
// the ten situations, the hidden and secret concentration, the panel's buttons, the measured
// volumes, and the amounts and scale the graph was last drawn with.

#include "bench/bench_state.h"
#include "bench/controls.h"
#include "bench/parts.h"
#include "drawing/bench_drawing.h"
#include "drawing/courbes.h"
#include "drawing/graph.h"
#include "exercises/exercise_area.h"
#include "families/family.h"
#include "files/ui/situation_bench.h"
#include "files/unknown_sample.h"
#include "model/amounts.h"
#include "model/colour_words.h"
#include "model/measurements.h"
#include "printing/bench_pictures.h"
#include <QEvent>
#include <QSize>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTextEdit;
class QToolButton;

namespace drawing {
class PictureBox;
}
namespace exercises {
class ExerciseMenu;
class FormatBar;
} // namespace exercises

namespace bench {

class SetUp {
public:
    explicit SetUp(Parts& parts) : p_(parts), c_(parts.c) {}

    // ---- Handlers of the bench state ----
    void Text1_LostFocus(int index);

    void Combo1_Click();

    void Combo2_Click();

    void ions1_Click();

    void Check1_Click();

    void Option2_Click(int index);

    void masquer_Click();

    void Command5_Click();

    void Label1_Click();

    void Command3_Click();

    void Command9_Click();

    // The text the bench holds for box k, the concentration to find too while it is hidden
    // (it is then kept out of its box, where assistive technology would read it).
    QString benchText(int k) const { return text(k); }

    // The concentration to find is hidden, and hidden and locked by an exercise.
    bool sampleHidden() const { return p_.state.sampleHidden; }

    bool exerciseSecret() const { return p_.state.exerciseSecret && p_.state.sampleHidden; }

    // The species shown (position of ions1, -1 for none) and the bench inputs as numbers.
    int species() const;

    model::BenchInputs benchInputs() const;

    const model::PresentAmounts& presentAmounts() const { return p_.state.presentAmounts; }

    float scaleMax() const { return p_.state.scaleMax; }

    // The volumes (mL) at which drops landed since the burette was last emptied or refilled.
    const std::vector<double>& drops() const { return p_.state.measurements.drops(); }

    model::TitrationId titration() const;

    void hideSampleConcentration();

    void revealSampleConcentration();

    void sealSample(std::optional<double> own);

    double sampleConcentration();

    exercises::BenchReadings benchReadings();

    void setResultCheckOffered(bool offered);

    void loadConfiguration(const QString& path);

    const files::SituationTable& benchSituations();

    const files::SituationTable& exerciseSituations();

    void forgetSecretSample() { endSecret(false); }

    // A secret concentration is on the bench (its situations hold the word that stands for
    // it, files::unknownSampleText).
    bool sampleSealed() const { return p_.state.hiddenSamples.held(); }

    // families::BenchView: what the families read of the bench and ask of it.
    double sampleVolume() const { return itemValue(c_.Combo1); }

    bool starch() const;

    int tintSlider() const;

    double pouredVolume() const;

    const model::Measurements& measurements() const { return p_.state.measurements; }

    // Helpers of the state.
    QString text(int index) const;

    void setText(int index, const QString& text);

    void rewriteLabelvol();

    void lockBoxes(bool locked);

    static double itemValue(const QComboBox* list);

    void keyIntoBox(int index, QChar typed);

    void guardPastedText(int index);

    void updateBoxDescription(int index);

    // The hidden concentration locked as the random concentration leaves it: the button of
    // the random concentration hidden, the reveal label shown, masquer disabled.
    void lockHiddenConcentration();

    // The concentration to find taken out of its box while it is hidden, put back when shown.
    void keepSampleSecret(bool hidden);

    // The secret concentration of the situation shown, when its text is the word that stands
    // for it; none otherwise.
    std::optional<double> secretSample() const;

    // The concentration to find as every family reads it: the secret one, else the text.
    double sampleValue() const;

    // The reveal label while an exercise keeps the concentration secret ("inconnue", nothing
    // to click), or as it is otherwise.
    void showSecretLabel(bool secret);

    // The secret ends, the bench unlocked and the concentration shown: each situation takes
    // back the exercise's value (giveBack: its correction is shown) or the start value
    // 0,01 mol/L (a new solution); a student's own value always gives way to the start value.
    void endSecret(bool giveBack);

    // The student defined a new solution (another species, a configuration opened): the
    // secret ends unless the exercise that hides it is open.
    void newSolutionChosen();

    drawing::GraphSecret graphSecret() const;

    // The bench's values copied into the current situation of the table, through the situation
    // buttons, the current situation staying on the bench.
    void storeBenchInSituation();

    Parts& p_;
    Controls& c_;
};

} // namespace bench
