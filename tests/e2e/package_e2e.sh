#!/usr/bin/env bash
# The Debian package, unpacked into a scratch root as dpkg would install it: every file a
# desktop installation needs, the dependencies, the programs running from there with the
# Japanese module found in the installed layout, the manual pages as man shows them, and
# the desktop program doing its job on its simulated device.
#   package_e2e.sh FILE.deb VERSION
set -u
deb=$1 version=$2
source "$(dirname "$0")/harness.sh"

[ -f "$deb" ] || { echo "FAIL: no package $deb"; exit 1; }
root="$work/root"
dpkg-deb -x "$deb" "$root" || { echo "FAIL: dpkg-deb -x $deb"; exit 1; }
usr="$root/usr"
modules=$(echo "$usr"/lib/*/voltaro)
id=com.orvanta.voltaro

for file in bin/voltaro bin/voltaro-cli bin/voltaro-sim libexec/voltaro/setup \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/doc/voltaro/copyright \
    share/doc/voltaro/changelog.gz; do
    [ -f "$usr/$file" ] || fail "missing /usr/$file"
done
for module in voltaro_jpn.so voltaro-cli_jpn.so; do
    [ -f "$modules/$module" ] || fail "missing $module in $modules"
done
for size in 16 22 24 32 48 64 128 256; do
    expect_in "PNG image data, $size x $size," \
        "$(file "$usr/share/icons/hicolor/${size}x$size/apps/$id.png")"
done
zcat "$usr/share/doc/voltaro/changelog.gz" | head -1 | grep -q "^voltaro ($version) " ||
    fail "the changelog does not begin with version $version"

# Dependencies: the linked Qt libraries (from dpkg-shlibdeps; Qt Charts draws the trend
# charts), the platform plugins that Qt loads at run time, and a Japanese font as a
# recommendation.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 libqt6charts6 libc6 qt6-qpa-plugins; do
    expect_in "$package" "$depends"
done
expect_in "fonts-" "$(dpkg-deb -f "$deb" Recommends)"

# The menu entry names a program and an icon of the package, in English and Japanese.
entry=$(cat "$usr/share/applications/$id.desktop")
exec_line=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' <<<"$entry")
[ -x "$usr/bin/$exec_line" ] || fail "Exec=$exec_line is no program of the package"
expect_in "Icon=$id" "$entry"
expect_in "Name[ja]=" "$entry"
expect_in "Comment[ja]=" "$entry"
expect_in "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$(cat "$usr/share/metainfo/$id.metainfo.xml")"

# The programs from the unpacked tree find the Japanese module in the installed folder.
for program in voltaro-cli voltaro; do
    run 0 env LANG=ja_JP.UTF-8 "$usr/bin/$program" --version
    expect_in "VOLTARO バージョン $version" "$out"
    expect_in "言語: 日本語 ($modules/${program}_jpn.so)" "$out"
    [ -z "$err" ] || fail "$program --version: $err"
done
run 0 "$usr/bin/voltaro-sim" --version
expect_in "VOLTARO Version $version" "$out"

# man finds the pages of the package and shows them without warnings; every command that
# voltaro-cli lists has its entry in its page.
for page in voltaro voltaro-cli voltaro-sim; do
    [ "$(MANPATH="$usr/share/man" man -w "$page")" = "$usr/share/man/man1/$page.1.gz" ] ||
        fail "man does not find $page in the package"
    run 0 env MANPATH="$usr/share/man" MANWIDTH=80 man --warnings -E UTF-8 "$page"
    expect_in "$page - " "$out"
    [ -z "$err" ] || fail "man $page: $err"
done
page=$(MANPATH="$usr/share/man" MANWIDTH=200 man voltaro-cli 2>/dev/null)
for command in $("$usr/bin/voltaro-cli" --help | sed -n 's/^  \([a-z][a-z-]*\).*/\1/p'); do
    grep -qE "^ {7}$command( |$)" <<<"$page" || fail "man voltaro-cli lacks the command $command"
done

# The completion is where bash-completion loads it from, and it offers the commands.
completion=$usr/share/bash-completion/completions/voltaro-cli
[ -f "$completion" ] || fail "the package lacks the bash completion"
COMP_WORDS=("$usr/bin/voltaro-cli" "up") COMP_CWORD=1
. "$completion" && _voltaro_cli
[ "${COMPREPLY[*]}" = upload ] || fail "the packaged completion offers \"${COMPREPLY[*]}\" for up"

# The installed desktop program does its job: upload from its simulated device and a
# picture of the main window.
run 0 env QT_QPA_PLATFORM=offscreen HOME="$work" XDG_CONFIG_HOME="$work/config" \
    "$usr/bin/voltaro" --simulate=40 --screenshot "$work/main.png"
expect_in "PNG image data" "$(file "$work/main.png")"

finish "package"
