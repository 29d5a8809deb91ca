// SPDX-License-Identifier: GPL-3.0-or-later
#include "control_words.h"

#include <unordered_set>

namespace rtf {

bool isSkippedDestination(std::string_view word) {
    // Every control word of the body is looked up here: by its hash, not word by word.
    static const std::unordered_set<std::string_view> words = {"annotation",
                                                               "atnauthor",
                                                               "atnid",
                                                               "author",
                                                               "bkmkend",
                                                               "bkmkstart",
                                                               "colorschememapping",
                                                               "comment",
                                                               "company",
                                                               "datastore",
                                                               "do",
                                                               "doccomm",
                                                               "docvar",
                                                               "filetbl",
                                                               "fldtype",
                                                               "footer",
                                                               "footerf",
                                                               "footerl",
                                                               "footerr",
                                                               "footnote",
                                                               "generator",
                                                               "header",
                                                               "headerf",
                                                               "headerl",
                                                               "headerr",
                                                               "info",
                                                               "keywords",
                                                               "latentstyles",
                                                               "listoverridetable",
                                                               "listtable",
                                                               "mmathPr",
                                                               "nonesttables",
                                                               "nonshppict",
                                                               "objdata",
                                                               "operator",
                                                               "pgdsctbl",
                                                               "pn",
                                                               "pnseclvl",
                                                               "private",
                                                               "revtbl",
                                                               "rsidtbl",
                                                               "shpinst",
                                                               "stylesheet",
                                                               "subject",
                                                               "tc",
                                                               "template",
                                                               "themedata",
                                                               "title",
                                                               "txe",
                                                               "userprops",
                                                               "xe",
                                                               "xmlnstbl"};
    return words.count(word) != 0;
}

char16_t specialCharacter(std::string_view word) {
    struct Entry {
        std::string_view word;
        char16_t c;
    };
    static constexpr Entry entries[] = {
        {"tab", u'\t'},      {"line", 0x2028},    {"emdash", 0x2014},    {"endash", 0x2013},
        {"emspace", 0x2003}, {"enspace", 0x2002}, {"qmspace", 0x2005},   {"bullet", 0x2022},
        {"lquote", 0x2018},  {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
        {"zwj", 0x200D},     {"zwnj", 0x200C},    {"zwbo", 0x200B},      {"ltrmark", 0x200E},
        {"rtlmark", 0x200F}};
    for (const Entry& e : entries)
        if (e.word == word) return e.c;
    return 0;
}

int documentCodePage(std::string_view word, bool hasParam, int param) {
    if (word == "ansi") return 1252;
    if (word == "mac") return 10000;
    if (word == "pc") return 437;
    if (word == "pca") return 850;
    if (word == "ansicpg") return hasParam && param > 0 ? param : 1252;
    return 0;
}

} // namespace rtf
