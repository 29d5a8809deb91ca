// SPDX-License-Identifier: GPL-3.0-or-later
// The écart normalisé of a student's result and its verdict, on a table of hand-worked cases.
#include "grading/result_check.h"

#include "numbers/formats.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

using grading::checkResult;

const std::string tooUncertain =
    "Incertitude trop grande pour conclure\u00A0: u(c2) dépasse 10\u00A0% de c2.";
const std::string tooPrecise = "L'incertitude-type u(c2) est inférieure à 0,5\u00A0% de "
                               "c2\u00A0: aucun titrage de la classe n'est aussi précis. "
                               "Calculer u(c2) à la manière de la classe.";

TEST(ResultCheck, NormalisedDeviationAndVerdict) {
    struct Row {
        const char* name;
        double c, u, expected;
        const char* zText; // empty: "z > 3"
        bool compatible;
    } rows[] = {
        {"right on", 0.0100, 0.0002, 0.0100, "0,0", true},
        {"one uncertainty off", 0.0102, 0.0002, 0.0100, "1,0", true},
        {"one and a half", 0.0123, 0.0004, 0.0117, "1,5", true},
        // 0,14999999999999822 out of the subtraction: 0,15 by hand, shown 0,2.
        {"a half rounded up as by hand", 0.0104, 0.0002, 0.01037, "0,2", true},
        {"two exactly", 0.0104, 0.0002, 0.0100, "2,0", true},
        // |0,0096 − 0,0100| / 0,0002 comes out of the binary subtraction a hair above 2
        // (2,0000000000000053): shown 2,0, and judged on what is shown.
        {"two below the value", 0.0096, 0.0002, 0.0100, "2,0", true},
        {"2,04 shown 2,0", 0.0100, 0.0002, 0.010408, "2,0", true},
        {"2,05 shown 2,1", 0.0100, 0.0002, 0.010410, "2,1", false},
        // The last figure shown before "z > 3": 2,95 and 3,0 are shown 3,0; 3,04 is beyond.
        {"2,95 shown 3,0", 0.0100, 0.0002, 0.010590, "3,0", false},
        {"three exactly", 0.0094, 0.0002, 0.0100, "3,0", false},
        {"3,04 is beyond 3", 0.0100, 0.0002, 0.010608, "", false},
        {"far beyond", 0.02, 0.0004, 0.01, "", false},
        // u(c2)/c2 at its bounds, 0,5 % and 10 %, both included.
        {"0,5 % of c2", 0.0100, 0.00005, 0.01001, "0,2", true},
        {"10 % of c2", 0.0100, 0.001, 0.0107, "0,7", true},
    };
    for (const Row& r : rows) {
        const grading::Outcome<grading::ResultCheck> check = checkResult(r.c, r.u, r.expected);
        ASSERT_TRUE(check) << r.name << ": " << check.reason;
        EXPECT_EQ(check->zText, r.zText) << r.name;
        EXPECT_EQ(grading::zStatement(*check),
                  *r.zText ? "z\u00A0=\u00A0" + std::string(r.zText) : "z\u00A0>\u00A03")
            << r.name;
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
         "L'incertitude-type u(c2) est nulle\u00A0: aucune mesure n'est exacte. Calculer u(c2) "
         "à la manière de la classe."},
        {"uncertainty negative", 0.01, -0.0002, 0.01,
         "L'incertitude-type u(c2) doit être strictement positive."},
        // u(c2) = 1 mol/L for c2 = 0,5 mol/L: no z, whatever is expected.
        {"u twice c", 0.5, 1, 0.5, tooUncertain},
        // c2 = u(c2) = 1E-06 would give z = 1,48E+05, hence the expected value to six digits.
        {"u as large as a tiny c", 1e-6, 1e-6, 0.148, tooUncertain},
        {"just above 10 %", 0.0100, 0.00101, 0.01, tooUncertain},
        {"just below 0,5 %", 0.0100, 0.0000499, 0.01, tooPrecise},
        {"u a millionth of c", 0.0123, 1e-8, 0.0117, tooPrecise},
        {"nothing hidden", 0.01, 0.0002, 0, notHidden},
        {"expected not a number", 0.01, 0.0002, nan, notHidden},
    };
    for (const Row& r : rows) {
        const grading::Outcome<grading::ResultCheck> check = checkResult(r.c, r.u, r.expected);
        EXPECT_FALSE(check) << r.name;
        EXPECT_EQ(check.reason, r.reason) << r.name;
    }
}

TEST(ResultCheck, TypedTextsAreKeptMadeOrRefused) {
    struct Row {
        const char* name;
        const char* c;
        const char* u;
        const char* zText;  // when the check is made
        std::string reason; // otherwise
    } rows[] = {
        {"decimal comma", "0,0102", "0,0002", "1,0", ""},
        {"decimal point and blanks", " 0.0102 ", "2E-4", "1,0", ""},
        {"concentration empty", "", "0,0002", "", "Taper la concentration c2 trouvée."},
        {"concentration unreadable", "0,01O2", "0,0002", "",
         "La concentration «\u00A00,01O2\u00A0» n'est pas un nombre."},
        {"uncertainty empty", "0,0102", " ", "",
         "Taper l'incertitude-type u(c2)\u00A0: sans elle, le résultat ne peut pas être comparé "
         "à la valeur attendue."},
        {"uncertainty with its unit", "0,0102", "0,0002 mol/L", "",
         "L'incertitude-type «\u00A00,0002 mol/L\u00A0» n'est pas un nombre."},
        {"u = 1 for c = 0,5", "0,5", "1", "", tooUncertain},
        {"c = u = 1E-06", "1E-06", "1E-06", "", tooUncertain},
    };
    for (const Row& r : rows) {
        const grading::ResultCheck check = grading::checkTypedResult(r.c, r.u, 0.0100);
        EXPECT_EQ(check.refusal, r.reason) << r.name;
        EXPECT_EQ(check.made(), r.reason.empty()) << r.name;
        EXPECT_EQ(check.zText, r.zText) << r.name;
    }
    // What was typed is kept, made or refused, blanks around dropped.
    const grading::ResultCheck spaced = grading::checkTypedResult(" 0.0102 ", "2E-4 ", 0.01);
    EXPECT_EQ(spaced.concentrationText, "0.0102");
    EXPECT_EQ(spaced.uncertaintyText, "2E-4");
}

TEST(ResultCheck, ReportLineNeverHoldsTheExpectedValue) {
    const double expected = 0.0117;
    const auto check = checkResult(0.0123, 0.0004, expected);
    ASSERT_TRUE(check);
    const std::string line = grading::checkLine(*check);
    EXPECT_EQ(line, "c2 = 0,0123\u00A0mol/L\u00A0; u(c2) = 0,0004\u00A0mol/L\u00A0; "
                    "z\u00A0=\u00A01,5. Résultat compatible avec la valeur attendue.");
    EXPECT_EQ(line.find(numbers::formatGeneral(expected)), std::string::npos);
    EXPECT_EQ(grading::checkLine(*checkResult(0.0123, 0.0004, 0.02)),
              "c2 = 0,0123\u00A0mol/L\u00A0; u(c2) = 0,0004\u00A0mol/L\u00A0; z\u00A0>\u00A03. "
              "Résultat non compatible avec la valeur attendue.");
    EXPECT_EQ(grading::checkLine(grading::checkTypedResult("0,5", "1", expected)),
              "c2 = «\u00A00,5\u00A0»\u00A0; u(c2) = «\u00A01\u00A0»\u00A0; vérification "
              "refusée. " +
                  tooUncertain);
}

} // namespace
