// SPDX-License-Identifier: GPL-3.0-or-later
// Records 14 and 15 of an exercise file: the range and the key, written, read back, refused
// when damaged, absent from older files.
#include "grading/unknown_records.h"

#include "files/recordfile.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

using grading::ConcentrationRange;
using grading::ExerciseKey;
using grading::ExerciseUnknown;

TEST(UnknownRecords, RangeTextWithTheDecimalComma) {
    struct Row {
        const char* name;
        ConcentrationRange range;
        const char* text;
    } rows[] = {
        {"class range", {0.008, 0.012, 3}, "0,008;0,012;3"},
        {"bench limits", {0.0001, 0.2, 6}, "0,0001;0,2;6"},
        {"digits of the bounds kept",
         {0.00805, 0.0123456789012345, 2},
         "0,00805;0,0123456789012345;2"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(grading::rangeText(r.range), r.text) << r.name;
        EXPECT_EQ(grading::parseRange(r.text).value, r.range) << r.name;
    }
}

TEST(UnknownRecords, LongestTextsFitARecord) {
    // Bounds with 15 significant digits, the most formatGeneral writes, in the smallest
    // decade: every character of the text counts.
    const ConcentrationRange longest{0.000123456789012345, 0.000987654321098765, 6};
    const std::string range = grading::rangeText(longest);
    EXPECT_EQ(range, "0,000123456789012345;0,000987654321098765;6");
    const std::string key = grading::keyText(ExerciseKey{~std::uint64_t(0)});
    for (const std::string& text : {range, key}) {
        files::RecordFile file;
        ASSERT_EQ(file.write(grading::rangeRecord, text), files::RecordStatus::Ok) << text;
        EXPECT_EQ(file.read(grading::rangeRecord).text, text);
    }
}

TEST(UnknownRecords, ReadingARangeRefusesDamagedTexts) {
    struct Row {
        const char* name;
        const char* text;
        const char* reason; // empty when the text is read
    } rows[] = {
        {"decimal point", "0.008;0.012;3", ""},
        {"blanks around the parts", " 0,008 ; 0,012 ;3 ", ""},
        {"exponents", "8E-03;1,2e-2;3", ""},
        {"two parts", "0,008;0,012",
         "La plage de concentrations «\u00A00,008;0,012\u00A0» n'a pas trois parties séparées "
         "par «\u00A0;\u00A0»\u00A0: la plus basse, la plus haute et le nombre de chiffres "
         "significatifs."},
        {"four parts", "0,008;0,012;3;4",
         "La plage de concentrations «\u00A00,008;0,012;3;4\u00A0» n'a pas trois parties "
         "séparées par «\u00A0;\u00A0»\u00A0: la plus basse, la plus haute et le nombre de "
         "chiffres significatifs."},
        {"lowest not a number", "abc;0,012;3",
         "La concentration la plus basse «\u00A0abc\u00A0» n'est pas un nombre."},
        {"highest empty", "0,008;;3",
         "La concentration la plus haute «\u00A0\u00A0» n'est pas un nombre."},
        {"highest beyond the doubles", "0,008;1E999;3",
         "La concentration la plus haute «\u00A01E999\u00A0» n'est pas un nombre."},
        {"unit after a bound", "0,008 mol/L;0,012;3",
         "La concentration la plus basse «\u00A00,008 mol/L\u00A0» n'est pas un nombre."},
        {"digits with a comma", "0,008;0,012;3,0",
         "Le nombre de chiffres significatifs «\u00A03,0\u00A0» n'est pas un nombre entier."},
        {"digits negative", "0,008;0,012;-3",
         "Le nombre de chiffres significatifs «\u00A0-3\u00A0» n'est pas un nombre entier."},
        {"digits out of range", "0,008;0,012;7",
         "Le nombre de chiffres significatifs doit être un entier de 1 à 6."},
        {"digits far out of range", "0,008;0,012;99999999999",
         "Le nombre de chiffres significatifs «\u00A099999999999\u00A0» n'est pas un nombre "
         "entier."},
        {"upside down", "0,012;0,008;3",
         "La concentration la plus basse (0,012\u00A0mol/L) dépasse la plus haute "
         "(0,008\u00A0mol/L)."},
        {"negative bound", "-0,008;0,012;3", "La concentration la plus basse doit être positive."},
    };
    for (const Row& r : rows) {
        const grading::Outcome<ConcentrationRange> range = grading::parseRange(r.text);
        EXPECT_EQ(range.reason, r.reason) << r.name;
        EXPECT_EQ(range.value.has_value(), std::string(r.reason).empty()) << r.name;
    }
}

TEST(UnknownRecords, BothRecordsOrNeither) {
    const ExerciseUnknown unknown{{0.008, 0.012, 3}, ExerciseKey{0x0123456789abcdef}};
    struct Row {
        const char* name;
        const char* range;
        const char* key;
        bool hasUnknown;
        const char* reason;
    } rows[] = {
        {"older file", "", "", false, ""},
        {"blank records", "  ", " ", false, ""},
        {"both", "0,008;0,012;3", "0123456789abcdef", true, ""},
        {"range without key", "0,008;0,012;3", "", false,
         "L'exercice donne une plage de concentrations sans la clé qui tire la valeur de "
         "chaque élève."},
        {"key without range", " ", "0123456789abcdef", false,
         "L'exercice donne une clé sans la plage de concentrations où tirer la valeur de "
         "chaque élève."},
        {"damaged key", "0,008;0,012;3", "0123456789abcdeX", false,
         "La clé de l'exercice «\u00A00123456789abcdeX\u00A0» n'est pas valide\u00A0: "
         "elle compte seize chiffres hexadécimaux."},
        {"damaged range", "0,008;0,012", "0123456789abcdef", false,
         "La plage de concentrations «\u00A00,008;0,012\u00A0» n'a pas trois parties "
         "séparées par «\u00A0;\u00A0»\u00A0: la plus basse, la plus haute et le nombre de "
         "chiffres significatifs."},
    };
    for (const Row& r : rows) {
        const auto read = grading::readUnknownRecords(r.range, r.key);
        EXPECT_EQ(read.reason, r.reason) << r.name;
        ASSERT_EQ(read.value.has_value(), std::string(r.reason).empty()) << r.name;
        if (read) {
            EXPECT_EQ(read->has_value(), r.hasUnknown) << r.name;
            if (r.hasUnknown) {
                EXPECT_EQ(**read, unknown) << r.name;
            }
        }
    }
}

TEST(UnknownRecords, OlderExerciseFileHasNoUnknown) {
    // An exercise file of records 1 to 13, as the program wrote them before: records 14 and
    // 15 lie past its end and read as nothing.
    files::RecordFile file;
    for (int r = 1; r <= 13; ++r)
        ASSERT_EQ(file.write(r, r == 13 ? "1" : "X"), files::RecordStatus::Ok);
    const files::RecordText range = file.read(grading::rangeRecord);
    const files::RecordText key = file.read(grading::keyRecord);
    EXPECT_EQ(range.status, files::RecordStatus::Unreadable);
    const auto read = grading::readUnknownRecords(range.text, key.text);
    ASSERT_TRUE(read);
    EXPECT_FALSE(read->has_value());
}

TEST(UnknownRecords, WrittenRecordsReadBackTheSameUnknown) {
    const ExerciseUnknown unknown{{0.00805, 0.0123, 2}, grading::makeKey(2024)};
    files::RecordFile file;
    ASSERT_EQ(file.write(grading::rangeRecord, grading::rangeText(unknown.range)),
              files::RecordStatus::Ok);
    ASSERT_EQ(file.write(grading::keyRecord, grading::keyText(unknown.key)),
              files::RecordStatus::Ok);
    const files::RecordFile reopened(file.bytes());
    EXPECT_EQ(reopened.recordCount(), 15);
    const auto read = grading::readUnknownRecords(reopened.read(grading::rangeRecord).text,
                                                  reopened.read(grading::keyRecord).text);
    ASSERT_TRUE(read && read->has_value()) << read.reason;
    EXPECT_EQ(**read, unknown);
}

} // namespace
