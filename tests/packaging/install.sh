#!/usr/bin/env bash
# `cmake --install` into a fresh prefix lays out a desktop installation, and
# the installed program, moved elsewhere as a whole, finds its own catalogues:
# its window shows what the build tree's program shows at start-up, and it
# ends with status 0 on Escape. Without a catalogue in its prefix it reports
# the error, so it really reads the prefix it sits in.
#
# usage: install.sh BUILD_DIR ARTIFACT_FOLDER CMAKE
set -u
XS_NAME=install
source "$(dirname "$0")/../xsession.sh"
source "$(dirname "$0")/layout.sh"

build=$(cd "$1" && pwd) || xs_fail "no build folder $1"
artifacts=$2
cmake=$3
mkdir -p "$artifacts"
xs_require "$cmake" cmp identify

xs_tempdir work
prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    xs_fail "cmake --install failed: $(cat "$work/install.log")"
xs_check_layout "$prefix"
for name in MechEngines equipment Internal; do
    cmp -s "$build/share/kestrav/$name.db" "$prefix/share/kestrav/$name.db" ||
        xs_fail "the installed $name.db is not the built one"
done
xs_note "the prefix holds every file of the installation"

# The installation moved as a whole to a folder of another name.
moved=$work/elsewhere/kestrav-copy
mkdir -p "$work/elsewhere"
cp -a "$prefix" "$moved" || xs_fail "could not copy the prefix"
rm -rf "$prefix"

xs_start_xvfb 1600x1200

xs_show_sheet "$artifacts/build-tree.png" "$build/bin/kestrav"
xs_end_with_escape

xs_show_sheet "$artifacts/installed.png" "$moved/bin/kestrav"
xs_end_with_escape
xs_note "the installed program ended with status 0 on Escape"

# The same start-up values on screen: the same pixels, but for a text cursor.
[ "$(identify -format '%wx%h' "$artifacts/build-tree.png")" = \
    "$(identify -format '%wx%h' "$artifacts/installed.png")" ] ||
    xs_fail "the installed program's window differs in size from the build tree's"
differing=$(xs_differing_pixels "$artifacts/build-tree.png" "$artifacts/installed.png")
[ "$differing" -le 50 ] ||
    xs_fail "the installed program's window differs from the build tree's in $differing pixels" \
        "(screenshots in $artifacts)"
xs_note "the installed program shows the start-up values ($differing pixels differ)"

# Without its equipment catalogue the moved copy reports the error at start-up.
rm "$moved/share/kestrav/equipment.db"
xs_launch "$moved/bin/kestrav"
xs_wait_window kestrav
xs_kill
xs_note "without its prefix's equipment.db the installed program reports an error"
