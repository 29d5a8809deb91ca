// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the titration bench. Its controls hold the bench state (concentrations,
// volumes, species, pipette volumes, starch, the hidden concentration, the ten situations);
// its handlers validate what is typed, run the burette and keep the graph and the bench
// pictures in step through the refresh chain majtq -> reftq -> niveaubecher.
//
// The member functions are spread over files by concern:
//   feuillep.cpp         construction of the controls, start-up, placement on the screen
//   feuillep_state.cpp   text boxes, lists, situations, hidden concentration, panel buttons
//   feuillep_run.cpp     tap, drop, timers, emptying the burette
//   feuillep_shell.cpp   activation, temporary file, command buttons, closing, and what the
//                        secondary windows need of the main window (their roles below)
//   feuillep_paint.cpp   the refresh chain and the paintings of the bench and side panels
//   feuillep_access.cpp  names, focus order, the tab strip's keys, the pictures in words
//   feuillep_keys.cpp    the keys of the tap and the drop, the situations, the shortcuts
//   feuillep_speech.cpp  what is told where the focus is: the volume and the colour while
//                        pouring, the summary of the bench, corrections, moves of the focus
//   feuillep_student.cpp a student's own concentration, the check of a result, the report

#include "drawing/bench_drawing.h"
#include "drawing/courbes.h"
#include "drawing/graph.h"
#include "exercises/exercise_area.h"
#include "families/family.h"
#include "families/registry.h"
#include "files/ui/situation_bench.h"
#include "files/unknown_sample.h"
#include "model/amounts.h"
#include "model/colour_words.h"
#include "model/measurements.h"
#include "printing/bench_pictures.h"

#include <QEvent>
#include <QSize>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTextEdit;
class QToolButton;

namespace drawing {
class PictureBox;
}
namespace exercises {
class ExerciseMenu;
class FormatBar;
} // namespace exercises

