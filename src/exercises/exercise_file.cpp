// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/exercise_file.h"

#include "files/recordfile.h"
#include "files/ui/paths.h"
#include "numbers/reading.h"
#include "numbers/rounding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace exercises {
namespace {

double recordNumber(const QString& text) {
    return numbers::leadingNumber(text.toStdString(), {".,", true});
}

} // namespace

bool ExerciseRecords::corrected() const {
    return !isBlank(records[correctionRecord]) || !isBlank(records[correctionConfigurationRecord]);
}

bool ExerciseRecords::hidesConcentration() const {
    return records[hiddenConcentrationRecord].trimmed() == QLatin1String("1");
}

grading::Outcome<std::optional<grading::ExerciseUnknown>> ExerciseRecords::unknown() const {
    return grading::readUnknownRecords(records[rangeRecord].toStdString(),
                                       records[keyRecord].toStdString());
}

ExerciseRecords readExerciseRecords(const QString& path) {
    files::RecordFile file;
    if (files::RecordFile::load(QFile::encodeName(path).toStdString(), file, lastExerciseRecord) !=
        files::RecordStatus::Ok)
        return {};
    if (!QFileInfo(path).isFile()) return {};
    return exerciseRecordsFromBytes(file.bytes());
}

ExerciseRecords exerciseRecordsFromBytes(std::string_view bytes) {
    ExerciseRecords out;
    const files::RecordFile file(
        std::string(bytes.substr(0, lastExerciseRecord * files::recordSize)));
    out.readable = true;
    for (int r = 1; r <= lastExerciseRecord; ++r) {
        files::RecordText text = file.read(r);
        if (text.status == files::RecordStatus::Ok)
            out.records[r] = QString::fromStdString(text.text);
    }
    return out;
}

bool isBlank(const QString& text) {
    for (QChar c : text)
        if (c != QLatin1Char(' ')) return false;
    return true;
}

int litIndicators(const QString& levelText) {
    const double level = recordNumber(levelText);
    int lit = 0;
    for (int i = 0; i < 3; ++i)
        if (level > i) ++lit;
    return lit;
}

QString hourglasses(const QString& durationText) {
    const double value = recordNumber(durationText);
    return QString(numbers::nearest(std::clamp(value, 0.0, double(maxHourglasses))), QChar(0x231B));
}

QString withFinalSeparator(const QString& folder) {
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QDir::separator())) return folder;
    return folder + QLatin1Char('/');
}

QString resolveStoredName(const QString& folder, const QString& storedName) {
    QString name = storedName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString asWritten = withFinalSeparator(folder) + name;
    if (QFileInfo::exists(asWritten)) return asWritten;
    QString current = folder.isEmpty() ? QStringLiteral(".") : folder;
    const QStringList parts = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.isEmpty()) return asWritten;
    for (const QString& part : parts) {
        const QString entry = part == QLatin1String("..") || part == QLatin1String(".")
                                  ? part
                                  : files::entryIgnoringCase(current, part);
        if (entry.isEmpty()) return asWritten;
        current = withFinalSeparator(current) + entry;
    }
    return QFileInfo::exists(current) ? QDir::cleanPath(current) : asWritten;
}

} // namespace exercises
