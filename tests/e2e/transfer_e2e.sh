#!/usr/bin/env bash
# End to end: the built voltaro-cli against a voltaro-sim process.
#   transfer_e2e.sh CLI SIM tcp|pty
# Upload, edit the file, download, compare (no differences), protection on and off.
set -u
cli=$(realpath "$1") sim=$(realpath "$2") transport=$3
. "$(dirname "$0")/e2e_support.sh"

# KT6 with analogue outputs and protection support.
start_sim --row 40

cd "$work"
run 0 upload a.cfg "${link[@]}"
grep -q '^\[KT2CFG\]' a.cfg || fail "a.cfg has no KT2CFG section"
grep -q '^Model=7821' a.cfg || fail "a.cfg has the wrong model"

# Operation mode (register 5200) and the first Ao1 table value.
sed -i 's/^L5200=.*/L5200=1\r/' a.cfg
run 3 compare a.cfg "${link[@]}"
expect_in "1 parameter(s) not matching." "$out"
expect_in "Operation mode" "$out"

run 0 download a.cfg "${link[@]}"
run 0 compare a.cfg "${link[@]}"
expect_in "All parameters matching." "$out"
run 0 upload b.cfg "${link[@]}"
run 0 compare a.cfg b.cfg
grep -q $'^L5200=1\r$' b.cfg || fail "the device did not keep the edited value"

run 0 protect --new 4321 "${link[@]}"
expect_in "protection on" "$out"
run 1 download a.cfg "${link[@]}"
expect_in "write protected" "$err"
run 1 download a.cfg --passcode 1 "${link[@]}"
expect_in "Modbus passcode mismatch!" "$err"
run 0 download a.cfg --passcode 4321 --remember "${link[@]}"
[ "$(stat -c %a profile.ini)" = 600 ] || fail "profile is not owner-only"
grep -q '^Passcode=' profile.ini || fail "passcode not remembered"
grep -q 4321 profile.ini && fail "passcode stored in clear"
run 0 download a.cfg "${link[@]}"
run 1 protect --current 1 --new 0 "${link[@]}"
expect_in "Modbus passcode mismatch!" "$err"
run 0 protect --current 4321 --new 0 "${link[@]}"
expect_in "protection off" "$out"

run 0 report a.cfg --csv out.csv
grep -q $'^"Display","Operation mode","' out.csv || fail "no Operation mode line in the CSV"
[ "$(grep -c $'\r$' out.csv)" = "$(wc -l <out.csv)" ] || fail "CSV lines do not end in CR LF"
run 0 report a.cfg --device "${link[@]}"
expect_in "All parameters matching." "$out"

# Ctrl-C during a download of a protected device: cancelled, link closed, relocked (without
# the backup, so that the signal comes during the writes).
run 0 protect --new 4321 "${link[@]}"
stop_sim
start_sim --row 40 --delay-ms 40 --passcode 4321
"$cli" download a.cfg --no-backup --passcode 4321 "${link[@]}" >"$work/out" 2>"$work/err" &
cli_pid=$!
sleep 1
kill -INT "$cli_pid"
wait "$cli_pid"
rc=$?
[ "$rc" = 1 ] || fail "interrupted download gave $rc, expected 1: $(cat "$work/err")"
expect_in "cancelled" "$(cat "$work/err")"
run 0 read 4944 1 "${link[@]}"
expect_in $'4944\t0\t' "$out"

stop_sim
[ "$failures" = 0 ] && echo "e2e $transport: all checks passed"
exit $((failures > 0))
