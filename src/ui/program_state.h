// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Program-wide state shared by the main window and the secondary windows.

#include "files/situations.h"

#include <QString>

namespace ui {

struct ProgramState {
    files::SituationTable situations;
    QString configFile;      // configuration file last saved or loaded (full path)
    QString exerciseFolder;  // folder of the exercise file in use
    int correctionAvailable = 0;
    int textModified = 0;
    int currentTab = 1;      // tab of the side panel: 1 graph, 2 tint scales
};

// The one instance, alive for the whole run of the program.
ProgramState& state();

} // namespace ui
