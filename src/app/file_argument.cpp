// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/file_argument.h"

#include "exercises/exercise_actions.h"
#include "exercises/fichexo.h"
#include "files/ui/loadconfiguration.h"
#include "files/ui/situation_bench.h"

#include <QDir>
#include <QFileInfo>

namespace app {

FileKind fileKind(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("E44"), Qt::CaseInsensitive) == 0) return FileKind::Exercise;
    if (suffix.compare(QLatin1String("RTF"), Qt::CaseInsensitive) == 0) return FileKind::Text;
    return FileKind::Configuration;
}

QString fileArgument(const QStringList& arguments) {
    bool options = true;
    for (qsizetype k = 1; k < arguments.size(); ++k) {
        const QString& argument = arguments[k];
        if (options && argument == QLatin1String("--")) {
            options = false;
            continue;
        }
        if (options && argument.startsWith(QLatin1Char('-'))) continue;
        return argument;
    }
    return {};
}

void openFile(files::SituationBench& bench, exercises::ExerciseArea& area, const QString& path) {
    // The caption and the text area name the file by its full path.
    const QString file = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    switch (fileKind(file)) {
    case FileKind::Configuration:
        if (!files::configurationFileFound(file, bench.mainWindow())) return;
        files::loadConfiguration(bench, file, nullptr);
        return;
    case FileKind::Exercise:
        exercises::openExerciseBrowserOn(area, file);
        return;
    case FileKind::Text:
        exercises::openText(area, file);
        return;
    }
}

} // namespace app
