"""The accessible tree of the running program, checked as a screen reader uses it.

Starts the program with Qt's accessibility on and walks the design sheet,
About and Equipment Details through AT-SPI: every control that takes the
focus has a role, and a name that is not empty, is on one line and is unique
in its window; the read-only boxes read their values through the Text
interface; the weapons list reports its selected entry (the
SELECTED state of its entry). About opens from the
Help menu and Equipment Details by a double-click on a weapon, both by
xdotool at the places AT-SPI gives. Every wait polls with a time limit.

usage: tree.py KESTRAV
"""
import os
import subprocess
import sys
import time

import pyatspi

CONTROL_ROLES = {"push button", "check box", "list", "text"}
program = sys.argv[1]
failures = []


def fail(message):
    failures.append(message)
    print("FAIL " + message)


def poll(what, probe, seconds=60):
    """probe()'s first true result within the time limit, else a failure that stops the test."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            result = probe()
        except Exception:  # an object going away while it is read
            result = None
        if result:
            return result
        if time.monotonic() > deadline:
            raise SystemExit("FAIL no %s within %d seconds" % (what, seconds))
        time.sleep(0.2)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == child.pid:
            return app
    return None


def window(title):
    app = application()
    for w in app or []:
        if w is not None and w.name == title and w.getState().contains(pyatspi.STATE_SHOWING):
            return w
    return None


def descendants(node):
    for c in node:
        if c is None:
            continue
        yield c
        # A list's entries are its contents, not controls of the window.
        if c.getRoleName() != "list":
            yield from descendants(c)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def controls(win):
    """The window's controls by name; checks their names and roles."""
    named = {}
    for node in descendants(win):
        role = node.getRoleName()
        focusable = node.getState().contains(pyatspi.STATE_FOCUSABLE)
        if not focusable and role != "text":
            continue
        if role not in CONTROL_ROLES:
            fail("%s: %r has the role %r" % (win.name, node.name, role))
        if not node.name.strip():
            fail("%s: a %s has no name" % (win.name, role))
        if "\n" in node.name:
            fail("%s: the %s %r has a line break" % (win.name, role, node.name))
        if node.name in named:
            fail("%s: two controls are named %r" % (win.name, node.name))
        named[node.name] = node
    return named


def centre(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return str(box.x + box.width // 2), str(box.y + box.height // 2)


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def expect_text(named, name, wanted):
    node = named.get(name)
    shown = text_of(node) if node else None
    if shown != wanted:
        fail("%r reads %r, not %r" % (name, shown, wanted))


env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
child = subprocess.Popen([program], env=env)
try:
    sheet = poll("design sheet in the accessible tree", lambda: window("Kestrav"))
    named = poll("controls on the sheet", lambda: controls(sheet) if len(list(descendants(sheet))) > 100 else None)
    print("The sheet: %d named controls" % len(named))
    print("One armour group, as a screen reader names it:")
    for name in ("Head armour", "Head armour up", "Head armour down"):
        node = named.get(name)
        print("  %s %r%s" % (node.getRoleName() if node else "missing", name,
                            " reads %r" % text_of(node) if node and node.getRoleName() == "text" else ""))
        if not node:
            fail("no control is named %r" % name)
    expect_text(named, "Tonnage", "10")
    expect_text(named, "Tonnage remaining", "4.5")
    expect_text(named, "Engine name", "Fusion 10")

    # About, from the Help menu.
    bar = next(n for n in sheet if n is not None and n.getRoleName() == "menu bar")
    help_menu = next(n for n in bar if n is not None and n.name == "Help")
    xdotool("mousemove", *centre(help_menu), "click", "1")
    about_item = poll("About entry", lambda: next(
        n for n in descendants(help_menu)
        if n.name == "About" and n.getState().contains(pyatspi.STATE_SHOWING)))
    xdotool("mousemove", *centre(about_item), "click", "1")
    about = poll("About box", lambda: window("About Kestrav"))
    names = controls(about)
    print("About: %s" % sorted(names))
    xdotool("key", "Return")
    poll("end of the About box", lambda: window("About Kestrav") is None)

    # Equipment Details, by a double-click on the first weapon.
    weapons = named["Weapons and components"]
    first = poll("first weapon", lambda: weapons.getChildAtIndex(0))
    xdotool("mousemove", *centre(first), "click", "--repeat", "2", "--delay", "80", "1")
    details = poll("Equipment Details box", lambda: window("Equipment Details"))
    names = poll("Equipment Details controls", lambda: controls(details) or None)
    print("Equipment Details: %s" % sorted(names))
    expect_text(names, "Name", first.name)
    expect_text(names, "Tonnage", "12")
    expect_text(names, "Criticals", "7")
    xdotool("key", "Return")
    poll("end of the Equipment Details box", lambda: window("Equipment Details") is None)

    # The list tells which entry is selected: the one double-clicked.
    selected = [entry.name for entry in weapons
                if entry is not None and entry.getState().contains(pyatspi.STATE_SELECTED)]
    if selected != [first.name]:
        fail("the weapons list reports %r selected, not %r" % (selected, first.name))
finally:
    child.terminate()
    child.wait(30)

if failures:
    sys.exit(1)
print("All controls of the three windows are named, one line each, unique.")
