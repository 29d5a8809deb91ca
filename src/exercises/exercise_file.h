// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exercise files (".E44") and the getting-started file: record files whose records name the
// statement, the correction and their configurations, and hold the summary shown in the
// browser. Also the rule by which names stored in them are found on disk.

#include "grading/outcome.h"
#include "grading/unknown_records.h"

#include <QString>

#include <array>
#include <optional>
#include <string_view>

namespace exercises {

// Records of an exercise file.
enum ExerciseRecord {
    statementRecord = 1,
    configurationRecord = 2,
    correctionRecord = 3,
    correctionConfigurationRecord = 4,
    levelRecord = 5,
    firstTopicRecord = 7,
    lastTopicRecord = 10,
    titleRecord = 11,
    durationRecord = 12,
    // Optional: "1" keeps the concentration of the solution to titrate secret from the
    // opening of the exercise until its correction is shown. Older files end at record 12.
    hiddenConcentrationRecord = 13,
    // Optional: a range of concentrations and a key, from which each student's concentration
    // to find is drawn (grading/unknown_records.h). Older files end before them.
    rangeRecord = grading::rangeRecord,
    keyRecord = grading::keyRecord,
    // Optional: the salted hash of the teacher's code (teacher_code.h).
    codeRecord = 16,
    lastExerciseRecord = codeRecord,
};

struct ExerciseRecords {
    bool readable = false;                               // false when the file cannot be opened
    std::array<QString, lastExerciseRecord + 1> records; // records 1 to 16; past the end: empty

    const QString& operator[](int record) const { return records[record]; }
    // An exercise counts as corrected when it names a correction or its configuration.
    bool corrected() const;
    // Record 13 holds "1" (blanks around it aside).
    bool hidesConcentration() const;
    // The unknown for each student of records 14 and 15: none when both are blank, the reason
    // when they are damaged or one is missing.
    grading::Outcome<std::optional<grading::ExerciseUnknown>> unknown() const;
};

ExerciseRecords readExerciseRecords(const QString& path);
// The records of an exercise file held in memory (readable is true).
ExerciseRecords exerciseRecordsFromBytes(std::string_view bytes);

// Empty or only blanks.
bool isBlank(const QString& text);

// The level indicators lit for record 5 (0 to 3). Records 5 and 12 are read by
// numbers::leadingNumber, a decimal comma standing for the point.
int litIndicators(const QString& levelText);

// The hourglasses of the duration of record 12: its value rounded to a whole number
// (halves to even), at most maxHourglasses.
inline constexpr int maxHourglasses = 24;
QString hourglasses(const QString& durationText);

// A file name as stored in an exercise record, found from folder: "\" is a separator as
// well as "/", and on a case-sensitive file system a part of the name that is not found as
// written is matched with the one entry of its folder that differs only in case. When the
// file cannot be found, the name joined to folder as written.
QString resolveStoredName(const QString& folder, const QString& storedName);

// A folder with its final separator (the form in which the program keeps exerciseFolder).
QString withFinalSeparator(const QString& folder);

} // namespace exercises
