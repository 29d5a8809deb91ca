// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/acidbase/student_methods.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace model::acidbase {
namespace {

// A jump drawn by hand: 4 + 0,1·V from 0 to 9 mL, 7 at 10 mL, 10,1 + 0,1·(V − 11) from 11 to
// 20 mL.
std::vector<Point> handJump() {
    std::vector<Point> p;
    for (int v = 0; v <= 9; ++v)
        p.push_back({double(v), 4 + 0.1 * v});
    p.push_back({10, 7});
    for (int v = 11; v <= 20; ++v)
        p.push_back({double(v), 10.1 + 0.1 * (v - 11)});
    return p;
}

std::vector<Point> measured(const Preparation& s, double last, double step, bool conductimeter) {
    std::vector<Point> p;
    for (int k = 0; k * step <= last + 1e-9; ++k) {
        const Mixture m = mixtureAt(s, k * step);
        p.push_back({k * step, conductimeter ? conductivity(m) : m.pH});
    }
    return p;
}

TEST(StudentMethods, ValueOnTheCurveDrawnPointToPoint) {
    const std::vector<Point> curve{{0, 2}, {2, 4}, {3, 7}};
    struct Row {
        const char* name;
        double volume;
        std::optional<double> value;
    };
    const Row rows[] = {
        {"first point", 0, 2},
        {"a point inside", 2, 4},
        {"last point", 3, 7},
        {"a quarter of the first segment", 0.5, 2.5},
        {"middle of the second segment", 2.5, 5.5},
        {"before the first volume", -0.1, std::nullopt},
        {"after the last volume", 3.01, std::nullopt},
        {"not a number", std::nan(""), std::nullopt},
    };
    for (const Row& row : rows) {
        const std::optional<double> v = valueAt(curve, row.volume);
        ASSERT_EQ(v.has_value(), row.value.has_value()) << row.name;
        if (v) {
            EXPECT_NEAR(*v, *row.value, 1e-12) << row.name;
        }
    }
    EXPECT_FALSE(valueAt({}, 0).has_value());
}

TEST(StudentMethods, DerivativeBetweenConsecutivePoints) {
    const std::vector<Point> curve{{0, 2}, {2, 4}, {3, 7}, {3.5, 6}};
    const std::vector<Point> d = derivativePoints(curve);
    const std::vector<Point> expected{{1, 1}, {2.5, 3}, {3.25, -2}};
    ASSERT_EQ(d.size(), expected.size());
    for (std::size_t i = 0; i < d.size(); ++i) {
        EXPECT_DOUBLE_EQ(d[i].volume, expected[i].volume) << i;
        EXPECT_DOUBLE_EQ(d[i].value, expected[i].value) << i;
    }
    EXPECT_TRUE(derivativePoints(std::vector<Point>{{1, 1}}).empty());
}

TEST(StudentMethods, SlopeWhereATangentTouches) {
    std::vector<Point> dense; // V², every 0,1 mL from 0 to 4
    for (int k = 0; k <= 40; ++k)
        dense.push_back({k / 10.0, k * k / 100.0});
    const std::vector<Point> sparse{{0, 0}, {1, 1}, {2, 4}, {3, 9}};
    struct Row {
        const char* name;
        std::vector<Point> curve;
        double volume;
        std::optional<double> slope;
    };
    const Row rows[] = {
        // The points within 0,5 mL lie evenly on both sides: the line through them has the
        // parabola's slope 2V.
        {"dense points, within half a millilitre", dense, 2, 4},
        {"dense points, between two points", dense, 1.25, 2.5},
        // Three nearest: (1, 1), (2, 4), (3, 9); their line has the slope 4.
        {"sparse points, the three nearest", sparse, 2, 4},
        // At the end: (0, 0), (1, 1), (2, 4), slope 2.
        {"sparse points, at the start", sparse, 0, 2},
        {"two points", {{1, 1}, {3, 2}}, 5, 0.5},
        {"one point", {{1, 1}}, 1, std::nullopt},
    };
    for (const Row& row : rows) {
        const std::optional<double> s = slopeAt(row.curve, row.volume);
        ASSERT_EQ(s.has_value(), row.slope.has_value()) << row.name;
        if (s) {
            EXPECT_NEAR(*s, *row.slope, 1e-9) << row.name;
        }
    }
}

TEST(StudentMethods, ParallelTangentsPlacedByTheStudent) {
    // On the hand-made jump the tangents have the slope 0,1: y = 4 + 0,1·V before, y = 9 +
    // 0,1·V after; the middle one y = 6,5 + 0,1·V meets the segment from (10, 7) to (11, 10,1)
    // at 10 + 1/6 mL.
    struct Row {
        const char* name;
        double first, second;
        double middleIntercept;
        std::optional<double> equivalence;
    };
    const Row rows[] = {
        {"one on each side", 4, 15, 6.5, 10 + 1.0 / 6},
        {"the second placed first", 15, 4, 6.5, 10 + 1.0 / 6},
        {"contacts at the curve's ends", 0, 20, 6.5, 10 + 1.0 / 6},
        {"contacts beyond the curve, taken at its ends", -5, 40, 6.5, 10 + 1.0 / 6},
        {"both before the jump: one line, no crossing", 2, 6, 4, std::nullopt},
        {"one contact twice", 5, 5, 4, std::nullopt},
    };
    for (const Row& row : rows) {
        const std::optional<Tangents> t = placedTangents(handJump(), row.first, row.second);
        ASSERT_TRUE(t) << row.name;
        EXPECT_NEAR(t->tangent.slope, 0.1, 1e-12) << row.name;
        EXPECT_NEAR(t->parallel.slope, 0.1, 1e-12) << row.name;
        EXPECT_NEAR(t->middle.intercept, row.middleIntercept, 1e-12) << row.name;
        ASSERT_EQ(t->equivalence.has_value(), row.equivalence.has_value()) << row.name;
        if (!row.equivalence) continue;
        EXPECT_NEAR(t->equivalence->volume, *row.equivalence, 1e-12) << row.name;
        EXPECT_NEAR(t->equivalence->value, 6.5 + 0.1 * *row.equivalence, 1e-12) << row.name;
    }
    // The points of contact lie on the curve.
    const Tangents t = *placedTangents(handJump(), 4.5, 15);
    EXPECT_NEAR(t.first.value, 4.45, 1e-12);
    EXPECT_NEAR(t.second.value, 10.5, 1e-12);
    EXPECT_FALSE(placedTangents(std::vector<Point>{{1, 7}}, 1, 1));
}

TEST(StudentMethods, TwoLinesOnTheRangesChosen) {
    // 2 − 0,1·V up to 5 mL, then 0,5 + 0,2·V: the lines cross at 5 mL, σ = 1,5.
    std::vector<Point> curve;
    for (int k = 0; k <= 24; ++k) {
        const double v = k / 2.0;
        curve.push_back({v, v <= 5 ? 2 - 0.1 * v : 0.5 + 0.2 * v});
    }
    struct Row {
        const char* name;
        VolumeRange before, after;
        std::optional<double> volume;
    };
    const Row rows[] = {
        {"a range on each side", {0, 4}, {8, 12}, 5},
        {"ends given in reverse", {4, 0}, {12, 8}, 5},
        {"two points on each side", {1, 1.5}, {11.5, 12}, 5},
        {"a range of one point", {1, 1.2}, {8, 12}, std::nullopt},
        {"a range beyond the points", {0, 4}, {13, 20}, std::nullopt},
        {"both on one straight part: parallel", {0, 2}, {3, 5}, std::nullopt},
    };
    for (const Row& row : rows) {
        const std::optional<LinesCrossing> c = crossingOfFittedLines(curve, row.before, row.after);
        ASSERT_EQ(c.has_value(), row.volume.has_value()) << row.name;
        if (!c) continue;
        EXPECT_NEAR(c->volume, *row.volume, 1e-9) << row.name;
        EXPECT_NEAR(c->value, 1.5, 1e-9) << row.name;
        EXPECT_NEAR(c->before.slope, -0.1, 1e-9) << row.name;
        EXPECT_NEAR(c->after.slope, 0.2, 1e-9) << row.name;
    }
}

// Each method on the curve a student measures: 0,100 mol/L ethanoic acid, 10 mL, and
// 0,100 mol/L sodium hydroxide every 0,5 mL for the pH (equivalence at 10 mL); 0,0100 mol/L
// hydrochloric acid, 20 mL, diluted in 200 mL of water, and 0,100 mol/L sodium hydroxide every
// 0,2 mL for the conductivity (equivalence at 2 mL), as the class does to keep the lines
// straight.
TEST(StudentMethods, EachMethodFindsTheEquivalenceOfAMeasuredCurve) {
    const Preparation ethanoic{Titration::EthanoicAcid, 0.1, 10, 0, 0.1};
    const Preparation hydrochloric{Titration::HydrochloricAcid, 0.01, 20, 200, 0.1};
    struct Row {
        const char* name;
        std::vector<Point> points;
        MethodChoice choice;
        double equivalence; // mL
    };
    MethodChoice derivative;
    derivative.method = Method::Derivative;
    MethodChoice tangents;
    tangents.method = Method::ParallelTangents;
    tangents.firstContact = 5;
    tangents.secondContact = 15;
    MethodChoice lines;
    lines.method = Method::TwoLines;
    lines.before = {0, 1.6};
    lines.after = {2.4, 4};
    const Row rows[] = {
        {"maximum of the derivative", measured(ethanoic, 20, 0.5, false), derivative, 10},
        {"parallel tangents", measured(ethanoic, 20, 0.5, false), tangents, 10},
        {"two straight lines", measured(hydrochloric, 4, 0.2, true), lines, 2},
    };
    for (const Row& row : rows) {
        const MethodResult r = applyMethod(row.points, row.choice);
        ASSERT_TRUE(r.equivalence) << row.name;
        EXPECT_NEAR(r.equivalence->volume, row.equivalence, 0.1) << row.name;
        EXPECT_EQ(r.tangents.has_value(), row.choice.method == Method::ParallelTangents);
        EXPECT_EQ(r.lines.has_value(), row.choice.method == Method::TwoLines);
    }
    // The pH read at the equivalence found on the derivative: that of the curve there.
    const std::vector<Point> curve = measured(ethanoic, 20, 0.5, false);
    const MethodResult r = applyMethod(curve, derivative);
    EXPECT_DOUBLE_EQ(r.equivalence->value, *valueAt(curve, r.equivalence->volume));
    EXPECT_FALSE(applyMethod(curve, MethodChoice{}).equivalence);
}

TEST(StudentMethods, NotEnoughPointsNoEquivalence) {
    const std::vector<Point> two{{0, 3}, {1, 3.5}};
    for (const Method m : {Method::Derivative, Method::ParallelTangents, Method::TwoLines}) {
        MethodChoice choice = startingPlaces(two, m);
        const MethodResult r = applyMethod(two, choice);
        EXPECT_FALSE(r.equivalence) << int(m);
        EXPECT_FALSE(r.lines) << int(m);
    }
    EXPECT_FALSE(applyMethod({}, startingPlaces({}, Method::ParallelTangents)).tangents);
}

TEST(StudentMethods, StartingPlacesOfTheConstructions) {
    // The hand-made jump: its steepest segment from 10 to 11 mL; halfway from 0 to 10 is
    // 5 mL, from 11 to 20 is 15,5 mL, taken at the nearer measured point, 15 or 16 (15: the
    // first found of two as near).
    const MethodChoice c = startingPlaces(handJump(), Method::ParallelTangents);
    EXPECT_EQ(c.method, Method::ParallelTangents);
    EXPECT_DOUBLE_EQ(c.firstContact, 5);
    EXPECT_DOUBLE_EQ(c.secondContact, 15);
    // The lines start on the default ranges.
    const LineRanges ranges = defaultLineRanges(handJump());
    EXPECT_DOUBLE_EQ(c.before.from, ranges.before.from);
    EXPECT_DOUBLE_EQ(c.before.to, ranges.before.to);
    EXPECT_DOUBLE_EQ(c.after.from, ranges.after.from);
    EXPECT_DOUBLE_EQ(c.after.to, ranges.after.to);
    // Three points: the first and last thirds, at measured points.
    const MethodChoice three =
        startingPlaces(std::vector<Point>{{0, 1}, {1, 2}, {3, 1}}, Method::TwoLines);
    EXPECT_DOUBLE_EQ(three.before.to, 1);
    EXPECT_DOUBLE_EQ(three.after.from, 1);
    // One point: everything there.
    const MethodChoice one = startingPlaces(std::vector<Point>{{2.5, 7}}, Method::TwoLines);
    EXPECT_DOUBLE_EQ(one.firstContact, 2.5);
    EXPECT_DOUBLE_EQ(one.secondContact, 2.5);
    EXPECT_DOUBLE_EQ(one.after.to, 2.5);
}

// The default ranges of the two lines on conductivities measured as the class measures them,
// as read and corrected for the dilution: each side off the start and the equivalence, and the
// lines crossing within 0,1 mL of it.
TEST(StudentMethods, DefaultRangesOfTheTwoLines) {
    const Preparation diluted{Titration::HydrochloricAcid, 0.01, 10, 200, 0.1};
    const Preparation ethanoic{Titration::EthanoicAcid, 0.1, 10, 0, 0.1};
    const Preparation ethanoicInWater{Titration::EthanoicAcid, 0.1, 10, 30, 0.1};
    const Preparation strong{Titration::HydrochloricAcid, 0.1, 10, 0, 0.1};
    struct Row {
        const char* name;
        Preparation preparation;
        double last, step;
    };
    const Row rows[] = {
        {"hydrochloric acid in 200 mL of water, every 0,5 mL", diluted, 2, 0.5},
        {"the same, every 0,1 mL", diluted, 2, 0.1},
        {"ethanoic acid, every 0,5 mL", ethanoic, 20, 0.5},
        {"ethanoic acid, the tap held to 25 mL", ethanoic, 25, 0.1},
        {"ethanoic acid in 30 mL of water, every millilitre", ethanoicInWater, 20, 1},
        {"hydrochloric acid, no water, every 0,2 mL", strong, 15, 0.2},
    };
    for (const Row& row : rows) {
        const double equivalence = equivalenceVolumes(row.preparation).front();
        const Preparation& p = row.preparation;
        for (const bool corrected : {false, true}) {
            SCOPED_TRACE(std::string(row.name) + (corrected ? ", corrected" : ""));
            std::vector<Point> points = measured(p, row.last, row.step, true);
            if (corrected) points = dilutionCorrected(points, p.sampleVolume + p.waterVolume);
            const LineRanges r = defaultLineRanges(points);
            EXPECT_LT(std::max(r.before.from, r.before.to), equivalence);
            EXPECT_GT(std::min(r.after.from, r.after.to), equivalence);
            const std::optional<LinesCrossing> c = crossingOfFittedLines(points, r.before, r.after);
            ASSERT_TRUE(c);
            EXPECT_NEAR(c->volume, equivalence, 0.1);
        }
    }
    // Ethanoic acid: the first readings bend, the range of the first line starts past them.
    EXPECT_GE(defaultLineRanges(measured(ethanoic, 20, 0.5, true)).before.from, 1);
}

TEST(StudentMethods, ConductivityCorrectedForTheDilution) {
    const std::vector<Point> points{{0, 2}, {10, 3}, {30, 1}};
    struct Row {
        const char* name;
        double initialVolume;
        std::vector<double> values;
    };
    const Row rows[] = {
        {"20 mL in the beaker", 20, {2, 4.5, 2.5}},
        {"no volume: as read", 0, {2, 3, 1}},
        {"not a number: as read", std::nan(""), {2, 3, 1}},
    };
    for (const Row& row : rows) {
        const std::vector<Point> c = dilutionCorrected(points, row.initialVolume);
        ASSERT_EQ(c.size(), row.values.size()) << row.name;
        for (std::size_t i = 0; i < c.size(); ++i) {
            EXPECT_DOUBLE_EQ(c[i].volume, points[i].volume) << row.name;
            EXPECT_DOUBLE_EQ(c[i].value, row.values[i]) << row.name;
        }
    }
}

TEST(StudentMethods, EquivalenceVolumeWrittenToTheHundredth) {
    struct Row {
        const char* name;
        double volume;
        const char* text;
    };
    const Row rows[] = {
        {"a drop past 9,9 mL", 9.95, "9,95"},
        {"a whole volume", 10, "10,00"},
        {"below one millilitre", 0.1, "0,10"},
        {"a derivative's summit near a drop", 9.949882, "9,95"},
        // Stored a little below 9,925: rounded on its decimal digits, half away from zero.
        {"a half", 9.925, "9,93"},
        {"just below a half", 9.92499, "9,92"},
        {"a crossing before the start", -18.7906, "-18,79"},
        {"a zero with no sign", -0.004, "0,00"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(equivalenceVolumeText(row.volume), row.text) << row.name;
}

} // namespace
} // namespace model::acidbase
