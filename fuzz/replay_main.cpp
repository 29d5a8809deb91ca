// SPDX-License-Identifier: GPL-3.0-or-later
// Replays the inputs kept for a fuzz target (the files of the folders given) through the
// target, as an ordinary test of the program: an input that crashes the target or breaks one
// of its properties ends the test with a failure.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) __attribute__((weak));

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    std::vector<std::filesystem::path> inputs;
    for (int k = 1; k < argc; ++k) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[k], ec))
            if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
                inputs.push_back(entry.path());
        if (ec) {
            std::fprintf(stderr, "cannot read the folder %s\n", argv[k]);
            return 1;
        }
    }
    if (inputs.empty()) {
        std::fprintf(stderr, "no input to replay\n");
        return 1;
    }
    for (const auto& path : inputs) {
        std::ifstream in(path, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        std::fprintf(stderr, "%s\n", path.c_str());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed without a fault\n", inputs.size());
    return 0;
}
