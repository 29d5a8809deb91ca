// SPDX-License-Identifier: GPL-3.0-or-later
// The texts installed with the program, read as a student reads them: every equivalence
// volume they state is where the model of their bench puts it, to the drop; no statement
// gives its answer away; every exercise whose answer is a concentration keeps it hidden; the
// diiode correction holds its progress table as a word processor writes tables.

#include "exercises/exercise_file.h"
#include "files/configuration.h"
#include "model/amounts.h"
#include "numbers/reading.h"
#include "rtf/rtf.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

const QString data = QStringLiteral(TITRAGE_SOURCE_DIR "/data/");
constexpr float drop = 0.05f;

const char* const volumeItems[] = {"0", "1 mL", "2 mL", "5 mL", "10 mL", "20 mL"};

// Situation 1 of a configuration named in a record, read as the bench reads its boxes.
bool situationOne(const QString& stored, int& species, model::BenchInputs& in) {
    files::SituationTable table;
    const QString path = exercises::resolveStoredName(data, stored);
    if (files::readConfiguration(QFile::encodeName(path).toStdString(), table) !=
        files::LoadResult::Ok)
        return false;
    const auto& t = table.texts[0];
    const auto& c = table.choices[0];
    auto item = [](int k) { return k >= 0 && k < 6 ? numbers::leadingNumber(volumeItems[k]) : 0; };
    species = c[1];
    in.sampleConcentration = numbers::parseBenchNumber(t[0]);
    in.titrantConcentration = numbers::parseBenchNumber(t[1]);
    in.reagentConcentration = numbers::parseBenchNumber(t[2]);
    in.iodideVolume = numbers::parseBenchNumber(t[3]);
    in.sampleVolume = item(c[2]);
    in.iodineVolume = item(c[3]);
    return true;
}

// Whether the titration has reached its equivalence at a poured volume: the species that
// the titrant consumes is used up (the diiode, for titrations by thiosulfate).
bool equivalenceReached(int species, model::BenchInputs in, float poured) {
    in.pouredVolume = poured;
    model::PresentAmounts present{};
    model::computeAmounts(species, in, present);
    switch (species) {
    case 0:
    case 2:
    case 4:
    case 7:
        return present[2] == 0;
    default:
        break;
    }
    for (const model::GraphColumn& column : model::graphColumns(species))
        if (column.introduced == model::IntroducedBar::Titrated)
            return present[column.presentEntry] == 0;
    return false;
}

QString plainText(const QString& stored) {
    QTextDocument doc;
    EXPECT_TRUE(rtf::loadRtfFile(exercises::resolveStoredName(data, stored), doc))
        << stored.toStdString();
    return doc.toPlainText();
}

// "VE = 12,0 mL" as the text shows it (the E is a subscript).
QStringList statedEquivalences(const QString& text) {
    static const QRegularExpression stated(QStringLiteral(R"(VE\s*=\s*(\d+(?:,\d+)?)\s*mL)"));
    QStringList volumes;
    for (auto it = stated.globalMatch(text); it.hasNext();)
        volumes << it.next().captured(1);
    return volumes;
}

QStringList exerciseFiles() {
    QStringList found = QDir(data).entryList({QStringLiteral("*.E44")});
    found << QStringLiteral("VIREKA.PEM");
    return found;
}

TEST(ShippedTexts, EveryEquivalenceVolumeStatedIsTheModelsToTheDrop) {
    int checked = 0;
    for (const QString& name : exerciseFiles()) {
        SCOPED_TRACE(name.toStdString());
        const exercises::ExerciseRecords records = exercises::readExerciseRecords(data + name);
        ASSERT_TRUE(records.readable);
        int species = -1;
        model::BenchInputs in;
        ASSERT_TRUE(situationOne(records[exercises::configurationRecord], species, in));

        const bool gettingStarted = name == QLatin1String("VIREKA.PEM");
        const QStringList fromStatement =
            statedEquivalences(plainText(records[exercises::statementRecord]));
        // An exercise's statement asks for the volume; the getting-started text gives it.
        EXPECT_EQ(fromStatement.isEmpty(), !gettingStarted)
            << fromStatement.join(' ').toStdString();
        QStringList stated = fromStatement;
        if (!gettingStarted) {
            stated = statedEquivalences(plainText(records[exercises::correctionRecord]));
            EXPECT_FALSE(stated.isEmpty()) << "the correction gives V_E";
        }
        for (const QString& volume : stated) {
            SCOPED_TRACE(volume.toStdString());
            const float v = numbers::parseBenchNumber(volume.toStdString());
            // Reached at the volume stated, not one drop before it.
            EXPECT_TRUE(equivalenceReached(species, in, v));
            EXPECT_FALSE(equivalenceReached(species, in, v - drop));
            ++checked;
        }
    }
    EXPECT_GE(checked, 7);
}

