// SPDX-License-Identifier: GPL-3.0-or-later
// Saving an exercise as a teacher does it, over a fake main window: a save that cannot be
// done leaves the folder exactly as it was and says which file and why; a short name that
// would take another exercise's files, or lose a character, is refused; a change of the
// title keeps the bench the exercise was saved with; the concentration is hidden by default.
#include "exercise_files.h"
#include "exercises/exercise_actions.h"
#include "exercises/exercise_editor.h"
#include "exercises/exercise_file.h"
#include "files/recordfile.h"
#include "files/ui/paths.h"
#include "support/fake_exercise_area.h"
#include "support/scripted_answerer.h"

#include <QApplication>
#include <QCheckBox>
#include <QDirIterator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

#include <map>

using exercises::ExerciseEditor;
using exercises::ExerciseFields;
using exercises::ExercisePart;
using exercises::ExerciseSave;

namespace {

// Every entry under a folder, with its kind, permissions and content.
std::map<QString, QByteArray> snapshot(const QString& folder) {
    std::map<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QByteArray what = QByteArray::number(int(info.permissions())) + ":";
        if (info.isDir()) {
            what += "folder";
        } else {
            QFile f(info.filePath());
            if (f.open(QIODevice::ReadOnly)) what += f.readAll();
        }
        entries[QDir(folder).relativeFilePath(info.filePath())] = what;
    }
    return entries;
}

class ExerciseSaving : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path();
        files::setProgramFolder(folder);
        host.name->setText(QStringLiteral("Nouvel exercice"));
        host.text->setPlainText(QStringLiteral("Énoncé\u00A0: trouver c2."));
        host.bench.state.table.texts[0] = {"0,012", "0,02", "0,05", "10", "20,0", "0,0"};
    }
    void TearDown() override {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        files::setProgramFolder({});
    }

    ExerciseSave request(const QString& shortName) const {
        ExerciseFields fields;
        fields.shortName = shortName;
        fields.title = QStringLiteral("Titre");
        return {folder, fields, ExercisePart::Statement, QString()};
    }
    QString save(const ExerciseSave& r) {
        return exercises::saveExercise(&host.window, r, *host.text->document(),
                                       host.bench.state.table);
    }
    std::string record(const QString& name, int r) const {
        return files::readRecord(QFile::encodeName(folder + "/" + name).toStdString(), r).text;
    }

    QTemporaryDir dir;
    QString folder;
    support::FakeExerciseArea host;
    ui::ScriptedAnswerer script;
};

// A folder named like a file of the exercise, or a protected file: the message names the
// file, its folder and why, and every file stays as it was; no file of the exercise is
// half-written beside the old ones.
TEST_F(ExerciseSaving, AFailedSaveLeavesTheFolderAsItWas) {
    const bool enforced = geteuid() != 0;
    struct Row {
        const char* name;
        std::function<void(const QString&)> prepare;
        const char* file;
        const char* reason;
        bool needsPermissions;
    } rows[] = {
        {"a folder named DIRX.E44",
         [](const QString& f) { QDir(f).mkdir(QStringLiteral("DIRX.E44")); }, "DIRX.E44",
         "un dossier (ou autre chose qu'un fichier) porte déjà ce nom", false},
        {"a folder named DIRX.C17",
         [](const QString& f) { QDir(f).mkdir(QStringLiteral("DIRX.C17")); }, "DIRX.C17",
         "un dossier (ou autre chose qu'un fichier) porte déjà ce nom", false},
        {"a read-only exercise file",
         [](const QString& f) {
             exotest::writeFile(f + "/DIRX.E44", "ancien");
             QFile::setPermissions(f + "/DIRX.E44", QFile::ReadOwner | QFile::ReadGroup);
         },
         "DIRX.E44", "le fichier est protégé en écriture", true},
        {"a folder that cannot be written",
         [](const QString& f) { QFile::setPermissions(f, QFile::ReadOwner | QFile::ExeOwner); },
         "DIRX.RTF", "le dossier est protégé en écriture", true},
    };
    for (const Row& row : rows) {
        if (row.needsPermissions && !enforced) continue; // the administrator writes anyway
        SCOPED_TRACE(row.name);
        QTemporaryDir place;
        folder = place.path();
        exotest::writeFile(folder + "/DIRX.RTF", "{\\rtf1 ancien énoncé}");
        row.prepare(folder);
        const auto before = snapshot(folder);
        script.asked.clear();
        script.answers = {ui::Answer::Ok, ui::Answer::Ok};
        EXPECT_TRUE(save(request(QStringLiteral("DIRX"))).isEmpty());
        ASSERT_FALSE(script.asked.empty());
        const auto& said = script.asked.back();
        EXPECT_EQ(said.title, QStringLiteral("Enregistrement impossible"));
        EXPECT_EQ(said.text,
                  QStringLiteral("Le fichier %1 n'a pas pu être écrit dans le dossier %2\u00A0: "
                                 "%3.\nRien n'a été enregistré\u00A0: les fichiers de l'exercice "
                                 "sont restés comme ils étaient.")
                      .arg(QString::fromUtf8(row.file), QDir::toNativeSeparators(folder),
                           QString::fromUtf8(row.reason)));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(snapshot(folder), before);
    }
}

