// SPDX-License-Identifier: GPL-3.0-or-later
// Holds the burette's tap open for a while in the real main window, with its real 10 ms timer
// and the whole refresh of every tick, and prints how much of the nominal 10 mL per second was
// poured. Each tick adds 0.1 mL, so a tick that takes too long shows as a lower rate.
//
//   perf_flow_rate [seconds] [runs]     (defaults: 2 seconds, 5 runs)
//
// Runs on any platform plugin (QT_QPA_PLATFORM=offscreen, or a real display).

#include "bench/feuillep.h"
#include "files/ui/paths.h"
#include "ui/first_button.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? std::max(0.2, std::atof(argv[1])) : 2.0;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

    QTemporaryDir folder; // keeps the temporary file of the bench out of the build folder
    files::setProgramFolder(folder.path());
    ui::FirstButtonAnswerer answers;
    ui::setAnswerer(&answers);

    bench::FeuilleP window;
    window.start();
    window.setUp().Command3_Click(); // leave the preparation panel: the bench is shown
    app.processEvents();

    std::vector<double> ratios;
    for (int run = 0; run < runs; ++run) {
        window.run().Command12_Click(); // burette back to 0
        app.processEvents();
        QElapsedTimer clock;
        window.run().Image3_MouseDown();
        clock.start();
        QTimer::singleShot(int(seconds * 1000), Qt::PreciseTimer, &app, [&] { app.quit(); });
        app.exec();
        window.run().Image3_MouseUp();
        const double elapsed = clock.nsecsElapsed() / 1e9;
        const double poured = controlsOf(window).Text1[5]->text().replace(',', '.').toDouble();
        const double ratio = poured / (10.0 * elapsed);
        ratios.push_back(ratio);
        std::printf("run %d: %.1f mL in %.3f s, %.1f %% of 10 mL/s\n", run + 1, poured, elapsed,
                    100 * ratio);
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("median: %.1f %% of the nominal flow over %d runs of %.1f s\n",
                100 * ratios[ratios.size() / 2], runs, seconds);
    return 0;
}
