#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it as apt and a desktop would see it:
# every file in its place under /usr and owned by root, the dependencies declared, the menu
# entry pointing at the command, and the menu entry and AppStream data valid.
# Usage: check-package.sh <cpack> <build folder> <work folder>
set -euo pipefail
cpack=$1 build=$2 work=$3
rm -rf "$work"
mkdir -p "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" ||
    { cat "$work/cpack.log"; fail "cpack could not make the package"; }
debs=("$work"/varnel-solitaire_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single varnel-solitaire_*.deb"
deb=${debs[0]}

# The listing: mode, owner, size, date, time, path (and "-> target" for a link).
listing=$(dpkg-deb -c "$deb")
paths=$(awk '{print $6}' <<<"$listing" | sed 's|^\./|/|; s|/$||')
expect() {  # path, then the start of its mode
    local line
    line=$(awk -v p=".$1" '$6 == p || $6 == p"/"' <<<"$listing")
    [ -n "$line" ] || fail "$1 is not in the package"
    [[ $line == "$2"* ]] || fail "$1 has the wrong kind or mode: $line"
}
game=/usr/lib/varnel-solitaire
expect $game/varnel -rwxr-xr-x
expect $game/varnel.mid -rw-r--r--
expect $game/varnel.bmp -rw-r--r--
expect $game/help/index.html -rw-r--r--
expect /usr/bin/varnel lrwxrwxrwx
expect /usr/share/applications/varnel-solitaire.desktop -rw-r--r--
expect /usr/share/metainfo/org.example.varnel_solitaire.metainfo.xml -rw-r--r--
expect /usr/share/man/man6/varnel.6.gz -rw-r--r--
for size in 16 24 32 48 64 128 256; do
    expect /usr/share/icons/hicolor/${size}x${size}/apps/varnel-solitaire.png -rw-r--r--
done
grep -q -- "-> \.\./lib/varnel-solitaire/varnel$" <<<"$listing" || fail "/usr/bin/varnel points elsewhere"
outside=$(grep -v '^/usr\(/\|$\)' <<<"$paths" | grep -v '^\.\?$' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
owners=$(awk '$2 != "root/root"' <<<"$listing")
[ -z "$owners" ] || fail "files not owned by root: $owners"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libfluidsynth3 timgm6mb-soundfont fonts-dejavu-core; do
    grep -q "\b$needed\b" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = varnel-solitaire ] || fail "wrong package name"

tree="$work/tree"
dpkg-deb -x "$deb" "$tree"
desktop="$tree/usr/share/applications/varnel-solitaire.desktop"
grep -qx "Exec=/usr/bin/varnel" "$desktop" || fail "the menu entry runs $(grep ^Exec= "$desktop")"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic \
    "$tree/usr/share/metainfo/org.example.varnel_solitaire.metainfo.xml" || fail "appstreamcli"
# The whole tree as a software centre reads it: metainfo, menu entry and icons together.
appstreamcli validate-tree --no-net --pedantic "$tree" || fail "appstreamcli validate-tree"
gzip -t "$tree/usr/share/man/man6/varnel.6.gz" || fail "the manual page is not gzip"
echo "package $(basename "$deb") checked"
