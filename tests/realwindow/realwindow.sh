#!/usr/bin/env bash
# The program in a real X server (Xvfb) at 100 %, 200 % and 150 %. At each
# scale it shows its window "Kestrav" and nothing else (screenshot-PERCENT.png
# in the artifact folder) and ends with status 0 on Escape; in the sanitizer
# build with no leak reported. The layout probe starts the same sheet at the
# same scale (layout-PERCENT.txt) within a minute (a message box would keep it
# waiting) and its window is the program's.
# - 100 %: the dialog face is DejaVu Sans Condensed with 6 x 13 pixel base
#   units at 96 dpi, so the window is 1016 x 709 pixels and the menu bar.
# - 200 % (QT_SCALE_FACTOR=2, set here; the program never reads it): the
#   window and every control are twice their 100 % place and size, within two
#   pixels, and no text that fits its control at 100 % is clipped.
#   Neither scale needs a scrollable area.
# - 150 % on a 1920 x 1080 screen the sheet is taller than the screen: the
#   window fits the screen and shows the sheet in a scrollable area whose
#   scroll bar reaches its bottom row.
#
# usage: realwindow.sh KESTRAV LAYOUT_PROBE ARTIFACT_FOLDER
source "$(dirname "$0")/../xsession.sh"
program=$1 probe=$2 out=$3
mkdir -p "$out"

# run SCALE PERCENT: the program and the probe; the probe's window is
# WIDTH x HEIGHT with a menu bar MENU pixels high.
run() {
    xs_sheet "$out/screenshot-$2.png" QT_SCALE_FACTOR="$1" "$program"
    QT_SCALE_FACTOR=$1 timeout 60 "$probe" >"$out/layout-$2.txt" || fail "the layout probe failed at $2 %"
    read -r _ width height menu < <(grep '^window ' "$out/layout-$2.txt")
    [ "$width $height" = "$XS_SIZE" ] ||
        fail "at $2 % the probe's window is $width x $height, the program's $XS_SIZE"
}

xs_xvfb 3200x2400
run 1 100
[ "$(grep '^face ' "$out/layout-100.txt")" = "face 6 13 DejaVu Sans Condensed" ] ||
    fail "the dialog font is not DejaVu Sans Condensed at 6 x 13: $(grep '^face ' "$out/layout-100.txt")"
[ "$width $height" = "1016 $((709 + menu))" ] ||
    fail "the window is $width x $height, not 1016 x 709 and the menu bar ($menu)"
grep -qx 'scroll none' "$out/layout-100.txt" || fail "at 100 % the sheet scrolls"
grep -q '^control ' "$out/layout-100.txt" || fail "the probe reports no controls"
run 2 200
# Line by line, 100 % beside 200 %: as many lines, each number doubled
# within two pixels, each word the same (so no scrolling at 200 % either), but
# "clipped" at 100 % may stay so.
paste -d' ' <(grep -E '^(window|scroll|control) ' "$out/layout-100.txt") \
    <(grep -E '^(window|scroll|control) ' "$out/layout-200.txt") | awk '{
    n = NF / 2
    for (i = 1; i <= n; i++) {
        off = $(i + n) - 2 * $i
        if (NF % 2 || ($i ~ /^[0-9]+$/ ? off > 2 || off < -2 : $i != $(i + n) && $i != "clipped"))
            bad = bad "\n" $0
    }
} END { if (bad) { print "at 200 % (beside 100 %):" bad; exit 1 } }' || fail "the layout changes at 200 %"

xs_xvfb 1920x1080
run 1.5 150
read -r _ view client reach < <(grep '^scroll ' "$out/layout-150.txt")
[ "$width" -le 1920 ] && [ "$height" -le 1080 ] || fail "at 150 % the window is $width x $height"
[ -n "$reach" ] && [ "$reach" -ge "$client" ] ||
    fail "at 150 % the sheet scrolls in no area reaching its bottom: scroll $view $client $reach"
