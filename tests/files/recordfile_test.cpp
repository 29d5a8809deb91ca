// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/recordfile.h"
#include "files/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using files::RecordStatus;
using testing_files::contentOf;
using testing_files::putContent;
using testing_files::TempFolder;

// The 128 bytes of a record holding the given Windows-1252 bytes.
std::string recordBytes(const std::string& text) {
    std::string r(files::recordSize, '\0');
    r[0] = static_cast<char>(text.size() & 0xFF);
    r[1] = static_cast<char>(text.size() >> 8);
    r.replace(2, text.size(), text);
    return r;
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const auto back = files::utf8ToCp1252(files::cp1252ToUtf8(byte));
        ASSERT_TRUE(back.has_value()) << "byte " << b;
        EXPECT_EQ(*back, byte) << "byte " << b;
    }
}

TEST(Cp1252, MapsTheTypographicBlockAndTheUndefinedBytes) {
    struct Row {
        unsigned char byte;
        const char* utf8;
    };
    const Row rows[] = {
        {0x80, "€"},
        {0x82, "‚"},
        {0x83, "ƒ"},
        {0x84, "„"},
        {0x85, "…"},
        {0x86, "†"},
        {0x87, "‡"},
        {0x88, "ˆ"},
        {0x89, "‰"},
        {0x8A, "Š"},
        {0x8B, "‹"},
        {0x8C, "Œ"},
        {0x8E, "Ž"},
        {0x91, "‘"},
        {0x92, "’"},
        {0x93, "“"},
        {0x94, "”"},
        {0x95, "•"},
        {0x96, "–"},
        {0x97, "—"},
        {0x98, "˜"},
        {0x99, "™"},
        {0x9A, "š"},
        {0x9B, "›"},
        {0x9C, "œ"},
        {0x9E, "ž"},
        {0x9F, "Ÿ"},
        {0xE9, "é"},
        {0xA0, "\u00A0"},
        {0xFF, "ÿ"},
        // Undefined in the code page: Windows maps them to the C1 control of that value.
        {0x81, "\u0081"},
        {0x8D, "\u008D"},
        {0x8F, "\u008F"},
        {0x90, "\u0090"},
        {0x9D, "\u009D"},
    };
    for (const auto& row : rows) {
        const std::string byte(1, static_cast<char>(row.byte));
        EXPECT_EQ(files::cp1252ToUtf8(byte), row.utf8) << int(row.byte);
        EXPECT_EQ(files::utf8ToCp1252(row.utf8), byte) << int(row.byte);
    }
}

TEST(Cp1252, RefusesWhatTheCodePageCannotHold) {
    const char* refused[] = {
        "\u0080",           // a C1 control that the code page does not map
        "Ω",                // Greek
        "\xF0\x9F\x98\x80", // outside the basic plane
        "a\xC3",            // cut UTF-8 sequence
        "\xC0\xAF",         // overlong form
        "\xED\xA0\x80",     // a surrogate
    };
    for (const char* text : refused)
        EXPECT_FALSE(files::utf8ToCp1252(text).has_value()) << text;
}

TEST(RecordFileOneShot, WritesTheLayoutAndReadsItBack) {
    TempFolder folder;
    const auto path = folder.file("records.dat");
    ASSERT_EQ(files::writeRecord(path, 2, "é œ €"), RecordStatus::Ok);
    const std::string bytes = contentOf(path);
    ASSERT_EQ(bytes.size(), 2 * files::recordSize);
    EXPECT_EQ(bytes.substr(0, files::recordSize), std::string(files::recordSize, '\0'));
    EXPECT_EQ(bytes.substr(files::recordSize), recordBytes("\xE9 \x9C \x80"));

    const auto back = files::readRecord(path, 2);
    EXPECT_EQ(back.status, RecordStatus::Ok);
    EXPECT_EQ(back.text, "é œ €");
    // The padding record before it reads as an empty text.
    EXPECT_EQ(files::readRecord(path, 1).status, RecordStatus::Ok);
}

TEST(RecordFileOneShot, KeepsTheOtherRecords) {
    TempFolder folder;
    const auto path = folder.file("TEMPlu.TMP");
    ASSERT_EQ(files::writeRecord(path, 24, "OUI"), RecordStatus::Ok);
    ASSERT_EQ(files::writeRecord(path, 31, "exo1.E44"), RecordStatus::Ok);
    ASSERT_EQ(files::writeRecord(path, 24, "NON"), RecordStatus::Ok);
    ASSERT_EQ(files::writeRecord(path, 3, ""), RecordStatus::Ok);
    EXPECT_EQ(files::readRecord(path, 24).text, "NON");
    EXPECT_EQ(files::readRecord(path, 31).text, "exo1.E44");
    EXPECT_EQ(contentOf(path).size(), 31 * files::recordSize);
}

TEST(RecordFileOneShot, RefusesTooLongAndForeignTextsWithoutTouchingTheFile) {
    TempFolder folder;
    const auto path = folder.file("records.dat");
    ASSERT_EQ(files::writeRecord(path, 1, "avant"), RecordStatus::Ok);
    std::string accents;
    for (int i = 0; i < 126; ++i)
        accents += "é"; // 252 bytes of UTF-8, 126 in the code page
    EXPECT_EQ(files::writeRecord(path, 2, accents), RecordStatus::Ok);
    EXPECT_EQ(files::readRecord(path, 2).text, accents);

    const std::string before = contentOf(path);
    EXPECT_EQ(files::writeRecord(path, 1, accents + "é"), RecordStatus::TooLong);
    EXPECT_EQ(files::writeRecord(path, 1, std::string(127, 'a')), RecordStatus::TooLong);
    EXPECT_EQ(files::writeRecord(path, 1, "Ωmega"), RecordStatus::NotEncodable);
    EXPECT_EQ(contentOf(path), before);
}

