#!/usr/bin/env bash
# Upload timing against the simulator.
#   bench/upload_timing.sh [BUILD_DIR]   (default: build)
# 1. Modbus-RTU over a pseudo-terminal at 38400 bit/s with the simulator emulating the
#    wire time of every frame (11 bits a byte) and no turnaround: the measured upload is
#    compared with what the framing prescribes for the requests it sent, namely the wire
#    time of every request and answer plus the guard delay after each exchange
#    (120000 / rate + 1 ms). Bound: 1.15 x.
# 2. Modbus-TCP on loopback, meter row, no turnaround. Bound: under 20 ms (median of 11).
# The figures are wall-clock times: a busy machine (see the load average printed) slows
# them down.
set -euo pipefail
build=$(realpath "${1:-build}")
cli=$build/bin/voltaro-cli sim=$build/bin/voltaro-sim
work=$(mktemp -d)
export VOLTARO_PROFILE=$work/profile.ini XDG_RUNTIME_DIR=$work
sim_pid=
cleanup() { [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
start_sim() {
    : >"$work/sim.out"
    "$sim" "$@" >"$work/sim.out" 2>"$work/sim.log" &
    sim_pid=$!
    for _ in $(seq 50); do [ -s "$work/sim.out" ] && return; sleep 0.1; done
    echo "simulator did not start" >&2
    exit 1
}
upload_ms() { "$cli" upload "$work/u.cfg" --timing "$@" 2>&1 >/dev/null | sed -n 's/^upload time: \([0-9.]*\) ms/\1/p'; }

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
rate=38400
start_sim --row 4 --pty bench --line-speed --baud $rate --parity N --turnaround-ms 0 --log
tty=$(awk '/^pty/ {print $3}' "$work/sim.out")
measured=$(upload_ms --serial "$tty" --baud $rate --parity none)
kill "$sim_pid"; wait "$sim_pid" 2>/dev/null || true; sim_pid=
# Every logged request (<-) and answer (->) with its bytes before the " | " note.
read -r requests bytes < <(awk '$3 == "<-" || $3 == "->" {
        n = 0; for (i = 4; i <= NF && $i != "|"; ++i) ++n
        bytes += n; if ($3 == "<-") ++requests }
    END { print requests, bytes }' "$work/sim.log")
guard=$((120000 / rate + 1))
prescribed=$(awk -v b="$bytes" -v r="$requests" -v g="$guard" -v rate=$rate \
    'BEGIN { printf "%.1f", b * 11 * 1000 / rate + r * g }')
ratio=$(awk -v m="$measured" -v p="$prescribed" 'BEGIN { printf "%.3f", m / p }')
rtu_ok=$(awk -v x="$ratio" 'BEGIN { print (x <= 1.15) ? "within" : "OVER" }')
echo "RTU upload, row 4, $rate bit/s: $requests requests, $bytes bytes on the wire"
echo "  measured ${measured} ms, prescribed ${prescribed} ms (wire time + ${guard} ms guard each)"
echo "  ratio ${ratio} (bound 1.15): $rtu_ok"

start_sim --row 4 --tcp 0 --turnaround-ms 0
port=$(sed -n 's/^tcp 127.0.0.1:\([0-9]*\).*/\1/p' "$work/sim.out")
times=()
for _ in $(seq 11); do times+=("$(upload_ms --tcp "127.0.0.1:$port")"); done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 6p)
tcp_ok=$(awk -v x="$median" 'BEGIN { print (x < 20) ? "within" : "OVER" }')
echo "TCP upload, row 4, loopback: runs ${times[*]} ms"
echo "  median ${median} ms (bound < 20 ms): $tcp_ok"
[ "$rtu_ok" = within ] && [ "$tcp_ok" = within ]
