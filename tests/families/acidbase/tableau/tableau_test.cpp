// SPDX-License-Identifier: GPL-3.0-or-later
#include "families/acidbase/tableau/tableau.h"
#include "model/amounts_table.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace app {
namespace {

TableauOutcome run(std::vector<std::string_view> arguments) {
    return tableau(arguments);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

const std::vector<std::string_view> ethanoic{"--tableau",
                                             "--espece",
                                             "acide éthanoïque",
                                             "--concentration",
                                             "0,100",
                                             "--prelevement",
                                             "10",
                                             "--titrant",
                                             "0,100",
                                             "--jusqua",
                                             "20",
                                             "--pas",
                                             "0,5"};

TEST(Tableau, AsksForTheTableWhereverTheOptionStands) {
    const std::vector<std::string_view> first{"--tableau", "--help"};
    const std::vector<std::string_view> later{"--espece", "x", "--tableau"};
    const std::vector<std::string_view> none{"--help", "--version"};
    EXPECT_TRUE(asksForTable(first));
    EXPECT_TRUE(asksForTable(later));
    EXPECT_FALSE(asksForTable(none));
}

TEST(Tableau, EthanoicAcidAsAWorksheetNeedsIt) {
    const TableauOutcome o = run(ethanoic);
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "");
    const auto rows = lines(o.out);
    ASSERT_EQ(rows.size(), 1u + 41u); // the header, then 0 to 20 mL every 0,5 mL
    EXPECT_TRUE(rows[0].starts_with("V (mL);pH;σ (mS/cm);n(CH₃COOH) introduite (mol)"));
    EXPECT_TRUE(rows[1].starts_with("0,0;2,88;")) << rows[1];
    EXPECT_TRUE(rows[11].starts_with("5,0;4,76;")) << rows[11];
    EXPECT_TRUE(rows[21].starts_with("10,0;8,73;")) << rows[21];
    EXPECT_TRUE(rows[41].starts_with("20,0;12,52;")) << rows[41];
    EXPECT_EQ(o.out.find('\r'), std::string::npos);
}

TEST(Tableau, DecimalPointAndEqualsSignReadTheSame) {
    const TableauOutcome comma = run(ethanoic);
    const TableauOutcome point =
        run({"--tableau", "--espece=acide éthanoïque", "--concentration=0.1", "--prelevement",
             "10.0", "--titrant", "0.100", "--jusqua", "20", "--pas", "0.5"});
    EXPECT_EQ(point.status, 0);
    EXPECT_EQ(point.out, comma.out);
}

TEST(Tableau, DefaultsAndIndicator) {
    const TableauOutcome o =
        run({"--tableau", "--espece", "hydroxyde de sodium", "--concentration", "0,1",
             "--prelevement", "10", "--titrant", "0,1", "--indicateur", "bleu de bromothymol"});
    EXPECT_EQ(o.status, 0);
    const auto rows = lines(o.out);
    ASSERT_EQ(rows.size(), 1u + 51u); // 0 to 25 mL every 0,5 mL
    EXPECT_TRUE(rows[0].ends_with(";couleur (bleu de bromothymol)"));
    EXPECT_TRUE(rows[1].starts_with("0,0;13,00;")) << rows[1];
    EXPECT_TRUE(rows[1].ends_with(";bleu")) << rows[1];
    EXPECT_TRUE(rows[21].starts_with("10,0;7,00;")) << rows[21];
    EXPECT_TRUE(rows[21].ends_with(";vert")) << rows[21];
    EXPECT_TRUE(rows[51].ends_with(";jaune")) << rows[51];
}

TEST(Tableau, LastVolumeNotOnAStep) {
    const TableauOutcome o =
        run({"--tableau", "--espece", "ammoniac", "--concentration", "0,1", "--prelevement", "5",
             "--titrant", "0,1", "--eau", "20", "--jusqua", "1,25", "--pas", "0,5"});
    EXPECT_EQ(o.status, 0);
    const auto rows = lines(o.out);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_TRUE(rows[3].starts_with("1,0;"));
    EXPECT_TRUE(rows[4].starts_with("1,25;"));
}

// A redox species: the amounts table of the bench, as the "Courbes" tab copies it.
TEST(Tableau, RedoxSpeciesGiveTheBenchsAmountsTable) {
    const TableauOutcome o =
        run({"--tableau", "--espece", "sulfate de fer II", "--concentration", "0,01",
             "--prelevement", "20", "--titrant", "0,005", "--jusqua", "1", "--pas", "0,5"});
    EXPECT_EQ(o.status, 0);
    model::BenchInputs in;
    in.sampleConcentration = 0.01f;
    in.sampleVolume = 20;
    in.titrantConcentration = 0.005f;
    in.reagentConcentration = 0.05f;
    const std::vector<double> volumes{0, 0.5, 1};
    EXPECT_EQ(o.out,
              model::amountsTableText(
                  model::amountsTable(model::Species::IronSulfate, in, volumes, false), ";", "\n"));
    EXPECT_TRUE(o.out.starts_with("V (mL);n(Fe³⁺) présente (mol);n(Fe²⁺) introduite (mol)"));
}

TEST(Tableau, IndirectRedoxTitrationsTakeTheirReagent) {
    // 10 mL of hypochlorite at 0,01 mol/L: 0,1 mmol, with 10 mL of iodide at 0,05 mol/L
    // (0,5 mmol, more than twice as much) gives 0,1 mmol of diiode, titrated by 0,2 mmol of
    // thiosulfate: 2 mL at 0,1 mol/L.
    const TableauOutcome o =
        run({"--tableau", "--espece", "hypochlorite de sodium", "--concentration", "0,01",
             "--prelevement", "10", "--titrant", "0,1", "--reactif", "0,05", "--volume-reactif",
             "10", "--jusqua", "2", "--pas", "1"});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "");
    const auto rows = lines(o.out);
    ASSERT_EQ(rows.size(), 4u);
    // Columns: ClO⁻ introduced, present; Cl⁻; I₂; I⁻ introduced, present; S₄O₆²⁻; S₂O₃²⁻ in,
    // present.
    EXPECT_EQ(rows[3], "2,0;1,000E-04;0,000E+00;1,000E-04;0,000E+00;5,000E-04;5,000E-04;"
                       "1,000E-04;2,000E-04;0,000E+00");
    // The bench's default reagent volume, 0 mL, is not enough: said, and the table still given.
    const TableauOutcome none =
        run({"--tableau", "--espece", "acide ascorbique", "--concentration", "0,01",
             "--prelevement", "10", "--titrant", "0,005", "--jusqua", "0"});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.err,
              "titrage\u00A0: attention, la quantité de matière de diiode ajoutée est "
              "insuffisante («\u00A0--volume-reactif\u00A0», «\u00A0--reactif\u00A0»).\n");
    EXPECT_EQ(lines(none.out).size(), 2u);
}

