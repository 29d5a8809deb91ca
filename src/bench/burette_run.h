// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The burette's run: the tap held open (Timer1 pours 0,1 mL a tick), the falling drop (Timer2
// animates it in four steps), a millilitre poured from the keyboard, letting the burette run
// ("Vider la burette") and putting it back to 0; what a probe reads as the titrant flows.

#include "bench/controls.h"
#include "bench/parts.h"

#include <QImage>

namespace bench {

class BuretteRun {
public:
    explicit BuretteRun(Parts& parts) : p_(parts), c_(parts.c) {}

    // ---- The tap (Image3) ----
    // Pressed (from the keyboard or not), released, clicked.
    void tapPressed(bool byKey);
    void tapReleased();
    void tapClicked();
    void Image3_MouseDown();
    void Image3_MouseUp();
    void Image3_Click();
    void Timer1_Timer();
    bool tapOpen() const { return tapOpen_; }
    void setTap(bool open);
    // The tap drawn again (a screen of another density).
    void redrawTap();

    // ---- The drop (Image1) ----
    void Image1_Click();
    void Timer2_Timer();
    int dropStep() const { return dropStep_; }
    // A drop asked for from the keyboard while one falls: it follows.
    void queueDrop();
    // Pours 1 mL at once, not beyond the burette (Page Down on the tap or the drop).
    void pourMillilitre();

    // ---- Letting the burette run and emptying it ----
    // "Vider la burette", and whether its next click comes from the keyboard (the button then
    // keeps the focus: pressed again, it stops the flow).
    void Command6_Click();
    void setEmptyingByKey(bool byKey) { command6ByKey_ = byKey; }
    // The burette back to 0, the boxes unlocked.
    void Command12_Click();
    void reinitialise();

    // The titrant flows: the tap open or a drop falling.
    bool flowing() const;
    // The probe's reading taken at the poured volume (a tick, a stop, a drop).
    void noteReading();
    // The program moves the focus: leaving a box then validates nothing.
    const bool& movingFocus() const { return movingFocus_; }

    // The pictures of the tap and of the drop, at the window's density.
    QImage tapPicture(bool open) const;
    QImage dropPicture() const;

private:
    // The keyboard focus goes to the exercise text before titrant flows, so that a box being
    // edited is validated first; a tap worked from the keyboard keeps the focus.
    void moveFocusToSupertext();
    void drawDrop(); // the falling drop at its place for dropStep

    Parts& p_;
    Controls& c_;
    int dropStep_ = 0;
    bool tapOpen_ = false;
    bool movingFocus_ = false;      // focus moved by program: no validation on leaving
    bool tapQuestionAsked_ = false; // the press on the tap went to the empty-burette question
    bool tapByKey_ = false;         // the tap is worked from the keyboard: the focus stays
    bool command6ByKey_ = false;    // "Vider la burette" last pressed from the keyboard
    int queuedDrops_ = 0;           // drops asked for from the keyboard while one falls
};

} // namespace bench
