// SPDX-License-Identifier: GPL-3.0-or-later
// A menu pops up with its first entry that can be chosen, so that a screen reader says where
// the arrows start; the help window and its text are named.
#include "support/application.h"
#include "ui/modal.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

TEST(MenuEntry, TheFirstEntryThatCanBeChosenIsChosen) {
    support::application();
    struct Row {
        const char* name;
        std::vector<std::pair<const char*, bool>> entries; // text, enabled; "-" a separator
        const char* chosen;
    } rows[] = {
        {"the first", {{"Prise en main", true}, {"Ouvrir", true}}, "Prise en main"},
        {"past a separator and a disabled entry",
         {{"-", true}, {"Voir la correction", false}, {"Créer", true}},
         "Créer"},
        {"none can be chosen", {{"Fermer", false}}, nullptr},
        {"empty", {}, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QMenu menu;
        for (const auto& [text, enabled] : row.entries) {
            if (std::string(text) == "-") {
                menu.addSeparator();
                continue;
            }
            menu.addAction(QString::fromUtf8(text))->setEnabled(enabled);
        }
        ui::selectFirstEntry(menu);
        if (!row.chosen) {
            EXPECT_EQ(menu.activeAction(), nullptr);
            continue;
        }
        ASSERT_NE(menu.activeAction(), nullptr);
        EXPECT_EQ(menu.activeAction()->text(), QString::fromUtf8(row.chosen));
    }
}

TEST(MenuEntry, AnEntryChosenAlreadyStaysChosen) {
    support::application();
    QMenu menu;
    menu.addAction("Premier");
    QAction* second = menu.addAction("Second");
    menu.setActiveAction(second);
    ui::selectFirstEntry(menu);
    EXPECT_EQ(menu.activeAction(), second);
}

TEST(HelpWindow, TheWindowAndItsTextAreNamedAndTheTextHasTheKeyboard) {
    support::application();
    QTemporaryDir dir;
    const QString path = dir.filePath("Ovlu.hlp");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body><p>Aide</p></body></html>");
    file.close();
    ui::answerer().showHelp(nullptr, path);
    QDialog* viewer = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "aide" && w->isVisible()) viewer = qobject_cast<QDialog*>(w);
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(viewer)->text(QAccessible::Name),
              "Aide de Titrage colorimétrique");
    auto* text = viewer->findChild<QTextBrowser*>();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->accessibleName(), "Texte de l'aide");
    EXPECT_EQ(viewer->focusWidget(), text);
    EXPECT_TRUE(text->textInteractionFlags() & Qt::TextSelectableByKeyboard)
        << "a caret, for reading line by line";
    viewer->close();
}

} // namespace
