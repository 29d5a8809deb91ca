// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/configuration.h"
#include "files/ui/folderlists.h"
#include "files/ui/loadconfiguration.h"
#include "files/ui/ouvrir.h"
#include "support/fake_situation_bench.h"
#include "support/scripted_answerer.h"
#include "workspace.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using support::FakeSituationBench;
using testing_files::Workspace;

void putContent(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// A file of the program whose first situation stands out.
QString savedFile(const Workspace& space, const QString& name) {
    files::SituationTable table;
    table.texts[0] = {"0,02", "0,01", "0,1", "5", "20,0", "12,5"};
    table.choices[0] = {0, 6, 3, 0, 0};
    const QString path = space.file(name);
    EXPECT_EQ(files::writeConfiguration(path.toStdString(), table), files::WriteResult::Ok);
    return path;
}

void expectMessage(const ui::ScriptedAnswerer& script, const char* text, const char* title) {
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text, text);
    EXPECT_EQ(script.asked[0].title, title);
    EXPECT_EQ(script.asked[0].icon, ui::Icon::Critical);
    EXPECT_EQ(script.asked[0].buttons, ui::Buttons::Ok);
}

TEST(OpenWindow, ListsConfigurationFilesAndFillsTheBoxOnAClick) {
    Workspace space;
    FakeSituationBench host;
    host.window.move(30, 40);
    putContent(space.file("b.C17"), "x");
    putContent(space.file("a.c17"), "x");
    putContent(space.file("notes.txt"), "x");
    ASSERT_TRUE(QDir(space.path()).mkdir("sous"));
    files::Ouvrir window(host);
    window.show();
    EXPECT_EQ(window.windowTitle(), "Ouvrir une configuration");
    EXPECT_EQ(window.pos(), QPoint(50, 60));
    EXPECT_FALSE(window.Frame1->isVisible());
    ASSERT_EQ(window.File1->count(), 2);
    EXPECT_EQ(window.File1->item(0)->text(), "a.c17");
    EXPECT_EQ(window.File1->item(1)->text(), "b.C17");

    // Into the subfolder and back by the folder list.
    QListWidgetItem* sous = window.Dir1->item(window.Dir1->count() - 1);
    EXPECT_EQ(files::FolderList::folderOf(sous), space.file("sous"));
    window.Dir1->setCurrentItem(sous);
    QTest::keyClick(window.Dir1, Qt::Key_Return); // Enter opens the highlighted folder
    EXPECT_EQ(window.Dir1->path(), space.file("sous"));
    EXPECT_EQ(window.File1->count(), 0);
    window.Dir1->setPath(space.path());

    QDir::setCurrent(QDir::rootPath());
    emit window.File1->itemClicked(window.File1->item(1));
    EXPECT_EQ(window.ficharge->text(), space.file("b.C17"));
    EXPECT_EQ(QDir::currentPath(), space.path());
}

TEST(OpenWindow, AnEmptyBoxDoesNothing) {
    Workspace space;
    FakeSituationBench host;
    ui::ScriptedAnswerer script;
    files::Ouvrir window(host);
    window.show();
    window.ficharge->setText("   ");
    window.Command1_Click();
    EXPECT_TRUE(script.asked.empty());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(host.state.configFile, "");
}

TEST(OpenWindow, AMissingFileIsReportedAndTheWindowStays) {
    Workspace space;
    FakeSituationBench host;
    ui::ScriptedAnswerer script;
    ASSERT_TRUE(QDir(space.path()).mkdir("dossier.C17"));
    for (const QString& name : {space.file("absent.C17"), space.file("dossier.C17")}) {
        script.asked.clear();
        script.answers = {ui::Answer::Ok};
        files::Ouvrir window(host);
        window.show();
        window.ficharge->setText(name);
        window.Command1_Click();
        expectMessage(script, "Nom de fichier incorrect ou chemin non valide",
                      "impossible d'ouvrir ce fichier");
        EXPECT_TRUE(window.isVisible());
        EXPECT_FALSE(window.Frame1->isVisible());
        // The refused name is what the save window proposes next.
        EXPECT_EQ(host.state.configFile, name);
        EXPECT_TRUE(host.calls.empty());
    }
}

TEST(OpenWindow, ALoadShowsSituationOneAfterClearingTheButtons) {
    Workspace space;
    FakeSituationBench host;
    ui::ScriptedAnswerer script;
    const QString path = savedFile(space, "serie.C17");
    host.state.table.current = 4;
    host.state.table.choices[0][4] = 1; // the starch box is not in the file

    files::Ouvrir window(host);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    bool noticeShown = false;
    struct Watch : QObject {
        bool* seen;
        QFrame* frame;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint && frame->isVisible()) *seen = true;
            return false;
        }
    } watch;
    watch.seen = &noticeShown;
    watch.frame = window.Frame1;
    window.Frame1->installEventFilter(&watch);

    emit window.File1->itemDoubleClicked(window.File1->item(0));
    EXPECT_TRUE(script.asked.empty());
    EXPECT_TRUE(noticeShown);
    EXPECT_EQ(window.Label4->text(), "Patience\u00A0: chargement du fichier");
    EXPECT_EQ(host.calls, (std::vector<std::string>{"clear", "select 0", "caption"}));
    EXPECT_EQ(host.currentWhenSelected, -1);
    EXPECT_EQ(host.caption, "Titrage colorimétrique - " + path);
    EXPECT_EQ(host.state.configFile, path);
    const auto& table = host.state.table;
    EXPECT_EQ(table.current, 0);
    EXPECT_EQ(table.texts[0][5], "12,5");
    EXPECT_EQ(table.choices[0][1], 6);
    EXPECT_EQ(table.choices[0][4], 1);
    EXPECT_EQ(table.texts[1][0], "0,01");
    EXPECT_FALSE(window.isVisible());
}

