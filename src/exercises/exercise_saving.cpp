// SPDX-License-Identifier: GPL-3.0-or-later
// Saving an exercise: everything checked and built in memory first, one question before
// replacing files, then all the files replaced together, or none.

#include "exercises/exercise_writer.h"

#include "files/configuration.h"
#include "files/recordfile.h"
#include "files/save_together.h"
#include "files/ui/paths.h"
#include "files/unknown_sample.h"
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

// What keeps the bench's situations out of a configuration file, or empty. A student's
// unknown stands in the bench's situations as a word, which means nothing in an exercise of
// one concentration.
QString benchProblem(const files::SituationTable& bench, bool unknownForEachStudent) {
    for (int s = 0; s < files::situationCount; ++s)
        for (const std::string& text : bench.texts[s]) {
            if (!unknownForEachStudent && &text == &bench.texts[s][0] &&
                files::isUnknownSample(text))
                return QStringLiteral("La situation %1 du banc tient la concentration inconnue "
                                      "d'un élève : donner une concentration à trouver par "
                                      "un intervalle, ou ouvrir une configuration qui a une "
                                      "valeur.")
                    .arg(s + 1);
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

// "A", "A et B", "A, B et C".
QString listed(const QStringList& names) {
    if (names.size() < 2) return names.join(QString());
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" et ") +
           names.back();
}

// The files another exercise of the folder owns: those its name gives, and those its records
// name (without their folder, in capitals).
QStringList filesOwnedBy(const QString& folder, const QString& exerciseFile) {
    const ExerciseNames n = exerciseNames(QFileInfo(exerciseFile).completeBaseName().toUpper());
    QStringList owned{n.exercise, n.statement, n.configuration, n.correction,
                      n.correctionConfiguration};
    const ExerciseRecords records = readExerciseRecords(QDir(folder).filePath(exerciseFile));
    for (int r = statementRecord; r <= correctionConfigurationRecord; ++r)
        if (!isBlank(records[r]))
            owned << QFileInfo(QString(records[r]).replace(QLatin1Char('\\'), QLatin1Char('/')))
                         .fileName()
                         .toUpper();
    return owned;
}

// A message when the exercise's files would be those of another exercise of the folder
// (FER2C names its statement FER2C.RTF, the correction of FER2), else empty.
QString collisionProblem(const QString& folder, const QString& shortName,
                         const ExerciseNames& names) {
    const QStringList ours{names.exercise, names.statement, names.configuration, names.correction,
                           names.correctionConfiguration};
    const QStringList others =
        QDir(folder).entryList({QStringLiteral("*.E44"), QStringLiteral("VIREKA.PEM")}, QDir::Files,
                               QDir::Name | QDir::IgnoreCase);
    for (const QString& other : others) {
        if (other.compare(names.exercise, Qt::CaseInsensitive) == 0) continue;
        const QStringList owned = filesOwnedBy(folder, other);
        QStringList taken;
        for (const QString& name : ours)
            if (owned.contains(name)) taken << name;
        if (taken.isEmpty()) continue;
        return QStringLiteral("Le nom court %1 donnerait %2 %3, %4 à l'exercice %5 de ce "
                              "dossier\u00A0: choisir un autre nom court.")
            .arg(shortName,
                 taken.size() == 1 ? QStringLiteral("le fichier") : QStringLiteral("les fichiers"),
                 listed(taken),
                 taken.size() == 1 ? QStringLiteral("qui appartient déjà")
                                   : QStringLiteral("qui appartiennent déjà"),
                 other);
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
            ? QStringLiteral("Le fichier %1 existe déjà dans le dossier %2.\nÉcraser "
                             "l'ancien\u00A0?")
                  .arg(existing[0], where)
            : QStringLiteral("Ces fichiers existent déjà dans le dossier %1\u00A0:\n%2\nÉcraser "
                             "les anciens\u00A0?")
                  .arg(where, existing.join(QLatin1Char('\n')));
    return ui::ask(parent, text,
                   existing.size() == 1 ? QStringLiteral("Écraser le fichier\u00A0?")
                                        : QStringLiteral("Écraser les fichiers\u00A0?"),
                   ui::Icon::Question, ui::Buttons::OkCancel) == ui::Answer::Ok;
}

bool sameFile(const QString& a, const QString& b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

QString reasonText(const files::SaveFailure& failure) {
    switch (failure.problem) {
    case files::SaveProblem::NotAFile:
        return QStringLiteral("un dossier (ou autre chose qu'un fichier) porte déjà ce nom");
    case files::SaveProblem::FileProtected:
        return QStringLiteral("le fichier est protégé en écriture");
    case files::SaveProblem::FolderProtected:
        return QStringLiteral("le dossier est protégé en écriture");
    case files::SaveProblem::FolderMissing:
        return QStringLiteral("le dossier n'existe plus");
    case files::SaveProblem::ReadOnlyDisk:
        return QStringLiteral("le disque est en lecture seule");
    case files::SaveProblem::DiskFull:
        return QStringLiteral("le disque est plein");
    case files::SaveProblem::Other:
        break;
    }
    return QStringLiteral("erreur du système n°\u00A0%1").arg(failure.errorNumber);
}

// A configuration of the exercise, at path, rewritten without any concentration to find
// (files/unknown_sample.h); none when it has none already, cannot be read or is not a
// configuration.
std::optional<FileToWrite> withoutConcentration(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const std::string bytes = file.readAll().toStdString();
    const auto marked = files::markUnknownSample(bytes);
    if (!marked || *marked == bytes) return std::nullopt;
    return FileToWrite{QFileInfo(path).fileName(), path, *marked};
}

// The configuration a part keeps when the bench is not saved again: the file its record
// names, beside the exercise being changed.
struct KeptConfiguration {
    QString record;     // its name in the exercise being changed, blank for none
    QString sourcePath; // where it is read when it must be copied under a new name
};

} // namespace

QString saveFailureText(const files::SaveFailure& failure) {
    const QFileInfo file(QFile::decodeName(failure.path.c_str()));
    return QStringLiteral("Le fichier %1 n'a pas pu être écrit dans le dossier %2\u00A0: %3.\n"
                          "Rien n'a été enregistré\u00A0: les fichiers de l'exercice sont "
                          "restés comme ils étaient.")
        .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath()), reasonText(failure));
}

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
               QStringLiteral("Le dossier «\u00A0%1\u00A0» n'existe pas\u00A0: choisir le dossier "
                              "de l'exercice.")
                   .arg(QDir::toNativeSeparators(save.folder)));
        return {};
    }
    const bool correction = save.part == ExercisePart::Correction;
    if (text.isEmpty() || text.toPlainText().trimmed().isEmpty()) {
        refuse(parent, correction ? QStringLiteral("La fenêtre exercice est vide\u00A0: y écrire "
                                                   "d'abord la correction.")
                                  : QStringLiteral("La fenêtre exercice est vide\u00A0: y écrire "
                                                   "d'abord l'énoncé."));
        return {};
    }

    const ExerciseNames names = exerciseNames(fields.shortName);
    if (QString problem = collisionProblem(folder, fields.shortName, names); !problem.isEmpty()) {
        refuse(parent, problem);
        return {};
    }
    const QString exercisePath = pathIn(folder, names.exercise);
    const ExerciseRecords existing = readExerciseRecords(exercisePath);
    const bool sameExercise =
        !save.modifiedFile.isEmpty() && sameFile(exercisePath, save.modifiedFile);

    // The configuration of the part: the bench when asked, or when the part has none yet;
    // otherwise the one the exercise being changed has, copied when the name changes.
    const int configurationRecordOfPart =
        correction ? correctionConfigurationRecord : configurationRecord;
    KeptConfiguration kept;
    if (!save.modifiedFile.isEmpty()) {
        const ExerciseRecords modified = readExerciseRecords(save.modifiedFile);
        kept.record = modified[configurationRecordOfPart];
        if (!isBlank(kept.record))
            kept.sourcePath = resolveStoredName(
                withFinalSeparator(QFileInfo(save.modifiedFile).absolutePath()), kept.record);
    }
    const bool benchSaved = save.saveBench || isBlank(kept.record);
    const bool unknown = fields.unknown.has_value();
    if (benchSaved) {
        if (QString problem = benchProblem(bench, unknown); !problem.isEmpty()) {
            refuse(parent, problem);
            return {};
        }
    }
    const QString configurationName =
        correction ? names.correctionConfiguration : names.configuration;
    QString configurationRecordText = configurationName;
    std::string configurationBytes;
    bool configurationWritten = true;
    if (benchSaved) {
        // An exercise with an unknown for each student keeps no concentration in its files.
        files::SituationTable table = bench;
        if (unknown) files::markUnknownSample(table);
        configurationBytes = files::configurationBytes(table).value_or(std::string());
    } else if (sameExercise) {
        configurationRecordText = kept.record; // left as it is
        configurationWritten = false;
    } else {
        QFile source(kept.sourcePath);
        if (!source.open(QIODevice::ReadOnly)) {
            refuse(parent, QStringLiteral("La configuration %1 de l'exercice ne peut pas être "
                                          "lue\u00A0: cocher «\u00A0Enregistrer aussi le banc "
                                          "tel qu'il est\u00A0» pour enregistrer le banc à sa "
                                          "place.")
                               .arg(QDir::toNativeSeparators(kept.sourcePath)));
            return {};
        }
        configurationBytes = source.readAll().toStdString();
        if (unknown)
            configurationBytes =
                files::markUnknownSample(configurationBytes).value_or(configurationBytes);
    }

    // Records 1 to 4: the part saved names its own files, the other part stays as it was.
    QStringList fileNames;
    if (correction) {
        if (!existing.readable || isBlank(existing[statementRecord])) {
            refuse(parent,
                   QStringLiteral("Le dossier ne contient pas l'exercice %1\u00A0: enregistrer "
                                  "d'abord l'exercice (énoncé et configuration de départ), puis "
                                  "sa correction.")
                       .arg(names.exercise));
            return {};
        }
        fileNames << existing[statementRecord] << existing[configurationRecord] << names.correction
                  << configurationRecordText;
    } else {
        fileNames << names.statement << configurationRecordText;
        if (sameExercise)
            fileNames << existing[correctionRecord] << existing[correctionConfigurationRecord];
    }

    const QString textName = correction ? names.correction : names.statement;
    std::vector<FileToWrite> toWrite;
    toWrite.push_back({textName, pathIn(folder, textName), rtf::writeRtf(text).toStdString()});
    if (configurationWritten)
        toWrite.push_back(
            {configurationName, pathIn(folder, configurationName), configurationBytes});
    toWrite.push_back(
        {names.exercise, exercisePath, exerciseRecordFile(fields, fileNames).bytes()});
    if (unknown) {
        // The configurations the exercise keeps as they are, this part's and the other's,
        // lose any concentration they hold, in the same saving.
        QStringList keptNames;
        if (!configurationWritten) keptNames << kept.record;
        keptNames << (correction
                          ? existing[configurationRecord]
                          : (sameExercise ? existing[correctionConfigurationRecord] : QString()));
        for (const QString& stored : keptNames) {
            if (isBlank(stored)) continue;
            const auto f =
                withoutConcentration(resolveStoredName(withFinalSeparator(folder), stored));
            if (!f) continue;
            const bool listed =
                std::any_of(toWrite.begin(), toWrite.end(),
                            [&](const FileToWrite& w) { return sameFile(w.path, f->path); });
            if (!listed) toWrite.insert(toWrite.end() - 1, *f);
        }
    }
    for (FileToWrite& f : toWrite)
        f.name = QFileInfo(f.path).fileName();

    if (!mayReplace(parent, folder, toWrite)) return {};
    std::vector<files::FileToSave> together;
    for (const FileToWrite& f : toWrite)
        together.push_back({QFile::encodeName(f.path).toStdString(), f.bytes});
    if (const auto failure = files::saveFilesTogether(together)) {
        ui::ask(parent, saveFailureText(*failure), QStringLiteral("Enregistrement impossible"),
                ui::Icon::Critical, ui::Buttons::Ok);
        return {};
    }
    return exercisePath;
}

} // namespace exercises
