// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file named on the command line, as the file manager names the file a user double-clicks:
// a configuration goes onto the bench, an exercise file into the exercises window, a rich text
// into the text area.

#include <QString>
#include <QStringList>

namespace files {
class SituationBench;
}
namespace exercises {
class ExerciseArea;
}

namespace app {

enum class FileKind { Configuration, Exercise, Text };

// What a file is by its extension, in any case: ".E44" an exercise file, ".RTF" a rich text,
// anything else a configuration (whose reading checks the signature).
FileKind fileKind(const QString& path);

// The file that the arguments (the program's name first) name: the first argument that is not
// an option ("-" and what begins with it), or the one after "--"; empty when there is none.
QString fileArgument(const QStringList& arguments);

// Opens path where its kind belongs, with the messages of the window that opens that kind when
// it cannot be read; the bench stays as it was then.
void openFile(files::SituationBench& bench, exercises::ExerciseArea& area, const QString& path);

} // namespace app
