// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/acidbase/equivalence.h"

#include <algorithm>
#include <cmath>

namespace model::acidbase {

namespace {

// The slopes between consecutive points: slope[i] between points i and i + 1.
std::vector<double> slopes(const std::vector<Point>& p) {
    std::vector<double> d;
    for (std::size_t i = 0; i + 1 < p.size(); ++i)
        d.push_back((p[i + 1].value - p[i].value) / (p[i + 1].volume - p[i].volume));
    return d;
}

std::size_t steepest(const std::vector<double>& d) {
    std::size_t k = 0;
    for (std::size_t i = 1; i < d.size(); ++i)
        if (std::fabs(d[i]) > std::fabs(d[k])) k = i;
    return k;
}

// The summit of the parabola through three points (x, y), or none when they are aligned.
std::optional<double> summit(double x0, double y0, double x1, double y1, double x2, double y2) {
    const double a = ((y2 - y1) / (x2 - x1) - (y1 - y0) / (x1 - x0)) / (x2 - x0);
    if (!(a < 0)) return std::nullopt;
    const double b = (y1 - y0) / (x1 - x0) - a * (x0 + x1);
    return -b / (2 * a);
}

// The volume of the extremum of the slopes d of the points p at slope k: the summit of the
// parabola through |d| there and at its two neighbours, within them; the middle of slope k
// when it is the first or the last, or when the three are aligned.
double extremumVolume(const std::vector<Point>& p, const std::vector<double>& d, std::size_t k) {
    auto middle = [&](std::size_t i) { return (p[i].volume + p[i + 1].volume) / 2; };
    if (k == 0 || k + 1 == d.size()) return middle(k);
    const auto top = summit(middle(k - 1), std::fabs(d[k - 1]), middle(k), std::fabs(d[k]),
                            middle(k + 1), std::fabs(d[k + 1]));
    if (!top) return middle(k);
    return std::clamp(*top, middle(k - 1), middle(k + 1));
}

double squaredResiduals(std::span<const Point> p, const Line& line) {
    double sum = 0;
    for (const Point& q : p)
        sum += (q.value - line.at(q.volume)) * (q.value - line.at(q.volume));
    return sum;
}

} // namespace

std::vector<Point> curvePoints(std::span<const Point> points, double from, double to) {
    std::vector<Point> kept;
    kept.reserve(points.size());
    for (const Point& p : points)
        if (p.volume >= from && p.volume <= to && std::isfinite(p.value)) kept.push_back(p);
    // The bench hands its readings in the order of pouring: sorted already.
    const auto byVolume = [](const Point& a, const Point& b) { return a.volume < b.volume; };
    if (!std::is_sorted(kept.begin(), kept.end(), byVolume))
        std::stable_sort(kept.begin(), kept.end(), byVolume);
    kept.erase(std::unique(kept.begin(), kept.end(),
                           [](const Point& a, const Point& b) { return a.volume == b.volume; }),
               kept.end());
    return kept;
}

Line leastSquaresLine(std::span<const Point> p) {
    if (p.empty()) return {};
    double sx = 0, sy = 0;
    for (const Point& q : p) {
        sx += q.volume;
        sy += q.value;
    }
    const double n = double(p.size()), mx = sx / n, my = sy / n;
    double sxx = 0, sxy = 0;
    for (const Point& q : p) {
        sxx += (q.volume - mx) * (q.volume - mx);
        sxy += (q.volume - mx) * (q.value - my);
    }
    Line line;
    line.slope = sxx > 0 ? sxy / sxx : 0;
    line.intercept = my - line.slope * mx;
    return line;
}

std::vector<double> equivalenceVolumes(const Preparation& preparation) {
    std::vector<double> volumes;
    if (!isTitration(preparation.titration) || !(preparation.titrantConcentration > 0))
        return volumes;
    const int ion = titrantIon(titrant(preparation.titration));
    const auto steps = reactions(preparation.titration);
    if (steps.empty()) return volumes;
    // How many of the first reaction's titrated particle one unit of the sample's solute holds.
    const Term& first = steps.front().reactants[0].particle == ion ? steps.front().reactants[1]
                                                                   : steps.front().reactants[0];
    double perSolute = 0;
    for (const Share& share : sampleShares(preparation.titration))
        if (share.particle == first.particle) perSolute = share.count;
    const double solute = preparation.sampleConcentration * preparation.sampleVolume; // mmol
    double titrantPerSolute = 0;
    for (const Reaction& reaction : steps) {
        const Term& a = reaction.reactants[0];
        const Term& b = reaction.reactants[1];
        const Term& byTitrant = a.particle == ion ? a : b;
        const Term& titrated = a.particle == ion ? b : a;
        titrantPerSolute += perSolute * byTitrant.coefficient / titrated.coefficient;
        volumes.push_back(titrantPerSolute * solute / preparation.titrantConcentration);
    }
    return volumes;
}

std::optional<double> derivativeMaximum(std::span<const Point> points, double from, double to) {
    const std::vector<Point> p = curvePoints(points, from, to);
    if (p.size() < 3) return std::nullopt;
    const std::vector<double> d = slopes(p);
    return extremumVolume(p, d, steepest(d));
}

DerivativeJumps derivativeJumps(std::span<const Point> points, double from, double to) {
    DerivativeJumps jumps;
    const std::vector<Point> p = curvePoints(points, from, to);
    if (p.size() < 2) return jumps;
    std::vector<double> d = slopes(p);
    const std::size_t k = steepest(d);
    jumps.minima = d[k] < 0;
    if (p.size() < 3) return jumps;
    // The slopes turned over on a falling curve: the jumps are their maxima.
    std::vector<double> e = d;
    if (jumps.minima)
        for (double& s : e)
            s = -s;
    std::vector<std::size_t> marked;
    double steepestMarked = 0;
    for (std::size_t i = 1; i + 1 < e.size(); ++i) {
        if (!(e[i] > 0 && e[i] > e[i - 1] && e[i] >= e[i + 1])) continue;
        // The gentlest slope on each side, up to a steeper one or the end.
        double left = e[i], right = e[i];
        for (std::size_t j = i; j-- > 0 && e[j] <= e[i];)
            left = std::min(left, e[j]);
        for (std::size_t j = i + 1; j < e.size() && e[j] <= e[i]; ++j)
            right = std::min(right, e[j]);
        if (e[i] < 2 * std::max({left, right, 0.0})) continue;
        marked.push_back(i);
        steepestMarked = std::max(steepestMarked, e[i]);
    }
    for (std::size_t i : marked)
        if (e[i] >= steepestMarked / 10) jumps.volumes.push_back(extremumVolume(p, d, i));
    if (jumps.volumes.empty()) jumps.volumes.push_back(extremumVolume(p, d, k));
    return jumps;
}

std::optional<double> parallelTangents(std::span<const Point> points, double from, double to) {
    std::vector<Point> p = curvePoints(points, from, to);
    if (p.size() < 5) return std::nullopt;
    std::vector<double> d = slopes(p);
    const std::size_t k = steepest(d); // the jump lies between points k and k + 1
    // A falling curve (a base titrated by an acid) is turned over: the method is the same.
    if (d[k] < 0) {
        for (Point& q : p)
            q.value = -q.value;
        for (double& s : d)
            s = -s;
    }
    const std::size_t n = p.size();
    if (k < 1 || k + 2 >= n) return std::nullopt;
    // At an inner point i: the slope of the curve and how fast it changes.
    auto slopeAt = [&](std::size_t i) { return (d[i - 1] + d[i]) / 2; };
    auto bendAt = [&](std::size_t i) {
        return (d[i] - d[i - 1]) / ((p[i + 1].volume - p[i - 1].volume) / 2);
    };
    std::size_t bendBefore = 1, flatBefore = 1;
    for (std::size_t i = 1; i <= k; ++i) {
        if (bendAt(i) > bendAt(bendBefore)) bendBefore = i;
        if (slopeAt(i) < slopeAt(flatBefore)) flatBefore = i;
    }
    std::size_t bendAfter = k + 1, flatAfter = k + 1;
    for (std::size_t i = k + 1; i + 1 < n; ++i) {
        if (bendAt(i) < bendAt(bendAfter)) bendAfter = i;
        if (slopeAt(i) < slopeAt(flatAfter)) flatAfter = i;
    }
    const double m = (slopeAt(bendBefore) + slopeAt(bendAfter)) / 2;
    // Tangent of slope m: value = m·V + b, below the curve before the jump, above after it.
    auto offset = [&](std::size_t i) { return p[i].value - m * p[i].volume; };
    double below = offset(k), above = offset(k + 1);
    for (std::size_t i = std::min(flatBefore, k); i <= k; ++i)
        below = std::min(below, offset(i));
    for (std::size_t i = k + 1; i <= std::max(flatAfter, k + 1); ++i)
        above = std::max(above, offset(i));
    const double half = (below + above) / 2;
    // Where the curve crosses the parallel halfway between them, nearest the jump.
    auto gap = [&](std::size_t i) { return offset(i) - half; };
    const std::size_t first = std::min(flatBefore, k);
    const std::size_t last = std::max(flatAfter, k + 1);
    std::optional<double> crossing;
    double best = anyVolume;
    for (std::size_t i = first; i < last; ++i) {
        if ((gap(i) <= 0) != (gap(i + 1) <= 0)) {
            const double t = gap(i) / (gap(i) - gap(i + 1));
            const double v = p[i].volume + t * (p[i + 1].volume - p[i].volume);
            const double distance = std::fabs(double(i) - double(k));
            if (distance < best) {
                best = distance;
                crossing = v;
            }
        }
    }
    return crossing;
}

std::optional<LinesCrossing> fittedLinesCrossing(std::span<const Point> points, double from,
                                                 double to) {
    const std::vector<Point> p = curvePoints(points, from, to);
    constexpr std::size_t run = 3;
    if (p.size() < 2 * run) return std::nullopt;
    std::optional<LinesCrossing> best;
    double bestResiduals = anyVolume;
    for (std::size_t split = run; split + run <= p.size(); ++split) {
        const std::span<const Point> before(p.data(), split);
        const std::span<const Point> after(p.data() + split, p.size() - split);
        LinesCrossing c{leastSquaresLine(before), leastSquaresLine(after)};
        const double residuals =
            squaredResiduals(before, c.before) + squaredResiduals(after, c.after);
        if (residuals < bestResiduals) {
            bestResiduals = residuals;
            best = c;
        }
    }
    const double turn = best->before.slope - best->after.slope;
    if (turn == 0) return std::nullopt;
    best->volume = (best->after.intercept - best->before.intercept) / turn;
    best->value = best->before.at(best->volume);
    return best;
}

} // namespace model::acidbase
