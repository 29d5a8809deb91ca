// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/acidbase/mixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace model::acidbase {
namespace {

Preparation setup(int titration, double c, double v0, double cT, double water = 0) {
    return {titration, c, v0, water, cT};
}

struct PHCase {
    const char* name;
    double volume; // mL poured
    double pH;     // worked by hand, to 0,01
};

void expectPH(const Preparation& s, std::initializer_list<PHCase> cases) {
    for (const PHCase& c : cases)
        EXPECT_NEAR(mixtureAt(s, c.volume).pH, c.pH, 0.005) << c.name;
}

// 10,0 mL of hydrochloric acid at 0,100 mol/L by sodium hydroxide at 0,100 mol/L.
TEST(AcidBaseMixture, StrongAcidByStrongBase) {
    expectPH(setup(Titration::HydrochloricAcid, 0.1, 10, 0.1),
             {
                 {"start: -log 0,100", 0, 1.00},
                 {"half: -log(0,5 mmol / 15 mL)", 5, 1.48},
                 {"a drop before: -log(0,01 / 19,9)", 9.9, 3.30},
                 {"equivalence: water", 10, 7.00},
                 {"a drop after: 14 + log(0,01 / 20,1)", 10.1, 10.70},
                 {"twice the equivalence: 14 + log(1 / 30)", 20, 12.52},
             });
}

// The same with ethanoic acid: Ka = 10^-4,76, the quadratic at the start, the buffer at the
// half-equivalence, the base CH₃COO⁻ at 0,050 mol/L at the equivalence:
// pH = 7 + (4,76 + log 0,050) / 2 = 8,73.
TEST(AcidBaseMixture, WeakAcidByStrongBase) {
    expectPH(setup(Titration::EthanoicAcid, 0.1, 10, 0.1),
             {
                 {"start: h = (-Ka + sqrt(Ka² + 4 Ka c)) / 2", 0, 2.88},
                 {"half-equivalence: pKa", 5, 4.76},
                 {"equivalence", 10, 8.73},
                 {"excess of hydroxide as for the strong acid", 20, 12.52},
             });
}

// Ammonia at 0,100 mol/L by hydrochloric acid at 0,100 mol/L: pKb = 4,75 at the start
// (pOH = (4,75 + 1) / 2 = 2,875, less the little ammonia turned into ammonium: 11,12), pKa at the
// half-equivalence, NH₄⁺ at 0,050 mol/L at the equivalence (pH = (9,25 - log 0,050) / 2).
TEST(AcidBaseMixture, WeakBaseByStrongAcid) {
    expectPH(setup(Titration::Ammonia, 0.1, 10, 0.1),
             {
                 {"start", 0, 11.12},
                 {"half-equivalence", 5, 9.25},
                 {"equivalence", 10, 5.28},
                 {"excess of acid: -log(1 / 30)", 20, 1.48},
             });
}

TEST(AcidBaseMixture, StrongBaseByStrongAcid) {
    expectPH(setup(Titration::SodiumHydroxide, 0.1, 10, 0.1),
             {
                 {"start", 0, 13.00},
                 {"half: 14 + log(0,5 / 15)", 5, 12.52},
                 {"equivalence", 10, 7.00},
             });
}

// Sodium carbonate at 0,050 mol/L, 10 mL, by hydrochloric acid at 0,100 mol/L: HCO₃⁻ alone at
// the first equivalence (pH = (6,35 + 10,33) / 2), CO₂,H₂O at 0,025 mol/L at the second
// (pH = (6,35 - log 0,025) / 2), pKa at the second half-equivalence. At the first one the
// charges give [CO₃²⁻] = 0,020 − [HO⁻] and [HCO₃⁻] = 0,020 + [HO⁻] in 12,5 mL: CO₃²⁻ is base
// enough for [HO⁻] = 2,1e-4 to count, and pH = 10,33 + log(0,0198 / 0,0202) = 10,32.
TEST(AcidBaseMixture, CarbonateByStrongAcid) {
    expectPH(setup(Titration::SodiumCarbonate, 0.05, 10, 0.1),
             {
                 {"first half-equivalence", 2.5, 10.32},
                 {"first equivalence", 5, 8.34},
                 {"second half-equivalence", 7.5, 6.35},
                 {"second equivalence", 10, 3.98},
             });
}

// Phosphoric acid at 0,050 mol/L, 10 mL, by sodium hydroxide at 0,100 mol/L: the jump at each
// of the first two equivalences (5 and 10 mL) and none at the third (15 mL), where PO₄³⁻ is
// too strong a base.
TEST(AcidBaseMixture, PhosphoricAcidHasTwoJumps) {
    const Preparation s = setup(Titration::PhosphoricAcid, 0.05, 10, 0.1);
    auto rise = [&](double at) { return mixtureAt(s, at + 0.5).pH - mixtureAt(s, at - 0.5).pH; };
    EXPECT_GT(rise(5), 2.0);
    EXPECT_GT(rise(10), 1.5);
    EXPECT_LT(rise(15), 0.5);
    // Between the jumps the buffer H₂PO₄⁻/HPO₄²⁻ holds the pH at pKa2 at its half-equivalence.
    EXPECT_NEAR(mixtureAt(s, 7.5).pH, 7.20, 0.005);
    // In a jump the pH is near the mean of the pKa on each side of it.
    EXPECT_NEAR(mixtureAt(s, 5).pH, (2.15 + 7.20) / 2, 0.05);
    EXPECT_NEAR(mixtureAt(s, 10).pH, (7.20 + 12.35) / 2, 0.15);
}

TEST(AcidBaseMixture, WaterAddedDilutes) {
    // 10 mL at 0,1 mol/L in 100 mL: 0,01 mol/L.
    EXPECT_NEAR(mixtureAt(setup(Titration::HydrochloricAcid, 0.1, 10, 0.1, 90), 0).pH, 2.00, 1e-9);
    // A buffer does not move with dilution.
    EXPECT_NEAR(mixtureAt(setup(Titration::EthanoicAcid, 0.1, 10, 0.1, 100), 5).pH, 4.76, 0.01);
}

TEST(AcidBaseMixture, LimitCases) {
    struct Row {
        const char* name;
        Preparation setup;
        double volume;
        double pH;
    };
    const Row rows[] = {
        {"nothing in the beaker", setup(Titration::EthanoicAcid, 0.1, 0, 0.1), 0, 7},
        {"no titration", setup(-1, 0.1, 10, 0.1), 5, 7},
        {"a sample of no concentration", setup(Titration::EthanoicAcid, 0, 10, 0.1), 0, 7},
        {"the weakest strong acid of the bench", setup(Titration::HydrochloricAcid, 1e-4, 10, 0.1),
         0, 4.00},
        {"titrant alone", setup(Titration::EthanoicAcid, 0.1, 0, 0.1), 10, 13.00},
        // [HO⁻] − [H₃O⁺] = 1e-6 with [HO⁻][H₃O⁺] = 1e-14: water's own ions count here.
        {"a base so dilute that water counts", setup(Titration::EthanoicAcid, 0.1, 0, 1e-6), 10,
         14 + std::log10((1e-6 + std::sqrt(1e-12 + 4e-14)) / 2)},
    };
    for (const Row& row : rows)
        EXPECT_NEAR(mixtureAt(row.setup, row.volume).pH, row.pH, 1e-6) << row.name;
}

// At every volume of every titration: the charges balance, the forms add up to what the
// sample brought, and the pH moves one way only.
TEST(AcidBaseMixture, BalancesHoldAlongEveryTitration) {
    for (int t = 0; t < titrationCount; ++t) {
        const Preparation s = setup(t, 0.05, 10, 0.1, 20);
        const bool byBase = titrant(t) == Titrant::SodiumHydroxide;
        double previous = byBase ? 0 : 14;
        for (int k = 0; k <= 250; ++k) {
            const double v = k / 10.0;
            const Mixture m = mixtureAt(s, v);
            double chargeSum = 0, scale = 0;
            for (int p = 0; p < particleCount; ++p) {
                chargeSum += charge(p) * m.concentrations[p];
                scale += std::fabs(charge(p)) * m.concentrations[p];
            }
            EXPECT_LE(std::fabs(chargeSum), 1e-9 * scale) << listText(t) << " at " << v;
            double forms = 0;
            for (int f : model::acidbase::forms(t))
                forms += m.amount(f);
            if (!model::acidbase::forms(t).empty()) {
                EXPECT_NEAR(forms, 0.05 * 10, 1e-12) << listText(t) << " at " << v;
            }
            EXPECT_NEAR(m.volume, 30 + v, 1e-12);
            if (byBase) {
                EXPECT_GE(m.pH, previous - 1e-9) << listText(t) << " at " << v;
            } else {
                EXPECT_LE(m.pH, previous + 1e-9) << listText(t) << " at " << v;
            }
            previous = m.pH;
        }
    }
}

TEST(AcidBaseMixture, AmountsIntroduced) {
    const Preparation carbonate = setup(Titration::SodiumCarbonate, 0.05, 10, 0.1);
    EXPECT_NEAR(introducedAmount(carbonate, 4, Particle::Na), 2 * 0.5, 1e-12);
    EXPECT_NEAR(introducedAmount(carbonate, 4, Particle::CO3), 0.5, 1e-12);
    EXPECT_NEAR(introducedAmount(carbonate, 4, Particle::H3O), 0.4, 1e-12);
    EXPECT_NEAR(introducedAmount(carbonate, 4, Particle::Cl), 0.4, 1e-12);
    EXPECT_EQ(introducedAmount(carbonate, 4, Particle::HCO3), 0); // formed only
    const Preparation hydroxide = setup(Titration::SodiumHydroxide, 0.1, 10, 0.1);
    EXPECT_NEAR(introducedAmount(hydroxide, 3, Particle::HO), 1, 1e-12);
    EXPECT_EQ(introducedAmount(setup(-1, 0.1, 10, 0.1), 3, Particle::HO), 0);
}

TEST(AcidBaseMixture, FractionsOfTheForms) {
    // At a pKa the two forms of the couple are equal; between the pKa of phosphoric acid,
    // H₂PO₄⁻ dominates.
    const auto atPKa = formFractions(Titration::EthanoicAcid, 4.76);
    EXPECT_NEAR(atPKa[0], 0.5, 1e-12);
    EXPECT_NEAR(atPKa[1], 0.5, 1e-12);
    const auto phosphate = formFractions(Titration::PhosphoricAcid, 4.675);
    EXPECT_GT(phosphate[1], 0.99);
    EXPECT_NEAR(phosphate[0], phosphate[2], 1e-6); // the middle of 2,15 and 7,20
    // Far beyond any pKa nothing overflows.
    const auto far = formFractions(Titration::CitricAcid, -30);
    EXPECT_NEAR(far[0], 1, 1e-12);
    EXPECT_EQ(formFractions(Titration::HydrochloricAcid, 3), (std::array<double, 4>{}));
}

// σ = Σ λ c, in mS/cm: 10 × Σ λ (mS·m²/mol) × c (mol/L).
TEST(AcidBaseMixture, ConductivityByKohlrausch) {
    const Preparation s = setup(Titration::HydrochloricAcid, 0.1, 10, 0.1);
    EXPECT_NEAR(conductivity(mixtureAt(s, 0)), 10 * (34.98 + 7.63) * 0.1, 1e-6);
    // Sodium chloride at 0,050 mol/L at the equivalence, and the ions of water at 1e-7 mol/L.
    EXPECT_NEAR(conductivity(mixtureAt(s, 10)), 10 * (5.01 + 7.63) * 0.05 + 10 * 54.84e-7, 1e-9);
    // Pure water: 10 × (34,98 + 19,86) × 1e-7.
    EXPECT_NEAR(conductivity(mixtureAt(setup(-1, 0, 0, 0), 0)), 10 * 54.84e-7, 1e-12);
}

// The V of a strong acid: σ falls to its least at the equivalence, then rises.
TEST(AcidBaseMixture, StrongAcidConductivityIsAV) {
    const Preparation s = setup(Titration::HydrochloricAcid, 0.1, 10, 0.1);
    int least = 0;
    double sigmaLeast = conductivity(mixtureAt(s, 0));
    for (int k = 1; k <= 200; ++k) {
        const double sigma = conductivity(mixtureAt(s, k / 10.0));
        if (sigma < sigmaLeast) {
            least = k;
            sigmaLeast = sigma;
        }
    }
    EXPECT_EQ(least, 100);
}

} // namespace
} // namespace model::acidbase
