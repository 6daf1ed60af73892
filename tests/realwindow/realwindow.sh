#!/usr/bin/env bash
# The program itself in a real X server: start build/bin/kestrav under Xvfb,
# wait for its window "Kestrav", save a screenshot, check that the window is
# the design sheet's template size converted from dialog units, press Escape
# and expect the program to end with status 0 within a few seconds.
#
# usage: realwindow.sh KESTRAV WINDOW_SIZE_HELPER ARTIFACT_FOLDER
# Needs: Xvfb (xvfb), xauth, xwininfo (x11-utils), xdotool, import (imagemagick).
set -u

program=$1
size_helper=$2
artifacts=$3
mkdir -p "$artifacts"
screenshot=$artifacts/kestrav-window.png

fail() {
    echo "realwindow: $*" >&2
    exit 1
}

for tool in Xvfb xwininfo xdotool import; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

# A display of its own; Xvfb names the free display number it took.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    rm -f "$display_file"
}
trap cleanup EXIT

for _ in $(seq 50); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
[ -s "$display_file" ] || fail "Xvfb did not start"
export DISPLAY=:$(head -n1 "$display_file")
# The real window system, whatever the caller's environment says.
export QT_QPA_PLATFORM=xcb
# In a sanitizer build, leaks inside the X11 platform's system libraries are not ours.
export LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

read -r want_width want_height menu_height < <("$size_helper") || fail "the size helper failed"

"$program" &
program_pid=$!

window=
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Kestrav$' 2>/dev/null | head -n1)
    [ -n "$window" ] && break
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended before its window appeared"
    sleep 0.1
done
[ -n "$window" ] || fail "no window titled Kestrav appeared"

# No window manager activates the window: give it the keyboard focus.
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
sleep 1
import -window "$window" "$screenshot" || fail "could not save a screenshot"
echo "realwindow: screenshot saved to $screenshot"

geometry=$(xwininfo -id "$window")
width=$(sed -n 's/^ *Width: *//p' <<<"$geometry")
height=$(sed -n 's/^ *Height: *//p' <<<"$geometry")
echo "realwindow: window $width x $height, template converted $want_width x $want_height" \
    "(menu bar $menu_height)"
[ "$width" = "$want_width" ] && [ "$height" = "$want_height" ] ||
    fail "the window is $width x $height, not $want_width x $want_height"

xdotool key --clearmodifiers Escape
for _ in $(seq 50); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program_pid" 2>/dev/null && fail "the program did not end within 5 seconds of Escape"
wait "$program_pid"
status=$?
program_pid=
[ "$status" = 0 ] || fail "the program ended with status $status"
echo "realwindow: Escape ended the program with status 0"
