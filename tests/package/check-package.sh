#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it as apt, lintian and a desktop would
# see it: every file in its place under /usr and owned by root, the game in the games folder
# finding its files beside itself, the dependencies declared, the copyright and changelog Debian
# asks for, the menu entry pointing at the command, and no lintian error or warning. Then checks
# that an install for one user (~/.local) and one for the whole machine (/usr/local) put the
# command where their users' PATH finds it.
# Usage: check-package.sh <cpack> <cmake> <build folder> <source folder> <work folder>
set -euo pipefail
cpack=$1 cmake=$2 build=$3 source=$4 work=$5
rm -rf "$work"
mkdir -p "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }

# The commands the package puts on the PATH, each with its manual page in section 6.
commands=(varnel varnel-solve)
program_dir=/usr/libexec/varnel-solitaire

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
for command in "${commands[@]}"; do
    expect $program_dir/$command -rwxr-xr-x
    expect /usr/games/$command lrwxrwxrwx
    expect /usr/share/man/man6/$command.6.gz -rw-r--r--
done
expect /usr/share/games/varnel-solitaire/varnel.mid -rw-r--r--
expect /usr/share/games/varnel-solitaire/varnel.bmp -rw-r--r--
expect /usr/share/help/C/varnel-solitaire/index.html -rw-r--r--
expect /usr/share/applications/varnel-solitaire.desktop -rw-r--r--
expect /usr/share/metainfo/org.example.varnel_solitaire.metainfo.xml -rw-r--r--
expect /usr/share/doc/varnel-solitaire/copyright -rw-r--r--
expect /usr/share/doc/varnel-solitaire/changelog.Debian.gz -rw-r--r--
for size in 16 24 32 48 64 128 256; do
    expect /usr/share/icons/hicolor/${size}x${size}/apps/varnel-solitaire.png -rw-r--r--
done
# Games live in the games folder alone.
bin=$(grep '^/usr/bin\(/\|$\)' <<<"$paths" || true)
[ -z "$bin" ] || fail "a game package with $bin"
outside=$(grep -v '^/usr\(/\|$\)' <<<"$paths" | grep -v '^\.\?$' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
owners=$(awk '$2 != "root/root"' <<<"$listing")
[ -z "$owners" ] || fail "files not owned by root: $owners"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins libqt6sql6-sqlite libfluidsynth3 \
              timgm6mb-soundfont fonts-dejavu-core; do
    grep -q "\b$needed\b" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = varnel-solitaire ] || fail "wrong package name"
version=$(dpkg-deb -f "$deb" Version)

tree="$work/tree"
dpkg-deb -x "$deb" "$tree"
# Through the links, as the program sees its folder: the command leads to the program, and the
# tune, picture file and help pages are beside it.
for command in "${commands[@]}"; do
    [ "$(readlink -f "$tree/usr/games/$command")" = "$tree$program_dir/$command" ] ||
        fail "/usr/games/$command leads to $(readlink -f "$tree/usr/games/$command")"
    gzip -t "$tree/usr/share/man/man6/$command.6.gz" || fail "the manual page of $command is not gzip"
done
for file in varnel.mid varnel.bmp help/index.html help/help.css; do
    [ -f "$tree$program_dir/$file" ] || fail "the program does not find $file beside itself"
done

desktop="$tree/usr/share/applications/varnel-solitaire.desktop"
grep -qx "Exec=/usr/games/varnel" "$desktop" || fail "the menu entry runs $(grep ^Exec= "$desktop")"
# Docks match a window to its menu entry by the class Qt gives the window, the program's name.
grep -qx "StartupWMClass=Varnel Solitaire" "$desktop" || fail "the menu entry names no window class"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic \
    "$tree/usr/share/metainfo/org.example.varnel_solitaire.metainfo.xml" || fail "appstreamcli"
# The whole tree as a software centre reads it: metainfo, menu entry and icons together.
appstreamcli validate-tree --no-net --pedantic "$tree" || fail "appstreamcli validate-tree"

# The copyright carries the licence at the top of the source word for word.
copyright="$tree/usr/share/doc/varnel-solitaire/copyright"
grep -qx "Copyright: $(sed -n 's/^Copyright (c) //p' "$source/LICENSE")" "$copyright" ||
    fail "the copyright's holder differs from LICENSE"
# (the text of the last "License:" paragraph, each line indented and a blank one written " .")
diff <(awk '/^License: Expat$/ { n = NR } { line[NR] = $0 }
            END { for (i = n + 1; i <= NR; i++) print line[i] }' "$copyright" |
       sed 's/^ //; s/^\.$//') \
     <(sed '1,/^Copyright (c)/d' "$source/LICENSE" | sed '1{/^$/d}') ||
    fail "the copyright's licence differs from LICENSE"
# The latest changelog entry is the package's version.
entry=$(zcat "$tree/usr/share/doc/varnel-solitaire/changelog.Debian.gz" | head -1)
[[ $entry == "varnel-solitaire ($version) "* ]] ||
    fail "the changelog's latest entry is \"$entry\", the package $version"

# lintian, with its informational notes shown; any error or warning fails, and so does any
# note of hardening, which lintian counts as information only for some of its measures.
lintian --display-info --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log"; fail "lintian"; }
! grep -q ' hardening-' "$work/lintian.log" || { cat "$work/lintian.log"; fail "not hardened"; }
grep -v '^running with root privileges' "$work/lintian.log" || true

# Installs without the package: the command goes where that prefix's users look for it, and the
# menu entry runs it.
install_at() {  # prefix, staging folder, folder of the command
    local prefix=$1 staged=$2 commands_at=$3 entry
    DESTDIR=$staged "$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" ||
        { cat "$work/install.log"; fail "cmake --install --prefix $prefix"; }
    [ "$(readlink -f "$staged$prefix/$commands_at/varnel")" = "$staged$prefix/libexec/varnel-solitaire/varnel" ] ||
        fail "$prefix/$commands_at/varnel does not lead to the program"
    [ -f "$staged$prefix/libexec/varnel-solitaire/help/index.html" ] ||
        fail "the program installed in $prefix does not find its help pages"
    entry="$staged$prefix/share/applications/varnel-solitaire.desktop"
    grep -qx "Exec=$prefix/$commands_at/varnel" "$entry" || fail "$prefix's menu entry runs $(grep ^Exec= "$entry")"
    [ ! -e "$staged$prefix/share/doc/varnel-solitaire/changelog.Debian.gz" ] ||
        fail "$prefix has the package's changelog"
}
install_at "$work/home/.local" "" bin
install_at /usr/local "$work/staged" games
echo "package $(basename "$deb") checked"
