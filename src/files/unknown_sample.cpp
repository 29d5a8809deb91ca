// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/unknown_sample.h"

#include "files/configuration.h"
#include "files/recordfile.h"
#include "numbers/reading.h"

#include <utility>

namespace files {
namespace {

// The record of situation s's concentration to find (record 2 + 9s).
int sampleRecord(int situation) {
    return 2 + 9 * situation;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

bool isUnknownSample(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text == unknownSampleText;
}

void markUnknownSample(SituationTable& table) {
    for (auto& texts : table.texts)
        texts[0] = std::string(unknownSampleText);
}

std::optional<std::string> markUnknownSample(std::string_view configurationBytes) {
    std::string bytes(configurationBytes);
    // A last record cut short of its text reads as nothing: dropped, so that the records
    // written after it do not complete it with their zeros into a text it never held.
    if (const std::size_t cut = bytes.size() % recordSize; cut != 0) {
        const int last = int(bytes.size() / recordSize) + 1;
        if (RecordFile(bytes).read(last).status != RecordStatus::Ok)
            bytes.resize(bytes.size() - cut);
    }
    RecordFile file{std::move(bytes)};
    const RecordText signature = file.read(1);
    if (signature.status != RecordStatus::Ok || signature.text != configurationSignature)
        return std::nullopt;
    for (int s = 0; s < situationCount; ++s)
        file.write(sampleRecord(s), unknownSampleText);
    return file.bytes();
}

bool HiddenSamples::held() const {
    for (const auto& sample : samples_)
        if (sample) return true;
    return false;
}

bool HiddenSamples::holdsStudentsOwn() const {
    for (const auto& sample : samples_)
        if (sample && sample->typed.empty()) return true;
    return false;
}

void HiddenSamples::seal(SituationTable& table, std::optional<double> own) {
    for (int s = 0; s < situationCount; ++s) {
        std::string& text = table.texts[std::size_t(s)][0];
        auto& sample = samples_[std::size_t(s)];
        if (own)
            sample = HiddenSample{*own, {}};
        else if (!isUnknownSample(text))
            sample = HiddenSample{numbers::parseBenchDouble(text), text};
        text = std::string(unknownSampleText);
    }
}

std::optional<double> HiddenSamples::value(int situation, std::string_view text) const {
    if (situation < 0 || situation >= situationCount || !isUnknownSample(text)) return {};
    const auto& sample = samples_[std::size_t(situation)];
    if (!sample) return {};
    return sample->value;
}

SituationTable HiddenSamples::unsealed(SituationTable table) const {
    for (int s = 0; s < situationCount; ++s) {
        std::string& text = table.texts[std::size_t(s)][0];
        const auto& sample = samples_[std::size_t(s)];
        if (sample && !sample->typed.empty() && isUnknownSample(text)) text = sample->typed;
    }
    return table;
}

void HiddenSamples::end(SituationTable& table, std::string_view start) {
    for (auto& texts : table.texts)
        if (isUnknownSample(texts[0])) texts[0] = std::string(start);
    samples_.fill(std::nullopt);
}

} // namespace files
