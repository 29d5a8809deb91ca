// SPDX-License-Identifier: GPL-3.0-or-later
// The bench's own keys: the Down arrow and Page Down on the tap or the drop, the ten
// situations as one group worked with the arrows, "Vider la burette" pressed from the
// keyboard, and the shortcuts of the window (F1 the help, Maj+F1 the keyboard shortcuts, F2
// the summary of the bench).
#include "bench/feuillep.h"

#include "a11y/shortcuts.h"
#include "bench/widgets.h"
#include "model/amounts.h"
#include "numbers/formats.h"
#include "numbers/reading.h"
#include "ui/modal.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <algorithm>
#include <cmath>

namespace bench {

namespace {

bool isPressKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

void FeuilleP::buildShortcuts() {
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { Command7_Click(); });
    auto* keys = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), this);
    connect(keys, &QShortcut::activated, this, [this] { a11y::showShortcuts(this); });
    auto* summary = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(summary, &QShortcut::activated, this, [this] { tellSummary(); });
}

bool FeuilleP::flowing() const {
    return Timer1.isActive() || Timer2.isActive();
}

void FeuilleP::pourMillilitre() {
    if (Timer1.isActive()) return; // the tap is open already
    const double poured = numbers::parseBenchDouble(text(5).toStdString());
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
    setText(5, QString::fromStdString(numbers::formatGeneral(std::round(v * 100) / 100)));
    rewriteLabelvol();
    noteReading(); // a probe in the beaker reads the new volume, as after a stop of the tap
    reftq();
}

bool FeuilleP::benchKey(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == Command6) {
        // Whether the next click comes from the keyboard: the button then keeps the focus.
        if (type == QEvent::MouseButtonPress) command6ByKey_ = false;
        if (type == QEvent::KeyPress && isPressKey(static_cast<QKeyEvent*>(event)->key()))
            command6ByKey_ = true;
        return false;
    }
    if (type != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == Image3 || watched == Image1) {
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
        if (key->key() == Qt::Key_Down) {
            if (key->isAutoRepeat()) return true;
            if (Timer2.isActive())
                queuedDrops_ = std::min(queuedDrops_ + 1, 20);
            else
                Image1_Click();
            return true;
        }
        if (key->key() == Qt::Key_PageDown) {
            if (!key->isAutoRepeat()) pourMillilitre();
            return true;
        }
        return false;
    }
    for (int i = 0; i < int(Option2.size()); ++i)
        if (watched == Option2[std::size_t(i)]) return situationKey(i, key);
    return false;
}

// The situations answer the arrows as one group of radio buttons: the arrow chooses the
// next situation and gives it the focus; Tab reaches the chosen one only.
bool FeuilleP::situationKey(int index, const QKeyEvent* event) {
    const int last = int(Option2.size()) - 1;
    int to = index;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        to = index == 0 ? last : index - 1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        to = index == last ? 0 : index + 1;
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = last;
        break;
    default:
        return false;
    }
    QRadioButton* target = Option2[std::size_t(to)];
    target->setFocus(Qt::TabFocusReason);
    if (!target->isChecked()) target->click();
    return true;
}

} // namespace bench
