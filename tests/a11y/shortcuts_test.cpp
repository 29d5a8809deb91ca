// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Raccourcis clavier": every shortcut in a table, one window however often it
// is asked for, texts in French typography; the help names the keys it lists.
#include "a11y/shortcuts.h"

#include "support/application.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QRegularExpression>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

QWidget* shownWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "raccourcis" && w->isVisible()) return w;
    return nullptr;
}

TEST(Shortcuts, TheWindowListsEveryShortcutAndIsShownOnce) {
    support::application();
    a11y::showShortcuts(nullptr);
    QWidget* window = shownWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Raccourcis clavier");
    auto* table = window->findChild<QTableWidget*>();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->accessibleName(), "Liste des raccourcis clavier");
    ASSERT_EQ(table->rowCount(), int(a11y::shortcuts().size()));
    EXPECT_EQ(table->horizontalHeaderItem(1)->text(), "Touches");
    const a11y::Shortcut& last = a11y::shortcuts().back();
    EXPECT_EQ(table->item(table->rowCount() - 1, 2)->text(), QString::fromUtf8(last.action));
    EXPECT_EQ(table->currentRow(), 0);

    a11y::showShortcuts(nullptr);
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "raccourcis" && w->isVisible()) ++windows;
    EXPECT_EQ(windows, 1);
    window->close();
}

TEST(Shortcuts, TextsFollowFrenchTypography) {
    // A plain space before : ; ? ! or inside « » is a fault; so is none at all.
    const QRegularExpression fault(
        QStringLiteral("( [:;?!»]|« |[^\u00a0 ][:;?!]|«[^\u00a0]|[^\u00a0]»)"));
    for (const a11y::Shortcut& s : a11y::shortcuts())
        for (const char* text : {s.where, s.keys, s.action}) {
            const QString t = QString::fromUtf8(text);
            EXPECT_FALSE(fault.match(t).hasMatch()) << t.toStdString();
        }
}

TEST(Shortcuts, TheHelpGivesTheKeysOfTheBench) {
    QFile file(QStringLiteral(TITRAGE_SOURCE_DIR "/data/Ovlu.hlp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString help = QString::fromUtf8(file.readAll());
    const qsizetype section = help.indexOf("name=\"clavier\"></a>14. Le clavier");
    ASSERT_GT(section, 0);
    EXPECT_TRUE(help.contains("href=\"#clavier\""));
    EXPECT_TRUE(help.contains("href=\"titrage:raccourcis\""));
    // Every key of the bench that the list gives alone (F1, F2, Maj+F1) is in the help.
    for (const a11y::Shortcut& s : a11y::shortcuts()) {
        const QString keys = QString::fromUtf8(s.keys);
        const bool functionKey = QRegularExpression("^F\\d+$").match(keys).hasMatch();
        if (QString::fromUtf8(s.where) == "Paillasse" && functionKey) {
            EXPECT_TRUE(help.contains("<kbd>" + keys + "</kbd>")) << keys.toStdString();
        }
    }
    EXPECT_TRUE(help.contains("<kbd>Maj+F1</kbd>"));
}

} // namespace
