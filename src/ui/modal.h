// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one door through which the program asks the user anything modal: message boxes,
// questions, file choosers, the printer choice, pop-up menus, the help viewer and the
// secondary windows.
// The default answerer shows the real Qt dialogs; a test installs a scripted answerer
// (tests/support/scripted_answerer.h) that records what was asked and answers without blocking.

#include <QString>
#include <functional>

class QAction;
class QDialog;
class QMenu;
class QPoint;
class QPrinter;
class QWidget;

namespace ui {

enum class Icon { None, Information, Question, Exclamation, Critical };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct FileRequest {
    QString caption;
    QString folder; // where the chooser starts
    QString filter; // e.g. "Texte enrichi (*.rtf)"
    QString defaultSuffix;
};

class Answerer {
public:
    virtual ~Answerer() = default;
    virtual Answer ask(QWidget* parent, const QString& text, const QString& title, Icon icon,
                       Buttons buttons) = 0;
    // An empty string means the user cancelled.
    virtual QString openFileName(QWidget* parent, const FileRequest& request) = 0;
    virtual QString saveFileName(QWidget* parent, const FileRequest& request) = 0;
    // Lets the user choose and set up a printer; false when cancelled.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // Pops a menu up at a screen position and returns the entry chosen, nullptr when the menu
    // was dismissed. The caller runs the entry (the menu's entries need no connections).
    virtual QAction* popup(QMenu& menu, const QPoint& globalPos) = 0;
    // Runs a secondary window modally and returns its result code.
    virtual int exec(QDialog& dialog) = 0;
    // Shows an HTML help document.
    virtual void showHelp(QWidget* parent, const QString& path) = 0;
    virtual void beep() = 0;
};

// The answerer in force (the Qt one unless a test installed another).
Answerer& answerer();
// Installs an answerer (nullptr restores the Qt one). The caller keeps ownership.
void setAnswerer(Answerer* a);

// Shortcuts used throughout the program.
Answer ask(QWidget* parent, const QString& text, const QString& title, Icon icon, Buttons buttons);
inline Answer ask(const QString& text, const QString& title, Icon icon, Buttons buttons) {
    return ask(nullptr, text, title, icon, buttons);
}
QAction* popup(QMenu& menu, const QPoint& globalPos);
// Chooses the menu's first entry that can be chosen, unless one is chosen already (what a
// menu popped up shows first).
void selectFirstEntry(QMenu& menu);
int exec(QDialog& dialog);
void beep();

} // namespace ui
