// SPDX-License-Identifier: GPL-3.0-or-later
// The help window of the program (the Qt answerer, not a scripted one).

#include "support/application.h"
#include "ui/modal.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

std::vector<QDialog*> helpWindows() {
    std::vector<QDialog*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("aide") && w->isVisible())
            found.push_back(qobject_cast<QDialog*>(w));
    return found;
}

TEST(HelpViewer, AskingAgainBringsBackTheOneWindowOnItsContents) {
    support::application();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Ovlu.hlp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray html = "<html><body><h2>Sommaire</h2>";
    for (int i = 0; i < 200; ++i)
        html += "<p>Paragraphe d'aide</p>";
    file.write(html + "</body></html>");
    file.close();

    ui::answerer().showHelp(nullptr, path);
    ASSERT_EQ(helpWindows().size(), 1u);
    QDialog* viewer = helpWindows().front();
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Aide"));
    auto* browser = viewer->findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->toPlainText().startsWith(QStringLiteral("Sommaire")));
    QApplication::processEvents();
    browser->verticalScrollBar()->setValue(browser->verticalScrollBar()->maximum());
    ASSERT_GT(browser->verticalScrollBar()->value(), 0);

    ui::answerer().showHelp(nullptr, path);
    EXPECT_EQ(helpWindows().size(), 1u);
    EXPECT_EQ(helpWindows().front(), viewer);
    EXPECT_EQ(browser->verticalScrollBar()->value(), 0);
    viewer->close();
}

// The help's last section says what the program is, under which licence, and where its
// temporary file lives.
TEST(HelpFile, AboutNamesTheVersionTheLicenceAndTheTemporaryFile) {
    QFile file(QStringLiteral(TITRAGE_SOURCE_DIR "/data/Ovlu.hlp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString help = QString::fromUtf8(file.readAll());
    const qsizetype contents = help.indexOf(QStringLiteral("href=\"#apropos\">À propos</a>"));
    const qsizetype about = help.indexOf(QStringLiteral("name=\"apropos\"></a>12. À propos"));
    ASSERT_GE(contents, 0);
    ASSERT_GT(about, contents);
    const QString section = help.mid(about);
    EXPECT_TRUE(section.contains(QStringLiteral("version " TITRAGE_VERSION ".")));
    EXPECT_TRUE(section.contains(QStringLiteral("GPL-3.0-or-later")));
    EXPECT_TRUE(section.contains(QStringLiteral("<code>~/.local/share/titrage/</code>")));
}

} // namespace
