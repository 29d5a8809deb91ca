// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ui/paths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace files {
namespace {

QString folderOverride;

} // namespace

QString programFolder() {
    return folderOverride.isEmpty() ? QCoreApplication::applicationDirPath() : folderOverride;
}

void setProgramFolder(const QString& folder) {
    folderOverride = folder;
}

QString entryIgnoringCase(const QString& folder, const QString& name, QDir::Filters filters) {
    const QDir dir(folder);
    if (QFileInfo::exists(dir.filePath(name))) return name;
    QString found;
    for (const QString& entry : dir.entryList(filters)) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0) continue;
        if (!found.isEmpty()) return {}; // several candidates: none is the one
        found = entry;
    }
    return found;
}

bool canWriteInto(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

QString sharedTemporaryFile() {
    const QString name = QStringLiteral("TEMPlu.TMP");
    if (canWriteInto(programFolder())) return QDir(programFolder()).filePath(name);
    // Installed where users cannot write: each user has the file in their own data folder
    // (~/.local/share/titrage), where the other programs look for it.
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(own);
    return QDir(own).filePath(name);
}

QString writableSavePath(const QString& path) {
    if (path.isEmpty()) return path;
    const QFileInfo info(QDir::fromNativeSeparators(path));
    if (canWriteInto(info.absolutePath())) return path;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir()) folder = QDir::homePath();
    return QDir::toNativeSeparators(QDir(folder).filePath(info.fileName()));
}

} // namespace files
