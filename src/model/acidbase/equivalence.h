// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The equivalence of an acid-base titration: the volumes the set-up gives, and the methods
// the class uses on a series of measured points, which the bench calls with the student's
// own points: the maximum of the derivative and the parallel tangents on a pH curve, the
// crossing of the two straight lines fitted on each side on a conductivity curve.

#include "model/acidbase/mixture.h"

#include <limits>
#include <optional>
#include <span>
#include <vector>

namespace model::acidbase {

// The volumes of titrant at the equivalences of the set-up, mL, in increasing order: one after
// each reaction of the catalogue (two for phosphoric acid and sodium carbonate, whose jumps
// the class reads; one for citric acid, whose three acidities give one jump), each the amount
// of titrant the reactions so far have taken divided by the titrant's concentration. Empty for
// no titration or a titrant of no concentration.
std::vector<double> equivalenceVolumes(const Preparation& preparation);

// A measured point: the volume poured (mL) and the reading (pH, or σ in mS·cm⁻¹).
struct Point {
    double volume;
    double value;
};

inline constexpr double anyVolume = std::numeric_limits<double>::infinity();

// The points whose volume lies within [from, to] and whose value is a number, by increasing
// volume, one per volume (the first of several at one volume): the curve as it is drawn,
// point to point.
std::vector<Point> curvePoints(std::span<const Point> points, double from = -anyVolume,
                               double to = anyVolume);

// The methods look only at the points whose volume lies within [from, to] (the whole series
// by default), so that the bench can ask for each jump of a polyacid apart; the points may come
// in any order, and two points at one volume count once (the first). Each method needs enough
// points to say anything and returns none otherwise.

// The volume where |dpH/dV| is greatest: the slopes between neighbouring points, the largest
// one and a parabola through it and its two neighbours, whose summit is the volume (the middle
// of the steepest interval when it lies at an end). At least three points.
std::optional<double> derivativeMaximum(std::span<const Point> points, double from = -anyVolume,
                                        double to = anyVolume);

// Every jump the derivative shows, as the class reads them one after the other (V_E1, V_E2):
// each an extremum of dpH/dV, a maximum on a rising curve and a minimum on a falling one (a
// base titrated by an acid), the way of the curve's steepest slope. An extremum marks a jump
// when it lies inside the curve (with a slope on each side of it), stands at least twice as
// steep as the gentlest slope between it and the next steeper extremum (or the end of the
// curve) on each side, which is the slope of the buffer or of the excess around the jump, and
// is at least a tenth as steep as the steepest of these. So the gentle bends between close
// acidities (citric acid) do not count, nor does the steep start of a weak acid's or a weak
// base's curve, which is no extremum. Each volume is found as derivativeMaximum finds its one
// (the summit of the parabola through the extremum and its two neighbours). When no extremum
// inside the curve marks a jump (the readings stop before a jump is past), the steepest slope
// alone, as derivativeMaximum gives it. No volume with fewer than three points; the way of
// the curve with two.
struct DerivativeJumps {
    std::vector<double> volumes; // mL, in increasing order
    bool minima = false;         // the curve falls: each is a minimum of dpH/dV
};
DerivativeJumps derivativeJumps(std::span<const Point> points, double from = -anyVolume,
                                double to = anyVolume);

// The parallel tangents: the steepest interval is the jump; on each side the point where the
// curve bends most (into the jump before it, out of it after it); one slope m, the mean of the
// curve's slopes at these two bends; the tangent of slope m to the curve before the jump (the
// curve lies above it there) and after it (the curve lies below it), each looked for between
// the jump and the flattest point on its side; the parallel halfway between the two, and the
// volume where it crosses the curve (drawn point to point). At least five points, two of them
// after the jump.
std::optional<double> parallelTangents(std::span<const Point> points, double from = -anyVolume,
                                       double to = anyVolume);

struct Line {
    double slope = 0;     // per mL
    double intercept = 0; // value at 0 mL
    double at(double volume) const { return intercept + slope * volume; }
};
// The least-squares line of the points: level through their mean when they share one volume,
// the line 0 with no point.
Line leastSquaresLine(std::span<const Point> points);

struct LinesCrossing {
    Line before, after; // least-squares lines of the points before and after the split
    double volume = 0;  // where they cross, mL
    double value = 0;   // and the value there
};
// The two straight lines of a conductimetric titration: the points split in two runs of
// consecutive volumes, each of at least three points, where the least-squares lines of the
// two runs leave the smallest sum of squared residuals, and the crossing of these lines. None
// with fewer than six points or with parallel lines.
std::optional<LinesCrossing> fittedLinesCrossing(std::span<const Point> points,
                                                 double from = -anyVolume, double to = anyVolume);

} // namespace model::acidbase
