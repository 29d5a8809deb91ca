// SPDX-License-Identifier: GPL-3.0-or-later
// The refresh that runs at every tick of the burette flow (every 10 ms while the tap is open):
// the amounts and the bars of the quantities graph over its kept background, then the liquids
// of the bench (niveaubecher), and, while the "Courbes" tab is shown, the curves and the
// progress table; the same tick of the acid-base bench with its probe and meter; and a whole
// pour of 25 mL (250 ticks). Run on the offscreen platform:
//   perf_refresh --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

#include "drawing/bench_drawing.h"
#include "drawing/courbes.h"
#include "drawing/graph.h"
#include "drawing/picture.h"
#include "families/acidbase/courbes_acidbase.h"
#include "families/acidbase/graph_acidbase.h"
#include "families/acidbase/probe.h"
#include "model/acidbase/indicators.h"
#include "model/amounts.h"

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

// The graph and the bench of one titration, drawn once as the window does before pouring.
struct Bench {
    explicit Bench(int species) : species(species), in(benchInputs()) {
        drawing::imafond(bench, species);
        scaleMax = drawing::majtq(tabquant, species, in);
        courbes.species = species;
        courbes.in = in;
        courbes.scaleMax = scaleMax;
        drawing::majcourbes(tabcourbes, courbes);
        tap = QImage(18, 14, QImage::Format_RGB32);
        tap.fill(Qt::gray);
    }

    // One tick of the flow at the poured volume v; with the "Courbes" tab shown, the curves too.
    void refresh(float v, bool courbesShown = false) {
        in.pouredVolume = v;
        if (!drawing::reftq(tabquant, species, in, scaleMax, present)) return;
        drawing::LevelInputs levels;
        levels.species = species;
        levels.pouredVolume = v;
        levels.sampleVolume = in.sampleVolume;
        levels.iodineVolume = in.iodineVolume;
        levels.iodideVolume = in.iodideVolume;
        levels.titrantConcentration = in.titrantConcentration;
        levels.presentAmounts = present;
        levels.tapOpen = true;
        levels.tapImage = tap;
        liquidTop = drawing::niveaubecher(bench, nullptr, levels);
        if (courbesShown) {
            courbes.in.pouredVolume = v;
            drawing::refcourbes(tabcourbes, courbes);
        }
    }

    int species;
    model::BenchInputs in;
    drawing::Picture tabquant{449, 274};
    drawing::Picture bench{drawing::benchWidth, drawing::benchHeight};
    drawing::Picture tabcourbes{449, 274};
    drawing::CourbesInputs courbes;
    model::PresentAmounts present{};
    QImage tap;
    float scaleMax = 0;
    int liquidTop = 0;
};

