#!/usr/bin/env bash
# --help and --version of the programs: answered with no display, in the locale's language,
# with the language module found beside the program or in the installed module folder, and
# a word on standard error (English texts, status 0) when the module cannot be loaded.
#   help_version_e2e.sh VERSION MODULE_DIR_FROM_BIN CLI SIM [DESKTOP]
set -u
version=$1 from_bin=$2
cli=$(realpath "$3") sim=$(realpath "$4") desktop=
[ $# -ge 5 ] && desktop=$(realpath "$5")
source "$(dirname "$0")/harness.sh"
# A profile without a language of its own: the locale decides.
export VOLTARO_PROFILE=$work/profile.ini

english="VOLTARO Version $version"
japanese="VOLTARO バージョン $version"
for program in "$cli" ${desktop:+"$desktop"}; do
    run 0 "$program" --version
    expect_equal "$english"$'\n'"Language: English" "$out"
    expect_equal "" "$err"
    run 0 env LANG=ja_JP.UTF-8 "$program" --version
    expect_equal "$japanese"$'\n'"言語: 日本語 ($program""_jpn.so)" "$out"
    expect_equal "" "$err"
done

if [ -n "$desktop" ]; then
    for option in --help -h; do
        run 0 "$desktop" --simulate "$option"
        expect_in "Usage: voltaro [OPTION]..." "$out"
        expect_in "(0 to 78," "$out"
        expect_equal "" "$err"
    done
    run 0 env LANG=ja_JP.UTF-8 VOLTARO_PROFILE=/x/p.ini "$desktop" --help
    expect_in "使い方: voltaro [オプション]..." "$out"
    expect_in "設定は /x/p.ini に保存されます" "$out"
fi

# The simulator has English texts only; --version followed by a number is still its
# firmware option.
run 0 env LANG=ja_JP.UTF-8 "$sim" --version
expect_equal "$english"$'\n'"Language: English" "$out"
expect_equal "" "$err"
run 0 "$sim" --help
expect_in "--firmware V" "$out"
run 2 "$sim" --row 4 --version 999
expect_in "outside" "$err"

# A copy of the CLI in an installed layout: first without its module, then with it in the
# module folder relative to the program's folder.
root="$work/root"
mkdir -p "$root/usr/bin"
cp "$cli" "$root/usr/bin/"
run 0 env LANG=ja_JP.UTF-8 "$root/usr/bin/voltaro-cli" --version
expect_equal "$english"$'\n'"Language: English" "$out"
expect_in "Can't load language module ($root/usr/bin/voltaro-cli_jpn.so)" "$err"
modules=$(realpath -m "$root/usr/bin/$from_bin")
mkdir -p "$modules"
cp "$(dirname "$cli")/voltaro-cli_jpn.so" "$modules/"
run 0 env LANG=ja_JP.UTF-8 "$root/usr/bin/voltaro-cli" --version
expect_equal "$japanese"$'\n'"言語: 日本語 ($modules/voltaro-cli_jpn.so)" "$out"
expect_equal "" "$err"
# A module beside the program comes first.
cp "$(dirname "$cli")/voltaro-cli_jpn.so" "$root/usr/bin/"
run 0 env LANG=ja_JP.UTF-8 "$root/usr/bin/voltaro-cli" --version
expect_in "($root/usr/bin/voltaro-cli_jpn.so)" "$out"

finish "help and version"
