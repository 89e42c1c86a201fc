#!/usr/bin/env bash
# Memory of the meter monitor's trend chart (39 measurands) after 24 hours of samples at
# 10 a second, on a simulated clock: the resident memory it grew by, against the bound
# that the history's limits give (16 MB: 10 minutes at full rate, then 1 s, 10 s and 1 min
# buckets), and the time to query every measurand's 24 h window at 2000 points.
#   bench/trend_memory.sh [BUILD_DIR] [HOURS]   (defaults: build, 24)
set -euo pipefail
build=$(realpath "${1:-build}")
hours=${2:-24}
[ "${BENCH_SMOKE:-0}" = 1 ] && hours=0.5
cmake --build "$build" --target trend_memory >/dev/null
out=$("$build/bin/trend_memory" "$hours" 10)
echo "$out"
mb=$(sed -n 's/^resident growth: \([0-9.]*\) MB/\1/p' <<<"$out")
ok=$(awk -v m="$mb" 'BEGIN {print (m < 16) ? "PASS" : "FAIL"}')
[ "${BENCH_SMOKE:-0}" = 1 ] && ok=smoke
echo "result|trend chart memory after $hours h at 10 Hz, 39 measurands (MB resident)|$mb|< 16|$ok"
[ "${BENCH_SMOKE:-0}" = 1 ] && exit 0
awk -v m="$mb" 'BEGIN {exit !(m < 16)}' || { echo "over the bound" >&2; exit 1; }