// FER2C would write FER2C.RTF and FER2C.C17, the correction of FER2; FER2 would write the
// statement of FER2C as its correction; a name another exercise's records give is taken too.
TEST_F(ExerciseSaving, AShortNameThatWouldTakeAnotherExercisesFilesIsRefused) {
    ASSERT_FALSE(save(request(QStringLiteral("FER2"))).isEmpty());
    exotest::writeExercise(folder + "/AUTRE.E44", {"texte.rtf", "BANC.C17"});
    struct Row {
        const char* name;
        const char* shortName;
        const char* message;
    } rows[] = {
        {"the statement of FER2C is the correction of FER2", "FER2C",
         "Le nom court FER2C donnerait les fichiers FER2C.RTF et FER2C.C17, qui appartiennent "
         "déjà à l'exercice FER2.E44 de ce dossier\u00A0: choisir un autre nom court."},
        {"a file another exercise names", "BANC",
         "Le nom court BANC donnerait le fichier BANC.C17, qui appartient déjà à l'exercice "
         "AUTRE.E44 de ce dossier\u00A0: choisir un autre nom court."},
        {"a name in other capitals", "TEXTE",
         "Le nom court TEXTE donnerait le fichier TEXTE.RTF, qui appartient déjà à l'exercice "
         "AUTRE.E44 de ce dossier\u00A0: choisir un autre nom court."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto before = snapshot(folder);
        script.asked.clear();
        script.answers = {ui::Answer::Ok};
        EXPECT_TRUE(save(request(QString::fromUtf8(row.shortName))).isEmpty());
        ASSERT_EQ(script.asked.size(), 1u);
        EXPECT_EQ(script.asked[0].text, QString::fromUtf8(row.message));
        EXPECT_EQ(script.asked[0].title, QStringLiteral("Exercice non enregistré"));
        EXPECT_EQ(snapshot(folder), before);
    }
    // The other way round: FER3C first, then FER3, whose correction would be FER3C's
    // statement.
    ASSERT_FALSE(save(request(QStringLiteral("FER3C"))).isEmpty());
    script.asked.clear();
    script.answers = {ui::Answer::Ok};
    EXPECT_TRUE(save(request(QStringLiteral("FER3"))).isEmpty());
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_TRUE(script.asked[0].text.startsWith(
        QStringLiteral("Le nom court FER3 donnerait les fichiers FER3C.RTF et FER3C.C17")));
    // The exercise saved again under its own name is no collision with itself.
    script.asked.clear();
    script.answers = {ui::Answer::Ok};
    EXPECT_FALSE(save(request(QStringLiteral("FER2"))).isEmpty());
}

// Typed in the window, "été" stays "ÉTÉ" whole: the files it would give are not shown, and
// saving it says which character cannot be.
TEST_F(ExerciseSaving, AShortNameThatWouldLoseACharacterIsRefused) {
    ExerciseEditor* editor = exercises::createExercise(host);
    ASSERT_NE(editor, nullptr);
    // Typed key by key, as a French keyboard gives "é".
    for (const QChar c : QStringLiteral("été")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(editor->shortName, &press);
    }
    EXPECT_EQ(editor->shortName->text(), QStringLiteral("ÉTÉ"));
    EXPECT_EQ(editor->fileNames->text(),
              QStringLiteral("Fichiers\u00A0: — («\u00A0É\u00A0» ne peut pas figurer dans un nom "
                             "de fichier d'exercice)"));
    editor->title->setText(QStringLiteral("L'été"));
    script.answers = {ui::Answer::Ok};
    editor->saveStatement->click();
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_TRUE(script.asked[0].text.startsWith(
        QStringLiteral("Le nom court «\u00A0ÉTÉ\u00A0» contient «\u00A0É\u00A0», qu'un nom de "
                       "fichier d'exercice ne peut pas avoir.\n")));
    EXPECT_TRUE(editor->isVisible()) << "the window stays open to mend the name";
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty());
    editor->close();
}

