// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise editor over a fake main window: the checks that refuse a field and write
// nothing, the question before replacing, the correction written at a second step, the change
// of an exercise, the keyboard.

#include "exercise_files.h"
#include "exercises/exercise_actions.h"
#include "exercises/exercise_editor.h"
#include "exercises/exercise_file.h"
#include "exercises/fichexo.h"
#include "exercises/teacher_code.h"
#include "files/recordfile.h"
#include "files/ui/paths.h"
#include "support/fake_exercise_area.h"
#include "support/scripted_answerer.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <functional>

using exercises::ExerciseEditor;
using exercises::ExerciseFields;
using exercises::ExercisePart;
using exercises::ExerciseSave;

namespace {

using exotest::contentOf;

class ExerciseEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path();
        files::setProgramFolder(folder);
        host.name->setText(QStringLiteral("Texte\u00A0: brouillon.rtf"));
        host.text->setPlainText(QStringLiteral("Énoncé : trouver c2."));
        host.state.textModified = true;
        host.bench.state.table.texts[0][5] = "4,0";
    }
    void TearDown() override { files::setProgramFolder({}); }

    ExerciseSave request(const QString& shortName = QStringLiteral("DOSAGE")) const {
        ExerciseFields fields;
        fields.shortName = shortName;
        fields.title = QStringLiteral("Titre");
        return {folder, fields, ExercisePart::Statement, QString()};
    }
    QString save(const ExerciseSave& r) {
        return exercises::saveExercise(&host.window, r, *host.text->document(),
                                       host.bench.state.table);
    }
    QStringList filesInFolder() const { return QDir(folder).entryList(QDir::Files, QDir::Name); }
    std::string record(const QString& name, int r) const {
        return files::readRecord(QFile::encodeName(folder + "/" + name).toStdString(), r).text;
    }
    // Opens the editor as the menu entry does, drives it, and gives its result.
    int runEditor(void (*entry)(exercises::ExerciseArea&),
                  std::function<void(ExerciseEditor&)> drive) {
        int result = -1;
        script.onExec = [&](QDialog& dialog) {
            auto& editor = dynamic_cast<ExerciseEditor&>(dialog);
            drive(editor);
            result = editor.result();
            return result;
        };
        entry(host);
        script.onExec = nullptr;
        return result;
    }

    QTemporaryDir dir;
    QString folder;
    support::FakeExerciseArea host;
    ui::ScriptedAnswerer script;
};

TEST(ExerciseNames, ShortNamesLikeTheShippedOnes) {
    struct Row {
        const char* name;
        bool valid;
    } rows[] = {{"VITAC", true},      {"A", true},      {"DOSAGE2", true},  {"ABCDEFGH", true},
                {"ABCDEFGHI", false}, {"", false},      {"2DOSAGE", false}, {"AB C", false},
                {"ÉTÉ", false},       {"vitac", false}, {"EAU-OX", false},  {"EAU.OX", false}};
    for (const Row& row : rows)
        EXPECT_EQ(exercises::isShortName(QString::fromUtf8(row.name)), row.valid) << row.name;
    const exercises::ExerciseNames names = exercises::exerciseNames(QStringLiteral("JAVEL"));
    EXPECT_EQ(QStringList({names.exercise, names.statement, names.configuration, names.correction,
                           names.correctionConfiguration}),
              QStringList({"JAVEL.E44", "JAVEL.RTF", "JAVEL.C17", "JAVELC.RTF", "JAVELC.C17"}));
}

