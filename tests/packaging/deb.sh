#!/usr/bin/env bash
# The installation and the Debian package made from it.
# - `cmake --install` (stripped, as the package is) into a fresh prefix lays
#   out exactly the files of a desktop installation: the program, the build
#   tree's catalogues and help (all it reads, under share/kestrav), a menu
#   entry that desktop-file-validate accepts, a software-centre entry that
#   appstreamcli accepts (offline) for this version, the icon at 16, 32 and
#   48 pixels and scalable, the copyright file, changelog and manual page.
# - CPack's package holds these same files under usr/, owned by root, with
#   the project's control fields. Depends names the dialog face, and this
#   machine satisfies it (dpkg-checkbuilddeps). Depends covers every library
#   dpkg-shlibdeps finds the program linking (Qt, SQLite, the C++ runtime),
#   `lintian --pedantic -I` reports no tag at all, and hardening-check finds
#   the distribution's hardening in the program; these three are skipped in a
#   sanitizer build, whose package links the sanitizer runtimes and is not one
#   to ship.
# - Unpacked with dpkg -x into a temporary folder, the program prints its
#   version and its usage without a display (status 0; an unknown option:
#   the usage on stderr, status 2), and the manual page names every option
#   the usage names. It starts from there, shows the build tree program's
#   window at start-up (but for a text cursor) and ends with status 0 on
#   Escape. With usr/share/doc removed, as minimal systems strip it, F1 still
#   opens the help window. Without the equipment catalogue of its own prefix
#   it reports the error, so it reads the prefix it sits in.
#
# usage: deb.sh BUILD_DIR ARTIFACT_FOLDER VERSION SANITIZED(ON|OFF) CMAKE CPACK
source "$(dirname "$0")/../xsession.sh"
build=$(realpath "$1")
source_dir=$(realpath "$(dirname "$0")/../..")
out=$(realpath -m "$2")
require "$5" "$6" dpkg dpkg-deb dpkg-checkbuilddeps compare desktop-file-validate appstreamcli
mkdir -p "$out"

installed=$XS_TMP/installed
"$5" --install "$build" --prefix "$installed/usr" --strip >"$XS_TMP/install.log" ||
    fail "cmake --install failed: $(cat "$XS_TMP/install.log")"
cd "$installed/usr" || fail "no $installed/usr"
diff - <(find . ! -type d | LC_ALL=C sort) <<'EOF' || fail "the installation holds other files (above)"
./bin/kestrav
./share/applications/kestrav.desktop
./share/doc/kestrav/changelog.gz
./share/doc/kestrav/copyright
./share/icons/hicolor/16x16/apps/kestrav.png
./share/icons/hicolor/32x32/apps/kestrav.png
./share/icons/hicolor/48x48/apps/kestrav.png
./share/icons/hicolor/scalable/apps/kestrav.svg
./share/kestrav/Internal.db
./share/kestrav/MechEngines.db
./share/kestrav/equipment.db
./share/kestrav/help/index.html
./share/lintian/overrides/kestrav
./share/man/man1/kestrav.1.gz
./share/metainfo/org.example.kestrav.metainfo.xml
EOF
diff -r share/kestrav "$build/share/kestrav" || fail "the installed catalogues or help are not the built ones"
desktop-file-validate share/applications/kestrav.desktop || fail "the menu entry is not valid (above)"
appstreamcli validate --no-net --pedantic share/metainfo/org.example.kestrav.metainfo.xml ||
    fail "the software-centre entry is not valid (above)"
grep -qF "<release version=\"$3\"" share/metainfo/org.example.kestrav.metainfo.xml ||
    fail "the software-centre entry names no release $3"
for entry in "[Desktop Entry]" Type=Application Name=Kestrav Exec=kestrav Icon=kestrav "Categories=Game;"; do
    grep -qxF "$entry" share/applications/kestrav.desktop || fail "the menu entry has no line $entry"
done
[ "$(identify -format '%m %wx%h ' share/icons/hicolor/{16x16,32x32,48x48}/apps/kestrav.png)" = \
    "PNG 16x16 PNG 32x32 PNG 48x48 " ] || fail "the icons are not PNG images of their sizes"
grep -q '<svg' share/icons/hicolor/scalable/apps/kestrav.svg || fail "the scalable icon is not SVG"

cd "$XS_TMP" && "$6" -G DEB --config "$build/CPackConfig.cmake" -B deb >cpack.log 2>&1 ||
    fail "cpack failed: $(cat cpack.log)"
