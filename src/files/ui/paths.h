// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program's files are: the program folder, names found on case-sensitive file
// systems (files copied from Windows keep names whose case may differ from the names that
// other files store for them), and where files go when the program is installed in a folder
// its users cannot write.

#include <QDir>
#include <QString>

namespace files {

// The program folder: the folder of the executable, unless a test chose another.
QString programFolder();
void setProgramFolder(const QString& folder); // empty restores the default

// The entry of folder named name, or else the one entry (among those the filters keep)
// whose name differs from it only in case; empty when there is none or several.
QString entryIgnoringCase(const QString& folder, const QString& name,
                          QDir::Filters filters = QDir::AllEntries | QDir::Hidden |
                                                  QDir::NoDotAndDotDot);

// Whether this user can create a file in folder: it exists, is a folder, and may be written.
bool canWriteInto(const QString& folder);

// The temporary file shared with other programs: in the program folder where it can be
// written, else in the user's own data folder (created when needed).
QString sharedTemporaryFile();

// The path to propose for saving a file: path itself where its folder can be written, else the
// same file name in the user's documents folder (the home folder when there is none).
QString writableSavePath(const QString& path);

} // namespace files
