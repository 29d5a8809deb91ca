// SPDX-License-Identifier: GPL-3.0-or-later
// The exercises window and menu, headless, over a fake main window.

#include "exercise_files.h"
#include "exercises/exercise_actions.h"
#include "exercises/exercise_file.h"
#include "exercises/exercise_menu.h"
#include "exercises/fichexo.h"
#include "files/ui/paths.h"
#include "rtf/rtf.h"
#include "support/fake_exercise_area.h"
#include "support/scripted_answerer.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace exotest;
using exercises::Fichexo;

namespace {

const QString cannotReadText =
    QStringLiteral("Vérifier\u00A0:\n- le nom du fichier,\n- l'état du lecteur.");

class ExercisesWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + QStringLiteral("/");
        // A: corrected, with configurations; B: no correction, no configuration.
        writeExercise(folder + "A.E44", {"enonce.rtf", "a.c17", "corr.rtf", "ac.c17", "2", "",
                                         "Couples ", "redox.", "", "", "Titre A   ", "3"});
        writeExercise(folder + "B.E44",
                      {"B.RTF", " ", "", "  ", "abc", "", "", "", "", "", "B", "0"});
        writeFile(folder + "enonce.rtf", rtfText("Enonc\\'e9 de A"));
        writeFile(folder + "corr.rtf", rtfText("Correction de A"));
        writeFile(folder + "B.RTF", rtfText("Enonc\\'e9 de B"));
        writeConfiguration(folder + "a.c17", 2, "0,0");
        writeConfiguration(folder + "ac.c17", 6, "12,0");
        files::setProgramFolder(dir.path());
    }
    void TearDown() override { files::setProgramFolder({}); }

    // Opens an exercise of the folder through the browser, as a click on ouvreur does.
    bool openThroughBrowser(const QString& name) {
        Fichexo window(host, &host.window);
        window.File1_Click(name);
        window.ouvreur_Click();
        return window.result() == QDialog::Accepted;
    }

    QTemporaryDir dir;
    QString folder;
    support::FakeExerciseArea host;
    ui::ScriptedAnswerer script;
};

TEST_F(ExercisesWindow, LiesOverTheMainWindowWithoutTitle) {
    host.window.setGeometry(100, 80, 800, 600);
    Fichexo window(host, &host.window);
    EXPECT_EQ(window.geometry(), host.window.geometry());
    EXPECT_TRUE(window.windowTitle().isEmpty());
    EXPECT_FALSE(window.Frame2->isVisibleTo(&window));
    EXPECT_EQ(window.File1->count(), 2); // "*.E44" only
    EXPECT_EQ(window.ouvreur->toolTip(), QStringLiteral("Ouvrir l'exercice sélectionné"));
    EXPECT_EQ(window.Image5->toolTip(), QStringLiteral("Fermer sans charger d'exercice"));
    EXPECT_TRUE(window.intratro->isVisibleTo(&window));
    EXPECT_FALSE(window.ouvreur->isVisibleTo(&window));
}

TEST_F(ExercisesWindow, ActivationShowsTheSummaryOfTheFirstFile) {
    Fichexo window(host, &host.window);
    window.Form_Activate();
    EXPECT_EQ(window.fichierexo->text(), QDir::toNativeSeparators(folder + "A.E44"));
    EXPECT_EQ(host.state.folder, QDir::toNativeSeparators(folder));
    EXPECT_EQ(window.Label2->text(), QStringLiteral("Exercice corrigé"));
    EXPECT_EQ(window.Label3->text(), window.Label2->text());
    EXPECT_EQ(window.Label3->pos() - window.Label2->pos(), QPoint(2, 2));
    EXPECT_EQ(window.litShown(), 2);
    EXPECT_EQ(window.Text1->toPlainText(), QStringLiteral("Couples redox."));
    EXPECT_EQ(window.titratexo->text(), QStringLiteral("Titre A"));
    EXPECT_EQ(window.Text2->text(), QStringLiteral("⌛⌛⌛"));
    EXPECT_FALSE(window.intratro->isVisibleTo(&window));
    EXPECT_TRUE(window.ouvreur->isVisibleTo(&window));

    window.File1_Click(QStringLiteral("B.E44"));
    EXPECT_EQ(window.Label2->text(), QStringLiteral("Non corrigé"));
    EXPECT_EQ(window.litShown(), 0);
    EXPECT_TRUE(window.Image4[0]->isVisibleTo(&window));
    EXPECT_TRUE(window.Text2->text().isEmpty());
    EXPECT_TRUE(script.asked.empty());
}

