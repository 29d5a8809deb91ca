// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ui/configwindow.h"

#include "files/ui/folderlists.h"
#include "files/ui/situation_bench.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QKeyEvent>
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

    // Each list is named by its label.
    auto label = [this](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    grid_ = new QGridLayout(this);
    grid_->addWidget(label(QStringLiteral("Lecteur\u00A0:"), Drive1), 0, 0);
    grid_->addWidget(Drive1, 1, 0);
    grid_->addWidget(label(captions.folders, Dir1), 2, 0);
    grid_->addWidget(Dir1, 3, 0);
    grid_->addWidget(label(captions.files, File1), 0, 1);
    grid_->addWidget(File1, 1, 1, 3, 1);
    Drive1->setAccessibleName(QStringLiteral("Lecteur"));
    Dir1->setAccessibleName(QStringLiteral("Répertoires"));
    File1->setAccessibleName(QStringLiteral("Fichiers de configuration"));
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
    File1->installEventFilter(this);
    connect(File1, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (choosingByKey_ && item) fileChosenByKey(item->text());
    });

    if (QWidget* main = bench_.mainWindow()) move(main->pos() + QPoint(20, 20));
}

bool ConfigurationWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == File1 && event->type() == QEvent::KeyPress && !choosingByKey_) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (QListWidgetItem* item = File1->currentItem()) fileDoubleClicked(item->text());
            return true;
        }
        // The list moves its current file for the key; the file is chosen then.
        choosingByKey_ = true;
        QCoreApplication::sendEvent(File1, event);
        choosingByKey_ = false;
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ConfigurationWindow::Drive1_Change() {
    const QString drive = Drive1->drive();
    if (DriveList::driveOf(Dir1->path()) == drive) return;
    if (!Dir1->setPath(drive)) Drive1->showDriveOf(Dir1->path());
}

} // namespace files
