// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The probe's readings at the volumes the bench measured (model::Measurements): the curve a
// student draws from the meter. Those already worked out are kept while the set-up stays the
// same (the indicator changes no reading): a tick works out the reading at its own volume only.

#include "model/acidbase/meters.h"

#include <vector>

namespace model::acidbase {

class MeterReadings {
public:
    // The readings at volumes (increasing, 0 first) for the set-up.
    const std::vector<Point>& points(const std::vector<double>& volumes,
                                     const BenchSetup& setup) const;

private:
    mutable std::vector<Point> points_;
    mutable BenchSetup setup_;
};

} // namespace model::acidbase
