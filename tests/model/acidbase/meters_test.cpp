// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/acidbase/meters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace model::acidbase {
namespace {

struct DisplayCase {
    const char* name;
    double value;
    const char* text;
    const char* unit;
};

TEST(AcidBaseMeters, APHMeterShowsTwoDecimals) {
    const DisplayCase cases[] = {
        {"ethanoic acid at 0,1 mol/L", 2.8755, "2,88", ""},
        {"a half rounds away from zero", 4.765, "4,77", ""},
        {"just under a half", 4.7649, "4,76", ""},
        {"whole number", 12, "12,00", ""},
        {"neutral", 7, "7,00", ""},
        {"rounds up to 14", 13.9996, "14,00", ""},
    };
    for (const DisplayCase& c : cases) {
        const MeterDisplay d = pHDisplay(c.value);
        EXPECT_EQ(d.value, c.text) << c.name;
        EXPECT_EQ(d.unit, c.unit) << c.name;
    }
}

TEST(AcidBaseMeters, AConductimeterShowsThreeDigitsInTheUnitItSwitchesTo) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const DisplayCase cases[] = {
        {"millisiemens", 1.234, "1,23", "mS·cm⁻¹"},
        {"tens of millisiemens", 12.36, "12,4", "mS·cm⁻¹"},
        {"hundreds of millisiemens", 123.4, "123", "mS·cm⁻¹"},
        {"below 1 mS: microsiemens", 0.456, "456", "µS·cm⁻¹"},
        {"tens of microsiemens", 0.04564, "45,6", "µS·cm⁻¹"},
        {"units of microsiemens", 0.004564, "4,56", "µS·cm⁻¹"},
        {"rounds up into millisiemens", 0.9996, "1,00", "mS·cm⁻¹"},
        {"stays in microsiemens", 0.9994, "999", "µS·cm⁻¹"},
        {"nothing", 0, "0,00", "µS·cm⁻¹"},
        {"negative", -1, "0,00", "µS·cm⁻¹"},
        {"not a number", nan, "0,00", "µS·cm⁻¹"},
    };
    for (const DisplayCase& c : cases) {
        const MeterDisplay d = conductivityDisplay(c.value);
        EXPECT_EQ(d.value, c.text) << c.name;
        EXPECT_EQ(d.unit, c.unit) << c.name;
    }
}

// 10 mL of hydrochloric acid at 0,0100 mol/L, nothing poured: [H₃O⁺] = [Cl⁻] = 0,0100 mol/L,
// σ = (34,98 + 7,63) mS·m²·mol⁻¹ × 10 mol·m⁻³ = 426,1 mS·m⁻¹ = 4,261 mS·cm⁻¹; pH 2,00.
TEST(AcidBaseMeters, TheProbeReadsThePHOrTheConductivity) {
    const Preparation acid{Titration::HydrochloricAcid, 0.01, 10, 0, 0.01};
    const Mixture m = mixtureAt(acid, 0);
    EXPECT_NEAR(reading(m, Probe::PHMeter), 2.00, 1e-6);
    EXPECT_NEAR(reading(m, Probe::Conductimeter), 4.261, 1e-6);
    EXPECT_NEAR(reading(m, Probe::None), 2.00, 1e-6) << "what a probe would read";
    EXPECT_EQ(meterDisplay(m, Probe::PHMeter).value, "2,00");
    EXPECT_EQ(meterDisplay(m, Probe::Conductimeter).value, "4,26");
    EXPECT_EQ(meterDisplay(m, Probe::None).value, "");
}

// The points of the curve are the readings at the volumes, in their order: 10 mL of ethanoic
// acid at 0,100 mol/L by sodium hydroxide at 0,100 mol/L reads pKa = 4,76 at 5 mL and 8,73
// (the base at 0,050 mol/L) at 10 mL.
TEST(AcidBaseMeters, TheMeasuredPointsAreTheReadingsAtTheVolumes) {
    const Preparation ethanoic{Titration::EthanoicAcid, 0.1, 10, 0, 0.1};
    const std::vector<double> volumes{0, 5, 10};
    const std::vector<Point> points = readings(ethanoic, volumes, Probe::PHMeter);
    ASSERT_EQ(points.size(), 3u);
    const double expected[] = {2.88, 4.76, 8.73};
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(points[i].volume, volumes[i]);
        EXPECT_NEAR(points[i].value, expected[i], 0.005) << volumes[i];
    }
    const std::vector<Point> sigma = readings(ethanoic, volumes, Probe::Conductimeter);
    ASSERT_EQ(sigma.size(), 3u);
    // At the equivalence: Na⁺ and CH₃COO⁻ at 0,050 mol/L, (5,01 + 4,09) × 50 / 100.
    EXPECT_NEAR(sigma[2].value, 4.55, 0.01);
    EXPECT_TRUE(readings(ethanoic, {}, Probe::PHMeter).empty());
}

