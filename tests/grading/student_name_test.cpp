// SPDX-License-Identifier: GPL-3.0-or-later
// A student's name: what makes two typings the same name, and the name as listed.
#include "grading/student_name.h"

#include <gtest/gtest.h>

namespace {

using grading::cleanName;
using grading::normaliseName;

TEST(StudentNames, NormalFormDropsCaseAccentsAndExtraBlanks) {
    // The words come out in the order of their bytes.
    struct Row {
        const char* name;
        const char* typed;
        const char* expected;
    } rows[] = {
        {"plain", "lea martin", "lea martin"},
        {"capitals and accents", "LÉA MARTIN", "lea martin"},
        {"blanks around and inside", "  Léa \t  Martin  ", "lea martin"},
        {"no-break spaces", "\u00A0Léa\u202FMartin\u00A0", "lea martin"},
        {"ligature oe", "Éloïse LE CŒUR", "coeur eloise le"},
        {"ligature ae and sharp s", "Lætitia Strauß", "laetitia strauss"},
        {"cedilla", "FRANÇOIS Garçon", "francois garcon"},
        {"every French vowel", "àâäéèêëîïôöùûüÿ", "aaaeeeeiioouuuy"},
        {"every French capital", "ÀÂÄÉÈÊËÎÏÔÖÙÛÜŸ", "aaaeeeeiioouuuy"},
        {"decomposed accents", "Le\u0301a Mu\u0308ller", "lea muller"},
        {"Latin Extended-A", "Łukasz Dvořák Ğül Ōtsuka", "dvorak gul lukasz otsuka"},
        {"stroke and dotless letters", "Øyvind Đặng İlkay ılgın", "dang ilgin ilkay oyvind"},
        {"Romanian comma below", "Ștefan Țurcanu", "stefan turcanu"},
        {"Vietnamese", "Nguyễn Thị Phương", "nguyen phuong thi"},
        {"thorn and eth", "Þórður Guðmundsson", "gudmundsson thordur"},
        {"typographic apostrophe", "N\u2019Diaye D’Artagnan", "artagnan d diaye n"},
        {"dashes", "Jean\u2011Pierre Marie\u2013Claire", "claire jean marie pierre"},
        {"hyphen as a blank", "Jean-Pierre", "jean pierre"},
        {"invisible characters", "\uFEFFLé\u00ADa\u200B Martin", "lea martin"},
        {"digits and other scripts kept", "Élève 2 Ωмега", "2 eleve Ωмега"},
        {"multiplication sign kept", "A×B", "a×b"},
        {"not UTF-8",
         "L\xE9"
         "a",
         "l\uFFFDa"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(normaliseName(r.typed), r.expected) << r.name;
}

TEST(StudentNames, OneStudentOneName) {
    // Typings of one name: the order of the words and the punctuation do not count.
    struct Row {
        const char* name;
        const char* first;
        const char* second;
    } rows[] = {
        {"word order", "Marie Dupont", "Dupont Marie"},
        {"three words", "Éloïse Le Cœur", "Le Cœur Éloïse"},
        {"surname first in capitals", "DUPONT Marie", "marie dupont"},
        {"full stop", "Alice Martin.", "Alice Martin"},
        {"comma between the surname and the name", "Dupont, Marie", "Marie Dupont"},
        {"brackets and quotes", "Marie \"Mimi\" (Dupont)", "Dupont Marie Mimi"},
        {"guillemets and ellipsis", "«\u00A0Marie\u00A0» Dupont…", "Marie Dupont"},
        {"hyphen", "Jean-Luc Picard", "Jean Luc Picard"},
        {"non-breaking hyphen", "Jean\u2011Luc Picard", "Jean Luc Picard"},
        {"hyphen and word order", "Picard Jean-Luc", "Jean Luc Picard"},
        {"minus sign for a hyphen", "Jean\u2212Luc", "Jean Luc"},
        {"apostrophe", "O'Brien", "O Brien"},
        {"typographic apostrophe", "O\u2019Brien", "O'Brien"},
        {"modifier letter apostrophe", "O\u02BCBrien", "O Brien"},
        {"grave accent for an apostrophe", "D`Artagnan", "d artagnan"},
        {"hyphen and blanks around it", "Marie - Claire", "Marie Claire"},
        {"control character", "Marie\x01 Dupont", "Marie Dupont"},
        {"full-width letters", "Ｍａｒｉｅ ＤＵＰＯＮＴ２", "Marie Dupont2"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(normaliseName(r.first), normaliseName(r.second)) << r.name;

    // Two students still: a letter, the cut of the words.
    struct Other {
        const char* name;
        const char* first;
        const char* second;
    } others[] = {
        {"a letter", "Léa Martin", "Léo Martin"},
        {"joined words", "Le Coeur", "Lecoeur"},
        {"a punctuation mark is no blank", "Jean.Luc", "Jean Luc"},
        {"a word twice", "Marie Marie Dupont", "Marie Dupont"},
        {"digits", "Élève 1", "Élève 2"},
    };
    for (const Other& r : others)
        EXPECT_NE(normaliseName(r.first), normaliseName(r.second)) << r.name;
}

TEST(StudentNames, LatinLettersMixedWithAnotherScriptAreRefused) {
    const std::string usable;
    struct Row {
        const char* name;
        const char* typed;
        std::string problem;
    } rows[] = {
        {"Latin", "Alice Martin", usable},
        {"Latin with accents and digits", "Élève 2 Ærø", usable},
        {"wholly Cyrillic", "Иван Петров", usable},
        {"wholly Greek", "Νίκος Παπαδόπουλος", usable},
        {"Greek and Cyrillic, no Latin", "Ωмега", usable},
        {"Chinese", "王小明", usable},
        {"Japanese kana and Chinese characters", "山田 たろう", usable},
        {"a sign is no letter", "A×B µ", usable},
        {"a Cyrillic a among Latin letters", "Alice M\u0430rtin",
         "Le nom mêle l'alphabet latin et l'alphabet cyrillique («\u00A0\u0430\u00A0»)\u00A0: "
         "l'écrire dans un seul alphabet, en le tapant au clavier, car des lettres qui se "
         "ressemblent donneraient une autre valeur."},
        {"a Greek omicron", "R\u03BFmain",
         "Le nom mêle l'alphabet latin et l'alphabet grec («\u00A0\u03BF\u00A0»)\u00A0: "
         "l'écrire dans un seul alphabet, en le tapant au clavier, car des lettres qui se "
         "ressemblent donneraient une autre valeur."},
        {"a name in each script", "Ivan Петров",
         "Le nom mêle l'alphabet latin et l'alphabet cyrillique («\u00A0П\u00A0»)\u00A0: "
         "l'écrire dans un seul alphabet, en le tapant au clavier, car des lettres qui se "
         "ressemblent donneraient une autre valeur."},
        {"Chinese and Latin", "Wang 小明",
         "Le nom mêle l'alphabet latin et l'écriture chinoise («\u00A0小\u00A0»)\u00A0: "
         "l'écrire dans un seul alphabet, en le tapant au clavier, car des lettres qui se "
         "ressemblent donneraient une autre valeur."},
        {"empty", " \t", "Le nom est vide\u00A0: taper le nom et le prénom de l'élève."},
        {"punctuation only", "- . '",
         "Le nom ne contient ni lettre ni chiffre\u00A0: taper le nom et le prénom de l'élève."},
    };
    for (const Row& r : rows)
        EXPECT_EQ(grading::nameProblem(r.typed), r.problem) << r.name;
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