TEST(OpenWindow, AFileThatVanishesBeforeTheReadChangesNothing) {
    Workspace space;
    FakeSituationBench host;
    ui::ScriptedAnswerer script;
    const QString path = savedFile(space, "fugace.C17");
    files::Ouvrir window(host);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.ficharge->setText(path);
    // The file goes away while the waiting notice is painted, after the name was checked.
    struct Remover : QObject {
        QString path;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) QFile::remove(path);
            return false;
        }
    } remover;
    remover.path = path;
    window.Frame1->installEventFilter(&remover);
    script.answers = {ui::Answer::Ok};
    window.Command1_Click();
    ASSERT_FALSE(QFile::exists(path));
    expectMessage(script, "Lecture impossible sur disque", "Erreur lors du chargement du fichier");
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(host.state.table.texts, files::SituationTable().texts);
    EXPECT_FALSE(window.isVisible()); // the window closes whatever the outcome
}

TEST(LoadConfiguration, BadFilesNeverChangeTheBench) {
    Workspace space;
    QByteArray valid;
    {
        const QString path = savedFile(space, "modele.C17");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        valid = f.readAll();
    }
    QByteArray lower = valid;
    lower.replace(2, 7, "titrage");
    QByteArray longLength = valid;
    longLength[0] = char(200);
    QByteArray noise(91 * 128, '\0');
    QRandomGenerator generator(42);
    for (char& c : noise)
        c = char(generator.bounded(256));
    noise[1] = char(1); // a first length over 126 whatever the bytes
    ASSERT_TRUE(QDir(space.path()).mkdir("dossier.C17"));

    const char* const invalid = "Ce fichier ne correspond pas à cette application";
    const char* const unreadable = "Lecture impossible sur disque";
    struct Row {
        const char* name;
        QByteArray content;
        const char* message;
    };
    const Row rows[] = {
        {"vide.C17", "", invalid},          {"coupe.C17", valid.left(6), unreadable},
        {"minuscules.C17", lower, invalid}, {"longueur.C17", longLength, unreadable},
        {"hasard.C17", noise, unreadable},  {"dossier.C17", {}, unreadable},
        {"absent.C17", {}, unreadable},
    };
    for (const auto& row : rows) {
        const QString path = space.file(row.name);
        if (!row.content.isNull()) putContent(path, row.content);
        FakeSituationBench host;
        host.state.table.texts[3][3] = "témoin";
        ui::ScriptedAnswerer script;
        script.answers = {ui::Answer::Ok};
        host.state.configFile = path;
        files::loadConfiguration(host, nullptr);
        ASSERT_EQ(script.asked.size(), 1u) << row.name;
        EXPECT_EQ(script.asked[0].text, row.message) << row.name;
        EXPECT_EQ(script.asked[0].icon, ui::Icon::Critical) << row.name;
        EXPECT_TRUE(host.calls.empty()) << row.name;
        EXPECT_EQ(host.state.table.texts[3][3], "témoin") << row.name;
        EXPECT_EQ(host.state.table.current, 0) << row.name;
    }
}

TEST(LoadConfiguration, FindsAFileWhoseNameDiffersOnlyInCase) {
    Workspace space;
    const QString real = savedFile(space, "Serie.c17");
    FakeSituationBench host;
    ui::ScriptedAnswerer script;
    host.state.configFile = space.file("SERIE.C17");
    files::loadConfiguration(host, nullptr);
    EXPECT_TRUE(script.asked.empty());
    EXPECT_EQ(host.state.configFile, real);
    EXPECT_EQ(host.caption, "Titrage colorimétrique - " + real);
    EXPECT_EQ(host.state.table.texts[0][5], "12,5");
}

TEST(DriveList, AnUnreadableDriveReturnsToTheFolderListsDrive) {
    Workspace space;
    FakeSituationBench host;
    files::Ouvrir window(host);
    EXPECT_EQ(window.Drive1->itemText(0), QDir::rootPath());
    window.Drive1->addItem("/pas/de/lecteur");
    window.Drive1->setCurrentIndex(window.Drive1->count() - 1);
    window.Drive1_Change();
    EXPECT_EQ(window.Drive1->drive(), files::DriveList::driveOf(space.path()));
    EXPECT_EQ(window.Dir1->path(), space.path());

    window.Drive1->setCurrentIndex(0); // "/" can be read
    window.Drive1_Change();
    if (files::DriveList::driveOf(space.path()) != QDir::rootPath()) {
        EXPECT_EQ(window.Dir1->path(), QDir::rootPath());
    }
}

} // namespace
