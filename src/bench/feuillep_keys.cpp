// SPDX-License-Identifier: GPL-3.0-or-later
// The bench's own keys: the Down arrow, Page Down, + and - on the tap or the drop, the ten
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
    connect(help, &QShortcut::activated, this, [this] { p_.shell.Command7_Click(); });
    auto* keys = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), this);
    connect(keys, &QShortcut::activated, this, [this] { a11y::showShortcuts(this); });
    auto* summary = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(summary, &QShortcut::activated, this, [this] { p_.speech.tellSummary(); });
}

bool FeuilleP::benchKey(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == Command6) {
        // Whether the next click comes from the keyboard: the button then keeps the focus.
        if (type == QEvent::MouseButtonPress) p_.run.setEmptyingByKey(false);
        if (type == QEvent::KeyPress && isPressKey(static_cast<QKeyEvent*>(event)->key()))
            p_.run.setEmptyingByKey(true);
        return false;
    }
    if (type != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == Image3 || watched == Image1) {
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
        if (key->key() == Qt::Key_Down) {
            if (key->isAutoRepeat()) return true;
            if (Timer2.isActive())
                p_.run.queueDrop();
            else
                p_.run.Image1_Click();
            return true;
        }
        if (key->key() == Qt::Key_PageDown) {
            if (!key->isAutoRepeat()) p_.run.pourMillilitre();
            return true;
        }
        if (key->key() == Qt::Key_Plus || key->key() == Qt::Key_Minus) {
            p_.run.stepFlow(key->key() == Qt::Key_Plus ? 1 : -1);
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
