// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame around the bench: its activation, the temporary file it shares with other
// programs (record 24 says whether it runs, record 31 names an exercise to open), the command
// buttons, the exercises' menu, closing, and the situation buttons and the caption as the save
// and open windows ask for them.

#include "bench/controls.h"
#include "bench/parts.h"

#include <QString>

namespace exercises {
class ExerciseMenu;
}

namespace bench {

class BenchShell {
public:
    explicit BenchShell(Parts& parts) : p_(parts), c_(parts.c) {}

    // The window became active, or lost the activation.
    void activationChanged(bool active);
    void Form_Activate();
    int activations() const { return activations_; }

    // ---- The command buttons ----
    void Command1_Click();  // Fermer
    void Command2_Click();  // Ouvrir
    void Command4_Click();  // Copier
    void Command7_Click();  // Aide
    void Command8_Click();  // Calculatrice
    void Command10_Click(); // Imprimer
    void Command11_Click(); // Enregistrer
    void btexo_Click();     // the exercises' menu

    // ---- Closing ----
    // The closing questions; true when the window may close.
    bool queryClose();
    // Closing accepted already, or by the questions.
    bool mayClose();
    // The end asked by the system (a stop signal, the end of the desktop session): the program
    // ends at once, without the closing questions, as after them.
    void endWithoutQuestions();
    // The last steps of closing: the calculator unloaded, "NON" in record 24, the program ends.
    void endProgram();

    // ---- The temporary file ----
    // In the program folder when it is the user's own, else in the user's own data folder.
    static QString temporaryFile();
    static void writeTempRecord(int record, const QString& text);

    // ---- What the save and open windows ask ----
    void setCaption(const QString& caption);
    void clearSituationButtons();
    void selectSituation(int index);

private:
    // The exercise named in record 31, which is emptied; empty when none is to be opened.
    QString takeExerciseRequest();
    void openRequestedExercise(const QString& name);

    Parts& p_;
    Controls& c_;
    exercises::ExerciseMenu* exerciseMenu_ = nullptr; // made at the first click on btexo
    bool closingAccepted_ = false;
    bool ended_ = false;          // the closing steps have run
    bool lostToOwnWindow_ = true; // the window last lost the activation to one of ours
    int activations_ = 0;
    QString unemptiedRequest_; // a request of record 31 already opened but not emptied
};

} // namespace bench
