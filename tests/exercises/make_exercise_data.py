#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the exercises installed with the program into data/: the exercise files (.E44),
the getting-started file VIREKA.PEM, their rich-text statements and corrections (.RTF) and
their configuration files (.C17).

Run from anywhere: python3 tests/exercises/make_exercise_data.py
The files it writes are committed; run it again only after changing a text below.
"""

import os
import re
import struct

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data")

# ---------------------------------------------------------------- typography

def french(text):
    """French typography: a no-break space before : ; ? ! and inside « », where the texts
    below write a plain space (or none before ? and !)."""
    text = re.sub(r" ([:;?!])", "\u00a0\\1", text)
    text = re.sub(r"(?<=\w)([?!])", "\u00a0\\1", text)
    return text.replace("« ", "«\u00a0").replace(" »", "\u00a0»")

# ---------------------------------------------------------------- record files

def record_file(texts):
    """128-byte records: 16-bit little-endian length, Windows-1252 text, zero filler."""
    out = bytearray()
    for text in texts:
        data = text.encode("cp1252")
        assert len(data) <= 126, text
        out += struct.pack("<H", len(data)) + data + bytes(126 - len(data))
    return bytes(out)


DEFAULT_TEXTS = ["0,01", "0,005", "0,05", "10", "20,0", "0,0"]
DEFAULT_CHOICES = [0, 2, 1]


# The first position of the acid-base titrations in the species list, after the redox
# species and the heading that sets the two families apart.
ACID_BASE_LIST_START = 11


def configuration(situations):
    """91 records: "TITRAGE", then for each of the ten situations its six texts and the
    positions of ions1, Combo1 and Combo2. A situation is (texts, choices), or (texts,
    choices, (water, indicator, probe)) for an acid-base titration: a file that holds one is
    signed "TITRAGE ACIDO-BASIQUE" and goes on with the water added, the indicator's and the
    probe's positions of every situation (121 records)."""
    filled = [situations[s] if s < len(situations) else (DEFAULT_TEXTS, DEFAULT_CHOICES)
              for s in range(10)]
    acid_base = any(situation[1][0] >= ACID_BASE_LIST_START for situation in filled)
    records = ["TITRAGE ACIDO-BASIQUE" if acid_base else "TITRAGE"]
    for situation in filled:
        texts, choices = situation[:2]
        records += list(texts) + [str(c) for c in choices]
    assert len(records) == 91
    if acid_base:
        for situation in filled:
            water, indicator, probe = situation[2] if len(situation) > 2 else ("0", 0, 0)
            records += [water, str(indicator), str(probe)]
        assert len(records) == 121
    return record_file(records)


def exercise(statement, config, correction, correction_config, level, topics, title, duration,
             hidden=False):
    """Records 1 to 12; record 13 "1" when the concentration to find stays hidden until the
    correction is shown."""
    records = [statement, config, correction, correction_config, str(level), ""]
    topics = [french(t) for t in topics] + [""] * (4 - len(topics))
    return record_file(records + topics + [french(title), str(duration)] +
                       (["1"] if hidden else []))

# ---------------------------------------------------------------- rich text

def escape(text):
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ch == "\t":
            out.append("\\tab ")
        elif ch == "\u00a0":
            out.append("\\~")
        elif ord(ch) < 128:
            out.append(ch)
        else:
            try:
                b = ch.encode("cp1252")
                out.append("\\'%02x" % b[0])
            except UnicodeEncodeError:
                code = ord(ch)
                out.append("\\u%d?" % (code - 65536 if code > 32767 else code))
    return "".join(out)


# Inline marks: _{..} subscript, ^{..} superscript, **..** bold, ##..## blue, //..// italic.
MARK = re.compile(r"_\{([^}]*)\}|\^\{([^}]*)\}|\*\*(.+?)\*\*|##(.+?)##|//(.+?)//")


def runs(text):
    out, last = [], 0
    for m in MARK.finditer(text):
        if m.start() > last:
            out.append(escape(text[last:m.start()]))
        sub, sup, bold, blue, italic = m.groups()
        if sub is not None:
            out.append("{\\sub " + escape(sub) + "}")
        elif sup is not None:
            out.append("{\\super " + escape(sup) + "}")
        elif bold is not None:
            out.append("{\\b " + runs(bold) + "}")
        elif blue is not None:
            out.append("{\\cf1\\b " + runs(blue) + "}")
        else:
            out.append("{\\i " + runs(italic) + "}")
        last = m.end()
    out.append(escape(text[last:]))
    return "".join(out)


def table(widths, rows):
    """A table as Word writes it: every row opens with \\trowd\\trgaph108 and describes each
    cell, its four single borders then its right edge in twips (\\cellxN); then one
    \\pard\\intbl paragraph per cell ended by \\cell, and \\row. The first row and the
    first column are in bold."""
    out = []
    for r, row in enumerate(rows):
        assert len(row) == len(widths), row
        out.append("\\trowd\\trgaph108")
        edge = 0
        for width in widths:
            edge += width
            out.append("\\clbrdrt\\brdrs\\brdrw10 \\clbrdrl\\brdrs\\brdrw10 "
                       "\\clbrdrb\\brdrs\\brdrw10 \\clbrdrr\\brdrs\\brdrw10 \\cellx%d" % edge)
        out.append("\r\n")
        for c, text in enumerate(row):
            bold = "\\b" if r == 0 or c == 0 else ""
            out.append("\\pard\\intbl\\ql\\plain\\f0\\fs18%s %s\\cell\r\n" %
                       (bold, runs(french(text))))
        out.append("\\row\r\n")
    return "".join(out)


