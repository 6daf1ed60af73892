#!/usr/bin/env bash
# The program as a screen reader sees it: the real program in a private X
# server (Xvfb) and a private D-Bus session with the AT-SPI stack, its
# accessible tree walked by tree.py (pyatspi). Prints the names of one
# armour group.
# Needs: dbus-run-session (dbus), at-spi2-core, python3-pyatspi (Debian's python3), Xvfb, xdotool.
#
# usage: accessibility.sh KESTRAV
source "$(dirname "$0")/../xsession.sh"
require dbus-run-session /usr/bin/python3
program=$1
xs_xvfb 1280x1024
# Debian's own Python carries pyatspi, whatever python3 comes first on PATH.
dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/tree.py" "$program" || fail "see above"
