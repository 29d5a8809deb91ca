// SPDX-License-Identifier: GPL-3.0-or-later
#include "shipped_benches.h"

#include "model/titration_id.h"
#include "numbers/reading.h"
#include "rtf/rtf.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace shipped {

namespace {

namespace ab = model::acidbase;

const char* const volumeItems[] = {"0", "1 mL", "2 mL", "5 mL", "10 mL", "20 mL"};

double listVolume(int position) {
    return position >= 0 && position < 6 ? numbers::leadingNumber(volumeItems[position]) : 0;
}

} // namespace

QString dataFolder() {
    return QStringLiteral(TITRAGE_SOURCE_DIR "/data/");
}

QStringList exerciseFiles() {
    return QDir(dataFolder()).entryList({QStringLiteral("*.E44")});
}

std::optional<Bench> situation(const QString& storedName, int s) {
    files::SituationTable table;
    const QString path = exercises::resolveStoredName(dataFolder(), storedName);
    if (files::readConfiguration(QFile::encodeName(path).toStdString(), table) !=
        files::LoadResult::Ok)
        return std::nullopt;
    const auto& t = table.texts[s];
    const auto& c = table.choices[s];
    Bench bench;
    bench.species = c[1];
    bench.redox.sampleConcentration = numbers::parseBenchNumber(t[0]);
    bench.redox.titrantConcentration = numbers::parseBenchNumber(t[1]);
    bench.redox.reagentConcentration = numbers::parseBenchNumber(t[2]);
    bench.redox.iodideVolume = numbers::parseBenchNumber(t[3]);
    bench.redox.pouredVolume = numbers::parseBenchNumber(t[5]);
    bench.redox.sampleVolume = float(listVolume(c[2]));
    bench.redox.iodineVolume = float(listVolume(c[3]));
    bench.poured = numbers::parseBenchDouble(t[5]);
    if (const model::TitrationId id = model::titrationAt(bench.species);
        id.family == model::Family::AcidBase) {
        // As the acid-base bench reads its boxes: in double precision.
        const files::FamilyChoices& choices = table.family[s];
        ab::BenchSetup setup;
        setup.preparation.titration = id.index;
        setup.preparation.sampleConcentration = numbers::parseBenchDouble(t[0]);
        setup.preparation.sampleVolume = listVolume(c[2]);
        setup.preparation.waterVolume = std::max(0.0, numbers::parseBenchDouble(choices.water));
        setup.preparation.titrantConcentration = numbers::parseBenchDouble(t[1]);
        setup.indicator = choices.indicator - 1;
        setup.probe = static_cast<ab::Probe>(std::clamp<int>(choices.probe, 0, ab::probeCount - 1));
        bench.acidBase = setup;
    }
    return bench;
}

QString plainText(const QString& storedName) {
    QTextDocument doc;
    if (!rtf::loadRtfFile(exercises::resolveStoredName(dataFolder(), storedName), doc)) return {};
    return doc.toPlainText();
}

Written written(const QString& text) {
    Written number;
    number.text = text;
    number.value = numbers::parseBenchDouble(text.toStdString());
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    number.decimals = comma < 0 ? 0 : int(text.size() - comma - 1);
    return number;
}

bool roundsTo(double value, const Written& number) {
    const double scale = std::pow(10.0, number.decimals);
    return std::llround(value * scale) == std::llround(number.value * scale);
}

std::vector<StatedVolume> statedEquivalences(const QString& text) {
    static const QRegularExpression stated(
        QStringLiteral(R"(VE([12]?)\s*=\s*(\d+(?:,\d+)?)\s*mL)"));
    std::vector<StatedVolume> volumes;
    for (auto it = stated.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        volumes.push_back(
            {m.captured(1).isEmpty() ? 0 : m.captured(1).toInt(), written(m.captured(2))});
    }
    return volumes;
}

} // namespace shipped
