#!/usr/bin/env bash
# CPack builds the Debian package; its control fields name the package, its
# version and section, and dependencies that this machine satisfies (each
# named package installed at a version the constraint allows) and that cover
# every shared library the program links (checked with dpkg-shlibdeps where
# it is installed). Unpacked with dpkg -x into a temporary root, the package
# holds the installation under usr/, and usr/bin/kestrav starts from there,
# shows its window without an error and ends with status 0 on Escape.
# lintian, Debian's own checker, reports no error and no warning on it.
#
# usage: deb.sh BUILD_DIR ARTIFACT_FOLDER VERSION SANITIZED(ON|OFF) CPACK
set -u
XS_NAME=deb
source "$(dirname "$0")/../xsession.sh"
source "$(dirname "$0")/layout.sh"

build=$(cd "$1" && pwd) || xs_fail "no build folder $1"
artifacts=$2
version=$3
sanitized=$4
cpack=$5
mkdir -p "$artifacts"
xs_require "$cpack" dpkg dpkg-deb dpkg-query identify

xs_tempdir work
(cd "$work" && "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out") \
    >"$work/cpack.log" 2>&1 || xs_fail "cpack failed: $(cat "$work/cpack.log")"
debs=("$work"/out/*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || xs_fail "cpack made no single .deb: ${debs[*]}"
deb=${debs[0]}
cp "$deb" "$artifacts/" || xs_fail "could not keep the package"
xs_note "built $(basename "$deb")"

field() {
    dpkg-deb -f "$deb" "$1" || xs_fail "dpkg-deb cannot read the field $1"
}
expect_field() {
    [ "$(field "$1")" = "$2" ] || xs_fail "$1 is \"$(field "$1")\", not \"$2\""
}
expect_field Package kestrav
expect_field Version "$version"
expect_field Section misc
expect_field Architecture "$(dpkg --print-architecture)"
[ -n "$(field Maintainer)" ] || xs_fail "the package has no maintainer"
[ -n "$(field Description | head -n1)" ] || xs_fail "the package has no description"
[ "$(basename "$deb")" = "kestrav_${version}_$(dpkg --print-architecture).deb" ] ||
    xs_fail "the package file is named $(basename "$deb")"

# Depends as "NAME OP VERSION" lines (OP and VERSION empty when unversioned).
dependency_lines() {
    tr ',' '\n' | sed -E 's/^ *([^ (]+) *(\(([<>=]+) *([^)]*)\))? *$/\1 \3 \4/'
}
depends=$(field Depends | dependency_lines)
for name in libqt6core6 libqt6gui6 libqt6widgets6 libsqlite3-0 fonts-dejavu-extra; do
    grep -q "^$name " <<<"$depends" || xs_fail "Depends does not name $name"
done
# The program runs on this machine, so every dependency must be satisfied here.
while read -r name op floor; do
    installed=$(dpkg-query -W -f='${Status} ${Version}\n' "$name" 2>/dev/null |
        sed -n 's/^install ok installed //p' | head -n1)
    [ -n "$installed" ] || xs_fail "Depends names $name, which is not installed here"
    if [ -n "$op" ]; then
        dpkg --compare-versions "$installed" "$op" "$floor" ||
            xs_fail "Depends asks $name ($op $floor); this machine has $installed"
    fi
done <<<"$depends"
xs_note "Depends: $(field Depends)"

# lintian: no error and no warning (informational notes are allowed).
if [ "$sanitized" = ON ]; then
    xs_note "sanitizer build: lintian is skipped (the package is not one to ship)"
else
    xs_require lintian
    lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1
    cp "$work/lintian.log" "$artifacts/lintian.log"
    ! grep -E '^[EW]: ' "$work/lintian.log" ||
        xs_fail "lintian reports errors or warnings on the package (above)"
    xs_note "lintian reports no error and no warning"
fi

owners=$(dpkg-deb -c "$deb" | awk '{print $2}' | sort -u)
[ "$owners" = root/root ] || xs_fail "the package's files are owned by $owners, not root/root"

root=$work/root
dpkg -x "$deb" "$root" || xs_fail "dpkg -x failed"
[ "$(ls -A "$root")" = usr ] || xs_fail "the package installs outside usr/: $(ls -A "$root")"
xs_check_layout "$root/usr"
xs_note "the package holds every file of the installation under usr/"

# Every package dpkg-shlibdeps finds for the program's libraries is in
# Depends with at least its version floor. A sanitizer build links the
# sanitizer runtimes, which a shipped package never does: skipped there.
if [ "$sanitized" = ON ]; then
    xs_note "sanitizer build: the dependency check against dpkg-shlibdeps is skipped"
elif ! command -v dpkg-shlibdeps >/dev/null; then
    xs_note "dpkg-shlibdeps is not installed (dpkg-dev): its check is skipped"
else
    mkdir -p "$work/shlibs/debian"
    printf 'Source: kestrav\n\nPackage: kestrav\nArchitecture: any\n' >"$work/shlibs/debian/control"
    found=$(cd "$work/shlibs" && dpkg-shlibdeps -O "$root/usr/bin/kestrav" 2>/dev/null) ||
        xs_fail "dpkg-shlibdeps failed"
    found=$(sed -n 's/^shlibs:Depends=//p' <<<"$found" | dependency_lines)
    [ -n "$found" ] || xs_fail "dpkg-shlibdeps found no dependencies"
    while read -r name op floor; do
        ours=$(grep "^$name " <<<"$depends") || xs_fail "Depends lacks $name, which the program links"
        read -r _ our_op our_floor <<<"$ours"
        if [ -n "$floor" ]; then
            [ "$our_op" = ">=" ] && dpkg --compare-versions "$our_floor" ge "$floor" ||
                xs_fail "Depends asks $name ($our_op $our_floor); the program needs ($op $floor)"
        fi
    done <<<"$found"
    xs_note "Depends covers dpkg-shlibdeps: $(tr '\n' ' ' <<<"$found")"
fi

xs_start_xvfb 1600x1200
xs_show_sheet "$artifacts/unpacked.png" "$root/usr/bin/kestrav"
xs_end_with_escape
xs_note "the unpacked program showed its window and ended with status 0 on Escape"
