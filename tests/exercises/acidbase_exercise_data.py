#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the acid-base exercises installed with the program into data/, with the helpers of
make_exercise_data.py (which runs this module after its own exercises): five everyday
products, each with its statement, its correction and their configurations, the
concentration to find hidden until the correction.

The figures of the corrections are those of the program's model for the bench of each
configuration (pH and conductivity to the digits the meters show, equivalence volumes, the
colour of the indicator): tests/exercises/shipped_acidbase_test.cpp reads them back and
checks them against the model.
"""

from make_exercise_data import configuration, exercise, rich_text, write

# Positions in the species list, the sample's pipette, the indicator and probe lists.
ETHANOIC, LACTIC, PHOSPHORIC, SODIUM_HYDROXIDE, AMMONIA = 12, 15, 16, 19, 20
PIPETTE_10, PIPETTE_20 = 4, 5
NO_INDICATOR, PHENOLPHTHALEIN = 0, 6
PH_METER, CONDUCTIMETER, NO_PROBE = 0, 1, 2


def situation(sample, titrant, poured, species, pipette, water="0", indicator=NO_INDICATOR,
              probe=PH_METER):
    """An acid-base situation: the sample's and the titrant's concentrations and the volume
    poured as the bench's boxes write them, the lists' positions, the water added."""
    return ([sample, titrant, "0,05", "10", "20,0", poured], [species, pipette, 1],
            (water, indicator, probe))


# The indicators of the class, with their zone of colour change.
INDICATOR_TABLE = ("table", [1650, 900, 1100, 950], [
    ["Indicateur", "Teinte acide", "Zone de virage", "Teinte basique"],
    ["hélianthine", "rouge", "3,1 – 4,4", "jaune"],
    ["rouge de méthyle", "rouge", "4,2 – 6,2", "jaune"],
    ["bleu de bromothymol", "jaune", "6,0 – 7,6", "bleu"],
    ["phénolphtaléine", "incolore", "8,2 – 10,0", "rose"],
])


def vinegar():
    write("VINAIG.E44", exercise("VINAIG.RTF", "VINAIG.C17", "VINAIGC.RTF", "VINAIGC.C17", 2,
                                 ["Titrage pH-métrique d'un acide faible, couple CH3COOH/CH3COO-. ",
                                  "Méthode de la dérivée, pKa, choix d'un indicateur coloré."],
                                 "Titrage d'un vinaigre : choix d'un indicateur coloré", 3,
                                 hidden=True))
    write("VINAIG.C17", configuration([situation("0,0995", "0,1", "0,0", ETHANOIC, PIPETTE_10)]))
    write("VINAIGC.C17", configuration([
        situation("0,0995", "0,1", "9,95", ETHANOIC, PIPETTE_10, indicator=PHENOLPHTHALEIN),
        situation("0,0995", "0,1", "9,9", ETHANOIC, PIPETTE_10, indicator=PHENOLPHTHALEIN)]))
    write("VINAIG.RTF", rich_text("Titrage d'un vinaigre : choix d'un indicateur coloré", [
        "L'étiquette d'un vinaigre blanc indique un degré d'acidité de 6°. Le vinaigre contient "
        "de l'acide éthanoïque CH_{3}COOH ; on le dilue dix fois : c'est la solution S, de "
        "concentration c_{2} en acide éthanoïque. On titre V_{2} = 10,0 mL de S par une solution "
        "d'hydroxyde de sodium (Na^{+} + HO^{-}) de concentration c_{1} = 1,00 × 10^{-1} "
        "mol · L^{-1}, placée dans la burette. Sur le banc (situation 1), la concentration "
        "c_{2} est cachée : c'est elle qu'il faut retrouver.",
        "Données : couple CH_{3}COOH / CH_{3}COO^{-} ; M(CH_{3}COOH) = 60,0 g · mol^{-1}. Le "
        "degré d'acidité d'un vinaigre est la masse, en gramme, d'acide éthanoïque contenue "
        "dans 100 g de vinaigre ; on admet que 100 g de vinaigre occupent 100 mL. Quelques "
        "indicateurs colorés :",
        INDICATOR_TABLE,
        ("indent", "1. Écrire l'équation de la réaction support du titrage."),
        ("indent", "2. Sur le banc (situation 1, sonde « pH-mètre », indicateur « aucun »), "
                   "verser la solution titrante millilitre par millilitre, puis goutte à goutte "
                   "dans le saut de pH, en relevant le pH à chaque fois. Tracer la courbe "
                   "pH = f(V_{1}) et déterminer le volume versé à l'équivalence V_{E} par la "
                   "méthode de la dérivée (le maximum de dpH/dV_{1})."),
        ("indent", "3. Relever le pH à l'équivalence, puis à la demi-équivalence. Que vaut le "
                   "pH à la demi-équivalence ?"),
        ("indent", "4. Quel indicateur coloré du tableau convient pour ce titrage ? Justifier. "
                   "Refaire le titrage avec cet indicateur (le choisir dans le panneau de "
                   "préparation, avec la sonde « aucune ») et vérifier que la teinte change à "
                   "l'équivalence."),
        ("indent", "5. Calculer c_{2}, puis la concentration c_{0} du vinaigre et son degré "
                   "d'acidité. Comparer à l'indication de l'étiquette."),
    ]))
    write("VINAIGC.RTF", rich_text("Correction : titrage d'un vinaigre", [
        ("indent", "1. ##CH_{3}COOH + HO^{-} → CH_{3}COO^{-} + H_{2}O##."),
        ("indent", "2. Le saut de pH a lieu entre V_{1} = 9,90 mL, pH = 7,06 et "
                   "V_{1} = 10,00 mL, pH = 10,40 ; la dérivée dpH/dV_{1} y est maximale : "
                   "##V_{E} = 9,95 mL##."),
        ("indent", "3. À l'équivalence, V_{1} = 9,95 mL, pH = 8,73 : le mélange contient des "
                   "ions éthanoate, une base faible, et le pH est supérieur à 7. À la "
                   "demi-équivalence (V_{E} / 2 = 4,98 mL), V_{1} = 4,95 mL, pH = 4,76 : les "
                   "concentrations de l'acide et de sa base conjuguée y sont égales, si bien que "
                   "le pH est égal au pK_{A} du couple, ##pK_{A} = 4,76##."),
        ("indent", "4. La zone de virage de l'indicateur doit contenir le pH à l'équivalence "
                   "(8,73) et tenir dans le saut de pH : seule la ##phénolphtaléine## (8,2 – "
                   "10,0) convient. Avec elle (situation 2 de la correction), V_{1} = 9,90 mL, le "
                   "mélange est incolore ; à la goutte suivante (situation 1), V_{1} = 9,95 mL, "
                   "le mélange est rose pâle : la teinte change à l'équivalence. Avec le bleu de "
                   "bromothymol, le mélange serait déjà vert deux gouttes avant l'équivalence ; "
                   "l'hélianthine et le rouge de méthyle changeraient de teinte bien plus tôt."),
        ("indent", "5. À l'équivalence, n(HO^{-}) versé = n(CH_{3}COOH) initial, soit "
                   "c_{1} · V_{E} = c_{2} · V_{2} et c_{2} = c_{1} · V_{E} / V_{2} = "
                   "1,00 × 10^{-1} × 9,95 / 10,0 = ##9,95 × 10^{-2} mol · L^{-1}##."),
        ("indent", "Le vinaigre a été dilué dix fois : c_{0} = 10 c_{2} = 0,995 mol · L^{-1}. "
                   "100 mL de vinaigre contiennent 0,995 × 0,100 × 60,0 = 5,97 g d'acide "
                   "éthanoïque : le degré d'acidité est ##6,0°##, en accord avec l'étiquette."),
    ]))


def drain_cleaner():
    write("DEBOUCH.E44", exercise("DEBOUCH.RTF", "DEBOUCH.C17", "DEBOUCHC.RTF", "DEBOUCHC.C17",
                                  3,
                                  ["Titrage conductimétrique d'une base forte par un acide fort. ",
                                   "Conductivités molaires ioniques, méthode des droites, dilution, ",
                                   "concentration en masse, pourcentage massique."],
                                  "Titrage conductimétrique d'un déboucheur de canalisations", 3,
                                  hidden=True))
    write("DEBOUCH.C17", configuration([
        situation("0,06", "0,1", "0,0", SODIUM_HYDROXIDE, PIPETTE_10, water="30",
                  probe=CONDUCTIMETER)]))
    write("DEBOUCHC.C17", configuration([
        situation("0,06", "0,1", "6,0", SODIUM_HYDROXIDE, PIPETTE_10, water="30",
                  probe=CONDUCTIMETER)]))
    write("DEBOUCH.RTF", rich_text("Titrage conductimétrique d'un déboucheur", [
        "Un déboucheur liquide pour canalisations contient de l'hydroxyde de sodium "
        "(Na^{+} + HO^{-}). Son étiquette indique 20\u00a0% d'hydroxyde de sodium en masse ; sa "
        "masse volumique est 1,20 kg · L^{-1}. Ce produit est très corrosif : on le dilue cent "
        "fois, avec gants et lunettes, pour obtenir la solution S de concentration c_{2}.",
        "On prélève V_{2} = 10,0 mL de S, on ajoute V_{eau} = 30 mL d'eau distillée, puis on "
        "titre par de l'acide chlorhydrique (H_{3}O^{+} + Cl^{-}) de concentration "
        "c_{1} = 1,00 × 10^{-1} mol · L^{-1}, en suivant la conductivité σ du mélange. Sur le "
        "banc (situation 1), la concentration c_{2} est cachée : c'est elle qu'il faut "
        "retrouver.",
        "Données : conductivités molaires ioniques à 25\u00a0°C, en mS · m^{2} · mol^{-1} : "
        "λ(H_{3}O^{+}) = 34,98 ; λ(HO^{-}) = 19,86 ; λ(Na^{+}) = 5,01 ; λ(Cl^{-}) = 7,63. "
        "M(NaOH) = 40,0 g · mol^{-1}.",
        ("indent", "1. Écrire l'équation de la réaction support du titrage. Quels sont les ions "
                   "spectateurs ?"),
        ("indent", "2. Sur le banc (situation 1, sonde « conductimètre »), relever la "
                   "conductivité σ tous les 1,0 mL de 0 à 12,0 mL. Tracer σ = f(V_{1}) et "
                   "tracer les deux droites qui passent au plus près des points, avant et "
                   "après le changement de pente. Où se coupent-elles ?"),
        ("indent", "3. Expliquer, à l'aide des conductivités molaires ioniques, pourquoi σ "
                   "diminue avant l'équivalence et augmente après."),
        ("indent", "4. Pourquoi ajoute-t-on de l'eau distillée ? Relever σ goutte à goutte "
                   "autour de l'intersection des droites et en déduire le volume versé à "
                   "l'équivalence V_{E}."),
        ("indent", "5. Calculer c_{2}, puis la concentration c_{0} du déboucheur et sa "
                   "concentration en masse C_{m} en hydroxyde de sodium. L'indication de "
                   "l'étiquette est-elle vérifiée ?"),
    ]))
    write("DEBOUCHC.RTF", rich_text("Correction : titrage conductimétrique d'un déboucheur", [
        ("indent", "1. ##H_{3}O^{+} + HO^{-} → 2 H_{2}O## ; les ions Na^{+} et Cl^{-} ne "
                   "réagissent pas : ce sont les ions spectateurs."),
        ("indent", "2. Quelques mesures : V_{1} = 0 mL, σ = 3,73 mS · cm^{-1} ; "
                   "V_{1} = 5,0 mL, σ = 1,96 mS · cm^{-1} ; V_{1} = 7,0 mL, "
                   "σ = 2,52 mS · cm^{-1} ; V_{1} = 12,0 mL, σ = 6,38 mS · cm^{-1}. Tracées sur "
                   "les mesures de 0 à 6,0 mL et de 7,0 à 12,0 mL, les deux droites se coupent "
                   "à V_{1} ≈ 5,83 mL."),
        ("indent", "3. Avant l'équivalence, chaque ion HO^{-} consommé est remplacé par un ion "
                   "Cl^{-}, moins conducteur (λ(Cl^{-}) = 7,63 < λ(HO^{-}) = 19,86) : σ diminue. "
                   "Après l'équivalence, les ions H_{3}O^{+} et Cl^{-} versés ne réagissent "
                   "plus : σ augmente, et vite, car λ(H_{3}O^{+}) est grande."),
        ("indent", "4. La solution versée dilue le mélange : σ n'est une fonction affine de "
                   "V_{1} que si le volume du mélange varie peu, d'où l'eau ajoutée. Ici, il passe "
                   "de 40 mL à 52 mL : les deux branches sont un peu courbées et leurs droites "
                   "se coupent un peu trop tôt. Goutte à goutte : V_{1} = 5,95 mL, "
                   "σ = 1,66 mS · cm^{-1} ; V_{1} = 6,00 mL, σ = 1,65 mS · cm^{-1} ; "
                   "V_{1} = 6,05 mL, σ = 1,69 mS · cm^{-1}. La conductivité est la plus faible "
                   "à l'équivalence : ##V_{E} = 6,00 mL## (situation 1 de la correction)."),
        ("indent", "5. À l'équivalence, n(H_{3}O^{+}) versé = n(HO^{-}) initial, soit "
                   "c_{2} = c_{1} · V_{E} / V_{2} = 1,00 × 10^{-1} × 6,00 / 10,0 = "
                   "##6,00 × 10^{-2} mol · L^{-1}##."),
        ("indent", "Le déboucheur a été dilué cent fois : c_{0} = 100 c_{2} = 6,00 mol · L^{-1} "
                   "et C_{m} = c_{0} · M(NaOH) = 6,00 × 40,0 = ##240 g · L^{-1}##. Un litre de "
                   "déboucheur pèse 1\u00a0200 g, dont 240 g d'hydroxyde de sodium : "
                   "240 / 1\u00a0200 = 20\u00a0%, l'indication de l'étiquette est vérifiée."),
    ]))


def cola():
    write("COLA.E44", exercise("COLA.RTF", "COLA.C17", "COLAC.RTF", "COLAC.C17", 3,
                               ["Titrage pH-métrique d'un triacide, deux sauts de pH. ",
                                "Couples de l'acide phosphorique, méthode de la dérivée, ",
                                "concentration en masse."],
                               "Dosage de l'acide phosphorique d'une boisson au cola", 3,
                               hidden=True))
    write("COLA.C17", configuration([situation("0,0056", "0,01", "0,0", PHOSPHORIC, PIPETTE_20)]))
    write("COLAC.C17", configuration([
        situation("0,0056", "0,01", "11,2", PHOSPHORIC, PIPETTE_20),
        situation("0,0056", "0,01", "22,4", PHOSPHORIC, PIPETTE_20)]))
    write("COLA.RTF", rich_text("Dosage de l'acide phosphorique d'une boisson au cola", [
        "Les boissons au cola contiennent de l'acide phosphorique H_{3}PO_{4} (additif E338). "
        "Pour le doser, on dégaze la boisson (on l'agite longuement pour en chasser le dioxyde "
        "de carbone), puis on en prélève V_{2} = 20,0 mL, que l'on titre par une solution "
        "d'hydroxyde de sodium de concentration c_{1} = 1,00 × 10^{-2} mol · L^{-1}, en "
        "suivant le pH. Sur le banc (situation 1), la concentration c_{2} en acide phosphorique "
        "est cachée : c'est elle qu'il faut retrouver.",
        "Données : couples H_{3}PO_{4} / H_{2}PO_{4}^{-} (pK_{A1} = 2,15), "
        "H_{2}PO_{4}^{-} / HPO_{4}^{2-} (pK_{A2} = 7,20) et HPO_{4}^{2-} / PO_{4}^{3-} "
        "(pK_{A3} = 12,35) ; M(H_{3}PO_{4}) = 98,0 g · mol^{-1}.",
        ("indent", "1. Pourquoi ne repère-t-on pas l'équivalence avec un indicateur coloré ? "
                   "Pourquoi faut-il dégazer la boisson ?"),
        ("indent", "2. Réaliser le titrage pH-métrique (situation 1, sonde « pH-mètre ») "
                   "jusqu'à 25 mL, en resserrant les mesures dans les sauts de pH. Combien de "
                   "sauts observe-t-on ? Déterminer les volumes V_{E1} et V_{E2} par la méthode "
                   "de la dérivée."),
        ("indent", "3. Écrire l'équation de la réaction qui a lieu avant la première "
                   "équivalence, puis celle qui a lieu entre les deux. Quelle relation lie "
                   "V_{E1} et V_{E2} ?"),
        ("indent", "4. Calculer c_{2}, puis la concentration en masse C_{m} de la boisson en "
                   "acide phosphorique, et la masse d'acide phosphorique d'une canette de 33 cL."),
        ("indent", "5. Relever le pH à mi-chemin des deux équivalences et le comparer aux "
                   "données."),
    ]))
    write("COLAC.RTF", rich_text("Correction : l'acide phosphorique d'un cola", [
        ("indent", "1. La boisson est colorée (caramel) : elle masquerait la teinte d'un "
                   "indicateur, alors que le pH-mètre la lit sans peine. Le dioxyde de carbone "
                   "dissous est un acide (couple CO_{2}, H_{2}O / HCO_{3}^{-}) : il serait titré "
                   "en même temps que l'acide phosphorique."),
        ("indent", "2. On observe deux sauts de pH. Premier saut : V_{1} = 11,0 mL, pH = 4,34 ; "
                   "V_{1} = 11,40 mL, pH = 5,49 ; la dérivée est maximale pour "
                   "##V_{E1} = 11,20 mL## (situation 1 de la correction). Second saut, moins "
                   "net : V_{1} = 22,2 mL, pH = 8,87 ; V_{1} = 22,60 mL, pH = 9,69 ; "
                   "##V_{E2} = 22,40 mL## (situation 2). Le troisième couple (pK_{A3} = 12,35) "
                   "ne donne pas de saut."),
        ("indent", "3. Avant la première équivalence : ##H_{3}PO_{4} + HO^{-} → H_{2}PO_{4}^{-} "
                   "+ H_{2}O## ; entre les deux : ##H_{2}PO_{4}^{-} + HO^{-} → HPO_{4}^{2-} + "
                   "H_{2}O##. Chacune consomme autant d'ions hydroxyde qu'il y avait d'acide "
                   "phosphorique : V_{E2} est le double de V_{E1} (22,40 = 2 × 11,20)."),
        ("indent", "4. À la première équivalence, n(HO^{-}) versé = n(H_{3}PO_{4}) initial, soit "
                   "c_{1} · V_{E1} = c_{2} · V_{2} et c_{2} = c_{1} · V_{E1} / V_{2} = "
                   "1,00 × 10^{-2} × 11,20 / 20,0 = ##5,60 × 10^{-3} mol · L^{-1}##."),
        ("indent", "C_{m} = c_{2} · M(H_{3}PO_{4}) = 5,60 × 10^{-3} × 98,0 = "
                   "##0,549 g · L^{-1}## ; une canette de 33 cL en contient 0,549 × 0,33 = 0,18 g, "
                   "soit environ 180 mg."),
        ("indent", "5. À mi-chemin, V_{1} = 16,80 mL, pH = 7,20 : la moitié des ions "
                   "H_{2}PO_{4}^{-} y est devenue HPO_{4}^{2-}, les deux formes ont la même "
                   "concentration et le pH est égal à pK_{A2} = 7,20."),
    ]))


def milk():
    write("LAIT.E44", exercise("LAIT.RTF", "LAIT.C17", "LAITC.RTF", "LAITC.C17", 1,
                               ["Titrage colorimétrique de l'acide lactique. ",
                                "Degré Dornic, fraîcheur d'un lait, rôle de la phénolphtaléine."],
                               "Acidité d'un lait : le degré Dornic", 2, hidden=True))
    write("LAIT.C17", configuration([
        situation("0,022", "0,05", "0,0", LACTIC, PIPETTE_20, indicator=PHENOLPHTHALEIN,
                  probe=NO_PROBE)]))
    write("LAITC.C17", configuration([
        situation("0,022", "0,05", "8,85", LACTIC, PIPETTE_20, indicator=PHENOLPHTHALEIN,
                  probe=PH_METER),
        situation("0,022", "0,05", "8,8", LACTIC, PIPETTE_20, indicator=PHENOLPHTHALEIN,
                  probe=PH_METER)]))
    write("LAIT.RTF", rich_text("Acidité d'un lait : le degré Dornic", [
        "Le lait contient un peu d'acide lactique CH_{3}CH(OH)COOH, que des bactéries "
        "produisent à partir du lactose : plus le lait vieillit, plus il est acide. L'acidité "
        "d'un lait s'exprime en degrés Dornic (°D) : 1\u00a0°D correspond à 0,1 g d'acide lactique "
        "par litre de lait. Un lait frais a une acidité comprise entre 15\u00a0°D et 18\u00a0°D ; "
        "au-delà, il risque de cailler à la cuisson.",
        "On titre V_{2} = 20,0 mL de lait par une solution d'hydroxyde de sodium de "
        "concentration c_{1} = 5,00 × 10^{-2} mol · L^{-1}, en présence de quelques gouttes de "
        "phénolphtaléine. On assimile l'acidité du lait à celle de l'acide lactique seul, de "
        "concentration c_{2}. Sur le banc (situation 1), la concentration c_{2} est cachée : "
        "c'est elle qu'il faut retrouver.",
        "Données : couple CH_{3}CH(OH)COOH / CH_{3}CH(OH)COO^{-}, pK_{A} = 3,86 ; "
        "M(CH_{3}CH(OH)COOH) = 90,1 g · mol^{-1} ; zone de virage de la phénolphtaléine : "
        "8,2 – 10,0 (incolore en milieu acide, rose en milieu basique).",
        ("indent", "1. Écrire l'équation de la réaction support du titrage."),
        ("indent", "2. Réaliser le titrage (situation 1) : verser la solution titrante "
                   "millilitre par millilitre pour situer le changement de teinte, puis "
                   "recommencer (bouton « 0 ») et verser goutte à goutte à son approche. Relever "
                   "le volume versé à l'équivalence V_{E}."),
        ("indent", "3. Calculer c_{2}, la concentration en masse C_{m} du lait en acide "
                   "lactique et son acidité en degrés Dornic. Ce lait est-il frais ?"),
        ("indent", "4. Choisir la sonde « pH-mètre » dans le panneau de préparation et relever "
                   "le pH juste avant et juste après le changement de teinte. Pourquoi la "
                   "phénolphtaléine convient-elle ?"),
    ]))
    write("LAITC.RTF", rich_text("Correction : le degré Dornic d'un lait", [
        ("indent", "1. ##CH_{3}CH(OH)COOH + HO^{-} → CH_{3}CH(OH)COO^{-} + H_{2}O##."),
        ("indent", "2. V_{1} = 8,80 mL, le mélange est incolore ; V_{1} = 8,85 mL, le mélange "
                   "est rose : l'équivalence est atteinte entre ces deux gouttes, "
                   "##V_{E} = 8,8 mL## (situation 1 de la correction : la première goutte qui "
                   "colore ; situation 2 : celle d'avant)."),
        ("indent", "3. À l'équivalence, c_{1} · V_{E} = c_{2} · V_{2}, soit "
                   "c_{2} = c_{1} · V_{E} / V_{2} = 5,00 × 10^{-2} × 8,8 / 20,0 = "
                   "##2,2 × 10^{-2} mol · L^{-1}## (deux chiffres significatifs : V_{E} est connu "
                   "à une goutte près). C_{m} = c_{2} · M = 2,2 × 10^{-2} × 90,1 = "
                   "2,0 g · L^{-1}, soit ##20\u00a0°D## : au-delà de 18\u00a0°D, ce lait n'est plus frais."),
        ("indent", "4. V_{1} = 8,80 mL, pH = 8,02 ; V_{1} = 8,85 mL, pH = 9,94. À l'équivalence, "
                   "le mélange contient des ions lactate, une base faible : son pH est supérieur "
                   "à 7. Le saut de pH traverse toute la zone de virage de la phénolphtaléine "
                   "(8,2 – 10,0) en une goutte : la teinte change à une goutte près de "
                   "l'équivalence."),
    ]))


def ammonia():
    write("AMMONI.E44", exercise("AMMONI.RTF", "AMMONI.C17", "AMMONIC.RTF", "AMMONIC.C17", 2,
                                 ["Titrage pH-métrique d'une base faible, couple NH4+/NH3. ",
                                  "Tangentes parallèles, dérivée, pKa, concentration en masse."],
                                 "Titrage d'un nettoyant ménager à l'ammoniac", 2,
                                 hidden=True))
    write("AMMONI.C17", configuration([situation("0,0214", "0,02", "0,0", AMMONIA, PIPETTE_10)]))
    write("AMMONIC.C17", configuration([situation("0,0214", "0,02", "10,7", AMMONIA,
                                                  PIPETTE_10)]))
    write("AMMONI.RTF", rich_text("Titrage d'un nettoyant ménager à l'ammoniac", [
        "Un nettoyant ménager contient de l'ammoniac NH_{3} en solution. On le dilue cinquante "
        "fois : c'est la solution S, de concentration c_{2} en ammoniac. On titre "
        "V_{2} = 10,0 mL de S par de l'acide chlorhydrique (H_{3}O^{+} + Cl^{-}) de "
        "concentration c_{1} = 2,00 × 10^{-2} mol · L^{-1}, en suivant le pH. Sur le banc "
        "(situation 1), la concentration c_{2} est cachée : c'est elle qu'il faut retrouver.",
        "Données : couple NH_{4}^{+} / NH_{3} ; M(NH_{3}) = 17,0 g · mol^{-1}.",
        ("indent", "1. Écrire l'équation de la réaction support du titrage. L'ammoniac est-il "
                   "un acide ou une base ?"),
        ("indent", "2. Réaliser le titrage pH-métrique (situation 1, sonde « pH-mètre ») et "
                   "tracer pH = f(V_{1}). Déterminer le volume versé à l'équivalence V_{E} par "
                   "la méthode des tangentes parallèles, puis par celle de la dérivée."),
        ("indent", "3. Relever le pH à la demi-équivalence et en déduire le pK_{A} du couple "
                   "NH_{4}^{+} / NH_{3}. Relever le pH à l'équivalence : pourquoi est-il "
                   "inférieur à 7 ?"),
        ("indent", "4. Calculer c_{2}, puis la concentration c_{0} du nettoyant et sa "
                   "concentration en masse C_{m} en ammoniac."),
    ]))
    write("AMMONIC.RTF", rich_text("Correction : le nettoyant à l'ammoniac", [
        ("indent", "1. ##NH_{3} + H_{3}O^{+} → NH_{4}^{+} + H_{2}O## : l'ammoniac capte un "
                   "proton, c'est une base."),
        ("indent", "2. Dans le saut : V_{1} = 10,60 mL, pH = 7,22 ; V_{1} = 10,70 mL, pH = 5,62 ; "
                   "V_{1} = 10,80 mL, pH = 4,02. La méthode de la dérivée donne "
                   "##V_{E} = 10,70 mL## (situation 1 de la correction) ; celle des tangentes "
                   "parallèles donne le même volume à un ou deux centièmes de millilitre près, "
                   "selon les points de contact choisis (10,69 mL avec ceux de 5 et 15 mL)."),
        ("indent", "3. À la demi-équivalence, V_{1} = 5,35 mL, pH = 9,25 : les concentrations "
                   "de NH_{4}^{+} et de NH_{3} y sont égales, d'où ##pK_{A} = 9,25##. À "
                   "l'équivalence, V_{1} = 10,70 mL, pH = 5,62 : le mélange contient des ions "
                   "ammonium, un acide faible, d'où un pH inférieur à 7 (un indicateur dont la "
                   "zone de virage contient 5,6, comme le rouge de méthyle, conviendrait)."),
        ("indent", "4. À l'équivalence, n(H_{3}O^{+}) versé = n(NH_{3}) initial, soit "
                   "c_{2} = c_{1} · V_{E} / V_{2} = 2,00 × 10^{-2} × 10,70 / 10,0 = "
                   "##2,14 × 10^{-2} mol · L^{-1}##."),
        ("indent", "Le nettoyant a été dilué cinquante fois : c_{0} = 50 c_{2} = "
                   "1,07 mol · L^{-1} et C_{m} = c_{0} · M(NH_{3}) = 1,07 × 17,0 = "
                   "##18,2 g · L^{-1}##."),
    ]))


def main():
    vinegar()
    drain_cleaner()
    cola()
    milk()
    ammonia()


if __name__ == "__main__":
    main()
