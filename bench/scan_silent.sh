#!/usr/bin/env bash
# A bus scan of every address at one line setting over a silent bus: voltaro-cli scan at
# 9600 bit/s against a simulated bus on a pseudo-terminal whose only device listens at
# 19200 bit/s (so none of the 247 probes is answered), the simulator emulating the wire
# time of every frame (--line-speed). The figure is the median wall time of RUNS scans.
#   bench/scan_silent.sh [BUILD_DIR] [RUNS]   (defaults: build, 3)
# Bound: under 30 s. With BENCH_SMOKE=1: one scan of 10 addresses, no bound.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-build}")
. "$top/bench/lib.sh"
runs=${2:-3} addresses=1-247
[ "$smoke" = 1 ] && runs=1 addresses=1-10
cmake --build "$build" --target voltaro-cli voltaro-sim >/dev/null
cli=$build/bin/voltaro-cli
load_line

start_sim --pty bench --bus 4@1:19200 --line-speed --turnaround-ms 0
for _ in $(seq "$runs"); do
    start=$(date +%s.%N)
    status=0
    "$cli" scan --serial "$(sim_pty)" --addresses "$addresses" --bauds 9600 --parity N \
        >/dev/null 2>&1 || status=$?
    end=$(date +%s.%N)
    [ "$status" = 1 ] || { echo "scan exit status $status, expected 1 (nothing found)" >&2; exit 1; }
    awk -v s="$start" -v e="$end" 'BEGIN { printf "%.2f\n", e - s }'
done >"$bench_work/times"
stop_sim
seconds=$(median <"$bench_work/times")
echo "silent scan, $addresses at 9600 N, $runs runs: median $seconds s ($(paste -sd' ' "$bench_work/times"))"
result "silent 247-address scan at 9600 bit/s (s)" "$seconds" "< 30" "$(verdict "$seconds" "<" 30)"