TEST(ExerciseRecords, SummaryValues) {
    struct {
        const char* level;
        int lit;
    } levels[] = {{"0", 0},   {"1", 1},  {"2", 2},   {"3", 3}, {"7", 3},
                  {"0,5", 1}, {" 2", 2}, {"abc", 0}, {"", 0},  {"-1", 0}};
    for (const auto& row : levels)
        EXPECT_EQ(exercises::litIndicators(QString::fromUtf8(row.level)), row.lit) << row.level;
    struct {
        const char* duration;
        int count;
    } durations[] = {{"3", 3},
                     {"0", 0},
                     {"2.5", 2},
                     {"3,5", 4},
                     {"x", 0},
                     {"-2", 0},
                     {"1e9", exercises::maxHourglasses}};
    for (const auto& row : durations)
        EXPECT_EQ(exercises::hourglasses(QString::fromUtf8(row.duration)),
                  QString(row.count, QChar(0x231B)))
            << row.duration;
    EXPECT_TRUE(exercises::isBlank(QStringLiteral("   ")));
    EXPECT_TRUE(exercises::isBlank(QString()));
    EXPECT_FALSE(exercises::isBlank(QStringLiteral(" a ")));
}

TEST(ExerciseRecords, TitleBannerFadesToWhite) {
    const int n = int(exercises::TitleBanner::title.size());
    EXPECT_EQ(exercises::TitleBanner::letterColour(1, n), QColor(255, 255, 161)); // 155 + 100/18
    EXPECT_EQ(exercises::TitleBanner::letterColour(9, n), QColor(255, 255, 205));
    EXPECT_EQ(exercises::TitleBanner::letterColour(n, n), QColor(255, 255, 255));
}

TEST_F(ExercisesWindow, OpeningLoadsStatementFileNameAndConfiguration) {
    host.state.textModified = true;
    host.text->setReadOnly(true);
    ASSERT_TRUE(openThroughBrowser(QStringLiteral("A.E44")));
    EXPECT_EQ(host.text->toPlainText(), QStringLiteral("Enoncé de A\n"));
    EXPECT_EQ(host.name->text(), QDir::toNativeSeparators(folder + "A.E44"));
    EXPECT_TRUE(host.state.correctionAvailable);
    EXPECT_FALSE(host.state.textModified);
    EXPECT_FALSE(host.text->isReadOnly());
    // The configuration is on the bench: situation 1 shown, the caption names the file.
    EXPECT_EQ(host.bench.state.configFile, QDir::toNativeSeparators(folder + "a.c17"));
    EXPECT_EQ(host.bench.selected, std::vector<int>{0});
    EXPECT_EQ(host.bench.caption,
              QStringLiteral("Titrage colorimétrique - ") + host.bench.state.configFile);
    EXPECT_EQ(host.bench.state.table.choices[0][1], 2);
    EXPECT_TRUE(script.asked.empty());
}

TEST_F(ExercisesWindow, OpeningWithoutConfigurationLeavesTheBench) {
    ASSERT_TRUE(openThroughBrowser(QStringLiteral("B.E44")));
    EXPECT_EQ(host.text->toPlainText(), QStringLiteral("Enoncé de B\n"));
    EXPECT_FALSE(host.state.correctionAvailable);
    EXPECT_TRUE(host.bench.selected.empty());
    EXPECT_TRUE(host.bench.calls.empty());
    exercises::ExerciseMenu menu(host, &host.window);
    menu.updateEntries();
    EXPECT_FALSE(menu.opencor->isEnabled());
    EXPECT_TRUE(menu.Closexo->isEnabled());
}

