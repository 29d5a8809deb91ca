// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/acidbase/measurements.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace model::acidbase {
namespace {

// Two volumes closer than this are one reading (the bench writes volumes to 0,01 mL).
constexpr double sameVolume = 1e-6;

} // namespace

void Measurements::clear() {
    drops_.clear();
    read_.clear();
}

void Measurements::noteRead(double v) {
    if (!read_.empty() && std::fabs(read_.back() - v) < sameVolume) return;
    read_.push_back(v);
}

void Measurements::cutAbove(double v) {
    std::erase_if(drops_, [v](double drop) { return drop > v + sameVolume; });
    std::erase_if(read_, [v](double read) { return read > v + sameVolume; });
}

std::vector<double> Measurements::volumes() const {
    // Both are in the order of pouring, which only adds titrant: increasing.
    std::vector<double> read(drops_.size() + read_.size());
    std::merge(drops_.begin(), drops_.end(), read_.begin(), read_.end(), read.begin());
    if (!std::is_sorted(read.begin(), read.end())) std::sort(read.begin(), read.end());
    std::vector<double> volumes{0};
    volumes.reserve(read.size() + 1);
    for (double v : read)
        if (v - volumes.back() >= sameVolume) volumes.push_back(v);
    return volumes;
}

const std::vector<Point>& Measurements::points(const BenchSetup& setup) const {
    const std::vector<double> at = volumes();
    const Preparation& p = setup.preparation;
    const bool same = p == pointsSetup_.preparation && setup.probe == pointsSetup_.probe;
    std::size_t kept = 0;
    if (same)
        while (kept < points_.size() && kept < at.size() && points_[kept].volume == at[kept])
            ++kept;
    points_.resize(kept);
    pointsSetup_ = setup;
    if (kept < at.size()) {
        const std::vector<Point> added =
            readings(p, std::span<const double>(at).subspan(kept), setup.probe);
        points_.insert(points_.end(), added.begin(), added.end());
    }
    return points_;
}

} // namespace model::acidbase
