// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the exercises window and menu need of the main window: its exercise area (the
// rich-text box supertext and the file-name box fich above it), the information text, the
// concentration an exercise may keep secret, the configuration an exercise loads onto the
// bench, and the bench's situations that a new exercise starts from. The main window
// implements it; tests use a small fake.

#include "files/situations.h"
#include "grading/result_check.h"
#include "grading/student_unknown.h"
#include "grading/titration_numbers.h"

#include <QString>

#include <optional>
#include <vector>

class QLineEdit;
class QTextEdit;
class QWidget;

namespace exercises {

// What a student does in an exercise whose concentration to find is hidden: the name asked
// when the exercise gives each student an unknown of their own, and every check of a result,
// refused ones included, for the report. Kept in memory for the run; the checks are kept in
// the user's data folder too (kept_checks.h).
struct StudentWork {
    QString exerciseFile; // the exercise file, as fich names it
    QString title;        // record 11
    QString name;         // as grading::cleanName gives it; empty when the exercise asks none
    std::optional<grading::ExerciseUnknown> unknown; // the exercise's range and key
    std::vector<grading::ResultCheck> checks;        // every check, in the order made
    QString equivalenceVolume;                       // VE (mL) as the student last typed it
    QString method; // how the equivalence was found, as the student typed it
};

// The exercise in use.
struct ExerciseState {
    QString folder;                   // folder of the exercise file, with its final separator
    bool correctionAvailable = false; // "Voir la correction" is offered
    bool textModified = false;        // the text area changed since it was loaded or saved
    bool correctionShown = false;     // the text area holds the exercise's correction
    // The work of the exercise open, if its concentration is hidden.
    std::optional<StudentWork> work;
    // The work of the exercises closed since the program started: the same exercise opened
    // again under the same name takes its checks back, so that the report lists them all.
    std::vector<StudentWork> earlierWork;
};

// The bench's values from which u(c2) is computed.
struct BenchReadings {
    // a and b of c2 = a × c1 × VE / (b × V2) for the titration on the bench; none when it
    // does not follow that relation (a back titration) or nothing is chosen.
    std::optional<grading::StoichiometricNumbers> numbers;
    double titrantConcentration = 0; // c1, mol/L
    double sampleVolume = 0;         // V2, mL
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
    // The one path by which an exercise's concentration to find reaches the bench, once its
    // configuration is loaded: `own`, the student's own value, in every situation, or without
    // it each situation's value as loaded. Hidden and locked in every situation: nothing shows
    // it ("Afficher la concentration" included), every family of titrations titrates it, and
    // no file holds it (a configuration saved holds the word files::unknownSampleText). It
    // stays so after the exercise is closed, until its correction shows it or the student
    // defines a new solution (another species, a configuration opened).
    virtual void sealSample(std::optional<double> own) = 0;
    // The concentration of the solution titrated on the bench now (mol/L), hidden or not.
    virtual double sampleConcentration() = 0;
    virtual BenchReadings benchReadings() = 0;
    // "Vérifier mon résultat…" offered under the exercise text, or not.
    virtual void setResultCheckOffered(bool offered) = 0;

    // Loads the configuration file at path onto the bench, situation 1 shown; the load says
    // itself what went wrong.
    virtual void loadConfiguration(const QString& path) = 0;

    // The ten situations of the bench, the bench's own values first copied into its current
    // situation as the save button does.
    virtual const files::SituationTable& benchSituations() = 0;
    // The same with the exercise's own values where the bench keeps them secret (a student's
    // own value stays the word): what "Modifier l'exercice" saves again.
    virtual const files::SituationTable& exerciseSituations() = 0;
    // A new solution: the concentration an exercise kept secret is forgotten, the situations
    // that held it taking the start value.
    virtual void forgetSecretSample() = 0;
};

} // namespace exercises
