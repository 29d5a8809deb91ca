// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/clipboard_copy.h"

#include "a11y/tell.h"
#include "printing/bench_pictures.h"
#include "printing/table_copy.h"
#include "ui/modal.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QWidget>

namespace printing {
namespace {

void putOnClipboard(QImage image) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    if (image.isNull()) return;
    // Other programs read the pixels as they are: one pixel per screen pixel.
    image.setDevicePixelRatio(1.0);
    clipboard->setImage(image);
}

} // namespace

void copyBench(BenchPictures& pictures) {
    putOnClipboard(pictures.benchImage(1.0, true));
    a11y::tell(pictures.mainWindow(),
               QStringLiteral("Schéma du titrage copié dans le presse-papiers."));
}

void copyGraph(BenchPictures& pictures) {
    putOnClipboard(pictures.graphImage(1.0));
    a11y::tell(pictures.mainWindow(),
               QStringLiteral("Graphe des quantités de matière copié dans le presse-papiers."));
}

void copyCourbes(BenchPictures& pictures) {
    putOnClipboard(pictures.courbesImage(1.0));
    a11y::tell(pictures.mainWindow(), QStringLiteral("Courbes copiées dans le presse-papiers."));
}

void showCopyMenu(BenchPictures& pictures, QPoint globalPos) {
    QMenu menucopie(pictures.mainWindow());
    menucopie.setObjectName(QStringLiteral("menucopie"));
    menucopie.setAccessibleName(QStringLiteral("Menu Copier"));
    QAction* coptop = menucopie.addAction(QStringLiteral("Copier le schéma du titrage"));
    coptop->setObjectName(QStringLiteral("coptop"));
    QAction* copicol =
        menucopie.addAction(QStringLiteral("Copier le graphe des quantités de matière"));
    copicol->setObjectName(QStringLiteral("copicol"));
    QAction* coptableau =
        menucopie.addAction(QStringLiteral("Copier le tableau des quantités de matière"));
    coptableau->setObjectName(QStringLiteral("coptableau"));
    QAction* copcourbes = menucopie.addAction(QStringLiteral("Copier les courbes"));
    copcourbes->setObjectName(QStringLiteral("copcourbes"));
    menucopie.addSeparator();
    QAction* enrtableau = menucopie.addAction(QStringLiteral("Enregistrer le tableau…"));
    enrtableau->setObjectName(QStringLiteral("enrtableau"));
    QAction* chosen = ui::popup(menucopie, globalPos);
    if (chosen == coptop)
        copyBench(pictures);
    else if (chosen == copicol)
        copyGraph(pictures);
    else if (chosen == coptableau)
        copyAmountsTable(pictures);
    else if (chosen == copcourbes)
        copyCourbes(pictures);
    else if (chosen == enrtableau)
        saveAmountsTable(pictures);
}

} // namespace printing
