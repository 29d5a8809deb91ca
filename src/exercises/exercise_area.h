// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the exercises window and menu need of the main window: its exercise area (the
// rich-text box supertext and the file-name box fich above it), the information text, the
// concentration an exercise may keep secret, the configuration an exercise loads onto the
// bench, and the bench's situations that a new exercise starts from. The main window
// implements it; tests use a small fake.

#include "files/situations.h"

#include <QString>

class QLineEdit;
class QTextEdit;
class QWidget;

namespace exercises {

// The exercise in use.
struct ExerciseState {
    QString folder;                   // folder of the exercise file, with its final separator
    bool correctionAvailable = false; // "Voir la correction" is offered
    bool textModified = false;        // the text area changed since it was loaded or saved
    bool correctionShown = false;     // the text area holds the exercise's correction
};

class ExerciseArea {
public:
    virtual ~ExerciseArea() = default;

    virtual QWidget* mainWindow() = 0;
    virtual ExerciseState& exercise() = 0;
    virtual QTextEdit* supertext() = 0;
    virtual QLineEdit* fich() = 0;
    virtual void showInformation() = 0;

    // The concentration of the solution to titrate kept secret, as the random concentration
    // leaves it (hidden, and the box that hides it locked), and shown again.
    virtual void hideSampleConcentration() = 0;
    virtual void revealSampleConcentration() = 0;
    // Whether the concentration to find is hidden now (by an exercise, the die or masquer).
    virtual bool sampleConcentrationHidden() = 0;

    // Loads the configuration file at path onto the bench, situation 1 shown; the load says
    // itself what went wrong.
    virtual void loadConfiguration(const QString& path) = 0;

    // The ten situations of the bench, the bench's own values first copied into its current
    // situation as the save button does.
    virtual const files::SituationTable& benchSituations() = 0;
};

} // namespace exercises
