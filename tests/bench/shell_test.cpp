// SPDX-License-Identifier: GPL-3.0-or-later
// The frame of the bench: controls and captions, the temporary file, closing and saving.
#include "fixture.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTextEdit>
#include <QToolButton>

using benchtest::BenchTest;

namespace {

TEST_F(BenchTest, CommandButtonsHaveTheirCaptionsTipsAndPlaces) {
    struct Row {
        QPushButton* button;
        const char* caption;
        const char* tip;
        QRect place;
    } rows[] = {
        {controlsOf(*window).Command2, "&Ouvrir", "Retrouver une configuration", {0, 0, 113, 41}},
        {controlsOf(*window).Command11,
         "&Enregistrer",
         "Enregistrer la configuration actuelle",
         {112, 0, 121, 41}},
        {controlsOf(*window).Command4,
         "Co&pier",
         "Placer l'image dans le presse-papiers",
         {232, 0, 113, 41}},
        {controlsOf(*window).Command10, "&Imprimer", "Imprimer l'image", {344, 0, 121, 41}},
        {controlsOf(*window).Command8, "&Calculatrice", "Machine à calculer", {464, 0, 121, 41}},
        {controlsOf(*window).Command7,
         "&Aide",
         "Aide pour utiliser cette application",
         {584, 0, 113, 41}},
        {controlsOf(*window).Command1, "&Fermer", "Quitter cette application", {696, 0, 105, 41}},
        {controlsOf(*window).Command6, "Vider la burette", "", {136, 290, 89, 17}},
        {controlsOf(*window).Command12, "0", "Remettre la burette à zéro", {216, 144, 17, 17}},
        {controlsOf(*window).Command3, "Définir la\nsolution titrée", "", {160, 416, 97, 41}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.caption);
        EXPECT_EQ(row.button->text(), QString::fromUtf8(row.caption));
        EXPECT_EQ(row.button->toolTip(), QString::fromUtf8(row.tip));
        EXPECT_EQ(row.button->geometry(), row.place);
    }
    EXPECT_EQ(window->windowTitle(), "Titrage colorimétrique");
    EXPECT_EQ(window->size(), QSize(800, 600));
    EXPECT_EQ(controlsOf(*window).picburette->geometry(), QRect(8, 48, 313, 497));
    EXPECT_EQ(controlsOf(*window).Onglets->geometry(), QRect(328, 48, 457, 297));
    EXPECT_EQ(window->exerciseArea().fich()->geometry(), QRect(424, 352, 361, 19));
    EXPECT_EQ(controlsOf(*window).btexo->geometry(), QRect(424, 352, 97, 19));
    EXPECT_EQ(window->exerciseArea().supertext()->geometry(), QRect(424, 371, 361, 174));
    EXPECT_EQ(controlsOf(*window).Command5->toolTip(), "Concentration aléatoire");
    EXPECT_EQ(controlsOf(*window).Image1->toolTip(), "Ajouter une goutte");
    // Once the preparation panel is open, the button leads to the simulation.
    openPanel();
    EXPECT_EQ(controlsOf(*window).Command3->text(), "Simuler le titrage");
}

TEST_F(BenchTest, SituationButtonsHaveTheirCaptionsColoursAndPlaces) {
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        QRadioButton* b = controlsOf(*window).Option2[i];
        EXPECT_EQ(b->text(), QString("Situation n° %1").arg(i + 1));
        EXPECT_EQ(b->geometry(), QRect(328, 352 + 19 * i, 89, 20));
        EXPECT_EQ(b->palette().color(QPalette::Window), QColor(255, 255 - 9 * i, 180));
        EXPECT_EQ(b->isChecked(), i == 0);
    }
}

TEST_F(BenchTest, StartUpLeavesTheDefaults) {
    const char* defaults[6] = {"0,01", "0,005", "0,05", "0", "20,0", "0,0"};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(text(k), defaults[k]) << k;
    EXPECT_TRUE(controlsOf(*window).Text1[4]->isHidden());
    EXPECT_TRUE(controlsOf(*window).Text1[5]->isHidden());
    EXPECT_EQ(controlsOf(*window).Labelvol->text(), "0,0 mL");
    // The ten redox species, the acid-base family's heading and its eleven titrations.
    EXPECT_EQ(controlsOf(*window).ions1->count(), 22);
    EXPECT_EQ(controlsOf(*window).ions1->itemText(6), "peroxyde d'hydrogène");
    EXPECT_EQ(controlsOf(*window).Combo1->currentText(), "0");
    EXPECT_EQ(controlsOf(*window).Combo2->itemText(5), "20 mL");
    EXPECT_EQ(window->situationBench().situations().table.current, 0);
    EXPECT_EQ(window->situationBench().situations().table.texts[9][3], "10");
    EXPECT_EQ(window->chain().currentTab(), 1);
    EXPECT_GT(window->setUp().scaleMax(), 0.0f); // the activation has built the graph
    EXPECT_EQ(controlsOf(*window).Timer1.interval(), 10);
    EXPECT_EQ(controlsOf(*window).Timer2.interval(), 60);
    EXPECT_EQ(controlsOf(*window).Timer1.timerType(), Qt::PreciseTimer);
}

