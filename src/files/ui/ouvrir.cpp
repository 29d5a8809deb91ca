// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ui/ouvrir.h"

#include "a11y/tell.h"
#include "files/ui/folderlists.h"
#include "files/ui/loadconfiguration.h"
#include "files/ui/situation_bench.h"
#include "ui/modal.h"

#include "drawing/hourglass.h"
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace files {

Ouvrir::Ouvrir(SituationBench& bench, QWidget* parent)
    : ConfigurationWindow(bench,
                          {QStringLiteral("Ouvrir une configuration"), QStringLiteral("Répertoire"),
                           QStringLiteral("Fichiers"), QStringLiteral("OUVRIR")},
                          parent) {
    ficharge = new QLineEdit(this);
    ficharge->setAccessibleName(QStringLiteral("Fichier à ouvrir"));
    grid()->addWidget(ficharge, 4, 0, 1, 2);
    grid()->addWidget(Command1, 5, 0);
    grid()->addWidget(Command2, 5, 1);

    Frame1 = new QFrame(this);
    Frame1->setFrameShape(QFrame::Box);
    auto* notice = new QHBoxLayout(Frame1);
    auto* hourglass = new QLabel(Frame1);
    hourglass->setPixmap(drawing::hourglassPicture(22, 30));
    Label4 = new QLabel(QStringLiteral("Patience\u00A0: chargement du fichier"), Frame1);
    notice->addWidget(hourglass);
    notice->addWidget(Label4, 1);
    grid()->addWidget(Frame1, 6, 0, 1, 2);
    // The notice has its place from the start, so that showing it moves nothing.
    QSizePolicy policy = Frame1->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    Frame1->setSizePolicy(policy);
    Frame1->hide();

    // Tab goes from the lists to the name, then to the buttons.
    setTabOrder(File1, ficharge);
    setTabOrder(ficharge, Command1);
    setTabOrder(Command1, Command2);
    connect(ficharge, &QLineEdit::returnPressed, this, [this] { Command1_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Ouvrir::fileClicked(const QString& name) {
    ficharge->setText(joinedPath(File1->path(), name));
    QDir::setCurrent(File1->path());
}

void Ouvrir::fileDoubleClicked(const QString& name) {
    fileClicked(name);
    Command1_Click();
}

void Ouvrir::Command1_Click() {
    const QString name = ficharge->text();
    if (name.trimmed().isEmpty()) {
        a11y::tell(this,
                   QStringLiteral("Aucun fichier choisi\u00A0: choisir un fichier dans la liste "
                                  "des fichiers ou taper son nom."));
        return;
    }
    if (!configurationFileFound(name, this)) {
        // The name refused is what the save window proposes next; a file refused once read
        // leaves the bench's file as it was.
        bench_.situations().configFile = name;
        return;
    }
    Frame1->show();
    const bool loaded = loadConfiguration(bench_, name, this);
    accept(); // whatever came of the load
    if (loaded)
        a11y::tell(bench_.mainWindow(), QStringLiteral("Configuration ouverte\u00A0: ") +
                                            QFileInfo(name).fileName() +
                                            QStringLiteral(", situation 1 affichée."));
}

void showOpenWindow(SituationBench& bench) {
    Ouvrir window(bench, bench.mainWindow());
    ui::exec(window);
}

} // namespace files
