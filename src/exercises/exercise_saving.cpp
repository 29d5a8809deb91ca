// SPDX-License-Identifier: GPL-3.0-or-later
// Saving an exercise: everything checked and built in memory first, one question before
// replacing files, then each file replaced safely, the exercise file last.

#include "exercises/exercise_writer.h"

#include "files/configuration.h"
#include "files/recordfile.h"
#include "files/ui/paths.h"
#include "rtf/rtf.h"
#include "ui/modal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

#include <vector>

namespace exercises {
namespace {

const QString notSavedTitle = QStringLiteral("Exercice non enregistré");

void refuse(QWidget* parent, const QString& text) {
    ui::ask(parent, text, notSavedTitle, ui::Icon::Exclamation, ui::Buttons::Ok);
}

struct FileToWrite {
    QString name; // as it will be on disk
    QString path;
    std::string bytes;
};

// The path of name in folder: the file already there under another case where there is one
// (an exercise copied from Windows), so that it is replaced instead of doubled.
QString pathIn(const QString& folder, const QString& name) {
    const QString existing = files::entryIgnoringCase(folder, name, QDir::Files);
    return QDir(folder).filePath(existing.isEmpty() ? name : existing);
}

// What keeps the bench's situations out of a configuration file, or empty.
QString benchProblem(const files::SituationTable& bench) {
    for (int s = 0; s < files::situationCount; ++s)
        for (const std::string& text : bench.texts[s]) {
            const auto bytes = files::utf8ToCp1252(text);
            if (!bytes || bytes->size() > files::maxRecordText)
                return QStringLiteral(
                           "La situation %1 du banc contient «\u00A0%2\u00A0», que le fichier "
                           "de configuration ne peut pas enregistrer.")
                    .arg(s + 1)
                    .arg(QString::fromStdString(text));
        }
    return {};
}

// One question for all the files that would be replaced; true to go on.
bool mayReplace(QWidget* parent, const QString& folder, const std::vector<FileToWrite>& files) {
    QStringList existing;
    for (const FileToWrite& f : files)
        if (QFileInfo::exists(f.path)) existing << f.name;
    if (existing.isEmpty()) return true;
    const QString where = QDir::toNativeSeparators(folder);
    const QString text =
        existing.size() == 1
            ? QStringLiteral("Le fichier %1 existe déjà dans le dossier %2.\nEcraser l'ancien?")
                  .arg(existing[0], where)
            : QStringLiteral("Ces fichiers existent déjà dans le dossier %1 :\n%2\nEcraser les "
                             "anciens?")
                  .arg(where, existing.join(QLatin1Char('\n')));
    return ui::ask(parent, text,
                   existing.size() == 1 ? QStringLiteral("Ecraser le fichier?")
                                        : QStringLiteral("Ecraser les fichiers?"),
                   ui::Icon::Question, ui::Buttons::OkCancel) == ui::Answer::Ok;
}

bool sameFile(const QString& a, const QString& b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

} // namespace

QString saveExercise(QWidget* parent, const ExerciseSave& save, const QTextDocument& text,
                     const files::SituationTable& bench) {
    const ExerciseFields& fields = save.fields;
    if (QString problem = fieldProblem(fields); !problem.isEmpty()) {
        refuse(parent, problem);
        return {};
    }
    const QString folder = QDir::fromNativeSeparators(save.folder);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        refuse(parent,
               QStringLiteral("Le dossier «\u00A0%1\u00A0» n'existe pas : choisir le dossier de "
                              "l'exercice.")
                   .arg(QDir::toNativeSeparators(save.folder)));
        return {};
    }
    const bool correction = save.part == ExercisePart::Correction;
    if (text.isEmpty() || text.toPlainText().trimmed().isEmpty()) {
        refuse(parent, correction ? QStringLiteral("La fenêtre exercice est vide : y écrire "
                                                   "d'abord la correction.")
                                  : QStringLiteral("La fenêtre exercice est vide : y écrire "
                                                   "d'abord l'énoncé."));
        return {};
    }
    if (QString problem = benchProblem(bench); !problem.isEmpty()) {
        refuse(parent, problem);
        return {};
    }

    const ExerciseNames names = exerciseNames(fields.shortName);
    const QString exercisePath = pathIn(folder, names.exercise);
    const ExerciseRecords existing = readExerciseRecords(exercisePath);
    // Records 1 to 4: the part saved names its own files, the other part stays as it was.
    QStringList fileNames;
    if (correction) {
        if (!existing.readable || isBlank(existing[statementRecord])) {
            refuse(parent, QStringLiteral("Le dossier ne contient pas l'exercice %1 : enregistrer "
                                          "d'abord l'exercice (énoncé et configuration de "
                                          "départ), puis sa correction.")
                               .arg(names.exercise));
            return {};
        }
        fileNames << existing[statementRecord] << existing[configurationRecord] << names.correction
                  << names.correctionConfiguration;
    } else {
        fileNames << names.statement << names.configuration;
        if (!save.modifiedFile.isEmpty() && sameFile(exercisePath, save.modifiedFile))
            fileNames << existing[correctionRecord] << existing[correctionConfigurationRecord];
    }

    const QString textName = correction ? names.correction : names.statement;
    const QString configurationName =
        correction ? names.correctionConfiguration : names.configuration;
    const QByteArray rtf = rtf::writeRtf(text);
    std::vector<FileToWrite> toWrite;
    toWrite.push_back({textName, pathIn(folder, textName), rtf.toStdString()});
    toWrite.push_back({configurationName, pathIn(folder, configurationName),
                       files::configurationBytes(bench).value_or(std::string())});
    toWrite.push_back(
        {names.exercise, exercisePath, exerciseRecordFile(fields, fileNames).bytes()});
    for (FileToWrite& f : toWrite)
        f.name = QFileInfo(f.path).fileName();

    if (!mayReplace(parent, folder, toWrite)) return {};
    for (const FileToWrite& f : toWrite)
        if (files::saveFileSafely(QFile::encodeName(f.path).toStdString(), f.bytes) !=
            files::RecordStatus::Ok) {
            ui::ask(parent, QStringLiteral("Ecriture impossible sur disque"),
                    QStringLiteral("Enregistrement impossible"), ui::Icon::Critical,
                    ui::Buttons::Ok);
            return {};
        }
    return exercisePath;
}

} // namespace exercises