TEST_F(ExercisesWindow, FailureMessagesOfTheBrowser) {
    // A missing statement: nothing is loaded and the window stays open.
    writeExercise(folder + "C.E44", {"absent.rtf", "a.c17"});
    script.answers = {ui::Answer::Ok};
    EXPECT_FALSE(openThroughBrowser(QStringLiteral("C.E44")));
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text, QStringLiteral("Le fichier ") +
                                        QDir::toNativeSeparators(folder) +
                                        QStringLiteral("absent.rtf est introuvable"));
    EXPECT_EQ(script.asked[0].title, QStringLiteral("Fichier absent"));
    EXPECT_EQ(script.asked[0].icon, ui::Icon::Critical);
    EXPECT_EQ(script.asked[0].buttons, ui::Buttons::Ok);
    EXPECT_TRUE(host.name->text().isEmpty());
    EXPECT_TRUE(host.bench.selected.empty());

    // An exercise file that disappeared after the list was made: summary and opening.
    Fichexo window(host, &host.window);
    QFile::remove(folder + "B.E44");
    script.answers = {ui::Answer::Ok, ui::Answer::Ok};
    window.File1_Click(QStringLiteral("B.E44"));
    window.ouvreur_Click();
    ASSERT_EQ(script.asked.size(), 3u);
    for (int i : {1, 2}) {
        EXPECT_EQ(script.asked[i].text, cannotReadText);
        EXPECT_EQ(script.asked[i].title, QStringLiteral("Lecture impossible"));
        EXPECT_EQ(script.asked[i].icon, ui::Icon::Critical);
    }
    EXPECT_NE(window.result(), QDialog::Accepted);
    EXPECT_FALSE(window.Frame2->isVisibleTo(&window));
}

TEST_F(ExercisesWindow, StoredNamesWithBackslashAndOtherCase) {
    QDir(folder).mkdir(QStringLiteral("sous"));
    writeFile(folder + "sous/enonce.rtf", rtfText("Dans le sous-dossier"));
    writeExercise(folder + "D.E44", {"SOUS\\EnOnCe.RTF", "A.C17"});
    ASSERT_TRUE(openThroughBrowser(QStringLiteral("D.E44")));
    EXPECT_EQ(host.text->toPlainText(), QStringLiteral("Dans le sous-dossier\n"));
    EXPECT_EQ(host.bench.selected, std::vector<int>{0}); // "A.C17" found as a.c17

    // Two files that differ only in case: neither is the one.
    writeFile(folder + "x.rtf", rtfText("x"));
    writeFile(folder + "X.RTF", rtfText("X"));
    writeExercise(folder + "E.E44", {"x.Rtf"});
    script.answers = {ui::Answer::Ok};
    EXPECT_FALSE(openThroughBrowser(QStringLiteral("E.E44")));
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].title, QStringLiteral("Fichier absent"));
}

TEST_F(ExercisesWindow, CorrectionIsReadOnlyWithItsConfiguration) {
    ASSERT_TRUE(openThroughBrowser(QStringLiteral("A.E44")));
    exercises::showCorrection(host);
    EXPECT_EQ(host.text->toPlainText(), QStringLiteral("Correction de A\n"));
    EXPECT_TRUE(host.text->isReadOnly());
    EXPECT_EQ(host.bench.state.configFile, QDir::toNativeSeparators(folder + "ac.c17"));
    EXPECT_EQ(host.bench.state.table.texts[0][5], "12,0");
    EXPECT_FALSE(host.state.textModified);
    EXPECT_TRUE(host.window.cursor().shape() != Qt::WaitCursor);
    EXPECT_TRUE(script.asked.empty());
}

