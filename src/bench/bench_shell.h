// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame around the bench: its activation, the temporary file shared with other programs,
// the command buttons, the exercises' menu, closing, and the situation buttons and the caption
// as the save and open windows ask for them.

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

class BenchShell {
public:
    explicit BenchShell(Parts& parts) : p_(parts), c_(parts.c) {}

    // ---- Shell ----
    void Form_Activate();

    int activations() const { return activations_; }

    void Command1_Click();

    void Command2_Click();

    void Command4_Click();

    void Command7_Click();

    void Command8_Click();

    void Command10_Click();

    void Command11_Click();

    void btexo_Click();

    // The closing questions; true when the window may close.
    bool queryClose();

    // The end asked by the system (a stop signal, the end of the desktop session): the program
    // ends at once, without the closing questions, as after them.
    void endWithoutQuestions();

    // The temporary file shared with other programs: in the program folder when it is the
    // user's own, else in the user's own data folder.
    static QString temporaryFile();

    void setCaption(const QString& caption);

    void clearSituationButtons();

    void selectSituation(int index);

    // Temporary file records.
    static void writeTempRecord(int record, const QString& text);

    // The exercise named in record 31, which is emptied; empty when none is to be opened.
    QString takeExerciseRequest();

    void openRequestedExercise(const QString& name);

    // The last steps of closing: the calculator unloaded, "NON" in record 24, the program ends.
    void endProgram();

    exercises::ExerciseMenu* exerciseMenu_ = nullptr; // made at the first click on btexo

    bool closingAccepted_ = false;

    bool ended_ = false; // the closing steps have run

    bool lostToOwnWindow_ = true; // the window last lost the activation to one of ours

    int activations_ = 0;

    QString unemptiedRequest_; // a request of record 31 already opened but not emptied

    Parts& p_;
    Controls& c_;
};

} // namespace bench
