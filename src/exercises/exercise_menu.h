// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercises menu optionexo that the main window pops up under its button btexo.

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace ui {
class BenchHost;
}

namespace exercises {

class ExerciseMenu : public QObject {
    Q_OBJECT
public:
    ExerciseMenu(ui::BenchHost& host, QWidget* parent);

    QMenu* optionexo;
    QAction* PRISENMAIN;
    QAction* openexo;
    QAction* opencor;
    QAction* savetexte;
    QAction* opentexte;
    QAction* imprimetexte;
    QAction* Closexo;

    // "Voir la correction" only while a correction is available, "Fermer l'exercice" only
    // while fich names something.
    void updateEntries();
    // Pops the menu up at the left edge of btexo, just below it, and runs the chosen entry.
    void popup(QWidget* btexo);

private:
    ui::BenchHost& host_;
};

// The click on btexo: the menu, made once for the main window, popped up under btexo.
void btexo_Click(ui::BenchHost& host, QWidget* btexo);

} // namespace exercises
