// SPDX-License-Identifier: GPL-3.0-or-later
// A teacher gives the concentration to find as a range: records 14 and 15 written, the key
// made once and kept, no concentration in any configuration of the exercise, and the list of
// the students' values.

#include "exercise_files.h"
#include "exercises/exercise_editor.h"
#include "exercises/exercise_file.h"
#include "exercises/student_values_window.h"
#include "exercises/unknown_fields.h"
#include "files/configuration.h"
#include "files/recordfile.h"
#include "files/ui/paths.h"
#include "grading/exercise_key.h"
#include "grading/student_name.h"
#include "grading/student_unknown.h"
#include "support/fake_exercise_area.h"
#include "support/scripted_answerer.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using exercises::ExerciseEditor;
using exercises::ExerciseFields;
using exercises::ExercisePart;
using exercises::ExerciseSave;

namespace {

using exotest::contentOf;

const grading::ExerciseKey key{0x0123456789abcdef};

class ExerciseUnknown : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path();
        files::setProgramFolder(folder);
        host.name->setText(QStringLiteral("Nouvel exercice"));
        host.text->setPlainText(QStringLiteral("Énoncé\u00A0: trouver c2."));
        // The teacher tried the titration with a concentration of the range in every
        // situation: none of them may reach a file.
        for (int s = 0; s < files::situationCount; ++s)
            host.bench.state.table.texts[s] = {"0,0107", "0,02", "0,05", "10", "20,0", "3,5"};
    }
    void TearDown() override { files::setProgramFolder({}); }

    ExerciseSave request(std::optional<grading::ExerciseUnknown> unknown,
                         ExercisePart part = ExercisePart::Statement) const {
        ExerciseFields fields;
        fields.shortName = QStringLiteral("INCONNU");
        fields.title = QStringLiteral("Dosage");
        fields.unknown = unknown;
        return {folder, fields, part, QString()};
    }
    QString save(const ExerciseSave& r) {
        return exercises::saveExercise(&host.window, r, *host.text->document(),
                                       host.bench.state.table);
    }
    files::SituationTable configuration(const QString& name) const {
        files::SituationTable table;
        EXPECT_EQ(
            files::readConfiguration(QFile::encodeName(folder + "/" + name).toStdString(), table),
            files::LoadResult::Ok)
            << name.toStdString();
        return table;
    }
    std::string record(int r) const {
        return files::readRecord(QFile::encodeName(folder + "/INCONNU.E44").toStdString(), r).text;
    }

    QTemporaryDir dir;
    QString folder;
    support::FakeExerciseArea host;
    ui::ScriptedAnswerer script;
};

TEST_F(ExerciseUnknown, ARangeWritesRecords14And15AndNoConcentration) {
    const grading::ExerciseUnknown unknown{{0.008, 0.012, 3}, key};
    ASSERT_FALSE(save(request(unknown)).isEmpty());
    EXPECT_EQ(record(13), "1"); // hidden and locked for an older program too
    EXPECT_EQ(record(14), "0,008;0,012;3");
    EXPECT_EQ(record(15), "0123456789abcdef");
    const files::SituationTable written = configuration(QStringLiteral("INCONNU.C17"));
    for (int s = 0; s < files::situationCount; ++s) {
        EXPECT_EQ(written.texts[s][0], "inconnue") << s;
        EXPECT_EQ(written.texts[s][5], "3,5") << s; // the rest as on the bench
    }
    EXPECT_FALSE(contentOf(folder + "/INCONNU.C17").contains("0,0107"));
    // The exercise reads back with its unknown.
    const auto read = exercises::readExerciseRecords(folder + "/INCONNU.E44").unknown();
    ASSERT_TRUE(read && *read);
    EXPECT_EQ(**read, unknown);
    EXPECT_TRUE(script.asked.empty());
}

TEST_F(ExerciseUnknown, OneValueWritesTheFileAsBefore) {
    ASSERT_FALSE(save(request(std::nullopt)).isEmpty());
    const QByteArray bytes = contentOf(folder + "/INCONNU.E44");
    EXPECT_EQ(bytes.size(), 13 * 128); // ends at record 13, as before
    EXPECT_EQ(configuration(QStringLiteral("INCONNU.C17")).texts[0][0], "0,0107");
}

