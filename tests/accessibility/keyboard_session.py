#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A titration with the keyboard alone, heard through the accessibility bus.

Runs the program under its own X server with the accessibility bus of the D-Bus session it is
started in (run_keyboard_session.sh makes both), sends key events only (xdotool), and reads
what a screen reader reads (pyatspi): the control that has the focus after each key, and the
beaker's name and description. Choose a species and volumes on the preparation panel, start
the simulation, hold Space on the tap up to the colour change, reset the burette; then go
round the whole window with Tab: every control reached is shown and has a name.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import Atspi

STEP_TIMEOUT = 5.0


def fail(message):
    print("ÉCHEC : " + message, flush=True)
    sys.exit(1)


def wait_for(what, probe, timeout=STEP_TIMEOUT):
    deadline = time.monotonic() + timeout
    while True:
        error = None
        try:
            value = probe()
        except Exception as e:  # the tree changes under the walk
            value, error = None, e
        if value:
            return value
        if time.monotonic() > deadline:
            fail("pas de " + what + (" (%s)" % error if error else ""))
        time.sleep(0.05)


def walk(node, depth=0):
    if node is None or depth > 12:
        return
    yield node
    for i in range(node.childCount):
        yield from walk(node.getChildAtIndex(i), depth + 1)


class Session:
    def __init__(self, program):
        self.folder = tempfile.mkdtemp(prefix="titrage-a11y-")
        # The program keeps its temporary file beside itself: a copy of its own.
        shutil.copy(program, self.folder)
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            pass_fds=[write], stderr=subprocess.DEVNULL)
        os.close(write)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read, 16)
            if not chunk:
                fail("le serveur X n'a pas démarré")
            number += chunk
        self.display = ":" + number.decode().strip()
        os.close(read)
        env = dict(os.environ, DISPLAY=self.display, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_QPA_PLATFORM="xcb", HOME=self.folder, XDG_RUNTIME_DIR=self.folder,
                   LANG="fr_FR.UTF-8")
        self.env = env
        # The accessibility bus is started by the session bus when first asked for; the
        # program looks for it once, when it starts.
        wait_for("bus d'accessibilité", lambda: subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], env=env, capture_output=True).returncode == 0)
        # The registry of the programs up before the program registers with it.
        wait_for("registre d'accessibilité", lambda: pyatspi.Registry.getDesktop(0) is not None)
        self.app = subprocess.Popen([os.path.join(self.folder, os.path.basename(program))],
                                    env=env, stdout=subprocess.DEVNULL)

    def close(self):
        for process in (self.app, self.xvfb):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
        shutil.rmtree(self.folder, ignore_errors=True)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True)

    def key(self, *keys):
        for k in keys:
            self.xdotool("key", "--delay", "30", k)
            time.sleep(0.12)

    def window(self):
        def probe():
            desktop = pyatspi.Registry.getDesktop(0)
            desktop.clear_cache()  # the list of programs, as it is now
            for app in desktop:
                if app is None:
                    continue
                # Nothing kept from one question to the next: no events are read here, so
                # a kept state or name would never be brought up to date.
                app.set_cache_mask(Atspi.Cache.NONE)
                app.clear_cache()
                for frame in app:
                    if frame is not None and frame.name == "Titrage colorimétrique":
                        return frame
            return None
        return wait_for("fenêtre « Titrage colorimétrique » sur le bus", probe, 20)

    def focused(self):
        def probe():
            for node in walk(self.frame):
                if node.getState().contains(pyatspi.STATE_FOCUSED):
                    return node
            return None
        return wait_for("contrôle qui ait le focus", probe)

    def find(self, what, predicate):
        return wait_for(what, lambda: next((n for n in walk(self.frame) if predicate(n)), None))

    def label(self, node):
        for relation in node.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                return relation.getTarget(0).name
        return ""

    def expect_focus(self, name, label=None):
        def probe():
            node = self.focused()
            got = self.label(node) if label else node.name
            return node if got == (label or name) else None
        try:
            return wait_for("focus sur « %s »" % (label or name), probe, 2)
        finally:
            node = self.focused()
            print("  focus : %s « %s »" % (node.getRoleName(), node.name), flush=True)


