# A private X server for the window tests, sourced by them: start Xvfb on a
# free display, start a program, find its windows by their exact title, take
# screenshots, end the program with Escape. Everything started here, and every
# temporary folder made with xs_tempdir, is removed when the script exits.
#
# The caller sets XS_NAME (used in messages) before sourcing.
# Needs: Xvfb (xvfb), xwininfo (x11-utils), xdotool, import and compare (imagemagick).

: "${XS_NAME:=window}"
XS_XVFB_PID=
XS_PIDS=()
XS_TEMPS=()
# Seconds to wait for a window, and for a program to end; generous, for a busy machine.
XS_WINDOW_WAIT=60
XS_END_WAIT=30

xs_fail() {
    echo "$XS_NAME: $*" >&2
    exit 1
}

xs_note() {
    echo "$XS_NAME: $*"
}

xs_cleanup() {
    local pid dir
    for pid in "${XS_PIDS[@]}"; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    xs_stop_xvfb
    for dir in "${XS_TEMPS[@]}"; do
        rm -rf "$dir"
    done
}
trap xs_cleanup EXIT

xs_require() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || xs_fail "$tool is not installed"
    done
}

# xs_tempdir VAR: a fresh temporary folder in VAR, removed on exit.
xs_tempdir() {
    local dir
    dir=$(mktemp -d "${TMPDIR:-/tmp}/kestrav-$XS_NAME.XXXXXX") || xs_fail "mktemp failed"
    XS_TEMPS+=("$dir")
    printf -v "$1" '%s' "$dir"
}

# xs_start_xvfb WIDTHxHEIGHT: a display of our own. The number is picked at
# random from a high range and used only once Xvfb answers on it, so tests
# running side by side never meet a display another one has just given up.
# -noreset: the server stays up between one program's end and the next start.
xs_start_xvfb() {
    local home number
    xs_require Xvfb xdpyinfo xwininfo xdotool import compare
    xs_tempdir home
    for _ in $(seq 20); do
        number=$((100 + RANDOM % 900))
        [ -e "/tmp/.X$number-lock" ] && continue
        Xvfb ":$number" -screen 0 "$1x24" -dpi 96 -nolisten tcp -noreset 2>"$home/xvfb.log" &
        XS_XVFB_PID=$!
        for _ in $(seq 300); do
            kill -0 "$XS_XVFB_PID" 2>/dev/null || break
            # Ours when its lock file names our server.
            if [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$number-lock")" = "$XS_XVFB_PID" ] &&
                xdpyinfo -display ":$number" >/dev/null 2>&1; then
                DISPLAY=:$number
                break 2
            fi
            sleep 0.1
        done
        xs_stop_xvfb
    done
    [ -n "$XS_XVFB_PID" ] || xs_fail "Xvfb did not start: $(tail -n3 "$home/xvfb.log")"
    export DISPLAY
    # The real window system at 100 %, whatever the caller's environment says;
    # a test that wants another scale sets it for one program only.
    export QT_QPA_PLATFORM=xcb
    unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_FONT_DPI
    unset QT_ENABLE_HIGHDPI_SCALING QT_SCALE_FACTOR_ROUNDING_POLICY
    mkdir -m 700 "$home/runtime"
    export XDG_RUNTIME_DIR=$home/runtime
    # In a sanitizer build, leaks inside the X11 platform's system libraries are not ours.
    LSAN_OPTIONS="suppressions=$(dirname "${BASH_SOURCE[0]}")/realwindow/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
    export LSAN_OPTIONS
}

# xs_stop_xvfb: ends our X server, if one runs (a test may then start another).
xs_stop_xvfb() {
    [ -n "$XS_XVFB_PID" ] || return 0
    kill "$XS_XVFB_PID" 2>/dev/null
    wait "$XS_XVFB_PID" 2>/dev/null
    XS_XVFB_PID=
}

# xs_launch [VAR=VALUE ...] PROGRAM: starts it in the background; its pid is XS_PID.
xs_launch() {
    env "$@" &
    XS_PID=$!
    XS_PIDS+=("$XS_PID")
}

# xs_windows: "ID TITLE" for every visible window that has a title.
xs_windows() {
    local id title
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        title=$(xdotool getwindowname "$id" 2>/dev/null) || continue
        [ -n "$title" ] && printf '%s %s\n' "$id" "$title"
    done
}

# xs_wait_window TITLE: waits for a visible window with exactly this title
# (xdotool's own search ignores case) while XS_PID runs; its id is XS_WINDOW.
xs_wait_window() {
    local title=$1 id name
    XS_WINDOW=
    for _ in $(seq $((XS_WINDOW_WAIT * 5))); do
        while read -r id name; do
            if [ "$name" = "$title" ]; then
                XS_WINDOW=$id
                return 0
            fi
        done < <(xs_windows)
        kill -0 "$XS_PID" 2>/dev/null || xs_fail "the program ended before a window \"$title\" appeared"
        sleep 0.2
    done
    xs_fail "no window titled \"$title\" appeared within $XS_WINDOW_WAIT seconds"
}

# xs_only_window TITLE: fails when any other titled window is on screen (an error box).
xs_only_window() {
    local id name
    while read -r id name; do
        [ "$name" = "$1" ] || xs_fail "an unexpected window \"$name\" is on screen"
    done < <(xs_windows)
}

# xs_settle: focus the window (no window manager does) and let it paint.
xs_settle() {
    xdotool windowfocus --sync "$XS_WINDOW" 2>/dev/null || xdotool windowfocus "$XS_WINDOW"
    sleep 1
}

xs_screenshot() {
    import -window "$XS_WINDOW" "$1" || xs_fail "could not save a screenshot to $1"
}

# xs_show_sheet SCREENSHOT [VAR=VALUE ...] PROGRAM: starts the program, waits
# for its window "Kestrav" with no other window (an error box) beside it,
# lets it paint and saves a screenshot.
xs_show_sheet() {
    local shot=$1
    shift
    xs_launch "$@"
    xs_wait_window Kestrav
    xs_only_window Kestrav
    xs_settle
    xs_screenshot "$shot"
}

# xs_size: "WIDTH HEIGHT" of XS_WINDOW in pixels of the screen.
xs_size() {
    local geometry
    geometry=$(xwininfo -id "$XS_WINDOW") || xs_fail "xwininfo failed"
    printf '%s %s\n' "$(sed -n 's/^ *Width: *//p' <<<"$geometry")" \
        "$(sed -n 's/^ *Height: *//p' <<<"$geometry")"
}

# xs_end_with_escape: Escape to XS_WINDOW; the program must end with status 0.
xs_end_with_escape() {
    local status
    xs_settle
    xdotool key --clearmodifiers Escape
    for _ in $(seq $((XS_END_WAIT * 10))); do
        kill -0 "$XS_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$XS_PID" 2>/dev/null && xs_fail "the program did not end within $XS_END_WAIT seconds of Escape"
    wait "$XS_PID"
    status=$?
    [ "$status" = 0 ] || xs_fail "the program ended with status $status"
}

# xs_kill: ends XS_PID without asking (after a check that needed it running).
xs_kill() {
    kill "$XS_PID" 2>/dev/null
    wait "$XS_PID" 2>/dev/null
    return 0
}

# xs_differing_pixels A B: how many pixels differ between two screenshots of equal size.
xs_differing_pixels() {
    local count
    count=$(compare -metric AE "$1" "$2" null: 2>&1)
    [[ "$count" =~ ^[0-9]+$ ]] || xs_fail "could not compare $1 with $2: $count"
    echo "$count"
}
