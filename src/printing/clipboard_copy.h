// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Co&pier" pop-up menu of the main window: the bench picture, with the titrant
// concentration and the burette reading written into it, the quantities graph or the
// curves, placed on the system clipboard as an image; the table of the amounts as text, or
// saved as a CSV file (table_copy.h).

#include <QPoint>

namespace printing {

class BenchPictures;

// "Copier le schéma du titrage": the bench at its screen size with the two values.
void copyBench(BenchPictures& pictures);
// "Copier le graphe des quantités de matière": the graph unchanged.
void copyGraph(BenchPictures& pictures);

// "Copier les courbes": the curves and the progress table.
void copyCourbes(BenchPictures& pictures);

// The menu menucopie with its entries coptop, copicol, coptableau, copcourbes and
// enrtableau, popped up at a screen position
// (through the modal seam); the entry chosen is run.
void showCopyMenu(BenchPictures& pictures, QPoint globalPos);

} // namespace printing
