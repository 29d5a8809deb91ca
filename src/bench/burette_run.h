// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The burette's run: the tap held open, the falling drop, a millilitre poured from the keyboard,
// letting the burette run and emptying it; what the probe reads as the titrant flows.

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

class BuretteRun {
public:
    explicit BuretteRun(Parts& parts) : p_(parts), c_(parts.c) {}

    void Command12_Click();

    // ---- Titration run ----
    void Image3_MouseDown();

    void Image3_MouseUp();

    void Image3_Click();

    void Timer1_Timer();

    void Image1_Click();

    void Timer2_Timer();

    void Command6_Click();

    void reinitialise();

    bool tapOpen() const { return tapOpen_; }

    int dropStep() const { return dropStep_; }

    // Pours 1 mL at once, not beyond the burette (Page Down on the tap or the drop).
    void pourMillilitre();

    const bool& movingFocus() const { return movingFocus_; }

    // The titrant flows: the tap open or a drop falling.
    bool flowing() const;

    // The probe's reading taken at the poured volume (a tick, a stop, a drop).
    void noteReading();

    void setTap(bool open);

    void moveFocusToSupertext();

    // Pictures that come from the drawing procedures.
    QImage tapPicture(bool open) const;

    QImage dropPicture() const;

    void drawDrop(); // the falling drop at its place for dropStep

    int dropStep_ = 0;

    bool tapOpen_ = false;

    bool movingFocus_ = false; // focus moved by program: no validation on leaving

    bool tapQuestionAsked_ = false; // the press on the tap went to the empty-burette question

    bool tapByKey_ = false; // the tap is worked from the keyboard: the focus stays

    bool command6ByKey_ = false; // "Vider la burette" last pressed from the keyboard

    int queuedDrops_ = 0; // drops asked for from the keyboard while one falls

    Parts& p_;
    Controls& c_;
};

} // namespace bench