TEST(RecordFileOneShot, NeverReadsOutsideTheRecord) {
    TempFolder folder;
    const auto path = folder.file("records.dat");
    std::string bytes = recordBytes("TITRAGE");
    std::string overLength = recordBytes("");
    overLength[0] = 127; // a length over 126
    bytes += overLength;
    bytes += std::string("\x0A\x00short", 7); // claims 10 bytes, the file ends after 5
    putContent(path, bytes);

    struct Row {
        const char* name;
        int record;
        RecordStatus status;
    };
    const Row rows[] = {
        {"first", 1, RecordStatus::Ok},
        {"length over 126", 2, RecordStatus::Unreadable},
        {"text cut by the end of the file", 3, RecordStatus::Unreadable},
        {"past the end", 4, RecordStatus::Unreadable},
        {"far past the end", 100000, RecordStatus::Unreadable},
        {"record 0", 0, RecordStatus::Unreadable},
        {"negative", -3, RecordStatus::Unreadable},
    };
    for (const auto& row : rows) {
        const auto r = files::readRecord(path, row.record);
        EXPECT_EQ(r.status, row.status) << row.name;
        if (r.status != RecordStatus::Ok) {
            EXPECT_EQ(r.text, "") << row.name;
        }
    }
    EXPECT_EQ(files::readRecord(folder.file("missing.dat"), 1).status, RecordStatus::OpenFailed);
    EXPECT_EQ(files::readRecord(folder.path().string(), 1).status, RecordStatus::OpenFailed);
    EXPECT_EQ(files::writeRecord(folder.path().string(), 1, "x"), RecordStatus::OpenFailed);
}

TEST(RecordFileInMemory, BuildsReadsAndSavesAWholeFile) {
    TempFolder folder;
    files::RecordFile built;
    ASSERT_EQ(built.write(1, "TITRAGE"), RecordStatus::Ok);
    ASSERT_EQ(built.write(3, "Œuvre"), RecordStatus::Ok);
    EXPECT_EQ(built.recordCount(), 3);
    EXPECT_EQ(built.write(2, std::string(127, 'x')), RecordStatus::TooLong);
    EXPECT_EQ(built.recordCount(), 3);
    const auto path = folder.file("whole.dat");
    ASSERT_EQ(built.save(path), RecordStatus::Ok);
    EXPECT_EQ(contentOf(path), recordBytes("TITRAGE") + recordBytes("") + recordBytes("\x8Cuvre"));

    files::RecordFile loaded;
    ASSERT_EQ(files::RecordFile::load(path, loaded), RecordStatus::Ok);
    EXPECT_EQ(loaded.read(3).text, "Œuvre");
    EXPECT_EQ(loaded.read(4).status, RecordStatus::Unreadable);

    files::RecordFile firstTwo;
    ASSERT_EQ(files::RecordFile::load(path, firstTwo, 2), RecordStatus::Ok);
    EXPECT_EQ(firstTwo.recordCount(), 2);
    EXPECT_EQ(firstTwo.read(3).status, RecordStatus::Unreadable);

    EXPECT_EQ(files::RecordFile::load(folder.file("none"), loaded), RecordStatus::OpenFailed);
    EXPECT_EQ(files::RecordFile::load(folder.path().string(), loaded), RecordStatus::OpenFailed);
}

TEST(SafeSave, ReplacesTheFileAndLeavesNothingBeside) {
    TempFolder folder;
    const auto path = folder.file("config.C17");
    putContent(path, std::string(5000, 'o'));
    ASSERT_EQ(files::saveFileSafely(path, "new"), RecordStatus::Ok);
    EXPECT_EQ(contentOf(path), "new"); // a longer old file does not leave a tail
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(SafeSave, FailsWithoutHarmWhereNothingCanBeWritten) {
    TempFolder folder;
    // A folder in the way of the file, and a folder that does not exist.
    std::filesystem::create_directory(folder.path() / "dir.C17");
    EXPECT_EQ(files::saveFileSafely(folder.file("dir.C17"), "x"), RecordStatus::WriteFailed);
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "dir.C17"));
    EXPECT_EQ(files::saveFileSafely(folder.file("no/such/folder.C17"), "x"),
              RecordStatus::WriteFailed);
}

TEST(SafeSave, KeepsTheOldFileInAProtectedFolder) {
    TempFolder folder;
    const auto path = folder.file("config.C17");
    putContent(path, "old content");
    namespace fs = std::filesystem;
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    {
        std::ofstream probe(folder.file("probe"));
        if (probe) GTEST_SKIP() << "permissions are not enforced for this user";
    }
    EXPECT_EQ(files::saveFileSafely(path, "new content"), RecordStatus::WriteFailed);
    EXPECT_EQ(contentOf(path), "old content");
}

} // namespace

namespace {

TEST(SafeSave, LeavesAProtectedFileAsItIs) {
    TempFolder folder;
    const auto path = folder.file("protege.C17");
    putContent(path, "old content");
    namespace fs = std::filesystem;
    fs::permissions(path, fs::perms::owner_read);
    if (std::ofstream(path, std::ios::app)) GTEST_SKIP() << "permissions are not enforced";
    EXPECT_EQ(files::saveFileSafely(path, "new content"), RecordStatus::WriteFailed);
    EXPECT_EQ(contentOf(path), "old content");
}

} // namespace
