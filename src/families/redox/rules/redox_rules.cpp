// SPDX-License-Identifier: GPL-3.0-or-later
#include "families/redox/rules/redox_rules.h"

#include "model/catalogue.h"
#include "model/titration_id.h"

namespace families::redox {
namespace {

class Rules final : public files::FamilyRules {
public:
    bool knowsPosition(int position) const override {
        const model::TitrationId id = model::titrationAt(position);
        return id.family == model::Family::Redox && model::isSpecies(id.index);
    }
    std::string choicesProblem(const files::FamilyChoices&) const override { return {}; }
    std::string damagedFileText() const override { return {}; }
};

} // namespace

const files::FamilyRules& configurationRules() {
    static const Rules rules;
    return rules;
}

} // namespace families::redox
