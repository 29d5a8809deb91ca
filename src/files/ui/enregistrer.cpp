// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ui/enregistrer.h"

#include "a11y/tell.h"
#include "files/configuration.h"
#include "files/savename.h"
#include "files/ui/folderlists.h"
#include "files/ui/loadconfiguration.h"
#include "files/ui/paths.h"
#include "files/ui/situation_bench.h"
#include "ui/modal.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace files {

Enregistrer::Enregistrer(SituationBench& bench, QWidget* parent)
    : ConfigurationWindow(bench,
                          {QStringLiteral("Enregistrer les paramètres."),
                           QStringLiteral("Répertoire\u00A0:"),
                           QStringLiteral("Fichiers enregistrés"), QStringLiteral("ENREGISTRER")},
                          parent) {
    Text1 = new QLineEdit(this);
    auto* nameLabel = new QLabel(QStringLiteral("Nom du fichier\u00A0:"), this);
    nameLabel->setBuddy(Text1);
    grid()->addWidget(nameLabel, 4, 0, 1, 2);
    grid()->addWidget(Text1, 5, 0, 1, 2);
    grid()->addWidget(Command1, 6, 0);
    grid()->addWidget(Command2, 6, 1);

    // A file read from a folder this user cannot write (the program's own exercises, installed
    // for every user) is proposed under the same name in the user's documents.
    Text1->setText(writableSavePath(bench_.situations().configFile));
    // Tab goes from the lists to the name, then to the buttons.
    setTabOrder(File1, Text1);
    setTabOrder(Text1, Command1);
    setTabOrder(Command1, Command2);
    connect(Text1, &QLineEdit::returnPressed, this, [this] { Command1_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Enregistrer::folderChanged() {
    // The name now goes into the newly chosen folder.
    Text1->setText(QString::fromStdString(withoutFolderPart(Text1->text().toStdString())));
}

void Enregistrer::fileChosenByKey(const QString& name) {
    Text1->setText(name);
}

void Enregistrer::fileDoubleClicked(const QString& name) {
    Text1->setText(name);
    Command1_Click();
}

void Enregistrer::Command1_Click() {
    setCursor(Qt::WaitCursor);
    const QString path = QString::fromStdString(configurationSavePath(
        Text1->text().toStdString(), QDir::toNativeSeparators(File1->path()).toStdString()));
    if (path.isEmpty()) {
        ui::ask(this, QStringLiteral("Il faut donner un nom au fichier\u00A0!"),
                QStringLiteral("Enregistrement impossible"), ui::Icon::Critical, ui::Buttons::Ok);
        unsetCursor();
        return;
    }
    Text1->setText(path);
    bench_.situations().configFile = path;
    QDir::setCurrent(File1->path());

    if (QFileInfo::exists(path) &&
        ui::ask(this, QStringLiteral("Écraser le fichier existant\u00A0?"),
                QStringLiteral("Ce fichier existe déjà\u00A0!"), ui::Icon::Exclamation,
                ui::Buttons::YesNo) != ui::Answer::Yes) {
        unsetCursor();
        return;
    }
    if (saveConfiguration(bench_, path, this)) {
        unsetCursor();
        accept();
        a11y::tell(bench_.mainWindow(), QStringLiteral("Configuration enregistrée\u00A0: ") +
                                            QFileInfo(path).fileName() + QStringLiteral("."));
    } else {
        unsetCursor();
    }
}

void showSaveWindow(SituationBench& bench) {
    Enregistrer window(bench, bench.mainWindow());
    ui::exec(window);
}

} // namespace files
