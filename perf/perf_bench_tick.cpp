// SPDX-License-Identifier: GPL-3.0-or-later
// One tick of the burette's flow in the real main window: Timer1_Timer, with everything the
// window does at a tick (the volume written, the graph, the liquids, the meter, the pictures
// and the graph in words for assistive technology). A redox titration beside acid-base ones
// with the pH meter and the conductimeter, and with the "Courbes" tab shown. Offscreen:
//   perf_bench_tick --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

#include "bench/feuillep.h"
#include "files/situations.h"
#include "files/ui/paths.h"
#include "model/acidbase/indicators.h"
#include "ui/modal.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Arguments: the position in the species list (0 to 9 redox, from files::acidBaseListStart
// acid-base), the probe's position (0 pH meter, 1 conductimeter, 2 none), the tab (1 or 3).
void BM_WindowTick(benchmark::State& state) {
    QTemporaryDir folder; // the bench's temporary file out of the build folder
    files::setProgramFolder(folder.path());
    auto window = std::make_unique<bench::FeuilleP>();
    window->Form_Activate();
    window->ions1->setCurrentIndex(int(state.range(0)));
    window->Text1[0]->setText(QStringLiteral("0,05"));
    window->Text1[1]->setText(QStringLiteral("0,1"));
    window->Combo1->setCurrentIndex(4);
    window->indicatorList->setCurrentIndex(1 + model::acidbase::Indicator::Phenolphthalein);
    window->probeList->setCurrentIndex(int(state.range(1)));
    window->Onglets_MouseUp(state.range(2) == 3 ? 400 : 10, 8);
    window->majtq();
    window->Image3_MouseDown();
    for (auto _ : state) {
        window->Timer1_Timer();
        if (!window->Timer1.isActive()) { // the burette is empty: fill it again, untimed
            state.PauseTiming();
            window->Image3_MouseUp();
            window->reinitialise();
            window->Image3_MouseDown();
            state.ResumeTiming();
        }
    }
    window->Image3_MouseUp();
    window.reset();
    files::setProgramFolder({});
}
constexpr int ethanoic = files::acidBaseListStart + 1;
BENCHMARK(BM_WindowTick)
    ->Args({1, 2, 1})        // oxalic acid, redox
    ->Args({1, 2, 3})        // oxalic acid, "Courbes" shown
    ->Args({ethanoic, 0, 1}) // pH meter
    ->Args({ethanoic, 1, 1}) // conductimeter
    ->Args({ethanoic, 0, 3}) // pH meter, "Courbes" shown
    ->Unit(benchmark::kMicrosecond);

} // namespace
