// SPDX-License-Identifier: GPL-3.0-or-later
// The word that stands for a student's unknown in the configurations of an exercise.
#include "files/configuration.h"
#include "files/recordfile.h"
#include "files/unknown_sample.h"

#include <gtest/gtest.h>

namespace {

using files::SituationTable;

// A table whose every text differs from its neighbours.
SituationTable distinctTable() {
    SituationTable t;
    for (int s = 0; s < files::situationCount; ++s) {
        for (int k = 0; k < 6; ++k)
            t.texts[s][k] = std::to_string(s) + "," + std::to_string(k + 1);
        t.choices[s] = {0, static_cast<std::int16_t>(s), static_cast<std::int16_t>(s % 6),
                        static_cast<std::int16_t>(5 - s % 6), 0};
    }
    return t;
}

TEST(UnknownSample, TheWordIsKnownWithBlanksAroundAndInItsOwnCase) {
    struct Row {
        const char* name;
        const char* text;
        bool unknown;
    } rows[] = {
        {"the word", "inconnue", true},
        {"blanks around", "  inconnue\t", true},
        {"capital", "Inconnue", false},
        {"masculine", "inconnu", false},
        {"a value", "0,0123", false},
        {"empty", "", false},
        {"word inside a text", "c2 inconnue", false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(files::isUnknownSample(row.text), row.unknown) << row.name;
}

TEST(UnknownSample, TheTableKeepsEverythingButTheConcentrationToFind) {
    const SituationTable before = distinctTable();
    SituationTable table = before;
    files::markUnknownSample(table);
    for (int s = 0; s < files::situationCount; ++s) {
        EXPECT_EQ(table.texts[s][0], "inconnue") << s;
        for (int k = 1; k < 6; ++k)
            EXPECT_EQ(table.texts[s][k], before.texts[s][k]) << s << ' ' << k;
        EXPECT_EQ(table.choices[s], before.choices[s]) << s;
    }
}

TEST(UnknownSample, TheFileKeepsEveryOtherByte) {
    const std::string bytes = *files::configurationBytes(distinctTable());
    const auto marked = files::markUnknownSample(bytes);
    ASSERT_TRUE(marked);
    ASSERT_EQ(marked->size(), bytes.size());
    // Only the records 2 + 9s differ.
    for (std::size_t r = 0; r < bytes.size() / files::recordSize; ++r) {
        const bool sample = r >= 1 && (r - 1) % 9 == 0;
        const std::string a = bytes.substr(r * files::recordSize, files::recordSize);
        const std::string b = marked->substr(r * files::recordSize, files::recordSize);
        EXPECT_EQ(a != b, sample) << "record " << r + 1;
    }
    SituationTable read;
    ASSERT_EQ(files::readConfigurationBytes(*marked, read), files::LoadResult::Ok);
    SituationTable expected = distinctTable();
    files::markUnknownSample(expected);
    EXPECT_EQ(read.texts, expected.texts);
}

TEST(UnknownSample, AShortFileGrowsItsRecordsAndAFileOfAnotherKindIsRefused) {
    files::RecordFile signatureOnly;
    signatureOnly.write(1, "TITRAGE");
    const auto grown = files::markUnknownSample(signatureOnly.bytes());
    ASSERT_TRUE(grown);
    SituationTable read;
    ASSERT_EQ(files::readConfigurationBytes(*grown, read), files::LoadResult::Ok);
    for (int s = 0; s < files::situationCount; ++s) {
        EXPECT_EQ(read.texts[s][0], "inconnue") << s;
        EXPECT_EQ(read.texts[s][1], "") << s;
    }

    // Cut in the middle of record 5 (situation 1's fourth text, "1,4"): it reads as nothing,
    // and still does once the records after it are written.
    const std::string whole = *files::configurationBytes(distinctTable());
    const std::string cut = whole.substr(0, 4 * files::recordSize + 3);
    SituationTable before;
    ASSERT_EQ(files::readConfigurationBytes(cut, before), files::LoadResult::Ok);
    ASSERT_EQ(before.texts[0][3], "");
    const auto completed = files::markUnknownSample(cut);
    ASSERT_TRUE(completed);
    SituationTable after;
    ASSERT_EQ(files::readConfigurationBytes(*completed, after), files::LoadResult::Ok);
    EXPECT_EQ(after.texts[0][1], "0,2");
    EXPECT_EQ(after.texts[0][3], "");
    EXPECT_EQ(after.texts[0][0], "inconnue");

    files::RecordFile other;
    other.write(1, "titrage");
    EXPECT_FALSE(files::markUnknownSample(other.bytes()));
    EXPECT_FALSE(files::markUnknownSample(""));
    EXPECT_FALSE(files::markUnknownSample(std::string(5, '\x07')));
}

} // namespace
