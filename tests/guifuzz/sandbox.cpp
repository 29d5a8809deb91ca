// SPDX-License-Identifier: GPL-3.0-or-later
#include "guifuzz/sandbox.h"

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <system_error>
#include <unistd.h>

namespace guifuzz {

namespace fs = std::filesystem;

namespace {

fs::path envPath(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return value && *value ? fs::path(value) : fs::path(fallback);
}

void setEnv(const char* name, const fs::path& folder) {
    fs::create_directories(folder);
    ::setenv(name, folder.c_str(), 1);
}

std::string lowerName(const fs::path& path) {
    std::string name = path.filename().string();
    for (char& c : name)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

// The files the program writes, by their names.
bool isProgramFile(const fs::path& path) {
    const std::string name = lowerName(path);
    for (const char* end : {".c17", ".e44", ".rtf", ".pem", ".pdf", ".tmp"})
        if (name.size() >= 4 && name.compare(name.size() - 4, 4, end) == 0) return true;
    return name.find("titrage") != std::string::npos;
}

// The program's own files in a temporary folder that other programs share.
bool isOwnTemporaryFile(const fs::path& path) {
    const std::string name = lowerName(path);
    return name == "templu.tmp" || name.find("titrage") != std::string::npos;
}

// The bytes of a file, hashed (large files by their size alone).
std::size_t contentHash(const fs::path& path, std::uintmax_t size) {
    if (size > (4u << 20)) return 0;
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    return std::hash<std::string>{}(bytes);
}

} // namespace

Sandbox::Sandbox()
    : realCwd_(fs::current_path()), realHome_(envPath("HOME", "/root")),
      realTmp_(envPath("TMPDIR", "/tmp")) {
    std::string pattern = (realTmp_ / "titrage-guifuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make the scratch folder");
    root = pattern;
    program = root / "program";
    work = root / "work";
    setEnv("HOME", root / "home");
    setEnv("XDG_CONFIG_HOME", root / "home/.config");
    setEnv("XDG_DATA_HOME", root / "home/.local/share");
    setEnv("XDG_CACHE_HOME", root / "home/.cache");
    setEnv("XDG_STATE_HOME", root / "home/.local/state");
    setEnv("XDG_RUNTIME_DIR", root / "runtime");
    fs::permissions(root / "runtime", fs::perms::owner_all);
    setEnv("TMPDIR", root / "tmp");
    fs::create_directories(root / "home/Documents");
    fs::create_directories(work);
    fs::copy(fs::path(TITRAGE_SOURCE_DIR) / "data", program, fs::copy_options::recursive);
    // A few files to open beside those of the program, and one that is none of its files.
    for (const char* name : {"CUIVRE.C17", "CUIVRE.RTF", "CUIVRE.E44"})
        fs::copy_file(program / name, work / name);
    std::ofstream(work / "NOTES.RTF") << "pas du RTF";
    before_ = snapshot();
    fs::current_path(work);
}

Sandbox::~Sandbox() {
    std::error_code ec;
    fs::current_path(realCwd_, ec);
    if (!keep_) fs::remove_all(root, ec);
}

bool Sandbox::holds(const fs::path& path) const {
    const fs::path p = path.lexically_normal();
    auto r = root.begin();
    for (auto it = p.begin(); r != root.end(); ++it, ++r)
        if (it == p.end() || *it != *r) return false;
    return true;
}

Sandbox::Snapshot Sandbox::snapshot() const {
    Snapshot files;
    auto search = [&](const fs::path& folder, bool deep, bool (*wanted)(const fs::path&)) {
        std::error_code ec;
        if (!fs::is_directory(folder, ec)) return;
        auto note = [&](const fs::directory_entry& entry) {
            std::error_code e;
            if (!entry.is_regular_file(e) || holds(entry.path())) return;
            if (wanted && !wanted(entry.path())) return;
            const std::uintmax_t size = entry.file_size(e);
            if (!e) files[entry.path().string()] = {size, contentHash(entry.path(), size)};
        };
        if (deep) {
            for (const auto& entry : fs::recursive_directory_iterator(
                     folder, fs::directory_options::skip_permission_denied, ec))
                note(entry);
        } else {
            for (const auto& entry : fs::directory_iterator(folder, ec))
                note(entry);
        }
    };
    search(realCwd_, false, nullptr); // what the program names without a folder lands here
    search(TITRAGE_BUILD_PROGRAM_DIR, true, nullptr);
    search(fs::path(TITRAGE_SOURCE_DIR) / "data", true, nullptr);
    for (const char* folder : {".local/share/titrage", ".config/titrage", ".qttest", "Documents"})
        search(realHome_ / folder, true, nullptr);
    search(realHome_, false, isProgramFile);
    search(realTmp_, false, isOwnTemporaryFile);
    return files;
}

std::vector<std::string> Sandbox::filesWrittenOutside() const {
    std::vector<std::string> found;
    for (const auto& [path, content] : snapshot())
        if (const auto was = before_.find(path); was == before_.end() || was->second != content)
            found.push_back(path);
    return found;
}

long long residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * ::sysconf(_SC_PAGESIZE);
}

} // namespace guifuzz
