#!/usr/bin/env bash
# Every listed model's row, simulated by voltaro-sim, is identified by voltaro-cli as
# that row: over Modbus-TCP and over Modbus-RTU on a pseudo-terminal. A third-party
# Modbus client (mbpoll) reads the firmware version over TCP.
#   identify_rows_e2e.sh VOLTARO-CLI VOLTARO-SIM MBPOLL
set -euo pipefail
cli=$1 sim=$2 mbpoll=$3
work=$(mktemp -d)
export VOLTARO_PROFILE=$work/profile.ini XDG_RUNTIME_DIR=$work
sim_pid=
cleanup() { [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

start_sim() {
    : >"$work/sim.out"
    "$sim" "$@" >"$work/sim.out" 2>"$work/sim.err" &
    sim_pid=$!
    for _ in $(seq 100); do [ -s "$work/sim.out" ] && return; sleep 0.05; done
    echo "simulator did not start: $*" >&2
    exit 1
}
# The simulator ends cleanly on SIGTERM: any other status (a sanitizer report, for one)
# counts as a failure.
stop_sim() {
    local status=0
    kill "$sim_pid" 2>/dev/null
    wait "$sim_pid" 2>/dev/null || status=$?
    sim_pid=
    if [ "$status" -ne 0 ]; then
        echo "simulator ended with status $status:" >&2
        cat "$work/sim.err" >&2
        failures=$((failures + 1))
    fi
}

failures=0
rows=$("$cli" models | tail -n +2 | cut -f4 | sort -n | uniq)
[ -n "$rows" ] || { echo "no models listed" >&2; exit 1; }
for row in $rows; do
    start_sim --row "$row" --tcp 0 --turnaround-ms 0
    port=$(awk '/^tcp/ { n = split($2, a, ":"); print a[n] }' "$work/sim.out")
    got=$("$cli" identify --tcp "127.0.0.1:$port" | sed -n 's/^catalogue row: //p')
    stop_sim
    if [ "$got" != "$row" ]; then echo "TCP: row $row identified as '$got'" >&2; failures=$((failures + 1)); fi

    start_sim --row "$row" --pty "row$row" --baud 38400 --turnaround-ms 0
    tty=$(awk '/^pty/ { print $3 }' "$work/sim.out")
    got=$("$cli" identify --serial "$tty" --baud 38400 --parity none --stop 1 | sed -n 's/^catalogue row: //p')
    stop_sim
    if [ "$got" != "$row" ]; then echo "RTU: row $row identified as '$got'" >&2; failures=$((failures + 1)); fi
done
echo "identified $(echo "$rows" | wc -w) rows over TCP and RTU, $failures failures"

start_sim --row 39 --tcp 0 --turnaround-ms 0
port=$(awk '/^tcp/ { n = split($2, a, ":"); print a[n] }' "$work/sim.out")
out=$("$mbpoll" -m tcp -t 3 -0 -r 9601 -c 1 -1 -p "$port" 127.0.0.1 2>&1 || true)
stop_sim
if ! grep -q '\[9601\]:[[:space:]]*300' <<<"$out"; then
    echo "mbpoll did not read version 300 at 9601:" >&2; echo "$out" >&2
    failures=$((failures + 1))
fi
[ "$failures" -eq 0 ]