TEST_F(ExercisesWindow, ConfirmationBeforeLosingModifiedText) {
    ASSERT_TRUE(openThroughBrowser(QStringLiteral("A.E44")));
    host.text->append(QStringLiteral("Ma réponse"));
    ASSERT_TRUE(host.state.textModified);

    // Cancel keeps everything, for the correction and for closing.
    script.answers = {ui::Answer::Cancel, ui::Answer::Cancel};
    exercises::showCorrection(host);
    exercises::closeExercise(host);
    ASSERT_EQ(script.asked.size(), 2u);
    for (const auto& a : script.asked) {
        EXPECT_EQ(a.text, QStringLiteral("Attention\u00A0: perte des modifications du texte."));
        EXPECT_EQ(a.title, QStringLiteral("Abandon des données\u00A0?"));
        EXPECT_EQ(a.icon, ui::Icon::Question);
        EXPECT_EQ(a.buttons, ui::Buttons::OkCancel);
    }
    EXPECT_TRUE(host.text->toPlainText().contains(QStringLiteral("Ma réponse")));
    EXPECT_FALSE(host.name->text().isEmpty());
    EXPECT_TRUE(host.state.textModified);

    // OK goes on: the exercise is closed and the information text comes back.
    const int informations = host.informations;
    script.answers = {ui::Answer::Ok};
    exercises::closeExercise(host);
    EXPECT_EQ(script.asked.size(), 3u);
    EXPECT_TRUE(host.name->text().isEmpty());
    EXPECT_EQ(host.informations, informations + 1);
    EXPECT_TRUE(host.text->toPlainText().startsWith(QStringLiteral("Titrage colorimétrique")));
    EXPECT_FALSE(host.state.correctionAvailable);
    EXPECT_FALSE(host.state.textModified);

    // Unmodified text is given up without a question.
    exercises::closeExercise(host);
    EXPECT_EQ(script.asked.size(), 3u);
}

