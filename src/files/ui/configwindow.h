// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the save and open windows share: the drive, folder and file lists chained together,
// starting in the program's current folder, and the placement over the main window. From the
// keyboard, the arrows in the file list choose a file (as a click in the open window, its
// name into the name box in the save window) and Enter acts on it as a double click.

#include <QDialog>

class QGridLayout;
class QLabel;
class QListWidgetItem;
class QPushButton;

namespace files {

class SituationBench;

class DriveList;
class FileList;
class FolderList;

class ConfigurationWindow : public QDialog {
    Q_OBJECT
public:
    DriveList* Drive1;
    FolderList* Dir1;
    FileList* File1;
    QPushButton* Command1; // the action
    QPushButton* Command2; // "ANNULER"

    // Choosing a drive: the folder list moves to it, or the drive list returns to the
    // folder list's drive when the drive cannot be read.
    void Drive1_Change();
    void Command2_Click() { reject(); }

protected:
    struct Captions {
        QString window, folders, files, action;
    };
    ConfigurationWindow(SituationBench& bench, const Captions& captions, QWidget* parent);

    // The grid below the lists, for the window's own controls (columns 0 and 1).
    QGridLayout* grid() const { return grid_; }

    virtual void folderChanged() {}
    virtual void fileClicked(const QString&) {}
    virtual void fileDoubleClicked(const QString& name) = 0;
    // A file reached with the arrows of the keyboard.
    virtual void fileChosenByKey(const QString& name) { fileClicked(name); }

    bool eventFilter(QObject* watched, QEvent* event) override;

    SituationBench& bench_;

private:
    QGridLayout* grid_;
    bool choosingByKey_ = false; // a key of the file list is moving its current file
};

// The full path typed or chosen, as a std::string for the file code.
std::string nativePath(const QString& path);

} // namespace files
