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
// The family choices of a situation: k = 0 water, 1 indicator, 2 probe.
int familyRecord(int situation, int k) {
    return configurationRecords + 1 + 3 * situation + k;
}

bool writeFamilyChoices(RecordFile& file, const SituationTable& table) {
    bool ok = true;
    for (int s = 0; s < situationCount && ok; ++s) {
        const FamilyChoices& c = table.family[s];
        ok = file.write(familyRecord(s, 0), c.water) == RecordStatus::Ok &&
             file.write(familyRecord(s, 1), std::to_string(c.indicator)) == RecordStatus::Ok &&
             file.write(familyRecord(s, 2), std::to_string(c.probe)) == RecordStatus::Ok;
    }
    return ok;
}

// The family records of every situation; false when one of them cannot be read.
bool readFamilyChoices(const RecordFile& file, SituationTable& table) {
    for (int s = 0; s < situationCount; ++s) {
        std::array<RecordText, 3> r;
        for (int k = 0; k < 3; ++k) {
            r[k] = file.read(familyRecord(s, k));
            if (r[k].status != RecordStatus::Ok) return false;
        }
        table.family[s] = {r[0].text, positionValue(r[1].text), positionValue(r[2].text)};
    }
    return true;
}

} // namespace

std::int16_t positionValue(std::string_view text) {
    // A number too large for a double is held at the 16-bit limit of its sign.
    return numbers::nearest(numbers::readNumber(text).value);
}

std::optional<std::string> configurationBytes(const SituationTable& table) {
    RecordFile file;
    const bool extended = table.holdsFamilyChoices();
    bool ok = file.write(1, extended ? extendedConfigurationSignature : configurationSignature) ==
              RecordStatus::Ok;
    for (int s = 0; s < situationCount && ok; ++s) {
        for (int k = 0; k < 6 && ok; ++k)
            ok = file.write(textRecord(s, k), table.texts[s][k]) == RecordStatus::Ok;
        for (int j = 1; j <= 3 && ok; ++j)
            ok = file.write(choiceRecord(s, j), std::to_string(table.choices[s][j])) ==
                 RecordStatus::Ok;
    }
    if (ok && extended) ok = writeFamilyChoices(file, table);
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
    if (RecordFile::load(path, file, extendedConfigurationRecords) != RecordStatus::Ok)
        return LoadResult::CannotRead;
    return readConfigurationBytes(file.bytes(), table);
}

LoadResult readConfigurationBytes(std::string_view bytes, SituationTable& table) {
    // An empty file holds no signature at all: it is refused as a file of another program.
    if (bytes.empty()) return LoadResult::InvalidSignature;
    const RecordText signature = RecordFile(std::string(bytes.substr(0, recordSize))).read(1);
    if (signature.status != RecordStatus::Ok) return LoadResult::CannotRead;
    const bool extended = signature.text == extendedConfigurationSignature;
    if (!extended && signature.text != configurationSignature) return LoadResult::InvalidSignature;
    const int records = extended ? extendedConfigurationRecords : configurationRecords;
    const RecordFile file(std::string(bytes.substr(0, std::size_t(records) * recordSize)));

    SituationTable read = table;
    if (extended) {
        if (!readFamilyChoices(file, read)) return LoadResult::Damaged;
    } else {
        read.family.fill({});
    }

    auto text = [&](int record) {
        RecordText r = file.read(record);
        return r.status == RecordStatus::Ok ? std::move(r.text) : std::string();
    };
    for (int s = 0; s < situationCount; ++s) {
        for (int k = 0; k < 6; ++k)
            read.texts[s][k] = text(textRecord(s, k));
        for (int j = 1; j <= 3; ++j)
            read.choices[s][j] = positionValue(text(choiceRecord(s, j)));
    }
    table = std::move(read);
    return LoadResult::Ok;
}

} // namespace files