struct Refused {
    const char* name;
    std::vector<std::string_view> arguments;
    const char* message; // a part of the message
};

TEST(Tableau, WrongCommandLinesSayWhyAndWriteNoTable) {
    auto with = [](std::vector<std::string_view> extra, std::string_view species = "acide "
                                                                                   "éthanoïque") {
        std::vector<std::string_view> a{"--tableau", "--espece",      species, "--concentration",
                                        "0,1",       "--prelevement", "10",    "--titrant",
                                        "0,1"};
        a.insert(a.end(), extra.begin(), extra.end());
        return a;
    };
    const Refused rows[] = {
        {"unknown option", with({"--couleur", "rouge"}), "option inconnue «\u00A0--couleur\u00A0»"},
        {"unknown short option", with({"-x"}), "option inconnue «\u00A0-x\u00A0»"},
        {"unknown species", with({}, "acide sulfurique"),
         "espèce inconnue «\u00A0acide sulfurique\u00A0»\u00A0; espèces possibles\u00A0: "
         "acide chlorhydrique, acide éthanoïque"},
        {"no species",
         {"--tableau", "--concentration", "0,1"},
         "l'option «\u00A0--espece\u00A0» est obligatoire"},
        {"no titrant",
         {"--tableau", "--espece", "ammoniac", "--concentration", "0,1", "--prelevement", "10"},
         "l'option «\u00A0--titrant\u00A0» est obligatoire"},
        {"value missing at the end", with({"--pas"}),
         "l'option «\u00A0--pas\u00A0» attend une valeur"},
        {"unreadable number", with({"--eau", "dix"}),
         "valeur illisible pour «\u00A0--eau\u00A0»\u00A0: «\u00A0dix\u00A0»"},
        {"two commas", with({"--eau", "1,2,3"}), "valeur illisible pour «\u00A0--eau\u00A0»"},
        {"concentration above the bench's", with({"--concentration", "0,5"}),
         "(«\u00A0--concentration\u00A0») doit aller de 0,0001 à 0,2\u00A0mol/L"},
        {"titrant below the bench's", with({"--titrant", "0,00001"}),
         "(«\u00A0--titrant\u00A0») doit aller de 0,0001 à 0,2\u00A0mol/L"},
        {"no such pipette", with({"--prelevement", "7"}),
         "est celui d'une pipette du banc\u00A0: 0, 1, 2, 5, 10 ou 20\u00A0mL"},
        {"beyond the burette", with({"--jusqua", "25,5"}), "doit aller de 0 à 25\u00A0mL"},
        {"a step of nothing", with({"--pas", "0"}), "doit aller de 0,01 à 25\u00A0mL"},
        {"negative water", with({"--eau", "-1"}), "doit aller de 0 à 200\u00A0mL"},
        {"unknown indicator", with({"--indicateur", "tournesol"}),
         "indicateur inconnu «\u00A0tournesol\u00A0»\u00A0; indicateurs possibles\u00A0: "
         "hélianthine"},
        {"water on the redox bench", with({"--eau", "5"}, "diiode"),
         "l'option «\u00A0--eau\u00A0» ne s'applique qu'aux titrages acido-basiques"},
        {"indicator on the redox bench", with({"--indicateur", "hélianthine"}, "diiode"),
         "«\u00A0--indicateur\u00A0» ne s'applique qu'aux titrages acido-basiques"},
        {"reagent of an acid-base titration", with({"--reactif", "0,05"}),
         "«\u00A0--reactif\u00A0» ne s'applique qu'aux titrages indirects"},
        {"reagent of a direct redox titration", with({"--volume-reactif", "5"}, "diiode"),
         "«\u00A0--volume-reactif\u00A0» ne s'applique qu'aux titrages indirects"},
        {"iodide beyond what the beaker takes",
         with({"--volume-reactif", "16"}, "sulfate de cuivre II"), "doit aller de 0 à 15\u00A0mL"},
        {"diiode by a pipette only", with({"--volume-reactif", "3"}, "acide ascorbique"),
         "le volume de diiode («\u00A0--volume-reactif\u00A0») est celui d'une pipette"},
    };
    for (const Refused& row : rows) {
        const TableauOutcome o = run(row.arguments);
        EXPECT_EQ(o.status, 2) << row.name;
        EXPECT_EQ(o.out, "") << row.name;
        EXPECT_TRUE(o.err.starts_with("titrage\u00A0: ")) << row.name << ": " << o.err;
        EXPECT_NE(o.err.find(row.message), std::string::npos) << row.name << ": " << o.err;
        EXPECT_TRUE(o.err.ends_with(".\n")) << row.name << ": " << o.err;
    }
}

TEST(Tableau, HelpListsEveryOptionInFrench) {
    const TableauOutcome o = run({"--tableau", "--espece", "inconnue", "--help"});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "");
    for (const char* option :
         {"--espece", "--concentration", "--prelevement", "--titrant", "--eau", "--indicateur",
          "--reactif", "--volume-reactif", "--jusqua", "--pas", "--help", "acide citrique",
          "thiosulfate de sodium", "thymolphtaléine"})
        EXPECT_NE(o.out.find(option), std::string::npos) << option;
    // French typography: never a plain space, always a no-break one, before ":" and ";".
    EXPECT_EQ(o.out.find(" :"), std::string::npos);
    EXPECT_EQ(o.out.find(" ;"), std::string::npos);
    EXPECT_NE(o.out.find("Utilisation\u00A0: titrage --tableau"), std::string::npos);
    EXPECT_EQ(run({"--tableau", "-h"}).out, o.out);
}

} // namespace
} // namespace app
