// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's keyboard: the few keys that act like its buttons; every other key does
// nothing, whichever control of the window has the focus. A comma is the decimal point, as
// the bench writes it; the arrows go from key to key.

#include "calculator/window/machine.h"

#include "a11y/tell.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace calculator {

namespace {

// The key of the window that a typed character stands for, or nothing.
QString keyOfCharacter(QChar c) {
    if (c >= u'0' && c <= u'9') return QStringLiteral("B") + c;
    static const std::pair<char16_t, const char*> keys[] = {
        {u'.', "Bpoint"}, {u',', "Bpoint"}, {u'E', "BtoEXP"},    {u'e', "BtoEXP"}, {u'D', "BtoEXP"},
        {u'd', "BtoEXP"}, {u'(', "Bpo"},    {u')', "bpf"},       {u'*', "multip"}, {u'/', "div"},
        {u'+', "plus"},   {u'-', "moins"},  {u'^', "puissance"},
    };
    for (const auto& [character, name] : keys)
        if (c == character) return QString::fromLatin1(name);
    return {};
}

} // namespace

bool Machine::typeKey(int key, const QString& text) {
    QString name;
    if (key == Qt::Key_Backspace)
        name = QStringLiteral("EFFACE");
    else if (key == Qt::Key_Return || key == Qt::Key_Enter)
        name = QStringLiteral("EXE");
    else if (text.size() == 1)
        name = keyOfCharacter(text.at(0));
    if (name.isEmpty()) return false;
    this->key(name)->click();
    if (text == QLatin1String(",") && !commaTold_) {
        commaTold_ = true;
        a11y::tell(this, QStringLiteral("La virgule est prise pour le point décimal."));
    }
    return true;
}

QPushButton* Machine::keyToward(const QPushButton* from, int arrow) const {
    const QPoint start = from->geometry().center();
    QPushButton* best = nullptr;
    long bestScore = 0;
    for (QPushButton* candidate : findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        if (candidate == from || !candidate->isVisible()) continue;
        const QPoint d = candidate->geometry().center() - start;
        // Along the arrow, and nearer the line of the arrow than along it.
        int along = 0, across = 0;
        switch (arrow) {
        case Qt::Key_Left:
            along = -d.x(), across = d.y();
            break;
        case Qt::Key_Right:
            along = d.x(), across = d.y();
            break;
        case Qt::Key_Up:
            along = -d.y(), across = d.x();
            break;
        case Qt::Key_Down:
            along = d.y(), across = d.x();
            break;
        default:
            return nullptr;
        }
        if (along <= 0) continue;
        const long score = long(along) * along + 4L * across * across;
        if (!best || score < bestScore) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

void Machine::keyPressEvent(QKeyEvent* event) {
    // Tab moves between the controls and Escape closes the window, as in every dialog;
    // everything else is the calculator's.
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab ||
        event->key() == Qt::Key_Escape) {
        QDialog::keyPressEvent(event);
        return;
    }
    typeKey(event->key(), event->text());
    event->accept();
}

bool Machine::eventFilter(QObject* watched, QEvent* event) {
    // On a key, the arrows go to the nearest key that way.
    if (auto* button = qobject_cast<QPushButton*>(watched);
        button && event->type() == QEvent::KeyPress) {
        const int arrow = static_cast<QKeyEvent*>(event)->key();
        if (arrow == Qt::Key_Left || arrow == Qt::Key_Right || arrow == Qt::Key_Up ||
            arrow == Qt::Key_Down) {
            if (QPushButton* next = keyToward(button, arrow)) next->setFocus(Qt::TabFocusReason);
            return true;
        }
        return false;
    }
    if (watched == z1 && event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (keyEvent->key() == Qt::Key_Tab || keyEvent->key() == Qt::Key_Backtab ||
            keyEvent->key() == Qt::Key_Escape)
            return false;
        typeKey(keyEvent->key(), keyEvent->text());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace calculator
