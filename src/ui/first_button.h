// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The answerer of a window that runs with nobody before it (the benchmarks of the bench, the
// screenshots of the package): every question is answered by its first button (Yes, or OK);
// no file is chosen, no printer set up, no menu entry taken, no window run, no help shown.

#include "ui/modal.h"

#include <QString>

namespace ui {

class FirstButtonAnswerer final : public Answerer {
public:
    Answer ask(QWidget*, const QString&, const QString&, Icon, Buttons b) override {
        return b == Buttons::YesNo || b == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
    }
    QString openFileName(QWidget*, const FileRequest&) override { return {}; }
    QString saveFileName(QWidget*, const FileRequest&) override { return {}; }
    bool choosePrinter(QWidget*, QPrinter&) override { return false; }
    QAction* popup(QMenu&, const QPoint&) override { return nullptr; }
    int exec(QDialog&) override { return 0; }
    void showHelp(QWidget*, const QString&) override {}
    void beep() override {}
};

} // namespace ui
