// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading the configuration files.

#include "files/configuration.h"

#include "files/recordfile.h"
#include "numbers/reading.h"
#include "numbers/rounding.h"

namespace files {
namespace {

int textRecord(int situation, int k) {
    return 2 + 9 * situation + k;
}
int choiceRecord(int situation, int j) {
    return 7 + 9 * situation + j;
} // j = 1..3

} // namespace

std::int16_t positionValue(std::string_view text) {
    // A number too large for a double is held at the 16-bit limit of its sign.
    return numbers::nearest(numbers::readNumber(text).value);
}

std::optional<std::string> configurationBytes(const SituationTable& table) {
    RecordFile file;
    bool ok = file.write(1, configurationSignature) == RecordStatus::Ok;
    for (int s = 0; s < situationCount && ok; ++s) {
        for (int k = 0; k < 6 && ok; ++k)
            ok = file.write(textRecord(s, k), table.texts[s][k]) == RecordStatus::Ok;
        for (int j = 1; j <= 3 && ok; ++j)
            ok = file.write(choiceRecord(s, j), std::to_string(table.choices[s][j])) ==
                 RecordStatus::Ok;
    }
    if (!ok) return std::nullopt;
    return file.bytes();
}

WriteResult writeConfiguration(const std::string& path, const SituationTable& table) {
    const auto bytes = configurationBytes(table);
    if (!bytes) return WriteResult::CannotWrite;
    return saveFileSafely(path, *bytes) == RecordStatus::Ok ? WriteResult::Ok
                                                            : WriteResult::CannotWrite;
}

LoadResult readConfiguration(const std::string& path, SituationTable& table) {
    RecordFile file;
    if (RecordFile::load(path, file, configurationRecords) != RecordStatus::Ok)
        return LoadResult::CannotRead;
    return readConfigurationBytes(file.bytes(), table);
}

LoadResult readConfigurationBytes(std::string_view bytes, SituationTable& table) {
    const RecordFile file(
        std::string(bytes.substr(0, std::size_t(configurationRecords) * recordSize)));
    // An empty file holds no signature at all: it is refused as a file of another program.
    if (file.bytes().empty()) return LoadResult::InvalidSignature;
    const RecordText signature = file.read(1);
    if (signature.status != RecordStatus::Ok) return LoadResult::CannotRead;
    if (signature.text != configurationSignature) return LoadResult::InvalidSignature;

    auto text = [&](int record) {
        RecordText r = file.read(record);
        return r.status == RecordStatus::Ok ? std::move(r.text) : std::string();
    };
    for (int s = 0; s < situationCount; ++s) {
        for (int k = 0; k < 6; ++k)
            table.texts[s][k] = text(textRecord(s, k));
        for (int j = 1; j <= 3; ++j)
            table.choices[s][j] = positionValue(text(choiceRecord(s, j)));
    }
    return LoadResult::Ok;
}

} // namespace files
