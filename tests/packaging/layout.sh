# The installed layout, sourced by the packaging tests: xs_check_layout PREFIX
# fails unless PREFIX holds exactly the files a desktop installation of
# Kestrav needs, each of the right kind. Uses xs_fail from xsession.sh.

XS_LAYOUT_FILES=(
    bin/kestrav
    share/applications/kestrav.desktop
    share/doc/kestrav/changelog.gz
    share/doc/kestrav/copyright
    share/doc/kestrav/index.html
    share/icons/hicolor/16x16/apps/kestrav.png
    share/icons/hicolor/32x32/apps/kestrav.png
    share/icons/hicolor/48x48/apps/kestrav.png
    share/icons/hicolor/scalable/apps/kestrav.svg
    share/kestrav/Internal.db
    share/kestrav/MechEngines.db
    share/kestrav/equipment.db
    share/man/man1/kestrav.1.gz
)

xs_check_layout() {
    local prefix=$1 found wanted size file entry
    found=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
    wanted=$(printf '%s\n' "${XS_LAYOUT_FILES[@]}" | LC_ALL=C sort)
    [ "$found" = "$wanted" ] ||
        xs_fail "$prefix does not hold the installation's files:"$'\n'"$(diff <(echo "$wanted") <(echo "$found"))"

    [ -x "$prefix/bin/kestrav" ] || xs_fail "bin/kestrav is not executable"

    for file in "$prefix"/share/kestrav/*.db; do
        [ "$(head -c 15 "$file")" = "SQLite format 3" ] || xs_fail "$file is not an SQLite database"
    done

    file=$prefix/share/applications/kestrav.desktop
    [ "$(head -n1 "$file")" = "[Desktop Entry]" ] || xs_fail "$file does not start with [Desktop Entry]"
    for entry in Type=Application Name=Kestrav Exec=kestrav Icon=kestrav "Categories=Game;"; do
        grep -qxF "$entry" "$file" || xs_fail "$file has no line $entry"
    done
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$file" || xs_fail "desktop-file-validate rejects $file"
    fi

    for size in 16 32 48; do
        file=$prefix/share/icons/hicolor/${size}x${size}/apps/kestrav.png
        [ "$(identify -format '%m %wx%h' "$file" 2>/dev/null)" = "PNG ${size}x${size}" ] ||
            xs_fail "$file is not a ${size}x${size} PNG image"
    done
    grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/kestrav.svg" ||
        xs_fail "the scalable icon is not an SVG image"

    grep -qi '<html' "$prefix/share/doc/kestrav/index.html" || xs_fail "the help document is not HTML"
}
