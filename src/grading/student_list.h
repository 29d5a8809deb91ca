// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The teacher's list of the students' values ("Valeurs des élèves…"): the names pasted one a
// line, each with the concentration its student's program draws, for marking; as text for
// the clipboard and as a CSV file.

#include "grading/outcome.h"
#include "grading/student_unknown.h"

#include <string>
#include <string_view>
#include <vector>

namespace grading {

struct StudentValue {
    std::string name;     // as cleanName gives it
    double concentration; // mol/L, as drawConcentration gives it
};

struct RefusedName {
    std::string name;   // as cleanName gives it
    std::string reason; // a French sentence

    bool operator==(const RefusedName&) const = default;
};

struct StudentValues {
    std::vector<StudentValue> students; // in the order of the pasted lines
    // Lines left out because an earlier line holds the same name (as normaliseName compares
    // them: "Léa Martin" then "LEA  MARTIN" or "Martin Léa"), as cleanName gives them, in
    // their order.
    std::vector<std::string> repeated;
    // Lines that no student could type as a name, with the reason nameProblem gives.
    std::vector<RefusedName> refused;
};

// The values of the names pasted, one a line (line ends LF, CR LF or CR). Blank lines, and
// lines of invisible characters only, are skipped; a line that nameProblem refuses (Latin
// letters mixed with another script's, punctuation only) gets no value and goes to `refused`;
// a name met again is listed once, at its first line, and the later lines go to `repeated`.
// Refused, with the reason, for a range that rangeProblem refuses.
Outcome<StudentValues> studentValues(std::string_view pastedNames, const ExerciseUnknown& unknown);

// The list as text: a header row "Nom et prénom", "c2 (mol/L)", then a row for each student,
// the concentration written with the range's significant digits (concentrationText). Cells are
// separated by `separator` and every line ends with `lineEnd`. A name holding the separator
// or a double quote is put between double quotes, its quotes doubled, as spreadsheets read it.
std::string studentValuesText(const std::vector<StudentValue>& students,
                              const ConcentrationRange& range, std::string_view separator,
                              std::string_view lineEnd);

// The bytes of the CSV file, as the program's other CSV export writes them: UTF-8 with a byte
// order mark, ";" between cells, decimal comma, CR LF line ends.
std::string studentValuesCsv(const std::vector<StudentValue>& students,
                             const ConcentrationRange& range);

} // namespace grading
