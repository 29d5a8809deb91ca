// SPDX-License-Identifier: GPL-3.0-or-later
// A student's name: what makes two typings the same name, and the name as listed.
#include "grading/student_name.h"

#include <gtest/gtest.h>

namespace {

using grading::cleanName;
using grading::normaliseName;

TEST(StudentNames, NormalFormDropsCaseAccentsAndExtraBlanks) {
    struct Row {
        const char* name;
        const char* typed;
        const char* expected;
    } rows[] = {
        {"plain", "lea martin", "lea martin"},
        {"capitals and accents", "LÉA MARTIN", "lea martin"},
        {"blanks around and inside", "  Léa \t  Martin  ", "lea martin"},
        {"no-break spaces", "\u00A0Léa\u202FMartin\u00A0", "lea martin"},
        {"ligature oe", "Éloïse LE CŒUR", "eloise le coeur"},
        {"ligature ae and sharp s", "Lætitia Strauß", "laetitia strauss"},
        {"cedilla", "FRANÇOIS Garçon", "francois garcon"},
        {"every French vowel", "àâäéèêëîïôöùûüÿ", "aaaeeeeiioouuuy"},
        {"every French capital", "ÀÂÄÉÈÊËÎÏÔÖÙÛÜŸ", "aaaeeeeiioouuuy"},
        {"decomposed accents", "Le\u0301a Mu\u0308ller", "lea muller"},
        {"Latin Extended-A", "Łukasz Dvořák Ğül Ōtsuka", "lukasz dvorak gul otsuka"},
        {"stroke and dotless letters", "Øyvind Đặng İlkay ılgın", "oyvind dang ilkay ilgin"},
        {"Romanian comma below", "Ștefan Țurcanu", "stefan turcanu"},
        {"Vietnamese", "Nguyễn Thị Phương", "nguyen thi phuong"},
        {"thorn and eth", "Þórður Guðmundsson", "thordur gudmundsson"},
        {"typographic apostrophe", "N\u2019Diaye D’Artagnan", "n'diaye d'artagnan"},
        {"dashes", "Jean\u2011Pierre Marie\u2013Claire", "jean-pierre marie-claire"},
        {"hyphen kept", "Jean-Pierre", "jean-pierre"},
        {"invisible characters", "\uFEFFLé\u00ADa\u200B Martin", "lea martin"},
        {"digits and other scripts kept", "Élève 2 Ωмега", "eleve 2 Ωмега"},
        {"multiplication sign kept", "A×B", "a×b"},
        {"not UTF-8",
         "L\xE9"
         "a",
         "l\uFFFDa"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(normaliseName(r.typed), r.expected) << r.name;
}

TEST(StudentNames, WordOrderAndLettersStillCount) {
    struct Row {
        const char* name;
        const char* first;
        const char* second;
    } rows[] = {
        {"word order", "Martin Léa", "Léa Martin"},
        {"a letter", "Léa Martin", "Léo Martin"},
        {"hyphen against space", "Jean-Pierre", "Jean Pierre"},
        {"joined words", "Le Coeur", "Lecoeur"},
    };
    for (const Row& r : rows)
        EXPECT_NE(normaliseName(r.first), normaliseName(r.second)) << r.name;
}

TEST(StudentNames, NameOfBlanksAndInvisiblesIsEmpty) {
    for (const char* typed : {"", " ", "\t\r\n", "\u00A0\u2003", "\uFEFF\u200B", "\u0301"})
        EXPECT_EQ(normaliseName(typed), "") << '"' << typed << '"';
}

TEST(StudentNames, ListedNameKeepsCaseAndAccents) {
    struct Row {
        const char* name;
        const char* typed;
        const char* expected;
    } rows[] = {
        {"as typed", "Léa Martin", "Léa Martin"},
        {"blanks gathered", " \tÉloïse   LE\u00A0CŒUR  ", "Éloïse LE CŒUR"},
        {"decomposed accent kept", "Le\u0301a", "Le\u0301a"},
        {"invisible dropped", "\uFEFFLéa", "Léa"},
        {"blank only", "   ", ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(cleanName(r.typed), r.expected) << r.name;
}

} // namespace
