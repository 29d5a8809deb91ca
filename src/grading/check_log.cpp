// SPDX-License-Identifier: GPL-3.0-or-later
#include "grading/check_log.h"

#include "numbers/reading.h"

#include <array>
#include <optional>

namespace grading {
namespace {

constexpr std::size_t fieldCount = 7;
constexpr std::string_view compatibleWord = "compatible";
constexpr std::string_view incompatibleWord = "non compatible";
constexpr std::string_view refusedWord = "refusée";

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::optional<std::string> unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

// A positive finite number.
std::optional<double> positive(std::string_view text) {
    const std::optional<double> x = numbers::parseNumberText(text);
    if (!x || !(*x > 0)) return std::nullopt;
    return x;
}

// "d,d" from 0,0 to 3,0: z as a check shows it.
bool isShownZ(std::string_view z) {
    if (z.size() != 3 || z[1] != ',' || z[0] < '0' || z[0] > '3' || z[2] < '0' || z[2] > '9')
        return false;
    return z[0] < '3' || z[2] == '0';
}

std::optional<KeptCheck> readLine(std::string_view line) {
    std::array<std::string, fieldCount> fields;
    std::size_t n = 0;
    for (;;) {
        const std::size_t tab = line.find('\t');
        if (n == fieldCount) return std::nullopt;
        const auto field = unescaped(line.substr(0, tab));
        if (!field) return std::nullopt;
        fields[n++] = *field;
        if (tab == std::string_view::npos) break;
        line.remove_prefix(tab + 1);
    }
    if (n != fieldCount || fields[0].empty()) return std::nullopt;
    KeptCheck kept;
    kept.exercise = fields[0];
    kept.student = fields[1];
    ResultCheck& check = kept.check;
    check.concentrationText = fields[2];
    check.uncertaintyText = fields[3];
    const std::string& outcome = fields[4];
    const std::string& z = fields[5];
    if (outcome == refusedWord) {
        if (fields[6].empty() || !z.empty()) return std::nullopt;
        check.refusal = fields[6];
        return kept;
    }
    if (outcome != compatibleWord && outcome != incompatibleWord) return std::nullopt;
    const auto c = positive(check.concentrationText);
    const auto u = positive(check.uncertaintyText);
    if (!c || !u || !fields[6].empty()) return std::nullopt;
    if (!z.empty() && !isShownZ(z)) return std::nullopt;
    check.concentration = *c;
    check.uncertainty = *u;
    check.zText = z;
    check.compatible = !z.empty() && *numbers::parseNumberText(z) <= compatibilityLimit;
    if (check.compatible != (outcome == compatibleWord)) return std::nullopt;
    return kept;
}

} // namespace

std::string checkLogLine(const KeptCheck& kept) {
    const ResultCheck& check = kept.check;
    const std::string_view outcome = !check.made()      ? refusedWord
                                     : check.compatible ? compatibleWord
                                                        : incompatibleWord;
    const std::array<std::string_view, fieldCount> fields = {
        kept.exercise, kept.student, check.concentrationText, check.uncertaintyText, outcome,
        check.zText,   check.refusal};
    std::string line;
    for (std::size_t i = 0; i < fieldCount; ++i)
        line += (i == 0 ? "" : "\t") + escaped(fields[i]);
    return line;
}

std::string checkLogText(const std::vector<KeptCheck>& checks) {
    std::string text = std::string(checkLogHeader) + "\n";
    for (const KeptCheck& kept : checks)
        text += checkLogLine(kept) + "\n";
    return text;
}

std::vector<KeptCheck> readCheckLog(std::string_view bytes) {
    std::vector<KeptCheck> checks;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        // A line end of a file copied through Windows.
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (auto kept = readLine(line)) checks.push_back(std::move(*kept));
        if (end == std::string_view::npos) break;
        bytes.remove_prefix(end + 1);
    }
    return checks;
}

} // namespace grading
