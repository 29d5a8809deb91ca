// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/savename.h"

namespace files {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Where the file-name part begins.
std::size_t fileNameStart(std::string_view path, std::string_view separators) {
    const auto last = path.find_last_of(separators);
    return last == std::string_view::npos ? 0 : last + 1;
}

} // namespace

std::string configurationSavePath(std::string_view typed, std::string_view folder,
                                  std::string_view separators) {
    std::string_view name = trimmed(typed);
    for (;;) {
        const std::size_t start = fileNameStart(name, separators);
        const auto dot = name.find_last_of('.');
        if (dot == std::string_view::npos || dot < start) break;
        name = trimmed(name.substr(0, dot));
    }
    if (fileNameStart(name, separators) == name.size()) return {};

    std::string path;
    if (name.find_first_of(separators) == std::string_view::npos) {
        path = folder;
        if (!path.empty() && separators.find(path.back()) == std::string_view::npos)
            path += separators.front();
    }
    path += name;
    path += configurationExtension;
    return path;
}

std::string withoutFolderPart(std::string_view text, std::string_view separators) {
    return std::string(text.substr(fileNameStart(text, separators)));
}

} // namespace files
