// SPDX-License-Identifier: GPL-3.0-or-later
// The secret of an exercise that hides and locks its concentration, tried as a curious student
// would: every shipped exercise is opened twice on the real main window, once as it is and once
// with another concentration to find, and everything the student can read before the colour
// changes (the accessible texts of every control and every part of the pictures, the copied
// and saved tables, the graph, the curves and their progress table, the printed page) must be
// the same both times: nothing of it depends on the amount to find.
#include "fixture.h"

#include "exercises/exercise_file.h"
#include "files/configuration.h"
#include "numbers/formats.h"
#include "numbers/reading.h"
#include "printing/print_pages.h"
#include "printing/table_copy.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

#include <memory>

namespace {

using benchtest::acidBaseOf;

const QString data = QStringLiteral(TITRAGE_SOURCE_DIR "/data/");

// What a student can read of the bench.
struct Seen {
    QStringList texts; // accessible name, description and value of every part, in tree order
    std::string csv;
    QString clipboard;
    QImage graph;
    QImage courbes;
    QImage page;
    QString boxText; // what the hidden box holds
};

// The colour of the beaker is what the experiment shows (a real flask shows it too): its
// words are left out of the comparison, as the bench picture is; and so is what the meter of
// an acid-base bench reads, a measurement.
bool measured(const QString& text) {
    return text.startsWith(QStringLiteral("La solution du bécher")) ||
           text.startsWith(QStringLiteral("Bécher\u00A0:")) ||
           text.startsWith(QStringLiteral("pH-mètre\u00A0:")) ||
           text.startsWith(QStringLiteral("Conductimètre\u00A0:"));
}

// A table of the curves without its columns of measurements, the pH and the conductivity
// (the second and third cells of each line).
std::string withoutMeasurements(const QString& table) {
    QStringList lines = table.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        const QChar separator =
            line.contains(QLatin1Char(';')) ? QLatin1Char(';') : QLatin1Char('\t');
        QStringList cells = line.split(separator);
        if (cells.size() > 3) cells.remove(1, 2);
        line = cells.join(separator);
    }
    return lines.join(QLatin1Char('\n')).toStdString();
}

// The tap and its neighbours tell the volume poured with that colour, and on an acid-base
// bench the meter's reading ("1,00 mL versés, solution jaune, pH-mètre : 3,12"): the volume
// is compared, the colour and the reading left out.
QString withoutBeakerColour(const QString& text) {
    const qsizetype colour = text.indexOf(QStringLiteral(" mL versés, solution "));
    return colour < 0 ? text : text.left(colour) + QStringLiteral(" mL versés");
}

void collectTexts(QAccessibleInterface* iface, QStringList& texts, int depth = 0) {
    if (!iface || depth > 30) return;
    for (const QAccessible::Text t :
         {QAccessible::Name, QAccessible::Description, QAccessible::Value}) {
        const QString text = iface->text(t);
        if (!text.isEmpty() && !measured(text)) texts << withoutBeakerColour(text);
    }
    if (QAccessibleTextInterface* edit = iface->textInterface())
        texts << edit->text(0, edit->characterCount());
    for (int i = 0; i < iface->childCount(); ++i)
        collectTexts(iface->child(i), texts, depth + 1);
}

class SecrecyWalk : public ::testing::Test {
protected:
    void SetUp() override { support::application(); }
    void TearDown() override {
        window.reset();
        files::setProgramFolder({});
    }

    // A program folder holding the installed texts, the concentration to find of the
    // exercise's configuration multiplied by factor.
    void install(QTemporaryDir& dir, const QString& exercise, float factor) {
        ASSERT_TRUE(dir.isValid());
        const QString program = dir.path() + QLatin1Char('/');
        for (const QString& name : QDir(program).entryList(QDir::Files))
            QFile::remove(program + name);
        for (const QString& name : QDir(data).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(data + name, program + name)) << name.toStdString();
        const exercises::ExerciseRecords records =
            exercises::readExerciseRecords(program + exercise);
        const std::string config =
            QFile::encodeName(program + records[exercises::configurationRecord]).toStdString();
        files::SituationTable table;
        ASSERT_EQ(files::readConfiguration(config, table), files::LoadResult::Ok);
        const float c = numbers::parseBenchNumber(table.texts[0][0]) * factor;
        table.texts[0][0] = numbers::formatPattern(c, "0.00E+00");
        ASSERT_EQ(files::saveFileSafely(config, *files::configurationBytes(table)),
                  files::RecordStatus::Ok);
        files::setProgramFolder(dir.path());
    }

