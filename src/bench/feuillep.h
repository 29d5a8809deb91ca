// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the titration bench. It builds its controls (controls.h) and lays them out,
// sets the order of the keyboard focus, and routes the events of its controls to its parts
// (parts.h): the bench's state, the burette's run, the refresh chain of the pictures
// (majtq -> reftq -> niveaubecher), the speech, the shell, and the adapters through which the
// other windows and the families of titrations see the bench.
//
// The member functions are spread over files:
//   feuillep.cpp         construction of the controls, start-up, placement on the screen
//   feuillep_access.cpp  names, focus order, the tab strip's and the slider's keys
//   feuillep_keys.cpp    the keys of the tap and the drop, the situations, the shortcuts
//   feuillep_shell.cpp   the signals of the controls, their keys and focus, the window's events

#include "bench/bench_shell.h"
#include "bench/bench_speech.h"
#include "bench/bench_state.h"
#include "bench/burette_run.h"
#include "bench/controls.h"
#include "bench/parts.h"
#include "bench/refresh_chain.h"
#include "bench/role_adapters.h"
#include "bench/set_up.h"
#include "families/registry.h"

#include <QSize>
#include <QWidget>

#include <array>
#include <map>
#include <vector>

class QKeyEvent;

namespace bench {

class SituationGroup;

class FeuilleP : public QWidget, private Controls {
    Q_OBJECT
public:
    // When the pictures of the loading steps are drawn: as the constructor ends, or only at
    // the end of start(), which draws them again anyway (the program's own start-up).
    enum class FirstDrawing { AtOnce, WhenStarted };

    explicit FeuilleP(QWidget* parent = nullptr, FirstDrawing first = FirstDrawing::AtOnce);
    ~FeuilleP() override;

    // Start-up: the constructor runs the loading steps up to the emptying of the burette;
    // start() shows the window, lets the first activation happen and opens the preparation
    // panel. The tabs that the first one hides are painted after the window's first picture,
    // or when one of them is chosen before. The steps of each (and of both together, with
    // FirstDrawing::WhenStarted) draw the bench, the panel and the graph once, at their end.
    void start();

    // The sizes of the pictures the window's first picture is made of (the bench and the panel
    // with their backgrounds, the tab strip, the graph with its background), for images made
    // ahead of the window (drawing::makeImagesAhead).
    static std::vector<QSize> firstPictureSizes();

    // Puts the window back to 800 x 600, normal state, centred (on screens wider than 850).
    void placeWindow();

    // The parts of the bench.
    BenchState& state() { return state_; }
    SetUp& setUp() { return setUp_; }
    BuretteRun& run() { return run_; }
    RefreshChain& chain() { return chain_; }
    BenchSpeech& speech() { return speech_; }
    BenchShell& shell() { return shell_; }
    const BenchState& state() const { return state_; }
    const SetUp& setUp() const { return setUp_; }
    const BuretteRun& run() const { return run_; }
    const RefreshChain& chain() const { return chain_; }
    const BenchSpeech& speech() const { return speech_; }
    // What the other windows see of the bench: the save and open windows, the exercises, and
    // printing with the clipboard copies.
    files::SituationBench& situationBench() { return situationsRole_; }
    exercises::ExerciseArea& exerciseArea() { return exerciseRole_; }
    printing::BenchPictures& benchPictures() { return picturesRole_; }

    // The families of titrations, and the family of the titration on the bench.
    const families::Families& families() const { return families_; }
    families::Family& family() const { return families_.of(setUp_.titration()); }

    // The order of the keyboard focus follows the controls shown (the panel covers some).
    void updateFocusChain();
    void placeListLabels();
    // The controls of the panel, the bench and the families in the order of the focus.
    std::vector<QWidget*> focusChain() const;
    families::BenchWidgets benchWidgets() const;
    bool placementApplies() const;
    // The tabs the strip painted.
    int tabCount() const;

signals:
    // The window's first whole picture is on the screen (after start()): what it did not need
    // can be done now.
    void firstPictureShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The tests reach the controls as the window's parts do.
    friend Controls& controlsOf(FeuilleP& window);
    friend const Controls& controlsOf(const FeuilleP& window);

    void buildCommandRow();
    void buildBench();
    void buildPanel();
    void buildSideTabs();
    void buildExerciseArea();
    void buildAccessibility();
    // Keyboard and assistive technology.
    bool covered(const QWidget* w) const;
    bool ongletsKey(const QKeyEvent* event);
    bool sliderKey(const QKeyEvent* event);
    void connectHandlers();
    // Keys of the tap and the drop, of the situations and of "Vider la burette"; true when
    // the event was used.
    bool benchKey(QObject* watched, QEvent* event);
    bool situationKey(int index, const QKeyEvent* event);
    void buildShortcuts();

    families::Families families_;
    Parts p_{*this, *this, state_, setUp_, run_, chain_, speech_, shell_};
    BenchState state_;
    SetUp setUp_{p_};
    BuretteRun run_{p_};
    RefreshChain chain_{p_};
    BenchSpeech speech_{p_};
    BenchShell shell_{p_};
    SituationsRole situationsRole_{p_};
    ExerciseRole exerciseRole_{p_};
    PicturesRole picturesRole_{p_};
    FamilyBench familyBench_{p_};

    bool placing_ = false;
    SituationGroup* situationGroup_ = nullptr;
    std::array<QLabel*, 3> listLabels_{}; // what screen readers name ions1, Combo1, Combo2 by
    std::map<QWidget*, Qt::FocusPolicy> shownFocusPolicy_; // policies when not covered
    bool started_ = false;            // start() has run: the next picture is the first whole one
    bool firstPictureQueued_ = false; // what follows the first picture waits for the loop
};

// The window's controls, for its parts and for the tests.
Controls& controlsOf(FeuilleP& window);
const Controls& controlsOf(const FeuilleP& window);

} // namespace bench