TEST_F(ExerciseUnknown, EveryConfigurationKeptLosesItsConcentration) {
    // An exercise of one value, with its correction, made a range later without saving the
    // bench: both configurations lose the value they held, in the same saving.
    ASSERT_FALSE(save(request(std::nullopt)).isEmpty());
    script.answers = {ui::Answer::Ok}; // the exercise file is replaced
    ASSERT_FALSE(save(request(std::nullopt, ExercisePart::Correction)).isEmpty());
    script.asked.clear();
    ASSERT_TRUE(contentOf(folder + "/INCONNUC.C17").contains("0,0107"));
    for (auto& texts : host.bench.state.table.texts)
        texts[0] = "0,5"; // the bench, not saved again
    ExerciseSave again = request(grading::ExerciseUnknown{{0.008, 0.012, 3}, key});
    again.modifiedFile = folder + "/INCONNU.E44";
    again.saveBench = false;
    script.answers = {ui::Answer::Ok}; // replace the files
    ASSERT_FALSE(save(again).isEmpty());
    ASSERT_EQ(script.asked.size(), 1u);
    for (const char* name : {"INCONNU.C17", "INCONNUC.C17"}) {
        EXPECT_TRUE(script.asked[0].text.contains(QString::fromUtf8(name))) << name;
        const files::SituationTable t = configuration(QString::fromUtf8(name));
        for (int s = 0; s < files::situationCount; ++s)
            EXPECT_EQ(t.texts[s][0], "inconnue") << name << ' ' << s;
        EXPECT_EQ(t.texts[0][5], "3,5") << name;
    }
    EXPECT_EQ(record(4), "INCONNUC.C17"); // the correction is kept
}

TEST_F(ExerciseUnknown, ABadRangeIsRefusedWithItsReasonAndNothingWritten) {
    struct Row {
        const char* name;
        grading::ConcentrationRange range;
        const char* says;
    } rows[] = {
        {"reversed", {0.012, 0.008, 3}, "dépasse la plus haute"},
        {"not a number", {std::nan(""), 0.012, 3}, "nombre fini"},
        {"no value of two digits", {0.00801, 0.00809, 2}, "Aucune concentration"},
        {"too many digits", {0.008, 0.012, 7}, "chiffres significatifs"},
    };
    for (const Row& row : rows) {
        script.asked.clear();
        script.answers = {ui::Answer::Ok};
        EXPECT_TRUE(save(request(grading::ExerciseUnknown{row.range, key})).isEmpty()) << row.name;
        ASSERT_EQ(script.asked.size(), 1u) << row.name;
        EXPECT_TRUE(script.asked[0].text.contains(QString::fromUtf8(row.says)))
            << row.name << ": " << script.asked[0].text.toStdString();
        EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty()) << row.name;
    }
}

TEST_F(ExerciseUnknown, TheStudentsWordOnTheBenchIsNoValueForAnExerciseOfOne) {
    host.bench.state.table.texts[4][0] = "inconnue";
    script.answers = {ui::Answer::Ok};
    EXPECT_TRUE(save(request(std::nullopt)).isEmpty());
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_TRUE(script.asked[0].text.startsWith(QStringLiteral("La situation 5 du banc")));
    // With a range, the word is what the files hold anyway.
    EXPECT_FALSE(save(request(grading::ExerciseUnknown{{0.008, 0.012, 3}, key})).isEmpty());
}

