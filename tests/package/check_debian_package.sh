#!/bin/bash
# Unpacks the built Debian package and checks what an installed desk gets and depends on.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || {
    cat "$work/cpack.log"
    echo "cpack -G DEB failed"
    exit 1
}
shopt -s nullglob
packages=("$work"/out/ostrale_*_amd64.deb)
if [ ${#packages[@]} -ne 1 ]; then
    ls -l "$work/out"
    echo "expected one ostrale_<version>_amd64.deb"
    exit 1
fi
deb=${packages[0]}

fail() {
    echo "$deb: $*"
    exit 1
}

[ "$(dpkg-deb -f "$deb" Package)" = ostrale ] || fail "package name is not ostrale"
[ "$(dpkg-deb -f "$deb" Architecture)" = amd64 ] || fail "architecture is not amd64"
version=$(dpkg-deb -f "$deb" Version)
case $(basename "$deb") in
ostrale_"$version"_amd64.deb) ;;
*) fail "file name does not carry the version $version" ;;
esac

depends=$(dpkg-deb -f "$deb" Depends)
for wanted in libqt6core6 libqt6gui6 libqt6widgets6 libqt6sql6 libqt6printsupport6 \
    libsqlite3-0 libmdb3 libqt6sql6-sqlite qt6-qpa-plugins qt6-translations-l10n fonts-liberation; do
    grep -Eq "(^|, )$wanted( |,|$)" <<<"$depends" || fail "Depends lacks $wanted: $depends"
done
# The server's driver is loaded only by a desk on a server.
[ "$(dpkg-deb -f "$deb" Recommends)" = libqt6sql6-psql ] || fail "Recommends is not libqt6sql6-psql"

root=$work/root
dpkg-deb -x "$deb" "$root"
for program in ostrale tavresa tavresv; do
    [ -x "$root/usr/bin/$program" ] || fail "lacks the program usr/bin/$program"
done
entry=$root/usr/share/applications/ostrale.desktop
[ -f "$entry" ] || fail "lacks the menu entry"
for line in "Exec=ostrale %f" "Icon=ostrale" "Categories=Office;"; do
    grep -qxF "$line" "$entry" || fail "the menu entry lacks $line"
done
[ -f "$root/usr/share/icons/hicolor/scalable/apps/ostrale.svg" ] || fail "lacks the icon"
cmp -s "$root/usr/share/doc/ostrale/manuale.md" "$(dirname "$0")/../../docs/manuale.md" \
    || fail "lacks the manual, or it differs from docs/manuale.md"

# Every library needed is a declared package's or the system's, never the build folder's.
for program in ostrale tavresa tavresv; do
    if ldd "$root/usr/bin/$program" | grep -q "not found"; then
        ldd "$root/usr/bin/$program"
        fail "$program needs a library that is not installed"
    fi
    if readelf -d "$root/usr/bin/$program" | grep -Eq 'R(UN)?PATH'; then
        fail "$program carries a run path"
    fi
done
echo "$(basename "$deb"): programs, menu entry, icon, manual and dependencies as expected"
