// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/formula.h"

#include <gtest/gtest.h>

namespace model {
namespace {

struct FormulaCase {
    const char* name;
    const char* formula;
    Composition expected;
};

TEST(Formula, ReadsAtomsAndCharges) {
    const FormulaCase cases[] = {
        {"water", "H₂O", {{{"H", 2}, {"O", 1}}, 0}},
        {"plainDigits", "H2O", {{{"H", 2}, {"O", 1}}, 0}},
        {"permanganate", "MnO₄⁻", {{{"Mn", 1}, {"O", 4}}, -1}},
        {"thiosulfate", "S₂O₃²⁻", {{{"S", 2}, {"O", 3}}, -2}},
        {"tetrathionate", "S₄O₆²⁻", {{{"S", 4}, {"O", 6}}, -2}},
        {"manganese", "Mn²⁺", {{{"Mn", 1}}, 2}},
        {"oxonium", "H₃O⁺", {{{"H", 3}, {"O", 1}}, 1}},
        {"hydroxide", "HO⁻", {{{"H", 1}, {"O", 1}}, -1}},
        {"ascorbic", "C₆H₈O₆", {{{"C", 6}, {"H", 8}, {"O", 6}}, 0}},
        {"benzoate", "C₆H₅COO⁻", {{{"C", 7}, {"H", 5}, {"O", 2}}, -1}},
        {"group", "Ca(OH)₂", {{{"Ca", 1}, {"O", 2}, {"H", 2}}, 0}},
        {"adduct", "CO₂,H₂O", {{{"C", 1}, {"O", 3}, {"H", 2}}, 0}},
        {"hydrate", "CuSO₄·5H₂O", {{{"Cu", 1}, {"S", 1}, {"O", 9}, {"H", 10}}, 0}},
        {"state", "Cu²⁺(aq)", {{{"Cu", 1}}, 2}},
        {"solidState", "CuI(s)", {{{"Cu", 1}, {"I", 1}}, 0}},
        {"electron", "e⁻", {{}, -1}},
        {"phosphate", "PO₄³⁻", {{{"P", 1}, {"O", 4}}, -3}},
        {"twoDigitCount", "C₁₂H₂₂O₁₁", {{{"C", 12}, {"H", 22}, {"O", 11}}, 0}},
    };
    for (const FormulaCase& c : cases) {
        const auto read = parseFormula(c.formula);
        ASSERT_TRUE(read.has_value()) << c.name;
        EXPECT_EQ(read->atoms, c.expected.atoms) << c.name;
        EXPECT_EQ(read->charge, c.expected.charge) << c.name;
    }
}

TEST(Formula, RefusesWhatIsNotAFormula) {
    for (const char* text : {"", "h2o", "H₂O²", "Mn²⁺⁺", "(OH", "OH)", "2", "⁻", "H₂O extra",
                             "\xC3", "Cu,", "e", "2H₂O"}) {
        EXPECT_FALSE(parseFormula(text).has_value()) << text;
    }
}

struct EquationCase {
    const char* name;
    const char* equation;
    bool balanced;
};

TEST(Formula, ChecksTheBalanceOfEquations) {
    const EquationCase cases[] = {
        {"permanganateWithAcid", "5 H₂O₂ + 2 MnO₄⁻ + 6 H⁺ → 5 O₂ + 2 Mn²⁺ + 8 H₂O", true},
        {"permanganateWithoutAcid", "5 H₂O₂ + 2 MnO₄⁻ → 5 O₂ + 2 Mn²⁺", false},
        {"diiodeThiosulfate", "I₂ + 2 S₂O₃²⁻ → 2 I⁻ + S₄O₆²⁻", true},
        {"wrongCoefficient", "I₂ + S₂O₃²⁻ → 2 I⁻ + S₄O₆²⁻", false},
        {"halfEquation", "MnO₄⁻ + 8 H⁺ + 5 e⁻ = Mn²⁺ + 4 H₂O", true},
        {"acidBase", "CH₃COOH + HO⁻ → CH₃COO⁻ + H₂O", true},
        {"noBreakSpaces", "H₃O⁺\u00A0+\u00A0HO⁻ → 2\u00A0H₂O", true},
        {"equilibrium", "NH₃ + H₃O⁺ ⇌ NH₄⁺ + H₂O", true},
        {"chargeOnly", "Fe²⁺ → Fe³⁺", false},
    };
    for (const EquationCase& c : cases) {
        const auto equation = parseEquation(c.equation);
        ASSERT_TRUE(equation.has_value()) << c.name;
        EXPECT_EQ(isBalanced(*equation), c.balanced) << c.name;
    }
    const auto unbalanced = parseEquation("5 H₂O₂ + 2 MnO₄⁻ → 5 O₂ + 2 Mn²⁺");
    ASSERT_TRUE(unbalanced.has_value());
    const Composition rest = imbalance(*unbalanced);
    EXPECT_EQ(rest.charge, -6);
    EXPECT_EQ(rest.atoms, (std::map<std::string, int>{{"H", 10}, {"O", 8}}));
}

TEST(Formula, ReadsTheTermsOfAnEquation) {
    const auto equation = parseEquation("2 Cu²⁺ + 4 I⁻ → 2 CuI + I₂");
    ASSERT_TRUE(equation.has_value());
    ASSERT_EQ(equation->reactants.size(), 2u);
    ASSERT_EQ(equation->products.size(), 2u);
    EXPECT_EQ(equation->reactants[1].coefficient, 4);
    EXPECT_EQ(equation->reactants[1].formula, "I⁻");
    EXPECT_EQ(equation->products[1].coefficient, 1);
    EXPECT_EQ(equation->products[1].formula, "I₂");
    for (const char* text : {"H₂ + O₂", "A → B → C", "H₂ + → H₂", "0 H₂ → H₂", "H₂ = H₂ = H₂"}) {
        EXPECT_FALSE(parseEquation(text).has_value()) << text;
    }
}

} // namespace
} // namespace model