def rich_text(title, paragraphs):
    """A title centred in blue, then paragraphs: plain strings, or ("indent", text) for an
    indented paragraph (questions, steps), ("centre", text), or ("table", widths, rows)."""
    head = ("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
            "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
            "{\\colortbl ;\\red0\\green0\\blue200;\\red200\\green0\\blue0;}"
            "{\\*\\generator Titrage colorim\\'e9trique;}\\viewkind4\r\n")
    body = ["\\pard\\qc\\sa120\\plain\\f0\\fs28\\b\\cf1 " + escape(french(title)) + "\\par\r\n"]
    for p in paragraphs:
        if isinstance(p, tuple) and p[0] == "table":
            body.append(table(p[1], p[2]))
            continue
        kind, text = p if isinstance(p, tuple) else ("", p)
        if kind == "indent":
            fmt = "\\pard\\li400\\fi-200\\sa60"
        elif kind == "centre":
            fmt = "\\pard\\qc\\sa60"
        else:
            fmt = "\\pard\\sa60"
        body.append(fmt + "\\plain\\f0\\fs20 " + runs(french(text)) + "\\par\r\n")
    return (head + "".join(body) + "}\r\n").encode("ascii")

# ---------------------------------------------------------------- the exercises

def write(name, data):
    with open(os.path.join(DATA, name), "wb") as f:
        f.write(data)


