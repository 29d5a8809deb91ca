// The calculator's keyboard: the few keys that act like its buttons; every other key does
// nothing, whichever control of the window has the focus.

#include "calculator/window/machine.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

bool Machine::typeKey(int key, const QString& text) {
    if (key == Qt::Key_Backspace) {
        EFFACE_Click();
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        EXE_Click();
        return true;
    }
    if (text.size() != 1) return false;
    const char c = text.at(0).toLatin1();
    const char* button = nullptr;
    switch (c) {
    case '(':
        button = "Bpo";
        break;
    case ')':
        button = "bpf";
        break;
    case '*':
        button = "multip";
        break;
    case '/':
        button = "div";
        break;
    case '+':
        button = "plus";
        break;
    case '-':
        button = "moins";
        break;
    case '^':
        button = "puissance";
        break;
    case 'E':
    case 'e':
    case 'D':
    case 'd':
        button = "BtoEXP";
        break;
    case '.':
        button = "Bpoint";
        break;
    default:
        if (c >= '0' && c <= '9') {
            const char name[3] = {'B', c, '\0'};
            this->key(QString::fromLatin1(name))->click();
            return true;
        }
        return false;
    }
    this->key(QString::fromLatin1(button))->click();
    return true;
}

void Machine::keyPressEvent(QKeyEvent* event) {
    // Tab moves between the controls; everything else is the calculator's.
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        QDialog::keyPressEvent(event);
        return;
    }
    typeKey(event->key(), event->text());
    event->accept();
}

bool Machine::eventFilter(QObject* watched, QEvent* event) {
    if (watched == z1 && event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (keyEvent->key() == Qt::Key_Tab || keyEvent->key() == Qt::Key_Backtab) return false;
        typeKey(keyEvent->key(), keyEvent->text());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