TEST_F(ExercisesWindow, MenuEntriesInOrderAndEnabledByState) {
    exercises::ExerciseMenu menu(host, &host.window);
    QStringList texts;
    for (QAction* a : menu.optionexo->actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(texts, (QStringList{
                         "Prise en main", "-", "Ouvrir un exercice (énoncé + configuration)",
                         "Voir la correction", "Vérifier mon résultat…", "-", "Créer un exercice…",
                         "Modifier l'exercice", "-",
                         "Enregistrer le contenu de la fenêtre exercice", "Retrouver un texte",
                         "Imprimer le contenu de la fenêtre exercice", "-", "Fermer l'exercice"}));
    menu.updateEntries();
    EXPECT_FALSE(menu.opencor->isEnabled());
    EXPECT_FALSE(menu.Closexo->isEnabled());
    EXPECT_FALSE(menu.modifexo->isEnabled());
    EXPECT_TRUE(menu.creerexo->isEnabled());
    EXPECT_TRUE(menu.savetexte->isEnabled());
    ASSERT_TRUE(openThroughBrowser(QStringLiteral("A.E44")));
    menu.updateEntries();
    EXPECT_TRUE(menu.opencor->isEnabled());
    EXPECT_TRUE(menu.Closexo->isEnabled());
    EXPECT_TRUE(menu.modifexo->isEnabled());
    // The menu pops up under btexo and runs the entry chosen: "Fermer l'exercice".
    QToolButton btexo(&host.window);
    btexo.setGeometry(424, 352, 97, 19);
    script.menuChoices = {QStringLiteral("Closexo")};
    menu.popup(&btexo);
    ASSERT_EQ(script.menus.size(), 1u);
    EXPECT_EQ(script.menus[0].menu, QStringLiteral("optionexo"));
    EXPECT_EQ(script.menus[0].position, btexo.mapToGlobal(QPoint(0, 19)));
    EXPECT_EQ(script.menus[0].entries,
              (QStringList{"PRISENMAIN", "openexo", "opencor", "verifexo", "creerexo", "modifexo",
                           "savetexte", "opentexte", "imprimetexte", "Closexo"}));
    // A hides no concentration: there is no result to check.
    EXPECT_EQ(script.menus[0].enabled,
              (QStringList{"PRISENMAIN", "openexo", "opencor", "creerexo", "modifexo", "savetexte",
                           "opentexte", "imprimetexte", "Closexo"}));
    EXPECT_TRUE(host.name->text().isEmpty());
    // Then neither the correction nor closing is offered.
    script.menuChoices = {QString()};
    menu.popup(&btexo);
    EXPECT_FALSE(script.menus[1].enabled.contains(QStringLiteral("opencor")));
    EXPECT_FALSE(script.menus[1].enabled.contains(QStringLiteral("Closexo")));
    EXPECT_FALSE(script.menus[1].enabled.contains(QStringLiteral("modifexo")));
}

TEST_F(ExercisesWindow, BrowserThroughTheMenuEntry) {
    script.onExec = [](QDialog& dialog) {
        auto& window = dynamic_cast<Fichexo&>(dialog);
        EXPECT_EQ(window.titratexo->text(), QStringLiteral("Titre A")); // shown at activation
        window.ouvreur_Click();
        return window.result();
    };
    exercises::ExerciseMenu menu(host, &host.window);
    QToolButton btexo(&host.window);
    script.menuChoices = {QStringLiteral("openexo"), QStringLiteral("openexo")};
    menu.popup(&btexo);
    EXPECT_EQ(script.execs, 1);
    EXPECT_EQ(host.text->toPlainText(), QStringLiteral("Enoncé de A\n"));

    // Closing the browser without choosing changes nothing.
    script.onExec = [](QDialog& dialog) {
        dynamic_cast<Fichexo&>(dialog).Image5_Click();
        return dialog.result();
    };
    menu.popup(&btexo);
    EXPECT_EQ(host.text->toPlainText(), QStringLiteral("Enoncé de A\n"));
}

TEST_F(ExercisesWindow, GettingStarted) {
    // Absent: nothing happens, nothing is said.
    EXPECT_FALSE(exercises::gettingStarted(host));
    EXPECT_TRUE(script.asked.empty());
    EXPECT_TRUE(host.name->text().isEmpty());

    // Present but its statement is missing.
    writeExercise(folder + "VIREKA.PEM", {"prise.rtf"});
    script.answers = {ui::Answer::Ok};
    EXPECT_FALSE(exercises::gettingStarted(host));
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text,
              QStringLiteral("Fichier introuvable. Revoir l'installation du logiciel."));
    EXPECT_EQ(script.asked[0].title, QStringLiteral("Erreur lors du chargement"));
    EXPECT_EQ(script.asked[0].icon, ui::Icon::Critical);

    writeFile(folder + "prise.rtf", rtfText("Prise en main"));
    host.state.correctionAvailable = true;
    EXPECT_TRUE(exercises::gettingStarted(host));
    EXPECT_EQ(host.text->toPlainText(), QStringLiteral("Prise en main\n"));
    EXPECT_EQ(host.name->text(), QDir::toNativeSeparators(folder + "VIREKA.PEM"));
    EXPECT_FALSE(host.state.correctionAvailable);
    EXPECT_EQ(host.state.folder, folder);

    // Typed answers are not replaced without the question; Cancel keeps them.
    host.text->setPlainText(QStringLiteral("Mes réponses"));
    host.state.textModified = true;
    script.asked.clear();
    script.answers = {ui::Answer::Cancel};
    EXPECT_FALSE(exercises::gettingStarted(host));
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text,
              QStringLiteral("Attention\u00A0: perte des modifications du texte."));
    EXPECT_EQ(script.asked[0].title, QStringLiteral("Abandon des données\u00A0?"));
    EXPECT_EQ(host.text->toPlainText(), QStringLiteral("Mes réponses"));
    EXPECT_TRUE(host.state.textModified);
    script.answers = {ui::Answer::Ok};
    EXPECT_TRUE(exercises::gettingStarted(host));
    EXPECT_EQ(host.text->toPlainText(), QStringLiteral("Prise en main\n"));
    EXPECT_FALSE(host.state.textModified);
}

