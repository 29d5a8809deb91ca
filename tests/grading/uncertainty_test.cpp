// SPDX-License-Identifier: GPL-3.0-or-later
// u(c2) as the class computes it, checked against worked examples done by hand, and its
// French text.
#include "grading/uncertainty.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

using grading::TitrationReadings;

// Every ":", ";" and "%" follows a no-break space, and so does every unit after a number.
void expectFrenchTypography(const std::string& line) {
    const std::string nbsp = "\u00A0";
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        const bool punctuation = c == ':' || c == ';' || c == '%';
        const bool unit = line.compare(i, 2, "mL") == 0 || line.compare(i, 5, "mol/L") == 0;
        if (punctuation || unit) {
            EXPECT_TRUE(i >= 2 && line.compare(i - 2, 2, nbsp) == 0) << line << " at " << i;
        }
    }
}

TEST(Uncertainty, WorkedExampleIronByPermanganate) {
    // MnO4- + 5 Fe2+ + 8 H+ -> Mn2+ + 5 Fe3+ + 4 H2O; c1 = 0,0200 mol/L known to
    // 0,0001 mol/L, V2 = 10 mL, VE = 12,45 mL. By hand:
    //   c2        = 5 × 0,0200 × 12,45 / 10                     = 0,1245 mol/L
    //   u(c1)/c1  = 0,0001 / 0,0200                              = 0,005
    //   u(V2)     = 0,020 / √3 = 0,011547 mL;  u(V2)/V2          = 0,0011547
    //   u(VE)²    = (0,03 / √3)² + 2 × (0,05 / √12)²
    //             = 0,0003 + 2 × 0,00020833 = 0,00071667;  u(VE) = 0,026771 mL
    //   u(VE)/VE  = 0,026771 / 12,45                             = 0,0021503
    //   u(c2)/c2  = √(25 + 1,3333 + 4,6238) × 10⁻³ = √30,957 × 10⁻³ = 0,0055639
    //   u(c2)     = 0,1245 × 0,0055639                           = 0,00069271 mol/L
    TitrationReadings readings;
    readings.titratedNumber = 5;
    readings.titrantNumber = 1;
    readings.titrantConcentration = 0.0200;
    readings.titrantUncertainty = 0.0001;
    readings.sampleVolume = 10;
    readings.equivalenceVolume = 12.45;
    const auto budget = grading::concentrationUncertainty(readings);
    ASSERT_TRUE(budget) << budget.reason;
    EXPECT_NEAR(budget->concentration, 0.1245, 1e-12);
    EXPECT_NEAR(budget->titrantRelative, 0.005, 1e-12);
    EXPECT_NEAR(budget->sampleUncertainty, 0.011547, 1e-6);
    EXPECT_NEAR(budget->sampleRelative, 0.0011547, 1e-7);
    EXPECT_NEAR(budget->equivalenceUncertainty, 0.026771, 1e-6);
    EXPECT_NEAR(budget->equivalenceRelative, 0.0021503, 1e-7);
    EXPECT_NEAR(budget->relative, 0.0055639, 1e-7);
    EXPECT_NEAR(budget->uncertainty, 0.00069271, 1e-8);

    const std::vector<std::string> lines = {
        "c2 = 5 × c1 × VE / V2 = 5 × 0,02\u00A0mol/L × 12,45\u00A0mL / 10\u00A0mL = "
        "0,1245\u00A0mol/L",
        "u(c1) = 0,0001\u00A0mol/L, donc u(c1)/c1 = 0,0001 / 0,02 = 0,500\u00A0%",
        "Pipette jaugée de 10\u00A0mL (classe A, tolérance ±\u00A00,02\u00A0mL)\u00A0: u(V2) = "
        "0,02 / √3 = 0,0115\u00A0mL, donc u(V2)/V2 = 0,0115 / 10 = 0,115\u00A0%",
        "Burette de 25\u00A0mL (classe A, tolérance ±\u00A00,03\u00A0mL, graduée tous les "
        "0,05\u00A0mL, lue au zéro et à l'équivalence)\u00A0: u(VE) = √((0,03 / √3)² + 2 × "
        "(0,05 / √12)²) = 0,0268\u00A0mL, donc u(VE)/VE = 0,0268 / 12,45 = 0,215\u00A0%",
        "u(c2)/c2 = √((u(c1)/c1)² + (u(V2)/V2)² + (u(VE)/VE)²) = √(0,500² + 0,115² + "
        "0,215²)\u00A0% = 0,556\u00A0%",
        "u(c2) = c2 × u(c2)/c2 = 0,1245\u00A0mol/L × 0,556\u00A0% = 0,000693\u00A0mol/L",
        "Résultat\u00A0: c2 = 0,12450\u00A0mol/L avec u(c2) = 0,00069\u00A0mol/L",
    };
    EXPECT_EQ(budget->lines, lines);
    for (const std::string& line : budget->lines)
        expectFrenchTypography(line);
}

