# Shared by the bench scripts (sourced): the simulator's start and stop, medians, and the
# result lines that bench/run gathers into its table.
#   result LABEL VALUE BOUND VERDICT   prints "result|LABEL|VALUE|BOUND|VERDICT"
# BENCH_SMOKE=1 asks for tiny counts and no bounds (verdict "smoke"): it shows that a
# script still starts and produces its figures.
smoke=${BENCH_SMOKE:-0}
# On tmpfs when there is one: a saved file's fsync then costs no disk latency, which is
# not what these figures are about.
bench_work=$(mktemp -d -p "$([ -d /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")")
export VOLTARO_PROFILE=$bench_work/profile.ini XDG_RUNTIME_DIR=$bench_work
sim_pid=
stop_sim() {
    if [ -n "$sim_pid" ]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
        sim_pid=
    fi
}
trap 'stop_sim; rm -rf "$bench_work"' EXIT
# start_sim ARGS...: voltaro-sim in the background; its first output lines (transports)
# go to $bench_work/sim.out, its log to $bench_work/sim.log.
start_sim() {
    stop_sim
    : >"$bench_work/sim.out"
    "$build/bin/voltaro-sim" "$@" >"$bench_work/sim.out" 2>"$bench_work/sim.log" &
    sim_pid=$!
    for _ in $(seq 100); do
        [ -s "$bench_work/sim.out" ] && return
        sleep 0.05
    done
    echo "the simulator did not start" >&2
    exit 1
}
sim_tcp_port() { sed -n 's/^tcp 127.0.0.1:\([0-9]*\).*/\1/p' "$bench_work/sim.out"; }
sim_pty() { awk '/^pty/ {print $3}' "$bench_work/sim.out"; }
median() { sort -g | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
# field NAME LINE: the value of NAME=VALUE in LINE
field() { sed -n "s/.*\\b$1=\\([0-9.]*\\).*/\\1/p" <<<"$2"; }
# verdict VALUE OP BOUND (OP: < or <=)
verdict() {
    [ "$smoke" = 1 ] && { echo smoke; return; }
    awk -v v="$1" -v b="$3" -v op="$2" 'BEGIN {
        ok = (op == "<") ? (v < b) : (v <= b); print ok ? "PASS" : "FAIL" }'
}
result() { echo "result|$1|$2|$3|$4"; }
load_line() { echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"; }