TEST_F(ExercisesWindow, SavingTheText) {
    host.text->setPlainText(QStringLiteral("Réponse : c = 1,2 × 10⁻² mol/L"));
    host.state.textModified = true;
    // Cancelled: nothing.
    script.fileNames = {QString()};
    exercises::saveText(host);
    EXPECT_TRUE(host.state.textModified);

    const QString path = folder + "reponse.rtf";
    script.fileNames = {path};
    exercises::saveText(host);
    EXPECT_FALSE(host.state.textModified);
    QTextDocument back;
    ASSERT_TRUE(rtf::loadRtfFile(path, back));
    EXPECT_EQ(back.toPlainText(), host.text->toPlainText());
    ASSERT_EQ(script.fileRequests.size(), 2u);
    EXPECT_EQ(script.fileRequests[1].defaultSuffix, QStringLiteral("RTF"));

    // Existing file: the question, and Cancel leaves the file.
    host.text->setPlainText(QStringLiteral("autre"));
    script.fileNames = {path};
    script.answers = {ui::Answer::Cancel};
    exercises::saveText(host);
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text, QStringLiteral("Le fichier ") + path +
                                        QStringLiteral(" existe déjà.\nÉcraser l'ancien\u00A0?"));
    EXPECT_EQ(script.asked[0].title, QStringLiteral("Écraser le fichier\u00A0?"));
    EXPECT_EQ(script.asked[0].icon, ui::Icon::Question);
    EXPECT_EQ(script.asked[0].buttons, ui::Buttons::OkCancel);
    ASSERT_TRUE(rtf::loadRtfFile(path, back));
    EXPECT_NE(back.toPlainText(), QStringLiteral("autre"));

    // A folder that does not exist.
    script.fileNames = {folder + "absent/x.rtf"};
    script.answers = {ui::Answer::Ok};
    exercises::saveText(host);
    ASSERT_EQ(script.asked.size(), 2u);
    EXPECT_EQ(script.asked[1].text,
              QStringLiteral("Vérifier l'état du lecteur et le nom du fichier."));
    EXPECT_EQ(script.asked[1].title, QStringLiteral("Erreur d'écriture."));
    EXPECT_EQ(script.asked[1].icon, ui::Icon::Critical);
}

TEST_F(ExercisesWindow, ReloadingAText) {
    ASSERT_TRUE(openThroughBrowser(QStringLiteral("A.E44")));
    exercises::showCorrection(host);
    script.fileNames = {folder + "B.RTF"};
    exercises::reloadText(host);
    EXPECT_EQ(host.text->toPlainText(), QStringLiteral("Enoncé de B\n"));
    EXPECT_EQ(host.name->text(),
              QStringLiteral("Texte\u00A0: ") + QDir::toNativeSeparators(folder + "B.RTF"));
    EXPECT_FALSE(host.state.correctionAvailable);
    EXPECT_FALSE(host.text->isReadOnly());
    EXPECT_FALSE(host.state.textModified);

    // A file that cannot be read: the message, and the rest goes on.
    script.fileNames = {folder + "absent.rtf"};
    script.answers = {ui::Answer::Ok};
    exercises::reloadText(host);
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text,
              QStringLiteral("Vérifier l'état du lecteur et le nom du fichier."));
    EXPECT_EQ(script.asked[0].title, QStringLiteral("Erreur de lecture."));
    EXPECT_EQ(host.name->text(),
              QStringLiteral("Texte\u00A0: ") + QDir::toNativeSeparators(folder + "absent.rtf"));
}