TEST_F(ExerciseEditorTest, ARefusedFieldIsNamedAndNothingIsWritten) {
    const QString limits =
        QStringLiteral("Le champ «\u00A0%1\u00A0» a %2 caractères\u00A0: %3 au plus.");
    const QString foreign = QStringLiteral(
        "Le champ «\u00A0%1\u00A0» contient le caractère «\u00A0%2\u00A0», que les fichiers "
        "d'exercice ne peuvent pas enregistrer\u00A0: le remplacer ou l'enlever.");
    struct Row {
        const char* name;
        std::function<void(ExerciseSave&, files::SituationTable&, QTextDocument&)> change;
        QString message;
    } rows[] = {
        {"title one character too long",
         [](ExerciseSave& r, auto&, auto&) { r.fields.title = QString(127, QChar(0xE9)); },
         limits.arg("Titre").arg(127).arg(126)},
        {"title with a character Windows-1252 lacks",
         [](ExerciseSave& r, auto&, auto&) { r.fields.title = QStringLiteral("Titrage ✓"); },
         foreign.arg("Titre", "✓")},
        {"title of blanks",
         [](ExerciseSave& r, auto&, auto&) { r.fields.title = QStringLiteral("   "); },
         QStringLiteral("Le champ «\u00A0Titre\u00A0» est vide\u00A0: donner un titre à "
                        "l'exercice.")},
        {"topics over four records",
         [](ExerciseSave& r, auto&, auto&) { r.fields.topics = QString(505, QChar('x')); },
         limits.arg("Notions abordées").arg(505).arg(504)},
        {"topics with an arrow",
         [](ExerciseSave& r, auto&, auto&) { r.fields.topics = QStringLiteral("I2 → I-"); },
         foreign.arg("Notions abordées", "→")},
        {"topics with a character beyond 16 bits",
         [](ExerciseSave& r, auto&, auto&) { r.fields.topics = QStringLiteral("pH 🧪"); },
         foreign.arg("Notions abordées", "🧪")},
        {"short name of nine letters",
         [](ExerciseSave& r, auto&, auto&) { r.fields.shortName = QStringLiteral("ABCDEFGHI"); },
         QStringLiteral(
             "Le champ «\u00A0Nom court\u00A0» doit avoir de 1 à 8 lettres majuscules ou "
             "chiffres, sans espace ni accent, en commençant par une lettre (par "
             "exemple DOSAGE2).")},
        {"empty exercise area", [](auto&, auto&, QTextDocument& text) { text.setPlainText(" \n"); },
         QStringLiteral("La fenêtre exercice est vide\u00A0: y écrire d'abord l'énoncé.")},
        {"a bench text the configuration cannot hold",
         [](auto&, files::SituationTable& bench, auto&) { bench.texts[3][2] = "0,1 Ω"; },
         QStringLiteral("La situation 4 du banc contient «\u00A00,1 Ω\u00A0», que le fichier de "
                        "configuration ne peut pas enregistrer.")},
        {"a folder that does not exist",
         [this](ExerciseSave& r, auto&, auto&) { r.folder = folder + "/absent"; },
         QStringLiteral(
             "Le dossier «\u00A0%1\u00A0» n'existe pas\u00A0: choisir le dossier de l'exercice.")
             .arg(QDir::toNativeSeparators(folder + "/absent"))},
        {"a correction before its exercise",
         [](ExerciseSave& r, auto&, auto&) { r.part = ExercisePart::Correction; },
         QStringLiteral("Le dossier ne contient pas l'exercice DOSAGE.E44\u00A0: enregistrer "
                        "d'abord l'exercice (énoncé et configuration de départ), puis sa "
                        "correction.")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ExerciseSave r = request();
        files::SituationTable bench;
        QTextDocument text(QStringLiteral("Énoncé"));
        row.change(r, bench, text);
        script.answers = {ui::Answer::Ok};
        script.asked.clear();
        EXPECT_TRUE(exercises::saveExercise(&host.window, r, text, bench).isEmpty());
        ASSERT_EQ(script.asked.size(), 1u);
        EXPECT_EQ(script.asked[0].text, row.message);
        EXPECT_EQ(script.asked[0].title, QStringLiteral("Exercice non enregistré"));
        EXPECT_TRUE(filesInFolder().isEmpty()) << filesInFolder().join(' ').toStdString();
    }
}

TEST_F(ExerciseEditorTest, FieldsAtTheLimitsComeBackWhole) {
    ExerciseSave r = request(QStringLiteral("ABCDEFGH"));
    r.fields.title = QString(126, QChar(0x20AC)); // "€", one byte in Windows-1252
    r.fields.topics = QStringLiteral("Équivalence, ") + QString(491, QChar('t'));
    r.fields.level = 2;
    r.fields.duration = 24;
    const QString path = save(r);
    ASSERT_EQ(path, folder + "/ABCDEFGH.E44");
    EXPECT_EQ(filesInFolder(), (QStringList{"ABCDEFGH.C17", "ABCDEFGH.E44", "ABCDEFGH.RTF"}));
    // The topics fill the four records, which the browser puts end to end again.
    EXPECT_EQ(record("ABCDEFGH.E44", 10).size(), 126u);
    const exercises::ExerciseRecords records = exercises::readExerciseRecords(path);
    const ExerciseFields back = exercises::fieldsOf(records, path);
    EXPECT_EQ(back.shortName, r.fields.shortName);
    EXPECT_EQ(back.title, r.fields.title);
    EXPECT_EQ(back.topics, r.fields.topics);
    EXPECT_EQ(back.level, 2);
    EXPECT_EQ(back.duration, 24);
    EXPECT_FALSE(back.hidesConcentration);
    EXPECT_EQ(records[exercises::hiddenConcentrationRecord], QString());
    EXPECT_TRUE(script.asked.empty());
}

TEST_F(ExerciseEditorTest, OneQuestionBeforeReplacingListsTheFiles) {
    ASSERT_FALSE(save(request()).isEmpty());
    const QByteArray before = contentOf(folder + "/DOSAGE.RTF");
    host.text->setPlainText(QStringLiteral("Autre énoncé"));

    script.answers = {ui::Answer::Cancel};
    EXPECT_TRUE(save(request()).isEmpty());
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text,
              QStringLiteral("Ces fichiers existent déjà dans le dossier %1\u00A0:\nDOSAGE.RTF\n"
                             "DOSAGE.C17\nDOSAGE.E44\nÉcraser les anciens\u00A0?")
                  .arg(QDir::toNativeSeparators(folder)));
    EXPECT_EQ(script.asked[0].title, QStringLiteral("Écraser les fichiers\u00A0?"));
    EXPECT_EQ(contentOf(folder + "/DOSAGE.RTF"), before);

    script.answers = {ui::Answer::Ok};
    EXPECT_FALSE(save(request()).isEmpty());
    EXPECT_NE(contentOf(folder + "/DOSAGE.RTF"), before);

    // A file of another case (copied from Windows) is the one replaced, not doubled.
    exotest::writeFile(folder + "/mesure.rtf", "ancien");
    script.answers = {ui::Answer::Ok};
    EXPECT_FALSE(save(request(QStringLiteral("MESURE"))).isEmpty());
    EXPECT_EQ(script.asked.back().text,
              QStringLiteral("Le fichier mesure.rtf existe déjà dans le dossier %1.\nÉcraser "
                             "l'ancien\u00A0?")
                  .arg(QDir::toNativeSeparators(folder)));
    EXPECT_EQ(script.asked.back().title, QStringLiteral("Écraser le fichier\u00A0?"));
    EXPECT_FALSE(QFileInfo::exists(folder + "/MESURE.RTF"));
    EXPECT_TRUE(contentOf(folder + "/mesure.rtf").startsWith("{\\rtf1"));
    EXPECT_EQ(record("MESURE.E44", 1), "MESURE.RTF"); // found again whatever its case
}