TEST_F(BenchTest, TemporaryFileAnnouncesTheRunAndTakesRequests) {
    EXPECT_EQ(tempRecord(24), "OUI");
    const std::string path = QFile::encodeName(bench::BenchShell::temporaryFile()).toStdString();
    ASSERT_EQ(files::writeRecord(path, 31, "  exercice.E44 "), files::RecordStatus::Ok);
    script.answers = {ui::Answer::Ok}; // the exercise requested cannot be read
    window->shell().Form_Activate();
    EXPECT_EQ(tempRecord(31), "");
    // The other records are left alone.
    ASSERT_EQ(files::writeRecord(path, 5, "autre"), files::RecordStatus::Ok);
    window->shell().Form_Activate();
    EXPECT_EQ(tempRecord(5), "autre");
    EXPECT_EQ(tempRecord(24), "OUI");

    script.answers = {ui::Answer::Ok};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(tempRecord(24), "NON");
}

TEST_F(BenchTest, AProgramFolderThatCannotBeWrittenKeepsTheFileInTheUsersOwnFolder) {
    // A folder that does not exist cannot be written, whoever runs the test.
    files::setProgramFolder(folder.path() + "/absent/folder");
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    ASSERT_TRUE(own.contains(".qttest")); // never the real user's folder
    QDir(own).removeRecursively();
    EXPECT_EQ(bench::BenchShell::temporaryFile(), QDir(own).filePath("TEMPlu.TMP"));
    {
        bench::FeuilleP other;
        EXPECT_EQ(tempRecord(24), "OUI");
        const std::string path =
            QFile::encodeName(bench::BenchShell::temporaryFile()).toStdString();
        ASSERT_EQ(files::writeRecord(path, 31, "exercice.E44"), files::RecordStatus::Ok);
        script.answers = {ui::Answer::Ok}; // the exercise requested cannot be read
        other.shell().Form_Activate();
        EXPECT_EQ(tempRecord(31), "");
        script.answers = {ui::Answer::Ok};
        EXPECT_TRUE(other.close());
        EXPECT_EQ(tempRecord(24), "NON");
    }
    EXPECT_FALSE(QFileInfo::exists(folder.path() + "/absent"));
    QDir(own).removeRecursively();
    // A writable program folder keeps the file.
    files::setProgramFolder(folder.path());
    EXPECT_EQ(bench::BenchShell::temporaryFile(), QDir(folder.path()).filePath("TEMPlu.TMP"));
}

TEST_F(BenchTest, ARequestThatCannotBeEmptiedOpensOnce) {
    const QString path = bench::BenchShell::temporaryFile();
    ASSERT_EQ(files::writeRecord(QFile::encodeName(path).toStdString(), 31, "absent.E44"),
              files::RecordStatus::Ok);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser);
    if (QFileInfo(path).isWritable()) GTEST_SKIP() << "permissions are not enforced for this user";
    script.asked.clear();
    script.answers = {ui::Answer::Ok};
    window->shell().Form_Activate(); // opens it: the exercise file is missing, which is said once
    const std::size_t once = script.asked.size();
    EXPECT_EQ(once, 1u);
    window->shell().Form_Activate();
    window->shell().Form_Activate();
    EXPECT_EQ(script.asked.size(), once);
    EXPECT_EQ(tempRecord(31), "absent.E44");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(BenchTest, TheSystemsStopEndsWithoutQuestions) {
    window->exerciseArea().exercise().textModified = true;
    script.asked.clear();
    window->show();
    window->shell().endWithoutQuestions();
    EXPECT_TRUE(script.asked.empty());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(tempRecord(24), "NON");
    // The steps of closing run once: a late close asks nothing and writes nothing more.
    files::writeRecord(QFile::encodeName(bench::BenchShell::temporaryFile()).toStdString(), 24,
                       "OUI");
    window->shell().endWithoutQuestions();
    EXPECT_EQ(tempRecord(24), "OUI");
    EXPECT_TRUE(script.asked.empty());
}

