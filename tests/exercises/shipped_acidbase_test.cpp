// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of the shipped texts against the model of their benches: every meter reading
// and colour an acid-base correction writes at a volume poured is the bench's there, to the
// digits its display shows; the methods of the class, applied to the points a student reads
// as the statement asks, find the volumes the correction gives; the concentration every
// correction finds is the one its bench hides, and no statement writes it.

#include "shipped_benches.h"

#include "model/acidbase/equivalence.h"
#include "model/acidbase/indicators.h"
#include "model/acidbase/student_methods.h"
#include "numbers/formats.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <cmath>

namespace {

namespace ab = model::acidbase;

const QString number = QStringLiteral(R"((\d+(?:,\d+)?))");

struct Exercise {
    QString name;
    exercises::ExerciseRecords records;
    shipped::Bench start, corrected;
    QString statement, correction;
};

// The exercises whose benches titrate an acid or a base.
std::vector<Exercise> acidBaseExercises() {
    std::vector<Exercise> found;
    for (const QString& name : shipped::exerciseFiles()) {
        Exercise e{name, exercises::readExerciseRecords(shipped::dataFolder() + name), {}, {}, {},
                   {}};
        const auto start = shipped::situation(e.records[exercises::configurationRecord]);
        const auto corrected =
            shipped::situation(e.records[exercises::correctionConfigurationRecord]);
        if (!start || !corrected || !start->acidBase) continue;
        e.start = *start;
        e.corrected = *corrected;
        e.statement = shipped::plainText(e.records[exercises::statementRecord]);
        e.correction = shipped::plainText(e.records[exercises::correctionRecord]);
        found.push_back(std::move(e));
    }
    return found;
}

// The points a student reads as the statements ask: every millilitre from 0 to 25 mL, and
// every drop within a millilitre of each equivalence.
std::vector<ab::Point> studentsPoints(const ab::BenchSetup& setup) {
    std::vector<double> volumes;
    for (int v = 0; v <= 25; ++v)
        volumes.push_back(v);
    for (double e : ab::equivalenceVolumes(setup.preparation))
        for (int k = -20; k <= 20; ++k)
            if (const double v = std::round(e * 20) / 20 + k * 0.05; v > 0 && v < 25)
                volumes.push_back(v);
    std::sort(volumes.begin(), volumes.end());
    return ab::readings(setup.preparation, volumes, setup.probe);
}

TEST(ShippedAcidBase, EveryReadingStatedIsTheMetersAtItsVolume) {
    static const QRegularExpression reading(
        QStringLiteral("V1 = %1 mL, (pH|σ) = %1( mS · cm-1)?").arg(number));
    static const QRegularExpression colour(
        QStringLiteral("V1 = %1 mL, le mélange est ([^\u00a0,.;:)]+)").arg(number));
    int pH = 0, sigma = 0, colours = 0;
    for (const Exercise& e : acidBaseExercises()) {
        SCOPED_TRACE(e.name.toStdString());
        const ab::BenchSetup& setup = *e.corrected.acidBase;
        for (auto it = reading.globalMatch(e.correction); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            SCOPED_TRACE(m.captured(0).toStdString());
            const ab::Mixture mixture =
                ab::mixtureAt(setup.preparation, shipped::written(m.captured(1)).value);
            if (m.captured(2) == QLatin1String("pH")) {
                EXPECT_EQ(ab::pHDisplay(mixture.pH).value, m.captured(3).toStdString());
                EXPECT_TRUE(m.captured(4).isEmpty());
                ++pH;
            } else {
                const ab::MeterDisplay shown = ab::conductivityDisplay(ab::conductivity(mixture));
                EXPECT_EQ(shown.value, m.captured(3).toStdString());
                EXPECT_EQ(shown.unit, "mS·cm⁻¹");
                EXPECT_FALSE(m.captured(4).isEmpty());
                ++sigma;
            }
        }
        for (auto it = colour.globalMatch(e.correction); it.hasNext(); ++colours) {
            const QRegularExpressionMatch m = it.next();
            SCOPED_TRACE(m.captured(0).toStdString());
            ASSERT_TRUE(ab::isIndicator(setup.indicator)) << "the correction's indicator";
            const double pHThere =
                ab::mixtureAt(setup.preparation, shipped::written(m.captured(1)).value).pH;
            const std::string_view word =
                model::colourName(ab::indicatorColourWord(setup.indicator, pHThere));
            EXPECT_EQ(m.captured(2).trimmed().toStdString(), word);
        }
    }
    EXPECT_GE(pH, 15);
    EXPECT_GE(sigma, 7);
    EXPECT_GE(colours, 4);
}

// The derivative and the parallel tangents on the points of a pH curve, the straight lines
// on the points of a conductivity curve that the statement has the student read. The volume the
// Courbes tab writes for the derivative, and for the lines, is the correction's, digit for digit.
TEST(ShippedAcidBase, TheMethodsAskedForFindTheVolumesStated) {
    static const QRegularExpression plan(QStringLiteral("tous les %1 mL de 0 à %1 mL").arg(number));
    static const QRegularExpression crossing(
        QStringLiteral("mesures de %1 à %1 mL et de %1 à %1 mL, les deux droites se coupent à "
                       "V1 ≈ %1 mL")
            .arg(number));
    int derivative = 0, tangents = 0, lines = 0;
    for (const Exercise& e : acidBaseExercises()) {
        SCOPED_TRACE(e.name.toStdString());
        const ab::BenchSetup& setup = *e.start.acidBase;
        const std::vector<ab::Point> points = studentsPoints(setup);
        const std::vector<double> volumes = ab::equivalenceVolumes(setup.preparation);
        for (const shipped::StatedVolume& stated : shipped::statedEquivalences(e.correction)) {
            SCOPED_TRACE(stated.volume.text.toStdString());
            // Each jump apart: from halfway to the equivalence before to halfway to the next.
            const std::size_t k = stated.index == 0 ? 0 : std::size_t(stated.index - 1);
            ASSERT_LT(k, volumes.size());
            const double from = k == 0 ? 0 : (volumes[k - 1] + volumes[k]) / 2;
            const double to = k + 1 < volumes.size() ? (volumes[k] + volumes[k + 1]) / 2 : 25;
            if (e.statement.contains(QStringLiteral("dérivée"))) {
                ab::MethodChoice choice;
                choice.method = ab::Method::Derivative;
                const ab::MethodResult found =
                    ab::applyMethod(ab::curvePoints(points, from, to), choice);
                ASSERT_TRUE(found.equivalence.has_value());
                EXPECT_EQ(ab::equivalenceVolumeText(found.equivalence->volume),
                          stated.volume.text.toStdString());
                ++derivative;
            }
            if (e.statement.contains(QStringLiteral("tangentes parallèles"))) {
                const auto found = ab::parallelTangents(points, from, to);
                ASSERT_TRUE(found.has_value());
                EXPECT_TRUE(shipped::roundsTo(*found, stated.volume)) << *found;
                ++tangents;
            }
        }
        const QRegularExpressionMatch asked = plan.match(e.statement);
        const QRegularExpressionMatch stated = crossing.match(e.correction);
        EXPECT_EQ(asked.hasMatch(), stated.hasMatch());
        if (!asked.hasMatch()) continue;
        EXPECT_EQ(setup.probe, ab::Probe::Conductimeter);
        const double step = shipped::written(asked.captured(1)).value;
        const double last = shipped::written(asked.captured(2)).value;
        std::vector<double> read;
        for (int i = 0; i * step <= last + 1e-9; ++i)
            read.push_back(i * step);
        const std::vector<ab::Point> measured = ab::readings(setup.preparation, read, setup.probe);
        auto at = [&](int i) { return shipped::written(stated.captured(i)).value; };
        // The lines on the ranges stated, as the tab fits them, are the nearest to the points.
        const auto onRanges = ab::crossingOfFittedLines(measured, {at(1), at(2)}, {at(3), at(4)});
        const auto nearest = ab::fittedLinesCrossing(measured);
        ASSERT_TRUE(onRanges.has_value() && nearest.has_value());
        EXPECT_EQ(ab::equivalenceVolumeText(onRanges->volume), stated.captured(5).toStdString());
        EXPECT_EQ(ab::equivalenceVolumeText(nearest->volume), stated.captured(5).toStdString());
        ++lines;
    }
    EXPECT_GE(derivative, 3);
    EXPECT_GE(tangents, 1);
    EXPECT_EQ(lines, 1);
}

// "c2 = c1 · VE / V2 = ... = 9,95 × 10-2 mol · L-1": the concentration found, in every
// correction of either family, is the one its bench hides, to the digits written; the
// statement writes it in none of the forms the correction could.
TEST(ShippedTexts, TheConcentrationFoundIsTheOneTheBenchHides) {
    static const QRegularExpression result(
        QStringLiteral(R"(c2 = [^\n;]*?%1 × 10(-\d+) mol · L-1)").arg(number));
    int checked = 0;
    for (const QString& name : shipped::exerciseFiles()) {
        SCOPED_TRACE(name.toStdString());
        const auto records = exercises::readExerciseRecords(shipped::dataFolder() + name);
        if (!records.hidesConcentration()) continue;
        const auto bench = shipped::situation(records[exercises::configurationRecord]);
        ASSERT_TRUE(bench.has_value());
        const double hidden = bench->acidBase ? bench->acidBase->preparation.sampleConcentration
                                              : double(bench->redox.sampleConcentration);
        const QRegularExpressionMatch m =
            result.match(shipped::plainText(records[exercises::correctionRecord]));
        ASSERT_TRUE(m.hasMatch());
        const shipped::Written mantissa = shipped::written(m.captured(1));
        const int exponent = m.captured(2).toInt();
        EXPECT_TRUE(shipped::roundsTo(hidden * std::pow(10.0, -exponent), mantissa))
            << m.captured(0).toStdString() << " for " << hidden;

        const QString statement = shipped::plainText(records[exercises::statementRecord]);
        const QString decimal = QString::fromStdString(numbers::formatGeneral(float(hidden)));
        EXPECT_FALSE(statement.contains(decimal)) << decimal.toStdString();
        EXPECT_FALSE(statement.contains(m.captured(1) + QStringLiteral(" × 10")))
            << m.captured(1).toStdString();
        ++checked;
    }
    EXPECT_EQ(checked, 11);
}

} // namespace
