// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folders of a random run of the program: every place where it may write (home, the XDG
// folders, the temporary folder, the program folder, the current folder) is a scratch folder,
// and after the run the places outside it are searched for files the run wrote.

#include <filesystem>
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
    // Files written since the sandbox was made in the places a run of the program could
    // reach outside it: the folder and program folder of the build, the source data, the real
    // home's folders of the program, and the program's files in the real temporary folder.
    std::vector<std::string> filesWrittenOutside() const;
    // Keeps the scratch folders when the run failed, for a look at what it left.
    void keep() { keep_ = true; }

private:
    std::filesystem::file_time_type start_;
    std::filesystem::path realCwd_, realHome_, realTmp_;
    bool keep_ = false;
};

// The resident memory of this process, in bytes (/proc/self/statm).
long long residentBytes();

} // namespace guifuzz
