// SPDX-License-Identifier: GPL-3.0-or-later
// The open and save windows from the keyboard: the arrows in the file list choose a file and
// fill the name, Enter acts on it, an empty name is said, a finished open or save is told on
// the main window, and every list is named.
#include "a11y/tell.h"
#include "files/configuration.h"
#include "files/ui/enregistrer.h"
#include "files/ui/folderlists.h"
#include "files/ui/ouvrir.h"
#include "support/fake_situation_bench.h"
#include "support/scripted_answerer.h"
#include "workspace.h"

#include <QAccessible>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using support::FakeSituationBench;
using testing_files::Workspace;

QString savedFile(const Workspace& space, const QString& name) {
    const QString path = space.file(name);
    EXPECT_EQ(files::writeConfiguration(path.toStdString(), files::SituationTable{}),
              files::WriteResult::Ok);
    return path;
}

struct Told {
    std::vector<QString> sentences;
    Told() {
        QObject::connect(&a11y::Teller::instance(), &a11y::Teller::told, &context,
                         [this](QWidget*, const QString& s) { sentences.push_back(s); });
    }
    QObject context;
};

// The control Tab goes to from w.
QWidget* nextTabStop(QWidget* w) {
    QWidget* next = w->nextInFocusChain();
    while (next != w && (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisible()))
        next = next->nextInFocusChain();
    return next;
}

// The label that names a control for a screen reader.
QString labelOf(QWidget* w) {
    const auto labels = QAccessible::queryAccessibleInterface(w)->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
}

TEST(OpenWindowKeys, TheArrowsFillTheNameAndEnterOpensTheFile) {
    Workspace space;
    FakeSituationBench host;
    ui::ScriptedAnswerer script;
    Told told;
    savedFile(space, "a.C17");
    const QString second = savedFile(space, "b.C17");
    files::Ouvrir window(host);
    window.show();
    window.File1->setFocus();
    EXPECT_EQ(window.ficharge->text(), "") << "reaching the list chooses nothing";
    QTest::keyClick(window.File1, Qt::Key_Down);
    QTest::keyClick(window.File1, Qt::Key_Down);
    EXPECT_EQ(window.ficharge->text(), QDir::toNativeSeparators(second));
    EXPECT_TRUE(host.calls.empty()) << "nothing loaded yet";
    QTest::keyClick(window.File1, Qt::Key_Return);
    EXPECT_EQ(host.state.configFile, second);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(told.sentences,
              std::vector<QString>{"Configuration ouverte\u00a0: b.C17, situation 1 affichée."});
}

TEST(OpenWindowKeys, OpeningWithNoNameSaysSoWithoutAQuestion) {
    Workspace space;
    FakeSituationBench host;
    ui::ScriptedAnswerer script;
    Told told;
    files::Ouvrir window(host);
    window.show();
    window.Command1->click();
    EXPECT_TRUE(script.asked.empty());
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(told.sentences.size(), 1u);
    EXPECT_TRUE(told.sentences[0].startsWith("Aucun fichier choisi"));
}

TEST(SaveWindowKeys, TheArrowsPutTheFileNameInTheBoxAndEnterSavesThere) {
    Workspace space;
    FakeSituationBench host;
    ui::ScriptedAnswerer script;
    Told told;
    const QString path = savedFile(space, "serie.C17");
    files::Enregistrer window(host);
    window.show();
    window.Text1->setText("nouveau");
    window.File1->setFocus();
    EXPECT_EQ(window.Text1->text(), "nouveau") << "reaching the list keeps the name typed";
    QTest::keyClick(window.File1, Qt::Key_Down);
    EXPECT_EQ(window.Text1->text(), "serie.C17");
    script.answers = {ui::Answer::Yes}; // the file is there: replace it
    QTest::keyClick(window.File1, Qt::Key_Return);
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].title, "Ce fichier existe déjà\u00A0!");
    EXPECT_EQ(host.state.configFile, QDir::toNativeSeparators(path));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(told.sentences, std::vector<QString>{"Configuration enregistrée\u00a0: serie.C17."});
}

TEST(ConfigurationWindows, ListsAreNamedAndTabGoesFromTheListsToTheName) {
    Workspace space;
    FakeSituationBench host;
    files::Ouvrir open(host);
    files::Enregistrer save(host);
    for (files::ConfigurationWindow* window : {static_cast<files::ConfigurationWindow*>(&open),
                                               static_cast<files::ConfigurationWindow*>(&save)}) {
        SCOPED_TRACE(window->windowTitle().toStdString());
        EXPECT_EQ(window->File1->accessibleName(), "Fichiers de configuration");
        EXPECT_EQ(window->Dir1->accessibleName(), "Répertoires");
        EXPECT_EQ(window->Drive1->accessibleName(), "Lecteur");
        window->show();
        QWidget* name = nextTabStop(window->File1);
        EXPECT_TRUE(qobject_cast<QLineEdit*>(name) != nullptr) << "the name after the files";
        EXPECT_EQ(nextTabStop(name), window->Command1);
    }
    EXPECT_EQ(open.ficharge->accessibleName(), "Fichier à ouvrir");
    EXPECT_EQ(labelOf(save.Text1), "Nom du fichier\u00A0:");
}

} // namespace
