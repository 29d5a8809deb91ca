// SPDX-License-Identifier: GPL-3.0-or-later
// The file named on the command line: which argument it is, what kind of file it is, and where
// it opens, with the message of the window that opens that kind when it cannot be read.

#include "app/file_argument.h"
#include "exercises/exercise_files.h"
#include "exercises/fichexo.h"
#include "support/fake_exercise_area.h"
#include "support/scripted_answerer.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace exotest;

namespace {

TEST(FileArgument, TheFirstArgumentThatIsNoOption) {
    struct {
        const char* name;
        QStringList arguments;
        const char* file;
    } rows[] = {
        {"none", {"titrage"}, ""},
        {"one file", {"titrage", "VITAC.C17"}, "VITAC.C17"},
        {"after an option", {"titrage", "--inconnu", "/tmp/a.E44"}, "/tmp/a.E44"},
        {"the first of two", {"titrage", "a.C17", "b.E44"}, "a.C17"},
        {"options only", {"titrage", "-x", "--y"}, ""},
        {"a lone dash is an option", {"titrage", "-", "a.rtf"}, "a.rtf"},
        {"after -- a name may begin with a dash", {"titrage", "--", "-essai.C17"}, "-essai.C17"},
        {"-- twice: the second is a name", {"titrage", "--", "--"}, "--"},
        {"a name with spaces", {"titrage", "Mes exercices/TP 1.E44"}, "Mes exercices/TP 1.E44"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(app::fileArgument(row.arguments), QString::fromUtf8(row.file)) << row.name;
}

TEST(FileArgument, KindByExtensionInAnyCase) {
    using app::FileKind;
    struct {
        const char* path;
        FileKind kind;
    } rows[] = {
        {"VITAC.C17", FileKind::Configuration},
        {"vitac.c17", FileKind::Configuration},
        {"VITAC.E44", FileKind::Exercise},
        {"/tp/vitac.e44", FileKind::Exercise},
        {"VITAC.RTF", FileKind::Text},
        {"reponse.Rtf", FileKind::Text},
        {"sans-extension", FileKind::Configuration},
        {"notes.txt", FileKind::Configuration}, // the signature check refuses it
        {"dossier.E44/VITAC.C17", FileKind::Configuration},
        {"archive.E44.C17", FileKind::Configuration},
        {"VITAC.E44.RTF", FileKind::Text},
    };
    for (const auto& row : rows)
        EXPECT_EQ(app::fileKind(QString::fromUtf8(row.path)), row.kind) << row.path;
}

class OpenFile : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + QStringLiteral("/");
        writeConfiguration(folder + "JAVEL.C17", 4, "3,5");
        writeExercise(folder + "A.E44", {"enonce.rtf", "JAVEL.C17", "", "", "2", "", "Couples", "",
                                         "", "", "Titre A", "3"});
        writeExercise(folder + "B.E44", {"B.RTF", "", "", "", "1", "", "", "", "", "", "B", "1"});
        writeFile(folder + "enonce.rtf", rtfText("Enonc\\'e9 de A"));
        writeFile(folder + "reponse.rtf", rtfText("Ma r\\'e9ponse"));
        writeFile(folder + "texte.C17", "pas une configuration");
        writeExercise(folder + "autre.C17", {"AUTRE"}); // a record file of another program
        previous = QDir::currentPath();
    }
    void TearDown() override {
        QDir::setCurrent(previous);
        script.expectAllUsed();
    }
    QString native(const QString& name) const { return QDir::toNativeSeparators(folder + name); }
    // The situations' caption untouched and nothing asked of them.
    void expectBenchUntouched() {
        EXPECT_EQ(host.bench.caption, QStringLiteral("Titrage colorimétrique"));
        EXPECT_TRUE(host.bench.calls.empty());
    }

    QTemporaryDir dir;
    QString folder;
    QString previous;
    support::FakeExerciseArea host;
    ui::ScriptedAnswerer script;
};

TEST_F(OpenFile, AConfigurationGoesOntoTheBench) {
    app::openFile(host.bench, host, folder + "JAVEL.C17");
    EXPECT_TRUE(script.asked.empty());
    EXPECT_EQ(host.bench.selected, std::vector<int>{0});
    EXPECT_EQ(host.bench.state.table.texts[0][5], "3,5");
    EXPECT_EQ(host.bench.state.table.choices[0][1], 4);
    EXPECT_EQ(host.bench.caption, "Titrage colorimétrique - " + native("JAVEL.C17"));
    EXPECT_EQ(host.bench.state.configFile, native("JAVEL.C17"));
}

TEST_F(OpenFile, ARelativeNameIsTakenFromTheCurrentFolderAndShownInFull) {
    ASSERT_TRUE(QDir::setCurrent(folder));
    app::openFile(host.bench, host, QStringLiteral("JAVEL.C17"));
    EXPECT_EQ(host.bench.caption, "Titrage colorimétrique - " + native("JAVEL.C17"));
}

TEST_F(OpenFile, AConfigurationThatCannotBeReadIsSaidAsTheOpenWindowSaysIt) {
    struct {
        const char* name;
        const char* file;
        const char* text;
        const char* title;
    } rows[] = {
        {"absent", "absent.C17", "Nom de fichier incorrect ou chemin non valide",
         "impossible d'ouvrir ce fichier"},
        {"a folder", "", "Nom de fichier incorrect ou chemin non valide",
         "impossible d'ouvrir ce fichier"},
        {"another program's record file", "autre.C17",
         "Ce fichier ne correspond pas à cette application", "Fichier non valide"},
        {"a text without records", "texte.C17", "Lecture impossible sur disque",
         "Erreur lors du chargement du fichier"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        script.asked.clear();
        script.answers = {ui::Answer::Ok};
        app::openFile(host.bench, host, folder + row.file);
        ASSERT_EQ(script.asked.size(), 1u);
        EXPECT_EQ(script.asked[0].text, QString::fromUtf8(row.text));
        EXPECT_EQ(script.asked[0].title, QString::fromUtf8(row.title));
        EXPECT_EQ(script.asked[0].icon, ui::Icon::Critical);
        expectBenchUntouched();
    }
}

TEST_F(OpenFile, AConfigurationThatCannotBeOpenedForReading) {
    QFile::setPermissions(folder + "JAVEL.C17", QFileDevice::WriteOwner);
    if (QFile(folder + "JAVEL.C17").open(QIODevice::ReadOnly))
        GTEST_SKIP() << "permissions are not enforced for this user";
    script.answers = {ui::Answer::Ok};
    app::openFile(host.bench, host, folder + "JAVEL.C17");
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text, QStringLiteral("Lecture impossible sur disque"));
    EXPECT_EQ(script.asked[0].title, QStringLiteral("Erreur lors du chargement du fichier"));
    expectBenchUntouched();
}

TEST_F(OpenFile, AnExerciseIsChosenInTheExercisesWindow) {
    // B comes after A in the list: it is B that is chosen, not the first file.
    QString shown;
    bool corrected = true;
    script.onExec = [&](QDialog& dialog) {
        auto& window = dynamic_cast<exercises::Fichexo&>(dialog);
        shown = window.fichierexo->text();
        corrected = window.correctedShown();
        EXPECT_EQ(window.File1->currentItem()->text(), QStringLiteral("B.E44"));
        EXPECT_EQ(window.titratexo->text(), QStringLiteral("B"));
        return int(QDialog::Rejected);
    };
    app::openFile(host.bench, host, folder + "b.e44"); // another case than on disk
    EXPECT_EQ(script.execs, 1);
    EXPECT_EQ(shown, native("B.E44"));
    EXPECT_FALSE(corrected);
    EXPECT_TRUE(script.asked.empty());
    // Nothing is opened before the user opens it.
    EXPECT_TRUE(host.name->text().isEmpty());
    expectBenchUntouched();
}

TEST_F(OpenFile, AnExerciseOpenedFromItsWindowLoadsItsStatementAndConfiguration) {
    script.onExec = [](QDialog& dialog) {
        auto& window = dynamic_cast<exercises::Fichexo&>(dialog);
        window.ouvreur_Click();
        return window.result();
    };
    app::openFile(host.bench, host, folder + "A.E44");
    EXPECT_EQ(host.text->toPlainText(), QStringLiteral("Enoncé de A\n"));
    EXPECT_EQ(host.name->text(), native("A.E44"));
    EXPECT_EQ(host.bench.state.configFile, native("JAVEL.C17"));
}

TEST_F(OpenFile, AnExerciseThatCannotBeReadIsSaidAsTheExercisesWindowSaysIt) {
    for (const char* name : {"absent.E44", "dossier-absent/absent.E44"}) {
        SCOPED_TRACE(name);
        script.asked.clear();
        script.answers = {ui::Answer::Ok};
        script.onExec = [](QDialog& dialog) { return dialog.result(); };
        app::openFile(host.bench, host, folder + name);
        ASSERT_EQ(script.asked.size(), 1u);
        EXPECT_EQ(script.asked[0].text,
                  QStringLiteral("Vérifier\u00A0:\n- le nom du fichier,\n- l'état du lecteur."));
        EXPECT_EQ(script.asked[0].title, QStringLiteral("Lecture impossible"));
        EXPECT_TRUE(host.name->text().isEmpty());
        expectBenchUntouched();
    }
}

TEST_F(OpenFile, ATextGoesIntoTheTextArea) {
    app::openFile(host.bench, host, folder + "reponse.rtf");
    EXPECT_TRUE(script.asked.empty());
    EXPECT_EQ(host.text->toPlainText(), QStringLiteral("Ma réponse\n"));
    EXPECT_EQ(host.name->text(), QStringLiteral("Texte\u00A0: ") + native("reponse.rtf"));
    EXPECT_FALSE(host.text->isReadOnly());
    EXPECT_FALSE(host.state.textModified);
    EXPECT_FALSE(host.state.correctionAvailable);
    expectBenchUntouched();
}

TEST_F(OpenFile, ATextThatCannotBeReadIsSaidAsRetrouverUnTexteSaysIt) {
    const QString before = host.text->toPlainText();
    script.answers = {ui::Answer::Ok};
    app::openFile(host.bench, host, folder + "absent.RTF");
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text,
              QStringLiteral("Vérifier l'état du lecteur et le nom du fichier."));
    EXPECT_EQ(script.asked[0].title, QStringLiteral("Erreur de lecture."));
    EXPECT_EQ(host.text->toPlainText(), before);
    expectBenchUntouched();
}

} // namespace
