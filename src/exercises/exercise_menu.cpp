// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/exercise_menu.h"

#include "exercises/exercise_actions.h"
#include "exercises/fichexo.h"
#include "ui/bench_host.h"
#include "ui/program_state.h"

#include <QLineEdit>
#include <QMenu>
#include <QPointer>

namespace exercises {

ExerciseMenu::ExerciseMenu(ui::BenchHost& host, QWidget* parent) : QObject(parent), host_(host) {
    optionexo = new QMenu(parent);
    optionexo->setObjectName(QStringLiteral("optionexo"));
    auto entry = [this](const char* name, const QString& text, auto action) {
        QAction* a = optionexo->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, [this, action] { action(host_); });
        return a;
    };
    PRISENMAIN = entry("PRISENMAIN", QStringLiteral("Prise en main"), gettingStarted);
    optionexo->addSeparator();
    openexo = entry("openexo", QStringLiteral("Ouvrir un exercice (énoncé + configuration)"),
                    openExerciseBrowser);
    opencor = entry("opencor", QStringLiteral("Voir la correction"), showCorrection);
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
    opencor->setEnabled(ui::state().correctionAvailable == 1);
    Closexo->setEnabled(!host_.fich()->text().isEmpty());
}

void ExerciseMenu::popup(QWidget* btexo) {
    updateEntries();
    optionexo->exec(btexo->mapToGlobal(QPoint(0, btexo->height())));
}

void btexo_Click(ui::BenchHost& host, QWidget* btexo) {
    static QPointer<ExerciseMenu> menu;
    if (!menu || menu->parent() != host.mainWindow())
        menu = new ExerciseMenu(host, host.mainWindow());
    menu->popup(btexo);
}

} // namespace exercises
