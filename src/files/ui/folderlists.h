// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three chained lists of the save and open windows: the drives (mounted volumes), the
// folders of the current folder, and the configuration files of that folder.

#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <QStringList>

namespace files {

// The mounted volumes, "/" first; each item's text is the volume's root path.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);
    QString drive() const { return currentText(); }
    // Selects the drive that holds path (added to the list if the volumes did not name it).
    void showDriveOf(const QString& path);
    static QString driveOf(const QString& path);
};

// The current folder's ancestors, the folder itself, then its subfolders. Activating an
// item (double click, Enter) opens that folder.
class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);
    QString path() const { return path_; }
    // Shows folder; false (and nothing changes) when it cannot be read.
    bool setPath(const QString& folder);
    // The folder an item stands for.
    static QString folderOf(const QListWidgetItem* item);

signals:
    void pathChanged(const QString& path);

private:
    QString path_;
};

// The configuration files of a folder, "*.C17" in any case.
class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);
    QString path() const { return path_; }
    void setPath(const QString& folder);
    static QStringList configurationFiles(const QString& folder);

private:
    QString path_;
};

// folder and name joined by the platform's separator (none added after a final one).
QString joinedPath(const QString& folder, const QString& name);

} // namespace files
