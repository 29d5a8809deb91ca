// SPDX-License-Identifier: GPL-3.0-or-later
// A whole session on the real main window, every place the program may write being a scratch
// folder (home, the user's folders, the temporary folder, the program folder, the current
// folder): a teacher writes an exercise with a range and its correction; a student opens it
// with a name, titrates, checks a result twice, computes u(c2), sees the correction, prints the
// report as a PDF with the measured points as CSV, saves the configuration, the table and the
// text; another student, then the first again in capitals. Two names give two values in the
// range, the same name the same value; no file written holds a student's value (the PDF's text
// is read back), and no control or accessible text of the program shows it.

#include "bench/feuillep.h"
#include "exercises/exercise_actions.h"
#include "exercises/exercise_editor.h"
#include "exercises/exercise_file.h"
#include "exercises/fichexo.h"
#include "exercises/result_check_window.h"
#include "exercises/student_name_dialog.h"
#include "exercises/unknown_fields.h"
#include "files/configuration.h"
#include "files/ui/enregistrer.h"
#include "files/ui/folderlists.h"
#include "files/ui/paths.h"
#include "grading/exercise_key.h"
#include "grading/student_unknown.h"
#include "guifuzz/sandbox.h"
#include "numbers/formats.h"
#include "numbers/reading.h"
#include "printing/confimp.h"
#include "printing/printer_target.h"
#include "printing/report_window.h"
#include "support/application.h"
#include "support/scripted_answerer.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTextEdit>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace fs = std::filesystem;

namespace {

const grading::ExerciseKey classKey{0x5eed00c0ffee1234};
const grading::ConcentrationRange classRange{0.008, 0.012, 3};

std::string contentOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Every file under a folder with its bytes.
std::map<fs::path, std::string> filesUnder(const fs::path& root) {
    std::map<fs::path, std::string> out;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file()) out[entry.path()] = contentOf(entry.path());
    return out;
}

// Every way a program could write the concentration: its digits with the comma or the point,
// in the general format of a double and of a single, in the exponent form.
QStringList formsOf(double c) {
    QStringList forms;
    for (const std::string& t :
         {numbers::formatSignificant(c, classRange.digits), numbers::formatGeneral(c),
          numbers::formatGeneral(float(c)), numbers::formatPattern(c, "0.00E+00"),
          numbers::formatPattern(c, "0.000E+00")}) {
        const QString comma = QString::fromStdString(t);
        forms << comma << QString(comma).replace(QLatin1Char(','), QLatin1Char('.'));
    }
    forms << QString::number(c, 'g', 17) << QString::number(c, 'e', 2);
    forms.removeDuplicates();
    return forms;
}

// What a file says: its bytes, and for a PDF the text read back from it.
QString readable(const fs::path& path, const std::string& bytes) {
    QString text = QString::fromUtf8(bytes.data(), qsizetype(bytes.size())) +
                   QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    if (path.extension() == ".pdf") {
        QProcess p;
        p.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                 QString::fromStdString(path.string()), QStringLiteral("-")});
        p.waitForFinished(60000);
        text += QString::fromUtf8(p.readAllStandardOutput());
    }
    return text;
}

// Every text the program's controls show or tell assistive technology.
QString shownTexts() {
    QString all;
    std::function<void(QAccessibleInterface*, int)> walk = [&](QAccessibleInterface* i, int depth) {
        if (!i || depth > 12) return;
        for (QAccessible::Text t :
             {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help})
            all += i->text(t) + QLatin1Char('\n');
        if (QAccessibleTextInterface* text = i->textInterface())
            all += text->text(0, text->characterCount()) + QLatin1Char('\n');
        for (int c = 0; c < i->childCount(); ++c)
            walk(i->child(c), depth + 1);
    };
    for (QWidget* w : QApplication::allWidgets()) {
        all += w->windowTitle() + w->toolTip() + w->accessibleName() + w->accessibleDescription() +
               w->whatsThis() + QLatin1Char('\n');
        if (auto* e = qobject_cast<QLineEdit*>(w)) all += e->text() + QLatin1Char('\n');
        if (auto* l = qobject_cast<QLabel*>(w)) all += l->text() + QLatin1Char('\n');
        if (auto* b = qobject_cast<QAbstractButton*>(w)) all += b->text() + QLatin1Char('\n');
        if (auto* t = qobject_cast<QTextEdit*>(w)) all += t->toPlainText() + QLatin1Char('\n');
        if (auto* t = qobject_cast<QPlainTextEdit*>(w)) all += t->toPlainText() + QLatin1Char('\n');
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int k = 0; k < c->count(); ++k)
                all += c->itemText(k) + QLatin1Char('\n');
        if (w->isWindow()) walk(QAccessible::queryAccessibleInterface(w), 0);
    }
    return all;
}

