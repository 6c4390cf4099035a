#!/usr/bin/env python3
"""Every control of the main window and the three forms (Tov 9030MG, English) has a name that is
not just what it shows, as a screen reader reads it through the accessibility bus (AT-SPI).
Usage: atspi-names.py TOVBRENN [--report]; run by atspi-names.sh inside a private D-Bus session
on an X server. Exits 77 with the reason when it cannot run. --report only prints the counts."""
import os
import subprocess
import sys
import tempfile
import time


def skip_unless_bus():
    """pyatspi aborts the process when it finds no accessibility bus: ask for one first."""
    probe = ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"]
    try:
        ok = os.environ.get("DBUS_SESSION_BUS_ADDRESS") and subprocess.run(
            probe, capture_output=True, timeout=20).returncode == 0
    except (OSError, subprocess.TimeoutExpired):
        ok = False
    if not ok:
        print("SKIP: no D-Bus session with an accessibility bus (at-spi2-core)")
        sys.exit(77)


skip_unless_bus()
try:
    import pyatspi
except ImportError:
    print("SKIP: python3-pyatspi is not installed")
    sys.exit(77)

KINDS = {pyatspi.ROLE_PUSH_BUTTON: "button", pyatspi.ROLE_COMBO_BOX: "list",
         pyatspi.ROLE_TEXT: "text", pyatspi.ROLE_ENTRY: "text", pyatspi.ROLE_PASSWORD_TEXT: "text"}


def wait_for(find, seconds=15.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    return None


def children(node):
    return [c for c in (node.getChildAtIndex(i) for i in range(node.childCount)) if c is not None]


def window(app, title=""):
    return next((w for w in children(app)
                 if w.getState().contains(pyatspi.STATE_SHOWING) and title in w.name), None)


def shows(node, kind):
    """What the control can show: a list's entries, a field's text."""
    if kind == "list":
        return {entry.name.strip() for entry in children(children(node)[0])}
    if kind == "text":
        text = node.queryText()
        return {text.getText(0, text.characterCount).strip()}
    return set()


def controls(node):
    kind = KINDS.get(node.getRole())
    if kind and node.getState().contains(pyatspi.STATE_SHOWING):
        yield kind, (node.name or "").strip(), shows(node, kind) - {""}
        if kind == "list":
            return  # its popup list is part of it
    for child in children(node):
        yield from controls(child)


def check(shown, label):
    found = list(controls(shown))
    unnamed = [c for c in found if not c[1] or c[1] in c[2]]
    print("%s: %d of %d controls named" % (label, len(found) - len(unnamed), len(found)))
    for kind, name, values in unnamed:
        print("  unnamed %s: name %r, shows %s" % (kind, name, sorted(values)[:3]))
    return len(found) - len(unnamed), len(found)


def press(shown, name):
    def find(node):
        if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == name:
            return node
        return next((hit for hit in map(find, children(node)) if hit), None)
    find(shown).queryAction().doAction(0)
    time.sleep(1.0)


def main():
    report = "--report" in sys.argv
    with tempfile.TemporaryDirectory() as folder:
        prefs = os.path.join(folder, "preferences.ini")
        with open(prefs, "w") as out:
            out.write("[General]\nlanguage=2\nmodel=4\nTvMode=0\n")
        env = dict(os.environ, TOVBRENN_PREFERENCES=prefs, QT_QPA_PLATFORM="xcb",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        tool = subprocess.Popen([sys.argv[1]], env=env)
        try:
            desktop = pyatspi.Registry.getDesktop(0)
            app = wait_for(lambda: tool.poll() is not None or next(
                (a for a in children(desktop) if a.get_process_id() == tool.pid), None))
            if app is None or app is True:
                print("SKIP: the application never reached the accessibility bus")
                return 77
            named = shown = 0
            for label, button in (("main window", None), ("camera form", "Camera Setup"),
                                  ("MMS form", "MMS Setup"), ("e-mail form", "Smtp Setup")):
                main_window = wait_for(lambda: window(app, "Tov Brenn"))
                if button:
                    press(main_window, button)
                current = wait_for(lambda: window(app, "9030")) if button else main_window
                counts = check(current, label)
                named, shown = named + counts[0], shown + counts[1]
                if button:
                    press(current, "Exit")
            print("all windows: %d of %d controls named" % (named, shown))
            return 0 if report or named == shown else 1
        finally:
            tool.terminate()
            tool.wait(timeout=10)


if __name__ == "__main__":
    sys.exit(main())
