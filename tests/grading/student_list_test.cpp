// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's list: pasted names, each with its student's value, as text and as CSV.
#include "grading/student_list.h"

#include "grading/student_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using grading::ConcentrationRange;
using grading::ExerciseUnknown;
using grading::StudentValue;

const ConcentrationRange classRange{0.008, 0.012, 3};
const ExerciseUnknown unknown{classRange, grading::ExerciseKey{0x0123456789abcdef}};

std::vector<std::string> names(const std::vector<StudentValue>& students) {
    std::vector<std::string> out;
    for (const StudentValue& s : students)
        out.push_back(s.name);
    return out;
}

TEST(StudentList, PastedLinesBlankLinesAndRepeatedNames) {
    const char* pasted = "Léa Martin\r\n"
                         "\r\n"
                         "  Éloïse   Le Cœur \n"
                         "LEA MARTIN\n"
                         "\t\u00A0\n"
                         "Tom\r"
                         "\uFEFF\n"
                         "tom ";
    const auto list = grading::studentValues(pasted, unknown);
    ASSERT_TRUE(list) << list.reason;
    EXPECT_EQ(names(list->students),
              (std::vector<std::string>{"Léa Martin", "Éloïse Le Cœur", "Tom"}));
    EXPECT_EQ(list->repeated, (std::vector<std::string>{"LEA MARTIN", "tom"}));
    // The values of the draw's own test, as each student's program draws them.
    EXPECT_EQ(list->students[0].concentration, 0.0119);
    EXPECT_EQ(list->students[1].concentration, 0.00857);
    EXPECT_EQ(list->students[2].concentration, *grading::drawConcentration(unknown, "TOM"));
}

TEST(StudentList, OneValueAStudentAndRefusedLinesReported) {
    const char* pasted = "Marie Dupont\n"
                         "Dupont Marie\n"
                         "Alice Martin.\n"
                         "Alice Martin\n"
                         "Alice M\u0430rtin\n"
                         "* * *\n"
                         "O'Brien Kate\n"
                         "Kate O Brien";
    const auto list = grading::studentValues(pasted, unknown);
    ASSERT_TRUE(list) << list.reason;
    EXPECT_EQ(names(list->students),
              (std::vector<std::string>{"Marie Dupont", "Alice Martin.", "O'Brien Kate"}));
    EXPECT_EQ(list->repeated,
              (std::vector<std::string>{"Dupont Marie", "Alice Martin", "Kate O Brien"}));
    const std::vector<grading::RefusedName> refused = {
        {"Alice M\u0430rtin", grading::nameProblem("Alice M\u0430rtin")},
        {"* * *", "Le nom ne contient ni lettre ni chiffre\u00A0: taper le nom et le prénom de "
                  "l'élève."}};
    EXPECT_EQ(list->refused, refused);
    EXPECT_EQ(list->students[1].concentration,
              *grading::drawConcentration(unknown, "alice martin"));
}

TEST(StudentList, NothingPasted) {
    for (const char* pasted : {"", "\n\n", "  \r\n\t"}) {
        const auto list = grading::studentValues(pasted, unknown);
        ASSERT_TRUE(list);
        EXPECT_TRUE(list->students.empty());
        EXPECT_TRUE(list->repeated.empty());
        EXPECT_TRUE(list->refused.empty());
    }
}

TEST(StudentList, RefusedRange) {
    const auto list = grading::studentValues("Léa", {{0.012, 0.008, 3}, unknown.key});
    EXPECT_FALSE(list);
    EXPECT_EQ(list.reason, "La concentration la plus basse (0,012\u00A0mol/L) dépasse la plus "
                           "haute (0,008\u00A0mol/L).");
}

TEST(StudentList, CsvAsTheProgramWritesIt) {
    const std::vector<StudentValue> students = {
        {"Léa Martin", 0.0119},
        {"Dupont; Marie", 0.0086},
        {"Le \"Grand\" Tom", 0.012},
    };
    EXPECT_EQ(grading::studentValuesCsv(students, classRange),
              "\xEF\xBB\xBF"
              "Nom et prénom;c2 (mol/L)\r\n"
              "Léa Martin;0,0119\r\n"
              "\"Dupont; Marie\";0,00860\r\n"
              "\"Le \"\"Grand\"\" Tom\";0,0120\r\n");
}

TEST(StudentList, ClipboardTextWithTabs) {
    const std::vector<StudentValue> students = {{"Dupont; Marie", 0.0086}, {"Zoé", 0.00999}};
    EXPECT_EQ(grading::studentValuesText(students, {0.008, 0.012, 2}, "\t", "\n"),
              "Nom et prénom\tc2 (mol/L)\n"
              "Dupont; Marie\t0,0086\n"
              "Zoé\t0,010\n");
    EXPECT_EQ(grading::studentValuesText({}, classRange, "\t", "\n"),
              "Nom et prénom\tc2 (mol/L)\n");
}

} // namespace
