// SPDX-License-Identifier: GPL-3.0-or-later
// The record files from bytes in memory, read as any record file, as a configuration file and
// as an exercise file. Beyond not crashing: every record that reads is a text that a record
// can hold again and that reads back the same, a configuration that loads holds texts that a
// configuration can store (the choices its families keep too) and is written again as bytes that
// read back as the same table, and an exercise's unknown for each student (records 14 and 15) that
// reads is written as texts that read back and write again the same, and draws values within
// its range, and the same as the exercise file reads it; record 16, the teacher's code, is
// matched by no empty code. A configuration given the word of a student's unknown keeps every
// other text and position.

#include "exercises/exercise_file.h"
#include "exercises/teacher_code.h"
#include "families/rules/family_rules.h"
#include "files/configuration.h"
#include "files/recordfile.h"
#include "files/unknown_sample.h"
#include "fuzz_check.h"
#include "grading/unknown_records.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// A text read from a record is written back into a record and read again unchanged.
void checkRecordText(const std::string& text) {
    const auto bytes = files::utf8ToCp1252(text);
    FUZZ_CHECK(bytes.has_value());
    FUZZ_CHECK(bytes->size() <= files::maxRecordText);
    FUZZ_CHECK(files::cp1252ToUtf8(*bytes) == text);
    files::RecordFile copy;
    FUZZ_CHECK(copy.write(3, text) == files::RecordStatus::Ok);
    const files::RecordText back = copy.read(3);
    FUZZ_CHECK(back.status == files::RecordStatus::Ok && back.text == text);
}

// A configuration read is written again (with the extended signature when a situation holds
// a titration of a family that keeps choices) and reads back as the same table; a file written
// without that signature keeps no family's choices, which read back at their start values.
void checkConfigurationWrittenAgain(const files::SituationTable& table) {
    const auto written = files::configurationBytes(table);
    FUZZ_CHECK(written.has_value());
    FUZZ_CHECK(written->size() == (table.holdsFamilyChoices() ? files::extendedConfigurationRecords
                                                              : files::configurationRecords) *
                                      files::recordSize);
    files::SituationTable back;
    FUZZ_CHECK(files::readConfigurationBytes(*written, back) == files::LoadResult::Ok);
    FUZZ_CHECK(back.texts == table.texts);
    FUZZ_CHECK(back.family ==
               (table.holdsFamilyChoices() ? table.family : files::SituationTable().family));
    for (int s = 0; s < files::situationCount; ++s)
        for (int j = 1; j <= 3; ++j)
            FUZZ_CHECK(back.choices[s][j] == table.choices[s][j]);
    FUZZ_CHECK(families::configurationProblem(back) == families::configurationProblem(table));
}

// The check of a configuration's values answers for every table read: nothing, or why the
// bench cannot take it, beginning with the situation at fault.
void checkValues(const files::SituationTable& table) {
    const std::string problem = families::configurationProblem(table);
    if (problem.empty()) return;
    FUZZ_CHECK(problem.starts_with("Situation n°\u00A0"));
    FUZZ_CHECK(problem.ends_with("."));
}

// Records 14 and 15 as an exercise's unknown.
void checkUnknown(const files::RecordFile& file) {
    const auto read = grading::readUnknownRecords(file.read(grading::rangeRecord).text,
                                                  file.read(grading::keyRecord).text);
    FUZZ_CHECK(bool(read) == read.reason.empty());
    if (!read || !read->has_value()) return;
    const grading::ExerciseUnknown& unknown = **read;
    const std::string range = grading::rangeText(unknown.range);
    const std::string key = grading::keyText(unknown.key);
    checkRecordText(range);
    checkRecordText(key);
    const auto again = grading::readUnknownRecords(range, key);
    FUZZ_CHECK(again && again->has_value());
    FUZZ_CHECK(grading::rangeText((*again)->range) == range && (*again)->key == unknown.key);
    const auto value = grading::drawConcentration(unknown, "Élève");
    FUZZ_CHECK(value && *value >= unknown.range.lowest && *value <= unknown.range.highest);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const files::RecordFile file{std::string(bytes)};
    const int count = file.recordCount();
    FUZZ_CHECK(count == int((size + files::recordSize - 1) / files::recordSize));
    for (int r = 0; r <= count + 1; ++r) {
        const files::RecordText text = file.read(r);
        if (text.status == files::RecordStatus::Ok)
            checkRecordText(text.text);
        else
            FUZZ_CHECK(text.text.empty());
    }

    files::SituationTable table;
    const bool configuration = files::readConfigurationBytes(bytes, table) == files::LoadResult::Ok;
    if (configuration) {
        for (const auto& texts : table.texts)
            for (const std::string& text : texts)
                checkRecordText(text);
        for (const files::FamilyChoices& choices : table.family)
            checkRecordText(choices.water);
        checkConfigurationWrittenAgain(table);
        checkValues(table);
    }
    // A configuration with a student's unknown: the word in every situation, nothing else
    // changed; anything but a configuration is refused.
    const auto marked = files::markUnknownSample(bytes);
    const files::RecordText signature = file.read(1);
    FUZZ_CHECK(marked.has_value() == (signature.status == files::RecordStatus::Ok &&
                                      signature.text == files::configurationSignature));
    if (marked && configuration) {
        files::SituationTable after;
        FUZZ_CHECK(files::readConfigurationBytes(*marked, after) == files::LoadResult::Ok);
        for (int s = 0; s < files::situationCount; ++s) {
            FUZZ_CHECK(files::isUnknownSample(after.texts[s][0]));
            for (int k = 1; k < 6; ++k)
                FUZZ_CHECK(after.texts[s][k] == table.texts[s][k]);
            for (int j = 1; j <= 3; ++j)
                FUZZ_CHECK(after.choices[s][j] == table.choices[s][j]);
        }
        FUZZ_CHECK(files::markUnknownSample(*marked) == marked);
        // The word of a student's unknown is never what the check refuses.
        if (families::configurationProblem(table).empty())
            FUZZ_CHECK(families::configurationProblem(after).empty());
    }

    const exercises::ExerciseRecords exercise = exercises::exerciseRecordsFromBytes(bytes);
    FUZZ_CHECK(exercise.readable);
    const int lit = exercises::litIndicators(exercise[exercises::levelRecord]);
    FUZZ_CHECK(lit >= 0 && lit <= 3);
    const QString hourglasses = exercises::hourglasses(exercise[exercises::durationRecord]);
    FUZZ_CHECK(hourglasses.size() <= exercises::maxHourglasses);
    (void)exercise.corrected();
    (void)exercise.hidesConcentration();
    checkUnknown(file);
    // The exercise file reads records 14 and 15 as the records do.
    const auto unknown = exercise.unknown();
    const auto fromRecords = grading::readUnknownRecords(file.read(grading::rangeRecord).text,
                                                         file.read(grading::keyRecord).text);
    FUZZ_CHECK(bool(unknown) == bool(fromRecords));
    if (unknown && fromRecords) FUZZ_CHECK(*unknown == *fromRecords);
    // Record 16, the teacher's code: blank is no code, and a code is never matched by the
    // empty text (a damaged one by nothing at all).
    const QString& code = exercise[exercises::codeRecord];
    FUZZ_CHECK(exercises::holdsTeacherCode(code) == !code.trimmed().isEmpty());
    if (code.trimmed().startsWith(QStringLiteral("code1;")))
        FUZZ_CHECK(!exercises::teacherCodeMatches(code, QString()));
    return 0;
}
