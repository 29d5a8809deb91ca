// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The burette's run: the tap held open (Timer1 pours a step of its flow at each tick, 0,1 mL
// every 10 ms at full flow), the flow chosen, the falling drop (Timer2 animates it in four
// steps), a millilitre poured from the keyboard, letting the burette run ("Vider la burette")
// and putting it back to 0; what a probe reads as the titrant flows.

#include "bench/controls.h"
#include "bench/parts.h"

#include <QImage>

#include <span>

namespace bench {

// A flow of the tap: the volume each tick of the flow timer pours and the time between two
// ticks. A slower flow ticks less often (never more often than the full flow does), and pours
// one drop or a tenth of a millilitre at a time, so that the volume stays a whole number of
// hundredths of a millilitre.
struct TapFlow {
    int hundredths;    // poured at each tick, in hundredths of a millilitre
    int interval;      // ms between two ticks
    const char* words; // the flow as the list writes it (UTF-8)
};

// The flows of the tap, slowest first; the last, 10 mL/s, is the tap's flow at start.
std::span<const TapFlow> tapFlows();
int fullFlowIndex();

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
    // The tap's flow, an index of tapFlows(): it stays for the session, whatever the situation
    // or the configuration opened. Changing it moves the list of the flows with it.
    int flowIndex() const { return flowIndex_; }
    void setFlowIndex(int index);
    // A flow faster or slower by one step (the + and - keys on the tap or the drop); the new
    // flow is told to a screen reader.
    void stepFlow(int steps);

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
    int flowIndex_ = fullFlowIndex();
};

} // namespace bench