void expectNone(const QString& where, const QString& text, const QStringList& forms) {
    for (const QString& form : forms)
        EXPECT_FALSE(text.contains(form)) << where.toStdString() << " holds " << form.toStdString();
}

TEST(StudentSession, NoFileWrittenAndNothingShownHoldsAStudentsConcentration) {
    guifuzz::Sandbox sandbox; // before the application
    const bool canReadPdf = !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
    support::application();
    files::setProgramFolder(QString::fromStdString(sandbox.program.string()));
    const fs::path classFolder = sandbox.root / "home/classe";
    const fs::path documents = sandbox.root / "home/Documents";
    fs::create_directories(classFolder);
    const auto before = filesUnder(sandbox.root);
    const auto at = [](const fs::path& p) { return QString::fromStdString(p.string()); };

    ui::ScriptedAnswerer script;
    // No printer here or elsewhere: the report goes into a PDF file.
    printing::programPrinter().setOutputFormat(QPrinter::PdfFormat);
    auto window = std::make_unique<bench::FeuilleP>();
    window->shell().Form_Activate();
    window->setUp().Command3_Click();               // the preparation panel, as at start-up
    controlsOf(*window).ions1->setCurrentIndex(6);  // hydrogen peroxide, titrated by permanganate
    controlsOf(*window).Combo1->setCurrentIndex(4); // 10 mL
    controlsOf(*window).Text1[1]->setText(QStringLiteral("0,02"));
    window->setUp().Text1_LostFocus(1);
    // The teacher tries the titration with a value of the range: it may reach no file.
    controlsOf(*window).Text1[0]->setText(QStringLiteral("0,0107"));
    window->setUp().Text1_LostFocus(0);
    window->setUp().Command3_Click();

    // What the windows opened through the modal seam do.
    QString studentName;
    std::function<void(exercises::ResultCheckWindow&)> checking;
    std::function<void(printing::ReportWindow&)> reporting;
    script.onExec = [&](QDialog& dialog) -> int {
        if (auto* browser = dynamic_cast<exercises::Fichexo*>(&dialog)) {
            browser->Dir1->setPath(at(classFolder));
            browser->File1_Click(QStringLiteral("INCONNU.E44"));
            browser->ouvreur_Click();
            return browser->result();
        }
        if (auto* ask = dynamic_cast<exercises::StudentNameDialog*>(&dialog)) {
            ask->name->setText(studentName);
            return QDialog::Accepted;
        }
        if (auto* editor = dynamic_cast<exercises::ExerciseEditor*>(&dialog)) {
            editor->saveCorrection_Click();
            return editor->result();
        }
        if (auto* check = dynamic_cast<exercises::ResultCheckWindow*>(&dialog)) {
            checking(*check);
            return QDialog::Accepted;
        }
        if (auto* options = dynamic_cast<printing::Confimp*>(&dialog)) {
            options->Command4_Click();
            return options->result();
        }
        if (auto* report = dynamic_cast<printing::ReportWindow*>(&dialog)) {
            reporting(*report);
            return report->result();
        }
        if (auto* save = dynamic_cast<files::Enregistrer*>(&dialog)) {
            save->Text1->setText(at(documents / "eleve.C17"));
            save->Command1_Click();
            return save->result();
        }
        ADD_FAILURE() << "unexpected window " << dialog.metaObject()->className();
        return QDialog::Rejected;
    };

    // ---- The teacher writes the exercise, then its correction.
    script.menuChoices = {QStringLiteral("creerexo")};
    window->shell().btexo_Click();
    auto* editor = window->findChild<exercises::ExerciseEditor*>();
    ASSERT_TRUE(editor);
    window->exerciseArea().supertext()->insertPlainText(
        QStringLiteral("Trouver la concentration c2 de l'eau "
                       "oxygénée."));
    editor->title->setText(QStringLiteral("Eau oxygénée inconnue"));
    editor->shortName->setText(QStringLiteral("INCONNU"));
    editor->folder->setText(at(classFolder));
    editor->unknownFields->range->setChecked(true);
    editor->unknownFields->setKey(classKey);
    editor->unknownFields->lowest->setText(QStringLiteral("0,008"));
    editor->unknownFields->highest->setText(QStringLiteral("0,012"));
    editor->saveStatement_Click();
    ASSERT_TRUE(fs::exists(classFolder / "INCONNU.E44"));
    window->exerciseArea().supertext()->setPlainText(
        QStringLiteral("Correction : c2 = 5 c1 VE / (2 V2)."));
    controlsOf(*window).Text1[5]->setText(QStringLiteral("10,7"));
    window->setUp().Text1_LostFocus(5);
    script.menuChoices = {QStringLiteral("modifexo")};
    script.answers = {ui::Answer::Ok}; // the exercise file replaced
    window->shell().btexo_Click();
    ASSERT_TRUE(fs::exists(classFolder / "INCONNUC.C17"));
    script.menuChoices = {QStringLiteral("Closexo")};
    window->shell().btexo_Click();

    const auto unknown = exercises::readExerciseRecords(at(classFolder / "INCONNU.E44")).unknown();
    ASSERT_TRUE(unknown && *unknown);
    EXPECT_EQ((*unknown)->key, classKey);
    const double lea = *grading::drawConcentration(**unknown, "Léa Martin");
    const double eloise = *grading::drawConcentration(**unknown, "Éloïse Le Cœur");

    // ---- A student opens it with a name.
    const auto openAs = [&](const QString& name) {
        studentName = name;
        script.menuChoices = {QStringLiteral("openexo")};
        window->shell().btexo_Click();
        return window->setUp().sampleConcentration();
    };
    EXPECT_EQ(openAs(QStringLiteral("Léa Martin")), lea);
    EXPECT_GE(lea, classRange.lowest);
    EXPECT_LE(lea, classRange.highest);
    EXPECT_TRUE(window->setUp().exerciseSecret());
    EXPECT_FALSE(controlsOf(*window).checkResult->isHidden());
    controlsOf(*window).Text1[5]->setText(QStringLiteral("11,5"));
    window->setUp().Text1_LostFocus(5);
    window->run().Image1_Click(); // a drop
    for (int tick = 0; tick < 8; ++tick)
        window->run().Timer2_Timer();

    // Two checks, u(c2) from the bench, with texts that cannot hold the value.
    const QString far = QStringLiteral("0,0135"), near = QStringLiteral("0,00815");
    for (const QString& typed : {far, near})
        ASSERT_FALSE(typed.contains(formsOf(lea)[0])) << "choose other typed values";
    checking = [&](exercises::ResultCheckWindow& w) {
        w.equivalence->setText(QStringLiteral("11,5"));
        EXPECT_TRUE(w.compute_Click());
        w.concentration->setText(far);
        w.uncertainty->setText(QStringLiteral("0,0002"));
        EXPECT_TRUE(w.check_Click());
        w.concentration->setText(near);
        EXPECT_TRUE(w.check_Click());
        expectNone(QStringLiteral("the check window"), shownTexts(), formsOf(lea));
    };
    controlsOf(*window).checkResult->click();
    ASSERT_TRUE(window->exerciseArea().exercise().work);
    EXPECT_EQ(window->exerciseArea().exercise().work->checks.size(), 2u);
    expectNone(QStringLiteral("the screen"), shownTexts(), formsOf(lea));

    // The correction keeps the value hidden.
    script.menuChoices = {QStringLiteral("opencor")};
    window->shell().btexo_Click();
    EXPECT_TRUE(
        window->exerciseArea().supertext()->toPlainText().startsWith(QStringLiteral("Correction")));
    EXPECT_TRUE(window->setUp().exerciseSecret());
    EXPECT_EQ(window->setUp().sampleConcentration(), lea);
    expectNone(QStringLiteral("the screen with the correction"), shownTexts(), formsOf(lea));

    // The report as a PDF, with the points; the configuration, the table and the text saved.
    reporting = [&](printing::ReportWindow& r) {
        r.withPoints->setChecked(true);
        r.method->setText(QStringLiteral("teinte rose persistante"));
        script.fileNames = {at(documents / "compte-rendu.pdf"), at(documents / "points.csv")};
        EXPECT_TRUE(r.print_Click());
    };
    window->shell().Command10_Click();
    window->shell().Command11_Click();
    script.menuChoices = {QStringLiteral("enrtableau")};
    script.fileNames = {at(documents / "tableau.csv")};
    window->shell().Command4_Click();
    window->exerciseArea().supertext()->setReadOnly(false);
    script.menuChoices = {QStringLiteral("savetexte")};
    script.fileNames = {at(documents / "reponses.rtf")};
    window->shell().btexo_Click();
    script.menuChoices = {QStringLiteral("Closexo")};
    window->shell().btexo_Click();
    // Closed, the exercise leaves the value sealed and hidden until a new solution.
    EXPECT_TRUE(window->setUp().sampleSealed());
    EXPECT_TRUE(window->setUp().exerciseSecret());
    expectNone(QStringLiteral("the screen, the exercise closed"), shownTexts(), formsOf(lea));

    // ---- Another student, then the first one again in capitals.
    const double second = openAs(QStringLiteral("Éloïse Le Cœur"));
    EXPECT_EQ(second, eloise);
    EXPECT_NE(second, lea);
    EXPECT_GE(second, classRange.lowest);
    EXPECT_LE(second, classRange.highest);
    EXPECT_EQ(openAs(QStringLiteral("LÉA MARTIN")), lea);
    ASSERT_TRUE(window->exerciseArea().exercise().work);
    EXPECT_EQ(window->exerciseArea().exercise().work->checks.size(), 2u); // kept for the run
    script.answers = {ui::Answer::Ok}; // the configuration replaced
    window->shell().Command11_Click();
    window->shell().endWithoutQuestions();
    window.reset();

    // ---- Every file the session wrote, searched.
    const auto after = filesUnder(sandbox.root);
    QStringList written;
    QStringList forms = formsOf(lea) + formsOf(eloise) + formsOf(0.0107);
    for (const auto& [path, bytes] : after) {
        const auto was = before.find(path);
        if (was != before.end() && was->second == bytes) continue;
        written << QString::fromStdString(fs::relative(path, sandbox.root).string());
        expectNone(QString::fromStdString(path.string()), readable(path, bytes), forms);
    }
    written.sort();
    for (const char* name :
         {"home/classe/INCONNU.E44", "home/classe/INCONNU.RTF", "home/classe/INCONNU.C17",
          "home/classe/INCONNUC.RTF", "home/classe/INCONNUC.C17", "home/Documents/eleve.C17",
          "home/Documents/compte-rendu.pdf", "home/Documents/points.csv",
          "home/Documents/tableau.csv", "home/Documents/reponses.rtf", "program/TEMPlu.TMP"})
        EXPECT_TRUE(written.contains(QString::fromUtf8(name))) << name;
    std::cout << "Fichiers écrits et fouillés (" << written.size()
              << ") : " << written.join(QStringLiteral(", ")).toStdString() << '\n';
    // The report holds the checks and the name, read back from the PDF.
    if (canReadPdf) {
        const fs::path pdf = documents / "compte-rendu.pdf";
        const QString text = readable(pdf, "").simplified();
        EXPECT_TRUE(text.contains(QStringLiteral("Léa Martin"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("c2 inconnue")));
        EXPECT_TRUE(text.contains(QStringLiteral("2 vérifications")));
    } else {
        std::cout << "pdftotext (poppler-utils) absent : le texte du PDF n'est pas relu.\n";
    }
    EXPECT_TRUE(sandbox.filesWrittenOutside().empty());
    script.expectAllUsed();
}

// Each shipped exercise that hides its concentration, opened then closed: whatever the student
// does next short of a new solution, no control, told text, copy, report or saved configuration
// holds its value.
TEST(StudentSession, AShippedExercisesSecretOutlivesItsClosing) {
    guifuzz::Sandbox sandbox;
    support::application();
    const QString program = QString::fromStdString(sandbox.program.string());
    files::setProgramFolder(program);
    ui::ScriptedAnswerer script;
    auto window = std::make_unique<bench::FeuilleP>();
    window->shell().Form_Activate();
    QString saved;
    script.onExec = [&](QDialog& dialog) -> int {
        auto& save = dynamic_cast<files::Enregistrer&>(dialog);
        save.Text1->setText(saved);
        save.Command1_Click();
        return save.result();
    };
    int shipped = 0;
    for (const QString& name : QDir(program).entryList({QStringLiteral("*.E44")})) {
        const exercises::ExerciseRecords records =
            exercises::readExerciseRecords(program + "/" + name);
        if (!records.hidesConcentration()) continue;
        files::SituationTable table;
        ASSERT_EQ(files::readConfiguration((program + "/" + records[2]).toStdString(), table),
                  files::LoadResult::Ok);
        const std::string typed = table.texts[0][0];
        const double value = numbers::parseBenchDouble(typed);
        QStringList forms = formsOf(value);
        forms << QString::fromStdString(typed);
        // A value that the bench's other boxes hold too (a reagent at 0,05 mol/L) tells nothing.
        for (const auto& texts : table.texts)
            for (std::size_t k = 1; k < texts.size(); ++k)
                forms.removeAll(QString::fromStdString(texts[k]));
        saved = QString::fromStdString((sandbox.root / "home").string()) + "/" + name + ".C17";
        window->exerciseArea().exercise().folder = program + "/";
        ASSERT_EQ(exercises::openExercise(window->exerciseArea(), program + "/" + name, true,
                                          window.get()),
                  exercises::OpenResult::Opened);
        EXPECT_EQ(window->setUp().sampleConcentration(), value) << name.toStdString();
        exercises::closeExercise(window->exerciseArea());
        // What a student may try: the reveal label, the situations, the panel, activation.
        window->setUp().Label1_Click();
        controlsOf(*window).Option2[1]->setChecked(true);
        controlsOf(*window).Option2[0]->setChecked(true);
        window->setUp().Command3_Click();
        window->setUp().Text1_LostFocus(0);
        window->setUp().Command3_Click();
        window->shell().Form_Activate();
        EXPECT_EQ(window->setUp().sampleConcentration(), value) << name.toStdString();
        window->shell().Command11_Click();
        QString all = shownTexts() + window->speech().sceneSummary() +
                      QString::fromStdString(contentOf(saved.toStdString()));
        for (const QString& line : window->chain().reportFacts().setUp)
            all += line + QLatin1Char('\n');
        if (window->setUp().titration().family == model::Family::AcidBase)
            all += QString::fromStdString(window->chain().tableText(";", "\n"));
        for (const QString& form : forms) {
            const QRegularExpression alone(QStringLiteral("(?<![0-9])") +
                                           QRegularExpression::escape(form) +
                                           QStringLiteral("(?![0-9])"));
            EXPECT_FALSE(all.contains(alone))
                << name.toStdString() << " shows " << form.toStdString();
        }
        ++shipped;
    }
    EXPECT_GE(shipped, 10);
    window->shell().endWithoutQuestions();
    script.expectAllUsed();
}

} // namespace