arch=$(dpkg --print-architecture)
deb=$(echo deb/*.deb)
[ "$deb" = "deb/kestrav_$3_$arch.deb" ] && cp "$deb" "$out/" || fail "cpack made $deb"
[ "$(dpkg-deb -f "$deb" Package Version Section Architecture | tr '\n' ' ')" = \
    "Package: kestrav Version: $3 Section: misc Architecture: $arch " ] || fail "wrong control fields"
[ "$(dpkg-deb -c "$deb" | awk '{print $2}' | sort -u)" = root/root ] || fail "files not owned by root"
dpkg -x "$deb" root && diff -r "$installed" root || fail "the package does not hold the installation under usr/"

field=$(dpkg-deb -f "$deb" Depends)
dpkg-checkbuilddeps -d "$field" /dev/null || fail "this machine does not satisfy Depends: $field"
# One dependency a line: NAME, then OP VERSION when it has a version.
depends=$(tr ',()' '\n  ' <<<"$field")
grep -qx ' *fonts-dejavu-extra' <<<"$depends" || fail "Depends does not name the dialog face"
if [ "$4" = OFF ]; then
    require lintian dpkg-shlibdeps hardening-check
    lintian --pedantic -I --tag-display-limit 0 "$deb" >"$out/lintian.log" 2>&1
    ! grep -E '^[EWIPXO]: ' "$out/lintian.log" || fail "lintian reports tags (above)"
    # Control-flow protection needs every object of the program built for it,
    # and Debian 12's C library start files (crt1.o, crti.o) are not, so no
    # program linked on it has it; its dpkg-buildflags does not ask for it.
    hardening-check --nocfprotection root/usr/bin/kestrav >"$out/hardening-check.log" ||
        fail "hardening-check: $(cat "$out/hardening-check.log")"
    mkdir debian && touch debian/control # dpkg-shlibdeps wants one, even empty
    found=$(dpkg-shlibdeps -O root/usr/bin/kestrav 2>/dev/null | sed -n 's/^shlibs:Depends=//p')
    [ -n "$found" ] || fail "dpkg-shlibdeps found no dependencies"
    while read -r name _ floor; do
        ours=$(grep "^ *$name\( \|$\)" <<<"$depends") || fail "Depends lacks $name, which the program links"
        read -r _ op version <<<"$ours"
        [ -z "$floor" ] || { [ "$op" = ">=" ] && dpkg --compare-versions "$version" ge "$floor"; } ||
            fail "the program needs $name >= $floor; Depends asks $ours"
    done < <(tr ',()' '\n  ' <<<"$found")
fi

# The command line, read before any display is sought.
program=$XS_TMP/root/usr/bin/kestrav
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)
[ "$("${nodisplay[@]}" "$program" --version)" = "kestrav $3" ] || fail "--version does not print kestrav $3"
usage=$("${nodisplay[@]}" "$program" --help) && [[ $usage == Usage:* ]] || fail "--help prints: $usage"
for option in $(grep -oE -- '--[a-z]+' <<<"$usage" | sort -u); do
    grep -qF -- "${option//-/\\-}" "$source_dir/doc/kestrav.1" || fail "the manual page does not name $option"
done
"${nodisplay[@]}" "$program" --frobnicate >stdout.txt 2>stderr.txt
status=$?
[ "$status" = 2 ] && [ ! -s stdout.txt ] && grep -q '^Usage:' stderr.txt ||
    fail "an unknown option ended with status $status, printing: $(cat stdout.txt stderr.txt)"

xs_xvfb 1600x1200
xs_sheet "$out/build-tree.png" "$build/bin/kestrav"
xs_sheet "$out/unpacked.png" "$XS_TMP/root/usr/bin/kestrav"
differing=$(compare -metric AE "$out/build-tree.png" "$out/unpacked.png" null: 2>&1)
[[ $differing =~ ^[0-9]+$ ]] && [ "$differing" -le 50 ] ||
    fail "the unpacked program's window differs from the build tree's: $differing pixels"

# Help on a system without /usr/share/doc: the sheet and its help window.
rm -r root/usr/share/doc
xs_launch Kestrav "$program"
xdotool search --onlyvisible --name '^Kestrav$' windowfocus --sync sleep 1 key --clearmodifiers F1
help=$(sed -n 's:.*<title>\(.*\)</title>.*:\1:p' "$source_dir/doc/index.html")
xs_poll 30 '[ "$(xs_titles)" = "Kestrav|$help" ]' ||
    fail "F1 without usr/share/doc shows $(xs_titles), not the help window $help"
kill "$XS_PID" && wait "$XS_PID"

rm root/usr/share/kestrav/equipment.db
xs_launch '*kestrav*' "$XS_TMP/root/usr/bin/kestrav"
