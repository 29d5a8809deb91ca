#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program under its own X server, heard through the accessibility bus.

A Session starts an X server of its own, then the program (a copy in a folder of its own,
with the data files beside it, its current folder there) with the accessibility bus of the
D-Bus session it is started in; run_keyboard_session.sh makes that session, with a runtime
folder and a home of its own, so that runs side by side never share a bus. It sends key
events only (xdotool) and reads what a screen reader reads (pyatspi): the control that has
the focus, names, roles, descriptions, texts, and the changes of description it is told of.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import Atspi, GLib

STEP_TIMEOUT = 5.0


def fail(message):
    print("ÉCHEC : " + message, flush=True)
    sys.exit(1)


def pump():
    """Lets the events of the bus come in."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, probe, timeout=STEP_TIMEOUT):
    deadline = time.monotonic() + timeout
    while True:
        pump()
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


def walk_depth(node, depth=0):
    if node is None or depth > 12:
        return
    yield node, depth
    for i in range(node.childCount):
        yield from walk_depth(node.getChildAtIndex(i), depth + 1)


# Roles of the controls that take the focus and act: they can be pressed (a button says so
# with an action), typed into, chosen in, or moved.
ACTING_ROLES = {"check box", "radio button", "combo box", "text", "list", "list item", "table",
                "table cell", "page tab list", "page tab", "slider", "spin button", "menu item",
                "tree", "tree item"}
PRESSED_ROLES = {"push button", "toggle button"}
ITEM_ROLES = {"list item", "table cell", "tree item", "column header"}


class Session:
    def __init__(self, program, data):
        self.xvfb = self.app = None
        try:
            self._start(program, data)
        except BaseException:
            # Nothing of the session outlives a start that failed.
            self.close()
            raise

    def _start(self, program, data):
        self.folder = tempfile.mkdtemp(prefix="titrage-a11y-")
        # The program keeps its temporary file beside itself: a copy of its own, with its
        # help, its exercises and their configurations.
        shutil.copy(program, self.folder)
        for name in os.listdir(data):
            shutil.copy(os.path.join(data, name), self.folder)
        read, write = os.pipe()
        # No auto-repeat of the keys: the events this server repeats for a key held by
        # xdotool reach the program as plain release and press pairs, which a desktop's server
        # marks as repeats (the program ignores repeats, as a key held on a real keyboard).
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
             "-ardelay", "60000"],
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
                   QT_QPA_PLATFORM="xcb", LANG="fr_FR.UTF-8")
        self.env = env
        # The accessibility bus is started by the session bus when first asked for; the
        # program looks for it once, when it starts.
        wait_for("bus d'accessibilité", lambda: subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], env=env, capture_output=True).returncode == 0)
        # The registry of the programs up before the program registers with it.
        wait_for("registre d'accessibilité", lambda: pyatspi.Registry.getDesktop(0) is not None)
        self.descriptions = []  # (time, object name, description) of each change told
        pyatspi.Registry.registerEventListener(
            self._described, "object:property-change:accessible-description")
        # The focus as the screen reader is told of it: a menu, which is no child of the
        # program's windows, is known that way only.
        self.focus_events = []
        pyatspi.Registry.registerEventListener(self._focused, "object:state-changed:focused")
        self.app = subprocess.Popen([os.path.join(self.folder, os.path.basename(program))],
                                    env=env, cwd=self.folder, stdout=subprocess.DEVNULL)
        self.keys = 0

    def _described(self, event):
        try:
            self.descriptions.append((time.monotonic(), event.source.name,
                                      event.source.description))
        except Exception:  # the object is gone already
            pass

    def _focused(self, event):
        if event.detail1 != 1:
            return
        try:
            self.focus_events.append((event.source.getRoleName(), event.source.name))
        except Exception:
            pass

    def expect_focus_event(self, name, timeout=3):
        """The last object the screen reader was told has the focus is named `name`."""
        try:
            return wait_for("focus dit sur « %s »" % name, lambda: self.focus_events and
                            self.focus_events[-1][1] == name, timeout)
        finally:
            if self.focus_events:
                print("  focus dit : %s « %s »" % self.focus_events[-1], flush=True)

    def close(self):
        for process in (self.app, self.xvfb):
            if process is None:
                continue
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
        shutil.rmtree(self.folder, ignore_errors=True)

    # ---- Keys ----

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True)

    def key(self, *keys):
        for k in keys:
            self.xdotool("key", "--delay", "30", k)
            self.keys += 1
            time.sleep(0.12)
            pump()

    def type(self, text):
        self.xdotool("type", "--delay", "60", text)
        self.keys += len(text)
        time.sleep(0.2)

    def focus_main(self):
        """Gives the main window the keyboard again, as a window manager does when a window
        of the program closes (the X server alone gives it to nobody)."""
        window_id = wait_for("fenêtre X", lambda: subprocess.run(
            ["xdotool", "search", "--name", "^Titrage"], env=self.env,
            capture_output=True, text=True).stdout.split())[0]
        self.xdotool("windowfocus", "--sync", window_id)
        time.sleep(0.3)

    def close_window(self, keys="Escape"):
        self.key(keys)
        time.sleep(0.3)
        self.focus_main()

    def hold(self, key, until, what, timeout=10):
        """Holds a key down until `until` holds, then lets it go."""
        self.xdotool("keydown", key)
        self.keys += 1
        try:
            wait_for(what, until, timeout)
        finally:
            self.xdotool("keyup", key)

    # ---- What a screen reader reads ----

    def window(self, name, timeout=20):
        def probe():
            desktop = pyatspi.Registry.getDesktop(0)
            desktop.clear_cache()  # the list of programs, as it is now
            for app in desktop:
                if app is None:
                    continue
                # Nothing kept from one question to the next: a kept state or name would not
                # follow the program.
                app.set_cache_mask(Atspi.Cache.NONE)
                app.clear_cache()
                for frame in app:
                    if frame is not None and frame.name == name and \
                            frame.getState().contains(pyatspi.STATE_SHOWING):
                        return frame
            return None
        found = None
        try:
            found = wait_for("fenêtre « %s » sur le bus" % name, probe, timeout)
        finally:
            if found is None:
                print("  fenêtres : " + ", ".join("%s « %s »" % (f.getRoleName(), f.name)
                      for a in pyatspi.Registry.getDesktop(0) if a for f in a if f), flush=True)
        return found

    def focused(self, frame=None):
        """The control that has the focus, in the frame or in any window of the program (a
        menu is one): the deepest object that says it is focused (a panel says so of the
        button in it), but for a nameless pane (a text's inner pane says so of its text). An
        item of a list or a table stands for its list."""
        def probe():
            frames = [frame] if frame else [self.frame.getApplication().getChildAtIndex(i)
                                            for i in range(
                                                self.frame.getApplication().childCount)]
            best, best_depth = None, -1
            for f in frames:
                for node, depth in walk_depth(f):
                    role = node.getRoleName()
                    if role in ITEM_ROLES or (role in ("filler", "panel") and not node.name) or \
                            not node.getState().contains(pyatspi.STATE_FOCUSED):
                        continue
                    if depth > best_depth:
                        best, best_depth = node, depth
            return best
        return wait_for("contrôle qui ait le focus", probe)

    def listening(self):
        """What a screen reader is listening to: the focused control, or the focused item
        within it (a part of a picture, a tab)."""
        node = self.focused()
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None and child.getState().contains(pyatspi.STATE_FOCUSED):
                return child
        return node

    def find(self, what, predicate, frame=None):
        return wait_for(what, lambda: next(
            (n for n in walk(frame or self.frame) if predicate(n)), None))

    @staticmethod
    def label(node):
        for relation in node.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                return relation.getTarget(0).name
        return ""

    @staticmethod
    def text(node):
        t = node.queryText()
        return t.getText(0, t.characterCount)

    def name(self, node):
        return node.name or self.label(node)

    def expect_focus(self, name, frame=None, timeout=2):
        """The focused control, named `name` or labelled so (a list says its value)."""
        def probe():
            node = self.focused(frame)
            return node if name in (node.name, self.label(node)) else None
        try:
            return wait_for("focus sur « %s »" % name, probe, timeout)
        finally:
            node = self.focused(frame)
            print("  focus : %s « %s »" % (node.getRoleName(), self.name(node)), flush=True)

    def tab_round(self, frame, limit=80):
        """Goes round the window with Tab; every control reached is shown, named and acts.
        Returns the controls reached, as "role « name »"."""
        start = self.focused(frame)
        seen = []
        for _ in range(limit):
            self.xdotool("key", "Tab")
            self.keys += 1
            time.sleep(0.08)
            node = self.focused(frame)
            role = node.getRoleName()
            name = self.name(node)
            seen.append("%s « %s »" % (role, name))
            if not node.getState().contains(pyatspi.STATE_SHOWING) or not name.strip():
                fail("contrôle caché ou sans nom : " + seen[-1])
            if role in PRESSED_ROLES:
                if node.queryAction().nActions < 1:
                    fail("bouton sans action : " + seen[-1])
            elif role not in ACTING_ROLES:
                fail("contrôle d'un rôle qui n'agit pas : " + seen[-1])
            if node.name == start.name and node.getRoleName() == start.getRoleName():
                return seen
        fail("le tour de « %s » n'est pas revenu au départ : %s" % (frame.name, ", ".join(seen)))
