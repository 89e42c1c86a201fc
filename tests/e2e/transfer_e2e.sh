#!/usr/bin/env bash
# End to end: the built voltaro-cli against a voltaro-sim process.
#   transfer_e2e.sh CLI SIM tcp|pty
# Upload, edit the file, download, compare (no differences), protection on and off.
set -u
cli=$(realpath "$1") sim=$(realpath "$2") transport=$3
. "$(dirname "$0")/e2e_support.sh"
# The simulator ends cleanly on SIGTERM: any other status (a sanitizer report, for one)
# is a failure.
stop_sim() {
    kill "$sim_pid" 2>/dev/null
    wait "$sim_pid" 2>/dev/null
    local status=$?
    sim_pid=
    [ "$status" = 0 ] || fail "simulator ended with status $status: $(cat "$work/sim.err")"
}

# KT6 with analogue outputs and protection support.
sim_args=(--row 40 --turnaround-ms 0)
if [ "$transport" = tcp ]; then
    "$sim" "${sim_args[@]}" --tcp 0 >"$work/sim.out" 2>"$work/sim.err" &
else
    "$sim" "${sim_args[@]}" --pty e2e --baud 38400 --parity N >"$work/sim.out" 2>"$work/sim.err" &
fi
sim_pid=$!
for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
if [ "$transport" = tcp ]; then
    port=$(sed -n 's/^tcp 127.0.0.1:\([0-9]*\).*/\1/p' "$work/sim.out")
    link=(--tcp "127.0.0.1:$port")
else
    tty=$(awk '/^pty/ {print $3}' "$work/sim.out")
    link=(--serial "$tty" --baud 38400 --parity none --address 1)
fi
[ ${#link[@]} -gt 1 ] || { echo "simulator did not start: $(cat "$work/sim.err")"; exit 1; }


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

# Ctrl-C during a download of a protected device: cancelled, link closed, relocked.
run 0 protect --new 4321 "${link[@]}"
stop_sim
slow_args=(--row 40 --turnaround-ms 0 --delay-ms 40 --passcode 4321)
: >"$work/sim.out"
if [ "$transport" = tcp ]; then
    "$sim" "${slow_args[@]}" --tcp "$port" >"$work/sim.out" 2>"$work/sim.err" &
else
    "$sim" "${slow_args[@]}" --pty e2e --baud 38400 --parity N >"$work/sim.out" 2>"$work/sim.err" &
    sleep 0.5
    tty=$(awk '/^pty/ {print $3}' "$work/sim.out")
    link=(--serial "$tty" --baud 38400 --parity none --address 1)
fi
sim_pid=$!
for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
"$cli" download a.cfg --passcode 4321 "${link[@]}" >"$work/out" 2>"$work/err" &
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
