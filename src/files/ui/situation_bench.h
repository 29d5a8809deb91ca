// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the save and open windows need of the main window: the situations it holds, the ten
// situation buttons and its caption. The main window implements it; tests use a small fake.

#include "files/situations.h"

#include <QString>

class QWidget;

namespace files {

// The situations of the bench and the configuration file they were last saved to or loaded
// from.
struct Situations {
    SituationTable table;
    QString configFile; // full path; set by the save and open windows and by the exercises
};

class SituationBench {
public:
    virtual ~SituationBench() = default;

    virtual QWidget* mainWindow() = 0;
    virtual Situations& situations() = 0;
    virtual void setCaption(const QString& caption) = 0;
    // Unselects all ten situation buttons without any event.
    virtual void clearSituationButtons() = 0;
    // Selects one as a click does: the bench goes into the current situation unless it is
    // -1, then the chosen situation is shown.
    virtual void selectSituation(int index) = 0;
    // The concentration to find is hidden on the bench (an exercise's, the die's): a message
    // about a file does not show it.
    virtual bool sampleHidden() const { return false; }
};

} // namespace files
