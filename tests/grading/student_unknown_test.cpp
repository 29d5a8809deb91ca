// SPDX-License-Identifier: GPL-3.0-or-later
// Each student's concentration, drawn in the exercise's range from its key and the name.
#include "grading/student_unknown.h"

#include "grading/student_name.h"

#include "numbers/reading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>

namespace {

using grading::ConcentrationRange;
using grading::ExerciseKey;
using grading::ExerciseUnknown;

const ExerciseKey key{0x0123456789abcdef};
const ConcentrationRange classRange{0.008, 0.012, 3};

double drawn(const ConcentrationRange& range, const char* name) {
    const grading::Outcome<double> value = grading::drawConcentration({range, key}, name);
    EXPECT_TRUE(value) << name << ": " << value.reason;
    return value.value.value_or(-1);
}

TEST(StudentUnknown, TwoNamesTwoValuesAndTheSameNameTheSameValue) {
    const double lea = drawn(classRange, "Léa Martin");
    const double eloise = drawn(classRange, "Éloïse Le Cœur");
    EXPECT_NE(lea, eloise);
    for (const char* typed : {"Léa Martin", "LÉA MARTIN", "lea martin", "  Léa   Martin ",
                              "Le\u0301a Martin", "LEA\u00A0MARTIN"})
        EXPECT_EQ(drawn(classRange, typed), lea) << typed;
    for (const char* typed : {"Éloïse Le Cœur", "ELOISE LE COEUR", "eloise le coeur",
                              "Le Cœur Éloïse", "Le Cœur, Éloïse."})
        EXPECT_EQ(drawn(classRange, typed), eloise) << typed;
}

TEST(StudentUnknown, ValuesFollowThePublishedDraw) {
    // x = lowest + f × (highest − lowest) with the fractions of the key's test, then written
    // with the range's digits: for "lea martin" f = 0,98143805..., for "coeur eloise le"
    // f = 0,14361524...
    struct Row {
        const char* name;
        ConcentrationRange range;
        const char* student;
        double expected;
    } rows[] = {
        {"three digits, high", classRange, "Léa Martin", 0.0119},      // x = 0,0119258
        {"three digits, low", classRange, "Éloïse Le Cœur", 0.00857},  // x = 0,0085745
        {"six digits", {0.1, 0.2, 6}, "Léa Martin", 0.198144},         // x = 0,1981438
        {"one digit", {0.0001, 0.0002, 1}, "Éloïse Le Cœur", 0.0001},  // x = 0,0001144
        {"two digits", {0.00805, 0.012, 2}, "Éloïse Le Cœur", 0.0086}, // x = 0,0086173
        {"equal bounds", {0.01, 0.01, 3}, "Léa Martin", 0.01},         // x = 0,01
        // x = 0,0081329 is written 0,0081, below the range: its smallest value of two digits.
        {"rounded below the range", {0.00812, 0.00821, 2}, "Éloïse Le Cœur", 0.0082},
        // x = 0,0078783 is written 0,0079, above the range: its largest value of two digits.
        {"rounded above the range", {0.00779, 0.00788, 2}, "Léa Martin", 0.0078},
    };
    for (const Row& r : rows)
        EXPECT_EQ(drawn(r.range, r.student), r.expected) << r.name;
}

TEST(StudentUnknown, EveryValueIsInTheRangeWithItsDigits) {
    const ConcentrationRange ranges[] = {classRange,
                                         {0.0001, 0.2, 1},
                                         {0.00812, 0.00821, 2},
                                         {0.00999, 0.0101, 3},
                                         {0.05, 0.05001, 6}};
    for (const ConcentrationRange& range : ranges) {
        std::set<double> values;
        for (int i = 1; i <= 400; ++i) {
            const std::string name = "Élève " + std::to_string(i);
            const double value = drawn(range, name.c_str());
            ASSERT_GE(value, range.lowest) << name;
            ASSERT_LE(value, range.highest) << name;
            const std::string text = grading::concentrationText(value, range);
            ASSERT_EQ(numbers::parseNumberText(text), value) << text;
            values.insert(value);
        }
        if (range == classRange) {
            // 400 names spread over the 41 values of three digits from 0,0080 to 0,0120
            // (each met about ten times), the ends of the range included.
            EXPECT_GE(values.size(), 35u);
            EXPECT_LE(*values.begin(), 0.0082);
            EXPECT_GE(*values.rbegin(), 0.0118);
        }
    }
}

TEST(StudentUnknown, OtherKeyOtherValues) {
    int same = 0;
    for (int i = 1; i <= 100; ++i) {
        const std::string name = "Élève " + std::to_string(i);
        same += *grading::drawConcentration({classRange, key}, name) ==
                *grading::drawConcentration({classRange, ExerciseKey{key.value + 1}}, name);
    }
    // 401 values: two keys agree on a name about once in 400.
    EXPECT_LT(same, 5);
}

TEST(StudentUnknown, ARefusedNameDrawsNothing) {
    for (const char* typed : {"", "   ", "\u00A0\t", "...", "Alice M\u0430rtin"}) {
        const grading::Outcome<double> value = grading::drawConcentration({classRange, key}, typed);
        EXPECT_FALSE(value) << typed;
        EXPECT_EQ(value.reason, grading::nameProblem(typed)) << typed;
        EXPECT_FALSE(value.reason.empty()) << typed;
    }
}

TEST(StudentUnknown, RangeProblems) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    struct Row {
        const char* name;
        ConcentrationRange range;
        const char* problem;
    } rows[] = {
        {"class range", classRange, ""},
        {"equal bounds", {0.01, 0.01, 3}, ""},
        {"the bench's whole range", {0.0001, 0.2, 6}, ""},
        {"narrow but holding a value", {0.00801, 0.00809, 3}, ""},
        {"no digit",
         {0.008, 0.012, 0},
         "Le nombre de chiffres significatifs doit être un entier "
         "de 1 à 6."},
        {"seven digits",
         {0.008, 0.012, 7},
         "Le nombre de chiffres significatifs doit être un "
         "entier de 1 à 6."},
        {"lowest not a number",
         {nan, 0.012, 3},
         "La concentration la plus basse n'est pas un "
         "nombre fini."},
        {"highest infinite",
         {0.008, infinity, 3},
         "La concentration la plus haute n'est pas un "
         "nombre fini."},
        {"lowest zero", {0, 0.012, 3}, "La concentration la plus basse doit être positive."},
        {"highest negative",
         {0.008, -0.012, 3},
         "La concentration la plus haute doit être "
         "positive."},
        {"below the bench",
         {0.00005, 0.012, 3},
         "La concentration la plus basse doit être comprise entre 0,0001 et 0,2\u00A0mol/L, les "
         "concentrations que le banc accepte."},
        {"above the bench",
         {0.008, 0.25, 3},
         "La concentration la plus haute doit être comprise entre 0,0001 et 0,2\u00A0mol/L, les "
         "concentrations que le banc accepte."},
        {"upside down",
         {0.012, 0.008, 3},
         "La concentration la plus basse (0,012\u00A0mol/L) dépasse la plus haute "
         "(0,008\u00A0mol/L)."},
        {"no value of two digits",
         {0.00801, 0.00809, 2},
         "Aucune concentration à 2 chiffres significatifs n'est comprise entre 0,00801 et "
         "0,00809\u00A0mol/L."},
        {"no value of one digit",
         {0.00011, 0.00019, 1},
         "Aucune concentration à 1 chiffre significatif n'est comprise entre 0,00011 et "
         "0,00019\u00A0mol/L."},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(grading::rangeProblem(r.range), r.problem) << r.name;
        const grading::Outcome<double> value = grading::drawConcentration({r.range, key}, "Léa");
        EXPECT_EQ(value.reason, r.problem) << r.name;
        EXPECT_EQ(value.value.has_value(), std::string(r.problem).empty()) << r.name;
    }
}

TEST(StudentUnknown, ValueTextKeepsTheRangeDigits) {
    EXPECT_EQ(grading::concentrationText(0.012, classRange), "0,0120");
    EXPECT_EQ(grading::concentrationText(0.0001, {0.0001, 0.2, 1}), "0,0001");
    EXPECT_EQ(grading::concentrationText(0.198144, {0.1, 0.2, 6}), "0,198144");
}

} // namespace
