// SPDX-License-Identifier: GPL-3.0-or-later
// The student's report: one document with every part, printed as a PDF whose text and
// pictures are read back, and the measured points as a CSV file on demand.

#include "model/catalogue.h"
#include "printing/confimp.h"
#include "printing/report_document.h"
#include "printing/report_window.h"
#include "support/fake_bench_pictures.h"
#include "support/scripted_answerer.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Blanks of every kind as one space, so that a text reads the same wherever it was wrapped.
QString simplified(QString text) {
    text.replace(QChar(0x00A0), QLatin1Char(' ')).replace(QChar(0x202F), QLatin1Char(' '));
    return text.simplified();
}

printing::ReportFacts classFacts() {
    printing::ReportFacts f;
    f.student = QStringLiteral("Léa Martin");
    f.exerciseTitle = QStringLiteral("Dosage de l'eau oxygénée");
    f.setUp = {QStringLiteral("Solution titrée\u00A0: peroxyde d'hydrogène, prélèvement V2 = "
                              "10\u00A0mL, c2 inconnue"),
               QStringLiteral("Solution titrante\u00A0: permanganate de potassium, c1 = "
                              "0,02\u00A0mol/L")};
    f.method = QStringLiteral("changement de couleur de la solution du bécher");
    f.equivalenceVolume = QStringLiteral("11,9");
    f.concentration = QStringLiteral("0,0595");
    f.uncertainty = QStringLiteral("0,0004");
    f.checks = {QStringLiteral("c2 = 0,07\u00A0mol/L ; u(c2) = 0,0004\u00A0mol/L ; z > 3. "
                               "Résultat non compatible avec la valeur attendue."),
                QStringLiteral("c2 = 0,0595\u00A0mol/L ; u(c2) = 0,0004\u00A0mol/L ; z = 0,5. "
                               "Résultat compatible avec la valeur attendue.")};
    return f;
}

printing::ReportAnswers answersOf(const printing::ReportFacts& f) {
    return {f.student, f.equivalenceVolume, f.method, f.concentration, f.uncertainty};
}

// What every report of these facts must say, in the order of the document.
QStringList expectedParts(const printing::ReportFacts& f, const QString& date) {
    QStringList parts = {QStringLiteral("Compte rendu de titrage"),
                         QStringLiteral("Élève : Léa Martin"),
                         QStringLiteral("Exercice : Dosage de l'eau oxygénée"),
                         QStringLiteral("Date : ") + date, QStringLiteral("1. Montage")};
    for (const QString& line : f.setUp)
        parts << simplified(line);
    parts << QStringLiteral("2. Schéma, quantités de matière, courbes et tableau d'avancement")
          << QStringLiteral("3. Équivalence")
          << QStringLiteral("Volume à l'équivalence : VE = 11,9 mL")
          << QStringLiteral("Méthode : changement de couleur de la solution du bécher")
          << QStringLiteral("4. Résultat")
          << QStringLiteral("c2 = 0,05950 mol/L avec u(c2) = 0,00040 mol/L")
          << QStringLiteral("5. Vérifications du résultat")
          << QStringLiteral("2 vérifications, dans l'ordre :");
    for (const QString& line : f.checks)
        parts << simplified(line);
    return parts;
}

void expectInOrder(const QString& text, const QStringList& parts) {
    qsizetype at = 0;
    for (const QString& part : parts) {
        const qsizetype found = text.indexOf(part, at);
        EXPECT_GE(found, 0) << "missing or out of order: " << part.toStdString()
                            << "\nin: " << text.toStdString();
        if (found >= 0) at = found + part.size();
    }
}

