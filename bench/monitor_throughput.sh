#!/usr/bin/env bash
# The meter monitor's cycle (monitoring thread, next command posted from every
# notification) against a simulated meter (row 4, no turnaround): passes per second and
# the CPU time per pass of the monitoring process, over loopback TCP and over an emulated
# RS-485 line at 38400 bit/s (pseudo-terminal, --line-speed). Then with a device that never
# answers, over TCP and over a serial line: the cycle must wait on its time-outs, using
# no processor time in between.
#   bench/monitor_throughput.sh [BUILD_DIR] [SECONDS]   (defaults: build, 10)
# Bounds: CPU per pass under 3 ms (user + system, the kernel's share of loopback TCP and
# the pseudo-terminal included); with a silent device under 1 % of one core.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-build}")
. "$top/bench/lib.sh"
seconds=${2:-10}
[ "$smoke" = 1 ] && seconds=1
cmake --build "$build" --target voltaro-sim monitor_throughput >/dev/null
program=$build/bin/monitor_throughput
load_line

report_passes() {
    local name=$1 out=$2 cpu
    echo "  $name: $out"
    result "monitor over $name, passes per second" "$(field passes_per_s "$out")" "-" "-"
    cpu=$(field cpu_ms_per_pass "$out")
    result "monitor over $name, CPU per pass (ms)" "$cpu" "< 3" "$(verdict "$cpu" "<" 3)"
}

start_sim --row 4 --tcp 0 --turnaround-ms 0
report_passes "loopback TCP" "$("$program" tcp 127.0.0.1 "$(sim_tcp_port)" "$seconds")"
start_sim --row 4 --pty bench --line-speed --baud 38400 --parity N --turnaround-ms 0
report_passes "RTU at 38400 bit/s" "$("$program" rtu "$(sim_pty)" 38400 "$seconds")"
stop_sim

for link in tcp rtu; do
    out=$("$program" "silent-$link" "$seconds")
    echo "  silent device over $link: $out"
    share=$(field cpu_percent "$out")
    result "monitor with a silent device ($link), CPU share of one core (%)" "$share" "< 1" \
        "$(verdict "$share" "<" 1)"
done
