// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program's files are: the program folder, the folder of its data, names found on
// case-sensitive file systems (files copied from Windows keep names whose case may differ from
// the names that other files store for them), and where the files the program writes go when
// its folder is not the user's own.

#include <QDir>
#include <QString>

namespace files {

// The program folder: the folder of the executable, unless a test chose another.
QString programFolder();
void setProgramFolder(const QString& folder); // empty restores the default

// The folder of the program's data (help, exercises and their files, getting started): the
// program folder itself where the program was built or copied whole, or, installed, the data
// folder that the installation puts beside the folder of programs (/usr/share/titrage for
// /usr/bin).
QString dataFolder();

// Whether the program folder is the user's own: the program is not installed (its data lie
// beside it) and the folder belongs to this user, who can write into it. Only then does the
// program write its files there; otherwise they go to the user's own folders, root's too.
bool programFolderIsUsersOwn();

// The entry of folder named name, or else the one entry (among those the filters keep)
// whose name differs from it only in case; empty when there is none or several.
QString entryIgnoringCase(const QString& folder, const QString& name,
                          QDir::Filters filters = QDir::AllEntries | QDir::Hidden |
                                                  QDir::NoDotAndDotDot);

// Whether this user can create a file in folder: it exists, is a folder, and may be written.
bool canWriteInto(const QString& folder);

// The user's own data folder, ~/.local/share/titrage ($XDG_DATA_HOME/titrage), created when
// needed, unless a test chose another: what the program keeps for the user from one run to
// the next (the checks of the students' results) goes there.
QString userDataFolder();
void setUserDataFolder(const QString& folder); // empty restores the default

// The temporary file shared with other programs: in the program folder where it is the
// user's own, else in the user's own data folder.
QString sharedTemporaryFile();

// The folder to propose for a file the user saves: folder itself where the user can write into
// it and it is no folder of an installation that is not theirs (the program and data folders);
// else the user's documents folder (the home folder when there is none).
QString writableFolder(const QString& folder);

// The path to propose for saving a file: path itself where writableFolder keeps its folder,
// else the same file name in the folder writableFolder proposes.
QString writableSavePath(const QString& path);

} // namespace files
