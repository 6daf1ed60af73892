"""The running program as a screen reader sees it, through AT-SPI.

Walks the design sheet, About (opened from the Help menu) and Equipment
Details (a double-click on the first weapon; both by xdotool at the places
AT-SPI gives): every control that takes the focus, and every value box, has
a control's role and a name that is not empty, is on one line and is unique
in its window; value boxes read their values through the Text interface; the
weapons list marks its selected entry. Every wait polls with a time limit.

usage: tree.py KESTRAV
"""
import os
import subprocess
import sys
import time

import pyatspi

failures = []


def fail(message):
    failures.append(message)
    print("FAIL " + message)


def poll(what, probe, seconds=60):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            result = probe()
        except Exception:  # not there yet, or going away while read
            result = None
        if result:
            return result
        time.sleep(0.2)
    raise SystemExit("FAIL no %s within %d seconds" % (what, seconds))


def window(title):
    app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == child.pid)
    return next((w for w in app if w and w.name == title
                 and w.getState().contains(pyatspi.STATE_SHOWING)), None)


def descendants(node):
    for c in filter(None, node):
        yield c
        if c.getRoleName() != "list":  # a list's entries are not controls
            yield from descendants(c)


def text_of(node):
    return node.queryText().getText(0, -1) if node else None


def controls(win):
    named = {}
    for node in descendants(win):
        role = node.getRoleName()
        if not node.getState().contains(pyatspi.STATE_FOCUSABLE) and role != "text":
            continue
        if role not in ("push button", "check box", "list", "text"):
            fail("%s: %r has the role %r" % (win.name, node.name, role))
        if not node.name.strip() or "\n" in node.name or node.name in named:
            fail("%s: a %s is named %r: empty, on two lines or twice" % (win.name, role, node.name))
        named[node.name] = node
    return named


def click(node, *how):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2),
                    str(box.y + box.height // 2), "click", *how, "1"], check=True)


def expect_text(named, name, wanted):
    if text_of(named.get(name)) != wanted:
        fail("%r reads %r, not %r" % (name, text_of(named.get(name)), wanted))


child = subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
try:
    sheet = poll("design sheet", lambda: window("Kestrav"))
    named = poll("sheet's controls", lambda: len(list(descendants(sheet))) > 100 and controls(sheet))
    print("The sheet: %d named controls. One armour group, as a screen reader names it:" % len(named))
    for name in ("Head armour", "Head armour up", "Head armour down"):
        node = named.get(name) or fail("no control is named %r" % name)
        if node:
            print("  %s %r%s" % (node.getRoleName(), name, " reads %r" % text_of(node)
                                 if node.getRoleName() == "text" else ""))
    for name, value in (("Tonnage", "10"), ("Tonnage remaining", "4.5"), ("Engine name", "Fusion 10")):
        expect_text(named, name, value)

    bar = next(n for n in sheet if n and n.getRoleName() == "menu bar")
    help_menu = next(n for n in bar if n and n.name == "Help")
    click(help_menu)
    click(poll("About entry", lambda: next(n for n in descendants(help_menu) if n.name == "About"
                                           and n.getState().contains(pyatspi.STATE_SHOWING))))
    print("About: %s" % sorted(controls(poll("About box", lambda: window("About Kestrav")))))
    subprocess.run(["xdotool", "key", "Return"], check=True)
    poll("end of the About box", lambda: window("About Kestrav") is None)

    weapons = named["Weapons and components"]
    first = weapons.getChildAtIndex(0)
    click(first, "--repeat", "2", "--delay", "80")
    details = poll("Equipment Details box", lambda: window("Equipment Details"))
    names = poll("Equipment Details controls", lambda: controls(details))
    print("Equipment Details: %s" % sorted(names))
    for name, value in (("Name", first.name), ("Tonnage", "12"), ("Criticals", "7")):
        expect_text(names, name, value)
    subprocess.run(["xdotool", "key", "Return"], check=True)
    poll("end of the Equipment Details box", lambda: window("Equipment Details") is None)
    selected = [e.name for e in filter(None, weapons) if e.getState().contains(pyatspi.STATE_SELECTED)]
    if selected != [first.name]:
        fail("the weapons list marks %r selected, not %r" % (selected, first.name))
finally:
    child.terminate()
    child.wait(30)
sys.exit(1 if failures else 0)
