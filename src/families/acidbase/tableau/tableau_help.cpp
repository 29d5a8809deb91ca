// SPDX-License-Identifier: GPL-3.0-or-later
#include "families/acidbase/tableau/tableau.h"

#include "model/acidbase/catalogue.h"
#include "model/acidbase/indicators.h"
#include "model/catalogue.h"

namespace app {

namespace {

// Names joined by ", ", in lines of at most 80 characters each starting with two spaces.
template <class Name> std::string list(int count, Name name) {
    std::string text = "  ";
    std::size_t lineStart = 0;
    for (int k = 0; k < count; ++k) {
        std::string item(name(k));
        item += k + 1 < count ? "," : ".";
        if (k > 0) {
            // Characters, not bytes: the accented letters take two bytes each.
            std::size_t shown = 0;
            for (std::size_t i = lineStart; i < text.size(); ++i)
                shown += (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
            if (shown + 1 + item.size() > 80) {
                text += "\n  ";
                lineStart = text.size() - 2;
            } else {
                text += ' ';
            }
        }
        text += item;
    }
    return text + "\n";
}

} // namespace

std::string_view titrationsSummary() {
    return "Titrage colorimétrique\u00A0: simulateur interactif de titrages pour la classe\n"
           "de chimie, d'oxydo-réduction (suivis par la couleur de la solution) et\n"
           "acido-basiques (suivis au pH-mètre, au conductimètre ou avec un indicateur\n"
           "coloré).\n";
}

std::string tableauHelp() {
    std::string text =
        "Utilisation\u00A0: titrage --tableau --espece ESPÈCE --concentration C\n"
        "                      --prelevement V --titrant C [options]\n"
        "\n"
        "Écrit sur la sortie standard, sans ouvrir de fenêtre, le tableau de l'onglet\n"
        "«\u00A0Courbes\u00A0» d'un titrage au format CSV (cellules séparées par «\u00A0;\u00A0», "
        "virgule\n"
        "décimale, UTF-8), une ligne par pas de volume versé de 0\u00A0mL au dernier volume.\n"
        "Titrage acido-basique\u00A0: le volume, le pH (deux décimales), la conductivité σ\n"
        "en mS/cm (trois chiffres significatifs), les quantités de matière introduites\n"
        "et présentes de chaque espèce en mol, et la couleur de l'indicateur choisi.\n"
        "Titrage d'oxydo-réduction\u00A0: le volume, puis les quantités de matière\n"
        "introduites et présentes des espèces du graphe, en mol.\n"
        "\n"
        "Options (les nombres s'écrivent avec une virgule ou un point)\u00A0:\n"
        "  --espece ESPÈCE      l'espèce à titrer, écrite comme dans la liste du banc\n"
        "  --concentration C    sa concentration en mol/L, de 0,0001 à 0,2\n"
        "  --prelevement V      le volume prélevé à la pipette en mL\u00A0: 0, 1, 2, 5, 10\n"
        "                       ou 20\n"
        "  --titrant C          la concentration de la solution titrante en mol/L,\n"
        "                       de 0,0001 à 0,2\n"
        "  --eau V              l'eau ajoutée au prélèvement en mL, de 0 à 200\n"
        "                       (0 par défaut\u00A0; titrages acido-basiques)\n"
        "  --indicateur NOM     un indicateur coloré (titrages acido-basiques)\n"
        "  --reactif C          la concentration du réactif ajouté en excès d'un titrage\n"
        "                       indirect (diiode pour l'acide ascorbique, iodure de\n"
        "                       potassium pour l'hypochlorite de sodium et le sulfate\n"
        "                       de cuivre II) en mol/L, de 0,0001 à 0,2 (0,05 par défaut,\n"
        "                       comme sur le banc)\n"
        "  --volume-reactif V   son volume en mL (0 par défaut, comme sur le banc)\u00A0: une\n"
        "                       pipette (0, 1, 2, 5, 10 ou 20) pour le diiode, de 0 à\n"
        "                       25\u00A0mL moins le prélèvement pour l'iodure de potassium\n"
        "  --jusqua V           le dernier volume versé en mL, de 0 à 25 (25 par défaut)\n"
        "  --pas V              l'écart entre deux lignes en mL, de 0,01 à 25\n"
        "                       (0,5 par défaut)\n"
        "  -h, --help           affiche cette aide et quitte\n"
        "On peut aussi écrire «\u00A0--option=valeur\u00A0».\n"
        "\n"
        "Espèces des titrages acido-basiques\u00A0:\n";
    text +=
        list(model::acidbase::titrationCount, [](int k) { return model::acidbase::listText(k); });
    text += "Espèces des titrages d'oxydo-réduction\u00A0:\n";
    text += list(model::speciesCount, [](int k) { return model::listText(k); });
    text += "Indicateurs colorés\u00A0:\n";
    text += list(model::acidbase::indicatorCount,
                 [](int k) { return model::acidbase::indicatorFacts(k).name; });
    text += "\n"
            "Exemple\u00A0:\n"
            "  titrage --tableau --espece \"acide éthanoïque\" --concentration 0,100 \\\n"
            "          --prelevement 10 --titrant 0,100 --jusqua 20 --pas 0,5 > tableau.csv\n"
            "\n"
            "Une option, une espèce ou un indicateur inconnus, un nombre illisible ou une\n"
            "valeur hors des limites du banc sont signalés sur la sortie d'erreur, sans rien\n"
            "écrire sur la sortie standard, et le programme se termine avec le code 2.\n";
    return text;
}

} // namespace app
