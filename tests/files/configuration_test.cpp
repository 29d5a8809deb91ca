// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/configuration.h"
#include "files/recordfile.h"
#include "files/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace {

using files::LoadResult;
using files::SituationTable;
using files::WriteResult;
using testing_files::contentOf;
using testing_files::putContent;
using testing_files::TempFolder;

// One record as the layout gives it: length low byte, high byte, the text, zero filler.
std::string record(const std::string& cp1252) {
    std::string r;
    r += static_cast<char>(cp1252.size());
    r += '\0';
    r += cp1252;
    r.resize(128, '\0');
    return r;
}

// The file of a table whose situations all hold the start values.
std::string startValuesFile() {
    std::string bytes = record("TITRAGE");
    for (int s = 0; s < 10; ++s)
        for (const char* text : {"0,01", "0,005", "0,05", "10", "20,0", "0,0", "0", "2", "1"})
            bytes += record(text);
    return bytes;
}

// A table whose every entry differs from the start values and from its neighbours.
SituationTable distinctTable() {
    SituationTable t;
    for (int s = 0; s < 10; ++s) {
        for (int k = 0; k < 6; ++k)
            t.texts[s][k] = std::to_string(s) + "," + std::to_string(k);
        t.choices[s] = {0, static_cast<std::int16_t>(s == 3 ? -1 : s),
                        static_cast<std::int16_t>(s % 6), static_cast<std::int16_t>(5 - s % 6),
                        static_cast<std::int16_t>(s % 2)};
    }
    t.texts[4][0] = "Œuvre à 5 € — « é »";
    return t;
}

TEST(Configuration, StartValuesAreWrittenByteForByte) {
    TempFolder folder;
    const auto path = folder.file("depart.C17");
    ASSERT_EQ(files::writeConfiguration(path, SituationTable()), WriteResult::Ok);
    const std::string bytes = contentOf(path);
    EXPECT_EQ(bytes.substr(0, 9), std::string("\x07\x00TITRAGE", 9));
    EXPECT_EQ(bytes.size(), 91u * 128u);
    EXPECT_EQ(bytes, startValuesFile());
    // The same bytes, built in memory for a file written elsewhere (an exercise's).
    EXPECT_EQ(files::configurationBytes(SituationTable()), startValuesFile());
}

TEST(Configuration, AWholeTableComesBackAsItWasSaved) {
    TempFolder folder;
    const auto path = folder.file("table.C17");
    const SituationTable saved = distinctTable();
    ASSERT_EQ(files::writeConfiguration(path, saved), WriteResult::Ok);

    SituationTable loaded;
    for (auto& c : loaded.choices)
        c[4] = 7; // not in the file: must survive the load
    loaded.current = 5;
    ASSERT_EQ(files::readConfiguration(path, loaded), LoadResult::Ok);
    EXPECT_EQ(loaded.texts, saved.texts);
    for (int s = 0; s < 10; ++s) {
        for (int j = 1; j <= 3; ++j)
            EXPECT_EQ(loaded.choices[s][j], saved.choices[s][j]);
        EXPECT_EQ(loaded.choices[s][4], 7);
    }
    EXPECT_EQ(loaded.current, 5);
    EXPECT_EQ(files::readRecord(path, 8 + 9 * 3).text, "-1");
}

TEST(Configuration, AFailedSaveKeepsTheFileThatWasThere) {
    TempFolder folder;
    const auto path = folder.file("ancien.C17");
    ASSERT_EQ(files::writeConfiguration(path, SituationTable()), WriteResult::Ok);
    const std::string before = contentOf(path);

    SituationTable tooLong = distinctTable();
    tooLong.texts[9][5] = std::string(127, '9'); // in the last situation: late in the write
    EXPECT_EQ(files::writeConfiguration(path, tooLong), WriteResult::CannotWrite);
    SituationTable foreign = distinctTable();
    foreign.texts[6][2] = "0,1 Ω";
    EXPECT_EQ(files::writeConfiguration(path, foreign), WriteResult::CannotWrite);
    EXPECT_EQ(contentOf(path), before);
    EXPECT_FALSE(files::configurationBytes(tooLong));
    EXPECT_FALSE(files::configurationBytes(foreign));

    std::filesystem::create_directory(folder.path() / "dossier.C17");
    EXPECT_EQ(files::writeConfiguration(folder.file("dossier.C17"), SituationTable()),
              WriteResult::CannotWrite);
}

