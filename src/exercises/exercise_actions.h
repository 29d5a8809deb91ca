// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the exercises menu does to the main window's text area, its file-name box and the
// bench: open an exercise, the getting-started file or a correction, save, reload and print
// the text, close the exercise. Every message goes through the modal seam.

#include <QString>

class QWidget;

namespace exercises {

class ExerciseArea;

// "Attention: perte des modifications du texte.": true when the user accepts the loss.
bool textLossAccepted(QWidget* parent);
// When the text was modified, asks before it is lost; true to go on (the text then counts
// as unmodified).
bool confirmTextLoss(ExerciseArea& area);

// "Lecture impossible": an exercise file that cannot be read.
void cannotReadExercise(QWidget* parent);

enum class OpenResult { Opened, Unreadable, StatementMissing, Cancelled };

// Opens an exercise file: its statement (record 1, in the exercise's folder) into the
// text area, its path into fich, correctionAvailable from corrected, and its configuration
// (record 2) onto the bench, whose concentration to find is then hidden when record 13 asks
// for it. An exercise with an unknown for each student (records 14 and 15) first asks the
// student's name: cancelled, nothing is opened and the bench stays as it was; given, the
// student's own concentration is put on the bench, hidden and locked. The work of the
// exercise open before ends (student_work.h). Messages are shown over messageParent.
OpenResult openExercise(ExerciseArea& area, const QString& exerciseFile, bool corrected,
                        QWidget* messageParent);

// "Prise en main": the getting-started file VIREKA.PEM of the data folder. False when the
// file is absent (nothing is said) or could not be loaded (a message was shown).
bool gettingStarted(ExerciseArea& area);
// "Voir la correction": the correction of the exercise named in fich, read-only; the
// concentration that record 13 hid is shown again. In an exercise that gives each student a
// concentration of their own, the correction's configuration takes the student's concentration,
// still hidden and locked: the correction shows the method, never the value.
void showCorrection(ExerciseArea& area);
// "Enregistrer le contenu de la fenêtre exercice", proposed in the current folder, or in the
// user's documents when that folder is not theirs to write (an installed exercise).
void saveText(ExerciseArea& area);
// "Retrouver un texte": after the question when the text was modified, a rich-text file
// chosen by the user is opened as openText does.
void reloadText(ExerciseArea& area);
// A rich-text file into the text area, editable, its path in fich; a file that cannot be read
// is said ("Erreur de lecture.").
void openText(ExerciseArea& area, const QString& name);
// "Imprimer le contenu de la fenêtre exercice": the selection, or all the text. Without any
// printer installed a PDF file is offered instead, in the folder saveText proposes.
void printText(ExerciseArea& area);
// "Fermer l'exercice": the information text comes back; the student's work ends (kept for the
// run) and a concentration of the student's own leaves the bench.
void closeExercise(ExerciseArea& area);

// An exercise requested by another program (record 31 of the temporary file), named
// relative to the data folder.
void openRequestedExercise(ExerciseArea& area, const QString& dataFolderRelativeName);

// Shows the help file Ovlu.hlp of the data folder on its contents, or says it is missing.
void showHelp(QWidget* parent);

} // namespace exercises
