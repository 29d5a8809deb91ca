// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/clipboard_copy.h"

#include "ui/bench_host.h"

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

void copyBench(ui::BenchHost& host) {
    putOnClipboard(host.benchImage(1.0, true));
}

void copyGraph(ui::BenchHost& host) {
    putOnClipboard(host.graphImage(1.0));
}

QMenu* makeCopyMenu(ui::BenchHost& host, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("menucopie"));
    QAction* coptop = menu->addAction(QStringLiteral("Copier le schéma du titrage"));
    coptop->setObjectName(QStringLiteral("coptop"));
    QAction* copicol = menu->addAction(QStringLiteral("Copier le graphe des quantités de matière"));
    copicol->setObjectName(QStringLiteral("copicol"));
    QObject::connect(coptop, &QAction::triggered, menu, [&host] { copyBench(host); });
    QObject::connect(copicol, &QAction::triggered, menu, [&host] { copyGraph(host); });
    return menu;
}

void showCopyMenu(ui::BenchHost& host, QPoint globalPos) {
    QMenu* menu = makeCopyMenu(host, host.mainWindow());
    menu->exec(globalPos);
    delete menu;
}

} // namespace printing