TEST_F(ExercisesWindow, PrintingIntoAPdfWithoutPrinter) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
    host.text->setPlainText(QStringLiteral("Texte à imprimer"));
    script.fileNames = {QString()};
    exercises::printText(host); // cancelled
    EXPECT_TRUE(script.asked.empty());

    const QString pdf = folder + "texte.pdf";
    script.fileNames = {pdf};
    exercises::printText(host);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(4) == "%PDF");
    EXPECT_TRUE(script.asked.empty());

    // Printing again into the same file asks first; Cancel leaves it as it was.
    const qint64 size = QFileInfo(pdf).size();
    QFile::resize(pdf, size / 2);
    script.fileNames = {pdf};
    script.answers = {ui::Answer::Cancel};
    exercises::printText(host);
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text, "Le fichier " + pdf + " existe déjà.\nÉcraser l'ancien\u00A0?");
    EXPECT_EQ(script.asked[0].title, QStringLiteral("Écraser le fichier\u00A0?"));
    EXPECT_EQ(script.asked[0].buttons, ui::Buttons::OkCancel);
    EXPECT_EQ(QFileInfo(pdf).size(), size / 2);
    script.fileNames = {pdf};
    script.answers = {ui::Answer::Ok};
    exercises::printText(host);
    EXPECT_EQ(script.asked.size(), 2u);
    EXPECT_GT(QFileInfo(pdf).size(), size / 2);
    script.asked.clear();

    script.fileNames = {folder + "absent/texte.pdf"};
    script.answers = {ui::Answer::Ok};
    exercises::printText(host);
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text,
              QStringLiteral("Impossible d'imprimer\u00A0: vérifier l'imprimante."));
    EXPECT_EQ(script.asked[0].title, QStringLiteral("Imprimer"));
    EXPECT_EQ(script.asked[0].icon, ui::Icon::Critical);
    EXPECT_EQ(script.asked[0].buttons, ui::Buttons::Ok);
}

TEST_F(ExercisesWindow, RequestedExerciseOpensFromTheProgramFolder) {
    exercises::openRequestedExercise(host, QStringLiteral("  a.e44 "));
    EXPECT_EQ(host.text->toPlainText(), QStringLiteral("Enoncé de A\n"));
    EXPECT_TRUE(host.state.correctionAvailable);
    EXPECT_EQ(host.state.folder, folder);
    EXPECT_TRUE(host.window.isVisible());
    // A blank request opens nothing.
    host.name->clear();
    exercises::openRequestedExercise(host, QStringLiteral("   "));
    EXPECT_TRUE(host.name->text().isEmpty());
}

TEST_F(ExercisesWindow, HelpFile) {
    script.answers = {ui::Answer::Ok};
    exercises::showHelp(&host.window);
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].title, QStringLiteral("Aide"));
    EXPECT_TRUE(script.asked[0].text.contains(QStringLiteral("Ovlu.hlp")));
    EXPECT_TRUE(script.helpShown.isEmpty());
    writeFile(folder + "Ovlu.hlp", "<html><body>Aide</body></html>");
    exercises::showHelp(&host.window);
    EXPECT_EQ(script.helpShown, QStringList{folder + "Ovlu.hlp"});
}

