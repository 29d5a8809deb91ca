// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window and its secondary windows used at random for a while: clicks, drags,
// the wheel and keys from a seeded generator, every question answered at random. The run fails
// on a crash, on an event loop blocked for more than 5 s, on a memory growth of more than
// 20 MB between its first and its last minute, and on a file written outside its scratch
// folders. It lasts 60 s; TITRAGE_GUI_FUZZ_SECONDS and TITRAGE_GUI_FUZZ_SEED give another
// length and another sequence (the timers of the bench make two runs of one seed differ a
// little).

#include "bench/feuillep.h"
#include "bench/random_concentration.h"
#include "files/situations.h"
#include "files/ui/folderlists.h"
#include "files/ui/paths.h"
#include "guifuzz/random_answerer.h"
#include "guifuzz/random_user.h"
#include "guifuzz/sandbox.h"
#include "model/acidbase/catalogue.h"
#include "model/titration_id.h"
#include "support/application.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

long long envNumber(const char* name, long long fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtoll(value, nullptr, 10) : fallback;
}

// Stops the program when its event loop does not come back for more than 5 s: the actions
// of the random user beat, and a beat missing that long means one of them hangs.
class Watchdog {
public:
    explicit Watchdog(unsigned long long seed) : seed_(seed), thread_([this] { watch(); }) {}
    ~Watchdog() {
        stop_ = true;
        thread_.join();
    }
    void beat(const QString& doing) {
        const std::lock_guard<std::mutex> lock(mutex_);
        doing_ = doing.toStdString();
        last_ = Clock::now().time_since_epoch().count();
    }

private:
    void watch() {
        while (!stop_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            const std::lock_guard<std::mutex> lock(mutex_);
            const auto since = Clock::now() - Clock::time_point(Clock::duration(last_.load()));
            if (since > std::chrono::seconds(5)) {
                std::fprintf(stderr,
                             "The event loop has been blocked for more than 5 s (seed %llu), "
                             "since: %s\n",
                             seed_, doing_.c_str());
                std::abort();
            }
        }
    }

    unsigned long long seed_;
    std::atomic<bool> stop_{false};
    std::atomic<Clock::rep> last_{Clock::now().time_since_epoch().count()};
    std::mutex mutex_;
    std::string doing_ = "the start";
    std::thread thread_;
};

TEST(GuiFuzz, RandomUseOfEveryWindow) {
    const long long seconds = envNumber("TITRAGE_GUI_FUZZ_SECONDS", 60);
    const auto seed = static_cast<unsigned long long>(envNumber("TITRAGE_GUI_FUZZ_SEED", 15));
    std::printf("GUI fuzz run: %lld s, seed %llu\n", seconds, seed);
    guifuzz::Sandbox sandbox;
    // The offscreen platform's remarks on what it cannot do (raise, grab the keyboard) would
    // fill the log: only Qt's critical messages are shown.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    support::application();
    files::setProgramFolder(QString::fromStdString(sandbox.program.string()));
    bench::seedRandomConcentration(unsigned(seed));

    std::mt19937_64 random(seed);
    guifuzz::RandomUser user(random);
    auto watchdog = std::make_unique<Watchdog>(seed);
    const auto start = Clock::now();
    const auto end = start + std::chrono::seconds(seconds);
    // The memory at the end of the first minute (of the first quarter of a shorter run) is
    // compared with the memory at the end.
    const auto warmedUp = start + std::min<Clock::duration>(std::chrono::seconds(60),
                                                            std::chrono::seconds(seconds) / 4);
    long long warmedUpBytes = -1;

    const QString work = QString::fromStdString(sandbox.work.string());
    // The folder lists of the open and save windows go anywhere on the disk: a random user
    // would save configurations all over it. They are brought back into the scratch folder.
    // So is a name box of those windows holding a path (the save window proposes the whole
    // path of the file): random edits could turn it into a path anywhere else.
    auto fence = [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            const auto folderLists = top->findChildren<files::FolderList*>();
            for (files::FolderList* folders : folderLists)
                if (!sandbox.holds(folders->path().toStdString())) folders->setPath(work);
            if (folderLists.isEmpty()) continue;
            for (QLineEdit* name : top->findChildren<QLineEdit*>()) {
                const QString text = name->text();
                if (text.contains(QLatin1Char('/')) && !sandbox.holds(text.toStdString()))
                    name->setText(text.section(QLatin1Char('/'), -1));
            }
        }
    };
    // The controls that only the acid-base titrations show, and how often an action hit them.
    std::map<QString, int> acidBaseReached{{QStringLiteral("titrantBox"), 0},
                                           {QStringLiteral("waterBox"), 0},
                                           {QStringLiteral("indicatorList"), 0},
                                           {QStringLiteral("probeList"), 0}};
    auto afterAction = [&] {
        watchdog->beat(user.last());
        for (auto& [name, count] : acidBaseReached)
            if (user.last().contains(QLatin1Char(' ') + name + QLatin1Char(' '))) ++count;
        fence();
        if (warmedUpBytes < 0 && Clock::now() >= warmedUp) warmedUpBytes = guifuzz::residentBytes();
        return Clock::now() < end;
    };
    guifuzz::RandomAnswerer answerer(user, sandbox.work, afterAction);

    std::unique_ptr<bench::FeuilleP> window;
    int windowsMade = 0;
    while (afterAction()) {
        // Closing the main window ends the program: a new one starts, as the user would
        // start the program again.
        if (!window || !window->isVisible()) {
            window.reset();
            window = std::make_unique<bench::FeuilleP>();
            ++windowsMade;
            window->start();
            continue;
        }
        // Now and then an acid-base titration is chosen from the list, as a student picks one:
        // the items at the end of the list are reached at random less often than its first ones.
        if (user.chance(0.01))
            controlsOf(*window).ions1->setCurrentIndex(model::listPosition(
                {model::Family::AcidBase, user.below(model::acidbase::titrationCount)}));
        user.act(*window);
    }
    window.reset();
    QApplication::processEvents();
    const long long endBytes = guifuzz::residentBytes();
    // The checks below take their time: the event loop has stopped anyway.
    watchdog.reset();

    std::printf("%d actions, %d requests of the program, %d secondary windows, %d main "
                "windows; resident memory %.1f MB after the first part, %.1f MB at the end\n",
                user.actions(), answerer.requests, answerer.windows, windowsMade,
                double(warmedUpBytes) / 1e6, double(endBytes) / 1e6);
    for (const auto& [kind, count] : answerer.windowKinds)
        std::printf("  %s shown %d times\n", kind.c_str(), count);
    for (const auto& [name, count] : acidBaseReached) {
        std::printf("  %s reached %d times\n", qPrintable(name), count);
        EXPECT_GT(count, 0) << name.toStdString() << " never reached";
    }
    EXPECT_GT(user.actions(), 100) << "the run did almost nothing";
    EXPECT_GT(answerer.windows, 0) << "no secondary window was opened";
#ifndef __SANITIZE_ADDRESS__
    EXPECT_LE(endBytes - warmedUpBytes, 20LL << 20) << "memory grew by more than 20 MB";
#else
    // AddressSanitizer holds freed memory back for a while: the growth says nothing here.
    std::printf("Memory growth not checked under AddressSanitizer\n");
#endif
    for (const std::string& file : sandbox.filesWrittenOutside())
        ADD_FAILURE() << "written outside the scratch folder: " << file;
    if (testing::Test::HasFailure()) {
        sandbox.keep();
        std::printf("The scratch folders are kept in %s\n", sandbox.root.c_str());
    }
    files::setProgramFolder({});
}

} // namespace
