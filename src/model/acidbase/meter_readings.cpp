// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/acidbase/meter_readings.h"

#include <span>

namespace model::acidbase {

const std::vector<Point>& MeterReadings::points(const std::vector<double>& at,
                                                const BenchSetup& setup) const {
    const Preparation& p = setup.preparation;
    const bool same = p == setup_.preparation && setup.probe == setup_.probe;
    std::size_t kept = 0;
    if (same)
        while (kept < points_.size() && kept < at.size() && points_[kept].volume == at[kept])
            ++kept;
    points_.resize(kept);
    setup_ = setup;
    if (kept < at.size()) {
        const std::vector<Point> added =
            readings(p, std::span<const double>(at).subspan(kept), setup.probe);
        points_.insert(points_.end(), added.begin(), added.end());
    }
    return points_;
}

} // namespace model::acidbase