TEST_F(ExerciseEditorTest, TheCorrectionComesAtASecondStepAndIsKept) {
    // First step: the statement, from the window of a new exercise, which opens beside the
    // main window at the first choice and does not hold the exercise window up.
    QPointer<ExerciseEditor> created = exercises::createExercise(host);
    ASSERT_TRUE(created);
    EXPECT_EQ(script.execs, 0);
    EXPECT_FALSE(created->isModal());
    EXPECT_TRUE(created->isVisible());
    EXPECT_EQ(created->windowTitle(), QStringLiteral("Créer un exercice"));
    EXPECT_EQ(created->folder->text(), QDir::toNativeSeparators(folder));
    EXPECT_FALSE(created->saveCorrection->isEnabled());
    created->shortName->setText(QStringLiteral("NITRITE"));
    created->title->setText(QStringLiteral("Les nitrites"));
    created->saveStatement->click();
    EXPECT_EQ(created->result(), QDialog::Accepted);
    EXPECT_FALSE(created->isVisible());
    EXPECT_EQ(host.name->text(), QDir::toNativeSeparators(folder + "/NITRITE.E44"));
    EXPECT_FALSE(host.state.correctionAvailable);
    EXPECT_FALSE(host.state.textModified);
    EXPECT_EQ(host.benchCopies, 1);

    // Second step: the correction written in the area, the bench at the equivalence.
    host.text->setPlainText(QStringLiteral("Correction : c2 = 0,02 mol/L."));
    host.bench.state.table.texts[0][5] = "10,0";
    script.answers = {ui::Answer::Ok};
    EXPECT_EQ(runEditor(exercises::modifyExercise,
                        [&](ExerciseEditor& editor) {
                            EXPECT_EQ(editor.windowTitle(), QStringLiteral("Modifier l'exercice"));
                            EXPECT_EQ(editor.shortName->text(), QStringLiteral("NITRITE"));
                            EXPECT_EQ(editor.title->text(), QStringLiteral("Les nitrites"));
                            EXPECT_TRUE(editor.saveCorrection->isEnabled());
                            editor.saveCorrection->click();
                        }),
              QDialog::Accepted);
    EXPECT_EQ(record("NITRITE.E44", 1), "NITRITE.RTF");
    EXPECT_EQ(record("NITRITE.E44", 3), "NITRITEC.RTF");
    EXPECT_EQ(record("NITRITE.E44", 4), "NITRITEC.C17");
    EXPECT_TRUE(host.state.correctionAvailable);
    EXPECT_TRUE(host.state.correctionShown);
    // Only the exercise file existed: it is the one the question names.
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_TRUE(script.asked[0].text.startsWith(QStringLiteral("Le fichier NITRITE.E44 existe")));

    // The exercise opens with its statement, and its correction shows its bench.
    host.state.folder = folder + "/";
    ASSERT_EQ(exercises::openExercise(host, folder + "/NITRITE.E44", true, &host.window),
              exercises::OpenResult::Opened);
    EXPECT_EQ(host.text->toPlainText(), QStringLiteral("Énoncé : trouver c2."));
    EXPECT_EQ(host.bench.state.table.texts[0][5], "4,0");
    exercises::showCorrection(host);
    EXPECT_EQ(host.text->toPlainText(), QStringLiteral("Correction : c2 = 0,02 mol/L."));
    EXPECT_EQ(host.bench.state.table.texts[0][5], "10,0");
    EXPECT_TRUE(host.text->isReadOnly());

    // Changed while the correction is shown: the correction may be edited, not saved again
    // as the statement.
    runEditor(exercises::modifyExercise, [&](ExerciseEditor& editor) {
        EXPECT_FALSE(editor.saveStatement->isEnabled());
        EXPECT_TRUE(editor.saveCorrection->isEnabled());
        editor.cancel->click();
    });
    EXPECT_FALSE(host.text->isReadOnly());

    // The statement saved again under its name keeps the correction; the level changed.
    ASSERT_EQ(exercises::openExercise(host, folder + "/NITRITE.E44", true, &host.window),
              exercises::OpenResult::Opened);
    script.answers = {ui::Answer::Ok};
    runEditor(exercises::modifyExercise, [&](ExerciseEditor& editor) {
        EXPECT_TRUE(editor.saveStatement->isEnabled());
        editor.level->setValue(3);
        editor.saveStatement->click();
    });
    EXPECT_EQ(record("NITRITE.E44", 3), "NITRITEC.RTF");
    EXPECT_EQ(record("NITRITE.E44", 5), "3");
    // Under another name it is a new exercise, without the correction of the first.
    runEditor(exercises::modifyExercise, [&](ExerciseEditor& editor) {
        editor.shortName->setText(QStringLiteral("NITRIT2"));
        editor.saveStatement->click();
    });
    EXPECT_EQ(record("NITRIT2.E44", 3), "");
    EXPECT_FALSE(host.state.correctionAvailable);
}

