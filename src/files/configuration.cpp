// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading the configuration files.

#include "files/configuration.h"

#include "files/recordfile.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace files {
namespace {

int textRecord(int situation, int k) {
    return 2 + 9 * situation + k;
}
int choiceRecord(int situation, int j) {
    return 7 + 9 * situation + j;
} // j = 1..3

// Length of the number that starts text: sign, digits, decimal point, digits, exponent.
std::size_t numberLength(std::string_view text) {
    std::size_t i = 0;
    auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i - start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) return 0;
    const std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (digits() > 0) return i;
    }
    return end;
}

} // namespace

std::int16_t positionValue(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    text.remove_prefix(start);
    std::string_view number = text.substr(0, numberLength(text));
    if (number.empty()) return 0;
    const bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-') number.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // A record holds too few digits for the mantissa alone to leave the range of a
        // double: the sign of the exponent tells tiny (rounds to 0) from huge (held at the
        // 16-bit limit below).
        const bool tiny = number.find("e-") != std::string_view::npos ||
                          number.find("E-") != std::string_view::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (error != std::errc() || end == number.data()) {
        return 0;
    }
    if (negative) value = -value;
    const double rounded = std::nearbyint(value); // the default mode rounds halves to even
    constexpr double low = std::numeric_limits<std::int16_t>::min();
    constexpr double high = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(rounded < low ? low : rounded > high ? high : rounded);
}

WriteResult writeConfiguration(const std::string& path, const SituationTable& table) {
    RecordFile file;
    bool ok = file.write(1, configurationSignature) == RecordStatus::Ok;
    for (int s = 0; s < situationCount && ok; ++s) {
        for (int k = 0; k < 6 && ok; ++k)
            ok = file.write(textRecord(s, k), table.texts[s][k]) == RecordStatus::Ok;
        for (int j = 1; j <= 3 && ok; ++j)
            ok = file.write(choiceRecord(s, j), std::to_string(table.choices[s][j])) ==
                 RecordStatus::Ok;
    }
    if (!ok) return WriteResult::CannotWrite;
    return file.save(path) == RecordStatus::Ok ? WriteResult::Ok : WriteResult::CannotWrite;
}

LoadResult readConfiguration(const std::string& path, SituationTable& table) {
    RecordFile file;
    if (RecordFile::load(path, file, configurationRecords) != RecordStatus::Ok)
        return LoadResult::CannotRead;
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
