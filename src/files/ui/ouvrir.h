// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The open window ouvrir: loads the configuration file named in ficharge.

#include "files/ui/configwindow.h"

class QFrame;
class QLabel;
class QLineEdit;

namespace files {

class Ouvrir : public ConfigurationWindow {
    Q_OBJECT
public:
    Ouvrir(SituationBench& bench, QWidget* parent = nullptr);

    QLineEdit* ficharge; // the full path of the file to load
    QFrame* Frame1;      // waiting notice, shown during a load
    QLabel* Label4;

    // "OUVRIR": checks the name, then loads the file and closes the window.
    void Command1_Click();

protected:
    void fileClicked(const QString& name) override;
    void fileDoubleClicked(const QString& name) override;
};

// Shows the open window modally over the main window.
void showOpenWindow(SituationBench& bench);

} // namespace files