TEST_F(BenchTest, ClosingAsksOnceOrTwiceAndCanBeCancelled) {
    struct Row {
        const char* name;
        int textModified;
        std::deque<ui::Answer> answers;
        std::size_t questions;
        bool closes;
    } rows[] = {
        {"cancel the only question", 0, {ui::Answer::Cancel}, 1, false},
        {"cancel the text question", 1, {ui::Answer::Cancel}, 1, false},
        {"cancel the second question", 1, {ui::Answer::Ok, ui::Answer::Cancel}, 2, false},
        {"both accepted", 1, {ui::Answer::Ok, ui::Answer::Ok}, 2, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        bench::FeuilleP w;
        script.asked.clear();
        script.answers = row.answers;
        w.exerciseArea().exercise().textModified = row.textModified;
        EXPECT_EQ(w.close(), row.closes);
        ASSERT_EQ(script.asked.size(), row.questions);
        const auto& last = script.asked.back();
        if (row.textModified == 1) {
            EXPECT_EQ(script.asked[0].text, "Attention\u00A0: perte des modifications du texte.");
            EXPECT_EQ(script.asked[0].title, "Abandon des données\u00A0?");
            EXPECT_EQ(script.asked[0].icon, ui::Icon::Question);
            EXPECT_EQ(script.asked[0].buttons, ui::Buttons::OkCancel);
        }
        if (row.questions == 2 || row.textModified == 0) {
            EXPECT_EQ(last.text, "Quitter vraiment Titrage colorimétrique\u00A0?");
            EXPECT_EQ(last.title, "Fermer");
            EXPECT_EQ(last.icon, ui::Icon::Question);
            EXPECT_EQ(last.buttons, ui::Buttons::OkCancel);
        }
        EXPECT_EQ(tempRecord(24), row.closes ? "NON" : "OUI");
        if (!row.closes) { // ends the test's window without questions
            script.answers = {ui::Answer::Ok, ui::Answer::Ok};
            w.close();
        }
        files::writeRecord(QFile::encodeName(bench::BenchShell::temporaryFile()).toStdString(), 24,
                           "OUI");
    }
}

TEST_F(BenchTest, EditingTheExerciseTextMarksItModifiedOnlyWhenAnExerciseIsNamed) {
    window->exerciseArea().supertext()->setPlainText("texte libre");
    EXPECT_FALSE(window->exerciseArea().exercise().textModified);
    window->exerciseArea().fich()->setText("/un/dossier/exercice.rtf");
    EXPECT_EQ(window->exerciseArea().fich()->toolTip(), "/un/dossier/exercice.rtf");
    EXPECT_EQ(window->exerciseArea().fich()->cursorPosition(),
              window->exerciseArea().fich()->text().size());
    window->exerciseArea().supertext()->setPlainText("texte changé");
    EXPECT_TRUE(window->exerciseArea().exercise().textModified);
}

TEST_F(BenchTest, SavingStoresTheBenchIntoTheSituationShown) {
    controlsOf(*window).Option2[2]->setChecked(true);
    ASSERT_EQ(window->situationBench().situations().table.current, 2);
    type(0, "0,003");
    type(5, "4,2");
    controlsOf(*window).ions1->blockSignals(true);
    controlsOf(*window).ions1->setCurrentIndex(5);
    controlsOf(*window).ions1->blockSignals(false);
    script.onExec = [](QDialog&) { return int(QDialog::Rejected); }; // the save window
    window->shell().Command11_Click();
    const auto& table = window->situationBench().situations().table;
    EXPECT_EQ(table.current, 2);
    EXPECT_EQ(table.texts[2][0], "0,003");
    EXPECT_EQ(table.texts[2][5], "4,2");
    EXPECT_EQ(table.choices[2][1], 5);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(controlsOf(*window).Option2[i]->isChecked(), i == 2) << i;
    EXPECT_EQ(text(0), "0,003");
    EXPECT_EQ(text(5), "4,2");
    EXPECT_EQ(controlsOf(*window).ions1->currentIndex(), 5);
    EXPECT_EQ(script.execs, 1); // then the save window
}

TEST_F(BenchTest, LoaderCanUnselectEverySituationAndSelectTheFirstAgain) {
    type(0, "0,004");
    window->shell().clearSituationButtons();
    for (QRadioButton* b : controlsOf(*window).Option2)
        EXPECT_FALSE(b->isChecked());
    window->situationBench().situations().table.current = -1;
    window->situationBench().situations().table.texts[0][0] = "0,15";
    window->shell().selectSituation(0);
    EXPECT_EQ(text(0), "0,15");
    EXPECT_TRUE(controlsOf(*window).Option2[0]->isChecked());
    EXPECT_EQ(window->situationBench().situations().table.current, 0);
}

TEST_F(BenchTest, TabStripSelectsTheTabUnderTheRelease) {
    window->chain().Onglets_MouseUp(250, 8); // second tab
    EXPECT_EQ(window->chain().currentTab(), 2);
    EXPECT_FALSE(controlsOf(*window).Frame2->isHidden());
    EXPECT_TRUE(controlsOf(*window).tabquant->isHidden());
    window->chain().Onglets_MouseUp(400, 100); // below the strip: nothing
    EXPECT_EQ(window->chain().currentTab(), 2);
    window->chain().Onglets_MouseUp(10, 8);
    EXPECT_EQ(window->chain().currentTab(), 1);
    EXPECT_FALSE(controlsOf(*window).tabquant->isHidden());
}

TEST_F(BenchTest, HelpOpensTheProgramsHelpFile) {
    const QString help = QDir(folder.path()).filePath("Ovlu.hlp");
    QFile file(help);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    window->shell().Command7_Click();
    ASSERT_EQ(script.helpShown.size(), 1);
    EXPECT_EQ(script.helpShown[0], help);
}

} // namespace

