// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An unknown concentration for each student. Instead of one hidden concentration, an exercise
// may hold a range (the lowest and highest concentrations and a number of significant digits)
// and a random key of its own; each student's concentration of the solution to titrate (c2) is
// then drawn in the range from the key and the student's name. The same name always gets the
// same value, on every machine (exercise_key.h fixes the arithmetic), so the teacher's list
// (student_list.h) tells each student's value without any file holding it.
//
// The draw, for a range [lowest, highest] with n digits and a name:
//   1. f = keyedFraction(key, normaliseName(name)), in [0, 1): the name with its case,
//      accents and punctuation folded away and its words in a fixed order, so that "Marie
//      Dupont", "DUPONT Marie" and "Dupont, Marie." get one value (student_name.h);
//   2. x = lowest + f × (highest − lowest), in double precision;
//   3. x is written with n significant digits (numbers::formatSignificant) and read back:
//      that value is the student's, and its text is the one the lists show;
//   4. a value that rounding took below lowest becomes the smallest value of n digits not
//      below lowest, one above highest the largest not above highest.
//
// How the windows use this library:
//   - the exercise editor checks the teacher's fields with rangeProblem, makes the key once
//     with makeKey (seeded from std::random_device) and writes rangeText and keyText into
//     records 14 and 15 (unknown_records.h), keeping both when the exercise is saved again;
//   - opening an exercise reads them with readUnknownRecords; with an unknown it asks the
//     student's name (refused while nameProblem refuses it), draws the value with
//     drawConcentration, and puts it on the bench hidden
//     and locked, written in no file. The bench holds a typed c2 to three significant digits
//     (its box rounds to "0.00E+00"): a range of more digits needs the value set without that
//     rounding, or the lists and the bench would disagree;
//   - "Vérifier mon résultat…" calls checkTypedResult (result_check.h) with the drawn value,
//     offers concentrationUncertainty (uncertainty.h), and keeps every ResultCheck, refused
//     ones included, for the report, which shows cleanName (student_name.h) and checkLine;
//     the checks are kept in the user's data folder too (check_log.h), by exercise file and
//     normal form of the name, and come back when the program is started again;
//   - "Valeurs des élèves…" calls studentValues and studentValuesText or studentValuesCsv
//     (student_list.h), which report the names that nameProblem refuses.

#include "grading/exercise_key.h"
#include "grading/outcome.h"

#include <string>
#include <string_view>

namespace grading {

inline constexpr int minDigits = 1;
inline constexpr int maxDigits = 6;

// Concentrations in mol/L.
struct ConcentrationRange {
    double lowest = 0;
    double highest = 0;
    int digits = 3; // significant digits of the values drawn

    bool operator==(const ConcentrationRange&) const = default;
};

// What is wrong with a range, as a French sentence for the teacher; empty when it can be used.
// Refused: a number of digits outside 1 to 6; a bound that is not a finite number, not
// positive, or outside the concentrations the bench holds a typed value within
// (model::minConcentration to model::maxConcentration, model/bench_limits.h); the lowest above the
// highest; a range that holds no value with that many significant digits (0,00801 to 0,00809 with 2
// digits). Equal bounds are a range of one value.
std::string rangeProblem(const ConcentrationRange& range);

// What an exercise keeps to give every student an unknown of their own.
struct ExerciseUnknown {
    ConcentrationRange range;
    ExerciseKey key;

    bool operator==(const ExerciseUnknown&) const = default;
};

// The concentration of the student of that name (mol/L), always within the range; refused
// (with the reason) for a range that rangeProblem refuses or a name that nameProblem refuses
// (student_name.h: an empty normal form, Latin letters mixed with another script's).
Outcome<double> drawConcentration(const ExerciseUnknown& unknown, std::string_view name);

// A concentration drawn in the range as the lists write it: its n significant digits with the
// decimal comma ("0,0120").
std::string concentrationText(double concentration, const ConcentrationRange& range);

} // namespace grading
