// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/measurements.h"

#include <algorithm>
#include <cmath>

namespace model {
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

} // namespace model
