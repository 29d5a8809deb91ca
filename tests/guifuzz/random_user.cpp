// SPDX-License-Identifier: GPL-3.0-or-later
#include "guifuzz/random_user.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

#include <array>

namespace guifuzz {

namespace {

QString describe(const QWidget& w) {
    const QString name = w.objectName().isEmpty() ? QString() : QLatin1Char(' ') + w.objectName();
    return QString::fromLatin1(w.metaObject()->className()) + name;
}

// The characters a user of the bench types: decimal numbers, letters, the calculator's
// operators, a few accented letters. No slash: a typed path could leave the scratch folders.
const QString typed = QStringLiteral("0123456789,.-+E eazrtyuiopqsdfghjklmwxcvbn*^()éèàù");

const std::array<Qt::Key, 20> keys = {
    Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab,      Qt::Key_Backtab,
    Qt::Key_Space,  Qt::Key_Left,  Qt::Key_Right,  Qt::Key_Up,       Qt::Key_Down,
    Qt::Key_Home,   Qt::Key_End,   Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Backspace,
    Qt::Key_Delete, Qt::Key_F1,    Qt::Key_F2,     Qt::Key_F4,       Qt::Key_Insert};

} // namespace

QWidget* RandomUser::target(QWidget& window) {
    // A pop-up (a list of a combo box, a menu) takes the clicks, or is dismissed.
    if (QWidget* popup = QApplication::activePopupWidget()) {
        if (chance(0.3)) {
            last_ = QStringLiteral("close the pop-up ") + describe(*popup);
            popup->close();
            return nullptr;
        }
        const QList<QWidget*> inside = popup->findChildren<QWidget*>();
        return inside.isEmpty() || chance(0.5) ? popup : inside[below(int(inside.size()))];
    }
    if (chance(0.35)) {
        if (QWidget* focus = QApplication::focusWidget(); focus && focus->window() == &window)
            return focus;
    }
    QList<QWidget*> shown;
    shown << &window;
    for (QWidget* w : window.findChildren<QWidget*>())
        if (w->isVisible() && w->width() > 0 && w->height() > 0) shown << w;
    return shown[below(int(shown.size()))];
}

void RandomUser::act(QWidget& window) {
    ++actions_;
    QPointer<QWidget> w = target(window);
    if (w) {
        const int kind = below(100);
        if (kind < 50)
            mouse(*w);
        else if (kind < 60)
            wheel(*w);
        else
            key(*w);
    }
    QApplication::processEvents();
}

void RandomUser::mouse(QWidget& w) {
    const QPoint at(below(w.width()), below(w.height()));
    Qt::KeyboardModifiers mods = Qt::NoModifier;
    if (chance(0.1)) mods = chance(0.5) ? Qt::ShiftModifier : Qt::ControlModifier;
    const int kind = below(100);
    last_ = describe(w) + QStringLiteral(" at %1,%2: ").arg(at.x()).arg(at.y());
    QPointer<QWidget> guard(&w);
    if (kind < 60) {
        last_ += QStringLiteral("click");
        QTest::mouseClick(&w, Qt::LeftButton, mods, at);
    } else if (kind < 72) {
        last_ += QStringLiteral("double click");
        QTest::mouseDClick(&w, Qt::LeftButton, mods, at);
    } else if (kind < 80) {
        last_ += QStringLiteral("right click");
        QTest::mouseClick(&w, Qt::RightButton, mods, at);
    } else if (kind < 90) {
        last_ += QStringLiteral("move");
        QTest::mouseMove(&w, at);
    } else {
        // A drag: held down, moved in a few steps (the burette's tap is held this way).
        last_ += QStringLiteral("drag");
        QTest::mousePress(&w, Qt::LeftButton, mods, at);
        const int steps = 1 + below(5);
        QPoint to = at;
        for (int k = 0; k < steps && guard; ++k) {
            to = QPoint(below(w.width()), below(w.height()));
            QTest::mouseMove(&w, to, 20);
        }
        // Now and then held for up to 0.35 s, with the timers running.
        if (chance(0.3)) QTest::qWait(50 * below(8));
        if (guard) QTest::mouseRelease(&w, Qt::LeftButton, mods, to);
    }
}

void RandomUser::wheel(QWidget& w) {
    const QPoint at(below(w.width()), below(w.height()));
    const int notches = below(7) - 3;
    last_ = describe(w) + QStringLiteral(" wheel %1").arg(notches);
    QWheelEvent event(QPointF(at), QPointF(w.mapToGlobal(at)), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, chance(0.1) ? Qt::ControlModifier : Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &event);
}

void RandomUser::key(QWidget& w) {
    const int kind = below(100);
    if (kind < 55) {
        const int length = 1 + below(6);
        QString text;
        for (int k = 0; k < length; ++k)
            text += typed[below(int(typed.size()))];
        last_ = describe(w) + QStringLiteral(" types \"%1\"").arg(text);
        QPointer<QWidget> guard(&w);
        for (const QChar c : text)
            if (guard)
                QTest::sendKeyEvent(QTest::Click, &w, Qt::Key(c.toUpper().unicode()), QString(c),
                                    Qt::NoModifier);
    } else if (kind < 90) {
        const Qt::Key key = keys[std::size_t(below(int(keys.size())))];
        Qt::KeyboardModifiers mods = Qt::NoModifier;
        if (chance(0.15)) mods = chance(0.5) ? Qt::ShiftModifier : Qt::ControlModifier;
        last_ = describe(w) + QStringLiteral(" key %1").arg(int(key), 0, 16);
        QTest::keyClick(&w, key, mods);
    } else {
        // The shortcuts of the buttons and menus (Alt and a letter), and Ctrl with a letter.
        const char letter = char('a' + below(26));
        const bool alt = chance(0.7);
        last_ = describe(w) + (alt ? QStringLiteral(" Alt+") : QStringLiteral(" Ctrl+")) +
                QLatin1Char(letter);
        QTest::keyClick(&w, letter, alt ? Qt::AltModifier : Qt::ControlModifier);
    }
}

} // namespace guifuzz
