// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/acidbase/student_methods.h"

#include "numbers/formats.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace model::acidbase {

namespace {

// How far on either side of a volume the points that give the slope there lie, mL.
constexpr double slopeReach = 0.5;

// The volume of the curve's point nearest v (the curve is not empty).
double nearestVolume(std::span<const Point> curve, double v) {
    const Point* best = &curve.front();
    for (const Point& p : curve)
        if (std::fabs(p.volume - v) < std::fabs(best->volume - v)) best = &p;
    return best->volume;
}

// The index of the first point of the curve's steepest segment (at least two points).
std::size_t steepestSegment(std::span<const Point> curve) {
    std::size_t k = 0;
    double steepest = -1;
    for (std::size_t i = 0; i + 1 < curve.size(); ++i) {
        const double s = std::fabs((curve[i + 1].value - curve[i].value) /
                                   (curve[i + 1].volume - curve[i].volume));
        if (s > steepest) {
            steepest = s;
            k = i;
        }
    }
    return k;
}

// Where the default ranges of the two lines stand, as parts of the volumes measured: how far on
// each side of a reading the slopes compared to find the corner reach; how far from the corner
// the ranges start.
constexpr double cornerReach = 0.1;
constexpr double cornerMargin = 0.025;
// How much of a range's spread about its mean its line may leave unexplained.
constexpr double straightness = 1e-4;

// Sums over a run of points that give its least-squares line's sum of squared residuals.
struct RunSums {
    double n = 0, x = 0, y = 0, xx = 0, xy = 0, yy = 0;
    RunSums operator-(const RunSums& o) const {
        return {n - o.n, x - o.x, y - o.y, xx - o.xx, xy - o.xy, yy - o.yy};
    }
    RunSums operator+(const Point& p) const {
        return {n + 1,
                x + p.volume,
                y + p.value,
                xx + p.volume * p.volume,
                xy + p.volume * p.value,
                yy + p.value * p.value};
    }
    double slope() const {
        const double sxx = xx - x * x / n;
        return sxx > 0 ? (xy - x * y / n) / sxx : 0;
    }
    // The values' spread about their mean.
    double spread() const { return std::max(0.0, yy - y * y / n); }
    double residuals() const {
        const double sxx = xx - x * x / n;
        const double sxy = xy - x * y / n;
        const double syy = yy - y * y / n;
        return sxx > 0 ? std::max(0.0, syy - sxy * sxy / sxx) : std::max(0.0, syy);
    }
};

// Whether a run of readings lies on its least-squares line: its residuals a small part of
// its values' spread.
bool straight(const RunSums& run) {
    return run.residuals() <= straightness * run.spread();
}

} // namespace

bool VolumeRange::holds(double volume) const {
    return volume >= std::min(from, to) && volume <= std::max(from, to);
}

std::optional<double> valueAt(std::span<const Point> curve, double volume) {
    if (curve.empty() || !(volume >= curve.front().volume) || !(volume <= curve.back().volume))
        return std::nullopt;
    const auto after = std::lower_bound(curve.begin(), curve.end(), volume,
                                        [](const Point& p, double v) { return p.volume < v; });
    if (after->volume == volume || after == curve.begin()) return after->value;
    const Point& a = *(after - 1);
    const Point& b = *after;
    return a.value + (b.value - a.value) * (volume - a.volume) / (b.volume - a.volume);
}

std::vector<Point> derivativePoints(std::span<const Point> curve) {
    std::vector<Point> d;
    for (std::size_t i = 0; i + 1 < curve.size(); ++i) {
        const Point& a = curve[i];
        const Point& b = curve[i + 1];
        d.push_back({(a.volume + b.volume) / 2, (b.value - a.value) / (b.volume - a.volume)});
    }
    return d;
}

std::optional<double> slopeAt(std::span<const Point> curve, double volume) {
    if (curve.size() < 2) return std::nullopt;
    std::vector<Point> near;
    for (const Point& p : curve)
        if (std::fabs(p.volume - volume) <= slopeReach) near.push_back(p);
    if (near.size() < 3) {
        near.assign(curve.begin(), curve.end());
        std::stable_sort(near.begin(), near.end(), [volume](const Point& a, const Point& b) {
            return std::fabs(a.volume - volume) < std::fabs(b.volume - volume);
        });
        near.resize(std::min<std::size_t>(3, near.size()));
    }
    return leastSquaresLine(near).slope;
}

