// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The checks of the students' results as the program keeps them in the user's data folder,
// so that a student who opens the same exercise under the same name after the program was
// closed finds every check again, and the report lists them all.
//
// A text file in UTF-8, a line for each check, lines ended by LF:
//   - the first line says what the file is: checkLogHeader;
//   - then a line per check, in the order made: seven fields separated by tabs,
//       the exercise file (its absolute path),
//       the student's name in normal form (normaliseName; empty when the exercise asks none),
//       c2 as typed, u(c2) as typed,
//       the outcome: "compatible", "non compatible" or "refusée",
//       z as shown ("1,5"; empty when beyond 3 and when refused),
//       the reason of a refusal (empty when made);
//     a backslash, a tab, a line feed or a carriage return within a field is written \\, \t,
//     \n or \r.
// The file holds what the student's report shows and nothing more: no expected value, no z
// beyond its shown form.
//
// Reading is tolerant of damage (a file cut short, edited by hand, or written by a later
// version): a line that is not a check as described is skipped, and the others are read.

#include "grading/result_check.h"

#include <string>
#include <string_view>
#include <vector>

namespace grading {

inline constexpr std::string_view checkLogHeader = "titrage vérifications 1";

struct KeptCheck {
    std::string exercise; // the exercise file's absolute path
    std::string student;  // normaliseName of the student's name
    ResultCheck check;

    bool operator==(const KeptCheck&) const = default;
};

// The line of one check, without its line end.
std::string checkLogLine(const KeptCheck& kept);

// The whole file: the header, then a line for each check.
std::string checkLogText(const std::vector<KeptCheck>& checks);

// The checks of a file's bytes, in the order of its lines, every damaged line skipped: a
// line without exactly seven fields, with an unknown escape, without an exercise, with an
// unknown outcome; a made check whose c2 or u(c2) is not a number, whose z is not shown as a
// number from 0 to 3 with one decimal (or empty for beyond 3), whose outcome is not the
// verdict of that z, or that has a reason; a refused check without a reason, or with a z.
std::vector<KeptCheck> readCheckLog(std::string_view bytes);

} // namespace grading