TEST(Report, FrenchDates) {
    struct Row {
        QDate date;
        const char* text;
    } rows[] = {
        {QDate(2026, 12, 8), "8 décembre 2026"},
        {QDate(2027, 3, 1), "1er mars 2027"},
        {QDate(2026, 8, 15), "15 août 2026"},
        {QDate(2028, 2, 29), "29 février 2028"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(printing::frenchDate(r.date), QString::fromUtf8(r.text)) << r.text;
}

TEST(Report, TheResultAsTheClassWritesItOrAsTyped) {
    struct Row {
        const char* name;
        const char* c;
        const char* u;
        QString text;
    } rows[] = {
        {"numbers: u with two digits, c2 to the same place", "0,012345", "0,000213",
         QStringLiteral("c2 = 0,01235\u00A0mol/L avec u(c2) = 0,00021\u00A0mol/L")},
        {"points", "0.0595", "0.0004",
         QStringLiteral("c2 = 0,05950\u00A0mol/L avec u(c2) = 0,00040\u00A0mol/L")},
        {"nothing typed", "", " ", QStringLiteral("c2 = —\u00A0mol/L avec u(c2) = —\u00A0mol/L")},
        {"a word", "environ 0,06", "0,0004",
         QStringLiteral("c2 = environ 0,06\u00A0mol/L avec u(c2) = 0,0004\u00A0mol/L")},
        {"no uncertainty", "0,06", "0",
         QStringLiteral("c2 = 0,06\u00A0mol/L avec u(c2) = 0\u00A0mol/L")},
    };
    for (const Row& r : rows)
        EXPECT_EQ(printing::resultText(QString::fromUtf8(r.c), QString::fromUtf8(r.u)), r.text)
            << r.name;
}

TEST(Report, TheDocumentHoldsEveryPartAndThePictures) {
    support::FakeBenchPictures host;
    printing::PrintRequest request;
    request.courbes = true;
    const printing::PagePictures pictures = printing::gatherPictures(host, request, 2.0);
    const printing::ReportFacts facts = classFacts();
    const auto doc =
        printing::reportDocument(facts, answersOf(facts), pictures, QDate(2026, 12, 8));
    expectInOrder(simplified(doc->toRawText()), expectedParts(facts, "8 décembre 2026"));
    int images = 0;
    for (const char* name : {"banc", "graphe", "courbes"}) {
        const QVariant image = doc->resource(QTextDocument::ImageResource,
                                             QUrl(QStringLiteral("compterendu:") + name));
        EXPECT_TRUE(image.isValid()) << name;
        images += image.isValid();
    }
    EXPECT_EQ(images, 3);

    // No check made: said so.
    printing::ReportFacts none = facts;
    none.checks.clear();
    const auto plain = printing::reportDocument(none, {}, {}, QDate(2026, 12, 8));
    EXPECT_TRUE(simplified(plain->toRawText())
                    .contains(QStringLiteral("5. Vérifications du résultat Aucune vérification "
                                             "n'a été faite.")));
    EXPECT_TRUE(simplified(plain->toRawText()).contains(QStringLiteral("Élève : —")));

    // Refused checks are listed with the others, and counted.
    struct Row {
        int checks, refused;
        const char* count;
    } rows[] = {
        {1, 1, "1 vérification, dont 1 refusée, dans l'ordre :"},
        {3, 1, "3 vérifications, dont 1 refusée, dans l'ordre :"},
        {3, 2, "3 vérifications, dont 2 refusées, dans l'ordre :"},
    };
    for (const Row& r : rows) {
        printing::ReportFacts some = facts;
        some.checks.clear();
        for (int i = 0; i < r.checks; ++i)
            some.checks
                << QStringLiteral("c2 = «\u00A00,5\u00A0» ; vérification refusée. %1").arg(i);
        some.refusedChecks = r.refused;
        const auto counted = printing::reportDocument(some, {}, {}, QDate(2026, 12, 8));
        EXPECT_TRUE(simplified(counted->toRawText()).contains(QString::fromUtf8(r.count)))
            << r.count;
    }
}

class ReportPdf : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        host.facts = classFacts();
        host.table.columns = {{model::Entry::MnO4, false, false}};
        host.table.volumes = {0, 0.1};
        host.table.rows = {{0.0}, {2e-6}};
        printer.setOutputFormat(QPrinter::PdfFormat);
    }

    static QString run(const QString& tool, const QStringList& arguments) {
        QProcess p;
        p.start(tool, arguments);
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    QTemporaryDir dir;
    support::FakeBenchPictures host;
    ui::ScriptedAnswerer script;
    QPrinter printer{QPrinter::HighResolution};
};

TEST_F(ReportPdf, ThePdfHoldsEveryPartAndThePointsGoWithItOnDemand) {
    printing::ReportWindow window(host, printer);
    EXPECT_EQ(window.print->text(), QStringLiteral("&Enregistrer en PDF…"));
    EXPECT_TRUE(window.student->isReadOnly()); // the name the value was drawn from
    EXPECT_EQ(window.equivalence->text(), QStringLiteral("11,9"));
    EXPECT_EQ(window.concentration->text(), QStringLiteral("0,0595"));
    window.withPoints->setChecked(true);
    const QString pdf = dir.filePath(QStringLiteral("compte-rendu.pdf"));
    const QString csv = dir.filePath(QStringLiteral("points.csv"));
    script.fileNames = {pdf, csv};
    ASSERT_TRUE(window.print_Click());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    ASSERT_TRUE(QFile::exists(pdf));
    QFile points(csv);
    ASSERT_TRUE(points.open(QIODevice::ReadOnly));
    const QByteArray bytes = points.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF")) << bytes.toStdString();
    EXPECT_TRUE(bytes.contains("\r\n0,1;")) << bytes.toStdString();
    // The pictures: the bench, the graph and the curves.
    ASSERT_EQ(host.benchRequests.size(), 1u);
    EXPECT_TRUE(host.benchRequests[0].withValues);
    EXPECT_EQ(host.graphRequests.size(), 1u);
    EXPECT_EQ(host.courbesRequests.size(), 1u);

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdfimages = QStandardPaths::findExecutable(QStringLiteral("pdfimages"));
    if (pdftotext.isEmpty() || pdfimages.isEmpty())
        GTEST_SKIP() << "pdftotext et pdfimages (paquet poppler-utils) absents : le texte du PDF "
                        "n'est pas relu.";
    const QString text =
        run(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    expectInOrder(simplified(text),
                  expectedParts(host.facts, printing::frenchDate(QDate::currentDate())));
    // "pdfimages -list" lists a header of two lines, then one line per picture.
    const QStringList images =
        run(pdfimages, {QStringLiteral("-list"), pdf}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(images.size() - 2, 3) << images.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ReportPdf, WhatTheStudentTypesGoesInAndCancellingWritesNothing) {
    host.facts.student.clear(); // an exercise that asked no name
    printing::ReportWindow window(host, printer);
    EXPECT_FALSE(window.student->isReadOnly());
    // The choice of the PDF file cancelled: nothing written, the window stays.
    script.fileNames = {QString()};
    EXPECT_FALSE(window.print_Click());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    window.student->setText(QStringLiteral("Noé Petit"));
    window.equivalence->setText(QStringLiteral("12,05"));
    window.method->setText(QStringLiteral("teinte rose persistante"));
    const printing::ReportAnswers given = window.answers();
    EXPECT_EQ(given.student, QStringLiteral("Noé Petit"));
    EXPECT_EQ(given.equivalenceVolume, QStringLiteral("12,05"));
    EXPECT_EQ(given.method, QStringLiteral("teinte rose persistante"));
    const auto doc = printing::reportDocument(host.facts, given, {}, QDate(2027, 3, 1));
    const QString text = simplified(doc->toRawText());
    EXPECT_TRUE(text.contains(QStringLiteral("Élève : Noé Petit")));
    EXPECT_TRUE(text.contains(QStringLiteral("VE = 12,05 mL")));
    EXPECT_TRUE(text.contains(QStringLiteral("Méthode : teinte rose persistante")));
    EXPECT_TRUE(text.contains(QStringLiteral("Date : 1er mars 2027")));
}

TEST_F(ReportPdf, ThePrintOptionsOpenTheReportAndCloseOnceItIsPrinted) {
    printing::Confimp options(host, printer, &host.window);
    EXPECT_EQ(options.Command4->text(), QStringLiteral("Compte &rendu…"));
    int reports = 0;
    script.onExec = [&](QDialog& dialog) {
        auto& report = dynamic_cast<printing::ReportWindow&>(dialog);
        ++reports;
        if (reports == 1) return int(QDialog::Rejected);
        script.fileNames = {dir.filePath(QStringLiteral("cr.pdf"))};
        report.print_Click();
        return report.result();
    };
    options.Command4_Click();
    EXPECT_NE(options.result(), QDialog::Accepted);
    options.Command4_Click();
    EXPECT_EQ(reports, 2);
    EXPECT_EQ(options.result(), QDialog::Accepted);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("cr.pdf"))));
}

} // namespace