namespace {

TEST_F(BenchTest, ComingBackFromAnotherWindowOfTheProgramIsAnActivation) {
    window->show();
    window->activateWindow();
    QApplication::processEvents();
    if (!window->isActiveWindow()) GTEST_SKIP() << "no window activation on this platform";
    const int before = window->shell().activations();
    QWidget other;
    other.show();
    other.activateWindow();
    QApplication::processEvents();
    ASSERT_FALSE(window->isActiveWindow());
    const std::string path = QFile::encodeName(bench::BenchShell::temporaryFile()).toStdString();
    ASSERT_EQ(files::writeRecord(path, 31, "   "), files::RecordStatus::Ok);
    other.hide();
    window->activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(window->shell().activations(), before + 1);
    EXPECT_EQ(tempRecord(31), "");
    window->hide();
}

} // namespace

namespace {

TEST_F(BenchTest, StartShowsTheWindowReadyInThePreparingState) {
    bench::FeuilleP w;
    w.start();
    EXPECT_TRUE(w.isVisible());
    EXPECT_GE(w.shell().activations(), 1);
    EXPECT_FALSE(controlsOf(w).Picture4->isHidden());
    EXPECT_EQ(controlsOf(w).Command3->text(), "Simuler le titrage");
    EXPECT_EQ(controlsOf(w).Text1[5]->text(), "0");
    EXPECT_GT(w.setUp().scaleMax(), 0.0f);
    w.hide();
}

TEST_F(BenchTest, BenchAndGraphImagesAreDrawnAtTheScaleAsked) {
    EXPECT_EQ(window->chain().benchImage(2.0, true).size(), QSize(626, 994));
    const QImage graph = window->chain().graphImage(1.0);
    EXPECT_EQ(graph.size(), controlsOf(*window).tabquant->size());
}

} // namespace

namespace {

QScreen* screenWhere(bool wide) {
    for (QScreen* s : QGuiApplication::screens())
        if ((s->geometry().width() > 850) == wide) return s;
    return nullptr;
}

TEST_F(BenchTest, OnAWideScreenTheSizeIsFixedAndTheWindowCentred) {
    QScreen* wide = screenWhere(true);
    if (!wide) GTEST_SKIP() << "no screen wider than 850 pixels on this platform";
    bench::FeuilleP w;
    w.setScreen(wide);
    w.move(wide->geometry().topLeft() + QPoint(10, 10));
    w.start();
    ASSERT_EQ(w.screen(), wide);
    // The window manager is told that the size cannot change.
    EXPECT_EQ(w.minimumSize(), QSize(800, 600));
    EXPECT_EQ(w.maximumSize(), QSize(800, 600));
    const QRect frame = w.frameGeometry();
    EXPECT_EQ(frame.center().x() - wide->geometry().center().x(), 0);
    EXPECT_LE(std::abs(frame.center().y() - wide->geometry().center().y()), 1);
    w.setWindowState(Qt::WindowMaximized);
    QApplication::processEvents();
    EXPECT_EQ(w.windowState(), Qt::WindowNoState);
    EXPECT_EQ(w.size(), QSize(800, 600));
    w.hide();
}

TEST_F(BenchTest, OnASmallScreenTheTitleBarStaysOnIt) {
    QScreen* narrow = screenWhere(false);
    if (!narrow) GTEST_SKIP() << "no screen of 850 pixels or less on this platform";
    bench::FeuilleP w;
    w.setScreen(narrow);
    w.move(narrow->geometry().topLeft() + QPoint(40, -50));
    w.start();
    // The size may change, and the frame's top left corner is on the screen.
    EXPECT_LT(w.minimumSize().width(), 800);
    EXPECT_GT(w.maximumSize().width(), 800);
    EXPECT_TRUE(narrow->availableGeometry().contains(w.frameGeometry().topLeft()));
    w.hide();
}

} // namespace