namespace bench {

class ImageButton;
class SituationGroup;

class FeuilleP : public QWidget,
                 public families::BenchView,
                 public files::SituationBench,
                 public exercises::ExerciseArea,
                 public printing::BenchPictures {
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

    // ---- Controls (names of the bench) ----
    std::array<QLineEdit*, 6> Text1{};
    QComboBox* ions1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* masquer = nullptr;
    std::array<QRadioButton*, 10> Option2{};
    QLabel* Labelvol = nullptr;
    QLabel* Label1 = nullptr;
    bench::ImageButton* Command5 = nullptr;    // random concentration
    bench::ImageButton* Image3 = nullptr;      // the burette tap
    bench::ImageButton* Image1 = nullptr;      // one drop
    QPushButton* Command1 = nullptr;           // Fermer
    QPushButton* Command2 = nullptr;           // Ouvrir
    QPushButton* Command3 = nullptr;           // preparation / simulation
    QPushButton* Command4 = nullptr;           // Copier
    QPushButton* Command6 = nullptr;           // Vider la burette
    QPushButton* Command7 = nullptr;           // Aide
    QPushButton* Command8 = nullptr;           // Calculatrice
    QPushButton* Command9 = nullptr;           // Simuler le titrage (inside the panel)
    QPushButton* Command10 = nullptr;          // Imprimer
    QPushButton* Command11 = nullptr;          // Enregistrer
    QPushButton* Command12 = nullptr;          // burette back to 0
    QToolButton* btexo = nullptr;              // exercises menu
    exercises::FormatBar* formatBar = nullptr; // the text's formats, under the text area
    QPushButton* checkResult = nullptr;        // "Vérifier mon résultat…", under the text area
    QScrollBar* HScroll1 = nullptr;            // tint slider (a bench::TintSlider)
    drawing::PictureBox* picburette = nullptr; // bench picture
    drawing::PictureBox* Picture4 = nullptr;   // preparation panel
    drawing::PictureBox* Onglets = nullptr;    // tab strip and side panel
    drawing::PictureBox* tabquant = nullptr;   // quantities graph
    drawing::PictureBox* Frame2 = nullptr;     // tint-scale panel
    drawing::PictureBox* tabcourbes = nullptr; // curves and progress table
    drawing::PictureBox* PictureMnO4 = nullptr;
    drawing::PictureBox* PictureI2 = nullptr;
    QTimer Timer1; // flow, 10 ms
    QTimer Timer2; // falling drop, 60 ms

    // ---- Handlers of the bench state ----
    void Text1_LostFocus(int index);
    void Combo1_Click();
    void Combo2_Click();
    void ions1_Click();
    void Check1_Click();
    void Option2_Click(int index);
    void masquer_Click();
    void Command5_Click();
    void Label1_Click();
    void Command3_Click();
    void Command9_Click();
    void Command12_Click();

    // ---- Titration run ----
    void Image3_MouseDown();
    void Image3_MouseUp();
    void Image3_Click();
    void Timer1_Timer();
    void Image1_Click();
    void Timer2_Timer();
    void Command6_Click();
    void reinitialise() override;
    bool tapOpen() const { return tapOpen_; }
    int dropStep() const { return dropStep_; }

    // ---- Shell ----
    void Form_Activate();
    int activations() const { return activations_; }
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void Command7_Click();
    void Command8_Click();
    void Command10_Click();
    void Command11_Click();
    void btexo_Click();
    void Onglets_MouseUp(int x, int y);
    // The closing questions; true when the window may close.
    bool queryClose();
    // The end asked by the system (a stop signal, the end of the desktop session): the program
    // ends at once, without the closing questions, as after them.
    void endWithoutQuestions();
    // Puts the window back to 800 x 600, normal state, centred (on screens wider than 850).
    void placeWindow();
    // The temporary file shared with other programs: in the program folder when it is the
    // user's own, else in the user's own data folder.
    static QString temporaryFile();

    // ---- Refresh chain and paintings ----
    void majtq() override;
    void reftq() override;
    void niveaubecher() override;
    void imafond();
    void fond01();
    void prepasol();
    void Frame2_Paint();
    void Onglets_Paint();
    void paintSideTabs(); // once: the tint scales painted, the curves' tab placed
    // The "Courbes" tab: refcourbes draws the curves and the progress table at the poured
    // volume, and first their static part when the inputs changed since; it does nothing
    // while the tab is not shown.
    void refcourbes() override;

    // The text the bench holds for box k, the concentration to find too while it is hidden
    // (it is then kept out of its box, where assistive technology would read it).
    QString benchText(int k) const { return text(k); }
    // The concentration to find is hidden, and hidden and locked by an exercise.
    bool sampleHidden() const override { return sampleHidden_; }
    bool exerciseSecret() const override { return exerciseSecret_ && sampleHidden_; }

    // The species shown (position of ions1, -1 for none) and the bench inputs as numbers.
    int species() const;
    model::BenchInputs benchInputs() const override;
    const model::PresentAmounts& presentAmounts() const override { return presentAmounts_; }
    float scaleMax() const override { return scaleMax_; }
    int flaskX() const { return flaskX_; }

    // ---- What is told to assistive technology ----
    // "4,05 mL versés, solution rose pâle": the description of the tap, the drop, "Vider la
    // burette" and the reset. While the titrant flows it is told on the focused one of them
    // at most once per interval (and at once when the colour changes); when the flow stops,
    // all of them take it.
    // With a probe in the beaker, the meter's reading follows: "…, solution rose pâle,
    // pH-mètre : 8,73".
    QString progressSentence() const override;
    static constexpr int progressInterval = 250; // ms
    // The meter as it reads now, "pH-mètre : 4,76"; empty without a probe.
    QString meterReading() const { return family().meterReading(); }
    // The summary of the bench read on F2: the species and their concentrations ("inconnue"
    // while hidden), the volumes, the indicator, the volume poured, the colour of the solution
    // and the meter's reading.
    QString sceneSummary() const;
    // What the situation button says: "Situation 3 : diiode, 0,010 mol/L".
    QString situationName(int index) const;
    // The milliseconds the told progress is timed by (a steady clock unless a test sets one).
    void setClock(std::function<qint64()> clock) { clock_ = std::move(clock); }
    // Pours 1 mL at once, not beyond the burette (Page Down on the tap or the drop).
    void pourMillilitre();

    // The tab of the side panel: 1 the graph, 2 the tint scales, 3 the curves.
    int currentTab() const { return currentTab_; }
    // The volumes (mL) at which drops landed since the burette was last emptied or refilled.
    const std::vector<double>& drops() const { return measurements_.drops(); }

    // The families of titrations, and the family of the titration on the bench.
    const families::Families& families() const { return families_; }
    families::Family& family() const { return families_.of(titration()); }
    model::TitrationId titration() const override;

    // ---- What the secondary windows need of the main window ----
    QWidget* mainWindow() override { return this; }
    // files::SituationBench: the save and open windows.
    files::Situations& situations() override { return situations_; }
    void setCaption(const QString& caption) override;
    void clearSituationButtons() override;
    void selectSituation(int index) override;
    // exercises::ExerciseArea: the exercises window and menu.
    exercises::ExerciseState& exercise() override { return exercise_; }
    QTextEdit* supertext() override { return supertext_; }
    QLineEdit* fich() override { return fich_; }
    void showInformation() override;
    void hideSampleConcentration() override;
    bool sampleConcentrationHidden() override { return sampleHidden_; }
    void revealSampleConcentration() override;
    void sealSample(std::optional<double> own) override;
    double sampleConcentration() override;
    exercises::BenchReadings benchReadings() override;
    void setResultCheckOffered(bool offered) override;
    void loadConfiguration(const QString& path) override;
    const files::SituationTable& benchSituations() override;
    const files::SituationTable& exerciseSituations() override;
    void forgetSecretSample() override { endSecret(false); }
    // printing::BenchPictures: printing and the clipboard copies.
    QImage benchImage(qreal scale, bool withValues) override;
    QImage graphImage(qreal scale) override;
    QImage courbesImage(qreal scale) override;
    std::string tableText(std::string_view separator, std::string_view lineEnd) override;
    printing::ReportFacts reportFacts() override;
    // A secret concentration is on the bench (its situations hold the word that stands for
    // it, files::unknownSampleText).
    bool sampleSealed() const { return hiddenSamples_.held(); }

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
    void buildCommandRow();
    void buildBench();
    void buildPanel();
    void buildSideTabs();
    void buildExerciseArea();
    void buildAccessibility();
    // Keyboard and assistive technology.
    std::vector<QWidget*> focusChain() const;
    // families::BenchView: what the families read of the bench and ask of it.
    double sampleVolume() const override { return itemValue(Combo1); }
    bool starch() const override;
    int tintSlider() const override;
    double pouredVolume() const override;
    const model::Measurements& measurements() const override { return measurements_; }
    const bool& movingFocus() const override { return movingFocus_; }
    QString sampleSentence(std::string_view listText) const override;
    QString iodineVolumeText() const override;
    void markCourbesStale() override { courbesStale_ = true; }
    void paintScales() override { Frame2_Paint(); }
    void validateBox(int box) override { Text1_LostFocus(box); }
    families::BenchWidgets benchWidgets() const;
    bool covered(const QWidget* w) const;
    void updateFocusChain() override;
    void placeListLabels();
    int tabCount() const;
    bool ongletsKey(const QKeyEvent* event);
    bool sliderKey(const QKeyEvent* event);
    void updateTabParts();
    void updateBenchParts();
    void updateGraphParts();
    void updateCourbesParts();
    void connectHandlers();
    // Keys of the tap and the drop, of the situations and of "Vider la burette"; true when
    // the event was used.
    bool benchKey(QObject* watched, QEvent* event);
    bool situationKey(int index, const QKeyEvent* event);
    void buildShortcuts();
    // The titrant flows: the tap open or a drop falling.
    bool flowing() const override;
    // Told where the focus is.
    void updateSpokenProgress(bool colourChanged);
    void updateSituationNames();
    void tellSummary();
    // A box validated from the keyboard or by leaving it: a value the validation changed is
    // told.
    void validateTyped(int index);
    void tellCorrection(const QString& typed, const QString& kept, const QString& unit) override;
    QString sampleWords(std::string_view listText, const QString& typed) const;
    // The die and the reveal label worked by the user: where the focus goes is told.
    void drawFromDie();
    void revealFromLabel();
    // A pipette volume put back to 0: the sample and the reagent would pass 25 mL.
    void tellVolumeReset();
    // The probe's reading taken at the poured volume (a tick, a stop, a drop).
    void noteReading();
    void updateMeterPart(bool settled);

    // Helpers of the state.
    QString text(int index) const override;
    void setText(int index, const QString& text) override;
    void rewriteLabelvol();
    void lockBoxes(bool locked);
    void setTap(bool open);
    static double itemValue(const QComboBox* list);
    void keyIntoBox(int index, QChar typed);
    void guardPastedText(int index);
    void moveFocusToSupertext();
    void updateBoxDescription(int index);
    // The hidden concentration locked as the random concentration leaves it: the button of
    // the random concentration hidden, the reveal label shown, masquer disabled.
    void lockHiddenConcentration();
    // The concentration to find taken out of its box while it is hidden, put back when shown.
    void keepSampleSecret(bool hidden);
    // The secret concentration of the situation shown, when its text is the word that stands
    // for it; none otherwise.
    std::optional<double> secretSample() const;
    // The concentration to find as every family reads it: the secret one, else the text.
    double sampleValue() const override;
    // The reveal label while an exercise keeps the concentration secret ("inconnue", nothing
    // to click), or as it is otherwise.
    void showSecretLabel(bool secret);
    // The secret ends, the bench unlocked and the concentration shown: each situation takes
    // back the exercise's value (giveBack: its correction is shown) or the start value
    // 0,01 mol/L (a new solution); a student's own value always gives way to the start value.
    void endSecret(bool giveBack);
    // The student defined a new solution (another species, a configuration opened): the
    // secret ends unless the exercise that hides it is open.
    void newSolutionChosen();
    drawing::GraphSecret graphSecret() const;
    // The bench's values copied into the current situation of the table, through the situation
    // buttons, the current situation staying on the bench.
    void storeBenchInSituation();

    // Temporary file records.
    static void writeTempRecord(int record, const QString& text);
    // The exercise named in record 31, which is emptied; empty when none is to be opened.
    QString takeExerciseRequest();
    void openRequestedExercise(const QString& name);
    // The last steps of closing: the calculator unloaded, "NON" in record 24, the program ends.
    void endProgram();

    // Pictures that come from the drawing procedures.
    QImage tapPicture(bool open) const;
    // The inputs of the liquids' painting, gathered from the controls; ratio is the device
    // pixel ratio of the picture they are painted into.
    drawing::LevelInputs levelInputs(qreal ratio) const;
    drawing::BenchControls benchControls() const;
    QImage dropPicture() const;
    void drawDrop(); // the falling drop at its place for dropStep
    bool placementApplies() const;

    QTextEdit* supertext_ = nullptr;
    QLineEdit* fich_ = nullptr;
    exercises::ExerciseMenu* exerciseMenu_ = nullptr; // made at the first click on btexo

    families::Families families_;
    files::Situations situations_;
    exercises::ExerciseState exercise_;
    int currentTab_ = 1;
    model::Measurements measurements_; // since the burette was last emptied
    bool courbesStale_ = true;         // the static part of the curves must be drawn again

    bool sampleHidden_ = false; // masquer ticked: the concentration lives in hiddenSample_
    // Hidden and locked by an exercise, until its correction shows it or, once it is closed,
    // the student defines a new solution.
    bool exerciseSecret_ = false;
    QString hiddenSample_;
    // The secret concentrations, which the word in the situations stands for.
    files::HiddenSamples hiddenSamples_;
    files::SituationTable unsealedSituations_; // what exerciseSituations() gives
    bool loadingForExercise_ = false;          // an exercise's configuration is being loaded

    model::PresentAmounts presentAmounts_{};
    float scaleMax_ = 0;
    bool graphBuilt_ = false; // majtq has run
    int flaskX_ = 50;
    int liquidTop_ = 155;
    int dropStep_ = 0;
    std::array<std::int16_t, 6> tabEdges_{}; // boundaries of the tabs, from the tab strip
    bool tapOpen_ = false;
    bool placing_ = false;
    bool closingAccepted_ = false;
    bool ended_ = false;            // the closing steps have run
    bool movingFocus_ = false;      // focus moved by program: no validation on leaving
    bool tapQuestionAsked_ = false; // the press on the tap went to the empty-burette question
    bool tapByKey_ = false;         // the tap is worked from the keyboard: the focus stays
    bool lostToOwnWindow_ = true;   // the window last lost the activation to one of ours
    int activations_ = 0;
    int flaskWord_ = -1;        // the colour word the beaker's name last said
    QString flaskColour_;       // the colour of the solution, as told
    QString toldProgress_;      // the progress sentence last told
    qint64 progressToldAt_ = 0; // when (clock_) it was told during a flow
    std::function<qint64()> clock_;
    bool command6ByKey_ = false; // "Vider la burette" last pressed from the keyboard
    int queuedDrops_ = 0;        // drops asked for from the keyboard while one falls
    SituationGroup* situationGroup_ = nullptr;
    std::array<QLabel*, 3> listLabels_{}; // what screen readers name ions1, Combo1, Combo2 by
    std::map<QWidget*, Qt::FocusPolicy> shownFocusPolicy_; // policies when not covered
    QString unemptiedRequest_;        // a request of record 31 already opened but not emptied
    bool started_ = false;            // start() has run: the next picture is the first whole one
    bool firstPictureQueued_ = false; // what follows the first picture waits for the loop
    bool sideTabsPainted_ = false;    // paintSideTabs has run

    // While the window is built and started, the refresh chain is held: each of its steps
    // notes what it would draw, and releaseDrawing() draws it once, in the order the pictures
    // are laid (backgrounds, panel, graph, then the levels over the bench and the panel).
    enum HeldDrawing : unsigned {
        HeldPanelBackground = 1u, // fond01
        HeldBenchBackground = 2u, // imafond
        HeldPanel = 4u,           // prepasol
        HeldGraph = 8u,           // majtq
        HeldAmounts = 16u,        // reftq
        HeldLevels = 32u,         // niveaubecher
    };
    // True, and the drawing noted, while the chain is held.
    bool held(HeldDrawing step);
    void holdDrawing() { drawingHeld_ = true; }
    void releaseDrawing();
    void drawBenchBackground(); // imafond without its refresh of the amounts
    bool drawingHeld_ = false;
    unsigned heldDrawing_ = 0;
    int levelsDrawn_ = 0; // niveaubecher's drawings, for releaseDrawing
};

} // namespace bench
