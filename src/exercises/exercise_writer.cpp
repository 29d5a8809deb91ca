// SPDX-License-Identifier: GPL-3.0-or-later
// The fields of an exercise, their checks and the records of the exercise file.

#include "exercises/exercise_writer.h"

#include "files/recordfile.h"
#include "grading/unknown_records.h"
#include "numbers/windows1252.h"

#include <QFileInfo>

#include <algorithm>

namespace exercises {
namespace {

// The first character of text that Windows-1252 cannot hold; 0 when there is none.
char32_t foreignCharacter(const QString& text) {
    for (const char32_t c : text.toUcs4())
        if (!numbers::toWindows1252(c)) return c;
    return 0;
}

// What keeps a text from records of at most limit characters, or empty. Every character of
// Windows-1252 takes one byte, so a count of characters is a count of bytes.
QString textProblem(const QString& field, const QString& text, int limit) {
    if (const char32_t c = foreignCharacter(text))
        return QStringLiteral("Le champ «\u00A0%1\u00A0» contient le caractère «\u00A0%2\u00A0», "
                              "que les fichiers d'exercice ne peuvent pas enregistrer\u00A0: le "
                              "remplacer ou l'enlever.")
            .arg(field, QString::fromUcs4(&c, 1));
    if (text.size() > limit)
        return QStringLiteral("Le champ «\u00A0%1\u00A0» a %2 caractères\u00A0: %3 au plus.")
            .arg(field)
            .arg(text.size())
            .arg(limit);
    return {};
}

} // namespace

ExerciseNames exerciseNames(const QString& shortName) {
    return {shortName + QStringLiteral(".E44"), shortName + QStringLiteral(".RTF"),
            shortName + QStringLiteral(".C17"), shortName + QStringLiteral("C.RTF"),
            shortName + QStringLiteral("C.C17")};
}

QChar shortNameIntruder(const QString& name) {
    for (const QChar c : name)
        if (!(c >= QLatin1Char('A') && c <= QLatin1Char('Z')) &&
            !(c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            return c;
    return {};
}

bool isShortName(const QString& name) {
    if (name.isEmpty() || name.size() > maxShortName) return false;
    if (name[0] < QLatin1Char('A') || name[0] > QLatin1Char('Z')) return false;
    return std::all_of(name.begin(), name.end(), [](QChar c) {
        return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
               (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
    });
}

QString fieldProblem(const ExerciseFields& fields) {
    if (!isShortName(fields.shortName)) {
        QString rule =
            QStringLiteral("Le champ «\u00A0%1\u00A0» doit avoir de 1 à %2 lettres majuscules ou "
                           "chiffres, sans espace ni accent, en commençant par une lettre "
                           "(par exemple DOSAGE2).")
                .arg(shortNameField)
                .arg(maxShortName);
        // The name typed is refused whole: no character is dropped without a word.
        if (const QChar c = shortNameIntruder(fields.shortName); !c.isNull())
            rule = QStringLiteral("Le nom court «\u00A0%1\u00A0» contient «\u00A0%2\u00A0», "
                                  "qu'un nom de fichier d'exercice ne peut pas avoir.\n")
                       .arg(fields.shortName, c) +
                   rule;
        return rule;
    }
    if (isBlank(fields.title))
        return QStringLiteral("Le champ «\u00A0%1\u00A0» est vide\u00A0: donner un titre à "
                              "l'exercice.")
            .arg(titleField);
    if (QString p = textProblem(titleField, fields.title, maxRecordCharacters); !p.isEmpty())
        return p;
    if (fields.unknown) {
        // The sentence names the bound or the digits at fault.
        const std::string problem = grading::rangeProblem(fields.unknown->range);
        if (!problem.empty()) return QString::fromStdString(problem);
    }
    return textProblem(topicsField, fields.topics, maxTopics);
}

QStringList cutTopics(const QString& topics) {
    QStringList pieces;
    for (int i = 0; i < topicPieces; ++i)
        pieces << topics.mid(i * maxRecordCharacters, maxRecordCharacters);
    return pieces;
}

ExerciseFields fieldsOf(const ExerciseRecords& records, const QString& exerciseFile) {
    ExerciseFields fields;
    fields.shortName = QFileInfo(exerciseFile).completeBaseName().toUpper();
    QString title = records[titleRecord];
    while (title.endsWith(QLatin1Char(' ')))
        title.chop(1);
    fields.title = title;
    fields.level = std::clamp(litIndicators(records[levelRecord]), minLevel, maxLevel);
    for (int r = firstTopicRecord; r <= lastTopicRecord; ++r)
        if (!isBlank(records[r])) fields.topics += records[r];
    fields.duration = int(hourglasses(records[durationRecord]).size());
    fields.hidesConcentration = records.hidesConcentration();
    if (const auto unknown = records.unknown(); unknown && *unknown) {
        fields.unknown = **unknown;
        fields.hidesConcentration = true;
    }
    fields.teacherCode = records[codeRecord].trimmed();
    return fields;
}

files::RecordFile exerciseRecordFile(const ExerciseFields& fields, const QStringList& fileNames) {
    QStringList records = fileNames.mid(0, correctionConfigurationRecord);
    while (records.size() < correctionConfigurationRecord)
        records << QString();
    records << QString::number(fields.level) << QString();
    records << cutTopics(fields.topics);
    records << fields.title << QString::number(fields.duration);
    const bool hidden = fields.hidesConcentration || fields.unknown;
    records << (hidden ? QStringLiteral("1") : QString());
    if (fields.unknown)
        records << QString::fromStdString(grading::rangeText(fields.unknown->range))
                << QString::fromStdString(grading::keyText(fields.unknown->key));
    if (hidden && !isBlank(fields.teacherCode)) {
        while (records.size() < keyRecord)
            records << QString();
        records << fields.teacherCode;
    }
    files::RecordFile file;
    for (int r = 1; r <= records.size(); ++r)
        file.write(r, records[r - 1].toStdString());
    return file;
}

} // namespace exercises
