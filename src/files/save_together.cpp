// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/save_together.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

namespace files {

namespace fs = std::filesystem;

namespace {

SaveProblem problemOf(int error, bool creating) {
    switch (error) {
    case EACCES:
    case EPERM:
        return creating ? SaveProblem::FolderProtected : SaveProblem::FileProtected;
    case EROFS:
        return SaveProblem::ReadOnlyDisk;
    case ENOSPC:
    case EDQUOT:
        return SaveProblem::DiskFull;
    case ENOENT:
    case ENOTDIR:
        return SaveProblem::FolderMissing;
    case EISDIR:
        return SaveProblem::NotAFile;
    default:
        return SaveProblem::Other;
    }
}

// A file of the set on its way: where it goes, its new content written beside it, and the
// old file set aside while the set is replaced.
struct Pending {
    fs::path target;
    fs::path temporary;
    fs::path setAside;
    bool existed = false;
    bool replaced = false;
};

// A name beside `target` that no file has yet, created empty and open for writing.
std::FILE* createBeside(const fs::path& target, const char* kind, fs::path& name,
                        std::mt19937& generator) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = target;
        name += kind + std::to_string(generator() % 1000000);
        if (std::FILE* out = std::fopen(name.string().c_str(), "wbx")) return out;
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

// Checks the place of one file and writes its new content beside it.
std::optional<SaveFailure> prepare(const FileToSave& file, Pending& p, std::mt19937& generator) {
    std::error_code ec;
    p.target = file.path;
    // Through a link, the file the link names is the one replaced.
    if (fs::is_symlink(p.target, ec)) {
        const fs::path resolved = fs::weakly_canonical(p.target, ec);
        if (ec) return SaveFailure{file.path, problemOf(ec.value(), false), ec.value()};
        p.target = resolved;
    }
    p.existed = fs::exists(p.target, ec);
    if (p.existed) {
        if (!fs::is_regular_file(p.target, ec))
            return SaveFailure{file.path, SaveProblem::NotAFile};
        // A protected file stays protected: opening it to append (and writing nothing) tells
        // whether it may be written.
        std::FILE* probe = std::fopen(p.target.string().c_str(), "ab");
        if (!probe) return SaveFailure{file.path, problemOf(errno, false), errno};
        std::fclose(probe);
    }
    std::FILE* out = createBeside(p.target, ".tmp", p.temporary, generator);
    if (!out) {
        p.temporary.clear();
        return SaveFailure{file.path, problemOf(errno, true), errno};
    }
    errno = 0;
    bool ok = std::fwrite(file.bytes.data(), 1, file.bytes.size(), out) == file.bytes.size();
    ok = std::fflush(out) == 0 && ok;
    const int error = errno;
    ok = std::fclose(out) == 0 && ok;
    if (!ok) return SaveFailure{file.path, problemOf(error ? error : errno, true), error};
    if (p.existed) {
        // The new file keeps the permissions of the one it replaces.
        const auto permissions = fs::status(p.target, ec).permissions();
        if (!ec) fs::permissions(p.temporary, permissions, ec);
    }
    return std::nullopt;
}

// Puts back what replace() had done, last file first.
void undo(std::vector<Pending>& pending, const RenameFunction& rename) {
    std::error_code ec;
    for (auto p = pending.rbegin(); p != pending.rend(); ++p) {
        if (p->replaced) {
            // The new file goes back to its temporary name, to be removed below.
            rename(p->target.string(), p->temporary.string());
            p->replaced = false;
        }
        if (!p->setAside.empty() && !fs::exists(p->target, ec))
            rename(p->setAside.string(), p->target.string());
        p->setAside.clear();
    }
}

void removeTemporaries(const std::vector<Pending>& pending) {
    std::error_code ec;
    for (const Pending& p : pending) {
        if (!p.temporary.empty()) fs::remove(p.temporary, ec);
        if (!p.setAside.empty()) fs::remove(p.setAside, ec);
    }
}

} // namespace

std::optional<SaveFailure> saveFilesTogether(const std::vector<FileToSave>& files) {
    return saveFilesTogether(files, [](const std::string& from, const std::string& to) {
        std::error_code ec;
        fs::rename(from, to, ec);
        return !ec;
    });
}

std::optional<SaveFailure> saveFilesTogether(const std::vector<FileToSave>& files,
                                             const RenameFunction& rename) {
    std::random_device seed;
    std::mt19937 generator(seed());
    std::vector<Pending> pending(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (auto failure = prepare(files[i], pending[i], generator)) {
            removeTemporaries(pending);
            return failure;
        }
    }
    // Every new content is written: the old files are set aside, the new ones take their
    // names. A rename that fails puts everything back.
    for (std::size_t i = 0; i < files.size(); ++i) {
        Pending& p = pending[i];
        bool ok = true;
        if (p.existed) {
            std::FILE* reserved = createBeside(p.target, ".old", p.setAside, generator);
            ok = reserved != nullptr;
            if (reserved) std::fclose(reserved);
            ok = ok && rename(p.target.string(), p.setAside.string());
            if (!ok && reserved) {
                std::error_code ec;
                fs::remove(p.setAside, ec);
                p.setAside.clear();
            }
        }
        ok = ok && rename(p.temporary.string(), p.target.string());
        if (!ok) {
            const int error = errno;
            undo(pending, rename);
            removeTemporaries(pending);
            return SaveFailure{files[i].path, problemOf(error, true), error};
        }
        p.replaced = true;
    }
    for (Pending& p : pending)
        p.temporary.clear(); // now the files themselves
    removeTemporaries(pending);
    return std::nullopt;
}

} // namespace files
