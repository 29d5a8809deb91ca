// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Several files that belong together (the files of an exercise) replaced as one: each new
// content is first written beside its file under a temporary name, and only once all of them
// are written are the files replaced, one rename each. If anything fails, every file is left
// as it was and no temporary file stays behind.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace files {

struct FileToSave {
    std::string path;
    std::string bytes;
};

// Why a file could not be written.
enum class SaveProblem {
    NotAFile,        // a folder, or something else than a file, has the file's name
    FileProtected,   // the file exists and may not be written
    FolderProtected, // the folder may not be written
    FolderMissing,   // the folder does not exist
    ReadOnlyDisk,    // the disk is mounted read-only
    DiskFull,        // no room left on the disk
    Other,           // another error of the system (errorNumber says which)
};

struct SaveFailure {
    std::string path; // the file that could not be written
    SaveProblem problem;
    int errorNumber = 0; // the system's error number, when there is one
};

// Writes every file, or none: empty when all were replaced (or created), else the first
// file that failed and why, the folder left as it was found.
std::optional<SaveFailure> saveFilesTogether(const std::vector<FileToSave>& files);

// The same, with the renaming done by `rename` (from, to; false on failure), so that a test can
// make the replacement fail half-way.
using RenameFunction = std::function<bool(const std::string& from, const std::string& to)>;
std::optional<SaveFailure> saveFilesTogether(const std::vector<FileToSave>& files,
                                             const RenameFunction& rename);

} // namespace files
