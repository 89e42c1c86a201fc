#!/usr/bin/env bash
# The desktop program while its meter monitor watches the embedded simulated device for a
# minute, under a virtual X server: CPU time (share of one core) and resident memory.
#   bench/monitor_gui_resources.sh [BUILD_DIR] [SECONDS]   (defaults: build, 60)
# The program uploads, opens the monitor (--screenshot) and keeps it open for the warm-up
# plus SECONDS (--monitor-seconds). CPU is the process's user + system time over the
# measured SECONDS (the in-process simulator included); memory is the largest VmRSS seen.
# Bounds: 15 % of one core, 80 MiB.
set -euo pipefail
build=$(realpath "${1:-build}")
seconds=${2:-60}
warmup=8
[ "${BENCH_SMOKE:-0}" = 1 ] && seconds=2 warmup=3
program=$build/bin/voltaro
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
xvfb-run -a "$program" --simulate --screenshot "$work/shot.png" \
    --monitor-seconds $((seconds + warmup + 2)) >"$work/log" 2>&1 &
runner=$!
pid=""
for _ in $(seq 100); do
    pid=$(pgrep -n -f "^$program --simulate --screenshot $work/shot.png" || true)
    [ -n "$pid" ] && break
    sleep 0.1
done
[ -n "$pid" ] || { echo "the program did not start" >&2; cat "$work/log" >&2; exit 1; }
ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
rss_kib() { awk '/^VmRSS:/ {print $2}' "/proc/$pid/status"; }
sleep "$warmup"
start=$(cpu_ticks)
peak=0
for _ in $(seq "$seconds"); do
    sleep 1
    rss=$(rss_kib)
    [ "$rss" -gt "$peak" ] && peak=$rss
done
end=$(cpu_ticks)
wait "$runner" || { echo "the monitor run failed" >&2; cat "$work/log" >&2; exit 1; }
test -s "$work/shot-monitor.png" || { echo "no monitor picture" >&2; exit 1; }
cpu=$(awk -v t=$((end - start)) -v hz="$ticks" -v s="$seconds" 'BEGIN {printf "%.1f", 100 * t / hz / s}')
mib=$(awk -v k="$peak" 'BEGIN {printf "%.1f", k / 1024}')
echo "monitoring for $seconds s: CPU $cpu % of one core (bound 15 %), resident memory $mib MiB (bound 80 MiB)"
verdict() { [ "${BENCH_SMOKE:-0}" = 1 ] && { echo smoke; return; }
    awk -v v="$1" -v b="$2" 'BEGIN {print (v < b) ? "PASS" : "FAIL"}'; }
echo "result|voltaro with a monitor open, peak memory (MiB)|$mib|< 80|$(verdict "$mib" 80)"
echo "result|voltaro with a monitor open, CPU share of one core (%)|$cpu|< 15|$(verdict "$cpu" 15)"
awk -v c="$cpu" -v m="$mib" 'BEGIN {exit !(c < 15 && m < 80)}' || { echo "over a bound" >&2; exit 1; }
