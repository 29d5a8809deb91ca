// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_answerer.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <gtest/gtest.h>

namespace ui {

ScriptedAnswerer::~ScriptedAnswerer() {
    expectAllUsed();
    setAnswerer(nullptr);
}

void ScriptedAnswerer::expectAllUsed() {
    for (const Answer a : answers)
        ADD_FAILURE() << "a question was expected and not asked (answer " << int(a) << ")";
    for (const QString& name : fileNames)
        ADD_FAILURE() << "a file chooser was expected and not shown (name " << name.toStdString()
                      << ")";
    for (const bool accepted : printerChoices)
        ADD_FAILURE() << "a printer set-up was expected and not shown (accepted " << accepted
                      << ")";
    for (const QString& entry : menuChoices)
        ADD_FAILURE() << "a pop-up menu was expected and not shown (entry " << entry.toStdString()
                      << ")";
    answers.clear();
    fileNames.clear();
    printerChoices.clear();
    menuChoices.clear();
}

Answer ScriptedAnswerer::ask(QWidget*, const QString& text, const QString& title, Icon icon,
                             Buttons buttons) {
    asked.push_back({text, title, icon, buttons});
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question \"" << title.toStdString()
                      << "\": " << text.toStdString();
        return (buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel) ? Answer::Yes
                                                                              : Answer::Ok;
    }
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

QString ScriptedAnswerer::openFileName(QWidget*, const FileRequest& request) {
    fileRequests.push_back(request);
    if (fileNames.empty()) {
        ADD_FAILURE() << "unexpected file chooser \"" << request.caption.toStdString() << "\"";
        return {};
    }
    QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QString ScriptedAnswerer::saveFileName(QWidget* parent, const FileRequest& request) {
    return openFileName(parent, request);
}

bool ScriptedAnswerer::choosePrinter(QWidget*, QPrinter&) {
    ++printerRequests;
    if (printerChoices.empty()) {
        ADD_FAILURE() << "unexpected printer set-up";
        return false;
    }
    const bool accepted = printerChoices.front();
    printerChoices.pop_front();
    return accepted;
}

QAction* ScriptedAnswerer::popup(QMenu& menu, const QPoint& globalPos) {
    MenuRecord record{menu.objectName(), {}, {}, globalPos};
    for (QAction* action : menu.actions()) {
        if (action->isSeparator()) continue;
        record.entries << action->objectName();
        if (action->isEnabled() && action->isVisible()) record.enabled << action->objectName();
    }
    menus.push_back(record);
    if (menuChoices.empty()) {
        ADD_FAILURE() << "unexpected pop-up menu " << menu.objectName().toStdString();
        return nullptr;
    }
    const QString choice = menuChoices.front();
    menuChoices.pop_front();
    if (choice.isEmpty()) return nullptr;
    for (QAction* action : menu.actions())
        if (action->objectName() == choice) {
            if (record.enabled.contains(choice)) return action;
            ADD_FAILURE() << "the entry " << choice.toStdString() << " cannot be chosen";
            return nullptr;
        }
    ADD_FAILURE() << "the menu " << menu.objectName().toStdString() << " has no entry "
                  << choice.toStdString();
    return nullptr;
}

int ScriptedAnswerer::exec(QDialog& dialog) {
    ++execs;
    if (!onExec) {
        ADD_FAILURE() << "unexpected window \"" << dialog.windowTitle().toStdString() << "\"";
        return QDialog::Rejected;
    }
    dialog.show();
    const int result = onExec(dialog);
    dialog.hide();
    return result;
}

void ScriptedAnswerer::showHelp(QWidget*, const QString& path) {
    helpShown << path;
}

} // namespace ui