std::optional<Tangents> placedTangents(std::span<const Point> curve, double firstContact,
                                       double secondContact) {
    if (curve.size() < 2) return std::nullopt;
    auto onCurve = [&](double v) {
        const double volume = std::clamp(v, curve.front().volume, curve.back().volume);
        return Point{volume, *valueAt(curve, volume)};
    };
    Tangents t;
    t.first = onCurve(firstContact);
    t.second = onCurve(secondContact);
    const double slope = *slopeAt(curve, t.first.volume);
    t.tangent = {slope, t.first.value - slope * t.first.volume};
    t.parallel = {slope, t.second.value - slope * t.second.volume};
    t.middle = {slope, (t.tangent.intercept + t.parallel.intercept) / 2};

    // The curve between the two contacts, and how far above the middle parallel it runs.
    const double low = std::min(t.first.volume, t.second.volume);
    const double high = std::max(t.first.volume, t.second.volume);
    if (!(low < high)) return t;
    std::vector<Point> between{onCurve(low)};
    for (const Point& p : curve)
        if (p.volume > low && p.volume < high) between.push_back(p);
    between.push_back(onCurve(high));
    // Gaps within rounding of the parallel count as on it; the curve must run on both sides
    // of the parallel to cross it (a curve along it, or touching it, does not).
    double scale = 1;
    for (const Point& p : between)
        scale = std::max(scale, std::fabs(p.value));
    auto gap = [&](const Point& p) {
        const double g = p.value - t.middle.at(p.volume);
        return std::fabs(g) <= 1e-9 * scale ? 0.0 : g;
    };
    bool below = false, above = false;
    for (const Point& p : between) {
        below = below || gap(p) < 0;
        above = above || gap(p) > 0;
    }
    if (!below || !above) return t;
    double steepest = -1;
    for (std::size_t i = 0; i + 1 < between.size(); ++i) {
        const Point& a = between[i];
        const Point& b = between[i + 1];
        if ((gap(a) <= 0) == (gap(b) <= 0)) continue;
        const double slope = std::fabs((b.value - a.value) / (b.volume - a.volume));
        if (slope <= steepest) continue;
        steepest = slope;
        const double f = gap(a) / (gap(a) - gap(b));
        const double v = a.volume + f * (b.volume - a.volume);
        t.equivalence = Point{v, t.middle.at(v)};
    }
    return t;
}

std::optional<LinesCrossing> crossingOfFittedLines(std::span<const Point> curve, VolumeRange before,
                                                   VolumeRange after) {
    std::vector<Point> first, second;
    for (const Point& p : curve) {
        if (before.holds(p.volume)) first.push_back(p);
        if (after.holds(p.volume)) second.push_back(p);
    }
    if (first.size() < 2 || second.size() < 2) return std::nullopt;
    LinesCrossing c{leastSquaresLine(first), leastSquaresLine(second)};
    // Lines whose slopes differ by rounding alone are parallel.
    const double turn = c.before.slope - c.after.slope;
    if (std::fabs(turn) <= 1e-9 * (std::fabs(c.before.slope) + std::fabs(c.after.slope)))
        return std::nullopt;
    c.volume = (c.after.intercept - c.before.intercept) / turn;
    c.value = c.before.at(c.volume);
    if (!std::isfinite(c.volume) || !std::isfinite(c.value)) return std::nullopt;
    return c;
}

std::string equivalenceVolumeText(double volume) {
    return numbers::formatPattern(volume, "0.00");
}

MethodResult applyMethod(std::span<const Point> points, const MethodChoice& choice) {
    const std::vector<Point> curve = curvePoints(points);
    MethodResult result;
    switch (choice.method) {
    case Method::None:
        break;
    case Method::Derivative: {
        const DerivativeJumps jumps = derivativeJumps(curve);
        for (const double v : jumps.volumes)
            result.equivalences.push_back(Point{v, *valueAt(curve, v)});
        if (!result.equivalences.empty()) result.equivalence = result.equivalences.front();
        result.minimum = jumps.minima;
        break;
    }
    case Method::ParallelTangents:
        result.tangents = placedTangents(curve, choice.firstContact, choice.secondContact);
        if (result.tangents) result.equivalence = result.tangents->equivalence;
        break;
    case Method::TwoLines:
        result.lines = crossingOfFittedLines(curve, choice.before, choice.after);
        if (result.lines) result.equivalence = Point{result.lines->volume, result.lines->value};
        break;
    }
    if (result.equivalence && result.equivalences.empty())
        result.equivalences.push_back(*result.equivalence);
    return result;
}

