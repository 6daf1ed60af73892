#!/usr/bin/env bash
# The window at 200 % keeps its layout. The program runs under Xvfb at 100 %
# and with QT_SCALE_FACTOR=2 (set here for that one run; the program never
# reads it): at 200 % the window is twice as wide and as high, within two
# pixels. The layout probe, which starts the same sheet, reports every
# control's place and size at both scales: each is twice its 100 % value
# (within two pixels), the probe's window is the program's, and no text that
# fits its control at 100 % is clipped at 200 %. A screenshot at each scale
# is kept in the artifact folder (screenshot-100.png, screenshot-200.png).
# Neither needs a scrollable area.
#
# At 150 % on a 1920 x 1080 screen the sheet is taller than the screen: the
# window then fits the screen and shows the sheet in a scrollable area whose
# scroll bar reaches its bottom row (screenshot-150.png).
#
# usage: highdpi.sh KESTRAV LAYOUT_PROBE ARTIFACT_FOLDER
set -u
XS_NAME=highdpi
source "$(dirname "$0")/../xsession.sh"

program=$1
probe=$2
artifacts=$3
mkdir -p "$artifacts"
xs_tempdir work

# Room for the window at 200 %.
xs_start_xvfb 3200x2400

# probe SCALE PERCENT "WIDTH HEIGHT": the layout probe at that scale into
# layout-SCALE.txt (kept as layout-PERCENT.txt); it must meet no message box
# and show the program's window size.
probe() {
    QT_SCALE_FACTOR=$1 "$probe" >"$work/layout-$1.txt" 2>"$work/probe-$1.log" ||
        xs_fail "the layout probe failed at $2 %: $(cat "$work/probe-$1.log")"
    cp "$work/layout-$1.txt" "$artifacts/layout-$2.txt"
    ! grep '^message ' "$work/layout-$1.txt" || xs_fail "the layout probe met a message box at $2 %"
    [ "$(sed -n 's/^window //p' "$work/layout-$1.txt")" = "$3" ] ||
        xs_fail "the probe's window at $2 % is not the program's ($3)"
}

declare -A size
for scale in 1 2; do
    percent=$((scale * 100))
    xs_show_sheet "$artifacts/screenshot-$percent.png" QT_SCALE_FACTOR=$scale "$program"
    size[$scale]=$(xs_size)
    xs_end_with_escape
    xs_note "at $percent %: window ${size[$scale]/ / x }, ended with status 0 on Escape"

    probe $scale $percent "${size[$scale]}"
    grep -qx 'scroll none' "$work/layout-$scale.txt" ||
        xs_fail "at $percent % the sheet fits the screen but shows in a scrollable area"
done

# near DOUBLED BASE: DOUBLED is twice BASE, give or take two pixels.
near() {
    local difference=$(($1 - 2 * $2))
    [ "${difference#-}" -le 2 ]
}

read -r width1 height1 <<<"${size[1]}"
read -r width2 height2 <<<"${size[2]}"
near "$width2" "$width1" && near "$height2" "$height1" ||
    xs_fail "at 200 % the window is $width2 x $height2, not twice $width1 x $height1"

controls=$(grep -c '^control ' "$work/layout-1.txt")
[ "$controls" -gt 0 ] || xs_fail "the probe reported no controls"
[ "$controls" = "$(grep -c '^control ' "$work/layout-2.txt")" ] ||
    xs_fail "the probe reported different controls at the two scales"
while read -r _ index class x1 y1 w1 h1 fit1 && read -r _ _ class2 x2 y2 w2 h2 fit2 <&3; do
    [ "$class" = "$class2" ] || xs_fail "control $index is a $class at 100 % and a $class2 at 200 %"
    near "$x2" "$x1" && near "$y2" "$y1" && near "$w2" "$w1" && near "$h2" "$h1" ||
        xs_fail "control $index ($class) is at $x2,$y2 size $w2 x $h2 at 200 %," \
            "not twice $x1,$y1 size $w1 x $h1"
    [ "$fit1" = clipped ] || [ "$fit2" = fits ] ||
        xs_fail "the text of control $index ($class) fits at 100 % but is clipped at 200 %"
done < <(grep '^control ' "$work/layout-1.txt") 3< <(grep '^control ' "$work/layout-2.txt")
xs_note "$controls controls keep their places and sizes, doubled, and their texts at 200 %"
xs_note "screenshots: $artifacts/screenshot-100.png $artifacts/screenshot-200.png"

# 150 % on a 1920 x 1080 screen: a server of that size.
xs_stop_xvfb
xs_start_xvfb 1920x1080
xs_show_sheet "$artifacts/screenshot-150.png" QT_SCALE_FACTOR=1.5 "$program"
read -r width height < <(xs_size)
xs_end_with_escape
[ "$width" -le 1920 ] && [ "$height" -le 1080 ] ||
    xs_fail "at 150 % on 1920 x 1080 the window is $width x $height, larger than the screen"
probe 1.5 150 "$width $height"
read -r _ view client reach < <(grep '^scroll ' "$work/layout-1.5.txt")
[ "$view" != none ] && [ -n "$reach" ] ||
    xs_fail "at 150 % on 1920 x 1080 the sheet shows in no scrollable area"
[ "$reach" -ge "$client" ] ||
    xs_fail "at 150 % the scroll bar reaches $reach of the sheet's $client pixels"
xs_note "at 150 % on 1920 x 1080: window $width x $height, the sheet ($client px high) scrolls in $view px"
xs_note "screenshot: $artifacts/screenshot-150.png"
