#!/usr/bin/env bash
# End to end: voltaro-cli's maintenance commands against voltaro-sim processes over TCP.
#   maintenance_e2e.sh CLI SIM
# Clock shown, set and synchronised; resets with and without confirmation; tag; preset;
# loop tests of a ZB type (protected) and of a meter with analogue outputs; a ZC type's
# loop test, reset and preset.
set -u
cli=$(realpath "$1") sim=$(realpath "$2")
work=$(mktemp -d)
export VOLTARO_PROFILE=$work/profile.ini XDG_RUNTIME_DIR=$work LANG=C LC_ALL=C
sim_pid=
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
stop_sim() {
    [ -n "$sim_pid" ] || return
    kill "$sim_pid" 2>/dev/null
    wait "$sim_pid" 2>/dev/null
    local status=$?
    sim_pid=
    [ "$status" = 0 ] || fail "simulator ended with status $status: $(cat "$work/sim.err")"
}
cleanup() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
# start_sim ARGS...: starts a simulator on a free TCP port and sets link.
start_sim() {
    : >"$work/sim.out"
    "$sim" "$@" --turnaround-ms 0 --tcp 0 >"$work/sim.out" 2>"$work/sim.err" &
    sim_pid=$!
    for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
    local port
    port=$(sed -n 's/^tcp 127.0.0.1:\([0-9]*\).*/\1/p' "$work/sim.out")
    [ -n "$port" ] || { echo "simulator did not start: $(cat "$work/sim.err")"; exit 1; }
    link=(--tcp "127.0.0.1:$port")
}
# run EXPECTED_RC ARGS...: runs voltaro-cli (stdin not a terminal), keeps $out and $err.
run() {
    local expected=$1; shift
    "$cli" "$@" >"$work/out" 2>"$work/err" </dev/null
    local rc=$?
    out=$(cat "$work/out") err=$(cat "$work/err")
    [ "$rc" = "$expected" ] || fail "voltaro-cli $* gave $rc, expected $expected: $out $err"
}
expect_in() { case "$2" in *"$1"*) ;; *) fail "expected \"$1\" in: $2" ;; esac; }

# A protected two-input ZB type.
start_sim --row 38 --passcode 4711
run 0 clock "${link[@]}"
expect_in "Device's time: 20" "$out"
run 2 clock --set "2027-04-31 10:00:00" "${link[@]}"
run 1 clock --set "2027-04-30 10:00:00" --passcode 1 "${link[@]}"
expect_in "Modbus passcode mismatch!" "$err"
run 0 clock --set "2027-04-30 10:00:20" --passcode 4711 "${link[@]}"
expect_in "Device clock set to 2027/04/30 10:00:20." "$out"
expect_in "Device's time: 2027/04/30 10:00:2" "$out"
run 0 clock --sync --passcode 4711 "${link[@]}"
expect_in "Device's time: $(date +%Y/%m/%d)" "$out"

# The passcode is remembered with --remember and used afterwards without --passcode.
run 0 tag --set "Feeder 7 / West" --passcode 4711 --remember "${link[@]}"
expect_in 'Tag No. written: "Feeder 7 / West"' "$out"
run 0 tag "${link[@]}"
expect_in "Tag No.: Feeder 7 / West" "$out"
run 2 tag --set "seventeen chars!!" "${link[@]}"

# A reset asks for confirmation: without a terminal it needs --yes.
run 1 reset energy --channel 2 "${link[@]}"
expect_in "--yes" "$err"
run 0 reset energy --channel 2 --yes "${link[@]}"
expect_in "Wrote 1 to register 5337" "$out"
run 0 reset demand --yes "${link[@]}"
expect_in "Wrote 3 to register 5329" "$out"
run 1 reset counter --yes "${link[@]}"
run 2 reset everything --yes "${link[@]}"

run 0 preset "active in" 1234.5 --tariff 2 --channel 2 --yes "${link[@]}"
expect_in "Active in preset to 1234.5000." "$out"
run 2 preset "Active in" -5 --yes "${link[@]}"
run 2 preset "Nonsense" 5 --yes "${link[@]}"

run 0 loop-test status "${link[@]}"
expect_in "Loop test: off" "$out"
run 1 loop-test on --channel 2 "${link[@]}"
run 0 loop-test on --channel 2 --yes "${link[@]}"
run 0 loop-test values 0=12.5 6=0 --channel 2 "${link[@]}"
expect_in "0=12.500 6=0.00" "$out"
run 2 loop-test values 6=70 --channel 2 "${link[@]}"
run 0 loop-test status "${link[@]}"
expect_in "LOOP TEST: channel 2" "$out"
run 0 loop-test off --channel 2 "${link[@]}"
run 0 loop-test status "${link[@]}"
expect_in "Loop test: off" "$out"
stop_sim

# A meter with analogue outputs (current outputs).
start_sim --row 40
run 0 loop-test on --yes "${link[@]}"
run 0 loop-test values Ao1=4.00 ao4=20.00 "${link[@]}"
expect_in "Ao1=4.00" "$out"
expect_in "Ao4=20.00" "$out"
run 2 loop-test values Ao1=23.00 "${link[@]}"
expect_in "1.60 - 22.40" "$err"
run 0 loop-test status "${link[@]}"
expect_in "analogue outputs" "$out"
run 0 loop-test off "${link[@]}"
run 0 loop-test status "${link[@]}"
expect_in "Loop test: off" "$out"
stop_sim

# A ZC device: its channels' loop tests, a channel's reset and preset.
start_sim --row 52
run 0 loop-test on --channel 3 --yes "${link[@]}"
expect_in "channel 3" "$out"
run 0 loop-test values 8=5.000 --channel 3 "${link[@]}"
expect_in "8=5.000" "$out"
run 1 loop-test values 8=5.000 --channel 2 "${link[@]}"
expect_in "switch it on first" "$err"
run 0 loop-test status "${link[@]}"
expect_in "LOOP TEST: channel 3" "$out"
run 0 loop-test off --channel 3 "${link[@]}"
run 2 loop-test status --channel 17 "${link[@]}"
run 2 reset energy --yes "${link[@]}"
expect_in "--channel" "$err"
run 0 reset energy --channel 3 --yes "${link[@]}"
expect_in "Wrote 1 to register 8997" "$out"
run 0 preset "Active in" 99.5 --channel 3 --yes "${link[@]}"
expect_in "3ch Active in preset to 99.5." "$out"
run 2 preset "Active in" -5 --channel 3 --yes "${link[@]}"
stop_sim

[ "$failures" = 0 ] || exit 1
echo "maintenance e2e passed"