LineRanges defaultLineRanges(std::span<const Point> points) {
    const std::vector<Point> curve = curvePoints(points);
    const std::size_t n = curve.size();
    if (n == 0) return {};
    const double start = curve.front().volume;
    const double end = curve.back().volume;
    if (n < 4) {
        const double third = (end - start) / 3;
        return {{start, nearestVolume(curve, start + third)},
                {nearestVolume(curve, end - third), end}};
    }
    std::vector<RunSums> sums(n + 1);
    for (std::size_t i = 0; i < n; ++i)
        sums[i + 1] = sums[i] + curve[i];
    const double span = end - start;

    // The corner: the reading where the slope changes most, from the line of the readings within
    // a tenth of the volumes measured before it to that of those after it.
    const double reach = span * cornerReach;
    std::size_t corner = n / 2;
    double most = -1;
    std::size_t from = 0, to = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double v = curve[i].volume;
        if (i == 0 || i + 1 == n || v - reach < start || v + reach > end) continue;
        while (curve[from].volume < v - reach)
            ++from;
        while (to + 1 < n && curve[to + 1].volume <= v + reach)
            ++to;
        // A neighbour at least on each side, however far the readings lie apart.
        const std::size_t left = std::min(from, i - 1);
        const std::size_t right = std::max(to, i + 1);
        const double turn =
            std::fabs((sums[right + 1] - sums[i]).slope() - (sums[i + 1] - sums[left]).slope());
        if (turn > most) {
            most = turn;
            corner = i;
        }
    }
    double at = curve[corner].volume;

    // On each side, the readings from a little way off the corner outwards, as far as one
    // straight line fits them; the corner placed again where the two lines cross.
    LineRanges ranges;
    for (int pass = 0; pass < 3; ++pass) {
        const double margin = span * cornerMargin;
        // The last reading before the corner's margin, the first after it: two readings at
        // least on each side.
        const auto upTo = std::upper_bound(curve.begin(), curve.end(), at - margin,
                                           [](double v, const Point& p) { return v < p.volume; });
        const auto past = std::lower_bound(curve.begin(), curve.end(), at + margin,
                                           [](const Point& p, double v) { return p.volume < v; });
        const std::size_t lastBefore =
            std::clamp<std::ptrdiff_t>(upTo - curve.begin() - 1, 1, std::ptrdiff_t(n) - 3);
        const std::size_t firstAfter = std::clamp<std::ptrdiff_t>(
            past - curve.begin(), std::ptrdiff_t(lastBefore) + 1, std::ptrdiff_t(n) - 2);
        std::size_t first = lastBefore - 1;
        while (first > 0 && straight(sums[lastBefore + 1] - sums[first - 1]))
            --first;
        std::size_t last = firstAfter + 1;
        while (last + 1 < n && straight(sums[last + 2] - sums[firstAfter]))
            ++last;
        ranges = {{curve[first].volume, curve[lastBefore].volume},
                  {curve[firstAfter].volume, curve[last].volume}};
        const std::optional<LinesCrossing> c =
            crossingOfFittedLines(curve, ranges.before, ranges.after);
        if (!c || !(c->volume > start && c->volume < end)) break;
        at = c->volume;
    }
    return ranges;
}

std::vector<Point> dilutionCorrected(std::span<const Point> points, double initialVolume) {
    std::vector<Point> corrected(points.begin(), points.end());
    if (!(initialVolume > 0) || !std::isfinite(initialVolume)) return corrected;
    for (Point& p : corrected)
        p.value *= (initialVolume + p.volume) / initialVolume;
    return corrected;
}

MethodChoice startingPlaces(std::span<const Point> points, Method method) {
    const std::vector<Point> curve = curvePoints(points);
    MethodChoice choice;
    choice.method = method;
    if (curve.empty()) return choice;
    const double start = curve.front().volume;
    const double end = curve.back().volume;
    const std::size_t k = curve.size() > 1 ? steepestSegment(curve) : 0;
    const double jumpStart = curve[k].volume;
    const double jumpEnd = curve[std::min(k + 1, curve.size() - 1)].volume;
    choice.firstContact = nearestVolume(curve, (start + jumpStart) / 2);
    choice.secondContact = nearestVolume(curve, (jumpEnd + end) / 2);
    const LineRanges ranges = defaultLineRanges(curve);
    choice.before = ranges.before;
    choice.after = ranges.after;
    return choice;
}

} // namespace model::acidbase
