// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/burette_run.h"

#include "bench/feuillep.h"

#include "a11y/shortcuts.h"
#include "a11y/tell.h"
#include "bench/random_concentration.h"
#include "bench/widgets.h"
#include "drawing/bench_drawing.h"
#include "drawing/graph.h"
#include "drawing/information.h"
#include "drawing/tabs.h"
#include "drawing/tintscale.h"
#include "drawing/utf8.h"
#include "drawing/widgets/picturebox.h"
#include "model/amounts.h"
#include "model/bench_limits.h"
#include "model/catalogue.h"
#include "numbers/formats.h"
#include "numbers/reading.h"
#include "printing/bench_overlay.h"
#include "ui/modal.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

namespace bench {

namespace {} // namespace

namespace {

const QString designText = QStringLiteral("Text1");

} // namespace

namespace {

constexpr double capacity = model::buretteCapacity; // mL
constexpr double dropVolume = 0.05;

// From one drop a second to the full flow, 0,1 mL every 10 ms.
constexpr TapFlow flows[] = {
    {5, 1000, "1\u00A0goutte/s"}, {5, 500, "0,1\u00A0mL/s"}, {5, 250, "0,2\u00A0mL/s"},
    {5, 100, "0,5\u00A0mL/s"},    {5, 50, "1\u00A0mL/s"},    {10, 50, "2\u00A0mL/s"},
    {10, 20, "5\u00A0mL/s"},      {10, 10, "10\u00A0mL/s"},
};

float pouredOf(const QLineEdit* box) {
    return numbers::parseBenchNumber(box->text().toStdString());
}

} // namespace

namespace {

using model::pipettedLimit;

} // namespace

std::span<const TapFlow> tapFlows() {
    return flows;
}

int fullFlowIndex() {
    return int(std::size(flows)) - 1;
}

void BuretteRun::setFlowIndex(int index) {
    flowIndex_ = std::clamp(index, 0, fullFlowIndex());
    // An open tap goes on at the new flow.
    c_.Timer1.setInterval(flows[flowIndex_].interval);
    if (c_.tapFlow && c_.tapFlow->currentIndex() != flowIndex_)
        c_.tapFlow->setCurrentIndex(flowIndex_);
}

void BuretteRun::stepFlow(int steps) {
    setFlowIndex(flowIndex_ + steps);
    a11y::tell(&p_.window, QStringLiteral("Débit du robinet\u00A0: ") +
                               QString::fromUtf8(flows[flowIndex_].words));
}

bool BuretteRun::flowing() const {
    return c_.Timer1.isActive() || c_.Timer2.isActive();
}

void BuretteRun::pourMillilitre() {
    if (c_.Timer1.isActive()) return; // the tap is open already
    const double poured = numbers::parseBenchDouble(p_.setUp.text(5).toStdString());
    tapByKey_ = true;
    if (poured >= model::buretteCapacity) {
        // As the tap does: the question of the empty burette.
        tapQuestionAsked_ = false;
        Image3_MouseDown();
        tapByKey_ = false;
        return;
    }
    moveFocusToSupertext(); // validates a box being edited; the focus stays
    tapByKey_ = false;
    // Written as a drop writes its volume: 1 mL exactly, not beyond the burette.
    const double v = std::min(poured + 1.0, model::buretteCapacity);
    p_.setUp.setText(5, QString::fromStdString(numbers::formatGeneral(std::round(v * 100) / 100)));
    p_.setUp.rewriteLabelvol();
    noteReading(); // a probe in the beaker reads the new volume, as after a stop of the tap
    p_.chain.reftq();
}

QImage BuretteRun::tapPicture(bool open) const {
    return drawing::tapPicture(open, p_.window.devicePixelRatioF());
}

QImage BuretteRun::dropPicture() const {
    return drawing::dropPicture(p_.window.devicePixelRatioF());
}

void BuretteRun::drawDrop() {
    p_.chain.drawDrop(dropStep_);
}

void BuretteRun::setTap(bool open) {
    tapOpen_ = open;
    c_.Image3->setPicture(tapPicture(open));
    c_.Image3->setShownPressed(open);
}

// The keyboard focus goes to the exercise text, so that a box being edited is validated
// before any titrant flows. A tap worked from the keyboard keeps the focus: the box being
// edited, if any, is validated all the same.
void BuretteRun::moveFocusToSupertext() {
    int edited = -1;
    for (int k = 0; k < 4; ++k)
        if (p_.window.focusWidget() == c_.Text1[k]) edited = k;
    if (!tapByKey_) {
        movingFocus_ = true;
        c_.supertext_->setFocus(Qt::OtherFocusReason);
        movingFocus_ = false;
    }
    if (edited >= 0) p_.speech.validateTyped(edited);
}

void BuretteRun::Image3_MouseDown() {
    p_.setUp.lockBoxes(true);
    moveFocusToSupertext();
    if (pouredOf(c_.Text1[5]) >= capacity) {
        tapQuestionAsked_ = true;
        if (ui::ask(&p_.window, QStringLiteral("Voulez-vous recommencer le titrage\u00A0?"),
                    QStringLiteral("Burette vide"), ui::Icon::Question,
                    ui::Buttons::YesNo) == ui::Answer::Yes) {
            reinitialise();
        }
        // The release of this press went to the question: the boxes are unlocked now.
        p_.setUp.lockBoxes(false);
        return;
    }
    setTap(true);
    c_.Timer1.start();
    // Validating an edited box above has emptied the burette and unlocked the boxes: they
    // stay locked while titrant flows.
    p_.setUp.lockBoxes(true);
}

void BuretteRun::Image3_MouseUp() {
    setTap(false);
    c_.Timer1.stop();
    p_.setUp.lockBoxes(false);
    noteReading();
    // The flow has stopped: what it changed is told, after the click that usually follows
    // the release (and adds its own step).
    QTimer::singleShot(0, &p_.window, [this] {
        if (flowing()) return;
        p_.setUp.rewriteLabelvol();
        p_.speech.updateBenchParts();
        p_.speech.updateCourbesParts();
    });
}

void BuretteRun::Image3_Click() {
    moveFocusToSupertext();
    // The release's tick pours after the tap was closed, and is read as every tick is.
    Timer1_Timer();
}

void BuretteRun::Timer1_Timer() {
    const TapFlow& flow = flows[flowIndex_];
    // A flow by tenths reads and writes the volume as the tap always has: one decimal (after
    // a drop, 10,15 mL and a tenth give 10,2 mL). A flow by drops counts in hundredths of a
    // millilitre, read in double precision as a drop reads them, and writes the exact volume.
    std::string written;
    if (flow.hundredths % 10 == 0) {
        const double v = pouredOf(c_.Text1[5]) + flow.hundredths / 100.0;
        if (v <= capacity) written = numbers::formatPattern(v, "####0.0");
    } else {
        const long next =
            std::lround(numbers::parseBenchDouble(c_.Text1[5]->text().toStdString()) * 100) +
            flow.hundredths;
        if (next <= std::lround(capacity * 100))
            written = next % 10 == 0 ? numbers::formatPattern(next / 100.0, "####0.0")
                                     : numbers::formatGeneral(next / 100.0);
    }
    if (written.empty()) { // the step would go past the burette's capacity
        c_.Timer1.stop();
        setTap(false);
        p_.chain.reftq();
        p_.setUp.lockBoxes(false);
        noteReading();
        return;
    }
    p_.setUp.setText(5, QString::fromStdString(written));
    p_.setUp.rewriteLabelvol();
    noteReading();
    p_.chain.reftq();
}

void BuretteRun::Image1_Click() {
    // The margin lets through the drop that exactly fills the burette despite rounding.
    if (pouredOf(c_.Text1[5]) + dropVolume <= capacity + 0.0001) {
        dropStep_ = 0;
        c_.Timer2.start();
    }
}

void BuretteRun::Timer2_Timer() {
    ++dropStep_;
    switch (dropStep_) {
    case 1:
        drawDrop();
        break;
    case 2:
    case 3:
        p_.chain.reftq(); // erases the drop drawn at the step before
        drawDrop();
        break;
    case 4: {
        p_.chain.reftq();
        drawDrop();
        QApplication::processEvents();
        // Added to the decimal number the box shows, so that the read-out keeps two decimals
        // (9,85 gives 9,9, not 9,900001) and 24,95 gives exactly 25.
        const double v = numbers::parseBenchDouble(c_.Text1[5]->text().toStdString()) + dropVolume;
        p_.setUp.setText(5, QString::fromStdString(numbers::formatGeneral(v)));
        p_.setUp.Text1_LostFocus(5);
        p_.state.measurements.addDrop(numbers::parseBenchDouble(c_.Text1[5]->text().toStdString()));
        p_.setUp.rewriteLabelvol();
        p_.chain.reftq();
        c_.Timer2.stop();
        p_.chain.reftq();
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

void BuretteRun::Command6_Click() {
    // Pressed from the keyboard, the button keeps the focus: pressed again, it stops the flow.
    tapByKey_ = command6ByKey_ && c_.Command6->hasFocus();
    p_.setUp.lockBoxes(true);
    if (!c_.Timer1.isActive()) {
        tapQuestionAsked_ = false;
        Image3_MouseDown();
        tapByKey_ = false;
        return;
    }
    Image3_MouseUp();
    p_.chain.reftq();
    tapByKey_ = false;
}

void BuretteRun::noteReading() {
    p_.state.measurements.noteRead(numbers::parseBenchDouble(p_.setUp.text(5).toStdString()));
}

void BuretteRun::reinitialise() {
    queuedDrops_ = 0;
    p_.setUp.lockBoxes(false);
    p_.state.measurements.clear();
    p_.setUp.setText(5, QStringLiteral("0,0"));
    p_.setUp.rewriteLabelvol();
    p_.chain.reftq();
    p_.chain.reftq();
}

void BuretteRun::Command12_Click() {
    c_.Timer2.stop();
    setTap(false);
    c_.Timer1.stop();
    p_.setUp.lockBoxes(false);
    p_.setUp.setText(5, QStringLiteral("0"));
    p_.setUp.Text1_LostFocus(5);
}

// The tap's press, release and click: a press that ended in the empty-burette question has no
// release or click.
void BuretteRun::tapPressed(bool byKey) {
    tapQuestionAsked_ = false;
    tapByKey_ = byKey;
    Image3_MouseDown();
}

void BuretteRun::tapReleased() {
    if (!tapQuestionAsked_) Image3_MouseUp();
}

void BuretteRun::tapClicked() {
    if (!tapQuestionAsked_) Image3_Click();
    tapByKey_ = false;
}

void BuretteRun::queueDrop() {
    queuedDrops_ = std::min(queuedDrops_ + 1, 20);
}

void BuretteRun::redrawTap() {
    setTap(tapOpen_);
}

} // namespace bench