// An exercise whose answer is a concentration hides it on the bench until its correction.
TEST(ShippedTexts, ExercisesWhoseAnswerIsAConcentrationHideIt) {
    int concentrations = 0;
    for (const QString& name : QDir(data).entryList({QStringLiteral("*.E44")})) {
        SCOPED_TRACE(name.toStdString());
        const exercises::ExerciseRecords records = exercises::readExerciseRecords(data + name);
        const QString correction = plainText(records[exercises::correctionRecord]);
        // The result of a concentration: "c2 = ... mol · L-1".
        static const QRegularExpression result(QStringLiteral(R"(c2 = [^.]*mol · L-1)"));
        if (!correction.contains(result)) continue;
        ++concentrations;
        EXPECT_TRUE(records.hidesConcentration());
    }
    EXPECT_GE(concentrations, 6);
}

// The diiode correction's progress table, written as Word writes tables, and shown row by
// row in the order of its cells.
TEST(ShippedTexts, TheDiiodeCorrectionHoldsItsProgressTableAsAnRtfTable) {
    QFile file(data + QStringLiteral("DIIODEC.RTF"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString rtf = QString::fromLatin1(file.readAll());
    static const QRegularExpression row(QStringLiteral(R"(\\trowd\\trgaph108(.*?)\\row)"),
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cellEdge(QStringLiteral(
        R"(\\clbrdrt\\brdrs\\brdrw10 \\clbrdrl\\brdrs\\brdrw10 \\clbrdrb\\brdrs\\brdrw10 )"
        R"(\\clbrdrr\\brdrs\\brdrw10 \\cellx(\d+))"));
    static const QRegularExpression cell(QStringLiteral(R"(\\pard\\intbl[^\r\n]*\\cell\r\n)"));
    int rows = 0;
    for (auto it = row.globalMatch(rtf); it.hasNext(); ++rows) {
        const QString body = it.next().captured(1);
        SCOPED_TRACE(rows);
        // Every cell has its four borders and its right edge, edges growing left to right.
        int previous = 0, edges = 0;
        for (auto e = cellEdge.globalMatch(body); e.hasNext(); ++edges) {
            const int edge = e.next().captured(1).toInt();
            EXPECT_GT(edge, previous);
            previous = edge;
        }
        EXPECT_EQ(edges, 5);
        EXPECT_EQ(body.count(QStringLiteral("\\clbrdr")), 4 * edges);
        EXPECT_EQ(body.count(cell), edges);
        EXPECT_EQ(body.count(QStringLiteral("\\cell")), 2 * edges); // \cellx and \cell
    }
    EXPECT_EQ(rows, 4);

    // Whatever shape the reader gives a table (one line of tabs, or cells of a grid), the
    // cells of each row come in order.
    QStringList pieces = plainText(QStringLiteral("DIIODEC.RTF"))
                             .split(QRegularExpression(QStringLiteral("[\t\n]")));
    for (QString& p : pieces)
        p = p.trimmed();
    pieces.removeAll(QString());
    const QString joined = pieces.join(QLatin1Char('|'));
    for (const char* expected : {"Équation|I2|+ 2 S2O32-|→ 2 I-|+ S4O62-", "x = 0|n2|c1 · V1|0|0",
                                 "x|n2 − x|c1 · V1 − 2x|2x|x", "xE|0|0|2 xE|xE"})
        EXPECT_TRUE(joined.contains(QString::fromUtf8(expected))) << expected;
}

} // namespace
