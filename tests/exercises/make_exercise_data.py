#!/usr/bin/env python3
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


def configuration(situations):
    """91 records: "TITRAGE", then for each of the ten situations its six texts and the
    positions of ions1, Combo1 and Combo2."""
    records = ["TITRAGE"]
    for s in range(10):
        texts, choices = situations[s] if s < len(situations) else (DEFAULT_TEXTS, DEFAULT_CHOICES)
        records += list(texts) + [str(c) for c in choices]
    assert len(records) == 91
    return record_file(records)


def exercise(statement, config, correction, correction_config, level, topics, title, duration):
    records = [statement, config, correction, correction_config, str(level), ""]
    topics = list(topics) + [""] * (4 - len(topics))
    return record_file(records + topics + [title, str(duration)])

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


def rich_text(title, paragraphs):
    """A title centred in blue, then paragraphs: plain strings, or ("indent", text) for an
    indented paragraph (questions, steps) or ("centre", text)."""
    head = ("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
            "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
            "{\\colortbl ;\\red0\\green0\\blue200;\\red200\\green0\\blue0;}"
            "{\\*\\generator Titrage colorim\\'e9trique;}\\viewkind4\r\n")
    body = ["\\pard\\qc\\sa120\\plain\\f0\\fs28\\b\\cf1 " + escape(title) + "\\par\r\n"]
    for p in paragraphs:
        kind, text = p if isinstance(p, tuple) else ("", p)
        if kind == "indent":
            fmt = "\\pard\\li400\\fi-200\\sa60"
        elif kind == "centre":
            fmt = "\\pard\\qc\\sa60"
        else:
            fmt = "\\pard\\sa60"
        body.append(fmt + "\\plain\\f0\\fs20 " + runs(text) + "\\par\r\n")
    return (head + "".join(body) + "}\r\n").encode("ascii")

# ---------------------------------------------------------------- the exercises

def write(name, data):
    with open(os.path.join(DATA, name), "wb") as f:
        f.write(data)


