// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one door through which the program asks the user anything modal: message boxes,
// questions, file choosers, the printer choice, the help viewer and the secondary windows.
// The default answerer shows the real Qt dialogs; a test installs a scripted answerer
// (see scripted.h) that records what was asked and answers without blocking.

#include <QString>
#include <functional>

class QDialog;
class QPrinter;
class QWidget;

namespace ui {

enum class Icon { None, Information, Question, Exclamation, Critical };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct FileRequest {
    QString caption;
    QString folder;     // where the chooser starts
    QString filter;     // e.g. "Texte enrichi (*.rtf)"
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
int exec(QDialog& dialog);
void beep();

// The program folder: the folder of the executable, unless a test chose another.
QString programFolder();
void setProgramFolder(const QString& folder); // empty restores the default

} // namespace ui