def main():
    os.makedirs(DATA, exist_ok=True)

    # The bench's notation, in every text: c_1 and V_1 the titrant and the volume poured
    # (V_E at the equivalence), c_2 and V_2 the solution to titrate and its sample, c_3 and
    # V_3 the reagent of an indirect titration.

    # Getting started: the diiode titration set up on situation 1, followed step by step
    # from the state the program starts in (the preparation panel open).
    write("VIREKA.PEM", exercise("PRISEMAIN.RTF", "PRISEMAIN.C17", "", "", 1,
                                 ["Utilisation du simulateur."], "Prise en main du simulateur", 1))
    write("PRISEMAIN.C17", configuration([(["0,01", "0,02", "0,05", "10", "20,0", "0,0"], [2, 4, 1])]))
    write("PRISEMAIN.RTF", rich_text("Prise en main du simulateur", [
        "Cette activité vous guide pas à pas dans l'utilisation du simulateur sur un exemple : "
        "le titrage d'une solution de ##diiode## I_{2} par une solution de ##thiosulfate de sodium##. "
        "En ouvrant cette activité, le simulateur a préparé ce titrage dans la situation n° 1.",
        "**1. Vérifier la solution à titrer**",
        ("indent", "- Au démarrage, le panneau de préparation recouvre le banc et le bouton placé à "
                   "droite du bécher s'appelle « Simuler le titrage ». S'il s'appelle "
                   "« Définir la solution titrée », cliquer dessus : le panneau de préparation "
                   "s'ouvre."),
        ("indent", "- Le panneau montre l'espèce à titrer (« diiode »), sa concentration "
                   "c_{2} = 0,01 mol · L^{-1} et le volume de prélèvement (10 mL)."),
        "**2. Simuler le titrage**",
        ("indent", "- Cliquer sur « Simuler le titrage » : le banc apparaît et le bouton s'appelle "
                   "maintenant « Définir la solution titrée »."),
        ("indent", "- À droite de la burette, la case c_{1} donne la concentration de la solution "
                   "titrante : laisser 0,02 mol · L^{-1}. Changer une concentration remet la "
                   "burette à zéro."),
        ("indent", "- En bas du banc, la case « Ajouter du thiodène » doit être décochée."),
        ("indent", "- Maintenir le bouton de la souris enfoncé sur le robinet de la burette : la "
                   "solution coule par 0,1 mL, vite (environ 10 mL par seconde), et le volume versé "
                   "V_{1} s'affiche à droite de la burette. Relâcher vers 8 mL, puis cliquer "
                   "brièvement sur le robinet (0,1 mL par clic) jusqu'à 9 mL environ."),
        ("indent", "- Cliquer ensuite sur la goutte, à droite de la pointe de la burette : chaque "
                   "clic ajoute 0,05 mL."),
        "**3. Repérer l'équivalence**",
        ("indent", "- Tant qu'il reste du diiode, le mélange est jaune. Ajouter les gouttes une à "
                   "une : à l'équivalence la couleur disparaît. Noter le volume versé V_{E}."),
        ("indent", "- Avec les valeurs proposées (c_{2} = 1,0 × 10^{-2} mol · L^{-1}, V_{2} = 10,0 mL, "
                   "c_{1} = 2,0 × 10^{-2} mol · L^{-1}), on doit trouver V_{E} = 10,0 mL, car "
                   "c_{1} · V_{E} = 2 c_{2} · V_{2}."),
        "**4. Recommencer avec le thiodène**",
        ("indent", "- Cliquer sur le petit bouton « 0 », à droite du volume versé : il remet la "
                   "burette à zéro."),
        ("indent", "- Cocher « Ajouter du thiodène » : le diiode colore le mélange en bleu très "
                   "foncé, presque noir. Verser comme au 2 : la couleur disparaît à la même goutte, V_{E} = 10,0 mL, "
                   "et le passage du bleu à l'incolore se voit bien mieux."),
        "**Les autres commandes**",
        ("indent", "- « Vider la burette » ouvre le robinet sans tenir la souris : la burette se "
                   "vide dans le bécher jusqu'au clic suivant sur ce bouton. Pour recommencer un "
                   "titrage, c'est le bouton « 0 » qu'il faut utiliser."),
        ("indent", "- Dans le panneau de préparation, l'image du dé (« Concentration aléatoire ») "
                   "tire une concentration au hasard et la cache : le titrage doit alors la "
                   "retrouver. « Afficher la concentration » la montre."),
        ("indent", "- Les boutons « Situation n° 1 » à « Situation n° 10 » gardent dix montages "
                   "différents."),
        "**5. Un titrage acido-basique**",
        ("indent", "- Cliquer sur « Situation n° 2 », puis sur « Définir la solution titrée » : "
                   "le panneau de préparation s'ouvre."),
        ("indent", "- Dans la liste des espèces, sous « Titrages acido-basiques », choisir "
                   "« acide éthanoïque ». Taper sa concentration c_{2} = 0,1 mol · L^{-1} et "
                   "choisir le prélèvement « 10 mL »."),
        ("indent", "- Le panneau demande alors ce qu'un titrage acido-basique demande de plus : la "
                   "concentration c_{1} de la solution d'hydroxyde de sodium (taper 0,1), le "
                   "volume d'eau distillée ajoutée (laisser 0), l'indicateur coloré (choisir "
                   "« phénolphtaléine ») et la sonde de mesure (laisser « pH-mètre »)."),
        ("indent", "- Cliquer sur « Simuler le titrage » : le pH-mètre plonge dans le bécher et "
                   "affiche pH = 2,88. Verser 5,0 mL avec le robinet : il affiche 4,76, le pK_{A} "
                   "du couple CH_{3}COOH / CH_{3}COO^{-}, car la moitié de l'acide a réagi."),
        ("indent", "- Verser jusqu'à 9,5 mL, puis goutte à goutte : à 10,00 mL, le pH saute à "
                   "8,73 et le mélange devient rose pâle (la goutte suivante donne 10,40). "
                   "L'équivalence est à 10,0 mL, car c_{1} · V_{E} = c_{2} · V_{2}."),
        ("indent", "- L'onglet « Affichage » montre l'échelle de teintes de la phénolphtaléine et "
                   "sa zone de virage. Avec la sonde « conductimètre », l'appareil affiche la "
                   "conductivité σ du mélange. L'aide (bouton ##Aide##, chapitre 13) décrit ces "
                   "titrages, les indicateurs et les méthodes qui donnent l'équivalence."),
        "Pour continuer : bouton ##Exercices##, « Ouvrir un exercice (énoncé + configuration) ».",
    ]))

    # Exercise 1: diiode by thiosulfate (direct).
    write("DIIODE.E44", exercise("DIIODE.RTF", "DIIODE.C17", "DIIODEC.RTF", "DIIODEC.C17", 1,
                                 ["Couples oxydant/réducteur I2/I- et S4O6 2-/S2O3 2-. ",
                                  "Équation de titrage, tableau d'avancement, équivalence, rôle du thiodène."],
                                 "Titrage d'une solution de diiode par le thiosulfate de sodium", 2,
                                 hidden=True))
    diiode = ["0,012", "0,02", "0,05", "10", "20,0", "0,0"]
    write("DIIODE.C17", configuration([(diiode, [2, 4, 1])]))
    # The correction's bench stands at the equivalence: the colour has just gone.
    write("DIIODEC.C17", configuration([(diiode[:5] + ["12,0"], [2, 4, 1])]))
    write("DIIODE.RTF", rich_text("Titrage d'une solution de diiode", [
        "On dispose d'une solution aqueuse de diiode I_{2} de concentration inconnue c_{2}. "
        "On en prélève V_{2} = 10,0 mL, que l'on titre par une solution de thiosulfate de sodium "
        "(2 Na^{+} + S_{2}O_{3}^{2-}) de concentration c_{1} = 2,0 × 10^{-2} mol · L^{-1}, placée "
        "dans la burette. Sur le banc (situation 1), la concentration c_{2} est cachée : c'est elle "
        "qu'il faut retrouver.",
        "Données : couples I_{2} / I^{-} et S_{4}O_{6}^{2-} / S_{2}O_{3}^{2-}. Seul le diiode est "
        "coloré (jaune-brun) ; avec le thiodène, il donne une coloration bleue intense.",
        ("indent", "1. Écrire les demi-équations électroniques des deux couples, puis l'équation de la "
                   "réaction support du titrage."),
        ("indent", "2. Comment repère-t-on l'équivalence ? Pourquoi ajoute-t-on du thiodène peu avant "
                   "l'équivalence ?"),
        ("indent", "3. Réaliser le titrage sur le simulateur (situation 1) et relever le volume "
                   "versé à l'équivalence V_{E}."),
        ("indent", "4. À l'aide d'un tableau d'avancement, établir la relation entre les quantités "
                   "de matière à l'équivalence, puis calculer c_{2}."),
    ]))
    write("DIIODEC.RTF", rich_text("Correction : titrage du diiode", [
        ("indent", "1. I_{2} + 2 e^{-} = 2 I^{-}  et  2 S_{2}O_{3}^{2-} = S_{4}O_{6}^{2-} + 2 e^{-}, d'où "
                   "##I_{2} + 2 S_{2}O_{3}^{2-} → 2 I^{-} + S_{4}O_{6}^{2-}##."),
        ("indent", "2. Avant l'équivalence le diiode est en excès et colore le mélange ; à l'équivalence "
                   "il est entièrement consommé : la couleur disparaît. Le thiodène rend cette "
                   "disparition bien visible (passage du bleu à l'incolore)."),
        ("indent", "3. On lit V_{E} = 12,0 mL : à 11,95 mL le diiode colore encore le mélange, à "
                   "12,0 mL il est incolore (la burette de la situation 1 est placée à l'équivalence)."),
        ("indent", "4. Tableau d'avancement, avec n_{2} = c_{2} · V_{2} la quantité de diiode "
                   "prélevée et V_{1} le volume versé :"),
        ("table", [1150, 850, 1150, 850, 1000], [
            ["Équation", "I_{2}", "+ 2 S_{2}O_{3}^{2-}", "→ 2 I^{-}", "+ S_{4}O_{6}^{2-}"],
            ["x = 0", "n_{2}", "c_{1} · V_{1}", "0", "0"],
            ["x", "n_{2} − x", "c_{1} · V_{1} − 2x", "2x", "x"],
            ["x_{E}", "0", "0", "2 x_{E}", "x_{E}"],
        ]),
        ("indent", "À l'équivalence les deux réactifs sont entièrement consommés : n_{2} − x_{E} = 0 "
                   "et c_{1} · V_{E} − 2 x_{E} = 0, soit c_{1} · V_{E} = 2 c_{2} · V_{2}."),
        ("indent", "c_{2} = c_{1} · V_{E} / (2 V_{2}) = 2,0 × 10^{-2} × 12,0 / (2 × 10,0) = "
                   "##1,2 × 10^{-2} mol · L^{-1}##."),
    ]))

    # Exercise 2: hydrogen peroxide by permanganate (direct).
    write("EAUOXY.E44", exercise("EAUOXY.RTF", "EAUOXY.C17", "EAUOXYC.RTF", "EAUOXYC.C17", 2,
                                 ["Couples MnO4-/Mn2+ et O2/H2O2, milieu acide. ",
                                  "Titrage direct : équation de titrage, équivalence, calcul d'une concentration."],
                                 "Dosage de l'eau oxygénée par le permanganate de potassium", 2,
                                 hidden=True))
    eauoxy = ["0,05", "0,02", "0,05", "10", "20,0", "0,0"]
    write("EAUOXY.C17", configuration([(eauoxy, [6, 4, 1])]))
    write("EAUOXYC.C17", configuration([(eauoxy[:5] + ["10,0"], [6, 4, 1])]))
    write("EAUOXY.RTF", rich_text("Dosage de l'eau oxygénée", [
        "Une eau oxygénée commerciale a été diluée. On titre V_{2} = 10,0 mL de la solution diluée, "
        "acidifiée par de l'acide sulfurique, par une solution de permanganate de potassium "
        "(K^{+} + MnO_{4}^{-}) de concentration c_{1} = 2,0 × 10^{-2} mol · L^{-1}, placée dans la "
        "burette. Sur le banc (situation 1), la concentration c_{2} en peroxyde d'hydrogène de la "
        "solution diluée est cachée : c'est elle qu'il faut retrouver.",
        "Données : couples MnO_{4}^{-} / Mn^{2+} et O_{2} / H_{2}O_{2}. L'ion permanganate est violet, "
        "les autres espèces sont incolores.",
        ("indent", "1. Écrire les demi-équations électroniques et montrer que l'équation de la réaction "
                   "de titrage s'écrit 2 MnO_{4}^{-} + 5 H_{2}O_{2} + 6 H^{+} → 2 Mn^{2+} + 5 O_{2} + 8 H_{2}O."),
        ("indent", "2. Pourquoi n'est-il pas nécessaire d'ajouter un indicateur coloré ?"),
        ("indent", "3. Réaliser le titrage sur le simulateur (situation 1) et relever le volume "
                   "versé à l'équivalence V_{E}."),
        ("indent", "4. Calculer la concentration c_{2} en peroxyde d'hydrogène de la solution diluée."),
    ]))
    write("EAUOXYC.RTF", rich_text("Correction : dosage de l'eau oxygénée", [
        ("indent", "1. MnO_{4}^{-} + 8 H^{+} + 5 e^{-} = Mn^{2+} + 4 H_{2}O (×2) et "
                   "H_{2}O_{2} = O_{2} + 2 H^{+} + 2 e^{-} (×5) ; la somme donne l'équation proposée."),
        ("indent", "2. Avant l'équivalence l'ion permanganate versé est aussitôt réduit : le mélange "
                   "reste incolore. Après l'équivalence il est en excès : la première goutte en trop "
                   "donne une teinte ##rose violacé## persistante."),
        ("indent", "3. On lit V_{E} = 10,0 mL : à 10,0 mL le mélange est encore incolore, la goutte "
                   "suivante (10,05 mL) le colore (la burette de la situation 1 est placée à "
                   "l'équivalence)."),
        ("indent", "4. À l'équivalence n(MnO_{4}^{-}) versé / 2 = n(H_{2}O_{2}) / 5, soit "
                   "c_{1} · V_{E} / 2 = c_{2} · V_{2} / 5 et c_{2} = 5 c_{1} · V_{E} / (2 V_{2}) = "
                   "5 × 2,0 × 10^{-2} × 10,0 / (2 × 10,0) = ##5,0 × 10^{-2} mol · L^{-1}##."),
    ]))

    # Exercise 3: hypochlorite, indirect (iodide in excess, then thiosulfate).
    write("JAVEL.E44", exercise("JAVEL.RTF", "JAVEL.C17", "JAVELC.RTF", "JAVELC.C17", 3,
                                ["Titrage indirect. Couples ClO-/Cl-, I2/I-, S4O6 2-/S2O3 2-. ",
                                 "Équations, équivalence, vérification d'un excès."],
                                "Dosage indirect de l'ion hypochlorite d'une eau de Javel", 3,
                                hidden=True))
    javel = ["0,01", "0,02", "0,1", "10", "20,0", "0,0"]
    write("JAVEL.C17", configuration([(javel, [4, 4, 1])]))
    write("JAVELC.C17", configuration([(javel[:5] + ["10,0"], [4, 4, 1])]))
    write("JAVEL.RTF", rich_text("Dosage indirect de l'eau de Javel", [
        "L'eau de Javel contient des ions hypochlorite ClO^{-}. Une eau de Javel a été diluée ; "
        "on en prélève V_{2} = 10,0 mL auxquels on ajoute, en milieu acide, V_{3} = 10,0 mL d'une "
        "solution d'iodure de potassium de concentration c_{3} = 0,10 mol · L^{-1} (en excès). Le "
        "diiode formé est ensuite titré par une solution de thiosulfate de sodium de concentration "
        "c_{1} = 2,0 × 10^{-2} mol · L^{-1}. Sur le banc (situation 1), la concentration c_{2} en "
        "ions hypochlorite de la solution diluée est cachée : c'est elle qu'il faut retrouver.",
        "Données : couples ClO^{-} / Cl^{-}, I_{2} / I^{-} et S_{4}O_{6}^{2-} / S_{2}O_{3}^{2-}.",
        ("indent", "1. Écrire l'équation de la réaction entre les ions hypochlorite et les ions iodure, "
                   "puis celle du titrage du diiode formé."),
        ("indent", "2. Pourquoi parle-t-on de dosage indirect ? Quelle relation lie la quantité de "
                   "diiode formé à la quantité n_{2} d'ions hypochlorite ?"),
        ("indent", "3. Réaliser le titrage sur le simulateur (situation 1) et relever le volume "
                   "versé à l'équivalence V_{E}."),
        ("indent", "4. En déduire la concentration c_{2} en ions hypochlorite de la solution diluée."),
        ("indent", "5. Vérifier que l'iodure de potassium était bien en excès."),
    ]))
    write("JAVELC.RTF", rich_text("Correction : dosage indirect de l'eau de Javel", [
        ("indent", "1. ##ClO^{-} + 2 I^{-} + 2 H^{+} → Cl^{-} + I_{2} + H_{2}O## puis "
                   "##I_{2} + 2 S_{2}O_{3}^{2-} → 2 I^{-} + S_{4}O_{6}^{2-}##."),
        ("indent", "2. Les ions hypochlorite ne sont pas titrés eux-mêmes : on titre le diiode qu'ils "
                   "ont formé avec l'iodure en excès. D'après la première équation, "
                   "n(I_{2}) formé = n_{2}."),
        ("indent", "3. On lit V_{E} = 10,0 mL : à 9,95 mL le diiode colore encore le mélange, à "
                   "10,0 mL il est incolore (la burette de la situation 1 est placée à "
                   "l'équivalence)."),
        ("indent", "4. n_{2} = n(I_{2}) = n(S_{2}O_{3}^{2-}) / 2, soit c_{2} · V_{2} = c_{1} · V_{E} / 2 et "
                   "c_{2} = c_{1} · V_{E} / (2 V_{2}) = 2,0 × 10^{-2} × 10,0 / (2 × 10,0) = "
                   "##1,0 × 10^{-2} mol · L^{-1}##."),
        ("indent", "5. n_{2} = c_{2} · V_{2} = 0,10 mmol demandent 2 n_{2} = 0,20 mmol d'ions iodure ; "
                   "on en a introduit c_{3} · V_{3} = 0,10 × 10,0 = 1,0 mmol : l'iodure était bien en "
                   "excès."),
    ]))

    # Exercise 4: thiosulfate titrated by diiode (direct, the titrant is the coloured species).
    write("THIOSU.E44", exercise("THIOSU.RTF", "THIOSU.C17", "THIOSUC.RTF", "THIOSUC.C17", 1,
                                 ["Couples I2/I- et S4O6 2-/S2O3 2-. ",
                                  "Équation de titrage, équivalence, rôle du thiodène, préparation d'une solution."],
                                 "Titrage d'une solution de thiosulfate de sodium par le diiode", 2,
                                 hidden=True))
    thiosu = ["0,025", "0,02", "0,05", "0", "20,0", "0,0"]
    write("THIOSU.C17", configuration([(thiosu, [9, 5, 1])]))
    write("THIOSUC.C17", configuration([(thiosu[:5] + ["12,5"], [9, 5, 1]),
                                        (thiosu[:5] + ["12,55"], [9, 5, 1])]))
    write("THIOSU.RTF", rich_text("Titrage d'une solution de thiosulfate de sodium", [
        "On veut déterminer la concentration c_{2} d'une solution de thiosulfate de sodium "
        "(2 Na^{+} + S_{2}O_{3}^{2-}). On en prélève V_{2} = 20,0 mL à la pipette jaugée, on y ajoute "
        "un peu de thiodène, puis on la titre par une solution de diiode I_{2} de concentration "
        "c_{1} = 2,0 × 10^{-2} mol · L^{-1} placée dans la burette. Sur le banc (situation 1), la "
        "concentration c_{2} est cachée : c'est elle qu'il faut retrouver.",
        "Données : couples I_{2} / I^{-} et S_{4}O_{6}^{2-} / S_{2}O_{3}^{2-}. Seul le diiode est "
        "coloré (jaune-brun) ; avec le thiodène, il donne une coloration bleue intense. "
        "M(Na_{2}S_{2}O_{3}, 5 H_{2}O) = 248,2 g · mol^{-1}.",
        ("indent", "1. Écrire les demi-équations électroniques des deux couples, puis l'équation de la "
                   "réaction support du titrage. Quel est le réactif titrant ? le réactif titré ?"),
        ("indent", "2. Quelle est la couleur du mélange avant l'équivalence ? Comment repère-t-on "
                   "l'équivalence ?"),
        ("indent", "3. Réaliser le titrage sur le simulateur (situation 1, cocher « Ajouter du "
                   "thiodène ») et relever le volume versé à l'équivalence V_{E}."),
        ("indent", "4. Établir la relation entre les quantités de matière à l'équivalence, puis "
                   "calculer c_{2}."),
        ("indent", "5. Quelle masse de thiosulfate de sodium pentahydraté Na_{2}S_{2}O_{3}, 5 H_{2}O "
                   "faut-il dissoudre pour préparer 500,0 mL de cette solution ?"),
    ]))
    write("THIOSUC.RTF", rich_text("Correction : titrage du thiosulfate de sodium", [
        ("indent", "1. I_{2} + 2 e^{-} = 2 I^{-}  et  2 S_{2}O_{3}^{2-} = S_{4}O_{6}^{2-} + 2 e^{-}, d'où "
                   "##I_{2} + 2 S_{2}O_{3}^{2-} → 2 I^{-} + S_{4}O_{6}^{2-}##. Le réactif titrant est le "
                   "diiode (dans la burette), le réactif titré l'ion thiosulfate (dans le bécher)."),
        ("indent", "2. Avant l'équivalence, le diiode versé est aussitôt consommé par les ions "
                   "thiosulfate en excès : le mélange reste incolore. Après l'équivalence, le diiode "
                   "n'est plus consommé : la première goutte en excès colore le mélange en ##bleu## "
                   "(jaune très pâle sans thiodène)."),
        ("indent", "3. On lit V_{E} = 12,5 mL : à 12,5 mL le mélange est encore incolore, la goutte "
                   "suivante (12,55 mL) le colore (en bleu avec le thiodène). Situation 1 : la burette est placée à "
                   "l'équivalence ; situation 2 : une goutte après."),
        ("indent", "4. À l'équivalence, n(I_{2}) versé = n(S_{2}O_{3}^{2-}) initial / 2, soit "
                   "c_{1} · V_{E} = c_{2} · V_{2} / 2."),
        ("indent", "c_{2} = 2 c_{1} · V_{E} / V_{2} = 2 × 2,0 × 10^{-2} × 12,5 / 20,0 = "
                   "##2,5 × 10^{-2} mol · L^{-1}##."),
        ("indent", "5. m = c_{2} · V · M = 2,5 × 10^{-2} × 0,5000 × 248,2 = ##3,1 g## (deux chiffres "
                   "significatifs, comme c_{2})."),
    ]))

    # Exercise 5: ascorbic acid, indirect (diiode in excess, the excess titrated by thiosulfate).
    write("VITAC.E44", exercise("VITAC.RTF", "VITAC.C17", "VITACC.RTF", "VITACC.C17", 3,
                                ["Titrage indirect. Couples C6H6O6/C6H8O6, I2/I-, S4O6 2-/S2O3 2-. ",
                                 "Contrôle d'un comprimé de vitamine C."],
                                "Dosage de la vitamine C d'un comprimé", 3, hidden=True))
    vitac = ["0,0137", "0,02", "0,05", "0", "20,0", "0,0"]
    write("VITAC.C17", configuration([(vitac, [0, 4, 3])]))
    write("VITACC.C17", configuration([(vitac[:5] + ["11,3"], [0, 4, 3]),
                                       (vitac[:5] + ["11,25"], [0, 4, 3])]))
    write("VITAC.RTF", rich_text("Dosage de la vitamine C d'un comprimé", [
        "Un comprimé de vitamine C porte l'indication « 500 mg ». On le dissout dans de l'eau "
        "distillée et on complète à V_{S} = 200,0 mL en fiole jaugée : c'est la solution S, de concentration "
        "c_{2} en acide ascorbique C_{6}H_{8}O_{6}.",
        "On prélève V_{2} = 10,0 mL de la solution S, auxquels on ajoute V_{3} = 5,00 mL d'une "
        "solution de diiode de concentration c_{3} = 5,00 × 10^{-2} mol · L^{-1}. Le diiode restant "
        "est ensuite titré par une solution de thiosulfate de sodium (2 Na^{+} + S_{2}O_{3}^{2-}) "
        "de concentration c_{1} = 2,00 × 10^{-2} mol · L^{-1}. Sur le banc (situation 1), la "
        "concentration c_{2} est cachée : c'est elle qu'il faut retrouver.",
        "Données : couples C_{6}H_{6}O_{6} / C_{6}H_{8}O_{6}, I_{2} / I^{-} et "
        "S_{4}O_{6}^{2-} / S_{2}O_{3}^{2-}. Seul le diiode est coloré. "
        "M(C_{6}H_{8}O_{6}) = 176,0 g · mol^{-1}.",
        ("indent", "1. Écrire l'équation de la réaction entre l'acide ascorbique et le diiode, puis "
                   "celle du titrage du diiode restant."),
        ("indent", "2. Pourquoi parle-t-on de titrage indirect ? En admettant l'indication du "
                   "fabricant, vérifier que le diiode est bien en excès."),
        ("indent", "3. Réaliser le titrage sur le simulateur (situation 1, avec le thiodène) et "
                   "relever le volume versé à l'équivalence V_{E}."),
        ("indent", "4. Calculer la quantité de diiode restant après la première réaction, puis la "
                   "quantité n_{2} d'acide ascorbique contenue dans V_{2}. En déduire c_{2}."),
        ("indent", "5. Calculer la masse d'acide ascorbique du comprimé et la comparer à l'indication "
                   "du fabricant."),
    ]))
    write("VITACC.RTF", rich_text("Correction : dosage de la vitamine C", [
        ("indent", "1. C_{6}H_{6}O_{6} + 2 H^{+} + 2 e^{-} = C_{6}H_{8}O_{6}  et  I_{2} + 2 e^{-} = 2 I^{-}, "
                   "d'où ##C_{6}H_{8}O_{6} + I_{2} → C_{6}H_{6}O_{6} + 2 I^{-} + 2 H^{+}## ; puis "
                   "##I_{2} + 2 S_{2}O_{3}^{2-} → 2 I^{-} + S_{4}O_{6}^{2-}##."),
        ("indent", "2. L'acide ascorbique n'est pas titré lui-même : il réagit entièrement avec une "
                   "quantité connue de diiode, introduite en excès, et l'on titre le diiode qui reste. "
                   "n(I_{2}) introduit = c_{3} · V_{3} = 5,00 × 10^{-2} × 5,00 = 0,250 mmol ; d'après "
                   "l'indication, n_{2} ≈ (0,500 / 176,0) × (10,0 / 200,0) = 1,42 × 10^{-4} mol = "
                   "0,142 mmol < 0,250 mmol : le diiode est en excès."),
        ("indent", "3. On lit V_{E} = 11,3 mL : à 11,25 mL il reste du diiode (bleu avec le thiodène), "
                   "à 11,3 mL le mélange est incolore. Situation 1 : la burette est placée à "
                   "l'équivalence ; situation 2 : une goutte avant."),
        ("indent", "4. n(I_{2}) restant = n(S_{2}O_{3}^{2-}) / 2 = c_{1} · V_{E} / 2 = "
                   "2,00 × 10^{-2} × 11,3 / 2 = 0,113 mmol."),
        ("indent", "n_{2} = n(I_{2}) introduit − n(I_{2}) restant = 0,250 − 0,113 = 0,137 mmol, soit "
                   "c_{2} = n_{2} / V_{2} = 0,137 / 10,0 = ##1,37 × 10^{-2} mol · L^{-1}##."),
        ("indent", "5. m = c_{2} · V_{S} · M = 1,37 × 10^{-2} × 0,2000 × 176,0 = ##0,482 g##, soit "
                   "482 mg : 3,6 % de moins que l'indication du fabricant (500 mg), un écart "
                   "qu'admet la tolérance habituelle d'un comprimé (± 5 %)."),
    ]))

    # Exercise 6: copper(II), indirect (iodide in excess, the diiode formed titrated by thiosulfate).
    write("CUIVRE.E44", exercise("CUIVRE.RTF", "CUIVRE.C17", "CUIVREC.RTF", "CUIVREC.C17", 3,
                                 ["Titrage indirect. Couples Cu2+/CuI, I2/I-, S4O6 2-/S2O3 2-. ",
                                  "Concentration en masse."],
                                 "Dosage indirect des ions cuivre II", 3, hidden=True))
    cuivre = ["0,028", "0,02", "0,1", "10", "20,0", "0,0"]
    write("CUIVRE.C17", configuration([(cuivre, [7, 4, 1])]))
    write("CUIVREC.C17", configuration([(cuivre[:5] + ["14,0"], [7, 4, 1]),
                                        (cuivre[:5] + ["13,95"], [7, 4, 1])]))
    write("CUIVRE.RTF", rich_text("Dosage indirect des ions cuivre II", [
        "On veut déterminer la concentration c_{2} en ions cuivre II Cu^{2+} d'une solution de "
        "sulfate de cuivre II (Cu^{2+} + SO_{4}^{2-}). On en prélève V_{2} = 10,0 mL, auxquels on "
        "ajoute V_{3} = 10,0 mL d'une solution d'iodure de potassium (K^{+} + I^{-}) de concentration "
        "c_{3} = 0,10 mol · L^{-1} (en excès). Il se forme un précipité blanc d'iodure de cuivre I, CuI, et du diiode qui "
        "colore la solution. Le diiode formé est titré par une solution de thiosulfate de sodium "
        "de concentration c_{1} = 2,0 × 10^{-2} mol · L^{-1}. Sur le banc (situation 1), la "
        "concentration c_{2} est cachée : c'est elle qu'il faut retrouver.",
        "Données : couples Cu^{2+} / CuI, I_{2} / I^{-} et S_{4}O_{6}^{2-} / S_{2}O_{3}^{2-}. "
        "M(Cu) = 63,5 g · mol^{-1}.",
        ("indent", "1. Écrire les demi-équations électroniques et montrer que la réaction entre les "
                   "ions cuivre II et les ions iodure s'écrit 2 Cu^{2+} + 4 I^{-} → 2 CuI + I_{2}. "
                   "Écrire l'équation du titrage du diiode."),
        ("indent", "2. Pourquoi parle-t-on de dosage indirect ? Quelle relation lie la quantité de "
                   "diiode formé à la quantité n_{2} d'ions cuivre II ?"),
        ("indent", "3. Réaliser le titrage sur le simulateur (situation 1) et relever le volume "
                   "versé à l'équivalence V_{E}."),
        ("indent", "4. En déduire c_{2}. Vérifier que l'iodure de potassium était bien en excès."),
        ("indent", "5. Calculer la concentration en masse C_{m} de la solution en ions cuivre II."),
    ]))
    write("CUIVREC.RTF", rich_text("Correction : dosage indirect des ions cuivre II", [
        ("indent", "1. Cu^{2+} + I^{-} + e^{-} = CuI (×2) et 2 I^{-} = I_{2} + 2 e^{-} ; la somme donne "
                   "##2 Cu^{2+} + 4 I^{-} → 2 CuI + I_{2}##. Titrage : "
                   "##I_{2} + 2 S_{2}O_{3}^{2-} → 2 I^{-} + S_{4}O_{6}^{2-}##."),
        ("indent", "2. Les ions cuivre II ne sont pas titrés eux-mêmes : on titre le diiode qu'ils "
                   "ont formé avec l'iodure en excès. D'après l'équation, n(I_{2}) formé = n_{2} / 2."),
        ("indent", "3. On lit V_{E} = 14,0 mL : à 13,95 mL le diiode colore encore le mélange, à "
                   "14,0 mL sa teinte a disparu (le simulateur montre un mélange incolore ; au "
                   "laboratoire, le précipité blanc d'iodure de cuivre I le laisse laiteux). "
                   "Situation 1 : la burette est placée à l'équivalence ; situation 2 : une goutte "
                   "avant."),
        ("indent", "4. À l'équivalence n(S_{2}O_{3}^{2-}) = 2 n(I_{2}) = n_{2}, soit "
                   "c_{1} · V_{E} = c_{2} · V_{2} et c_{2} = c_{1} · V_{E} / V_{2} = "
                   "2,0 × 10^{-2} × 14,0 / 10,0 = ##2,8 × 10^{-2} mol · L^{-1}##."),
        ("indent", "n_{2} = c_{2} · V_{2} = 0,28 mmol demandent 2 n_{2} = 0,56 mmol d'ions iodure ; "
                   "on en a introduit c_{3} · V_{3} = 0,10 × 10,0 = 1,0 mmol : l'iodure était bien en "
                   "excès."),
        ("indent", "5. La concentration en masse des ions cuivre II est C_{m} = c_{2} · M(Cu) = "
                   "2,8 × 10^{-2} × 63,5 = ##1,8 g · L^{-1}## (deux chiffres significatifs, comme "
                   "c_{2})."),
    ]))


if __name__ == "__main__":
    main()
    # The acid-base exercises, written with the same helpers.
    import acidbase_exercise_data
    acidbase_exercise_data.main()