def poured(text):
    # "Burette\u00a0: 4,1 mL versés"
    return float(text.split(":")[1].split("mL")[0].strip().replace(",", "."))


def main(program):
    s = Session(program)
    try:
        s.frame = s.window()
        window_id = wait_for("fenêtre X", lambda: subprocess.run(
            ["xdotool", "search", "--name", "^Titrage"], env=s.env,
            capture_output=True, text=True).stdout.split())[0]
        s.xdotool("windowfocus", "--sync", window_id)
        time.sleep(0.3)

        print("Panneau de préparation", flush=True)
        for _ in range(30):
            node = s.focused()
            if s.label(node) == "Espèce à titrer":
                break
            s.key("Tab")
        s.expect_focus(None, label="Espèce à titrer")
        # The acid-base titrations follow the ten redox species: down from the first one.
        s.key("Home", *(["Down"] * 8))
        s.expect_focus("sulfate de fer II")
        s.key("Tab", "Tab", "Tab")
        s.expect_focus(None, label="Volume de prélèvement")
        s.key("End", "Up")
        s.expect_focus("10 mL")
        s.key("Tab")
        s.expect_focus("Simuler le titrage")
        s.key("space")

        print("Paillasse", flush=True)
        for name in ("Remettre la burette à zéro", "Vider la burette", "Ajouter une goutte",
                     "Robinet de la burette"):
            s.key("shift+Tab")
            s.expect_focus(name)
        flask = s.find("bécher", lambda n: n.name.startswith("La solution du bécher"))
        burette = s.find("burette", lambda n: n.name.startswith("Burette"))
        print("  " + flask.name + " / " + flask.description, flush=True)
        if flask.description != "Bécher\u00a0: 10 mL, solution incolore":
            fail("bécher avant le titrage : " + flask.description)

        # Space held on the tap until past the equivalence (4 mL); its auto-repeat is ignored.
        s.xdotool("keydown", "space")
        try:
            wait_for("écoulement jusqu'à 4,2 mL",
                     lambda: poured(burette.description) >= 4.2, 10)
        finally:
            s.xdotool("keyup", "space")
        time.sleep(0.3)
        s.expect_focus("Robinet de la burette")
        settled = burette.description
        time.sleep(0.3)
        if burette.description != settled:
            fail("la burette coule encore après le relâchement de la touche")
        print("  " + settled, flush=True)
        wait_for("bécher devenu rose",
                 lambda: flask.name.startswith("La solution du bécher devient rose") or
                 flask.name == "La solution du bécher devient violette")
        print("  " + flask.name + " / " + flask.description, flush=True)
        if "incolore" in flask.description:
            fail("description du bécher : " + flask.description)

        s.key("Tab", "Tab", "Tab")
        s.expect_focus("Remettre la burette à zéro")
        s.key("space")
        wait_for("burette remise à zéro",
                 lambda: burette.description == "Burette\u00a0: 0 mL versés")
        wait_for("bécher redevenu incolore",
                 lambda: flask.name == "La solution du bécher devient incolore")
        print("  " + flask.name + " / " + burette.description, flush=True)

        print("Tour de la fenêtre avec Tab", flush=True)
        start = s.focused()
        seen = []
        for _ in range(60):
            s.xdotool("key", "Tab")
            node = s.focused()
            state = node.getState()
            name = node.name or s.label(node)
            seen.append("%s « %s »" % (node.getRoleName(), name))
            if not state.contains(pyatspi.STATE_SHOWING) or not name.strip():
                fail("contrôle caché ou sans nom : " + seen[-1])
            if node.name == start.name and node.getRoleName() == start.getRoleName():
                break
        else:
            fail("le tour n'est pas revenu au départ")
        print("  " + ", ".join(seen), flush=True)
        print("Réussi", flush=True)
    finally:
        s.close()


if __name__ == "__main__":
    main(sys.argv[1])