TEST_F(ExerciseUnknown, TheEditorMakesTheKeyOnceAndKeepsItWhenSavedAgain) {
    ExerciseEditor editor(host, QString());
    exercises::UnknownFields& u = *editor.unknownFields;
    EXPECT_TRUE(u.oneValue->isChecked());
    EXPECT_FALSE(u.lowest->isEnabled());
    EXPECT_FALSE(u.studentValues->isEnabled());
    EXPECT_TRUE(editor.hidden->isEnabled());
    u.range->setChecked(true);
    // A range is always hidden and locked.
    EXPECT_TRUE(editor.hidden->isChecked());
    EXPECT_FALSE(editor.hidden->isEnabled());
    EXPECT_TRUE(u.lowest->isEnabled());
    EXPECT_TRUE(u.keyText->text().startsWith(QStringLiteral("Clé de l'exercice\u00A0: ")));
    u.lowest->setText(QStringLiteral("0,008"));
    u.highest->setText(QStringLiteral("0.012")); // a point reads as well
    u.digits->setValue(2);
    const auto first = u.unknown();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->range, (grading::ConcentrationRange{0.008, 0.012, 2}));
    EXPECT_EQ(u.unknown()->key, first->key); // made once
    EXPECT_TRUE(u.keyText->text().endsWith(QString::fromStdString(grading::keyText(first->key))));
    // Back to one value, and to a range again: the same key.
    u.oneValue->setChecked(true);
    EXPECT_FALSE(u.unknown());
    EXPECT_TRUE(editor.hidden->isEnabled());
    u.range->setChecked(true);
    EXPECT_EQ(u.unknown()->key, first->key);

    editor.title->setText(QStringLiteral("Dosage"));
    editor.shortName->setText(QStringLiteral("INCONNU"));
    editor.folder->setText(folder);
    editor.saveStatement_Click();
    EXPECT_EQ(record(15), grading::keyText(first->key));

    // Changed: the fields come back from the file with the same key, kept when saved again.
    host.name->setText(QDir::toNativeSeparators(folder + "/INCONNU.E44"));
    ExerciseEditor change(host, folder + "/INCONNU.E44");
    EXPECT_TRUE(change.unknownFields->range->isChecked());
    EXPECT_EQ(change.unknownFields->lowest->text(), QStringLiteral("0,008"));
    EXPECT_EQ(change.unknownFields->highest->text(), QStringLiteral("0,012"));
    EXPECT_EQ(change.unknownFields->digits->value(), 2);
    EXPECT_EQ(change.unknownFields->unknown()->key, first->key);
    change.unknownFields->highest->setText(QStringLiteral("0,011"));
    script.answers = {ui::Answer::Ok}; // replace the files
    change.saveStatement_Click();
    EXPECT_EQ(record(14), "0,008;0,011;2");
    EXPECT_EQ(record(15), grading::keyText(first->key));

    // A new key only after the question, which says every value changes.
    script.answers = {ui::Answer::Cancel, ui::Answer::Ok};
    change.unknownFields->newKey->click();
    EXPECT_EQ(change.unknownFields->unknown()->key, first->key);
    change.unknownFields->newKey->click();
    EXPECT_NE(change.unknownFields->unknown()->key, first->key);
    ASSERT_EQ(script.asked.size(), 3u);
    EXPECT_TRUE(script.asked[1].text.contains(QStringLiteral("change la concentration de "
                                                             "chaque élève")));
}

TEST_F(ExerciseUnknown, EveryNewControlOfTheEditorIsNamedAndInTheTabOrder) {
    ExerciseEditor editor(host, QString());
    exercises::UnknownFields& u = *editor.unknownFields;
    u.range->setChecked(true);
    for (QLineEdit* box : {u.lowest, u.highest})
        EXPECT_TRUE(box->accessibleName().endsWith(QStringLiteral("en mol/L")));
    EXPECT_FALSE(u.digits->accessibleName().isEmpty());
    // Tab goes from the hiding box through the range and the code to the saving of the bench.
    QWidget* w = editor.hidden;
    QStringList order;
    for (int i = 0; i < 10; ++i) {
        w = w->nextInFocusChain();
        // The spin box's own line hands the focus to the spin box: no control of its own.
        while (w->focusPolicy() == Qt::NoFocus || w->focusProxy())
            w = w->nextInFocusChain();
        order << (w->accessibleName().isEmpty() ? w->property("text").toString()
                                                : w->accessibleName());
    }
    EXPECT_EQ(order, (QStringList{"Une &seule valeur, celle du banc",
                                  "Une valeur par élève, tirée dans un &intervalle",
                                  "Concentration la plus basse, en mol/L",
                                  "Concentration la plus haute, en mol/L",
                                  "Chiffres significatifs des valeurs tirées", "Chan&ger de clé…",
                                  "Valeurs des é&lèves…", "Code enseignant (facultatif)",
                                  "Code enseignant, à retaper",
                                  "Enregistrer aussi le &banc tel qu'il est"}));
}

