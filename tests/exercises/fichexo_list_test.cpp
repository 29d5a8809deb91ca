// SPDX-License-Identifier: GPL-3.0-or-later
// The list of the exercises window: its buttons stay on the window whatever the title of the
// exercise shown, and it follows a change of folder (the exercise opened is one of the folder
// shown, never one of the folder left).
#include "exercise_files.h"
#include "exercises/exercise_file.h"
#include "exercises/fichexo.h"
#include "files/ui/folderlists.h"
#include "files/ui/paths.h"
#include "support/fake_exercise_area.h"
#include "support/scripted_answerer.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

using exercises::Fichexo;

namespace {

class FichexoList : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + QStringLiteral("/");
        files::setProgramFolder(dir.path());
    }
    void TearDown() override { files::setProgramFolder({}); }

    void exercise(const QString& path, const QString& title) {
        exotest::writeExercise(path,
                               {"E.RTF", "", "", "", "2", "", "Notions", "", "", "", title, "2"});
        exotest::writeFile(QFileInfo(path).path() + "/E.RTF", exotest::rtfText("Enonc\\'e9"));
    }

    QTemporaryDir dir;
    QString folder;
    support::FakeExerciseArea host;
    ui::ScriptedAnswerer script;
};

TEST_F(FichexoList, TheButtonsStayOnTheWindowWhateverTheTitle) {
    struct Row {
        const char* name;
        QString title;
    } rows[] = {
        {"a short title", QStringLiteral("Dosage")},
        {"126 characters in words",
         QString(QStringLiteral("Dosage de l'eau ")).repeated(8).left(126)},
        {"126 characters in one word", QString(126, QLatin1Char('W'))},
    };
    host.window.setGeometry(100, 80, 800, 600);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        exercise(folder + "LONG.E44", row.title);
        Fichexo window(host, &host.window);
        window.show();
        window.Form_Activate();
        QApplication::processEvents();
        EXPECT_EQ(window.titratexo->text(), row.title);
        EXPECT_EQ(window.size(), QSize(800, 600));
        for (QToolButton* button : {window.ouvreur, window.Image5}) {
            const QRect shown(button->mapTo(&window, QPoint(0, 0)), button->size());
            EXPECT_TRUE(window.rect().contains(shown))
                << button->objectName().toStdString() << " at " << shown.x() << "," << shown.y();
            EXPECT_TRUE(button->isVisible());
        }
        window.close();
    }
}

TEST_F(FichexoList, TheListFollowsAChangeOfFolder) {
    exercise(folder + "A.E44", QStringLiteral("Premier dossier"));
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("autre")));
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("vide")));
    exercise(folder + "autre/B.E44", QStringLiteral("Second dossier"));

    Fichexo window(host, &host.window);
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(window.fichierexo->text(), QDir::toNativeSeparators(folder + "A.E44"));

    // Another folder: its first exercise is the one shown, and the one opened.
    window.Dir1->setPath(folder + "autre");
    EXPECT_EQ(window.File1->count(), 1);
    EXPECT_EQ(window.fichierexo->text(), QDir::toNativeSeparators(folder + "autre/B.E44"));
    EXPECT_EQ(window.titratexo->text(), QStringLiteral("Second dossier"));

    // A folder without exercises: nothing to open, no title of the folder left.
    window.Dir1->setPath(folder + "vide");
    EXPECT_EQ(window.File1->count(), 0);
    EXPECT_TRUE(window.fichierexo->text().isEmpty());
    EXPECT_TRUE(window.titratexo->text().isEmpty());
    EXPECT_FALSE(window.ouvreur->isVisible());
    window.ouvreur_Click();
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_TRUE(host.name->text().isEmpty());
}

} // namespace
