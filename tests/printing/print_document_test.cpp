// SPDX-License-Identifier: GPL-3.0-or-later
#include "ink.h"
#include "printing/printer_target.h"
#include "support/fake_bench_pictures.h"
#include "support/scripted_answerer.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

int pages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    return int(QString::fromLatin1(file.readAll())
                   .count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))));
}

class PrintDocument : public testing::Test, private support::ApplicationFirst {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QPrinter& printer = printing::programPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName({});
        QStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines << QStringLiteral("Ligne %1 de l'énoncé.").arg(i);
        edit.setPlainText(lines.join('\n'));
    }
    QTemporaryDir dir;
    ui::ScriptedAnswerer script;
    QTextEdit edit;
};

TEST_F(PrintDocument, CancelledPrinterChoicePrintsNothing) {
    script.printerChoices = {false};
    EXPECT_FALSE(printing::printDocument(nullptr, *edit.document()));
    EXPECT_EQ(script.printerRequests, 1);
    EXPECT_TRUE(script.fileRequests.empty());
    EXPECT_TRUE(script.asked.empty());
}

TEST_F(PrintDocument, LongTextRunsOverSeveralPagesOfThePdf) {
    script.printerChoices = {true};
    script.fileNames = {dir.filePath("texte.pdf")};
    EXPECT_TRUE(printing::printTextEdit(nullptr, edit));
    EXPECT_GE(pages(dir.filePath("texte.pdf")), 3);
    EXPECT_TRUE(script.asked.empty());
}

TEST_F(PrintDocument, OnlyTheSelectionIsPrintedWhenThereIsOne) {
    QTextCursor cursor(edit.document());
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, 3);
    edit.setTextCursor(cursor);
    script.printerChoices = {true};
    script.fileNames = {dir.filePath("selection.pdf")};
    EXPECT_TRUE(printing::printTextEdit(nullptr, edit));
    EXPECT_EQ(pages(dir.filePath("selection.pdf")), 1);
}

TEST_F(PrintDocument, AnExistingPdfIsReplacedOnlyAfterTheQuestion) {
    const QString file = dir.filePath("rapport.pdf");
    {
        QFile existing(file);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("mon rapport");
    }
    const QString question =
        "Le fichier " + QDir::toNativeSeparators(file) + " existe déjà.\nÉcraser l'ancien\u00A0?";
    script.printerChoices = {true};
    script.fileNames = {file};
    script.answers = {ui::Answer::Cancel};
    EXPECT_FALSE(printing::printTextEdit(nullptr, edit));
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text, question);
    EXPECT_EQ(script.asked[0].title, "Écraser le fichier\u00A0?");
    EXPECT_EQ(script.asked[0].icon, ui::Icon::Question);
    EXPECT_EQ(script.asked[0].buttons, ui::Buttons::OkCancel);
    QFile kept(file);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "mon rapport");
    kept.close();

    script.printerChoices = {true};
    script.fileNames = {file};
    script.answers = {ui::Answer::Ok};
    EXPECT_TRUE(printing::printTextEdit(nullptr, edit));
    EXPECT_EQ(script.asked.size(), 2u);
    EXPECT_GE(pages(file), 3);
}

TEST_F(PrintDocument, UnwritableFileIsReported) {
    const QString file = dir.filePath("absent/texte.pdf");
    script.printerChoices = {true};
    script.fileNames = {file};
    script.answers = {ui::Answer::Ok};
    EXPECT_FALSE(printing::printDocument(nullptr, *edit.document()));
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text, printing::fileFailureText(file));
    EXPECT_EQ(script.asked[0].title, "Imprimer");
    EXPECT_EQ(script.asked[0].icon, ui::Icon::Critical);
}

TEST(PrinterTexts, DescribeWhereThePagesGo) {
    support::application();
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName({});
    EXPECT_EQ(printing::printerDescription(printer),
              "Aucune imprimante\u00A0: impression dans un fichier PDF");
    printer.setOutputFileName("/tmp/banc.pdf");
    EXPECT_EQ(printing::printerDescription(printer), "Fichier PDF\u00A0: /tmp/banc.pdf");
    EXPECT_EQ(printing::printerFailureText(),
              "Impossible d'imprimer\u00A0: vérifier l'imprimante.");
}

} // namespace