// The exercises installed with the program: each one opens, with its correction and both
// configurations, and the getting-started file and the help file are there.
TEST(InstalledExercises, EveryExerciseOpensWithItsCorrection) {
    ui::ScriptedAnswerer script;
    const QString data = QStringLiteral(TITRAGE_SOURCE_DIR "/data");
    files::setProgramFolder(data);
    support::FakeExerciseArea host;
    EXPECT_TRUE(exercises::gettingStarted(host));
    EXPECT_TRUE(host.text->toPlainText().startsWith(QStringLiteral("Prise en main du simulateur")));
    EXPECT_EQ(host.bench.selected, std::vector<int>{0});

    const QStringList exercisesFound = QDir(data).entryList({QStringLiteral("*.E44")});
    EXPECT_GE(exercisesFound.size(), 3);
    for (const QString& name : exercisesFound) {
        host.bench.selected.clear();
        Fichexo window(host, &host.window);
        window.File1_Click(name);
        EXPECT_TRUE(window.correctedShown()) << name.toStdString();
        EXPECT_FALSE(window.titratexo->text().isEmpty());
        window.ouvreur_Click();
        EXPECT_EQ(window.result(), QDialog::Accepted) << name.toStdString();
        EXPECT_EQ(host.bench.selected, std::vector<int>{0}) << name.toStdString();
        const QString statement = host.text->toPlainText();
        exercises::showCorrection(host);
        EXPECT_NE(host.text->toPlainText(), statement) << name.toStdString();
        EXPECT_TRUE(host.text->toPlainText().contains(QStringLiteral("mol · L")))
            << name.toStdString();
        EXPECT_EQ(host.bench.selected, (std::vector<int>{0, 0})) << name.toStdString();
    }
    EXPECT_TRUE(script.asked.empty());
    exercises::showHelp(&host.window);
    EXPECT_EQ(script.helpShown.size(), 1);
    files::setProgramFolder({});
}

// The help file: HTML whose contents come first and whose every link leads somewhere.
TEST(InstalledExercises, HelpFileContentsAndLinks) {
    QFile file(QStringLiteral(TITRAGE_SOURCE_DIR "/data/Ovlu.hlp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    const qsizetype contents = html.indexOf(QStringLiteral("<h2>Sommaire</h2>"));
    ASSERT_GT(contents, 0);
    EXPECT_LT(contents, html.indexOf(QStringLiteral("<p>")));
    static const QRegularExpression link(QStringLiteral(R"re(href="#([a-z]+)")re"));
    int links = 0;
    for (auto it = link.globalMatch(html); it.hasNext(); ++links) {
        const QString anchor = it.next().captured(1);
        EXPECT_TRUE(html.contains(QStringLiteral("name=\"%1\"").arg(anchor)))
            << anchor.toStdString();
    }
    EXPECT_GE(links, 11);
    for (const char* topic : {"robinet", "situations", "calculatrice", "exercices", "impression"})
        EXPECT_TRUE(html.contains(QStringLiteral("name=\"%1\"").arg(QLatin1String(topic))))
            << topic;
}

// Every character of the installed help and exercise texts is drawn by the font its text
// asks for, not as an empty box.
TEST(InstalledExercises, TextsUseOnlyCharactersTheirFontsDraw) {
    support::application();
    const QDir data(QStringLiteral(TITRAGE_SOURCE_DIR "/data"));
    std::vector<std::pair<QString, std::unique_ptr<QTextDocument>>> texts;
    for (const QString& name : data.entryList({QStringLiteral("*.RTF")})) {
        auto doc = std::make_unique<QTextDocument>();
        ASSERT_TRUE(rtf::loadRtfFile(data.filePath(name), *doc)) << name.toStdString();
        texts.emplace_back(name, std::move(doc));
    }
    QFile help(data.filePath(QStringLiteral("Ovlu.hlp")));
    ASSERT_TRUE(help.open(QIODevice::ReadOnly));
    auto helpDoc = std::make_unique<QTextDocument>();
    helpDoc->setHtml(QString::fromUtf8(help.readAll()));
    texts.emplace_back(QStringLiteral("Ovlu.hlp"), std::move(helpDoc));
    EXPECT_GE(texts.size(), 8u);
    for (const auto& [name, doc] : texts) {
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                const QFontMetrics metrics(fragment.charFormat().font());
                for (const char32_t c : fragment.text().toUcs4()) {
                    if (c < 0x20 || c == 0x2028 || c == 0x2029 || c == 0xFFFC) continue;
                    EXPECT_TRUE(metrics.inFontUcs4(c))
                        << name.toStdString() << ": U+" << std::hex << unsigned(c);
                }
            }
        }
    }
}

} // namespace
