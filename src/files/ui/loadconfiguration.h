// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving and loading the situation table of the program against a configuration file, with
// the messages, the situation buttons and the caption of the main window.

#include <QString>

class QWidget;

namespace files {

class SituationBench;

// Writes the situations of the bench into path. On success the main window's caption names the
// file; on failure the write message is shown (over parent) and any file that was there is
// left as it was. The caller has already asked about overwriting.
bool saveConfiguration(SituationBench& bench, const QString& path, QWidget* parent);

// Reads the file named into the bench's situation table and shows situation 1 on the bench;
// shows its own messages. openWindowOrNull is the open window when it is showing: it is
// repainted first (its waiting notice) and closed after a load. A file of another program, one
// that cannot be read, or one holding a value that the bench cannot hold (the check of
// files/check/configuration_check.h) changes nothing, the configuration file named by the bench
// included; a file loaded becomes it. True when loaded.
bool loadConfiguration(SituationBench& bench, const QString& name, QWidget* openWindowOrNull);
// The same with the file that the bench's configFile names.
bool loadConfiguration(SituationBench& bench, QWidget* openWindowOrNull);

// Whether name is a file (in any case, as existingFileIgnoringCase finds it); otherwise the
// open window's message says the name is wrong (over parent).
bool configurationFileFound(const QString& name, QWidget* parent);

// The file as named, or, on a case-sensitive file system, the one file of the same folder
// whose name differs only in case (files copied from Windows); path itself when neither.
QString existingFileIgnoringCase(const QString& path);

} // namespace files