    // The exercise opened as another program asks for it, titrant poured to `poured`. What an
    // acid-base bench measures is left out: the pH and conductivity columns of the tables,
    // the curves of the measured points.
    Seen look(const QString& exercise, int ticks) {
        window = std::make_unique<bench::FeuilleP>();
        EXPECT_EQ(
            files::writeRecord(QFile::encodeName(bench::BenchShell::temporaryFile()).toStdString(),
                               31, exercise.toStdString()),
            files::RecordStatus::Ok);
        window->shell().Form_Activate();
        EXPECT_TRUE(window->setUp().exerciseSecret());
        window->setUp().Command3_Click(); // the panel
        window->setUp().Command3_Click(); // the bench
        for (int k = 0; k < ticks; ++k)
            window->run().Image3_Click();

        Seen seen;
        collectTexts(QAccessible::queryAccessibleInterface(window.get()), seen.texts);
        const bool acidBase = acidBaseOf(*window).titration() >= 0;
        seen.csv = printing::amountsTableCsv(window->benchPictures());
        printing::copyAmountsTable(window->benchPictures());
        seen.clipboard = QGuiApplication::clipboard()->text();
        if (acidBase) {
            seen.csv = withoutMeasurements(QString::fromStdString(seen.csv));
            seen.clipboard = QString::fromStdString(withoutMeasurements(seen.clipboard));
        }
        seen.graph = window->chain().graphImage(1);
        if (!acidBase) seen.courbes = window->chain().courbesImage(1);
        printing::PrintRequest request;
        request.bench = false;
        request.courbes = !acidBase;
        const printing::PagePictures pictures =
            printing::gatherPictures(window->benchPictures(), request, 2);
        seen.page = QImage(800, 1130, QImage::Format_RGB32);
        seen.page.fill(Qt::white);
        QPainter painter(&seen.page);
        printing::paintPage(painter, seen.page.size(), 96, 96, QStringLiteral("Titre"), pictures);
        painter.end();
        seen.boxText = controlsOf(*window).Text1[0]->text();
        return seen;
    }

    std::unique_ptr<bench::FeuilleP> window;
};

TEST_F(SecrecyWalk, NothingShownDependsOnTheAmountToFind) {
    const QStringList exercises = QDir(data).entryList({QStringLiteral("*.E44")});
    int walked = 0;
    for (const QString& exercise : exercises) {
        if (!exercises::readExerciseRecords(data + exercise).hidesConcentration()) continue;
        ++walked;
        // At an empty burette, and one millilitre on: before the colour change both times.
        for (const int ticks : {0, 10}) {
            SCOPED_TRACE(exercise.toStdString() + ", " + std::to_string(ticks / 10) + " mL");
            // The same folder both times: the captions that name the files are the same.
            QTemporaryDir program;
            install(program, exercise, 1);
            const Seen first = look(exercise, ticks);
            const double firstSample = window->setUp().sampleConcentration();
            const model::PresentAmounts firstAmounts = window->setUp().presentAmounts();
            install(program, exercise, 0.9f);
            const Seen second = look(exercise, ticks);
            // The two benches do differ: the model works with each one's own amount.
            EXPECT_NE(firstSample, window->setUp().sampleConcentration());
            if (acidBaseOf(*window).titration() < 0) {
                EXPECT_NE(firstAmounts, window->setUp().presentAmounts());
            }

            EXPECT_EQ(first.boxText, QString());
            EXPECT_EQ(second.boxText, QString());
            ASSERT_EQ(first.texts.size(), second.texts.size());
            for (int i = 0; i < first.texts.size(); ++i)
                EXPECT_EQ(first.texts[i], second.texts[i]) << "accessible text " << i;
            EXPECT_EQ(first.csv, second.csv);
            EXPECT_EQ(first.clipboard, second.clipboard);
            EXPECT_TRUE(first.graph == second.graph) << "the graph";
            EXPECT_TRUE(first.courbes == second.courbes) << "the curves and their table";
            EXPECT_TRUE(first.page == second.page) << "the printed page";
            // The walk read something: the graph's columns are described.
            EXPECT_TRUE(first.texts.join('\n').contains(QStringLiteral("présente")));
        }
    }
    EXPECT_EQ(walked, 11);
}

} // namespace
