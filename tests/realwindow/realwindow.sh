#!/usr/bin/env bash
# The program itself in a real X server: start build/bin/kestrav under Xvfb,
# wait for its window "Kestrav", save a screenshot, check that the window is
# the design sheet's template size converted from dialog units, in the face
# the templates were laid out for (DejaVu Sans Condensed, 6 x 13 pixel base
# units at 96 dpi: 1016 x 709 pixels and the menu bar), press Escape and
# expect the program to end with status 0 within a few seconds.
#
# usage: realwindow.sh KESTRAV WINDOW_SIZE_HELPER ARTIFACT_FOLDER
set -u

program=$1
size_helper=$2
artifacts=$3
mkdir -p "$artifacts"
screenshot=$artifacts/kestrav-window.png

XS_NAME=realwindow
source "$(dirname "$0")/../xsession.sh"
xs_start_xvfb 1280x1024

read -r want_width want_height menu_height base_x base_y face < <("$size_helper") ||
    xs_fail "the size helper failed"
[ "$face" = "DejaVu Sans Condensed" ] && [ "$base_x $base_y" = "6 13" ] ||
    xs_fail "the dialog face is $face with base units $base_x x $base_y, not DejaVu Sans Condensed at 6 x 13"
[ "$want_width" = 1016 ] && [ "$want_height" = $((709 + menu_height)) ] ||
    xs_fail "the template converts to $want_width x $want_height, not 1016 x 709 and the menu bar"

xs_show_sheet "$screenshot" "$program"
xs_note "screenshot saved to $screenshot"

read -r width height < <(xs_size)
xs_note "window $width x $height, template converted $want_width x $want_height (menu bar $menu_height, $face, base units $base_x x $base_y)"
[ "$width" = "$want_width" ] && [ "$height" = "$want_height" ] ||
    xs_fail "the window is $width x $height, not $want_width x $want_height"

xs_end_with_escape
xs_note "Escape ended the program with status 0"
