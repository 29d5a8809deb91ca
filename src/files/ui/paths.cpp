// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ui/paths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace files {
namespace {

QString folderOverride;
QString userDataOverride;

// Whether this user owns the file or folder (always on systems without owners).
bool ownedByUser(const QFileInfo& info) {
#ifdef Q_OS_UNIX
    return info.ownerId() == static_cast<uint>(::geteuid());
#else
    Q_UNUSED(info);
    return true;
#endif
}

// Whether folder is root or lies inside it, links followed.
bool isInside(const QString& folder, const QString& root) {
    const QString f = QFileInfo(folder).canonicalFilePath();
    const QString r = QFileInfo(root).canonicalFilePath();
    if (f.isEmpty() || r.isEmpty()) return false;
    return f == r || f.startsWith(r.endsWith(QLatin1Char('/')) ? r : r + QLatin1Char('/'));
}

} // namespace

QString programFolder() {
    return folderOverride.isEmpty() ? QCoreApplication::applicationDirPath() : folderOverride;
}

void setProgramFolder(const QString& folder) {
    folderOverride = folder;
}

QString dataFolder() {
    const QString program = programFolder();
    // TITRAGE_DATA_FROM_PROGRAM is the installed data folder seen from the installed program
    // folder ("../share/titrage"): where it exists, the program is installed.
    const QString installed =
        QDir::cleanPath(program + QLatin1Char('/') + QStringLiteral(TITRAGE_DATA_FROM_PROGRAM));
    return QFileInfo(installed).isDir() ? installed : program;
}

bool programFolderIsUsersOwn() {
    const QString program = programFolder();
    if (dataFolder() != program) return false;
    return canWriteInto(program) && ownedByUser(QFileInfo(program));
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

QString userDataFolder() {
    const QString own = userDataOverride.isEmpty()
                            ? QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
                            : userDataOverride;
    QDir().mkpath(own);
    return own;
}

void setUserDataFolder(const QString& folder) {
    userDataOverride = folder;
}

QString sharedTemporaryFile() {
    const QString name = QStringLiteral("TEMPlu.TMP");
    if (programFolderIsUsersOwn()) return QDir(programFolder()).filePath(name);
    // Installed, or in a folder of another user: each user has the file in their own data
    // folder (~/.local/share/titrage), where the other programs look for it.
    return QDir(userDataFolder()).filePath(name);
}

QString writableFolder(const QString& folder) {
    const bool installation = !programFolderIsUsersOwn() &&
                              (isInside(folder, programFolder()) || isInside(folder, dataFolder()));
    if (canWriteInto(folder) && !installation) return folder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString writableSavePath(const QString& path) {
    if (path.isEmpty()) return path;
    const QFileInfo info(QDir::fromNativeSeparators(path));
    const QString folder = writableFolder(info.absolutePath());
    if (folder == info.absolutePath()) return path;
    return QDir::toNativeSeparators(QDir(folder).filePath(info.fileName()));
}

} // namespace files
