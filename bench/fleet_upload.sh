#!/usr/bin/env bash
# voltaro-cli fleet over a simulated fleet: 50 devices (row 39) behind 10 gateways of 5,
# all served by one voltaro-sim --fleet process with the default answer delay. The figure
# is the wall time of "fleet ... upload" with --jobs 10 (and the default 8) divided by the
# sequential run (--jobs 1), medians of RUNS runs each. Then one device gets another
# configuration and "fleet ... compare" must flag exactly that one.
#   bench/fleet_upload.sh [BUILD_DIR] [RUNS]   (defaults: build, 3)
# Bound: the --jobs 10 ratio at most 0.15. With BENCH_SMOKE=1: one run of 4 gateways of 2.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-build}")
. "$top/bench/lib.sh"
runs=${2:-3} gateways=10 units=5
[ "$smoke" = 1 ] && runs=1 gateways=4 units=2
cmake --build "$build" --target voltaro-cli voltaro-sim >/dev/null
cli=$build/bin/voltaro-cli
load_line

# Free ports: let the kernel pick, then let go of them.
ports=$(python3 -c "
import socket
s = [socket.socket() for _ in range($gateways)]
for x in s: x.bind(('127.0.0.1', 0))
print(' '.join(str(x.getsockname()[1]) for x in s))")
fleet=$bench_work/fleet.ini
: >"$fleet"
for unit in $(seq "$units"); do
    g=0
    for port in $ports; do
        printf '[g%d-u%d]\ntcp = 127.0.0.1:%s\nunit = %d\nrow = 39\n\n' "$g" "$unit" "$port" \
            "$unit" >>"$fleet"
        g=$((g + 1))
    done
done
start_sim --fleet "$fleet"
devices=$((gateways * units))

seconds() { date +%s.%N; }
upload_time() {
    local jobs=$1 dir start end
    dir=$bench_work/up-$jobs
    rm -rf "$dir"
    start=$(seconds)
    "$cli" fleet "$fleet" --jobs "$jobs" upload "$dir" >"$bench_work/out" ||
        { cat "$bench_work/out" >&2; exit 1; }
    end=$(seconds)
    [ "$(ls "$dir" | wc -l)" = "$devices" ] || { echo "not every device uploaded" >&2; exit 1; }
    awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f\n", e - s }'
}
median_of() { for _ in $(seq "$runs"); do upload_time "$1"; done | median; }

sequential=$(median_of 1)
default=$(median_of 8)
parallel=$(median_of "$gateways")
echo "  $devices devices on $gateways gateways: --jobs 1 ${sequential} s," \
    "--jobs 8 ${default} s, --jobs $gateways ${parallel} s"
ratio8=$(awk -v p="$default" -v s="$sequential" 'BEGIN { printf "%.3f", p / s }')
ratio=$(awk -v p="$parallel" -v s="$sequential" 'BEGIN { printf "%.3f", p / s }')
result "fleet upload of $devices devices on $gateways gateways: --jobs 8 / --jobs 1" \
    "$ratio8" "(none)" "info"
result "fleet upload of $devices devices on $gateways gateways: --jobs $gateways / --jobs 1" \
    "$ratio" "<= 0.15" "$(verdict "$ratio" "<=" 0.15)"

# One device (unit 3 of the sixth gateway, or the last one in a smoke run) gets another CT
# secondary through the single-device download; the fleet compare must name that one only.
target_gateway=$((gateways > 5 ? 5 : gateways - 1)) target_unit=$((units > 2 ? 3 : units))
target=g$target_gateway-u$target_unit
target_port=$(cut -d' ' -f$((target_gateway + 1)) <<<"$ports")
sed 's/^L5602=5/L5602=1/' "$bench_work/up-1/$target.cfg" >"$bench_work/changed.cfg"
"$cli" --quiet download "$bench_work/changed.cfg" --tcp "127.0.0.1:$target_port" \
    --address "$target_unit"
status=0
"$cli" fleet "$fleet" compare "$bench_work/up-1/g0-u1.cfg" >"$bench_work/compare" || status=$?
flagged=$(grep -c ' differs ' "$bench_work/compare" || true)
grep ' differs ' "$bench_work/compare" | sed 's/^/  /'
right=$([ "$status" = 3 ] && [ "$flagged" = 1 ] && grep -q "^$target " <<<"$(grep ' differs ' \
    "$bench_work/compare")" && echo 1 || echo 0)
result "fleet compare: devices flagged (the changed one: $target; exit $status)" "$flagged" \
    "= 1" "$([ "$right" = 1 ] && echo PASS || echo FAIL)"
