// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercises menu optionexo that the main window pops up under its button btexo.

#include <QObject>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace exercises {

class ExerciseArea;

class ExerciseMenu : public QObject {
    Q_OBJECT
public:
    ExerciseMenu(ExerciseArea& area, QWidget* parent);

    QMenu* optionexo;
    QAction* PRISENMAIN;
    QAction* openexo;
    QAction* opencor;
    QAction* verifexo;
    QAction* creerexo;
    QAction* modifexo;
    QAction* savetexte;
    QAction* opentexte;
    QAction* imprimetexte;
    QAction* Closexo;

    // "Voir la correction" only while a correction is available, "Vérifier mon résultat…"
    // only while an exercise with a hidden concentration is open, "Modifier l'exercice" only
    // while fich names an exercise file, "Fermer l'exercice" only while fich names something.
    void updateEntries();
    // Pops the menu up at the left edge of btexo, just below it, and runs the chosen entry.
    void popup(QWidget* btexo);

private:
    ExerciseArea& area_;
    std::vector<std::pair<QAction*, std::function<void(ExerciseArea&)>>> entries_;
};

} // namespace exercises
