#!/usr/bin/env bash
# The Modbus client against a general-purpose Modbus library's client (Debian
# libmodbus-dev, installed here when missing; a bench-only dependency that nothing of the
# product links), against the same simulator (row 4, loopback TCP, no turnaround):
# 1. a whole upload as whole processes: `voltaro-cli upload` and a reference client that
#    reads the same register list (taken from the simulator's log of an upload), RUNS
#    runs each, interleaved; median wall times, their ratio and each one's spread;
# 2. READS single-register reads in one process each: per-exchange p50 and p99.
#   bench/compare_modbus.sh [BUILD_DIR] [RUNS] [READS]   (defaults: build, 41, 1000)
# Bounds: upload median at most 1.2 x the reference's; read p50 within 1.3 x the
# reference's; peak resident memory of the upload process under 15 MiB.
# The simulator and both clients run on one CPU. Across two CPUs every exchange waits for
# the other CPU to wake up, which on a virtual machine costs 50 to 100 us and comes and
# goes with where the scheduler puts the processes: the medians of both clients then
# jumped between two modes twice as far apart as the clients' own difference. On one CPU
# an exchange is a plain switch between the two processes, the same for both clients.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-build}")
. "$top/bench/lib.sh"
runs=${2:-41} reads=${3:-1000}
[ "$smoke" = 1 ] && runs=3 reads=50
"$top/scripts/deps.sh" bench >&2
cmake --build "$build" --target voltaro-cli voltaro-sim read_latency process_timing >/dev/null
ref=$build/bench/modbus_ref_client
mkdir -p "$build/bench"
cc -O2 -Wall -Wextra -Werror -o "$ref" "$top/bench/modbus_ref_client.c" \
    $(pkg-config --cflags --libs libmodbus)
cli=$build/bin/voltaro-cli
load_line

# The register list of an upload, as the simulator logged it ("read ADDRESS xCOUNT").
start_sim --row 4 --tcp 0 --turnaround-ms 0 --log
"$cli" upload "$bench_work/u.cfg" --tcp "127.0.0.1:$(sim_tcp_port)" >/dev/null
stop_sim
awk '$3 == "<-" { for (i = 4; i < NF; ++i) if ($i == "read") { sub("x", "", $(i + 2)); print $(i + 1), $(i + 2) } }' \
    "$bench_work/sim.log" >"$bench_work/list"
requests=$(wc -l <"$bench_work/list")

start_sim --row 4 --tcp 0 --turnaround-ms 0
port=$(sim_tcp_port)
cpu=$(($(nproc) - 1))
taskset -a -p -c "$cpu" "$sim_pid" >/dev/null
pin=(taskset -c "$cpu")
out=$("${pin[@]}" "$build/bin/process_timing" "$runs" "$cli" upload "$bench_work/u.cfg" --tcp "127.0.0.1:$port" \
    --- "$ref" upload 127.0.0.1 "$port" "$bench_work/list")
ours=$(grep '^command 1:' <<<"$out") theirs=$(grep '^command 2:' <<<"$out")
echo "upload, row 4, $requests requests, $runs runs each (interleaved, all on CPU $cpu):"
echo "  voltaro-cli upload:  $ours"
echo "  reference client:    $theirs"
ratio=$(awk -v a="$(field wall_ms "$ours")" -v b="$(field wall_ms "$theirs")" 'BEGIN {printf "%.2f", a / b}')
result "TCP upload, median wall / reference's ($(field wall_ms "$ours") / $(field wall_ms "$theirs") ms)" \
    "$ratio" "<= 1.2" "$(verdict "$ratio" "<=" 1.2)"
cpu_ratio=$(awk -v a="$(field cpu_ms "$ours")" -v b="$(field cpu_ms "$theirs")" 'BEGIN {printf "%.2f", a / b}')
result "TCP upload, CPU of the process ($(field cpu_ms "$ours") ms; reference's $(field cpu_ms "$theirs") ms)" \
    "$cpu_ratio x" "-" "-"
mib=$(awk -v k="$(field rss_kib "$ours")" 'BEGIN {printf "%.1f", k / 1024}')
result "peak memory of voltaro-cli upload (MiB)" "$mib" "< 15" "$(verdict "$mib" "<" 15)"

ours=$("${pin[@]}" "$build/bin/read_latency" 127.0.0.1 "$port" "$reads" 5735)
theirs=$("${pin[@]}" "$ref" reads 127.0.0.1 "$port" "$reads" 5735)
echo "$reads single reads: voltaro $ours; reference $theirs"
p50=$(awk -v a="$(field p50_us "$ours")" -v b="$(field p50_us "$theirs")" 'BEGIN {printf "%.2f", a / b}')
p99=$(awk -v a="$(field p99_us "$ours")" -v b="$(field p99_us "$theirs")" 'BEGIN {printf "%.2f", a / b}')
result "single read p50 / reference's ($(field p50_us "$ours") / $(field p50_us "$theirs") us)" \
    "$p50" "<= 1.3" "$(verdict "$p50" "<=" 1.3)"
result "single read p99 / reference's ($(field p99_us "$ours") / $(field p99_us "$theirs") us)" \
    "$p99" "-" "-"
