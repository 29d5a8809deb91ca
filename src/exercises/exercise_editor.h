// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window in which a teacher writes an exercise: its title, level, topics, duration, the
// hiding of the concentration to find, a short name and a folder for its files. The
// statement (or the correction) is the text of the exercise area and its configuration the
// bench as it stands, at the moment of saving.

#include "exercises/exercise_writer.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace exercises {

class ExerciseArea;
class UnknownFields;

class ExerciseEditor : public QDialog {
    Q_OBJECT
public:
    // A new exercise when exerciseFile is empty; otherwise the change of that exercise file,
    // whose fields the window shows.
    ExerciseEditor(ExerciseArea& area, const QString& exerciseFile, QWidget* parent = nullptr);

    QLineEdit* title;
    QLineEdit* shortName;
    QLabel* fileNames; // the names of the files the short name gives
    QLineEdit* folder;
    QPushButton* chooseFolder;
    QSpinBox* level;
    QSpinBox* duration;
    QPlainTextEdit* topics;
    QCheckBox* hidden;
    UnknownFields* unknownFields; // one value, or a range and a key
    QLineEdit* code;              // the teacher's code, hidden, typed twice (optional)
    QLineEdit* codeAgain;
    QCheckBox* saveBench; // the bench saved again as the configuration
    QLabel* note;         // what is saved, and the step of the correction
    QPushButton* saveStatement;
    QPushButton* saveCorrection;
    QPushButton* cancel;

    // The fields as they stand in the window.
    ExerciseFields fields() const;
    void setFields(const ExerciseFields& fields);

    // "Enregistrer l'exercice" and "Enregistrer la correction": the window closes once the
    // files are written, the exercise area then naming the exercise.
    void saveStatement_Click() { save(ExercisePart::Statement); }
    void saveCorrection_Click() { save(ExercisePart::Correction); }
    // The folder and the short name chosen through the save file chooser.
    void chooseFolder_Click();
    // "Valeurs des élèves…": each student's concentration from the names of the class.
    void studentValues_Click();

    // Right of the main window where the screen has room, else over the left of the bench.
    void placeBesideMainWindow();

private:
    void buildForm();
    void save(ExercisePart part);
    void shortNameEdited(const QString& text);
    void updateHidden();

    ExerciseArea& area_;
    QString exerciseFile_;
    QString keptCode_;        // record 16 of the exercise changed, kept unless a new code is typed
    bool benchHides_ = false; // the bench hides the concentration (the die): the exercise too
};

// The proposed folder of a new exercise: the folder of the exercise in use (the one the
// exercises window browsed), else the program folder, or the user's documents folder where
// that one cannot be written.
QString proposedExerciseFolder(ExerciseArea& area);

// Whether fich names an exercise file that exists, which "Modifier l'exercice" changes.
bool exerciseInUse(ExerciseArea& area);

// "Créer un exercice…": the window of a new exercise opens beside the main window and stays
// open while the teacher writes the statement in the exercise window and prepares the bench;
// over the information text or a correction, the exercise window first gives an empty page
// for the statement. Returns the window (nullptr when the teacher kept a changed correction).
ExerciseEditor* createExercise(ExerciseArea& area);
// "Modifier l'exercice": the window opens on the exercise in use, its fields filled. A
// correction shown becomes editable, to be changed and saved again.
void modifyExercise(ExerciseArea& area);

} // namespace exercises
