// SPDX-License-Identifier: GPL-3.0-or-later
#include "tableau_request.h"

#include "model/acidbase/catalogue.h"
#include "model/acidbase/indicators.h"
#include "model/amounts.h"
#include "model/bench_limits.h"
#include "model/catalogue.h"
#include "numbers/formats.h"
#include "numbers/reading.h"

#include <algorithm>
#include <array>
#include <map>

namespace app {

namespace {

namespace ab = model::acidbase;

constexpr std::array<std::string_view, 11> valueOptions{
    "--espece",  "--concentration",  "--prelevement", "--titrant", "--eau",    "--indicateur",
    "--reactif", "--volume-reactif", "--jusqua",      "--pas",     "--tableau"};

using model::pipettedLimit;
using model::pipetteVolumes;
constexpr double smallestStep = 0.01; // mL: the table writes volumes to two decimals

std::string fault(const std::string& text) {
    return "titrage\u00A0: " + text + "\n";
}

// A number typed with the decimal comma or point, and nothing else but blanks around it.
std::optional<double> readDecimal(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    const numbers::NumberPrefix read = numbers::readNumber(text, {",.", true});
    if (read.length == 0 || read.length != text.size() || read.overflow) return std::nullopt;
    return read.value;
}

bool isPipette(double volume) {
    return std::find(pipetteVolumes.begin(), pipetteVolumes.end(), volume) != pipetteVolumes.end();
}

// The texts of every species of both families, for the message of an unknown one.
std::string speciesNames() {
    std::string names;
    for (int k = 0; k < ab::titrationCount; ++k)
        names += (names.empty() ? "" : ", ") + std::string(ab::listText(k));
    for (int k = 0; k < model::speciesCount; ++k)
        names += ", " + std::string(model::listText(k));
    return names;
}

std::string indicatorNames() {
    std::string names;
    for (int k = 0; k < ab::indicatorCount; ++k)
        names += (names.empty() ? "" : ", ") + std::string(ab::indicatorFacts(k).name);
    return names;
}

class Reader {
public:
    explicit Reader(std::map<std::string, std::string, std::less<>> values)
        : values_(std::move(values)) {}

    bool has(std::string_view option) const { return values_.count(option) != 0; }
    const std::string& text(std::string_view option) const { return values_.find(option)->second; }

    // The option's number; an error when it is missing (and required), unreadable, or
    // outside [low, high]. `what` says what it is, `unit` follows the limits.
    std::optional<double> number(std::string_view option, const std::string& what, double low,
                                 double high, std::string_view lowText, std::string_view highText,
                                 std::string_view unit, std::optional<double> byDefault = {}) {
        if (!has(option)) {
            if (byDefault) return byDefault;
            error = fault("l'option " + quoted(option) + " est obligatoire (" + what + ").");
            return std::nullopt;
        }
        const auto value = readDecimal(text(option));
        if (!value) {
            error = fault("valeur illisible pour " + quoted(option) +
                          "\u00A0: " + quoted(text(option)) + ".");
            return std::nullopt;
        }
        if (!(*value >= low && *value <= high)) {
            error = fault(what + " (" + quoted(option) + ") doit aller de " + std::string(lowText) +
                          " à " + std::string(highText) + "\u00A0" + std::string(unit) +
                          "\u00A0; " + quoted(text(option)) + " est hors des limites du banc.");
            return std::nullopt;
        }
        return value;
    }

    std::string error;

private:
    std::map<std::string, std::string, std::less<>> values_;
};

// The species, its family and its index, from its text in one of the two lists.
bool findSpecies(std::string_view name, TableauRequest& request) {
    for (int k = 0; k < ab::titrationCount; ++k)
        if (ab::listText(k) == name) {
            request.family = Family::AcidBase;
            request.species = k;
            return true;
        }
    for (int k = 0; k < model::speciesCount; ++k)
        if (model::listText(k) == name) {
            request.family = Family::Redox;
            request.species = k;
            return true;
        }
    return false;
}

std::string notFor(std::string_view option, std::string_view family) {
    return fault("l'option " + quoted(option) + " ne s'applique qu'aux " + std::string(family) +
                 ".");
}

} // namespace

std::string quoted(std::string_view text) {
    return "«\u00A0" + std::string(text) + "\u00A0»";
}

ReadRequest readTableauRequest(std::span<const std::string_view> arguments) {
    for (std::string_view a : arguments)
        if (a == "--help" || a == "-h") return {TableauRequest{.help = true}, {}};

    std::map<std::string, std::string, std::less<>> values;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view option = arguments[i];
        if (option == "--tableau") continue;
        std::optional<std::string_view> value;
        if (const auto equals = option.find('=');
            option.starts_with("--") && equals != option.npos) {
            value = option.substr(equals + 1);
            option = option.substr(0, equals);
        }
        if (std::find(valueOptions.begin(), valueOptions.end(), option) == valueOptions.end() ||
            option == "--tableau")
            return {std::nullopt, fault("option inconnue " + quoted(arguments[i]) + ".")};
        if (!value) {
            if (i + 1 == arguments.size())
                return {std::nullopt, fault("l'option " + quoted(option) + " attend une valeur.")};
            value = arguments[++i];
        }
        values[std::string(option)] = std::string(*value);
    }

