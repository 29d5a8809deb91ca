// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/kept_checks.h"

#include "files/recordfile.h"
#include "files/ui/paths.h"
#include "grading/check_log.h"
#include "grading/student_name.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace exercises {
namespace {

std::string exerciseOf(const StudentWork& work) {
    return QFileInfo(work.exerciseFile).absoluteFilePath().toStdString();
}

std::string studentOf(const StudentWork& work) {
    return grading::normaliseName(work.name.toStdString());
}

// The checks of the file, none when it does not exist; nothing when it cannot be read.
std::optional<std::vector<grading::KeptCheck>> readFile(const QString& path) {
    QFile file(path);
    if (!file.exists()) return std::vector<grading::KeptCheck>{};
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return grading::readCheckLog(file.readAll().toStdString());
}

} // namespace

QString checksFile() {
    return QDir(files::userDataFolder()).filePath(QStringLiteral("verifications.txt"));
}

std::vector<grading::ResultCheck> keptChecks(const StudentWork& work) {
    const std::string exercise = exerciseOf(work), student = studentOf(work);
    std::vector<grading::ResultCheck> checks;
    for (grading::KeptCheck& kept :
         readFile(checksFile()).value_or(std::vector<grading::KeptCheck>{}))
        if (kept.exercise == exercise && kept.student == student)
            checks.push_back(std::move(kept.check));
    return checks;
}

bool keepCheck(const StudentWork& work, const grading::ResultCheck& check) {
    const QString path = checksFile();
    // Read again before each check: another run of the program may have added its own.
    // A file that is there but cannot be read is left alone rather than written anew.
    std::optional<std::vector<grading::KeptCheck>> all = readFile(path);
    if (!all) return false;
    all->push_back({exerciseOf(work), studentOf(work), check});
    return files::saveFileSafely(QFile::encodeName(path).toStdString(),
                                 grading::checkLogText(*all)) == files::RecordStatus::Ok;
}

} // namespace exercises
