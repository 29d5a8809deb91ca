// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The modal seam answered at random: a button among those offered, a file of the scratch
// folder (or a name that is none, or nothing), a printer that prints into the scratch folder,
// an entry of a pop-up menu, and the secondary windows driven by the random user for a while
// before they are closed.

#include "guifuzz/random_user.h"
#include "ui/modal.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

namespace guifuzz {

class RandomAnswerer : public ui::Answerer {
public:
    // Installs itself. Each action in a secondary window is followed by afterAction, which
    // may say the run is over (false): the window is then closed.
    RandomAnswerer(RandomUser& user, std::filesystem::path work, std::function<bool()> afterAction);
    ~RandomAnswerer() override;
    RandomAnswerer(const RandomAnswerer&) = delete;
    RandomAnswerer& operator=(const RandomAnswerer&) = delete;

    ui::Answer ask(QWidget*, const QString& text, const QString& title, ui::Icon icon,
                   ui::Buttons buttons) override;
    QString openFileName(QWidget*, const ui::FileRequest& request) override;
    QString saveFileName(QWidget*, const ui::FileRequest& request) override;
    bool choosePrinter(QWidget*, QPrinter& printer) override;
    QAction* popup(QMenu& menu, const QPoint& globalPos) override;
    int exec(QDialog& dialog) override;
    void showHelp(QWidget*, const QString&) override { ++requests; }
    void beep() override { ++requests; }

    int requests = 0;                       // every request of the program, answered
    int windows = 0;                        // secondary windows shown
    std::map<std::string, int> windowKinds; // how often each kind of window was shown

private:
    RandomUser& user_;
    std::filesystem::path work_;
    std::function<bool()> afterAction_;
    int depth_ = 0;
    int names_ = 0;
};

} // namespace guifuzz
