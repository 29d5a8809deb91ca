// SPDX-License-Identifier: GPL-3.0-or-later
// Files saved together: all of them replaced, or the folder left exactly as it was, whatever
// fails and wherever it fails.
#include "files/save_together.h"

#include "tempfolder.h"

#include <gtest/gtest.h>

#include <map>

namespace {

namespace fs = std::filesystem;
using files::FileToSave;
using files::SaveProblem;
using testing_files::contentOf;
using testing_files::putContent;
using testing_files::TempFolder;

// Every entry of a folder, with its kind, permissions and content.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const fs::path relative = fs::relative(entry.path(), folder);
        std::string what = std::to_string(int(entry.status().permissions())) + ":";
        what += entry.is_directory() ? "folder" : contentOf(entry.path().string());
        entries[relative.string()] = what;
    }
    return entries;
}

std::vector<FileToSave> exercise(const TempFolder& dir) {
    return {{dir.file("DOSAGE.RTF"), "{\\rtf1 nouveau}"},
            {dir.file("DOSAGE.C17"), "configuration nouvelle"},
            {dir.file("DOSAGE.E44"), "exercice nouveau"}};
}

TEST(SaveTogether, NewFilesAreAllWritten) {
    TempFolder dir;
    EXPECT_FALSE(files::saveFilesTogether(exercise(dir)).has_value());
    EXPECT_EQ(contentOf(dir.file("DOSAGE.RTF")), "{\\rtf1 nouveau}");
    EXPECT_EQ(contentOf(dir.file("DOSAGE.E44")), "exercice nouveau");
    EXPECT_EQ(snapshot(dir.path()).size(), 3u) << "no temporary file left";
}

TEST(SaveTogether, ReplacedFilesKeepTheirPermissions) {
    TempFolder dir;
    putContent(dir.file("DOSAGE.C17"), "ancienne");
    fs::permissions(dir.file("DOSAGE.C17"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_FALSE(files::saveFilesTogether(exercise(dir)).has_value());
    EXPECT_EQ(contentOf(dir.file("DOSAGE.C17")), "configuration nouvelle");
    EXPECT_EQ(fs::status(dir.file("DOSAGE.C17")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(snapshot(dir.path()).size(), 3u);
}

// A folder that bears the name of one of the files: nothing is written, the message names
// that file.
TEST(SaveTogether, AFolderInThePlaceOfAFileStopsEverything) {
    for (const char* name : {"DOSAGE.RTF", "DOSAGE.C17", "DOSAGE.E44"}) {
        SCOPED_TRACE(name);
        TempFolder dir;
        putContent(dir.file("AUTRE.RTF"), "un autre texte");
        fs::create_directory(dir.file(name));
        const auto before = snapshot(dir.path());
        const auto failure = files::saveFilesTogether(exercise(dir));
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->path, dir.file(name));
        EXPECT_EQ(failure->problem, SaveProblem::NotAFile);
        EXPECT_EQ(snapshot(dir.path()), before);
    }
}

TEST(SaveTogether, AMissingFolderIsSaid) {
    TempFolder dir;
    const auto failure = files::saveFilesTogether({{dir.file("absent/DOSAGE.E44"), "x"}});
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->problem, SaveProblem::FolderMissing);
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

// The replacement fails at each of its renames in turn: what was replaced before is put back.
TEST(SaveTogether, AReplacementThatFailsHalfWayIsUndone) {
    for (int failing = 0; failing < 5; ++failing) {
        SCOPED_TRACE("rename " + std::to_string(failing) + " fails");
        TempFolder dir;
        putContent(dir.file("DOSAGE.RTF"), "ancien énoncé");
        putContent(dir.file("DOSAGE.E44"), "ancien exercice");
        putContent(dir.file("AUTRE.RTF"), "un autre texte");
        const auto before = snapshot(dir.path());
        int renames = 0;
        const auto failure = files::saveFilesTogether(
            exercise(dir), [&](const std::string& from, const std::string& to) {
                if (renames++ == failing) return false;
                std::error_code ec;
                fs::rename(from, to, ec);
                return !ec;
            });
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(snapshot(dir.path()), before);
    }
}

TEST(SaveTogether, ThroughALinkTheFileLinkedIsReplaced) {
    TempFolder dir;
    fs::create_directory(dir.file("textes"));
    putContent(dir.file("textes/vrai.rtf"), "ancien");
    fs::create_symlink(dir.file("textes/vrai.rtf"), dir.file("DOSAGE.RTF"));
    EXPECT_FALSE(files::saveFilesTogether(exercise(dir)).has_value());
    EXPECT_TRUE(fs::is_symlink(dir.file("DOSAGE.RTF")));
    EXPECT_EQ(contentOf(dir.file("textes/vrai.rtf")), "{\\rtf1 nouveau}");
}

// Whether this user is held by the permissions of files (the system's administrator is not).
bool permissionsEnforced() {
    TempFolder dir;
    putContent(dir.file("lu"), "");
    fs::permissions(dir.file("lu"), fs::perms::owner_read);
    std::FILE* probe = std::fopen(dir.file("lu").c_str(), "ab");
    if (probe) std::fclose(probe);
    return !probe;
}

TEST(SaveTogether, ProtectedFilesAndFoldersLeaveEverythingAsItWas) {
    if (!permissionsEnforced()) GTEST_SKIP() << "permissions are not enforced for this user";
    struct Row {
        const char* name;
        const char* protect; // "" for the folder itself
        SaveProblem problem;
    } rows[] = {
        {"a read-only exercise file", "DOSAGE.E44", SaveProblem::FileProtected},
        {"a read-only statement", "DOSAGE.RTF", SaveProblem::FileProtected},
        {"a folder that cannot be written", "", SaveProblem::FolderProtected},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder dir;
        putContent(dir.file("DOSAGE.RTF"), "ancien énoncé");
        putContent(dir.file("DOSAGE.E44"), "ancien exercice");
        const fs::path target = *row.protect ? fs::path(dir.file(row.protect)) : dir.path();
        fs::permissions(target,
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
        const auto before = snapshot(dir.path());
        const auto failure = files::saveFilesTogether(exercise(dir));
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->problem, row.problem);
        EXPECT_EQ(snapshot(dir.path()), before);
        fs::permissions(dir.path(), fs::perms::owner_all, fs::perm_options::add);
    }
}

} // namespace