TEST_F(ExerciseEditorTest, ATeachersCodeGuardsTheChangeAndIsKeptOnlyAsAHash) {
    const QString code = QStringLiteral("pH7-labo");
    QPointer<ExerciseEditor> created = exercises::createExercise(host);
    ASSERT_TRUE(created);
    created->shortName->setText(QStringLiteral("SECRET"));
    created->title->setText(QStringLiteral("Un dosage"));
    created->code->setText(code);
    created->codeAgain->setText(QStringLiteral("pH7-lab0"));
    script.answers = {ui::Answer::Ok};
    created->saveStatement->click();
    EXPECT_TRUE(script.asked.back().text.contains(QStringLiteral("diffèrent")));
    EXPECT_FALSE(QFileInfo::exists(folder + "/SECRET.E44"));
    created->codeAgain->setText(code);
    created->saveStatement->click();
    const QString stored = QString::fromStdString(record("SECRET.E44", 16));
    EXPECT_TRUE(exercises::teacherCodeMatches(stored, code));
    EXPECT_FALSE(exercises::teacherCodeMatches(stored, QStringLiteral("ph7-labo")));
    for (const QString& name : filesInFolder())
        EXPECT_FALSE(contentOf(folder + "/" + name).contains(code.toUtf8())) << name.toStdString();

    // Cancelled or wrong, the code keeps the window closed; right, it opens it, and the code
    // stays when its fields are left empty.
    const struct {
        const char* typed;
        bool opens;
    } rows[] = {{nullptr, false}, {"faux-code", false}, {"pH7-labo", true}};
    for (const auto& row : rows) {
        bool opened = false;
        script.onExec = [&](QDialog& dialog) {
            if (auto* editor = dynamic_cast<ExerciseEditor*>(&dialog)) {
                opened = true;
                editor->saveStatement->click();
                return editor->result();
            }
            if (!row.typed) return int(QDialog::Rejected);
            dialog.findChild<QLineEdit*>(QStringLiteral("code"))->setText(row.typed);
            return int(QDialog::Accepted);
        };
        script.answers = {ui::Answer::Ok};
        exercises::modifyExercise(host);
        script.onExec = nullptr;
        EXPECT_EQ(opened, row.opens) << (row.typed ? row.typed : "cancelled");
        EXPECT_EQ(script.answers.empty(), row.typed != nullptr) << "message or replacement";
        script.answers.clear();
    }
    EXPECT_EQ(QString::fromStdString(record("SECRET.E44", 16)), stored);
}

