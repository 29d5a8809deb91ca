// The refresh that runs at every tick of the burette flow (every 10 ms while the tap is open):
// the bars of the quantities graph over its kept background, and a whole pour of 25 mL
// (250 ticks). Run on the offscreen platform:
//   perf_refresh --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

#include "drawing/graph.h"
#include "drawing/picture.h"
#include "model/amounts.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

model::BenchInputs benchInputs() {
    model::BenchInputs in;
    in.sampleConcentration = 0.01f;
    in.sampleVolume = 10;
    in.titrantConcentration = 0.005f;
    in.reagentConcentration = 0.05f;
    in.iodineVolume = 10;
    in.iodideVolume = 10;
    return in;
}

// One tick: the amounts and the bars at the next poured volume.
void BM_RefreshTick(benchmark::State& state) {
    const int species = int(state.range(0));
    drawing::Picture tabquant(449, 274);
    model::BenchInputs in = benchInputs();
    const float max = drawing::majtq(tabquant, species, in);
    model::PresentAmounts present{};
    int tick = 0;
    for (auto _ : state) {
        in.pouredVolume = float(tick % 251) / 10;
        drawing::reftq(tabquant, species, in, max, present);
        benchmark::DoNotOptimize(tabquant.image().constBits());
        ++tick;
    }
}
BENCHMARK(BM_RefreshTick)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// A whole pour from 0 to 25 mL, 0.1 mL per tick, after a rebuild of the static part.
void BM_WholePour(benchmark::State& state) {
    const int species = int(state.range(0));
    drawing::Picture tabquant(449, 274);
    model::BenchInputs in = benchInputs();
    model::PresentAmounts present{};
    for (auto _ : state) {
        in.pouredVolume = 0;
        const float max = drawing::majtq(tabquant, species, in);
        for (int tick = 0; tick <= 250; ++tick) {
            in.pouredVolume = float(tick) / 10;
            drawing::reftq(tabquant, species, in, max, present);
        }
        benchmark::DoNotOptimize(tabquant.image().constBits());
    }
}
BENCHMARK(BM_WholePour)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The static part alone, rebuilt when the species or a volume changes.
void BM_StaticPart(benchmark::State& state) {
    drawing::Picture tabquant(449, 274);
    const model::BenchInputs in = benchInputs();
    for (auto _ : state)
        benchmark::DoNotOptimize(drawing::majtq(tabquant, 0, in));
}
BENCHMARK(BM_StaticPart)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
