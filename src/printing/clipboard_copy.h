// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Co&pier" pop-up menu of the main window: the bench picture, with the titrant
// concentration and the burette reading written into it, or the quantities graph, placed
// on the system clipboard as an image.

#include <QPoint>

class QMenu;
class QWidget;

namespace ui {
class BenchHost;
}

namespace printing {

// "Copier le schéma du titrage": the bench at its screen size with the two values.
void copyBench(ui::BenchHost& host);
// "Copier le graphe des quantités de matière": the graph unchanged.
void copyGraph(ui::BenchHost& host);

// The menu menucopie with its entries coptop and copicol (owned by parent).
QMenu* makeCopyMenu(ui::BenchHost& host, QWidget* parent);
// Pops the menu up at a screen position and runs the entry chosen.
void showCopyMenu(ui::BenchHost& host, QPoint globalPos);

} // namespace printing
