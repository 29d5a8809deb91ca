// SPDX-License-Identifier: GPL-3.0-or-later
#include "a11y/shortcuts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace a11y {

namespace {

constexpr char bench[] = "Paillasse";
constexpr char calculator[] = "Calculatrice";
constexpr char files[] = "Ouvrir, Enregistrer";
constexpr char exercises[] = "Exercices";
constexpr char help[] = "Aide";
constexpr char windows[] = "Toutes les fenêtres";

constexpr Shortcut list[] = {
    {windows, "Tab, Maj+Tab", "Passer à la commande suivante, précédente"},
    {windows, "Échap", "Fermer la fenêtre sans rien faire (sauf la paillasse)"},
    {bench, "Espace ou Entrée tenue, sur le robinet",
     "Verser la solution titrante tant que la touche est tenue"},
    {bench, "Espace ou Entrée brève, sur le robinet",
     "Verser 0,1\u00A0mL (une goutte, 0,05\u00A0mL, au débit de 1\u00A0mL/s ou moins)"},
    {bench, "Flèche bas, sur le robinet ou la goutte", "Verser une goutte (0,05 mL)"},
    {bench, "Page suivante, sur le robinet ou la goutte", "Verser 1 mL"},
    {bench, "+ et \u2212, sur le robinet ou la goutte",
     "Débit du robinet plus fort, plus faible (d'une goutte par seconde à 10\u00A0mL/s)"},
    {bench, "Espace ou Entrée, sur la goutte", "Verser une goutte (0,05 mL)"},
    {bench, "Espace, sur «\u00A0Vider la burette\u00A0»",
     "Ouvrir le robinet sans le tenir\u00A0; Espace à nouveau le ferme"},
    {bench, "Espace, sur «\u00A00\u00A0»", "Remettre la burette à zéro"},
    {bench, "F2",
     "Lire le résumé de la paillasse\u00A0: espèces, concentrations, volume versé, couleur, "
     "mesure de la sonde"},
    {bench, "F1", "Ouvrir l'aide"},
    {bench, "Maj+F1", "Ouvrir cette liste des raccourcis clavier"},
    {bench, "Alt+O", "Ouvrir une configuration"},
    {bench, "Alt+E", "Enregistrer la configuration"},
    {bench, "Alt+P", "Copier (menu\u00A0: flèches pour choisir, Entrée pour valider)"},
    {bench, "Alt+I", "Imprimer"},
    {bench, "Alt+C", "Ouvrir la calculatrice"},
    {bench, "Alt+A", "Ouvrir l'aide"},
    {bench, "Alt+F", "Fermer le programme"},
    {bench, "Flèches haut et bas, sur une situation",
     "Passer à la situation précédente, suivante (Début, Fin\u00A0: la première, la dernière)"},
    {bench, "Flèches gauche et droite, sur les onglets",
     "Changer d'onglet (Début, Fin\u00A0: le premier, le dernier)"},
    {bench, "Flèches droite et gauche, sur le curseur des teintes",
     "Teintes plus foncées, plus claires"},
    {bench, "Espace, sur le dé", "Tirer une concentration au hasard et la cacher"},
    {bench, "Espace, sur «\u00A0Afficher la concentration\u00A0»",
     "Montrer la concentration cachée"},
    {bench, "Espace, sur «\u00A0Exercices\u00A0»",
     "Ouvrir le menu des exercices (flèches pour choisir, Entrée pour valider)"},
    {bench, "Tab, dans le texte de l'exercice", "Sortir du texte"},
    {calculator, "Chiffres, + - * / ^ ( ) E", "Les touches du même nom"},
    {calculator, "Point ou virgule", "Le point décimal (une virgule est prise pour un point)"},
    {calculator, "Entrée", "EXE\u00A0: calculer"},
    {calculator, "Retour arrière", "Effacer le dernier caractère"},
    {calculator, "Tab, puis flèches",
     "Atteindre toutes les touches, les angles et l'affichage\u00A0; Espace appuie sur la touche"},
    {files, "Flèches, dans la liste des fichiers",
     "Choisir un fichier\u00A0: son nom s'inscrit dans la case du nom"},
    {files, "Entrée, dans la liste des fichiers ou la case du nom",
     "Ouvrir ou enregistrer le fichier"},
    {files, "Entrée, dans la liste des répertoires", "Aller dans le répertoire choisi"},
    {exercises, "Flèches, dans la liste des exercices",
     "Choisir un exercice\u00A0: son résumé s'affiche"},
    {exercises, "Entrée, dans la liste des exercices", "Ouvrir l'exercice choisi"},
    {exercises, "Ctrl+B, Ctrl+I, Ctrl+U, dans le texte en écriture",
     "Gras, italique, souligné (sur la sélection ou ce qui sera tapé)"},
    {exercises, "Ctrl+=, Ctrl+Maj+=, dans le texte en écriture", "Indice, exposant"},
    {exercises, "Alt+V", "Vérifier mon résultat (exercice à concentration cachée)"},
    {help, "Flèches", "Lire le texte ligne par ligne"},
    {help, "Tab, Maj+Tab", "Passer au lien suivant, précédent"},
    {help, "Entrée, sur un lien", "Suivre le lien"},
};

QPointer<QDialog> shown;

QDialog* makeWindow(QWidget* parent) {
    auto* window = new QDialog(parent ? parent->window() : nullptr);
    window->setObjectName(QStringLiteral("raccourcis"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QStringLiteral("Raccourcis clavier"));
    window->setAccessibleName(QStringLiteral("Raccourcis clavier"));

    auto* table = new QTableWidget(int(std::size(list)), 3, window);
    table->setAccessibleName(QStringLiteral("Liste des raccourcis clavier"));
    table->setHorizontalHeaderLabels(
        {QStringLiteral("Fenêtre"), QStringLiteral("Touches"), QStringLiteral("Action")});
    table->verticalHeader()->hide();
    // Each row as high as its text once the columns have their widths.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->setWordWrap(true);
    for (int row = 0; row < int(std::size(list)); ++row) {
        const Shortcut& s = list[row];
        const char* cells[3] = {s.where, s.keys, s.action};
        for (int column = 0; column < 3; ++column)
            table->setItem(row, column, new QTableWidgetItem(QString::fromUtf8(cells[column])));
    }
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Interactive);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setColumnWidth(1, 260);
    table->setCurrentCell(0, 0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Fermer"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::reject);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(table);
    layout->addWidget(buttons);
    window->resize(760, 520);
    table->setFocus();
    return window;
}

} // namespace

std::span<const Shortcut> shortcuts() {
    return list;
}

void showShortcuts(QWidget* parent) {
    if (!shown) shown = makeWindow(parent);
    shown->show();
    shown->raise();
    shown->activateWindow();
}

} // namespace a11y
