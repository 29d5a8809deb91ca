// SPDX-License-Identifier: GPL-3.0-or-later
// The titration run: the burette tap held open, the falling drop, letting the burette run,
// and emptying it.
#include "bench/feuillep.h"

#include "bench/widgets.h"
#include "drawing/widgets/picturebox.h"
#include "model/amounts.h"
#include "numbers/formats.h"
#include "numbers/reading.h"
#include "ui/modal.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

namespace bench {

namespace {

constexpr double capacity = model::buretteCapacity; // mL
constexpr double flowStep = 0.1;                    // mL per tick of Timer1
constexpr double dropVolume = 0.05;

float pouredOf(const QLineEdit* box) {
    return numbers::parseBenchNumber(box->text().toStdString());
}

} // namespace

void FeuilleP::setTap(bool open) {
    tapOpen_ = open;
    Image3->setPicture(tapPicture(open));
    Image3->setShownPressed(open);
}

// The keyboard focus goes to the exercise text, so that a box being edited is validated
// before any titrant flows. A tap worked from the keyboard keeps the focus: the box being
// edited, if any, is validated all the same.
void FeuilleP::moveFocusToSupertext() {
    int edited = -1;
    for (int k = 0; k < 4; ++k)
        if (focusWidget() == Text1[k]) edited = k;
    if (!tapByKey_) {
        movingFocus_ = true;
        supertext_->setFocus(Qt::OtherFocusReason);
        movingFocus_ = false;
    }
    if (edited >= 0) validateTyped(edited);
}

void FeuilleP::Image3_MouseDown() {
    lockBoxes(true);
    moveFocusToSupertext();
    if (pouredOf(Text1[5]) >= capacity) {
        tapQuestionAsked_ = true;
        if (ui::ask(this, QStringLiteral("Voulez-vous recommencer le titrage\u00A0?"),
                    QStringLiteral("Burette vide"), ui::Icon::Question,
                    ui::Buttons::YesNo) == ui::Answer::Yes) {
            reinitialise();
        }
        // The release of this press went to the question: the boxes are unlocked now.
        lockBoxes(false);
        return;
    }
    setTap(true);
    Timer1.start();
    // Validating an edited box above has emptied the burette and unlocked the boxes: they
    // stay locked while titrant flows.
    lockBoxes(true);
}

void FeuilleP::Image3_MouseUp() {
    setTap(false);
    Timer1.stop();
    lockBoxes(false);
    noteReading();
    // The flow has stopped: what it changed is told, after the click that usually follows
    // the release (and adds its own step).
    QTimer::singleShot(0, this, [this] {
        if (flowing()) return;
        rewriteLabelvol();
        updateBenchParts();
        updateCourbesParts();
    });
}

void FeuilleP::Image3_Click() {
    moveFocusToSupertext();
    // The release's tick pours after the tap was closed, and is read as every tick is.
    Timer1_Timer();
}

void FeuilleP::Timer1_Timer() {
    const double v = pouredOf(Text1[5]);
    if (v + flowStep > capacity) {
        Timer1.stop();
        setTap(false);
        reftq();
        lockBoxes(false);
        noteReading();
        return;
    }
    setText(5, QString::fromStdString(numbers::formatPattern(v + flowStep, "####0.0")));
    rewriteLabelvol();
    noteReading();
    reftq();
}

void FeuilleP::Image1_Click() {
    // The margin lets through the drop that exactly fills the burette despite rounding.
    if (pouredOf(Text1[5]) + dropVolume <= capacity + 0.0001) {
        dropStep_ = 0;
        Timer2.start();
    }
}

void FeuilleP::Timer2_Timer() {
    ++dropStep_;
    switch (dropStep_) {
    case 1:
        drawDrop();
        break;
    case 2:
    case 3:
        reftq(); // erases the drop drawn at the step before
        drawDrop();
        break;
    case 4: {
        reftq();
        drawDrop();
        QApplication::processEvents();
        // Added to the decimal number the box shows, so that the read-out keeps two decimals
        // (9,85 gives 9,9, not 9,900001) and 24,95 gives exactly 25.
        const double v = numbers::parseBenchDouble(Text1[5]->text().toStdString()) + dropVolume;
        setText(5, QString::fromStdString(numbers::formatGeneral(v)));
        Text1_LostFocus(5);
        measurements_.addDrop(numbers::parseBenchDouble(Text1[5]->text().toStdString()));
        rewriteLabelvol();
        reftq();
        Timer2.stop();
        reftq();
        // A drop asked for from the keyboard while this one fell.
        if (queuedDrops_ > 0) {
            --queuedDrops_;
            Image1_Click();
        }
        break;
    }
    default:
        break;
    }
}

void FeuilleP::Command6_Click() {
    // Pressed from the keyboard, the button keeps the focus: pressed again, it stops the flow.
    tapByKey_ = command6ByKey_ && Command6->hasFocus();
    lockBoxes(true);
    if (!Timer1.isActive()) {
        tapQuestionAsked_ = false;
        Image3_MouseDown();
        tapByKey_ = false;
        return;
    }
    Image3_MouseUp();
    reftq();
    tapByKey_ = false;
}

void FeuilleP::noteReading() {
    measurements_.noteRead(numbers::parseBenchDouble(text(5).toStdString()));
}

void FeuilleP::reinitialise() {
    queuedDrops_ = 0;
    lockBoxes(false);
    measurements_.clear();
    setText(5, QStringLiteral("0,0"));
    rewriteLabelvol();
    reftq();
    reftq();
}

} // namespace bench
