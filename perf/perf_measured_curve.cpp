// SPDX-License-Identifier: GPL-3.0-or-later
// The "Courbes" tab of an acid-base titration at every tick of the burette flow, beside the
// redox refresh of perf_refresh.cpp (built into the same program): a reading every 0,1 mL is
// added to the curve, the frame is drawn again when its scales or legend change (as the window
// does), and the curve, the derivative and the method's constructions are drawn over it.
//   perf_refresh --benchmark_filter=MeasuredCurve --benchmark_repetitions=9
//                --benchmark_report_aggregates_only=true

#include "drawing/picture.h"
#include "families/acidbase/measured_curve.h"
#include "model/acidbase/mixture.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <vector>

namespace {

namespace ab = model::acidbase;

// 0: pH alone; 1: pH and its derivative's maximum; 2: pH, dpH/dV and the parallel tangents;
// 3: σ and the two straight lines.
drawing::MeasuredCurveInputs tab(int kind) {
    drawing::MeasuredCurveInputs in;
    in.reading = kind == 3 ? drawing::Reading::Conductivity : drawing::Reading::PH;
    in.controlsHeight = 52;
    in.derivative = kind == 2;
    in.method.method = kind == 1   ? ab::Method::Derivative
                       : kind == 2 ? ab::Method::ParallelTangents
                       : kind == 3 ? ab::Method::TwoLines
                                   : ab::Method::None;
    in.method.firstContact = 5;
    in.method.secondContact = 15;
    in.method.before = {0, 8};
    in.method.after = {12, 20};
    in.selectedContact = 1;
    return in;
}

// The readings of 0,1 mol/L ethanoic acid (10 mL, 20 mL of water) by 0,1 mol/L sodium
// hydroxide every 0,1 mL of the burette.
std::vector<ab::Point> readings(bool conductivity) {
    const ab::Preparation p{ab::Titration::EthanoicAcid, 0.1, 10, 20, 0.1};
    std::vector<ab::Point> all;
    for (int tick = 0; tick <= 250; ++tick) {
        const ab::Mixture m = ab::mixtureAt(p, tick / 10.0);
        all.push_back({tick / 10.0, conductivity ? ab::conductivity(m) : m.pH});
    }
    return all;
}

// One tick, the poured volume running over the whole burette.
void BM_MeasuredCurveTick(benchmark::State& state) {
    drawing::Picture pic(449, 274);
    drawing::MeasuredCurveInputs in = tab(int(state.range(0)));
    const std::vector<ab::Point> all = readings(in.reading == drawing::Reading::Conductivity);
    std::optional<drawing::MeasuredFrameKey> kept;
    int tick = 0;
    for (auto _ : state) {
        const int n = tick % 251;
        if (n == 0) in.points.clear();
        in.points.push_back(all[std::size_t(n)]);
        in.pouredVolume = all[std::size_t(n)].volume;
        const drawing::MeasuredFrameKey key = drawing::measuredFrameKey(pic, in);
        if (key != kept) {
            drawing::drawMeasuredCurveBackground(pic, in);
            kept = key;
        }
        drawing::drawMeasuredCurve(pic, in);
        benchmark::DoNotOptimize(pic.image().constBits());
        ++tick;
    }
}
BENCHMARK(BM_MeasuredCurveTick)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

} // namespace