    TableauRequest request;
    Reader r(std::move(values));
    if (!r.has("--espece"))
        return {std::nullopt,
                fault("l'option " + quoted("--espece") + " est obligatoire (l'espèce à titrer).")};
    if (!findSpecies(r.text("--espece"), request))
        return {std::nullopt, fault("espèce inconnue " + quoted(r.text("--espece")) +
                                    "\u00A0; espèces possibles\u00A0: " + speciesNames() + ".")};
    const bool acidBase = request.family == Family::AcidBase;

    auto concentration = [&](std::string_view option, const std::string& what,
                             std::optional<double> byDefault = {}) {
        return r.number(option, what, model::minConcentration, model::maxConcentration, "0,0001",
                        "0,2", "mol/L", byDefault);
    };
    const auto c = concentration("--concentration", "la concentration de l'espèce à titrer");
    if (!c) return {std::nullopt, r.error};
    const auto v0 =
        r.number("--prelevement", "le volume prélevé", 0, pipetteVolumes.back(), "0", "20", "mL");
    if (!v0) return {std::nullopt, r.error};
    if (!isPipette(*v0))
        return {
            std::nullopt,
            fault("le volume prélevé (" + quoted("--prelevement") +
                  ") est celui d'une pipette du banc\u00A0: 0, 1, 2, 5, 10 ou 20\u00A0mL\u00A0; " +
                  quoted(r.text("--prelevement")) + " n'en est pas un.")};
    const auto cT = concentration("--titrant", "la concentration de la solution titrante");
    if (!cT) return {std::nullopt, r.error};
    const auto last = r.number("--jusqua", "le dernier volume versé", 0, model::buretteCapacity,
                               "0", "25", "mL", request.lastVolume);
    if (!last) return {std::nullopt, r.error};
    const auto step = r.number("--pas", "le pas du volume versé", smallestStep,
                               model::buretteCapacity, "0,01", "25", "mL", request.step);
    if (!step) return {std::nullopt, r.error};
    request.concentration = *c;
    request.sampleVolume = *v0;
    request.titrant = *cT;
    request.lastVolume = *last;
    request.step = *step;

    const std::string acidBaseTitrations = "titrages acido-basiques";
    if (r.has("--eau") && !acidBase) return {std::nullopt, notFor("--eau", acidBaseTitrations)};
    if (r.has("--indicateur") && !acidBase)
        return {std::nullopt, notFor("--indicateur", acidBaseTitrations)};
    const auto input =
        acidBase ? model::ReagentVolumeInput::None : model::reagentVolumeInput(request.species);
    const std::string indirect =
        "titrages indirects (acide ascorbique, hypochlorite de sodium, sulfate de cuivre II)";
    for (std::string_view option : {"--reactif", "--volume-reactif"})
        if (r.has(option) && input == model::ReagentVolumeInput::None)
            return {std::nullopt, notFor(option, indirect)};

    if (acidBase) {
        const auto water = r.number("--eau", "le volume d'eau ajoutée", 0, ab::maxWaterVolume, "0",
                                    "200", "mL", 0.0);
        if (!water) return {std::nullopt, r.error};
        request.water = *water;
        if (r.has("--indicateur")) {
            request.indicator = ab::findIndicator(r.text("--indicateur"));
            if (request.indicator < 0)
                return {std::nullopt,
                        fault("indicateur inconnu " + quoted(r.text("--indicateur")) +
                              "\u00A0; indicateurs possibles\u00A0: " + indicatorNames() + ".")};
        }
    } else if (input != model::ReagentVolumeInput::None) {
        const auto reagent =
            concentration("--reactif", "la concentration du réactif", request.reagent);
        if (!reagent) return {std::nullopt, r.error};
        const double room = pipettedLimit - request.sampleVolume;
        const auto volume = r.number("--volume-reactif", "le volume du réactif", 0, room, "0",
                                     numbers::formatGeneral(room), "mL", request.reagentVolume);
        if (!volume) return {std::nullopt, r.error};
        if (input == model::ReagentVolumeInput::IodineVolume && !isPipette(*volume))
            return {std::nullopt,
                    fault("le volume de diiode (" + quoted("--volume-reactif") +
                          ") est celui d'une pipette du banc\u00A0: 0, 1, 2, 5, 10 ou "
                          "20\u00A0mL\u00A0; " +
                          quoted(r.text("--volume-reactif")) + " n'en est pas un.")};
        request.reagent = *reagent;
        request.reagentVolume = *volume;
    }
    return {request, {}};
}

} // namespace app
