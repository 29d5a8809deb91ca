// SPDX-License-Identifier: GPL-3.0-or-later
// The table of the amounts on the clipboard and in a CSV file, read back as a French
// spreadsheet reads them; the curves copied as a picture; the new entries of the menu.
#include "model/amounts_table.h"
#include "printing/clipboard_copy.h"
#include "printing/table_copy.h"
#include "support/fake_bench_pictures.h"
#include "support/scripted_answerer.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

namespace {

// The oxalic acid titration of the class (c0 = 0,01 mol/L, V0 = 10 mL, cT = 0,005 mol/L)
// poured to 4,05 mL, with a drop at 4,05 mL.
model::AmountsTable oxalicTable(bool hidden) {
    model::BenchInputs in;
    in.sampleConcentration = 0.01f;
    in.sampleVolume = 10;
    in.titrantConcentration = 0.005f;
    const std::vector<double> drops{4.05};
    return model::amountsTable(1, in, model::tableVolumes(4.05, drops), hidden);
}

// A cell as a French spreadsheet takes it: a number with a decimal comma, or nothing.
std::optional<double> frenchNumber(const QString& cell) {
    if (cell.isEmpty()) return std::nullopt;
    QString text = cell;
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    EXPECT_TRUE(ok) << "not a number: " << cell.toStdString();
    return value;
}

// Every line split into cells; every cell after the first column of a data row a number.
void expectTableReadsBack(const QString& text, const QString& separator, const QString& lineEnd,
                          const model::AmountsTable& table) {
    QStringList lines = text.split(lineEnd);
    ASSERT_EQ(lines.takeLast(), QString()) << "the last line ends like the others";
    ASSERT_EQ(lines.size(), qsizetype(table.rows.size() + 1));
    const QStringList header = lines[0].split(separator);
    ASSERT_EQ(header.size(), qsizetype(table.columns.size() + 1));
    EXPECT_EQ(header[0], "V (mL)");
    EXPECT_TRUE(header.contains(QStringLiteral("n(MnO₄⁻) présente (mol)")));
    EXPECT_TRUE(header.contains(QStringLiteral("n(Mn²⁺) présente (mol)")));
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const QStringList cells = lines[qsizetype(i + 1)].split(separator);
        ASSERT_EQ(cells.size(), header.size()) << "row " << i;
        EXPECT_NEAR(*frenchNumber(cells[0]), table.volumes[i], 1e-9) << "row " << i;
        for (std::size_t j = 0; j < table.columns.size(); ++j) {
            const std::optional<double> read = frenchNumber(cells[qsizetype(j + 1)]);
            const std::optional<double>& model = table.rows[i][j];
            ASSERT_EQ(read.has_value(), model.has_value()) << "row " << i << " column " << j;
            // Four significant figures are shown.
            if (model) {
                EXPECT_NEAR(*read, *model, std::abs(*model) * 5e-4 + 1e-12)
                    << "row " << i << " column " << j;
            }
        }
    }
}

TEST(TableCopy, ClipboardTextReadsBackAsTheModelsNumbers) {
    support::FakeBenchPictures host;
    for (const bool hidden : {false, true}) {
        host.table = oxalicTable(hidden);
        printing::copyAmountsTable(host);
        const QString text = QGuiApplication::clipboard()->text();
        expectTableReadsBack(text, QStringLiteral("\t"), QStringLiteral("\n"), host.table);
        // Rows every 0,1 mL from 0 to 4 mL, then the drop and the poured volume, one row.
        ASSERT_EQ(host.table.volumes.size(), 42u);
        EXPECT_TRUE(text.contains(QStringLiteral("\n4,05\t")));
        // CO2, then the oxalic acid introduced and present: empty while its concentration is
        // hidden.
        const QString start = hidden ? QStringLiteral("\n0,0\t0,000E+00\t\t\t0,000E+00\t")
                                     : QStringLiteral("\n0,0\t0,000E+00\t1,000E-04\t1,000E-04\t");
        EXPECT_TRUE(text.contains(start)) << hidden;
    }
}

TEST(TableCopy, CsvFileHasAByteOrderMarkAndSemicolons) {
    support::FakeBenchPictures host;
    host.table = oxalicTable(false);
    QTemporaryDir dir;
    ui::ScriptedAnswerer script;
    const QString path = dir.filePath(QStringLiteral("titrage"));
    script.fileNames = {path};
    ASSERT_TRUE(printing::saveAmountsTable(host));
    ASSERT_EQ(script.fileRequests.size(), 1u);
    EXPECT_EQ(script.fileRequests[0].defaultSuffix, "csv");
    EXPECT_TRUE(script.asked.empty()) << "a new file needs no question";

    QFile file(path + QStringLiteral(".csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    expectTableReadsBack(QString::fromUtf8(bytes.mid(3)), QStringLiteral(";"),
                         QStringLiteral("\r\n"), host.table);
}

TEST(TableCopy, ReplacingAFileIsAskedFirst) {
    support::FakeBenchPictures host;
    host.table = oxalicTable(false);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("compte rendu.csv"));
    const auto contents = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("ancien");
    }
    ui::ScriptedAnswerer script;
    script.fileNames = {path, path, QString()};
    script.answers = {ui::Answer::Cancel, ui::Answer::Ok};
    EXPECT_FALSE(printing::saveAmountsTable(host));
    EXPECT_EQ(contents(), "ancien");
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_TRUE(script.asked[0].text.contains(QStringLiteral("existe déjà")));

    EXPECT_TRUE(printing::saveAmountsTable(host));
    EXPECT_TRUE(contents().startsWith("\xEF\xBB\xBFV (mL);"));

    // A cancelled file chooser writes nothing and asks nothing more.
    EXPECT_FALSE(printing::saveAmountsTable(host));
    EXPECT_EQ(script.asked.size(), 2u);
}

TEST(TableCopy, AFolderThatCannotBeWrittenIsReported) {
    support::FakeBenchPictures host;
    host.table = oxalicTable(false);
    ui::ScriptedAnswerer script;
    script.fileNames = {QStringLiteral("/nonexistent-folder/titrage.csv")};
    script.answers = {ui::Answer::Ok};
    EXPECT_FALSE(printing::saveAmountsTable(host));
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].icon, ui::Icon::Critical);
    EXPECT_EQ(script.asked[0].title, "Enregistrer le tableau");
}

TEST(TableCopy, MenuCopiesTheTableAndTheCurves) {
    support::FakeBenchPictures host;
    host.table = oxalicTable(false);
    ui::ScriptedAnswerer script;
    script.menuChoices = {QStringLiteral("coptableau"), QStringLiteral("copcourbes")};
    printing::showCopyMenu(host, QPoint(10, 10));
    EXPECT_EQ(script.menus[0].entries,
              QStringList({"coptop", "copicol", "coptableau", "copcourbes", "enrtableau"}));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("V (mL)\t")));
    printing::showCopyMenu(host, QPoint(10, 10));
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              host.courbesImage(1.0));
    EXPECT_EQ(host.courbesRequests, std::vector<qreal>({1.0, 1.0}));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty()) << "the picture replaced it";
}

} // namespace
