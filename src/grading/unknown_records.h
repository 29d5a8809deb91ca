// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How an exercise file (".E44", a record file) keeps a student's unknown: two records after
// those of the single hidden concentration (records 1 to 13).
//
//   record 14: the range, "lowest;highest;digits", the bounds in mol/L with the decimal comma
//              as numbers::formatGeneral writes them (the point is read too, and blanks
//              around each part): "0,008;0,012;3";
//   record 15: the exercise's key, 16 hexadecimal digits: "9e3779b97f4a7c15".
//
// Both texts fit a record (at most 126 bytes of Windows-1252; they are ASCII). An exercise
// with an unknown for each student hides and locks the concentration like record 13's "1",
// whatever record 13 holds. An older file ends before record 14, or leaves both records
// blank: its exercise keeps working as before (one concentration, or none, hidden or not as
// record 13 says). A file that holds one of the two records without the other, or a damaged
// one, is refused with the reason.

#include "grading/outcome.h"
#include "grading/student_unknown.h"

#include <optional>
#include <string>
#include <string_view>

namespace grading {

inline constexpr int rangeRecord = 14;
inline constexpr int keyRecord = 15;

// The text of record 14. The range must have passed rangeProblem.
std::string rangeText(const ConcentrationRange& range);
// The range of a text of record 14; refused with the reason when the text is not three parts
// separated by ";", a bound is not a number, the digits are not a whole number, or the range
// is one that rangeProblem refuses.
Outcome<ConcentrationRange> parseRange(std::string_view text);

// Records 14 and 15 as read (a record past the end of the file reads as empty): no unknown
// when both are blank (empty or only blanks), the unknown when both are right, the reason
// otherwise.
Outcome<std::optional<ExerciseUnknown>> readUnknownRecords(std::string_view rangeRecordText,
                                                           std::string_view keyRecordText);

} // namespace grading
