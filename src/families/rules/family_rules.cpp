// SPDX-License-Identifier: GPL-3.0-or-later
#include "families/rules/family_rules.h"

#include "families/acidbase/rules/acidbase_rules.h"
#include "families/redox/rules/redox_rules.h"

#include <algorithm>
#include <array>

namespace families {
namespace {

class EveryFamily final : public files::FamilyRules {
public:
    bool knowsPosition(int position) const override {
        return std::ranges::any_of(
            all(), [&](const files::FamilyRules* f) { return f->knowsPosition(position); });
    }
    std::string choicesProblem(const files::FamilyChoices& choices) const override {
        for (const files::FamilyRules* family : all())
            if (std::string problem = family->choicesProblem(choices); !problem.empty())
                return problem;
        return {};
    }
    std::string damagedFileText() const override {
        for (const files::FamilyRules* family : all())
            if (std::string text = family->damagedFileText(); !text.empty()) return text;
        return {};
    }

private:
    static std::array<const files::FamilyRules*, 2> all() {
        return {&redox::configurationRules(), &acidbase::configurationRules()};
    }
};

} // namespace

const files::FamilyRules& configurationRules() {
    static const EveryFamily rules;
    return rules;
}

std::string configurationProblem(const files::SituationTable& table, bool showSample) {
    return files::configurationProblem(table, configurationRules(), showSample);
}

} // namespace families
