// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folders of a random run of the program: every place where it may write (home, the XDG
// folders, the temporary folder, the program folder, the current folder) is a scratch folder,
// and after the run the places outside it are searched for files the run wrote.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace guifuzz {

class Sandbox {
public:
    // Makes the scratch folders, points the environment and the current folder at them and
    // copies the program's data (exercises, texts, configurations) into the program folder
    // and the current folder. Call before the application exists.
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    std::filesystem::path root, program, work;

    bool holds(const std::filesystem::path& path) const;
    // Files that are new, or hold other bytes, since the sandbox was made, in the places a run
    // of the program could reach outside it: the folder and program folder of the build, the
    // source data, the real home's folders of the program, the program's files in the real
    // home and temporary folder. Contents are compared, not times: other tests running beside
    // this one may copy the same data into the build's program folder again.
    std::vector<std::string> filesWrittenOutside() const;
    // Keeps the scratch folders when the run failed, for a look at what it left.
    void keep() { keep_ = true; }

private:
    // Each file of those places, with its size and a hash of its bytes.
    using Snapshot = std::map<std::string, std::pair<std::uintmax_t, std::size_t>>;
    Snapshot snapshot() const;

    std::filesystem::path realCwd_, realHome_, realTmp_;
    Snapshot before_;
    bool keep_ = false;
};

// The resident memory of this process, in bytes (/proc/self/statm).
long long residentBytes();

} // namespace guifuzz
