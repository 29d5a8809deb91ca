// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ui/folderlists.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QStyle>
#include <algorithm>

namespace files {
namespace {

constexpr int folderRole = Qt::UserRole;

QIcon folderIcon(bool open) {
    return QApplication::style()->standardIcon(open ? QStyle::SP_DirOpenIcon
                                                    : QStyle::SP_DirClosedIcon);
}

} // namespace

QString joinedPath(const QString& folder, const QString& name) {
    QString native = QDir::toNativeSeparators(folder);
    if (!native.isEmpty() && !native.endsWith(QDir::separator())) native += QDir::separator();
    return native + name;
}

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady()) continue;
        const QString root = volume.rootPath();
        if (QFileInfo(root).isDir() && !roots.contains(root)) roots << root;
    }
    std::sort(roots.begin(), roots.end(), [](const QString& a, const QString& b) {
        if (a == QDir::rootPath() || b == QDir::rootPath()) return a == QDir::rootPath();
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    for (const QString& root : roots)
        addItem(QDir::toNativeSeparators(root));
}

QString DriveList::driveOf(const QString& path) {
    const QStorageInfo volume(path);
    return QDir::toNativeSeparators(volume.isValid() ? volume.rootPath() : QDir::rootPath());
}

void DriveList::showDriveOf(const QString& path) {
    const QString root = driveOf(path);
    int index = findText(root);
    if (index < 0) {
        addItem(root);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setPath(folderOf(item)); });
}

QString FolderList::folderOf(const QListWidgetItem* item) {
    return item ? item->data(folderRole).toString() : QString();
}

bool FolderList::setPath(const QString& folder) {
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir() || !info.isReadable()) return false;
    const QString clean = QDir::cleanPath(info.absoluteFilePath());
    QDir dir(clean);

    clear();
    // The ancestors down to the folder itself, each indented one step more.
    QStringList chain;
    for (QDir up = dir;;) {
        chain.prepend(up.absolutePath());
        if (up.isRoot() || !up.cdUp()) break;
    }
    int depth = 0;
    QListWidgetItem* current = nullptr;
    for (const QString& ancestor : chain) {
        const QString name = QDir(ancestor).isRoot() ? QDir::toNativeSeparators(ancestor)
                                                     : QFileInfo(ancestor).fileName();
        auto* item = new QListWidgetItem(folderIcon(true), QString(depth * 2, u' ') + name);
        item->setData(folderRole, ancestor);
        addItem(item);
        current = item;
        ++depth;
    }
    const auto children =
        dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& child : children) {
        auto* item =
            new QListWidgetItem(folderIcon(false), QString(depth * 2, u' ') + child.fileName());
        item->setData(folderRole, child.absoluteFilePath());
        addItem(item);
    }
    setCurrentItem(current);

    const bool changed = clean != path_;
    path_ = clean;
    if (changed) emit pathChanged(path_);
    return true;
}

FileList::FileList(QWidget* parent) : QListWidget(parent) {}

QStringList FileList::configurationFiles(const QString& folder) {
    // Name filters ignore case unless told otherwise: "essai.c17" shows as well.
    return QDir(folder).entryList({QStringLiteral("*.C17")}, QDir::Files,
                                  QDir::Name | QDir::IgnoreCase);
}

void FileList::setPath(const QString& folder) {
    path_ = folder;
    clear();
    addItems(configurationFiles(folder));
}

} // namespace files
