// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's keyboard: the few keys that act like its buttons; every other key does
// nothing, whichever control of the window has the focus.

#include "calculator/window/machine.h"

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
        {u'.', "Bpoint"}, {u'E', "BtoEXP"}, {u'e', "BtoEXP"}, {u'D', "BtoEXP"},
        {u'd', "BtoEXP"}, {u'(', "Bpo"},    {u')', "bpf"},    {u'*', "multip"},
        {u'/', "div"},    {u'+', "plus"},   {u'-', "moins"},  {u'^', "puissance"},
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
    return true;
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
