// SPDX-License-Identifier: GPL-3.0-or-later
#include "grading/unknown_records.h"

#include "french_text.h"
#include "numbers/formats.h"
#include "numbers/reading.h"

#include <vector>

namespace grading {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> parts(std::string_view text) {
    std::vector<std::string_view> out;
    for (;;) {
        const std::size_t semicolon = text.find(';');
        out.push_back(trimmed(text.substr(0, semicolon)));
        if (semicolon == std::string_view::npos) return out;
        text.remove_prefix(semicolon + 1);
    }
}

std::optional<int> wholeNumber(std::string_view text) {
    if (text.empty() || text.size() > 2) return {};
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return {};
        value = value * 10 + (c - '0');
    }
    return value;
}

using RangeOutcome = Outcome<ConcentrationRange>;
using RecordsOutcome = Outcome<std::optional<ExerciseUnknown>>;

} // namespace

std::string rangeText(const ConcentrationRange& range) {
    return numbers::formatGeneral(range.lowest) + ";" + numbers::formatGeneral(range.highest) +
           ";" + std::to_string(range.digits);
}

Outcome<ConcentrationRange> parseRange(std::string_view text) {
    const std::vector<std::string_view> fields = parts(text);
    if (fields.size() != 3)
        return RangeOutcome::failure(
            "La plage de concentrations " + quoted(trimmed(text)) +
            " n'a pas trois parties séparées par " + quoted(";") + std::string(nbsp) +
            ": la plus basse, la plus haute et le nombre de chiffres significatifs.");
    ConcentrationRange range;
    const std::string_view names[] = {"basse", "haute"};
    double* bounds[] = {&range.lowest, &range.highest};
    for (int i = 0; i < 2; ++i) {
        const std::optional<double> value = numbers::parseNumberText(fields[i]);
        if (!value)
            return RangeOutcome::failure("La concentration la plus " + std::string(names[i]) + " " +
                                         quoted(fields[i]) + " n'est pas un nombre.");
        *bounds[i] = *value;
    }
    const std::optional<int> digits = wholeNumber(fields[2]);
    if (!digits)
        return RangeOutcome::failure("Le nombre de chiffres significatifs " + quoted(fields[2]) +
                                     " n'est pas un nombre entier.");
    range.digits = *digits;
    if (std::string problem = rangeProblem(range); !problem.empty())
        return RangeOutcome::failure(std::move(problem));
    return RangeOutcome::success(range);
}

Outcome<std::optional<ExerciseUnknown>> readUnknownRecords(std::string_view rangeRecordText,
                                                           std::string_view keyRecordText) {
    const std::string_view rangePart = trimmed(rangeRecordText);
    const std::string_view keyPart = trimmed(keyRecordText);
    if (rangePart.empty() && keyPart.empty()) return RecordsOutcome::success(std::nullopt);
    if (keyPart.empty())
        return RecordsOutcome::failure(
            "L'exercice donne une plage de concentrations sans la clé qui tire la valeur de "
            "chaque élève.");
    if (rangePart.empty())
        return RecordsOutcome::failure(
            "L'exercice donne une clé sans la plage de concentrations où tirer la valeur de "
            "chaque élève.");
    const Outcome<ConcentrationRange> range = parseRange(rangePart);
    if (!range) return RecordsOutcome::failure(range.reason);
    const std::optional<ExerciseKey> key = parseKey(keyPart);
    if (!key)
        return RecordsOutcome::failure("La clé de l'exercice " + quoted(keyPart) +
                                       " n'est pas valide" + std::string(nbsp) +
                                       ": elle compte seize chiffres hexadécimaux.");
    return RecordsOutcome::success(ExerciseUnknown{*range, *key});
}

} // namespace grading
