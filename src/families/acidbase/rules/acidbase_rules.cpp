// SPDX-License-Identifier: GPL-3.0-or-later
#include "families/acidbase/rules/acidbase_rules.h"

#include "files/check/value_problems.h"
#include "model/acidbase/catalogue.h"
#include "model/acidbase/indicators.h"
#include "model/acidbase/meters.h"
#include "model/bench_limits.h"
#include "model/titration_id.h"

#include <array>

namespace families::acidbase {
namespace {

namespace ab = model::acidbase;

// The water added is held to what the flask takes with no sample, since a sample chosen
// while the box was not in use may take the sum beyond.
constexpr files::Quantity waterVolume{"le volume d'eau distillée ajoutée", false, "mL", 0,
                                      model::sampleAndWaterLimit};

class Rules final : public files::FamilyRules {
public:
    bool knowsPosition(int position) const override {
        const model::TitrationId id = model::titrationAt(position);
        return id.family == model::Family::AcidBase && ab::isTitration(id.index);
    }

    std::string choicesProblem(const files::FamilyChoices& choices) const override {
        const std::array<std::string, 3> checks = {
            files::numberProblem(waterVolume, choices.water),
            // Position 0 is "aucun", then the indicators of the catalogue.
            files::positionProblem("la liste des indicateurs colorés", choices.indicator,
                                   choices.indicator >= 0 &&
                                       choices.indicator <= ab::indicatorCount),
            files::positionProblem("la liste des sondes de mesure", choices.probe,
                                   choices.probe >= 0 && choices.probe < ab::probeCount),
        };
        for (const std::string& problem : checks)
            if (!problem.empty()) return problem;
        return {};
    }

    std::string damagedFileText() const override {
        return "Ce fichier est incomplet ou endommagé\u00A0: ses titrages acido-basiques ne "
               "peuvent pas être lus.";
    }
};

} // namespace

const files::FamilyRules& configurationRules() {
    static const Rules rules;
    return rules;
}

} // namespace families::acidbase