// One tick, at volumes running over the whole burette.
void BM_RefreshTick(benchmark::State& state) {
    Bench b(int(state.range(0)));
    int tick = 0;
    for (auto _ : state) {
        b.refresh(float(tick % 251) / 10);
        benchmark::DoNotOptimize(b.liquidTop);
        ++tick;
    }
}
BENCHMARK(BM_RefreshTick)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// One tick with the "Courbes" tab shown: the bars, the bench, the curves and the table.
void BM_RefreshTickWithCourbes(benchmark::State& state) {
    Bench b(int(state.range(0)));
    int tick = 0;
    for (auto _ : state) {
        b.refresh(float(tick % 251) / 10, true);
        benchmark::DoNotOptimize(b.liquidTop);
        ++tick;
    }
}
BENCHMARK(BM_RefreshTickWithCourbes)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// The curves and the progress table alone, over their kept background.
void BM_Courbes(benchmark::State& state) {
    Bench b(int(state.range(0)));
    int tick = 0;
    for (auto _ : state) {
        b.courbes.in.pouredVolume = float(tick % 251) / 10;
        drawing::refcourbes(b.tabcourbes, b.courbes);
        benchmark::DoNotOptimize(b.tabcourbes.image().constBits());
        ++tick;
    }
}
BENCHMARK(BM_Courbes)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// The graph's bars alone, without the bench.
void BM_GraphBars(benchmark::State& state) {
    Bench b(int(state.range(0)));
    int tick = 0;
    for (auto _ : state) {
        b.in.pouredVolume = float(tick % 251) / 10;
        drawing::reftq(b.tabquant, b.species, b.in, b.scaleMax, b.present);
        benchmark::DoNotOptimize(b.tabquant.image().constBits());
        ++tick;
    }
}
BENCHMARK(BM_GraphBars)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// A whole pour from 0 to 25 mL, 0.1 mL per tick.
void BM_WholePour(benchmark::State& state) {
    Bench b(int(state.range(0)));
    for (auto _ : state) {
        for (int tick = 0; tick <= 250; ++tick)
            b.refresh(float(tick) / 10);
        benchmark::DoNotOptimize(b.liquidTop);
    }
}
BENCHMARK(BM_WholePour)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// One tick of the acid-base bench with its probe shown: the mixture at the volume, the bars of
// the graph, then the liquids in the indicator's colour, the probe and its meter's display.
// Arguments: the titration, the probe (0 pH meter, 1 conductimeter).
void BM_AcidBaseRefreshTick(benchmark::State& state) {
    namespace ab = model::acidbase;
    const ab::Preparation p{int(state.range(0)), 0.05, 10, 20, 0.1};
    const auto probe = static_cast<ab::Probe>(state.range(1));
    const int indicator = ab::Indicator::Phenolphthalein;
    drawing::Picture tabquant(449, 274);
    drawing::Picture bench(drawing::benchWidth, drawing::benchHeight);
    drawing::imafond(bench, -1, {}, drawing::acidBaseTitrantText(p.titration));
    const float max = drawing::drawAcidBaseGraphBackground(tabquant, p, false);
    QImage tap(18, 14, QImage::Format_RGB32);
    tap.fill(Qt::gray);
    int tick = 0;
    for (auto _ : state) {
        const double v = (tick % 251) / 10.0;
        const ab::Mixture m = ab::mixtureAt(p, v);
        drawing::drawAcidBaseGraphBars(tabquant, p, v, m, max);
        drawing::LevelInputs levels;
        levels.pouredVolume = float(v);
        levels.sampleVolume = p.sampleVolume;
        levels.tapOpen = true;
        levels.tapImage = tap;
        drawing::AcidBaseLevels acidBase;
        acidBase.shown = true;
        acidBase.waterVolume = p.waterVolume;
        acidBase.tint = ab::indicatorColour(indicator, m.pH);
        acidBase.probe = probe;
        acidBase.display = ab::meterDisplay(m, probe);
        levels.content = drawing::flaskContent(acidBase);
        benchmark::DoNotOptimize(drawing::niveaubecher(bench, nullptr, levels));
        ++tick;
    }
}
BENCHMARK(BM_AcidBaseRefreshTick)
    ->Args({model::acidbase::Titration::EthanoicAcid, 0})
    ->Args({model::acidbase::Titration::EthanoicAcid, 1})
    ->Args({model::acidbase::Titration::PhosphoricAcid, 0})
    ->Unit(benchmark::kMicrosecond);

// The acid-base "Courbes" tab at one tick: the amount curves and the progress tables.
void BM_AcidBaseCourbes(benchmark::State& state) {
    drawing::Picture tabcourbes(449, 274);
    drawing::AcidBaseCourbesInputs in;
    in.preparation = {int(state.range(0)), 0.05, 10, 20, 0.1};
    in.scaleMax = drawing::acidBaseScaleMax(in.preparation, false);
    drawing::drawAcidBaseCurvesBackground(tabcourbes, in);
    int tick = 0;
    for (auto _ : state) {
        in.pouredVolume = (tick % 251) / 10.0;
        drawing::drawAcidBaseCurves(tabcourbes, in);
        benchmark::DoNotOptimize(tabcourbes.image().constBits());
        ++tick;
    }
}
BENCHMARK(BM_AcidBaseCourbes)
    ->Arg(model::acidbase::Titration::EthanoicAcid)
    ->Arg(model::acidbase::Titration::PhosphoricAcid)
    ->Unit(benchmark::kMicrosecond);

// The static part alone, rebuilt when the species or a volume changes.
void BM_StaticPart(benchmark::State& state) {
    drawing::Picture tabquant(449, 274);
    const model::BenchInputs in = benchInputs();
    for (auto _ : state)
        benchmark::DoNotOptimize(drawing::majtq(tabquant, 0, in));
}
BENCHMARK(BM_StaticPart)->Unit(benchmark::kMicrosecond);

} // namespace
