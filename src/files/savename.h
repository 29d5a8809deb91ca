// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rule that turns the name typed in the save window into the full path of a
// configuration file.

#include <string>
#include <string_view>

namespace files {

// The characters that separate folders: the first one is used when joining.
#ifdef _WIN32
inline constexpr std::string_view pathSeparators = "\\/";
#else
inline constexpr std::string_view pathSeparators = "/";
#endif

inline constexpr std::string_view configurationExtension = ".C17";

// The full path for a typed name: blanks at both ends removed, every extension of the file
// name dropped (a "." in a folder part stays), the folder put in front of a bare name, and
// ".C17" appended. Empty when no file name is left (blanks, an extension alone, a folder
// alone).
std::string configurationSavePath(std::string_view typed, std::string_view folder,
                                  std::string_view separators = pathSeparators);

// The text without its folder part: everything up to and including the last separator.
std::string withoutFolderPart(std::string_view text, std::string_view separators = pathSeparators);

} // namespace files