struct SecretCase {
    const char* name;
    int titration;
    int particle;
    bool introduced;
    bool reveals;
};

TEST(AcidBaseMeters, OnlyWhatTheTitrantAloneBringsLeavesTheSampleSecret) {
    using T = Titration;
    using P = Particle;
    const SecretCase cases[] = {
        {"the acid introduced is n0", T::EthanoicAcid, P::CH3COOH, true, true},
        {"the acid present follows from n0", T::EthanoicAcid, P::CH3COOH, false, true},
        {"its base is formed from it", T::EthanoicAcid, P::CH3COO, false, true},
        {"hydroxide poured", T::EthanoicAcid, P::HO, true, false},
        {"hydroxide left over after the equivalence", T::EthanoicAcid, P::HO, false, true},
        {"oxonium present", T::EthanoicAcid, P::H3O, false, true},
        {"sodium poured, a spectator", T::EthanoicAcid, P::Na, false, false},
        {"chloride of the sample", T::AmmoniumChloride, P::Cl, false, true},
        {"sodium of the titrant beside it", T::AmmoniumChloride, P::Na, false, false},
        {"hydroxide of a sample of sodium hydroxide", T::SodiumHydroxide, P::HO, true, true},
        {"oxonium poured into it", T::SodiumHydroxide, P::H3O, true, false},
        {"chloride poured into it", T::SodiumHydroxide, P::Cl, false, false},
        {"sodium of a sample of sodium hydroxide", T::SodiumHydroxide, P::Na, false, true},
        {"two sodium per carbonate", T::SodiumCarbonate, P::Na, true, true},
        {"ammonium formed", T::Ammonia, P::NH4, false, true},
        {"chloride poured into ammonia", T::Ammonia, P::Cl, false, false},
    };
    for (const SecretCase& c : cases)
        EXPECT_EQ(revealsSample(c.titration, c.particle, c.introduced), c.reveals) << c.name;
}

} // namespace
} // namespace model::acidbase

namespace model::acidbase {
namespace {

// Ethanoic acid at 0,100 mol/L, 10,0 mL, at 5,0 mL of sodium hydroxide at 0,100 mol/L: the
// table keeps every column, the sample's ones empty. σ: Na⁺ at 0,5 / 15 = 0,03333 mol/L and
// CH₃COO⁻ at 0,03335 (with [H₃O⁺] = 10^-4,76), (5,01 × 0,03333 + 4,09 × 0,03335 + 34,98 ×
// 0,0000174) × 10 = 3,04 mS·cm⁻¹.
TEST(AcidBaseMeters, AHiddenSamplesColumnsAreWrittenEmpty) {
    const Preparation ethanoic{Titration::EthanoicAcid, 0.1, 10, 0, 0.1};
    const std::vector<double> volumes{5};
    CurveTable table = curveTable(ethanoic, volumes);
    blankSampleColumns(table, Titration::EthanoicAcid);
    std::vector<bool> blank;
    for (const CurveColumn& c : table.columns)
        blank.push_back(c.blank);
    // CH₃COOH introduced and present, CH₃COO⁻, HO⁻ introduced and present, H₃O⁺, Na⁺
    // introduced and present.
    EXPECT_EQ(blank, (std::vector<bool>{true, true, true, false, true, true, false, false}));
    EXPECT_EQ(curveTableText(table, ";", "\n"),
              "V (mL);pH;σ (mS/cm);n(CH₃COOH) introduite (mol);n(CH₃COOH) présente (mol);"
              "n(CH₃COO⁻) présente (mol);n(HO⁻) introduite (mol);n(HO⁻) présente (mol);"
              "n(H₃O⁺) présente (mol);n(Na⁺) introduite (mol);n(Na⁺) présente (mol)\n"
              "5,0;4,76;3,04;;;;5,000E-04;;;5,000E-04;5,000E-04\n");
}

} // namespace
} // namespace model::acidbase
