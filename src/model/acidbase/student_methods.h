// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The student's own ways to the equivalence on the measured curve of an acid-base titration,
// as the "Courbes" tab draws them: the derivative dpH/dV of the points and its extrema; the two
// parallel tangents placed by their points of contact and the parallel halfway between them;
// the straight lines fitted on the ranges of volume the student chose on each side of the
// equivalence (conductimetry). Each gives the equivalence point it finds, or none.
//
// The curve is the measured points joined point to point (curvePoints): volumes in mL, values
// the pH or σ in mS·cm⁻¹.

#include "model/acidbase/equivalence.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace model::acidbase {

// The value of the curve at a volume, on the segment that holds it; none outside the curve's
// first and last volumes.
std::optional<double> valueAt(std::span<const Point> curve, double volume);

// dpH/dV (or dσ/dV): one point per pair of consecutive points of the curve, at the middle of
// their volumes, with the slope between them (per mL).
std::vector<Point> derivativePoints(std::span<const Point> curve);

// The slope of the curve at a volume, as a tangent drawn there follows it: that of the
// least-squares line of the points within half a millilitre on either side, or of the three
// points nearest the volume when fewer lie so near. None with fewer than two points.
std::optional<double> slopeAt(std::span<const Point> curve, double volume);

// The parallel tangents placed by the student: the tangent to the curve at the first point of
// contact, the parallel to it through the second, and the parallel halfway between the two.
// The equivalence is where that middle parallel crosses the curve between the two points of
// contact (where it crosses more than once, on the steepest segment).
struct Tangents {
    Point first, second; // the points of contact, on the curve
    Line tangent, parallel, middle;
    std::optional<Point> equivalence;
};
// The contacts are taken within the curve's volumes. None with fewer than two points.
std::optional<Tangents> placedTangents(std::span<const Point> curve, double firstContact,
                                       double secondContact);

// A range of volumes, ends included, in either order.
struct VolumeRange {
    double from = 0;
    double to = 0;
    bool holds(double volume) const;
};

// The two straight lines the student fits, one on the points within each range, and their
// crossing. None when a range holds fewer than two points or the lines are parallel.
std::optional<LinesCrossing> crossingOfFittedLines(std::span<const Point> curve, VolumeRange before,
                                                   VolumeRange after);

// The ranges the two lines start on, chosen from the readings as the class chooses them, away
// from the start and from the equivalence: the corner is the reading where the slope changes
// most between the readings within a tenth of the volumes measured on either side of it (the
// first and last readings, where the titrant has hardly started to react, are not looked at);
// each range starts a fortieth of the volumes measured off the corner and takes the readings
// outwards as far as one straight line fits them (its residuals within 10⁻⁴ of the spread of
// their values), so that a curve the dilution bends keeps its lines near the corner; the corner
// is then placed again where the two lines cross, and the ranges with it, three times. Two
// readings at least on each side. With fewer than four readings: the first and the last third
// of the volumes measured.
struct LineRanges {
    VolumeRange before, after;
};
LineRanges defaultLineRanges(std::span<const Point> points);

// A conductivity corrected for the dilution: σ·(V₀ + V_eau + V)/(V₀ + V_eau), V the volume poured
// and V₀ + V_eau the volume in the beaker before any titrant (initialVolume, mL), which makes
// straight lines of the parts of the curve the dilution bends. The points as they are when the
// initial volume is not a positive number.
std::vector<Point> dilutionCorrected(std::span<const Point> points, double initialVolume);

enum class Method { None, Derivative, ParallelTangents, TwoLines };

// What the student chose on the tab: the method and where its constructions stand.
struct MethodChoice {
    Method method = Method::None;
    double firstContact = 0;  // parallel tangents: the volumes of the points of contact
    double secondContact = 0; //
    VolumeRange before;       // two lines: the ranges of the points fitted
    VolumeRange after;        //
};

struct MethodResult {
    std::optional<Point> equivalence; // V_E and the pH or σ there: the first of equivalences
    std::vector<Point> equivalences;  // every one found, by increasing volume (V_E1, V_E2...)
    bool minimum = false;             // the derivative's extrema are minima (a falling curve)
    std::optional<Tangents> tangents;
    std::optional<LinesCrossing> lines;
};

// V_E as the program writes it wherever it gives the volume a method finds: in mL with the two
// decimals of a burette read to the drop and the decimal comma ("9,95", "10,00"), rounded as
// the format patterns round (half away from zero: 9.925 gives "9,93").
std::string equivalenceVolumeText(double volume);

// The method applied to the measured points (in any order): every jump of the derivative
// (derivativeJumps, the values read on the curve; the equivalence the result gives is the
// first), the placed tangents, or the two lines.
MethodResult applyMethod(std::span<const Point> points, const MethodChoice& choice);

// Where the constructions start when the student picks a method, before any is moved: a point
// of contact halfway between the start of the curve and its steepest segment, another halfway
// between that segment and the end; the default ranges of the two lines. All at 0 with no
// point.
MethodChoice startingPlaces(std::span<const Point> points, Method method);

} // namespace model::acidbase
