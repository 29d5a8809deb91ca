// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/check/value_problems.h"

#include "numbers/formats.h"
#include "numbers/reading.h"

#include <optional>

namespace files {
namespace {

// French typography: a no-break space inside the guillemets, before the colon and a unit.
constexpr std::string_view nbsp = "\u00A0";

} // namespace

std::string quoted(std::string_view text) {
    return "«" + std::string(nbsp) + std::string(text) + std::string(nbsp) + "»";
}

std::string numberProblem(const Quantity& q, const std::string& text, bool quote) {
    const std::string begin = std::string(q.name) + (quote ? " " + quoted(text) : std::string());
    const std::optional<double> read = numbers::parseNumberText(text);
    if (!read) return begin + " n'est pas un nombre.";
    // The bench reads its boxes in single precision.
    const float x = static_cast<float>(*read);
    if (x >= static_cast<float>(q.lowest) && x <= static_cast<float>(q.highest)) return {};
    if (q.highest == unlimited) return begin + (q.feminine ? " est négative." : " est négatif.");
    return begin + (q.feminine ? " n'est pas comprise entre " : " n'est pas compris entre ") +
           numbers::formatGeneral(q.lowest) + " et " + numbers::formatGeneral(q.highest) +
           std::string(nbsp) + std::string(q.unit) + ".";
}

std::string positionProblem(std::string_view list, int position, bool known) {
    if (known) return {};
    return std::string(list) + " n'a pas de choix " + quoted(std::to_string(position)) + ".";
}

} // namespace files
