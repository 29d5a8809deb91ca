// SPDX-License-Identifier: GPL-3.0-or-later
// The texts installed with the program, read as a student reads them: every equivalence
// volume they state is where the model of their bench puts it, to the drop (to the digits
// written for an acid-base titration); no statement gives its answer away; every exercise
// whose answer is a concentration keeps it hidden; the diiode correction holds its progress
// table as a word processor writes tables.

#include "shipped_benches.h"

#include "exercises/exercise_file.h"
#include "model/amounts.h"
#include "rtf/rtf.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

const QString data = shipped::dataFolder();
constexpr float drop = 0.05f;

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
    const QString text = shipped::plainText(stored);
    EXPECT_FALSE(text.isEmpty()) << stored.toStdString();
    return text;
}

QStringList exerciseFiles() {
    return shipped::exerciseFiles() << QStringLiteral("VIREKA.PEM");
}

// A redox volume is where the colour changes, to the drop; an acid-base one is the model's
// equivalence volume to the digits written (VE1 and VE2 for the two jumps of a diacid).
TEST(ShippedTexts, EveryEquivalenceVolumeStatedIsTheModelsToTheDrop) {
    int checked = 0, acidBase = 0;
    for (const QString& name : exerciseFiles()) {
        SCOPED_TRACE(name.toStdString());
        const exercises::ExerciseRecords records = exercises::readExerciseRecords(data + name);
        ASSERT_TRUE(records.readable);
        const auto bench = shipped::situation(records[exercises::configurationRecord]);
        ASSERT_TRUE(bench.has_value());

        const bool gettingStarted = name == QLatin1String("VIREKA.PEM");
        const auto fromStatement =
            shipped::statedEquivalences(plainText(records[exercises::statementRecord]));
        // An exercise's statement asks for the volume; the getting-started text gives it.
        EXPECT_EQ(fromStatement.empty(), !gettingStarted);
        auto stated = fromStatement;
        if (!gettingStarted) {
            stated = shipped::statedEquivalences(plainText(records[exercises::correctionRecord]));
            EXPECT_FALSE(stated.empty()) << "the correction gives V_E";
        }
        for (const shipped::StatedVolume& volume : stated) {
            SCOPED_TRACE(volume.volume.text.toStdString());
            if (bench->acidBase) {
                const std::vector<double> volumes =
                    model::acidbase::equivalenceVolumes(bench->acidBase->preparation);
                const std::size_t k = volume.index == 0 ? 0 : std::size_t(volume.index - 1);
                ASSERT_LT(k, volumes.size());
                EXPECT_TRUE(shipped::roundsTo(volumes[k], volume.volume)) << volumes[k];
                // A volume without its number is the only one of its titration.
                if (volume.index == 0) {
                    EXPECT_EQ(volumes.size(), 1u);
                }
                ++acidBase;
            } else {
                const float v = float(volume.volume.value);
                // Reached at the volume stated, not one drop before it.
                EXPECT_TRUE(equivalenceReached(bench->species, bench->redox, v));
                EXPECT_FALSE(equivalenceReached(bench->species, bench->redox, v - drop));
            }
            ++checked;
        }
    }
    EXPECT_GE(checked, 13);
    EXPECT_GE(acidBase, 6);
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
    EXPECT_GE(concentrations, 11);
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
