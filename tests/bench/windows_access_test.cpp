// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program gone round as Tab goes: every control that takes the focus is
// named in French for a screen reader and has a role that acts (a button can be pressed, a
// box typed into or read, a list chosen in).
#include "fixture.h"

#include "a11y/shortcuts.h"
#include "calculator/window/machine.h"
#include "exercises/fichexo.h"
#include "files/ui/enregistrer.h"
#include "files/ui/ouvrir.h"
#include "printing/confimp.h"

#include <QAccessibleActionInterface>
#include <QPrinter>

#include <set>

using benchtest::BenchTest;

namespace {

// The controls Tab reaches in a window, from the first one.
std::vector<QWidget*> tabStops(QWidget* window) {
    std::vector<QWidget*> stops;
    QWidget* w = window;
    for (int i = 0; i < 500; ++i) {
        w = w->nextInFocusChain();
        if (w == window) break;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled() &&
            w->window() == window && !w->focusProxy())
            stops.push_back(w);
    }
    return stops;
}

QString nameOf(QAccessibleInterface* iface) {
    const QString name = iface->text(QAccessible::Name);
    if (!name.trimmed().isEmpty()) return name;
    const auto labels = iface->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
}

void expectNamedAndActing(QWidget* window) {
    SCOPED_TRACE(window->metaObject()->className());
    const std::vector<QWidget*> stops = tabStops(window);
    EXPECT_GE(stops.size(), 2u);
    const std::set<QAccessible::Role> chosenOrTyped = {
        QAccessible::CheckBox,     QAccessible::RadioButton, QAccessible::ComboBox,
        QAccessible::EditableText, QAccessible::List,        QAccessible::Table,
        QAccessible::PageTabList,  QAccessible::Slider,      QAccessible::SpinBox};
    for (QWidget* w : stops) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(iface, nullptr);
        const QString name = nameOf(iface);
        SCOPED_TRACE(w->metaObject()->className() + std::string(" ") +
                     w->objectName().toStdString() + " « " + name.toStdString() + " »");
        EXPECT_TRUE(iface->isValid());
        EXPECT_FALSE(name.trimmed().isEmpty());
        EXPECT_NE(name, "Options") << "named by a frame, not by what it is";
        // A picture whose parts are reached with the keyboard: the focus goes to the items of
        // its list of parts.
        QAccessibleInterface* parts = nullptr;
        for (int i = 0; i < iface->childCount(); ++i)
            if (iface->child(i)->role() == QAccessible::List) parts = iface->child(i);
        if (iface->role() == QAccessible::Client && parts) {
            EXPECT_FALSE(parts->text(QAccessible::Name).isEmpty());
            ASSERT_GT(parts->childCount(), 0);
            for (int i = 0; i < parts->childCount(); ++i) {
                EXPECT_EQ(parts->child(i)->role(), QAccessible::ListItem);
                EXPECT_FALSE(parts->child(i)->text(QAccessible::Name).isEmpty());
            }
            continue;
        }
        if (iface->role() == QAccessible::Button) {
            ASSERT_NE(iface->actionInterface(), nullptr);
            EXPECT_TRUE(iface->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()));
        } else {
            EXPECT_TRUE(chosenOrTyped.count(iface->role()) ||
                        (iface->role() == QAccessible::StaticText && iface->textInterface()))
                << "role " << iface->role();
        }
    }
}

TEST_F(BenchTest, EveryWindowNamesEveryControlTabReachesWithARoleThatActs) {
    window->start(); // the panel, as at start-up
    expectNamedAndActing(window.get());
    script.answers = {ui::Answer::Ok}; // no diiode added to the ascorbic acid
    window->setUp().Command3_Click();
    expectNamedAndActing(window.get()); // the bench

    calculator::Machine machine(window.get());
    machine.show();
    expectNamedAndActing(&machine);

    files::Ouvrir open(window->situationBench(), window.get());
    open.show();
    expectNamedAndActing(&open);
    files::Enregistrer save(window->situationBench(), window.get());
    save.show();
    expectNamedAndActing(&save);

    exercises::Fichexo exercises(window->exerciseArea(), window.get());
    exercises.show();
    expectNamedAndActing(&exercises);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&exercises)->text(QAccessible::Name),
              "Ouvrir un exercice");

    QPrinter printer;
    printing::Confimp print(window->benchPictures(), printer, window.get());
    print.show();
    expectNamedAndActing(&print);

    a11y::showShortcuts(window.get());
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "raccourcis" && w->isVisible()) {
            expectNamedAndActing(w);
            w->close();
        }
}

} // namespace
