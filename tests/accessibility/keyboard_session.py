#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The whole lab with the keyboard alone, heard through the accessibility bus.

Keys only (xdotool), and what a screen reader reads (pyatspi, atspi_session.py). A titration
whose every volume and colour is read from the control that has the focus, an acid-base
titration whose pH, colour change and equivalence found by the derivative are read there and
on the "Courbes" tab, then the calculator (2*0,005*8 from the keys), a configuration opened
from the open window, an exercise opened from the list of exercises and checked, and a round
with Tab of every window (the bench, the calculator, the open and save windows, the print
options, the exercises, the help, the keyboard shortcuts): every control reached is shown,
named and acts.
"""

import re
import subprocess
import sys
import time

from atspi_session import Session, fail, pump, wait_for

TELL_INTERVAL = 0.25  # s, the least time between two volumes told while the titrant flows


def poured(description):
    # "4,05 mL versés, solution rose pâle"
    match = re.match(r"(\d+,\d\d) mL versés, solution (.+)$", description)
    if not match:
        fail("description du robinet : « %s »" % description)
    return float(match.group(1).replace(",", ".")), match.group(2)


def step(title):
    print(title, flush=True)


def bench_titration(s):
    step("Panneau de préparation")
    for _ in range(30):
        if s.label(s.focused()) == "Espèce à titrer":
            break
        s.key("Tab")
    s.expect_focus("Espèce à titrer")
    # The acid-base titrations follow the ten redox species: down from the first one.
    s.key("Home", *(["Down"] * 8))
    s.expect_focus("sulfate de fer II")
    s.key("Tab", "Tab", "Tab")
    s.expect_focus("Volume de prélèvement")
    s.key("End", "Up")
    s.expect_focus("10 mL")
    s.key("Tab")
    s.expect_focus("Simuler le titrage")
    s.key("space")

    step("Paillasse")
    for name in ("Remettre la burette à zéro", "Débit du robinet", "Vider la burette",
                 "Ajouter une goutte", "Robinet de la burette"):
        s.key("shift+Tab")
        s.expect_focus(name)
    tap = s.focused()
    print("  robinet : " + tap.description, flush=True)
    if tap.description != "0,00 mL versés, solution incolore":
        fail("robinet avant le titrage : " + tap.description)

    # Space held on the tap for about a second, well past the equivalence (4 mL): what the
    # tap says, read while the titrant flows, and how often it is told.
    s.descriptions.clear()
    read = []

    def past_equivalence():
        description = tap.description
        if not read or read[-1] != description:
            read.append(description)
        return poured(description)[0] >= 10

    started = time.monotonic()
    s.hold("space", past_equivalence, "écoulement jusqu'à 10 mL")
    held = time.monotonic() - started
    time.sleep(0.5)
    pump()
    s.expect_focus("Robinet de la burette")
    read.append(tap.description)
    volumes = [poured(d) for d in read]
    print("  lu sur le robinet en %.1f s : %s" % (held, ", ".join(
        "%s (%s)" % (("%.2f" % v).replace(".", ","), c) for v, c in volumes)), flush=True)
    if any(b[0] < a[0] for a, b in zip(volumes, volumes[1:])):
        fail("les volumes lus ne croissent pas")
    if volumes[0][1] != "incolore" or volumes[-1][1] == "incolore":
        fail("le changement de couleur n'a pas été lu")
    told = [t for t, name, _ in s.descriptions if name == "Robinet de la burette"]
    rate = len(told) / max(held, 0.5)
    print("  %d changements dits pendant l'écoulement, %.1f par seconde" % (len(told), rate),
          flush=True)
    # One a quarter of a second at most, after the first; besides, each change of colour (the
    # permanganate goes through three words here: rose pâle, rose, violette) and the stop.
    if len(told) > 1 + held / TELL_INTERVAL + 3 + 1:
        fail("trop de changements dits : %d en %.1f s" % (len(told), held))
    settled = tap.description
    time.sleep(0.3)
    if tap.description != settled:
        fail("la burette coule encore après le relâchement de la touche")
    flask = s.find("bécher", lambda n: n.name.startswith("La solution du bécher"))
    print("  " + flask.name + " / " + flask.description, flush=True)

    # One drop and one millilitre, from the tap.
    before = poured(tap.description)[0]
    s.key("Down")
    wait_for("goutte dite", lambda: abs(poured(tap.description)[0] - before - 0.05) < 1e-6)
    print("  flèche bas : " + tap.description, flush=True)
    s.key("Next")
    wait_for("millilitre dit", lambda: abs(poured(tap.description)[0] - before - 1.05) < 1e-6)
    print("  page suivante : " + tap.description, flush=True)

    # The summary of the bench, told where the focus is.
    s.key("F2")
    summary = wait_for("résumé", lambda: tap.description if "Sulfate de fer II" in
                       tap.description else None)
    print("  F2 : " + summary, flush=True)
    if "0,010 mol/L" not in summary or "permanganate de potassium" not in summary:
        fail("résumé : " + summary)

    s.key("Tab", "Tab", "Tab", "Tab")
    s.expect_focus("Remettre la burette à zéro")
    s.key("space")
    reset = s.focused()
    wait_for("burette remise à zéro", lambda: reset.description.startswith("0,00 mL versés"))
    print("  remise à zéro : " + reset.description, flush=True)

    # The beaker and the burette, reached with Tab (before the controls of the bench) and
    # gone through with the arrows: each told as it takes the focus.
    s.key("shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab")
    s.expect_focus("Bécher et burette")
    wait_for("bécher dit", lambda: s.focus_events[-1][1].startswith("La solution du bécher"))
    s.key("Right")
    s.expect_focus_event("Burette")
    parts = s.find("burette", lambda n: n.name == "Burette" and n.getRoleName() == "list item")
    print("  %s / %s" % (s.focus_events[-2][1], parts.description), flush=True)


def measured(description):
    # "10,00 mL versés, solution rose pâle, pH-mètre : 8,73"
    match = re.match(r"(\d+,\d\d) mL versés, solution ([^,]+), pH-mètre\s: (\d+,\d\d)$",
                     description)
    if not match:
        fail("description du robinet : « %s »" % description)
    return (float(match.group(1).replace(",", ".")), match.group(2),
            float(match.group(3).replace(",", ".")))


def acid_base_titration(s):
    step("Titrage acido-basique")
    for _ in range(30):
        if s.name(s.focused()).startswith("Définir la"):
            break
        s.key("Tab")
    s.key("space")
    for _ in range(30):
        if s.label(s.focused()) == "Espèce à titrer":
            break
        s.key("Tab")
    # The acid-base titrations come last, after a heading: up from the last one.
    s.key("End", *(["Up"] * 9))
    s.expect_focus("acide éthanoïque")
    s.key("Tab")
    box = s.expect_focus("Concentration de la solution titrée")
    s.type("0,100")
    s.key("Tab", "Tab")
    s.expect_focus("Volume de prélèvement")
    s.key("End", "Up")
    s.expect_focus("10 mL")
    s.key("Tab")
    titrant = s.focused()
    if not s.name(titrant).startswith("Concentration de la solution titrante"):
        fail("après le volume de prélèvement : " + s.name(titrant))
    s.type("0,100")
    print("  c2 = %s mol/L ; %s = %s mol/L" % (s.text(box), s.name(titrant), s.text(titrant)),
          flush=True)
    s.key("Tab", "Tab", "End", "Up")
    s.expect_focus("phénolphtaléine")
    s.key("Tab")
    s.expect_focus("pH-mètre")
    s.key("Tab")
    s.expect_focus("Simuler le titrage")
    s.key("space")
    for name in ("Remettre la burette à zéro", "Débit du robinet", "Vider la burette",
                 "Ajouter une goutte", "Robinet de la burette"):
        s.key("shift+Tab")
        s.expect_focus(name)
    tap = s.focused()

    # Page Down pours a millilitre, Down a drop: each volume waited for, then read.
    def pour(key, volume):
        s.key(key)
        wait_for("%.2f mL versés" % volume,
                 lambda: abs(measured(tap.description)[0] - volume) < 1e-6)
        return measured(tap.description)

    readings = {0.0: measured(tap.description)}
    volume = 0.0
    for key, count in (("Next", 5), ("Next", 4), ("Down", 18), ("Down", 2), ("Down", 2),
                       ("Next", 5)):
        for _ in range(count):
            volume = round(volume + (1 if key == "Next" else 0.05), 2)
            readings[volume] = pour(key, volume)
    for v in (0.0, 5.0, 9.9, 10.0, 10.1):
        print("  %s" % ", ".join(("%.2f mL" % v, readings[v][1], "pH %.2f" % readings[v][2])
                                 ).replace(".", ","), flush=True)
    for v, low, high in ((0.0, 2.88, 2.88), (5.0, 4.76, 4.76), (10.0, 8.70, 8.79)):
        if not low - 1e-9 <= readings[v][2] <= high + 1e-9:
            fail("pH lu à %.2f mL : %.2f" % (v, readings[v][2]))
    if "rose" in readings[9.9][1] or "rose" not in readings[10.1][1]:
        fail("virage de la phénolphtaléine : %s à 9,90 mL, %s à 10,10 mL" % (
            readings[9.9][1], readings[10.1][1]))
    meter = s.find("pH-mètre", lambda n: n.getRoleName() == "list item" and
                   n.description.startswith("pH-mètre"))
    print("  " + meter.description, flush=True)

    # The derivative method of the "Courbes" tab, from the tab strip.
    for _ in range(60):
        if s.focused().getRoleName() in ("page tab list", "page tab"):
            break
        s.key("Tab")
    s.key("End")
    tab = s.listening()
    print("  onglet : %s « %s »" % (tab.getRoleName(), tab.name), flush=True)
    s.key("Tab")
    # The list of the methods, which says its value: none chosen yet.
    s.expect_focus("aucune")
    s.key("Down")
    s.expect_focus("maximum de la dérivée")
    chart = s.find("courbe dite", lambda n: n.name == "Courbe pH = f(V)" and
                   "dérivée" in n.description)
    print("  " + chart.description, flush=True)
    if "VE = 10,00\u00a0mL" not in chart.description:
        fail("équivalence par la dérivée : " + chart.description)


def calculator(s):
    step("Calculatrice")
    s.key("alt+c")
    window = s.window("Machine à calculer")
    display = s.expect_focus("Affichage de la calculatrice", window)
    s.type("2*0,005*8")
    wait_for("virgule dite", lambda: "virgule" in display.description)
    print("  virgule : " + display.description, flush=True)
    print("  tapé : " + s.text(display), flush=True)
    s.key("Return")
    # The display writes " .08"; the result is told with its zero.
    wait_for("résultat", lambda: s.text(display).strip() == ".08")
    print("  affichage : %s ; dit : %s" % (s.text(display), display.description), flush=True)
    if display.description != "Résultat\u00a0: 0.08":
        fail("résultat dit : " + display.description)
    # A key reached with Tab and pressed with Space keeps the focus and tells the display.
    s.key("Tab")
    key = s.focused(window)
    s.key("space")
    wait_for("touche dite", lambda: key.description.startswith("Affichage"))
    print("  %s : %s" % (key.name, key.description), flush=True)
    seen = s.tab_round(window)
    print("  %d contrôles : %s" % (len(seen), ", ".join(seen)), flush=True)
    s.close_window()


def open_configuration(s):
    step("Ouvrir une configuration")
    s.key("alt+o")
    window = s.window("Ouvrir une configuration")
    seen = s.tab_round(window)
    print("  %d contrôles : %s" % (len(seen), ", ".join(seen)), flush=True)
    for _ in range(12):
        if s.name(s.focused(window)) == "Fichiers de configuration":
            break
        s.key("Tab")
    s.expect_focus("Fichiers de configuration", window)
    s.key("Down", "Down")
    chosen = s.find("case du fichier", lambda n: n.name == "Fichier à ouvrir", window)
    name = wait_for("nom du fichier inscrit", lambda: s.text(chosen))
    print("  flèches : " + name, flush=True)
    s.close_window("Return")
    base = name.split("/")[-1]
    wait_for("configuration ouverte", lambda: base in s.frame.name)
    told = s.listening()
    print("  légende : %s ; dit : %s" % (s.frame.name, told.description), flush=True)
    if not told.description.startswith("Configuration ouverte"):
        fail("ouverture non dite : " + told.description)


def exercise(s):
    step("Exercice")
    for _ in range(40):
        if s.name(s.focused()) == "Exercices":
            break
        s.key("Tab")
    s.expect_focus("Exercices")
    s.key("space")
    # The menu opens on its first entry.
    s.expect_focus_event("Prise en main")
    s.key("Down")
    s.expect_focus_event("Ouvrir un exercice (énoncé + configuration)")
    s.key("Return")
    window = s.window("Ouvrir un exercice")
    s.expect_focus("Liste des exercices", window)
    seen = s.tab_round(window)
    print("  %d contrôles : %s" % (len(seen), ", ".join(seen)), flush=True)
    for _ in range(12):
        if s.name(s.focused(window)) == "Liste des exercices":
            break
        s.key("Tab")
    s.key("Down")
    level = s.find("niveau", lambda n: n.name.startswith("Niveau de difficulté"), window)
    title = s.find("titre", lambda n: n.description == "Titre de l'exercice", window)
    duration = s.find("durée", lambda n: n.name.startswith("Durée"), window)
    print("  résumé : « %s », %s, %s" % (title.name, level.name, duration.name), flush=True)
    s.close_window("Return")
    told = s.expect_focus("Exercices")
    wait_for("exercice ouvert dit", lambda: told.description.startswith("Exercice ouvert"))
    print("  dit : " + told.description, flush=True)
    statement = s.find("texte de l'exercice", lambda n: n.name == "Texte de l'exercice")
    if len(s.text(statement)) < 100:
        fail("l'énoncé n'est pas dans le texte de l'exercice")
    s.key("F2")
    summary = wait_for("résumé", lambda: told.description if "titrante" in told.description
                       else None)
    print("  F2 : " + summary, flush=True)
    if "concentration inconnue" not in summary:
        fail("la concentration cachée de l'exercice se lit : " + summary)
    # Tab leaves the statement, which stays unchanged.
    for _ in range(10):
        if s.name(s.focused()) == "Texte de l'exercice":
            break
        s.key("Tab")
    before = s.text(statement)
    s.key("Tab")
    if s.name(s.focused()) == "Texte de l'exercice" or s.text(statement) != before:
        fail("la touche Tab reste dans le texte de l'exercice")


def other_windows(s):
    for keys, title in (("alt+e", "Enregistrer les paramètres."), ("alt+i", "Imprimer"),
                        ("shift+F1", "Raccourcis clavier")):
        step(title)
        s.key(keys)
        window = s.window(title)
        seen = s.tab_round(window)
        print("  %d contrôles : %s" % (len(seen), ", ".join(seen)), flush=True)
        s.close_window()
    step("Aide")
    s.key("F1")
    window = s.window("Aide de Titrage colorimétrique")
    text = s.expect_focus("Texte de l'aide", window)
    tables = [n for n in (text.getChildAtIndex(i) for i in range(text.childCount))
              if n.getRoleName() == "table"]
    if not tables:
        fail("l'aide ne montre pas son tableau comme un tableau")
    table = tables[0].queryTable()
    header = table.getColumnHeader(1)
    print("  tableau : %d lignes, %d colonnes, colonne 2 « %s », ligne 1 « %s »" % (
        table.nRows, table.nColumns, header.name if header else "",
        table.getAccessibleAt(0, 1).name), flush=True)
    s.key("Tab")
    wait_for("lien dit", lambda: text.description.startswith("Lien"))
    print("  Tab : " + text.description, flush=True)
    s.close_window()


def main(program, data):
    s = Session(program, data)
    try:
        s.frame = s.window("Titrage colorimétrique")
        s.focus_main()

        bench_titration(s)
        acid_base_titration(s)
        calculator(s)
        open_configuration(s)
        exercise(s)
        other_windows(s)

        step("Tour de la fenêtre principale avec Tab")
        s.frame = s.window(s.frame.name)
        seen = s.tab_round(s.frame)
        print("  %d contrôles : %s" % (len(seen), ", ".join(seen)), flush=True)
        print("Réussi en %d touches" % s.keys, flush=True)
    finally:
        s.close()


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
