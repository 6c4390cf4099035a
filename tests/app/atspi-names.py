#!/usr/bin/env python3
"""Every control of the main window and the three forms (Tov 9030MG, English) has a name, as a
screen reader reads it through the accessibility bus (AT-SPI).

Usage: atspi-names.py TOVBRENN [--report]
Run it inside a private D-Bus session on an X server (tests/app/atspi-names.sh does). Exits 77
(skipped) when the accessibility bus or pyatspi is not there, with the reason on stdout.
--report prints the counts and carries on past unnamed controls (for before/after comparisons).
"""
import os
import subprocess
import sys
import tempfile
import time

SKIP = 77


def skip(reason):
    print("SKIP: " + reason)
    sys.exit(SKIP)


try:
    import pyatspi
except ImportError:
    skip("python3-pyatspi is not installed")

CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON: "button",
    pyatspi.ROLE_COMBO_BOX: "list",
    pyatspi.ROLE_TEXT: "text",
    pyatspi.ROLE_ENTRY: "text",
    pyatspi.ROLE_PASSWORD_TEXT: "password",
}


def wait_for(what, seconds=15.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = what()
        if found:
            return found
        time.sleep(0.2)
    return None


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def showing_window(app, title_part=None):
    for index in range(app.childCount):
        window = app.getChildAtIndex(index)
        if window is None:
            continue
        states = window.getState()
        if states.contains(pyatspi.STATE_SHOWING) and (
                title_part is None or title_part in window.name):
            return window
    return None


def shown_values(node, kind):
    """What the control can show: a list's entries, a field's text."""
    values = set()
    try:
        if kind == "list":
            popup = node.getChildAtIndex(0)
            for index in range(popup.childCount):
                entry = popup.getChildAtIndex(index)
                if entry is not None:
                    values.add(entry.name.strip())
        elif kind == "text":
            text = node.queryText()
            values.add(text.getText(0, text.characterCount).strip())
    except Exception:
        pass
    values.discard("")
    return values


def controls(node, found):
    try:
        role = node.getRole()
        states = node.getState()
    except Exception:
        return found
    if role in CONTROL_ROLES and states.contains(pyatspi.STATE_SHOWING):
        kind = CONTROL_ROLES[role]
        found.append((kind, (node.name or "").strip(), shown_values(node, kind)))
        if role == pyatspi.ROLE_COMBO_BOX:
            return found  # its popup list is not a control of the window
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            controls(child, found)
    return found


def check(window, label):
    found = controls(window, [])
    # Named: a name that is not just what the control shows (a list's entry, a field's text).
    unnamed = [c for c in found if not c[1] or c[1] in c[2]]
    print("%s: %d of %d controls named" % (label, len(found) - len(unnamed), len(found)))
    for kind, name, values in unnamed:
        print("  unnamed %s: name %r, shows %s" % (kind, name, sorted(values)[:3]))
    return len(found) - len(unnamed), len(found)


def press(window, name):
    def find(node):
        if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == name:
            return node
        for index in range(node.childCount):
            child = node.getChildAtIndex(index)
            hit = find(child) if child is not None else None
            if hit is not None:
                return hit
        return None

    button = find(window)
    if button is None:
        raise SystemExit("no button named %r" % name)
    action = button.queryAction()
    for index in range(action.nActions):
        if action.getName(index) in ("Press", "press", "click"):
            action.doAction(index)
            return
    action.doAction(0)


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    tool = sys.argv[1]
    report = "--report" in sys.argv
    if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        skip("no D-Bus session bus")
    with tempfile.TemporaryDirectory() as folder:
        prefs = os.path.join(folder, "preferences.ini")
        with open(prefs, "w") as out:
            out.write("[General]\nlanguage=2\nmodel=4\nTvMode=0\n")
        env = dict(os.environ, TOVBRENN_PREFERENCES=prefs, QT_QPA_PLATFORM="xcb",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        app_process = subprocess.Popen([tool], env=env)
        try:
            app = wait_for(lambda: application(app_process.pid) or app_process.poll() is not None)
            if app is True or app_process.poll() is not None:
                skip("the application ended at start (no display?)")
            if app is None:
                skip("the application never reached the accessibility bus")
            totals = [0, 0]
            main_window = wait_for(lambda: showing_window(app))
            for label, button in (("main window", None), ("camera form", "Camera Setup"),
                                  ("MMS form", "MMS Setup"), ("e-mail form", "Smtp Setup")):
                if button is not None:
                    main_window = wait_for(lambda: showing_window(app, "Tov Brenn"))
                    press(main_window, button)
                    time.sleep(1.0)
                    window = wait_for(lambda: showing_window(app, "9030"))
                else:
                    window = main_window
                if window is None:
                    raise SystemExit("%s never showed" % label)
                named, shown = check(window, label)
                totals[0] += named
                totals[1] += shown
                if button is not None:
                    press(window, "Exit")
                    time.sleep(1.0)
            print("all windows: %d of %d controls named" % (totals[0], totals[1]))
            return 0 if report or totals[0] == totals[1] else 1
        finally:
            app_process.terminate()
            app_process.wait(timeout=10)


if __name__ == "__main__":
    sys.exit(main())
