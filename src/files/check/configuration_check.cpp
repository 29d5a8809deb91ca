// SPDX-License-Identifier: GPL-3.0-or-later
// The check of a configuration's values against the bench's limits.

#include "files/check/configuration_check.h"

#include "files/unknown_sample.h"
#include "model/acidbase/catalogue.h"
#include "model/acidbase/indicators.h"
#include "model/acidbase/meters.h"
#include "model/bench_limits.h"
#include "model/catalogue.h"
#include "numbers/formats.h"
#include "numbers/reading.h"

#include <limits>
#include <optional>
#include <string_view>

namespace files {
namespace {

namespace ab = model::acidbase;

// French typography: a no-break space inside the guillemets, before the colon and a unit.
constexpr std::string_view nbsp = "\u00A0";

std::string quoted(std::string_view text) {
    return "«" + std::string(nbsp) + std::string(text) + std::string(nbsp) + "»";
}

constexpr double unlimited = std::numeric_limits<double>::infinity();

// A number of the bench and the limits its validation holds it to.
struct Quantity {
    std::string_view name; // as the sentence begins with it
    bool feminine;
    std::string_view unit;
    double lowest;
    double highest = unlimited;
};

constexpr Quantity sampleConcentration{"la concentration de la solution titrée", true, "mol/L",
                                       model::minConcentration, model::maxConcentration};
constexpr Quantity titrantConcentration{"la concentration de la solution titrante", true, "mol/L",
                                        model::minConcentration, model::maxConcentration};
constexpr Quantity reagentConcentration{"la concentration du réactif ajouté", true, "mol/L",
                                        model::minConcentration, model::maxConcentration};
constexpr Quantity iodideVolume{"le volume d'iodure de potassium ajouté", false, "mL", 0,
                                model::pipettedLimit};
constexpr Quantity beakerVolume{"le volume de la solution introduite dans le bécher", false, "mL",
                                0};
constexpr Quantity pouredVolume{"le volume de solution titrante versé", false, "mL", 0,
                                model::pipettedLimit};
constexpr Quantity waterVolume{"le volume d'eau distillée ajoutée", false, "mL", 0,
                               model::sampleAndWaterLimit};

// Why text is not a value of the quantity, the text quoted or not; empty when it is one.
std::string numberProblem(const Quantity& q, const std::string& text, bool quote = true) {
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

bool speciesKnown(int position) {
    return model::isSpecies(position) ||
           (isAcidBasePosition(position) && ab::isTitration(position - acidBaseListStart));
}

bool pipetteKnown(int position) {
    return position >= 0 && position < int(model::pipetteVolumes.size());
}

// The first value of situation s that the bench cannot take; empty when there is none.
std::string situationProblem(const SituationTable& table, int s, bool showSample) {
    const auto& texts = table.texts[std::size_t(s)];
    const auto& choices = table.choices[std::size_t(s)];
    const AcidBaseChoices& acidBase = table.acidBase[std::size_t(s)];
    const std::string checks[] = {
        isUnknownSample(texts[0]) ? std::string()
                                  : numberProblem(sampleConcentration, texts[0], showSample),
        numberProblem(titrantConcentration, texts[1]),
        numberProblem(reagentConcentration, texts[2]),
        numberProblem(iodideVolume, texts[3]),
        numberProblem(beakerVolume, texts[4]),
        numberProblem(pouredVolume, texts[5]),
        positionProblem("la liste des espèces à titrer", choices[1], speciesKnown(choices[1])),
        positionProblem("la liste des volumes de prélèvement", choices[2],
                        pipetteKnown(choices[2])),
        positionProblem("la liste des volumes de diiode ajouté", choices[3],
                        pipetteKnown(choices[3])),
        positionProblem("la case " + quoted("Ajouter du Thiodène"), choices[4],
                        choices[4] == 0 || choices[4] == 1),
        numberProblem(waterVolume, acidBase.water),
        // Position 0 is "aucun", then the indicators of the catalogue.
        positionProblem("la liste des indicateurs colorés", acidBase.indicator,
                        acidBase.indicator >= 0 && acidBase.indicator <= ab::indicatorCount),
        positionProblem("la liste des sondes de mesure", acidBase.probe,
                        acidBase.probe >= 0 && acidBase.probe < ab::probeCount),
    };
    for (const std::string& problem : checks)
        if (!problem.empty()) return problem;
    return {};
}

} // namespace

std::string configurationProblem(const SituationTable& table, bool showSample) {
    for (int s = 0; s < situationCount; ++s) {
        const std::string problem = situationProblem(table, s, showSample);
        if (!problem.empty())
            return "Situation n°" + std::string(nbsp) + std::to_string(s + 1) + std::string(nbsp) +
                   ": " + problem;
    }
    return {};
}

} // namespace files
