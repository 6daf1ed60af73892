# Shared by the window and packaging tests, sourced by them: one temporary
# folder (XS_TMP), private X servers, and a run of the program that shows its
# design sheet, screenshots it and ends it with Escape. Everything started
# here, and XS_TMP, is removed when the script exits. Waits are generous, for
# a busy machine.
# Needs: Xvfb (xvfb), xdotool, import and identify (imagemagick).
set -u
XS_TMP=$(mktemp -d "${TMPDIR:-/tmp}/kestrav-xsession.XXXXXX") || exit 1
XS_PIDS=()
trap 'for p in "${XS_PIDS[@]}"; do kill "$p" && wait "$p"; done 2>/dev/null; rm -rf "$XS_TMP"' EXIT

fail() { echo "$(basename "$0"): $*" >&2; exit 1; }

require() {
    for tool; do command -v "$tool" >/dev/null || fail "$tool is not installed"; done
}
require Xvfb xdotool import identify

# The real window system at 100 %, whatever the caller's environment says; a
# run that wants another scale sets it for that program only. In a sanitizer
# build, leaks inside the X11 platform's system libraries are not ours.
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$XS_TMP
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_FONT_DPI
unset QT_ENABLE_HIGHDPI_SCALING QT_SCALE_FACTOR_ROUNDING_POLICY
export LSAN_OPTIONS="suppressions=$(dirname "${BASH_SOURCE[0]}")/realwindow/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

# xs_poll SECONDS CONDITION: true once the shell CONDITION holds, tried five times a second.
xs_poll() {
    for _ in $(seq $(($1 * 5))); do
        eval "$2" && return
        sleep 0.2
    done
    false
}

# xs_xvfb WIDTHxHEIGHT: a server of our own at 96 dpi, on a display number it
# picks once free, made the DISPLAY. -noreset keeps it up between programs.
xs_xvfb() {
    local display=$XS_TMP/display-$1
    Xvfb -displayfd 3 -screen 0 "$1x24" -dpi 96 -nolisten tcp -noreset 3>"$display" 2>"$display.log" &
    XS_PIDS+=($!)
    xs_poll 60 '[ -s "$display" ]' || fail "Xvfb did not start: $(cat "$display.log")"
    export DISPLAY=:$(cat "$display")
}

# The titles of the visible windows, sorted, joined by "|".
xs_titles() {
    xdotool search --onlyvisible --name '' getwindowname %@ 2>/dev/null | grep . | sort | paste -sd'|'
}

# xs_launch PATTERN [VAR=VALUE ...] PROGRAM: starts the program (pid XS_PID)
# and waits while it runs until the titles on screen match PATTERN.
xs_launch() {
    local pattern=$1
    env "${@:2}" &
    XS_PID=$!
    XS_PIDS+=($!)
    xs_poll 60 '[[ $(xs_titles) == $pattern ]] || ! kill -0 $XS_PID 2>/dev/null'
    [[ $(xs_titles) == $pattern ]] || fail "${*:2} ended or showed no $pattern in a minute: $(xs_titles)"
}

# xs_sheet SCREENSHOT [VAR=VALUE ...] PROGRAM: the program shows its window
# "Kestrav" and no other (an error box), painted into SCREENSHOT; its size
# is XS_SIZE ("WIDTH HEIGHT"). Escape must then end it with status 0.
xs_sheet() {
    xs_launch Kestrav "${@:2}"
    window=$(xdotool search --onlyvisible --name '^Kestrav$' windowfocus --sync sleep 1 getwindowfocus)
    [ "$(xs_titles)" = Kestrav ] || fail "${*:2} shows more than its window: $(xs_titles)"
    import -window "$window" "$1" || fail "no screenshot of ${*:2}"
    XS_SIZE=$(identify -format '%w %h' "$1")
    xdotool key --clearmodifiers Escape
    xs_poll 30 '! kill -0 $XS_PID 2>/dev/null' || fail "${*:2} did not end within 30 seconds of Escape"
    wait "$XS_PID" || fail "${*:2} ended with status $? after Escape"
}
