// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The save window enregistrer: the ten situations go into the file named in the name box.

#include "files/ui/configwindow.h"

class QLineEdit;

namespace files {

class Enregistrer : public ConfigurationWindow {
    Q_OBJECT
public:
    Enregistrer(SituationBench& bench, QWidget* parent = nullptr);

    QLineEdit* Text1; // the file name, or a full path

    // "ENREGISTRER": builds the full path, asks before overwriting, writes the file.
    void Command1_Click();

protected:
    void folderChanged() override;
    void fileDoubleClicked(const QString& name) override;
    void fileChosenByKey(const QString& name) override;
};

// Shows the save window modally over the main window.
void showSaveWindow(SituationBench& bench);

} // namespace files