TEST(Configuration, BadFilesLeaveTheTableAlone) {
    TempFolder folder;
    const std::string good = startValuesFile();
    std::string lowerCase = good;
    lowerCase.replace(2, 7, "titrage");
    std::string longFirst = good;
    longFirst[0] = 127;
    std::string shortSignature = good;
    shortSignature[0] = 6; // "TITRAG"
    std::mt19937 generator(1234);
    std::string noise(91 * 128, '\0');
    for (char& c : noise)
        c = static_cast<char>(generator());
    noise[1] = 0x7F; // whatever the seed, the first length stays over 126
    std::filesystem::create_directory(folder.path() / "dossier.C17");

    struct Row {
        const char* name;
        std::string content; // written to a file of that name unless it is a folder
        LoadResult expected;
    };
    const Row rows[] = {
        {"empty", "", LoadResult::InvalidSignature},
        {"cut inside record 1", good.substr(0, 5), LoadResult::CannotRead},
        {"lower-case signature", lowerCase, LoadResult::InvalidSignature},
        {"shorter signature", shortSignature, LoadResult::InvalidSignature},
        {"first length over 126", longFirst, LoadResult::CannotRead},
        {"random bytes", noise, LoadResult::CannotRead},
        {"dossier.C17", "", LoadResult::CannotRead},
        {"missing.C17", "", LoadResult::CannotRead},
    };
    for (const auto& row : rows) {
        const std::string name = row.name;
        const auto path = folder.file(name);
        if (name != "dossier.C17" && name != "missing.C17") putContent(path, row.content);
        SituationTable table = distinctTable();
        const LoadResult result = files::readConfiguration(path, table);
        EXPECT_EQ(result, row.expected) << name;
        EXPECT_EQ(table.texts, distinctTable().texts) << name;
        EXPECT_EQ(table.choices, distinctTable().choices) << name;
    }
}

TEST(Configuration, DamageAfterTheSignatureStillLoads) {
    TempFolder folder;
    std::string bytes = startValuesFile();
    bytes[128 * 2] = 127;                                   // record 3: length over 126
    bytes.replace(128 * 7, 3, std::string("\x03\x00x", 3)); // record 8: a text cut by its end
    bytes.resize(128 * 20 + 4);                             // situations 3 to 10 missing
    const auto path = folder.file("abime.C17");
    putContent(path, bytes);

    SituationTable table = distinctTable();
    ASSERT_EQ(files::readConfiguration(path, table), LoadResult::Ok);
    EXPECT_EQ(table.texts[0][0], "0,01");
    EXPECT_EQ(table.texts[0][1], "");     // record 3
    EXPECT_EQ(table.choices[0][1], 0);    // record 8 unreadable: 0
    EXPECT_EQ(table.texts[1][5], "0,0");  // record 16, whole
    EXPECT_EQ(table.texts[2][0], "0,01"); // record 20, whole
    EXPECT_EQ(table.texts[2][1], "");     // record 21, cut by the end
    EXPECT_EQ(table.texts[9][3], "");
    EXPECT_EQ(table.choices[9][2], 0);
    EXPECT_EQ(table.choices[9][4], distinctTable().choices[9][4]);
}

TEST(Configuration, RecordsPastTheNinetyFirstAreIgnored) {
    TempFolder folder;
    const auto path = folder.file("long.C17");
    putContent(path, startValuesFile() + record("junk") + std::string(1000, 'z'));
    SituationTable table = distinctTable();
    ASSERT_EQ(files::readConfiguration(path, table), LoadResult::Ok);
    EXPECT_EQ(table.texts, SituationTable().texts);
}

TEST(Configuration, ValuesOutsideTheBenchLimitsAreLoadedAsTheyStand) {
    TempFolder folder;
    SituationTable odd;
    odd.texts[0] = {"5", "7,5", "-3", "abc", "", "99"};
    odd.choices[0] = {0, 15, -4, 300, 0};
    const auto path = folder.file("hors.C17");
    ASSERT_EQ(files::writeConfiguration(path, odd), WriteResult::Ok);
    SituationTable loaded;
    ASSERT_EQ(files::readConfiguration(path, loaded), LoadResult::Ok);
    EXPECT_EQ(loaded.texts[0], odd.texts[0]);
    EXPECT_EQ(loaded.choices[0][1], 15);
    EXPECT_EQ(loaded.choices[0][2], -4);
    EXPECT_EQ(loaded.choices[0][3], 300);
}

TEST(Configuration, PositionTextsReadAsTheirLeadingNumber) {
    struct Row {
        const char* text;
        int value;
    };
    const Row rows[] = {
        {"0", 0},         {"2", 2},      {"-1", -1},       {"", 0},
        {"abc", 0},       {"   3", 3},   {"\t4", 4},       {"+4", 4},
        {"7x", 7},        {"1,9", 1},    {"2.5", 2},       {"3.5", 4},
        {"-2.5", -2},     {"1.5", 2},    {".5", 0},        {"0.51", 1},
        {"1e1", 10},      {"1e", 1},     {"2E+1", 20},     {"e5", 0},
        {"-", 0},         {". 5", 0},    {"99999", 32767}, {"-99999", -32768},
        {"1e400", 32767}, {"1e-400", 0}, {"3 4", 3},       {"1D1", 10},
    };
    for (const auto& row : rows)
        EXPECT_EQ(files::positionValue(row.text), row.value) << row.text;
}

} // namespace
