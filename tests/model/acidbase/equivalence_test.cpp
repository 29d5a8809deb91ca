// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/acidbase/equivalence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace model::acidbase {
namespace {

TEST(AcidBaseEquivalence, VolumesOfTheSetUp) {
    struct Row {
        int titration;
        double c, v0, cT;
        std::vector<double> volumes; // mL, by hand from the reactions
    };
    const Row rows[] = {
        {Titration::HydrochloricAcid, 0.1, 10, 0.1, {10}},
        {Titration::EthanoicAcid, 0.05, 20, 0.1, {10}},
        {Titration::PhosphoricAcid, 0.05, 10, 0.1, {5, 10}},
        {Titration::CitricAcid, 0.05, 10, 0.1, {15}},
        {Titration::AmmoniumChloride, 0.02, 10, 0.01, {20}},
        {Titration::SodiumHydroxide, 0.1, 5, 0.05, {10}},
        {Titration::Ammonia, 0.1, 10, 0.1, {10}},
        {Titration::SodiumCarbonate, 0.05, 10, 0.1, {5, 10}},
        {-1, 0.1, 10, 0.1, {}},
        {Titration::EthanoicAcid, 0.1, 10, 0, {}},
    };
    for (const Row& row : rows) {
        const auto v = equivalenceVolumes({row.titration, row.c, row.v0, 0, row.cT});
        ASSERT_EQ(v.size(), row.volumes.size()) << listText(row.titration);
        for (std::size_t k = 0; k < v.size(); ++k)
            EXPECT_NEAR(v[k], row.volumes[k], 1e-12) << listText(row.titration);
    }
}

// Points of a made-up jump, symmetric about its centre: value = centre value + atan.
std::vector<Point> symmetricJump(double centre, double step, int count, double sign = 1) {
    std::vector<Point> p;
    for (int k = 0; k < count; ++k) {
        const double v = centre - step * (count - 1) / 2.0 + k * step;
        p.push_back({v, 7 + sign * 3 * std::atan(2 * (v - centre))});
    }
    return p;
}

std::vector<Point> measured(const Preparation& s, double last, double step,
                            bool conductivity = false) {
    std::vector<Point> p;
    for (int k = 0; k * step <= last + 1e-9; ++k) {
        const Mixture m = mixtureAt(s, k * step);
        p.push_back({k * step, conductivity ? model::acidbase::conductivity(m) : m.pH});
    }
    return p;
}

TEST(AcidBaseEquivalence, DerivativeMaximum) {
    // A symmetric jump sampled off its centre: the parabola finds the centre.
    EXPECT_NEAR(*derivativeMaximum(symmetricJump(12.3, 0.2, 41)), 12.3, 1e-9);
    // The order of the points does not matter.
    auto shuffled = symmetricJump(12.3, 0.2, 41);
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
    EXPECT_NEAR(*derivativeMaximum(shuffled), 12.3, 1e-9);
    // A falling curve too.
    EXPECT_NEAR(*derivativeMaximum(symmetricJump(8, 0.5, 21, -1)), 8, 1e-9);
    // The steepest interval at an end: its middle.
    const std::vector<Point> atEnd{{0, 1}, {1, 1.1}, {2, 5}};
    EXPECT_NEAR(*derivativeMaximum(atEnd), 1.5, 1e-12);
    EXPECT_FALSE(derivativeMaximum(std::vector<Point>{{0, 1}, {1, 2}}).has_value());
    EXPECT_FALSE(derivativeMaximum(symmetricJump(12.3, 0.2, 41), 20, 30).has_value());
}

TEST(AcidBaseEquivalence, DerivativeMaximumOnComputedCurves) {
    struct Row {
        const char* name;
        Preparation setup;
        double from, to, expected;
    };
    const Row rows[] = {
        {"hydrochloric acid", {Titration::HydrochloricAcid, 0.1, 10, 0, 0.1}, 0, 25, 10},
        {"ethanoic acid", {Titration::EthanoicAcid, 0.1, 10, 0, 0.1}, 0, 25, 10},
        {"ammonia", {Titration::Ammonia, 0.1, 10, 0, 0.1}, 0, 25, 10},
        {"phosphoric acid, first jump", {Titration::PhosphoricAcid, 0.05, 10, 0, 0.1}, 2, 7.5, 5},
        {"phosphoric acid, second jump",
         {Titration::PhosphoricAcid, 0.05, 10, 0, 0.1},
         7.5,
         13,
         10},
        {"carbonate, second jump", {Titration::SodiumCarbonate, 0.05, 10, 0, 0.1}, 7.5, 13, 10},
    };
    for (const Row& row : rows) {
        const auto v = derivativeMaximum(measured(row.setup, 25, 0.2), row.from, row.to);
        ASSERT_TRUE(v.has_value()) << row.name;
        EXPECT_NEAR(*v, row.expected, 0.1) << row.name;
    }
}

// Every jump of the derivative, in order, from readings every 0,5 mL; the cola's phosphoric
// acid (5,6 mmol/L, 20 mL, sodium hydroxide 0,0100 mol/L) jumps at 11,2 and 22,4 mL.
TEST(AcidBaseEquivalence, EveryJumpOfTheDerivative) {
    const Preparation cola{Titration::PhosphoricAcid, 0.0056, 20, 0, 0.01};
    struct Row {
        const char* name;
        std::vector<Point> points;
        std::vector<double> volumes;
        bool minima;
    };
    const Row rows[] = {
        {"cola, both jumps", measured(cola, 25, 0.5), {11.2, 22.4}, false},
        {"cola, stopped in the second jump", measured(cola, 22.5, 0.5), {11.2}, false},
        {"ethanoic acid",
         measured({Titration::EthanoicAcid, 0.1, 10, 0, 0.1}, 20, 0.5),
         {10},
         false},
        // Its curve falls: a minimum; the steep start is no extremum.
        {"ammonia", measured({Titration::Ammonia, 0.1, 10, 0, 0.1}, 20, 0.5), {10}, true},
        // The bends between its three close acidities do not count.
        {"citric acid", measured({Titration::CitricAcid, 0.05, 10, 0, 0.1}, 25, 0.5), {15}, false},
    };
    for (const Row& row : rows) {
        const DerivativeJumps jumps = derivativeJumps(row.points);
        ASSERT_EQ(jumps.volumes.size(), row.volumes.size()) << row.name;
        for (std::size_t k = 0; k < row.volumes.size(); ++k)
            EXPECT_NEAR(jumps.volumes[k], row.volumes[k], 0.1) << row.name;
        EXPECT_EQ(jumps.minima, row.minima) << row.name;
    }
}

TEST(AcidBaseEquivalence, ParallelTangents) {
    // By symmetry the parallel halfway between the tangents goes through the centre.
    EXPECT_NEAR(*parallelTangents(symmetricJump(12.3, 0.2, 41)), 12.3, 1e-9);
    EXPECT_NEAR(*parallelTangents(symmetricJump(8, 0.25, 33, -1)), 8, 1e-9);
    EXPECT_FALSE(parallelTangents(std::vector<Point>{{0, 1}, {1, 2}, {2, 3}, {3, 9}}).has_value());
    // The jump in the last interval: nothing after it to lay a tangent on.
    EXPECT_FALSE(
        parallelTangents(std::vector<Point>{{0, 1}, {1, 1.2}, {2, 1.3}, {3, 1.5}, {4, 9}}));
}

TEST(AcidBaseEquivalence, ParallelTangentsOnComputedCurves) {
    struct Row {
        const char* name;
        Preparation setup;
        double expected;
    };
    const Row rows[] = {
        {"hydrochloric acid", {Titration::HydrochloricAcid, 0.1, 10, 0, 0.1}, 10},
        {"ethanoic acid", {Titration::EthanoicAcid, 0.1, 10, 0, 0.1}, 10},
        {"methanoic acid", {Titration::MethanoicAcid, 0.1, 10, 0, 0.1}, 10},
        {"ammonia", {Titration::Ammonia, 0.1, 10, 0, 0.1}, 10},
        {"sodium hydroxide", {Titration::SodiumHydroxide, 0.1, 10, 0, 0.1}, 10},
    };
    for (const Row& row : rows) {
        const auto v = parallelTangents(measured(row.setup, 20, 0.25));
        ASSERT_TRUE(v.has_value()) << row.name;
        EXPECT_NEAR(*v, row.expected, 0.1) << row.name;
    }
}

TEST(AcidBaseEquivalence, FittedLinesCrossing) {
    // σ = 5 − 2V up to 3 mL, then −7 + 2V: they cross at 3 mL, σ = −1.
    std::vector<Point> p;
    for (int v = 0; v <= 3; ++v)
        p.push_back({double(v), 5.0 - 2 * v});
    for (int v = 4; v <= 8; ++v)
        p.push_back({double(v), -7.0 + 2 * v});
    const auto c = fittedLinesCrossing(p);
    ASSERT_TRUE(c.has_value());
    EXPECT_NEAR(c->volume, 3, 1e-9);
    EXPECT_NEAR(c->value, -1, 1e-9);
    EXPECT_NEAR(c->before.slope, -2, 1e-9);
    EXPECT_NEAR(c->after.intercept, -7, 1e-9);
    // Parallel runs never cross; five points are too few for two runs of three.
    std::vector<Point> parallel;
    for (int v = 0; v < 8; ++v)
        parallel.push_back({double(v), double(v)});
    EXPECT_FALSE(fittedLinesCrossing(parallel).has_value());
    EXPECT_FALSE(fittedLinesCrossing(std::span(p).first(5)).has_value());
}

// The conductimetric titration of a strong acid as the class does it: 20 mL of hydrochloric
// acid at 0,010 mol/L with 200 mL of water, sodium hydroxide at 0,10 mol/L, a reading every
// 0,2 mL: the V of the two lines crosses at the equivalence, 2,0 mL.
TEST(AcidBaseEquivalence, ConductimetricStrongAcidCrossesAtTheEquivalence) {
    const Preparation s{Titration::HydrochloricAcid, 0.01, 20, 200, 0.1};
    const auto c = fittedLinesCrossing(measured(s, 4, 0.2, true));
    ASSERT_TRUE(c.has_value());
    EXPECT_NEAR(c->volume, equivalenceVolumes(s).front(), 0.1);
    EXPECT_LT(c->before.slope, 0); // H₃O⁺ replaced by the slower Na⁺
    EXPECT_GT(c->after.slope, 0);  // HO⁻ and Na⁺ added
}

} // namespace
} // namespace model::acidbase
