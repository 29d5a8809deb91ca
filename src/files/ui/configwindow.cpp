// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ui/configwindow.h"

#include "files/ui/folderlists.h"
#include "files/ui/situation_bench.h"

#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace files {

std::string nativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

ConfigurationWindow::ConfigurationWindow(SituationBench& bench, const Captions& captions,
                                         QWidget* parent)
    : QDialog(parent), bench_(bench) {
    setWindowTitle(captions.window);
    setModal(true);

    Drive1 = new DriveList(this);
    Dir1 = new FolderList(this);
    File1 = new FileList(this);
    Command1 = new QPushButton(captions.action, this);
    Command2 = new QPushButton(QStringLiteral("ANNULER"), this);
    // Enter belongs to the name box and the lists, never to a default button.
    for (QPushButton* button : {Command1, Command2}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    grid_ = new QGridLayout(this);
    grid_->addWidget(new QLabel(QStringLiteral("Lecteur\u00A0:"), this), 0, 0);
    grid_->addWidget(Drive1, 1, 0);
    grid_->addWidget(new QLabel(captions.folders, this), 2, 0);
    grid_->addWidget(Dir1, 3, 0);
    grid_->addWidget(new QLabel(captions.files, this), 0, 1);
    grid_->addWidget(File1, 1, 1, 3, 1);
    grid_->setColumnStretch(0, 1);
    grid_->setColumnStretch(1, 1);
    Dir1->setMinimumWidth(200);
    File1->setMinimumWidth(200);
    resize(460, 340);

    // The lists open on the program's current folder.
    const QString start = QDir::currentPath();
    Drive1->showDriveOf(start);
    Dir1->setPath(start);
    File1->setPath(Dir1->path());

    connect(Drive1, &QComboBox::activated, this, [this] { Drive1_Change(); });
    connect(Dir1, &FolderList::pathChanged, this, [this](const QString& path) {
        File1->setPath(path);
        folderChanged();
    });
    connect(File1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { fileClicked(item->text()); });
    connect(File1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { fileDoubleClicked(item->text()); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });

    if (QWidget* main = bench_.mainWindow()) move(main->pos() + QPoint(20, 20));
}

void ConfigurationWindow::Drive1_Change() {
    const QString drive = Drive1->drive();
    if (DriveList::driveOf(Dir1->path()) == drive) return;
    if (!Dir1->setPath(drive)) Drive1->showDriveOf(Dir1->path());
}

} // namespace files