TEST_F(ExerciseUnknown, TheTeachersListGivesEachStudentsValue) {
    const grading::ExerciseUnknown unknown{{0.008, 0.012, 3}, key};
    exercises::StudentValuesWindow window(unknown, false);
    EXPECT_TRUE(window.note->text().contains(QStringLiteral("logiciel libre")));
    EXPECT_TRUE(window.note->text().contains(QStringLiteral("pas encore enregistré")));
    EXPECT_FALSE(window.copy->isEnabled());
    window.names->setPlainText(
        QStringLiteral("Léa Martin\r\n\r\nÉloïse Le Cœur\n  LEA   MARTIN \nZoé \"Zaza\" Durand\n"
                       "Alice M\u0430rtin\nMartin, Léa"));
    ASSERT_EQ(window.values->rowCount(), 3);
    struct Row {
        int row;
        const char* name;
        const char* drawnFrom;
    } rows[] = {{0, "Léa Martin", "Léa Martin"},
                {1, "Éloïse Le Cœur", "Éloïse Le Cœur"},
                {2, "Zoé \"Zaza\" Durand", "zoe \"zaza\" durand"}};
    for (const Row& r : rows) {
        EXPECT_EQ(window.values->item(r.row, 0)->text(), QString::fromUtf8(r.name));
        const double c = *grading::drawConcentration(unknown, r.drawnFrom);
        EXPECT_GE(c, 0.008);
        EXPECT_LE(c, 0.012);
        EXPECT_EQ(window.values->item(r.row, 1)->text(),
                  QString::fromStdString(grading::concentrationText(c, unknown.range)));
    }
    EXPECT_NE(window.values->item(0, 1)->text(), window.values->item(1, 1)->text());
    EXPECT_EQ(window.repeated->text(),
              QStringLiteral("Noms en double, comptés une fois\u00A0: «\u00A0LEA MARTIN\u00A0», "
                             "«\u00A0Martin, Léa\u00A0»"));
    // A name in two scripts gets no value: the list says why.
    EXPECT_FALSE(window.refused->isHidden());
    EXPECT_EQ(
        window.refused->text(),
        QStringLiteral("Lignes sans valeur\u00A0:\n«\u00A0Alice M\u0430rtin\u00A0»\u00A0: l") +
            QString::fromStdString(grading::nameProblem("Alice M\u0430rtin")).mid(1));

    window.copy_Click();
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith(
        QStringLiteral("Nom et prénom\tc2 (mol/L)\nLéa Martin\t")));

    const QString csv = folder + QStringLiteral("/classe");
    script.fileNames = {csv};
    ASSERT_TRUE(window.saveCsv_Click());
    ASSERT_EQ(script.fileRequests.size(), 1u);
    EXPECT_EQ(script.fileRequests[0].defaultSuffix, QStringLiteral("csv"));
    const QByteArray bytes = contentOf(csv + QStringLiteral(".csv"));
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBFNom et pr\xC3\xA9nom;c2 (mol/L)\r\n"));
    EXPECT_TRUE(bytes.contains("\"Zo\xC3\xA9 \"\"Zaza\"\" Durand\";"));
    // Saved again under the same name: asked first.
    script.fileNames = {csv + QStringLiteral(".csv")};
    script.answers = {ui::Answer::Cancel};
    EXPECT_FALSE(window.saveCsv_Click());
}

TEST_F(ExerciseUnknown, TheEditorsListSaysWhetherTheFileHoldsItsKey) {
    const grading::ExerciseUnknown unknown{{0.008, 0.012, 3}, key};
    ASSERT_FALSE(save(request(unknown)).isEmpty());
    host.name->setText(QDir::toNativeSeparators(folder + "/INCONNU.E44"));
    ExerciseEditor change(host, folder + "/INCONNU.E44");
    QStringList notes;
    script.onExec = [&](QDialog& dialog) {
        notes << dynamic_cast<exercises::StudentValuesWindow&>(dialog).note->text();
        return int(QDialog::Accepted);
    };
    change.unknownFields->studentValues->click();
    change.unknownFields->lowest->setText(QStringLiteral("0,009"));
    change.unknownFields->studentValues->click();
    // A range that cannot be used is said, and no list is made.
    change.unknownFields->lowest->setText(QStringLiteral("0,02"));
    script.answers = {ui::Answer::Ok};
    change.unknownFields->studentValues->click();
    ASSERT_EQ(notes.size(), 2);
    EXPECT_FALSE(notes[0].contains(QStringLiteral("pas encore enregistré")));
    EXPECT_TRUE(notes[1].contains(QStringLiteral("pas encore enregistré")));
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_TRUE(script.asked[0].text.contains(QStringLiteral("dépasse la plus haute")));
}

} // namespace
