// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/configuration.h"
#include "files/ui/enregistrer.h"
#include "files/ui/folderlists.h"
#include "support/fake_situation_bench.h"
#include "support/scripted_answerer.h"
#include "workspace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using support::FakeSituationBench;
using testing_files::Workspace;

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void putContent(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

const QString prefix = QStringLiteral("Titrage colorimétrique - ");

TEST(SaveWindow, SavesIntoTheListedFolderAndNamesTheFileInTheCaption) {
    Workspace space;
    FakeSituationBench host;
    ui::ScriptedAnswerer script;
    host.state.table.texts[2][0] = "0,0123";
    files::Enregistrer window(host);
    window.show();
    EXPECT_EQ(window.windowTitle(), "Enregistrer les paramètres.");
    EXPECT_EQ(window.Dir1->path(), space.path());
    EXPECT_EQ(window.Text1->text(), "");

    window.Text1->setText("essai.txt");
    QTest::keyClick(window.Text1, Qt::Key_Return); // Enter in the name box saves
    const QString path = space.file("essai.C17");
    EXPECT_TRUE(script.asked.empty());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(host.state.configFile, path);
    EXPECT_EQ(host.caption, prefix + path);

    files::SituationTable back;
    ASSERT_EQ(files::readConfiguration(path.toStdString(), back), files::LoadResult::Ok);
    EXPECT_EQ(back.texts[2][0], "0,0123");
}

TEST(SaveWindow, AFileFromAFolderThatCannotBeWrittenIsProposedInTheDocuments) {
    Workspace space;
    FakeSituationBench host;
    ui::ScriptedAnswerer script;
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(documents).isDir()) documents = QDir::homePath();
    // Loaded from a writable folder: proposed as it is.
    host.state.configFile = space.file("VITAC.C17");
    EXPECT_EQ(files::Enregistrer(host).Text1->text(), space.file("VITAC.C17"));
    // Loaded from the program's own exercises, installed where nobody writes (a folder that
    // does not exist stands for it, whoever runs the test).
    host.state.configFile = space.file("installe/VITAC.C17");
    EXPECT_EQ(files::Enregistrer(host).Text1->text(), QDir(documents).filePath("VITAC.C17"));
    EXPECT_TRUE(script.asked.empty());
}

TEST(SaveWindow, AsksBeforeOverwriting) {
    Workspace space;
    FakeSituationBench host;
    ui::ScriptedAnswerer script;
    const QString path = space.file("essai.C17");
    putContent(path, "ancien");
    host.state.configFile = path; // as after a load: proposed again

    files::Enregistrer window(host);
    window.show();
    EXPECT_EQ(window.Text1->text(), path);

    script.answers = {ui::Answer::No};
    window.Command1_Click();
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text, "Écraser le fichier existant\u00A0?");
    EXPECT_EQ(script.asked[0].title, "Ce fichier existe déjà\u00A0!");
    EXPECT_EQ(script.asked[0].icon, ui::Icon::Exclamation);
    EXPECT_EQ(script.asked[0].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(contentOf(path), "ancien");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.Text1->text(), path);
    EXPECT_TRUE(host.calls.empty());

    script.answers = {ui::Answer::Yes};
    window.Command1_Click();
    EXPECT_EQ(script.asked.size(), 2u);
    EXPECT_EQ(contentOf(path).size(), 91 * 128);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(host.caption, prefix + path);
}