// One choice of "Créer un exercice…" over the information text: an empty page for the
// statement, and the window of the new exercise open beside it while the statement is written.
TEST_F(ExerciseEditorTest, OverTheInformationTextOneChoiceGivesTheEmptyPageAndTheWindow) {
    host.name->clear();
    host.showInformation();
    host.state.textModified = false;
    QPointer<ExerciseEditor> editor = exercises::createExercise(host);
    ASSERT_TRUE(editor);
    EXPECT_TRUE(script.asked.empty());
    EXPECT_EQ(script.execs, 0);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(host.text->toPlainText().isEmpty());
    EXPECT_FALSE(host.text->isReadOnly());
    EXPECT_EQ(host.name->text(), QStringLiteral("Nouvel exercice"));
    // A second choice brings the same window back.
    EXPECT_EQ(exercises::createExercise(host), editor.data());
    // What is typed now is protected like any exercise text, and saved from the window.
    host.text->insertPlainText(QStringLiteral("Énoncé"));
    EXPECT_TRUE(host.state.textModified);
    editor->shortName->setText(QStringLiteral("PREMIER"));
    editor->title->setText(QStringLiteral("Premier exercice"));
    editor->saveStatement->click();
    EXPECT_EQ(record("PREMIER.E44", 1), "PREMIER.RTF");
    EXPECT_EQ(record("PREMIER.E44", 13), "1") << "hidden and locked by default";
    EXPECT_TRUE(script.asked.empty());
}