TEST(Uncertainty, WorkedExampleOxalicAcidWithTheDefaultForTheTitrant) {
    // 5 H2C2O4 + 2 MnO4- + 6 H+ -> 10 CO2 + 2 Mn2+ + 8 H2O; c1 = 0,0200 mol/L with no
    // uncertainty given (0,5 %), V2 = 20 mL, VE = 8,0 mL. By hand:
    //   c2       = 5 × 0,0200 × 8,0 / (2 × 20)          = 0,0200 mol/L
    //   u(V2)/V2 = (0,030 / √3) / 20 = 0,017321 / 20     = 0,00086603
    //   u(VE)/VE = 0,026771 / 8,0                        = 0,0033464
    //   u(c2)/c2 = √(25 + 0,75 + 11,198) × 10⁻³ = √36,948 × 10⁻³ = 0,0060785
    //   u(c2)    = 0,0200 × 0,0060785                    = 0,00012157 mol/L
    TitrationReadings readings;
    readings.titratedNumber = 5;
    readings.titrantNumber = 2;
    readings.titrantConcentration = 0.0200;
    readings.sampleVolume = 20;
    readings.equivalenceVolume = 8.0;
    const auto budget = grading::concentrationUncertainty(readings);
    ASSERT_TRUE(budget) << budget.reason;
    EXPECT_NEAR(budget->concentration, 0.0200, 1e-12);
    EXPECT_NEAR(budget->titrantUncertainty, 0.0001, 1e-12);
    EXPECT_NEAR(budget->sampleRelative, 0.00086603, 1e-8);
    EXPECT_NEAR(budget->equivalenceRelative, 0.0033464, 1e-7);
    EXPECT_NEAR(budget->relative, 0.0060785, 1e-7);
    EXPECT_NEAR(budget->uncertainty, 0.00012157, 1e-8);
    ASSERT_EQ(budget->lines.size(), 7u);
    EXPECT_EQ(budget->lines[0], "c2 = 5 × c1 × VE / (2 × V2) = 5 × 0,02\u00A0mol/L × 8\u00A0mL / "
                                "(2 × 20\u00A0mL) = 0,02000\u00A0mol/L");
    EXPECT_EQ(budget->lines[1], "u(c1)/c1 = 0,5\u00A0% (valeur retenue quand l'énoncé ne donne "
                                "pas l'incertitude sur c1)");
    EXPECT_EQ(budget->lines[6],
              "Résultat\u00A0: c2 = 0,02000\u00A0mol/L avec u(c2) = 0,00012\u00A0mol/L");
    for (const std::string& line : budget->lines)
        expectFrenchTypography(line);
}

TEST(Uncertainty, OneToOneTitrationWritesNoNumbers) {
    TitrationReadings readings;
    readings.titrantConcentration = 0.1;
    readings.sampleVolume = 5;
    readings.equivalenceVolume = 9.8;
    const auto budget = grading::concentrationUncertainty(readings);
    ASSERT_TRUE(budget) << budget.reason;
    EXPECT_EQ(budget->lines[0], "c2 = c1 × VE / V2 = 0,1\u00A0mol/L × 9,8\u00A0mL / 5\u00A0mL = "
                                "0,1960\u00A0mol/L");
}

TEST(Uncertainty, PipettesOfTheBench) {
    struct Row {
        double volume;
        std::optional<double> tolerance;
    } rows[] = {
        {1, 0.008},         {2, 0.010},           {5, 0.015},
        {10, 0.020},        {20, 0.030},          {0, std::nullopt},
        {25, std::nullopt}, {10.5, std::nullopt}, {-10, std::nullopt},
    };
    for (const Row& r : rows)
        EXPECT_EQ(grading::pipetteTolerance(r.volume), r.tolerance) << r.volume;
}

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

