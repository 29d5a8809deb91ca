// SPDX-License-Identifier: GPL-3.0-or-later
// The check of a configuration's values against the bench's limits.

#include "files/check/configuration_check.h"

#include "files/check/value_problems.h"
#include "files/unknown_sample.h"
#include "model/bench_limits.h"
#include "model/catalogue.h"

namespace files {
namespace {

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

bool pipetteKnown(int position) {
    return position >= 0 && position < int(model::pipetteVolumes.size());
}

// The first value of situation s that the bench cannot take; empty when there is none.
std::string situationProblem(const SituationTable& table, const FamilyRules& families, int s,
                             bool showSample) {
    const auto& texts = table.texts[std::size_t(s)];
    const auto& choices = table.choices[std::size_t(s)];
    const std::string checks[] = {
        isUnknownSample(texts[0]) ? std::string()
                                  : numberProblem(sampleConcentration, texts[0], showSample),
        numberProblem(titrantConcentration, texts[1]),
        numberProblem(reagentConcentration, texts[2]),
        numberProblem(iodideVolume, texts[3]),
        numberProblem(beakerVolume, texts[4]),
        numberProblem(pouredVolume, texts[5]),
        positionProblem("la liste des espèces à titrer", choices[1],
                        families.knowsPosition(choices[1])),
        positionProblem("la liste des volumes de prélèvement", choices[2],
                        pipetteKnown(choices[2])),
        positionProblem("la liste des volumes de diiode ajouté", choices[3],
                        pipetteKnown(choices[3])),
        positionProblem("la case " + quoted("Ajouter du Thiodène"), choices[4],
                        choices[4] == 0 || choices[4] == 1),
        families.choicesProblem(table.family[std::size_t(s)]),
    };
    for (const std::string& problem : checks)
        if (!problem.empty()) return problem;
    return {};
}

} // namespace

std::string configurationProblem(const SituationTable& table, const FamilyRules& families,
                                 bool showSample) {
    for (int s = 0; s < situationCount; ++s) {
        const std::string problem = situationProblem(table, families, s, showSample);
        if (!problem.empty())
            return "Situation n°\u00A0" + std::to_string(s + 1) + "\u00A0: " + problem;
    }
    return {};
}

} // namespace files