// A change of the title of an opened exercise, after the teacher poured 2 mL to try it, does
// not save that bench; asked, the bench is saved.
TEST_F(ExerciseSaving, ChangingTheTitleKeepsTheBenchOfTheExercise) {
    ASSERT_FALSE(save(request(QStringLiteral("DOSAGE"))).isEmpty());
    const QString config = folder + "/DOSAGE.C17";
    QFile saved(config);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray before = saved.readAll();
    saved.close();

    host.state.folder = folder + "/";
    ASSERT_EQ(exercises::openExercise(host, folder + "/DOSAGE.E44", false, &host.window),
              exercises::OpenResult::Opened);
    host.bench.state.table.texts[0][5] = "2,0"; // tried on the bench
    auto modify = [&](bool saveBench, const QString& title) {
        script.onExec = [&](QDialog& dialog) {
            auto& editor = dynamic_cast<ExerciseEditor&>(dialog);
            EXPECT_FALSE(editor.saveBench->isChecked()) << "not asked by default";
            editor.saveBench->setChecked(saveBench);
            editor.title->setText(title);
            editor.saveStatement->click();
            return editor.result();
        };
        script.answers = {ui::Answer::Ok};
        exercises::modifyExercise(host);
        script.onExec = nullptr;
    };
    modify(false, QStringLiteral("Un meilleur titre"));
    EXPECT_EQ(record("DOSAGE.E44", 11), "Un meilleur titre");
    EXPECT_EQ(record("DOSAGE.E44", 2), "DOSAGE.C17");
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), before);
    saved.close();
    // The question named the files replaced: not the configuration.
    EXPECT_FALSE(script.asked.back().text.contains(QStringLiteral("DOSAGE.C17")));

    modify(true, QStringLiteral("Un meilleur titre"));
    EXPECT_EQ(files::readRecord(QFile::encodeName(config).toStdString(), 7).text, "2,0");

    // Under another name, not asked: the exercise's configuration goes with it.
    script.onExec = [&](QDialog& dialog) {
        auto& editor = dynamic_cast<ExerciseEditor&>(dialog);
        editor.shortName->setText(QStringLiteral("COPIE"));
        editor.saveStatement->click();
        return editor.result();
    };
    host.bench.state.table.texts[0][5] = "5,5";
    exercises::modifyExercise(host); // nothing to replace: no question
    EXPECT_EQ(record("COPIE.E44", 2), "COPIE.C17");
    EXPECT_EQ(files::readRecord(QFile::encodeName(folder + "/COPIE.C17").toStdString(), 7).text,
              "2,0");
}

// A new exercise hides and locks its concentration unless the teacher unticks it; a
// concentration the bench hides stays hidden in the exercise, whatever the file said.
TEST_F(ExerciseSaving, TheConcentrationIsHiddenByDefaultAndKeptHiddenWhenTheBenchHidesIt) {
    struct Row {
        const char* name;
        bool benchHides;
        bool modifying;
        bool checked, enabled;
    } rows[] = {
        {"a new exercise", false, false, true, true},
        {"a new exercise over a die's concentration", true, false, true, false},
        {"an exercise that shows it", false, true, false, true},
        {"an exercise that shows it, the bench hiding it", true, true, true, false},
    };
    exotest::writeExercise(folder + "/VOIT.E44",
                           {"VOIT.RTF", "", "", "", "1", "", "", "", "", "", "Titre", "1"});
    for (const Row& row : rows) {
        host.concentrationHidden = row.benchHides;
        ExerciseEditor editor(host, row.modifying ? folder + "/VOIT.E44" : QString(), &host.window);
        EXPECT_EQ(editor.hidden->isChecked(), row.checked) << row.name;
        EXPECT_EQ(editor.hidden->isEnabled(), row.enabled) << row.name;
        EXPECT_EQ(editor.saveBench->isChecked(), !row.modifying) << row.name;
    }
}

} // namespace
