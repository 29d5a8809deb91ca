// SPDX-License-Identifier: GPL-3.0-or-later
// The écart normalisé of a student's result and its verdict, on a table of hand-worked cases.
#include "grading/result_check.h"

#include "numbers/formats.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

using grading::checkResult;

TEST(ResultCheck, NormalisedDeviationAndVerdict) {
    struct Row {
        const char* name;
        double c, u, expected;
        const char* zText;
        bool compatible;
    } rows[] = {
        {"right on", 0.0100, 0.0002, 0.0100, "0,00", true},
        {"one uncertainty off", 0.0102, 0.0002, 0.0100, "1,00", true},
        {"one and a half", 0.0123, 0.0004, 0.0117, "1,50", true},
        {"two exactly", 0.0104, 0.0002, 0.0100, "2,00", true},
        // |0,0096 − 0,0100| / 0,0002 comes out of the binary subtraction a hair above 2
        // (2,0000000000000053): shown 2,00, and judged on what is shown.
        {"two below the value", 0.0096, 0.0002, 0.0100, "2,00", true},
        {"2,004 shown 2,00", 0.0100, 0.0002, 0.0104008, "2,00", true},
        {"2,006 shown 2,01", 0.0100, 0.0002, 0.0104012, "2,01", false},
        {"three", 0.0094, 0.0002, 0.0100, "3,00", false},
        {"uncertainty larger than the value", 0.0105, 0.01, 0.0100, "0,05", true},
        {"a thousand", 0.02, 0.00001, 0.01, "1,00E+03", false},
        {"rounded up to a thousand", 0.0199999996, 0.00001, 0.01, "1,00E+03", false},
        {"just below a thousand", 0.0199999, 0.00001, 0.01, "999,99", false},
    };
    for (const Row& r : rows) {
        const grading::Outcome<grading::ResultCheck> check = checkResult(r.c, r.u, r.expected);
        ASSERT_TRUE(check) << r.name << ": " << check.reason;
        EXPECT_EQ(check->zText, r.zText) << r.name;
        EXPECT_EQ(check->compatible, r.compatible) << r.name;
        EXPECT_EQ(check->concentration, r.c) << r.name;
        EXPECT_EQ(check->uncertainty, r.u) << r.name;
        EXPECT_EQ(check->verdict(), r.compatible ? "Résultat compatible avec la valeur attendue"
                                                 : "Résultat non compatible avec la valeur "
                                                   "attendue")
            << r.name;
    }
}

TEST(ResultCheck, RefusedInputs) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const std::string notHidden = "Aucune concentration n'est cachée\u00A0: il n'y a pas de "
                                  "valeur attendue à laquelle comparer le résultat.";
    struct Row {
        const char* name;
        double c, u, expected;
        std::string reason;
    } rows[] = {
        {"concentration not a number", nan, 0.0002, 0.01,
         "La concentration trouvée n'est pas un nombre fini."},
        {"concentration infinite", infinity, 0.0002, 0.01,
         "La concentration trouvée n'est pas un nombre fini."},
        {"concentration zero", 0, 0.0002, 0.01, "La concentration trouvée doit être positive."},
        {"concentration negative", -0.01, 0.0002, 0.01,
         "La concentration trouvée doit être positive."},
        {"uncertainty infinite", 0.01, infinity, 0.01,
         "L'incertitude-type u(c2) n'est pas un nombre fini."},
        {"uncertainty zero", 0.01, 0, 0.01,
         "L'incertitude-type u(c2) doit être strictement positive."},
        {"uncertainty negative", 0.01, -0.0002, 0.01,
         "L'incertitude-type u(c2) doit être strictement positive."},
        {"nothing hidden", 0.01, 0.0002, 0, notHidden},
        {"expected not a number", 0.01, 0.0002, nan, notHidden},
        {"z beyond the doubles", 0.2, 1e-320, 0.0001,
         "L'incertitude-type u(c2) est trop petite devant l'écart pour calculer l'écart "
         "normalisé."},
    };
    for (const Row& r : rows) {
        const grading::Outcome<grading::ResultCheck> check = checkResult(r.c, r.u, r.expected);
        EXPECT_FALSE(check) << r.name;
        EXPECT_EQ(check.reason, r.reason) << r.name;
    }
}

TEST(ResultCheck, TypedTexts) {
    struct Row {
        const char* name;
        const char* c;
        const char* u;
        const char* zText;  // when the texts are read
        const char* reason; // otherwise
    } rows[] = {
        {"decimal comma", "0,0102", "0,0002", "1,00", ""},
        {"decimal point and blanks", " 0.0102 ", "2E-4", "1,00", ""},
        {"concentration unreadable", "0,01O2", "0,0002", "",
         "La concentration «\u00A00,01O2\u00A0» n'est pas un nombre."},
        {"uncertainty empty", "0,0102", "", "",
         "L'incertitude-type «\u00A0\u00A0» n'est pas un nombre."},
        {"uncertainty with its unit", "0,0102", "0,0002 mol/L", "",
         "L'incertitude-type «\u00A00,0002 mol/L\u00A0» n'est pas un nombre."},
        {"read, then refused", "0,0102", "0", "",
         "L'incertitude-type u(c2) doit être strictement positive."},
    };
    for (const Row& r : rows) {
        const auto check = grading::checkTypedResult(r.c, r.u, 0.0100);
        EXPECT_EQ(check.reason, r.reason) << r.name;
        EXPECT_EQ(check ? check->zText : "", r.zText) << r.name;
    }
}

TEST(ResultCheck, ReportLineNeverHoldsTheExpectedValue) {
    const double expected = 0.0117;
    const auto check = checkResult(0.0123, 0.0004, expected);
    ASSERT_TRUE(check);
    const std::string line = grading::checkLine(*check);
    EXPECT_EQ(line, "c2 = 0,0123\u00A0mol/L\u00A0; u(c2) = 0,0004\u00A0mol/L\u00A0; z = 1,50. "
                    "Résultat compatible avec la valeur attendue.");
    EXPECT_EQ(line.find(numbers::formatGeneral(expected)), std::string::npos);
}

} // namespace
