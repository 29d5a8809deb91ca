// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Vérifier mon résultat…": the student types the concentration found and its standard
// uncertainty; the window answers with the écart normalisé z and the verdict, or why it cannot
// conclude, never with the expected value. It also computes u(c2) the class's way from the
// bench and the equivalence volume the student found, showing the formula and the numbers
// used. Every check, refused ones included, is kept in the student's work for the report,
// and in the user's data folder for the next runs (kept_checks.h).

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace exercises {

class ExerciseArea;

class ResultCheckWindow : public QDialog {
    Q_OBJECT
public:
    explicit ResultCheckWindow(ExerciseArea& area, QWidget* parent = nullptr);

    QLabel* note;
    QLineEdit* concentration; // c2 found, mol/L
    QLineEdit* uncertainty;   // u(c2), mol/L
    QPushButton* check;
    QLabel* answer;                // z and the verdict, or why the check was refused
    QLineEdit* equivalence;        // VE, mL
    QLineEdit* titrantUncertainty; // u(c1) when the statement gives it, mol/L
    QPushButton* compute;
    QPlainTextEdit* computation; // the lines of u(c2)'s computation
    QListWidget* checks;         // the checks made in this exercise
    QPushButton* close;

    // "Vérifier": true when the check was made, false when it was refused (kept all the
    // same) or there is no hidden concentration.
    bool check_Click();
    // "Calculer u(c2)": true when u(c2) was computed (and put in its box).
    bool compute_Click();

private:
    void showChecks();

    ExerciseArea& area_;
};

// Runs the window through the modal seam, while an exercise with a hidden concentration is
// open.
void openResultCheck(ExerciseArea& area);

} // namespace exercises
