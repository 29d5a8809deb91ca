// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The work of a student in an exercise whose concentration to find is hidden: begun when the
// exercise opens, ended when it closes or another one opens. Ended, it stays in memory for
// the rest of the program's run: the same exercise opened again under the same name takes its
// checks back (and the same concentration, drawn again from the name). Its checks are kept in
// the user's data folder too (kept_checks.h): opened again in a later run, it takes them back
// from there.

#include "exercises/exercise_area.h"

#include <optional>

namespace exercises {

class ExerciseArea;

// The concentration a student of that exercise is given; none when the exercise has no unknown
// for each student or the name is refused.
std::optional<double> studentConcentration(const StudentWork& work);

// Begins the work (the checks made earlier under the same exercise and name come back, from
// this run or else from the file of the earlier runs), gives the bench the student's own
// concentration when the exercise has one, and offers "Vérifier mon résultat…". Call once the
// exercise's configuration is on the bench.
void beginStudentWork(ExerciseArea& area, StudentWork work);

// Ends the work in force, if any: kept for the run, the student's concentration taken off the
// bench, the check no longer offered.
void endStudentWork(ExerciseArea& area);

// The concentration the student's result is checked against: the student's own, or the one
// the exercise hides on the bench; none when no exercise with a hidden concentration is open.
std::optional<double> referenceConcentration(ExerciseArea& area);

} // namespace exercises
