// SPDX-License-Identifier: GPL-3.0-or-later
#include "families/rules/family_rules.h"
#include "files/configuration.h"
#include "model/acidbase/catalogue.h"
#include "model/acidbase/indicators.h"
#include "model/titration_id.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

using families::configurationProblem;
using files::SituationTable;
using Change = std::function<void(SituationTable&)>;

constexpr int lastAcidBase =
    model::listPosition({model::Family::AcidBase, model::acidbase::titrationCount - 1});

// The start values with text k of situation s (1 to 10) replaced.
Change text(int s, int k, const char* t) {
    return [=](SituationTable& table) { table.texts[s - 1][k] = t; };
}
Change choice(int s, int j, int position) {
    return [=](SituationTable& table) { table.choices[s - 1][j] = std::int16_t(position); };
}
Change water(int s, const char* t) {
    return [=](SituationTable& table) { table.family[s - 1].water = t; };
}
Change acidBaseList(int s, int indicator, int probe) {
    return [=](SituationTable& table) {
        table.family[s - 1].indicator = std::int16_t(indicator);
        table.family[s - 1].probe = std::int16_t(probe);
    };
}

TEST(ConfigurationCheck, RefusesWhatTheBenchCannotHoldNamingSituationAndValue) {
    const std::string conc = "\u00A0» n'est pas comprise entre 0,0001 et 0,2\u00A0mol/L.";
    const std::string burette = "\u00A0» n'est pas compris entre 0 et 25\u00A0mL.";
    const std::string nan = "\u00A0» n'est pas un nombre.", no = " n'a pas de choix «\u00A0";
    const std::string past = std::to_string(lastAcidBase + 1);
    const std::string indicator = std::to_string(model::acidbase::indicatorCount + 1);
    const std::pair<Change, std::string> rows[] = {
        {text(3, 0, "1E125"),
         "3\u00A0: la concentration de la solution titrée «\u00A01E125" + conc},
        {text(1, 1, "-1"), "1\u00A0: la concentration de la solution titrante «\u00A0-1" + conc},
        {text(10, 2, "0"), "10\u00A0: la concentration du réactif ajouté «\u00A00" + conc},
        {text(2, 0, "NaN"), "2\u00A0: la concentration de la solution titrée «\u00A0NaN" + nan},
        {text(2, 0, "inf"), "2\u00A0: la concentration de la solution titrée «\u00A0inf" + nan},
        {text(2, 0, ""), "2\u00A0: la concentration de la solution titrée «\u00A0" + nan},
        {text(4, 3, "12abc"), "4\u00A0: le volume d'iodure de potassium ajouté «\u00A012abc" + nan},
        {text(4, 3, "25,5"),
         "4\u00A0: le volume d'iodure de potassium ajouté «\u00A025,5" + burette},
        {text(5, 4, "-20"), "5\u00A0: le volume de la solution introduite dans le bécher «\u00A0-20"
                            "\u00A0» est négatif."},
        {text(6, 5, "99999"),
         "6\u00A0: le volume de solution titrante versé «\u00A099999" + burette},
        {choice(7, 1, -1), "7\u00A0: la liste des espèces à titrer" + no + "-1\u00A0»."},
        {choice(7, 1, 10), "7\u00A0: la liste des espèces à titrer" + no + "10\u00A0»."},
        {choice(7, 1, lastAcidBase + 1),
         "7\u00A0: la liste des espèces à titrer" + no + past + "\u00A0»."},
        {choice(8, 2, 6), "8\u00A0: la liste des volumes de prélèvement" + no + "6\u00A0»."},
        {choice(8, 3, -1), "8\u00A0: la liste des volumes de diiode ajouté" + no + "-1\u00A0»."},
        {choice(9, 4, 2), "9\u00A0: la case «\u00A0Ajouter du Thiodène\u00A0»" + no + "2\u00A0»."},
        {water(1, "12abc"), "1\u00A0: le volume d'eau distillée ajoutée «\u00A012abc" + nan},
        {water(1, "40,5"),
         "1\u00A0: le volume d'eau distillée ajoutée «\u00A040,5\u00A0» n'est pas "
         "compris entre 0 et 40\u00A0mL."},
        {acidBaseList(2, model::acidbase::indicatorCount + 1, 0),
         "2\u00A0: la liste des indicateurs colorés" + no + indicator + "\u00A0»."},
        {acidBaseList(2, 0, 3), "2\u00A0: la liste des sondes de mesure" + no + "3\u00A0»."},
    };
    for (const auto& [change, problem] : rows) {
        SituationTable table;
        change(table);
        text(10, 5, "-1")(table); // a later situation at fault too: the first one is named
        EXPECT_EQ(configurationProblem(table), "Situation n°\u00A0" + problem);
    }
    // A concentration to find that the bench hides is named without its value.
    SituationTable hidden;
    text(3, 0, "0,5")(hidden);
    EXPECT_EQ(configurationProblem(hidden, false),
              "Situation n°\u00A03\u00A0: la concentration de la solution titrée n'est pas "
              "comprise entre 0,0001 et 0,2\u00A0mol/L.");
}

TEST(ConfigurationCheck, AcceptsWhatTheBenchHoldsUpToItsLimits) {
    SituationTable t;
    t.texts[0] = {"inconnue", "0,0001", " 0.2 ", "25", "0", "25"};
    t.texts[1] = {" inconnue ", "1E-04", "0,2", "10", "20,0", "0,0"};
    t.choices[1] = {0, 9, 5, 5, 1}; // 10 mL of iodide, typed when the sample was smaller
    t.choices[2] = {0, 11, 5, 0, 0};
    t.family[2] = {"40", model::acidbase::indicatorCount, 2}; // likewise the water
    t.choices[3][1] = lastAcidBase;
    EXPECT_EQ(configurationProblem(t), "");
}

TEST(ConfigurationCheck, AcceptsEveryShippedConfiguration) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TITRAGE_SOURCE_DIR "/data")) {
        if (entry.path().extension() != ".C17") continue;
        SituationTable table;
        ASSERT_EQ(files::readConfiguration(entry.path().string(), table), files::LoadResult::Ok);
        EXPECT_EQ(configurationProblem(table), "") << entry.path();
        ++count;
    }
    EXPECT_GT(count, 20);
}

} // namespace
