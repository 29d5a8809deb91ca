// SPDX-License-Identifier: GPL-3.0-or-later
// The acid-base model at every tick of the burette flow, beside the redox refresh of
// perf_refresh.cpp (built into the same program, so that the two are measured together):
// the pH at one poured volume, what a tick of the acid-base bench computes (pH, conductivity,
// the amounts of the graph, the indicator's colour), and the model of a whole pour.
//   perf_refresh --benchmark_filter=AcidBase --benchmark_repetitions=9
//                --benchmark_report_aggregates_only=true

#include "model/acidbase/curve_table.h"
#include "model/acidbase/equivalence.h"
#include "model/acidbase/indicators.h"
#include "model/acidbase/mixture.h"
#include "model/amounts.h"

#include <benchmark/benchmark.h>

namespace {

using namespace model::acidbase;

Preparation preparation(int titration) {
    return {titration, 0.05, 10, 20, 0.1};
}

// The pH at one volume, the volume running over the whole burette.
void BM_AcidBasePHAtOneVolume(benchmark::State& state) {
    const Preparation p = preparation(int(state.range(0)));
    int tick = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(mixtureAt(p, (tick % 251) / 10.0).pH);
        ++tick;
    }
}
BENCHMARK(BM_AcidBasePHAtOneVolume)
    ->Arg(Titration::HydrochloricAcid)
    ->Arg(Titration::EthanoicAcid)
    ->Arg(Titration::PhosphoricAcid)
    ->Arg(Titration::CitricAcid)
    ->Arg(Titration::SodiumCarbonate)
    ->Unit(benchmark::kNanosecond);

// What the acid-base bench needs at a tick: the mixture, σ, the amounts of the graph's
// columns (introduced and present) and the colour of the indicator.
void BM_AcidBaseTick(benchmark::State& state) {
    const Preparation p = preparation(int(state.range(0)));
    const auto columns = model::acidbase::columns(p.titration);
    int tick = 0;
    for (auto _ : state) {
        const double v = (tick % 251) / 10.0;
        const Mixture m = mixtureAt(p, v);
        double sum = conductivity(m);
        for (int particle : columns)
            sum += m.amount(particle) + introducedAmount(p, v, particle);
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(indicatorColour(Indicator::Phenolphthalein, m.pH));
        ++tick;
    }
}
BENCHMARK(BM_AcidBaseTick)
    ->Arg(Titration::EthanoicAcid)
    ->Arg(Titration::PhosphoricAcid)
    ->Unit(benchmark::kNanosecond);

// The redox amounts of one tick, for comparison with the line above.
void BM_RedoxAmountsTick(benchmark::State& state) {
    model::BenchInputs in;
    in.sampleConcentration = 0.01f;
    in.sampleVolume = 10;
    in.titrantConcentration = 0.005f;
    model::PresentAmounts present{};
    int tick = 0;
    for (auto _ : state) {
        in.pouredVolume = float(tick % 251) / 10;
        model::computeAmounts(1, in, present);
        benchmark::DoNotOptimize(present);
        ++tick;
    }
}
BENCHMARK(BM_RedoxAmountsTick)->Unit(benchmark::kNanosecond);

// The curves of a whole pour, 0 to 25 mL every 0,1 mL (251 points), and the equivalence
// found on them by the three methods.
void BM_AcidBaseWholePourAndMethods(benchmark::State& state) {
    const Preparation p = preparation(Titration::EthanoicAcid);
    for (auto _ : state) {
        std::vector<Point> pH, sigma;
        for (int tick = 0; tick <= 250; ++tick) {
            const Mixture m = mixtureAt(p, tick / 10.0);
            pH.push_back({tick / 10.0, m.pH});
            sigma.push_back({tick / 10.0, conductivity(m)});
        }
        benchmark::DoNotOptimize(derivativeMaximum(pH));
        benchmark::DoNotOptimize(parallelTangents(pH));
        benchmark::DoNotOptimize(fittedLinesCrossing(sigma));
    }
}
BENCHMARK(BM_AcidBaseWholePourAndMethods)->Unit(benchmark::kMicrosecond);

} // namespace
