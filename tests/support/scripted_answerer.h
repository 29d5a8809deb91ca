// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scripted answerer for headless tests: it stands in for the user at every modal request,
// records what was asked and answers from what the test told it to expect, never blocking.
//
// A test says what it expects to be asked: the answers to its questions, the names to give
// the file choosers, the printer set-ups accepted or cancelled, the entries to choose in the
// pop-up menus, and how to drive the secondary windows. A request that nothing was scripted
// for fails the test (and is answered as a user dismissing it would, so that the test goes
// on); so does a scripted answer left unused when the answerer is checked or destroyed.

#include "ui/modal.h"

#include <QPoint>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace ui {

struct AskRecord {
    QString text;
    QString title;
    Icon icon;
    Buttons buttons;
};

struct MenuRecord {
    QString menu;        // object name of the menu
    QStringList entries; // object names of its entries, separators left out
    QStringList enabled; // object names of the entries that could be chosen
    QPoint position;     // where it popped up, on the screen
};

class ScriptedAnswerer : public Answerer {
public:
    ScriptedAnswerer() { setAnswerer(this); }
    ~ScriptedAnswerer() override;
    ScriptedAnswerer(const ScriptedAnswerer&) = delete;
    ScriptedAnswerer& operator=(const ScriptedAnswerer&) = delete;

    // What the test expects, used in order.
    std::deque<Answer> answers;      // message boxes and questions
    std::deque<QString> fileNames;   // file choosers; an empty name cancels
    std::deque<bool> printerChoices; // printer set-ups: accepted (true) or cancelled
    std::deque<QString> menuChoices; // pop-up menus: object name of the entry chosen, or
                                     // empty to dismiss the menu
    // The secondary windows run modally: each is shown, driven by this callback, and its
    // result returned. Unset, a secondary window is not expected.
    std::function<int(QDialog&)> onExec;

    // What was asked.
    std::vector<AskRecord> asked;
    std::vector<FileRequest> fileRequests;
    std::vector<MenuRecord> menus;
    QStringList helpShown;
    int beeps = 0;
    int printerRequests = 0;
    int execs = 0;

    // Fails the test for every scripted answer left unused, then forgets them.
    void expectAllUsed();

    Answer ask(QWidget*, const QString& text, const QString& title, Icon icon,
               Buttons buttons) override;
    QString openFileName(QWidget*, const FileRequest& request) override;
    QString saveFileName(QWidget*, const FileRequest& request) override;
    bool choosePrinter(QWidget*, QPrinter&) override;
    QAction* popup(QMenu& menu, const QPoint& globalPos) override;
    int exec(QDialog& dialog) override;
    void showHelp(QWidget*, const QString& path) override;
    void beep() override { ++beeps; }
};

} // namespace ui
