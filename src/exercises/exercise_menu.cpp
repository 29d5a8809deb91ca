// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/exercise_menu.h"

#include "exercises/exercise_actions.h"
#include "exercises/exercise_area.h"
#include "exercises/exercise_editor.h"
#include "exercises/fichexo.h"
#include "exercises/result_check_window.h"
#include "ui/modal.h"

#include <QLineEdit>
#include <QMenu>

namespace exercises {

ExerciseMenu::ExerciseMenu(ExerciseArea& area, QWidget* parent) : QObject(parent), area_(area) {
    optionexo = new QMenu(parent);
    optionexo->setObjectName(QStringLiteral("optionexo"));
    optionexo->setAccessibleName(QStringLiteral("Menu des exercices"));
    auto entry = [this](const char* name, const QString& text, void (*action)(ExerciseArea&)) {
        QAction* a = optionexo->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        entries_.emplace_back(a, action);
        return a;
    };
    PRISENMAIN = entry("PRISENMAIN", QStringLiteral("Prise en main"),
                       [](ExerciseArea& area) { gettingStarted(area); });
    optionexo->addSeparator();
    openexo = entry("openexo", QStringLiteral("Ouvrir un exercice (énoncé + configuration)"),
                    openExerciseBrowser);
    opencor = entry("opencor", QStringLiteral("Voir la correction"), showCorrection);
    verifexo = entry("verifexo", QStringLiteral("Vérifier mon résultat…"), openResultCheck);
    optionexo->addSeparator();
    creerexo = entry("creerexo", QStringLiteral("Créer un exercice…"),
                     [](ExerciseArea& area) { createExercise(area); });
    modifexo = entry("modifexo", QStringLiteral("Modifier l'exercice"), modifyExercise);
    optionexo->addSeparator();
    savetexte = entry("savetexte", QStringLiteral("Enregistrer le contenu de la fenêtre exercice"),
                      saveText);
    opentexte = entry("opentexte", QStringLiteral("Retrouver un texte"), reloadText);
    imprimetexte = entry("imprimetexte",
                         QStringLiteral("Imprimer le contenu de la fenêtre exercice"), printText);
    optionexo->addSeparator();
    Closexo = entry("Closexo", QStringLiteral("Fermer l'exercice"), closeExercise);
}

void ExerciseMenu::updateEntries() {
    opencor->setEnabled(area_.exercise().correctionAvailable);
    verifexo->setEnabled(area_.exercise().work.has_value());
    modifexo->setEnabled(exerciseInUse(area_));
    Closexo->setEnabled(!area_.fich()->text().isEmpty());
}

void ExerciseMenu::popup(QWidget* btexo) {
    updateEntries();
    QAction* chosen = ui::popup(*optionexo, btexo->mapToGlobal(QPoint(0, btexo->height())));
    for (const auto& [action, run] : entries_)
        if (action == chosen) run(area_);
}

} // namespace exercises