TEST(Uncertainty, RefusedReadings) {
    TitrationReadings good;
    good.titrantConcentration = 0.02;
    good.sampleVolume = 10;
    good.equivalenceVolume = 12.45;
    const std::string numbersReason =
        "Les nombres stœchiométriques doivent être des entiers de 1 à 99.";
    const std::string titrantReason =
        "La concentration c1 de la solution titrante doit être un nombre positif.";
    const std::string titrantUncertaintyReason =
        "L'incertitude-type u(c1) doit être un nombre positif ou nul.";
    const std::string pipetteReason = "Le volume prélevé V2 doit être celui d'une pipette jaugée "
                                      "du banc\u00A0: 1, 2, 5, 10 ou 20\u00A0mL.";
    const std::string equivalenceReason = "Le volume à l'équivalence VE doit être compris entre 0 "
                                          "et 25\u00A0mL, la contenance de la burette.";
    struct Row {
        const char* name;
        void (*change)(TitrationReadings&);
        std::string reason; // empty: accepted
    } rows[] = {
        {"as given", [](TitrationReadings&) {}, ""},
        {"titrated number zero", [](TitrationReadings& r) { r.titratedNumber = 0; }, numbersReason},
        {"titrant number 100", [](TitrationReadings& r) { r.titrantNumber = 100; }, numbersReason},
        {"titrant number 99", [](TitrationReadings& r) { r.titrantNumber = 99; }, ""},
        {"no titrant", [](TitrationReadings& r) { r.titrantConcentration = 0; }, titrantReason},
        {"titrant not a number", [](TitrationReadings& r) { r.titrantConcentration = nan; },
         titrantReason},
        {"titrant known exactly", [](TitrationReadings& r) { r.titrantUncertainty = 0; }, ""},
        {"titrant uncertainty negative",
         [](TitrationReadings& r) { r.titrantUncertainty = -0.0001; }, titrantUncertaintyReason},
        {"titrant uncertainty not a number",
         [](TitrationReadings& r) { r.titrantUncertainty = nan; }, titrantUncertaintyReason},
        {"no sample", [](TitrationReadings& r) { r.sampleVolume = 0; }, pipetteReason},
        {"no such pipette", [](TitrationReadings& r) { r.sampleVolume = 25; }, pipetteReason},
        {"nothing poured", [](TitrationReadings& r) { r.equivalenceVolume = 0; },
         equivalenceReason},
        {"full burette", [](TitrationReadings& r) { r.equivalenceVolume = 25; }, ""},
        {"beyond the burette", [](TitrationReadings& r) { r.equivalenceVolume = 25.05; },
         equivalenceReason},
        {"volume not a number", [](TitrationReadings& r) { r.equivalenceVolume = nan; },
         equivalenceReason},
    };
    for (const Row& r : rows) {
        TitrationReadings readings = good;
        r.change(readings);
        const auto budget = grading::concentrationUncertainty(readings);
        EXPECT_EQ(budget.reason, r.reason) << r.name;
        EXPECT_EQ(budget.value.has_value(), r.reason.empty()) << r.name;
    }
}

TEST(Uncertainty, ResultWrittenAsTheClassWritesIt) {
    struct Row {
        const char* name;
        double c, u;
        const char* expected;
    } rows[] = {
        {"two digits of u", 0.1245, 0.00069271,
         "c2 = 0,12450\u00A0mol/L avec u(c2) = 0,00069\u00A0mol/L"},
        {"c2 padded with zeros", 0.02, 0.00012157,
         "c2 = 0,02000\u00A0mol/L avec u(c2) = 0,00012\u00A0mol/L"},
        {"u rounded up to a new digit", 0.05, 0.000996,
         "c2 = 0,0500\u00A0mol/L avec u(c2) = 0,0010\u00A0mol/L"},
        {"c2 rounded half away from zero", 0.012345, 0.00011,
         "c2 = 0,01235\u00A0mol/L avec u(c2) = 0,00011\u00A0mol/L"},
        {"u of ten and above", 1234.5, 12.3, "c2 = 1235\u00A0mol/L avec u(c2) = 12\u00A0mol/L"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(grading::resultWithUncertainty(r.c, r.u), r.expected) << r.name;
}

} // namespace
