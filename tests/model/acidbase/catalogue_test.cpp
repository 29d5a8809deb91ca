// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/acidbase/catalogue.h"
#include "model/formula.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace model::acidbase {
namespace {

TEST(AcidBaseCatalogue, ListTextsAndTitrants) {
    struct Row {
        int titration;
        const char* text;
        Titrant titrant;
    };
    const Row rows[] = {
        {Titration::HydrochloricAcid, "acide chlorhydrique", Titrant::SodiumHydroxide},
        {Titration::EthanoicAcid, "acide éthanoïque", Titrant::SodiumHydroxide},
        {Titration::MethanoicAcid, "acide méthanoïque", Titrant::SodiumHydroxide},
        {Titration::BenzoicAcid, "acide benzoïque", Titrant::SodiumHydroxide},
        {Titration::LacticAcid, "acide lactique", Titrant::SodiumHydroxide},
        {Titration::PhosphoricAcid, "acide phosphorique", Titrant::SodiumHydroxide},
        {Titration::CitricAcid, "acide citrique", Titrant::SodiumHydroxide},
        {Titration::AmmoniumChloride, "chlorure d'ammonium", Titrant::SodiumHydroxide},
        {Titration::SodiumHydroxide, "hydroxyde de sodium", Titrant::HydrochloricAcid},
        {Titration::Ammonia, "ammoniac", Titrant::HydrochloricAcid},
        {Titration::SodiumCarbonate, "carbonate de sodium", Titrant::HydrochloricAcid},
    };
    ASSERT_EQ(std::size(rows), std::size_t(titrationCount));
    for (const Row& row : rows) {
        EXPECT_EQ(listText(row.titration), row.text);
        EXPECT_EQ(titrant(row.titration), row.titrant) << row.text;
    }
    EXPECT_EQ(titrantName(Titrant::SodiumHydroxide), "solution d'hydroxyde de sodium");
    EXPECT_EQ(titrantName(Titrant::HydrochloricAcid), "acide chlorhydrique");
    EXPECT_EQ(titrantFormula(Titrant::SodiumHydroxide), "Na⁺ + HO⁻");
    EXPECT_EQ(titrantFormula(Titrant::HydrochloricAcid), "H₃O⁺ + Cl⁻");
}

TEST(AcidBaseCatalogue, NoTitrationOutsideTheTable) {
    for (int outside : {-1, titrationCount, 1000}) {
        EXPECT_FALSE(isTitration(outside));
        EXPECT_EQ(listText(outside), "");
        EXPECT_TRUE(forms(outside).empty());
        EXPECT_TRUE(reactions(outside).empty());
        EXPECT_TRUE(columns(outside).empty());
        EXPECT_TRUE(sampleShares(outside).empty());
    }
    EXPECT_EQ(formula(-1), "");
    EXPECT_EQ(formula(particleCount), "");
    EXPECT_EQ(molarConductivity(particleCount), 0);
}

TEST(AcidBaseCatalogue, PKaOfTheCouples) {
    struct Row {
        int titration;
        std::vector<double> pKa;
    };
    const Row rows[] = {
        {Titration::HydrochloricAcid, {}},
        {Titration::EthanoicAcid, {4.76}},
        {Titration::MethanoicAcid, {3.75}},
        {Titration::BenzoicAcid, {4.20}},
        {Titration::LacticAcid, {3.86}},
        {Titration::PhosphoricAcid, {2.15, 7.20, 12.35}},
        {Titration::CitricAcid, {3.13, 4.76, 6.40}},
        {Titration::AmmoniumChloride, {9.25}},
        {Titration::SodiumHydroxide, {}},
        {Titration::Ammonia, {9.25}},
        {Titration::SodiumCarbonate, {6.35, 10.33}},
    };
    for (const Row& row : rows) {
        const auto p = pKa(row.titration);
        EXPECT_EQ(std::vector<double>(p.begin(), p.end()), row.pKa) << listText(row.titration);
        // One couple between each two consecutive forms.
        if (!row.pKa.empty()) {
            EXPECT_EQ(forms(row.titration).size(), row.pKa.size() + 1);
        }
    }
}

// Each form has one proton and one charge less than the one before: the formulas, read back
// into their atoms, agree with the order of the forms and with the charges of the table.
TEST(AcidBaseCatalogue, FormsLoseOneProtonEach) {
    for (int t = 0; t < titrationCount; ++t) {
        const auto f = forms(t);
        for (std::size_t j = 1; j < f.size(); ++j) {
            const auto acid = parseFormula(formula(f[j - 1]));
            const auto base = parseFormula(formula(f[j]));
            ASSERT_TRUE(acid && base) << listText(t);
            auto withProton = base->atoms;
            withProton["H"] += 1;
            EXPECT_EQ(acid->atoms, withProton) << formula(f[j - 1]) << " / " << formula(f[j]);
            EXPECT_EQ(acid->charge, base->charge + 1) << formula(f[j - 1]);
        }
    }
}

TEST(AcidBaseCatalogue, FormulasAgreeWithTheirCharges) {
    for (int p = 0; p < particleCount; ++p) {
        const auto read = parseFormula(formula(p));
        ASSERT_TRUE(read.has_value()) << formula(p);
        EXPECT_EQ(read->charge, charge(p)) << formula(p);
        // Every ion conducts; a molecule does not.
        EXPECT_EQ(molarConductivity(p) > 0, charge(p) != 0) << formula(p);
    }
}

TEST(AcidBaseCatalogue, EveryReactionIsBalanced) {
    int checked = 0;
    for (int t = 0; t < titrationCount; ++t) {
        for (const Reaction& reaction : reactions(t)) {
            const std::string text = reactionEquation(reaction);
            const auto equation = parseEquation(text);
            ASSERT_TRUE(equation.has_value()) << text;
            EXPECT_TRUE(isBalanced(*equation)) << listText(t) << ": " << text;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 13); // one reaction per titration, two for phosphoric acid and carbonate
}

TEST(AcidBaseCatalogue, EquationsAsTheClassWritesThem) {
    struct Row {
        int titration;
        std::size_t index;
        const char* equation;
    };
    const Row rows[] = {
        {Titration::HydrochloricAcid, 0, "H₃O⁺ + HO⁻ → 2 H₂O"},
        {Titration::EthanoicAcid, 0, "CH₃COOH + HO⁻ → CH₃COO⁻ + H₂O"},
        {Titration::LacticAcid, 0, "CH₃CH(OH)COOH + HO⁻ → CH₃CH(OH)COO⁻ + H₂O"},
        {Titration::PhosphoricAcid, 1, "H₂PO₄⁻ + HO⁻ → HPO₄²⁻ + H₂O"},
        {Titration::CitricAcid, 0, "C₆H₈O₇ + 3 HO⁻ → C₆H₅O₇³⁻ + 3 H₂O"},
        {Titration::AmmoniumChloride, 0, "NH₄⁺ + HO⁻ → NH₃ + H₂O"},
        {Titration::SodiumHydroxide, 0, "HO⁻ + H₃O⁺ → 2 H₂O"},
        {Titration::Ammonia, 0, "NH₃ + H₃O⁺ → NH₄⁺ + H₂O"},
        {Titration::SodiumCarbonate, 1, "HCO₃⁻ + H₃O⁺ → CO₂,H₂O + H₂O"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(reactionEquation(reactions(row.titration)[row.index]), row.equation);
}

// The titrant's ion takes part in every reaction; every particle of the sample, of the
// titrant and of the forms has its column, water none.
TEST(AcidBaseCatalogue, ColumnsHoldEveryParticleOfTheMixture) {
    for (int t = 0; t < titrationCount; ++t) {
        const auto c = columns(t);
        auto has = [&](int particle) { return std::find(c.begin(), c.end(), particle) != c.end(); };
        const int ion = titrantIon(titrant(t));
        for (const Reaction& r : reactions(t))
            EXPECT_TRUE(r.reactants[0].particle == ion || r.reactants[1].particle == ion)
                << reactionEquation(r);
        for (const Share& s : sampleShares(t))
            EXPECT_TRUE(has(s.particle)) << listText(t) << " " << formula(s.particle);
        for (const Share& s : titrantShares(titrant(t)))
            EXPECT_TRUE(has(s.particle)) << listText(t) << " " << formula(s.particle);
        for (int form : forms(t))
            EXPECT_TRUE(has(form)) << listText(t) << " " << formula(form);
        EXPECT_TRUE(has(Particle::H3O) && has(Particle::HO)) << listText(t);
        EXPECT_FALSE(has(Particle::H2O)) << listText(t);
    }
}

TEST(AcidBaseCatalogue, ConductivitiesOfTheTable) {
    struct Row {
        int particle;
        double lambda; // mS·m²·mol⁻¹
    };
    const Row rows[] = {
        {Particle::H3O, 34.98},        {Particle::HO, 19.86},     {Particle::Na, 5.01},
        {Particle::Cl, 7.63},          {Particle::NH4, 7.34},     {Particle::CH3COO, 4.09},
        {Particle::HCOO, 5.46},        {Particle::C6H5COO, 3.23}, {Particle::HCO3, 4.45},
        {Particle::CO3, 13.86},        {Particle::PO4, 3 * 9.28}, {Particle::HPO4, 2 * 5.70},
        {Particle::Citrate, 3 * 7.02}, {Particle::NH3, 0},        {Particle::CO2, 0},
    };
    for (const Row& row : rows)
        EXPECT_NEAR(molarConductivity(row.particle), row.lambda, 1e-9) << formula(row.particle);
}

} // namespace
} // namespace model::acidbase