def main():
    os.makedirs(DATA, exist_ok=True)

    # Getting started: the diiode titration set up on situation 1.
    write("VIREKA.PEM", exercise("PRISEMAIN.RTF", "PRISEMAIN.C17", "", "", 1,
                                 ["Utilisation du simulateur."], "Prise en main du simulateur", 1))
    write("PRISEMAIN.C17", configuration([(["0,01", "0,02", "0,05", "10", "20,0", "0,0"], [2, 4, 1])]))
    write("PRISEMAIN.RTF", rich_text("Prise en main du simulateur", [
        "Cette activité vous guide pas à pas dans l'utilisation du simulateur sur un exemple : "
        "le titrage d'une solution de ##diiode## I_{2} par une solution de ##thiosulfate de sodium##.",
        "**1. Préparer la solution à titrer**",
        ("indent", "- Cliquer sur le bouton « Définir la solution titrée » : le panneau de préparation "
                   "recouvre le banc."),
        ("indent", "- Choisir l'espèce à titrer dans la liste (ici « diiode ») et le volume prélevé à la "
                   "pipette (ici 10 mL)."),
        ("indent", "- Taper la concentration de la solution, ou cliquer sur « Concentration aléatoire » "
                   "pour qu'elle reste cachée : il faudra alors la retrouver par le titrage."),
        "**2. Simuler le titrage**",
        ("indent", "- Cliquer sur « Simuler le titrage » puis taper la concentration de la solution "
                   "titrante (sous la burette)."),
        ("indent", "- Maintenir le bouton de la souris enfoncé sur le robinet de la burette : la solution "
                   "coule par 0,1 mL. Un clic sur la goutte ajoute 0,05 mL."),
        ("indent", "- Observer la couleur du mélange et le graphe des quantités de matière. Cocher "
                   "« Ajouter du Thiodène » rend la fin du titrage plus visible (couleur bleue du "
                   "diiode)."),
        "**3. Repérer l'équivalence**",
        ("indent", "- À l'équivalence, la couleur du diiode disparaît : noter le volume versé V_{E}."),
        ("indent", "- Le bouton « Vider la burette » permet de recommencer ; les boutons « Situation » "
                   "gardent dix montages différents."),
        "Avec les valeurs proposées (c = 1,0 × 10^{-2} mol · L^{-1}, V = 10,0 mL, "
        "c' = 2,0 × 10^{-2} mol · L^{-1}), on doit trouver V_{E} = 10,0 mL.",
        "Pour continuer : menu ##Exercices##, « Ouvrir un exercice (énoncé + configuration) ».",
    ]))

    # Exercise 1: diiode by thiosulfate (direct).
    write("DIIODE.E44", exercise("DIIODE.RTF", "DIIODE.C17", "DIIODEC.RTF", "DIIODEC.C17", 1,
                                 ["Couples oxydant/réducteur I2/I- et S4O6 2-/S2O3 2-. ",
                                  "Équation de titrage, équivalence, rôle du thiodène."],
                                 "Titrage d'une solution de diiode par le thiosulfate de sodium", 2))
    diiode = ["0,012", "0,02", "0,05", "10", "20,0", "0,0"]
    write("DIIODE.C17", configuration([(diiode, [2, 4, 1])]))
    write("DIIODEC.C17", configuration([(diiode[:5] + ["12,0"], [2, 4, 1])]))
    write("DIIODE.RTF", rich_text("Titrage d'une solution de diiode", [
        "On dispose d'une solution aqueuse de diiode I_{2} de concentration inconnue c_{1}. "
        "On en prélève V_{1} = 10,0 mL, que l'on titre par une solution de thiosulfate de sodium "
        "(2 Na^{+} + S_{2}O_{3}^{2-}) de concentration c_{2} = 2,0 × 10^{-2} mol · L^{-1}.",
        "Données : couples I_{2} / I^{-} et S_{4}O_{6}^{2-} / S_{2}O_{3}^{2-}. Seul le diiode est "
        "coloré (jaune-brun) ; avec le thiodène, il donne une coloration bleue intense.",
        ("indent", "1. Écrire les demi-équations électroniques des deux couples, puis l'équation de la "
                   "réaction support du titrage."),
        ("indent", "2. Comment repère-t-on l'équivalence ? Pourquoi ajoute-t-on du thiodène peu avant "
                   "l'équivalence ?"),
        ("indent", "3. Réaliser le titrage sur le simulateur (situation 1) et relever le volume "
                   "équivalent V_{E}."),
        ("indent", "4. Établir la relation entre les quantités de matière à l'équivalence, puis "
                   "calculer c_{1}."),
    ]))
    write("DIIODEC.RTF", rich_text("Correction : titrage du diiode", [
        ("indent", "1. I_{2} + 2 e^{-} = 2 I^{-}  et  2 S_{2}O_{3}^{2-} = S_{4}O_{6}^{2-} + 2 e^{-}, d'où "
                   "##I_{2} + 2 S_{2}O_{3}^{2-} → 2 I^{-} + S_{4}O_{6}^{2-}##."),
        ("indent", "2. Avant l'équivalence le diiode est en excès et colore le mélange ; à l'équivalence "
                   "il est entièrement consommé : la couleur disparaît. Le thiodène rend cette "
                   "disparition bien visible (passage du bleu à l'incolore)."),
        ("indent", "3. On lit V_{E} = 12,0 mL (la burette de la situation 1 est placée à l'équivalence)."),
        ("indent", "4. À l'équivalence, n(S_{2}O_{3}^{2-}) versé = 2 n(I_{2}) initial, soit "
                   "c_{2} · V_{E} = 2 c_{1} · V_{1}."),
        ("indent", "c_{1} = c_{2} · V_{E} / (2 V_{1}) = 2,0 × 10^{-2} × 12,0 / (2 × 10,0) = "
                   "##1,2 × 10^{-2} mol · L^{-1}##."),
    ]))

    # Exercise 2: hydrogen peroxide by permanganate (direct).
    write("EAUOXY.E44", exercise("EAUOXY.RTF", "EAUOXY.C17", "EAUOXYC.RTF", "EAUOXYC.C17", 2,
                                 ["Couples MnO4-/Mn2+ et O2/H2O2. Milieu acide. ",
                                  "Titrage direct : l'ion permanganate sert d'indicateur de fin de réaction."],
                                 "Dosage de l'eau oxygénée par le permanganate de potassium", 2))
    eauoxy = ["0,05", "0,02", "0,05", "10", "20,0", "0,0"]
    write("EAUOXY.C17", configuration([(eauoxy, [6, 4, 1])]))
    write("EAUOXYC.C17", configuration([(eauoxy[:5] + ["10,0"], [6, 4, 1])]))
    write("EAUOXY.RTF", rich_text("Dosage de l'eau oxygénée", [
        "Une eau oxygénée commerciale a été diluée. On titre V_{1} = 10,0 mL de la solution diluée, "
        "acidifiée par de l'acide sulfurique, par une solution de permanganate de potassium "
        "(K^{+} + MnO_{4}^{-}) de concentration c_{2} = 2,0 × 10^{-2} mol · L^{-1}.",
        "Données : couples MnO_{4}^{-} / Mn^{2+} et O_{2} / H_{2}O_{2}. L'ion permanganate est violet, "
        "les autres espèces sont incolores.",
        ("indent", "1. Écrire les demi-équations électroniques et montrer que l'équation de la réaction "
                   "de titrage s'écrit 2 MnO_{4}^{-} + 5 H_{2}O_{2} + 6 H^{+} → 2 Mn^{2+} + 5 O_{2} + 8 H_{2}O."),
        ("indent", "2. Pourquoi n'est-il pas nécessaire d'ajouter un indicateur coloré ?"),
        ("indent", "3. Réaliser le titrage sur le simulateur et relever V_{E}."),
        ("indent", "4. Calculer la concentration c_{1} en peroxyde d'hydrogène de la solution diluée."),
    ]))
    write("EAUOXYC.RTF", rich_text("Correction : dosage de l'eau oxygénée", [
        ("indent", "1. MnO_{4}^{-} + 8 H^{+} + 5 e^{-} = Mn^{2+} + 4 H_{2}O (×2) et "
                   "H_{2}O_{2} = O_{2} + 2 H^{+} + 2 e^{-} (×5) ; la somme donne l'équation proposée."),
        ("indent", "2. Avant l'équivalence l'ion permanganate versé est aussitôt réduit : le mélange "
                   "reste incolore. Après l'équivalence il est en excès : la première goutte en trop "
                   "donne une teinte ##rose violacé## persistante."),
        ("indent", "3. On lit V_{E} = 10,0 mL."),
        ("indent", "4. À l'équivalence n(MnO_{4}^{-}) / 2 = n(H_{2}O_{2}) / 5, soit "
                   "c_{1} = 5 c_{2} · V_{E} / (2 V_{1}) = 5 × 2,0 × 10^{-2} × 10,0 / (2 × 10,0) = "
                   "##5,0 × 10^{-2} mol · L^{-1}##."),
    ]))

    # Exercise 3: hypochlorite, indirect (iodide in excess, then thiosulfate).
    write("JAVEL.E44", exercise("JAVEL.RTF", "JAVEL.C17", "JAVELC.RTF", "JAVELC.C17", 3,
                                ["Titrage indirect : réactif en excès (iodure de potassium), ",
                                 "diiode formé titré par le thiosulfate. Couples ClO-/Cl-, I2/I-, S4O6 2-/S2O3 2-."],
                                "Dosage indirect de l'ion hypochlorite d'une eau de Javel", 3))
    javel = ["0,01", "0,02", "0,1", "10", "20,0", "0,0"]
    write("JAVEL.C17", configuration([(javel, [4, 4, 1])]))
    write("JAVELC.C17", configuration([(javel[:5] + ["10,0"], [4, 4, 1])]))
    write("JAVEL.RTF", rich_text("Dosage indirect de l'eau de Javel", [
        "L'eau de Javel contient des ions hypochlorite ClO^{-}. Une eau de Javel a été diluée ; "
        "on en prélève V_{1} = 10,0 mL auxquels on ajoute, en milieu acide, 10 mL d'une solution "
        "d'iodure de potassium à 0,10 mol · L^{-1} (en excès). Le diiode formé est ensuite titré par "
        "une solution de thiosulfate de sodium de concentration c_{2} = 2,0 × 10^{-2} mol · L^{-1}.",
        "Données : couples ClO^{-} / Cl^{-}, I_{2} / I^{-} et S_{4}O_{6}^{2-} / S_{2}O_{3}^{2-}.",
        ("indent", "1. Écrire l'équation de la réaction entre les ions hypochlorite et les ions iodure, "
                   "puis celle du titrage du diiode formé."),
        ("indent", "2. Pourquoi parle-t-on de dosage indirect ? Vérifier que l'iodure est bien en excès."),
        ("indent", "3. Réaliser le titrage sur le simulateur et relever V_{E}."),
        ("indent", "4. En déduire la concentration c_{1} en ions hypochlorite de la solution diluée."),
    ]))
    write("JAVELC.RTF", rich_text("Correction : dosage indirect de l'eau de Javel", [
        ("indent", "1. ##ClO^{-} + 2 I^{-} + 2 H^{+} → Cl^{-} + I_{2} + H_{2}O## puis "
                   "##I_{2} + 2 S_{2}O_{3}^{2-} → 2 I^{-} + S_{4}O_{6}^{2-}##."),
        ("indent", "2. Les ions hypochlorite ne sont pas titrés eux-mêmes : on titre le diiode qu'ils "
                   "ont formé, en quantité égale. n(I^{-}) = 0,10 × 10 = 1,0 mmol, alors que "
                   "2 n(ClO^{-}) vaut environ 0,2 mmol : l'iodure est en excès."),
        ("indent", "3. On lit V_{E} = 10,0 mL."),
        ("indent", "4. n(ClO^{-}) = n(I_{2}) = n(S_{2}O_{3}^{2-}) / 2, soit "
                   "c_{1} = c_{2} · V_{E} / (2 V_{1}) = 2,0 × 10^{-2} × 10,0 / (2 × 10,0) = "
                   "##1,0 × 10^{-2} mol · L^{-1}##."),
    ]))


if __name__ == "__main__":
    main()
