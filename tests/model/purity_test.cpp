// SPDX-License-Identifier: GPL-3.0-or-later
// The model is pure C++: none of its files may include a Qt header.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

TEST(ModelPurity, NoQtHeaderInTheModelFolder) {
    const std::filesystem::path folder = std::filesystem::path(TITRAGE_SOURCE_DIR) / "src/model";
    int scanned = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const auto ext = entry.path().extension();
        if (ext != ".h" && ext != ".cpp") continue;
        ++scanned;
        std::ifstream file(entry.path());
        std::string line;
        while (std::getline(file, line)) {
            EXPECT_EQ(line.find("#include <Q"), std::string::npos) << entry.path() << ": " << line;
            EXPECT_EQ(line.find("#include \"Q"), std::string::npos) << entry.path() << ": " << line;
        }
    }
    EXPECT_GE(scanned, 6);
}

} // namespace
