// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scripted answerer for headless tests: records every modal request and answers from a
// queue (or with a default), never blocking.

#include "ui/modal.h"

#include <QStringList>
#include <deque>
#include <vector>

namespace ui {

struct AskRecord {
    QString text;
    QString title;
    Icon icon;
    Buttons buttons;
};

class ScriptedAnswerer : public Answerer {
public:
    ScriptedAnswerer() { setAnswerer(this); }
    ~ScriptedAnswerer() override { setAnswerer(nullptr); }
    ScriptedAnswerer(const ScriptedAnswerer&) = delete;
    ScriptedAnswerer& operator=(const ScriptedAnswerer&) = delete;

    // Answers given to the next questions, in order; when empty, the first button
    // (OK or Yes) is the answer.
    std::deque<Answer> answers;
    // File names given to the next file choosers; when empty, the chooser is cancelled.
    std::deque<QString> fileNames;
    // Whether the printer choice is accepted.
    bool acceptPrinter = true;
    // What happens when a secondary window is run modally: by default it is shown,
    // the callback (if any) drives it, and the window's result is returned.
    std::function<int(QDialog&)> onExec;

    std::vector<AskRecord> asked;
    std::vector<FileRequest> fileRequests;
    QStringList helpShown;
    int beeps = 0;
    int printerRequests = 0;
    int execs = 0;

    Answer ask(QWidget*, const QString& text, const QString& title, Icon icon,
               Buttons buttons) override;
    QString openFileName(QWidget*, const FileRequest& request) override;
    QString saveFileName(QWidget*, const FileRequest& request) override;
    bool choosePrinter(QWidget*, QPrinter&) override;
    int exec(QDialog& dialog) override;
    void showHelp(QWidget*, const QString& path) override;
    void beep() override { ++beeps; }
};

} // namespace ui
