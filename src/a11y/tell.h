// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program says to assistive technology in one short sentence: a value corrected, the
// focus moved by the program, a copy, a print or a save finished. Qt tells no announcement of
// its own here, so the sentence goes where a screen reader listens: it becomes, for a while,
// the description of the control that has the keyboard focus, and a change of description is
// sent from that control. Told while another window of the program is in front (the one that
// finished the work), the sentence is read with the focus when the control gets it back. The
// control's own description comes back the next time the user moves the focus to it.

#include <QObject>
#include <QString>

class QWidget;

namespace a11y {

// The control a sentence about `context` is told on: the one that has the keyboard focus in
// context's window (the last one it gave the focus to, if the window is not active), or
// context itself when its window has no focused control.
QWidget* listeningControl(QWidget* context);

// Tells the sentence on the listening control of context. When the focus is on an object
// within that control (a part of a picture), the sentence is told on that object: toldTo()
// gives it, which the object's description shows until forgetTold() is called.
void tell(QWidget* context, const QString& sentence);
QString toldTo(const QObject* object);
void forgetTold(const QObject* object);

// Gives a control a new description (Qt tells every change of description; a screen reader
// reads the change of the control that has the focus). Nothing is sent when the description
// is the same. A sentence told on the control gives way to a new description (not to the
// description it had before the sentence).
void describe(QWidget* control, const QString& description);

// Every sentence told, as it is told (for the program's own tests and for a log).
class Teller : public QObject {
    Q_OBJECT
public:
    static Teller& instance();

signals:
    void told(QWidget* control, const QString& sentence);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Teller() = default;
    friend void tell(QWidget*, const QString&);
};

} // namespace a11y
