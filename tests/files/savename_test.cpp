// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/savename.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    const char* name;
    const char* typed;
    const char* folder;
    const char* expected; // "" for the missing-name message
};

void check(const Row* rows, std::size_t count, std::string_view separators) {
    for (std::size_t i = 0; i < count; ++i)
        EXPECT_EQ(files::configurationSavePath(rows[i].typed, rows[i].folder, separators),
                  rows[i].expected)
            << rows[i].name;
}

TEST(SaveName, BuildsTheFullPathOnThisPlatform) {
    const char* tp = "/home/jean.dupont/TP";
    const char* essai = "/home/jean.dupont/TP/essai.C17";
    const Row rows[] = {
        {"bare name", "essai", tp, essai},
        {"other extension", "essai.txt", tp, essai},
        {"own extension", "essai.C17", tp, essai},
        {"two extensions", "essai.old.C17", tp, essai},
        {"blanks around", "  essai.C17  ", tp, essai},
        {"blank before the extension", "essai .txt", tp, essai},
        {"dot in a folder of a full path", essai, "/tmp", essai},
        {"full path without extension", "/srv/classe/titrage", tp, "/srv/classe/titrage.C17"},
        {"folder ending with a separator", "essai", "/tmp/", "/tmp/essai.C17"},
        {"root folder", "essai", "/", "/essai.C17"},
        {"relative path kept as typed", "sous/essai.txt", tp, "sous/essai.C17"},
        {"accented name", "dosage é.C17", tp, "/home/jean.dupont/TP/dosage é.C17"},
        {"empty", "", tp, ""},
        {"blanks", "    ", tp, ""},
        {"extension alone", ".C17", tp, ""},
        {"blanks and an extension", "   .txt  ", tp, ""},
        {"folder alone", "/home/jean.dupont/", tp, ""},
        {"folder and an extension", "/home/jean.dupont/.C17", tp, ""},
    };
    check(rows, std::size(rows), "/");
}

TEST(SaveName, AcceptsBothSeparatorsOnWindows) {
    const Row rows[] = {
        {"bare name", "essai", "C:\\TP", "C:\\TP\\essai.C17"},
        {"drive root", "essai.txt", "C:\\", "C:\\essai.C17"},
        {"full path", "D:\\classe\\titrage", "C:\\TP", "D:\\classe\\titrage.C17"},
        {"dot in a folder", "D:\\a.b\\c.txt", "C:\\TP", "D:\\a.b\\c.C17"},
        {"forward slash", "D:/a.b/c", "C:\\TP", "D:/a.b/c.C17"},
        {"folder alone", "D:\\a.b\\", "C:\\TP", ""},
    };
    check(rows, std::size(rows), "\\/");
}

TEST(SaveName, FolderPartIsRemovedWhenTheFolderChanges) {
    EXPECT_EQ(files::withoutFolderPart("/home/jean.dupont/essai.C17"), "essai.C17");
    EXPECT_EQ(files::withoutFolderPart("essai"), "essai");
    EXPECT_EQ(files::withoutFolderPart("/home/jean/"), "");
    EXPECT_EQ(files::withoutFolderPart("D:\\a\\b.C17", "\\/"), "b.C17");
}

} // namespace