TEST(SaveWindow, RefusesAMissingName) {
    for (const char* typed : {"", "   ", ".C17", "  .txt ", "dossier/"}) {
        Workspace space;
        FakeSituationBench host;
        ui::ScriptedAnswerer script;
        script.answers = {ui::Answer::Ok};
        files::Enregistrer window(host);
        window.show();
        window.Text1->setText(typed);
        window.Command1_Click();
        ASSERT_EQ(script.asked.size(), 1u) << typed;
        EXPECT_EQ(script.asked[0].text, "Il faut donner un nom au fichier\u00A0!");
        EXPECT_EQ(script.asked[0].title, "Enregistrement impossible");
        EXPECT_EQ(script.asked[0].icon, ui::Icon::Critical);
        EXPECT_EQ(script.asked[0].buttons, ui::Buttons::Ok);
        EXPECT_TRUE(window.isVisible()) << typed;
        EXPECT_EQ(host.state.configFile, "") << typed;
        EXPECT_TRUE(QDir(space.path()).entryList(QDir::Files).isEmpty()) << typed;
    }
}

TEST(SaveWindow, AFailedWriteKeepsTheOldFileAndTheWindow) {
    Workspace space;
    FakeSituationBench host;
    ui::ScriptedAnswerer script;
    const QString path = space.file("essai.C17");
    putContent(path, "ancien");
    host.state.table.texts[9][4] = std::string(127, '1').c_str();

    files::Enregistrer window(host);
    window.show();
    window.Text1->setText("essai");
    script.answers = {ui::Answer::Yes, ui::Answer::Ok}; // overwrite, then the failure
    window.Command1_Click();
    ASSERT_EQ(script.asked.size(), 2u);
    EXPECT_EQ(script.asked[1].text, "Écriture impossible sur disque");
    EXPECT_EQ(script.asked[1].title, "Enregistrement impossible");
    EXPECT_EQ(script.asked[1].icon, ui::Icon::Critical);
    EXPECT_EQ(contentOf(path), "ancien");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(host.caption, "Titrage colorimétrique");
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
}

TEST(SaveWindow, ADotInAFolderStaysAndAFolderChangeKeepsOnlyTheName) {
    Workspace space;
    FakeSituationBench host;
    ui::ScriptedAnswerer script;
    ASSERT_TRUE(QDir(space.path()).mkpath("jean.dupont/TP"));
    const QString tp = space.file("jean.dupont/TP");
    host.state.configFile = space.file("ailleurs.C17");

    files::Enregistrer window(host);
    window.show();
    ASSERT_TRUE(window.Dir1->setPath(tp));
    EXPECT_EQ(window.Text1->text(), "ailleurs.C17");
    EXPECT_EQ(window.File1->path(), tp);

    window.Text1->setText(tp + "/essai.old.C17");
    window.Command1_Click();
    EXPECT_TRUE(QFileInfo::exists(tp + "/essai.C17"));
    EXPECT_FALSE(QFileInfo::exists(space.file("jean.C17")));
    // The folder of the save is where the next window starts.
    EXPECT_EQ(QDir::currentPath(), tp);
}

TEST(SaveWindow, DoubleClickOnAFileSavesOverIt) {
    Workspace space;
    FakeSituationBench host;
    ui::ScriptedAnswerer script;
    putContent(space.file("serie.C17"), "ancien");
    files::Enregistrer window(host);
    window.show();
    ASSERT_EQ(window.File1->count(), 1);
    QListWidgetItem* item = window.File1->item(0);
    script.answers = {ui::Answer::Yes};
    emit window.File1->itemDoubleClicked(item);
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text, "Écraser le fichier existant\u00A0?");
    EXPECT_EQ(contentOf(space.file("serie.C17")).size(), 91 * 128);
}

TEST(SaveWindow, OpensModallyBesideTheMainWindow) {
    Workspace space;
    FakeSituationBench host;
    host.window.move(100, 80);
    ui::ScriptedAnswerer script;
    QPoint seen;
    QString title;
    script.onExec = [&](QDialog& d) {
        seen = d.pos();
        title = d.windowTitle();
        return int(QDialog::Rejected);
    };
    files::showSaveWindow(host);
    EXPECT_EQ(script.execs, 1);
    EXPECT_EQ(title, "Enregistrer les paramètres.");
    EXPECT_EQ(seen, QPoint(120, 100));
}

} // namespace