TEST_F(ExerciseEditorTest, OverACorrectionAnEmptyPageComesFirstOnceItsChangesMayBeLost) {
    host.text->setPlainText(QStringLiteral("Correction : c2 = 0,10 mol/L."));
    host.state.correctionShown = true;
    host.state.textModified = true;
    // Keeping the changed correction leaves everything as it was, with no window.
    script.answers = {ui::Answer::Cancel};
    EXPECT_EQ(exercises::createExercise(host), nullptr);
    EXPECT_EQ(script.execs, 0);
    EXPECT_EQ(host.text->toPlainText(), QStringLiteral("Correction : c2 = 0,10 mol/L."));
    EXPECT_TRUE(host.state.correctionShown);
    // Giving it up opens the empty page of a new statement, never the correction as one,
    // and the window of the new exercise beside it.
    script.answers = {ui::Answer::Ok};
    QPointer<ExerciseEditor> editor = exercises::createExercise(host);
    ASSERT_TRUE(editor);
    EXPECT_EQ(script.execs, 0);
    ASSERT_EQ(script.asked.size(), 2u);
    EXPECT_EQ(script.asked[0].text,
              QStringLiteral("Attention\u00A0: perte des modifications du texte."));
    EXPECT_EQ(script.asked[1].text, script.asked[0].text);
    EXPECT_TRUE(host.text->toPlainText().isEmpty());
    EXPECT_FALSE(host.state.correctionShown);
    EXPECT_EQ(host.name->text(), QStringLiteral("Nouvel exercice"));
    EXPECT_TRUE(filesInFolder().isEmpty());
}

TEST_F(ExerciseEditorTest, TheFileChooserGivesTheFolderAndTheShortName) {
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("tp")));
    script.fileNames = {folder + "/tp/redox1.e44", QString()};
    ExerciseEditor* editor = exercises::createExercise(host);
    ASSERT_NE(editor, nullptr);
    editor->shortName->setText(QStringLiteral("AB"));
    editor->chooseFolder->click();
    EXPECT_EQ(editor->folder->text(), QDir::toNativeSeparators(folder + "/tp"));
    EXPECT_EQ(editor->shortName->text(), QStringLiteral("REDOX1"));
    EXPECT_EQ(editor->fileNames->text(),
              QStringLiteral("Fichiers\u00A0: REDOX1.E44, REDOX1.RTF, REDOX1.C17\u00A0; "
                             "correction\u00A0: REDOX1C.RTF, REDOX1C.C17"));
    editor->chooseFolder->click(); // cancelled: nothing changes
    EXPECT_EQ(editor->shortName->text(), QStringLiteral("REDOX1"));
    editor->cancel->click();
    ASSERT_EQ(script.fileRequests.size(), 2u);
    EXPECT_EQ(script.fileRequests[0].folder, folder + "/AB.E44");
    EXPECT_EQ(script.fileRequests[1].folder, folder + "/tp/REDOX1.E44");
    EXPECT_TRUE(QDir(folder + "/tp").isEmpty());
}

TEST_F(ExerciseEditorTest, EveryFieldIsNamedAndReachedWithTab) {
    ExerciseEditor editor(host, QString(), &host.window);
    const std::vector<QWidget*> fields{editor.title, editor.shortName, editor.folder,
                                       editor.level, editor.duration,  editor.topics};
    QStringList names;
    for (QWidget* field : fields) {
        QLabel* named = nullptr;
        for (QLabel* label : editor.findChildren<QLabel*>())
            if (label->buddy() == field) named = label;
        ASSERT_NE(named, nullptr) << field->metaObject()->className();
        names << named->text();
    }
    EXPECT_EQ(names, (QStringList{"&Titre\u00A0:", "&Nom court\u00A0:", "&Dossier\u00A0:",
                                  "Ni&veau de difficulté\u00A0:", "D&urée (en sabliers)\u00A0:",
                                  "N&otions abordées\u00A0:"}));
    EXPECT_TRUE(editor.topics->tabChangesFocus());

    // The Tab chain from the title, each stop counted once for the control it belongs to.
    const std::vector<QWidget*> expected{
        editor.title,          editor.shortName, editor.folder,    editor.chooseFolder,
        editor.level,          editor.duration,  editor.topics,    editor.hidden,
        editor.code,           editor.codeAgain, editor.saveBench, editor.saveStatement,
        editor.saveCorrection, editor.cancel};
    std::vector<QWidget*> chain;
    QWidget* w = editor.title;
    do {
        for (QWidget* control : expected)
            if ((w == control || control->isAncestorOf(w)) && (w->focusPolicy() & Qt::TabFocus) &&
                (chain.empty() || chain.back() != control))
                chain.push_back(control);
        w = w->nextInFocusChain();
    } while (w != editor.title && chain.size() < 40);
    EXPECT_EQ(chain, expected);
}

} // namespace
