#!/usr/bin/env bash
# End to end: the conventions every voltaro-cli command keeps. --help lists each command
# once with the connection options once; "help COMMAND" and "COMMAND --help" agree and give
# an example; every option a help names is one the command takes; wrong arguments give
# exit 2 with the error on standard error only; --quiet; the language of the desktop
# program's setting, else the locale; and the bash completion built on the program's lists.
#   cli_conventions_e2e.sh CLI SIM COMPLETION_SCRIPT
set -u
cli=$(realpath "$1") sim=$(realpath "$2") completion=$(realpath "$3")
. "$(dirname "$0")/e2e_support.sh"
expect_equal() { [ "$1" = "$2" ] || fail "expected: $1"$'\n'"got: $2"; }
export LANG=C.UTF-8
unset LC_ALL LC_MESSAGES
cd "$work"

commands=$("$cli" --list-commands)
[ "$(wc -l <<<"$commands")" -ge 16 ] || fail "too few commands: $commands"

run 0 --help
usage=$out
expect_equal "" "$err"
for command in $commands; do
    [ "$(grep -cE "^  $command +[a-z]" <<<"$usage")" = 1 ] ||
        fail "--help does not list $command on one line"
    run 0 help "$command"
    help=$out
    expect_in "voltaro-cli $command" "$help"
    expect_in $'Example:\n  voltaro-cli '"$command" "$help"
    run 0 "$command" --help
    expect_equal "$help" "$out"
    # Wrong arguments: exit 2, the error on standard error, nothing on standard output.
    run 2 "$command" --no-such-option
    expect_equal "" "$out"
    expect_in "voltaro-cli $command: " "$err"
    # Every option that the help names is taken (it may still lack a value or a device).
    for option in $("$cli" --list-options "$command"); do
        [ "$option" = --help ] && continue
        timeout 20 "$cli" "$command" "$option" --tcp 127.0.0.1:1 --once \
            >/dev/null 2>"$work/err" </dev/null
        grep -q "unknown option $option\b" "$work/err" &&
            fail "$command --help names $option, which it does not take"
    done
done
[ "$(grep -c -- "--tcp HOST" <<<"$usage")" = 1 ] || fail "connection options not listed once"
expect_in "Exit status: 0 done, 1 failed, 2 wrong arguments, 3 differences found" "$usage"

run 2 no-such-command
expect_equal "" "$out"
expect_in "Unknown command \"no-such-command\"" "$err"
run 2 help no-such-command
expect_in "no-such-command" "$err"
run 2
expect_equal "" "$out"
expect_in "Commands:" "$err"

# The language: the desktop program's setting first, the locale when it has none.
LANG=ja_JP.UTF-8 run 0 --help
expect_in "使い方: voltaro-cli コマンド" "$out"
expect_in "  upload        機器のパラメータを設定ファイルに読み出し" "$out"
printf '[Settings]\r\nDisplayLanguage=1\r\n' >"$work/ja.ini"
VOLTARO_PROFILE="$work/ja.ini" run 0 help upload
expect_in "使い方: voltaro-cli upload FILE.cfg" "$out"
printf '[Settings]\r\nDisplayLanguage=0\r\n' >"$work/en.ini"
VOLTARO_PROFILE="$work/en.ini" LANG=ja_JP.UTF-8 run 0 help upload
expect_in "Usage: voltaro-cli upload FILE.cfg" "$out"
LANG=ja_JP.UTF-8 run 1 read 0 1 --tcp 127.0.0.1:1
expect_in "voltaro-cli read: " "$err"
grep -qP '[\x{3040}-\x{30ff}]' <<<"$err" || fail "a failure in Japanese has no Japanese: $err"
LANG=ja_JP.UTF-8 run 2 identify --address 0
expect_equal "voltaro-cli identify: --address は 1～247 です (指定値 \"0\")" "$err"
LANG=ja_JP.UTF-8 run 2 upload --bogus
expect_equal "voltaro-cli upload: オプション --bogus はありません" "$err"

# --quiet leaves out the confirmation, not the result.
start_sim --row 4
run 0 upload a.cfg "${link[@]}"
expect_in "uploaded row 4" "$out"
run 0 --quiet upload b.cfg "${link[@]}"
expect_equal "" "$out"
cmp -s a.cfg b.cfg || fail "the quiet upload saved another file"
run 0 compare b.cfg "${link[@]}" --quiet
expect_in "match" "$out"
stop_sim

# The completion: commands, a command's own options, values of an option.
complete_words() {
    COMP_WORDS=("$cli" "$@")
    COMP_CWORD=$(($# ))
    COMPREPLY=()
    _voltaro_cli
    echo "${COMPREPLY[*]}"
}
. "$completion"
expect_equal "upload" "$(complete_words up)"
expect_equal "monitor" "$(complete_words help mon)"
expect_equal "--timing --tcp --trace" "$(complete_words upload --t)"
expect_equal "--tcp --trace" "$(complete_words identify --t)"
expect_equal "odd" "$(complete_words identify --parity o)"
expect_in "--new" "$(complete_words protect --)"
[ "$(complete --help >/dev/null; complete -p voltaro-cli)" = \
    "complete -o filenames -F _voltaro_cli voltaro-cli" ] || fail "completion not registered"

[ "$failures" = 0 ] && echo "e2e cli conventions: all checks passed"
exit $((failures > 0))
