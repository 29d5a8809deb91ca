// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the student's report ("Compte rendu…") takes from the main window besides its
// pictures: the student and the exercise, the set-up of the bench in words, what the bench
// knows of the equivalence, and the checks of the result made in the exercise.

#include <QString>
#include <QStringList>

namespace printing {

struct ReportFacts {
    QString student;           // the name the exercise asked; empty when it asked none
    QString exerciseTitle;     // empty when no exercise is open
    QStringList setUp;         // the set-up, a line each ("Solution titrante : …")
    QString method;            // how the equivalence is found on this bench, as proposed
    QString equivalenceVolume; // VE as the student last typed it (mL)
    QString concentration;     // c2 of the last check made, as typed
    QString uncertainty;       // u(c2) of the last check made, as typed
    QStringList checks;        // every check of the result, refused ones too, a line each
    int refusedChecks = 0;     // how many of them were refused
};

// What the student gives in the report window: the facts may propose them.
struct ReportAnswers {
    QString student;
    QString equivalenceVolume; // mL
    QString method;
    QString concentration; // mol/L
    QString uncertainty;   // mol/L
};

} // namespace printing
