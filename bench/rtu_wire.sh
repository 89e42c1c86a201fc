#!/usr/bin/env bash
# Modbus-RTU uploads at the wire limit: row 4 over a pseudo-terminal, the simulator
# emulating the wire time of every frame (--line-speed, 11 bits a byte) with no
# turnaround, at 38400 and 9600 bit/s (RS-485) and 1200 bit/s (infra-red). Each measured
# upload is compared with what the framing prescribes for the requests it sent: the wire
# time of every request and answer plus the guard delay after each exchange
# (120000 / rate + 1 ms). The figure is the median ratio of RUNS uploads per rate.
#   bench/rtu_wire.sh [BUILD_DIR] [RUNS] [RATES]   (defaults: build, 5, "38400 9600 1200")
# Bound: 1.05 at every rate. With BENCH_SMOKE=1: one upload at 38400 only.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-build}")
. "$top/bench/lib.sh"
runs=${2:-5} rates=${3:-38400 9600 1200}
[ "$smoke" = 1 ] && runs=1 rates=38400
cmake --build "$build" --target voltaro-cli voltaro-sim >/dev/null
cli=$build/bin/voltaro-cli
load_line

upload_ratio() {
    local rate=$1 link measured requests bytes guard
    start_sim --row 4 --pty bench --line-speed --baud "$rate" --parity N --turnaround-ms 0 --log
    # 1200 bit/s is the infra-red adapter's rate; the guard delay follows the configured
    # rate in that mode too.
    link=--serial
    [ "$rate" = 1200 ] && link=--infrared
    measured=$("$cli" upload "$bench_work/u.cfg" --timing "$link" "$(sim_pty)" --baud "$rate" \
        --parity none 2>&1 >/dev/null | sed -n 's/^upload time: \([0-9.]*\) ms/\1/p')
    stop_sim
    # Every logged request (<-) and answer (->) with its bytes before the " | " note.
    read -r requests bytes < <(awk '$3 == "<-" || $3 == "->" {
            n = 0; for (i = 4; i <= NF && $i != "|"; ++i) ++n
            bytes += n; if ($3 == "<-") ++requests }
        END { print requests, bytes }' "$bench_work/sim.log")
    guard=$((120000 / rate + 1))
    awk -v m="$measured" -v b="$bytes" -v r="$requests" -v g="$guard" -v rate="$rate" \
        'BEGIN { p = b * 11 * 1000 / rate + r * g
                 printf "%.4f %.1f %.1f %d %d\n", m / p, m, p, r, b }'
}

for rate in $rates; do
    ratios=()
    for _ in $(seq "$runs"); do
        read -r ratio measured prescribed requests bytes < <(upload_ratio "$rate")
        echo "  $rate bit/s: $requests requests, $bytes bytes: measured $measured ms," \
            "prescribed $prescribed ms, ratio $ratio"
        ratios+=("$ratio")
    done
    ratio=$(printf '%s\n' "${ratios[@]}" | median)
    result "RTU upload at $rate bit/s / wire and guard time (median of $runs)" \
        "$ratio" "<= 1.05" "$(verdict "$ratio" "<=" 1.05)"
done
