// SPDX-License-Identifier: GPL-3.0-or-later
// One tick of the burette's flow in the real main window: Timer1_Timer, with everything the
// window does at a tick (the volume written, the graph, the liquids, the meter, the pictures
// and the graph in words for assistive technology). A redox titration beside acid-base ones
// with the pH meter and the conductimeter, and with the "Courbes" tab shown (with a probe:
// the measured curve growing by a reading a tick, and a method's constructions). Offscreen:
//   perf_bench_tick --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

#include "bench/feuillep.h"
#include "families/acidbase/acidbase_family.h"
#include "files/situations.h"
#include "files/ui/paths.h"
#include "model/acidbase/indicators.h"
#include "model/titration_id.h"
#include "ui/modal.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Arguments: the position in the species list (0 to 9 redox, from model::secondFamilyStart
// acid-base), the probe's position (0 pH meter, 1 conductimeter, 2 none), the tab (1 or 3),
// the position of the method in the list of "Courbes" (0 none; 1 the derivative's maximum
// for a pH, the two lines for σ).
void BM_WindowTick(benchmark::State& state) {
    QTemporaryDir folder; // the bench's temporary file out of the build folder
    files::setProgramFolder(folder.path());
    auto window = std::make_unique<bench::FeuilleP>();
    window->shell().Form_Activate();
    controlsOf(*window).ions1->setCurrentIndex(int(state.range(0)));
    controlsOf(*window).Text1[0]->setText(QStringLiteral("0,05"));
    controlsOf(*window).Text1[1]->setText(QStringLiteral("0,1"));
    controlsOf(*window).Combo1->setCurrentIndex(4);
    auto& acidBase =
        static_cast<families::AcidBaseFamily&>(window->families().of({model::Family::AcidBase, 0}));
    acidBase.indicatorList->setCurrentIndex(1 + model::acidbase::Indicator::Phenolphthalein);
    acidBase.probeList->setCurrentIndex(int(state.range(1)));
    window->chain().Onglets_MouseUp(state.range(2) == 3 ? 400 : 10, 8);
    window->chain().majtq();
    auto* methods = acidBase.courbesMethods()->findChild<QComboBox*>(QStringLiteral("methodList"));
    methods->setCurrentIndex(int(state.range(3)));
    emit methods->activated(int(state.range(3)));
    window->run().Image3_MouseDown();
    for (auto _ : state) {
        window->run().Timer1_Timer();
        if (!controlsOf(*window)
                 .Timer1.isActive()) { // the burette is empty: fill it again, untimed
            state.PauseTiming();
            window->run().Image3_MouseUp();
            window->run().reinitialise();
            window->run().Image3_MouseDown();
            state.ResumeTiming();
        }
    }
    window->run().Image3_MouseUp();
    window.reset();
    files::setProgramFolder({});
}
constexpr int ethanoic = model::listPosition({model::Family::AcidBase, 1});
BENCHMARK(BM_WindowTick)
    ->Args({1, 2, 1, 0})        // oxalic acid, redox
    ->Args({1, 2, 3, 0})        // oxalic acid, "Courbes" shown
    ->Args({ethanoic, 0, 1, 0}) // pH meter
    ->Args({ethanoic, 1, 1, 0}) // conductimeter
    ->Args({ethanoic, 0, 3, 0}) // pH meter, "Courbes" shown
    ->Args({ethanoic, 0, 3, 1}) // and the derivative's maximum
    ->Args({ethanoic, 1, 3, 1}) // conductimeter, "Courbes" shown, the two lines
    ->Args({ethanoic, 2, 3, 0}) // no probe, "Courbes" shown: the amount curves
    ->Unit(benchmark::kMicrosecond);

} // namespace
