// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/scripted.h"

#include <QDialog>

namespace ui {

Answer ScriptedAnswerer::ask(QWidget*, const QString& text, const QString& title, Icon icon,
                             Buttons buttons) {
    asked.push_back({text, title, icon, buttons});
    if (!answers.empty()) {
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    return (buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel) ? Answer::Yes
                                                                           : Answer::Ok;
}

QString ScriptedAnswerer::openFileName(QWidget*, const FileRequest& request) {
    fileRequests.push_back(request);
    if (fileNames.empty()) return {};
    QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QString ScriptedAnswerer::saveFileName(QWidget* parent, const FileRequest& request) {
    return openFileName(parent, request);
}

bool ScriptedAnswerer::choosePrinter(QWidget*, QPrinter&) {
    ++printerRequests;
    return acceptPrinter;
}

int ScriptedAnswerer::exec(QDialog& dialog) {
    ++execs;
    if (!onExec) return QDialog::Rejected;
    dialog.show();
    int result = onExec(dialog);
    dialog.hide();
    return result;
}

void ScriptedAnswerer::showHelp(QWidget*, const QString& path) { helpShown << path; }

} // namespace ui
