// SPDX-License-Identifier: GPL-3.0-or-later
// An exercise opened from the program's own data: its text and the PDF printed from it are
// proposed where the user keeps files. Installed, that is the user's documents, even for a user
// (root) who could write into the installation; built or copied whole into a folder of the
// user's own, the exercise's folder as before.

#include "exercise_files.h"
#include "exercises/exercise_actions.h"
#include "exercises/fichexo.h"
#include "files/ui/paths.h"
#include "support/fake_exercise_area.h"
#include "support/scripted_answerer.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace exotest;

namespace {

QString documents() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

struct Layout {
    const char* name;
    const char* program;
    const char* data;
    bool proposedInDocuments;
};

const Layout layouts[] = {
    {"installed", "usr/bin", "usr/share/titrage", true},
    {"built", "build/bin", "build/bin", false},
};

class ExerciseFromTheProgram : public ::testing::Test {
protected:
    void TearDown() override {
        QDir::setCurrent(previous);
        files::setProgramFolder({});
        script.expectAllUsed();
    }

    // Lays the program out and opens its exercise through the exercises window; the folder
    // that holds the data.
    QString openExercise(const Layout& layout) {
        const QString data = base.filePath(QString::fromLatin1(layout.data));
        QDir().mkpath(data);
        QDir().mkpath(base.filePath(QString::fromLatin1(layout.program)));
        writeExercise(data + "/A.E44", {"A.RTF", "", "", "", "1", "", "", "", "", "", "A", "1"});
        writeFile(data + "/A.RTF", rtfText("Enonc\\'e9"));
        files::setProgramFolder(base.filePath(QString::fromLatin1(layout.program)));
        script.onExec = [](QDialog& dialog) {
            auto& window = dynamic_cast<exercises::Fichexo&>(dialog);
            window.ouvreur_Click();
            return window.result();
        };
        exercises::openExerciseBrowser(host);
        script.onExec = nullptr;
        return data;
    }

    QTemporaryDir base;
    QString previous = QDir::currentPath();
    support::FakeExerciseArea host;
    ui::ScriptedAnswerer script;
};

TEST_F(ExerciseFromTheProgram, TheTextIsProposedWhereTheUserKeepsFiles) {
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        const QString data = openExercise(layout);
        ASSERT_EQ(host.name->text(), QDir::toNativeSeparators(data + "/A.E44"));
        script.fileRequests.clear();
        script.fileNames = {QString()}; // cancelled: only the proposal is looked at
        exercises::saveText(host);
        ASSERT_EQ(script.fileRequests.size(), 1u);
        EXPECT_EQ(script.fileRequests[0].folder,
                  layout.proposedInDocuments ? documents() : QDir::currentPath());
        EXPECT_EQ(QDir::currentPath(), data) << "the exercise's folder became the current one";
    }
}

TEST_F(ExerciseFromTheProgram, ThePdfIsProposedWhereTheUserKeepsFiles) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        const QString data = openExercise(layout);
        script.fileRequests.clear();
        script.fileNames = {QString()};
        exercises::printText(host);
        ASSERT_EQ(script.fileRequests.size(), 1u);
        EXPECT_EQ(script.fileRequests[0].folder, layout.proposedInDocuments ? documents() : data);
        EXPECT_TRUE(script.asked.empty());
    }
}

} // namespace
