# Sourced by the e2e scripts once $cli is set: a work directory with its own profile and
# runtime and data directory (removed at exit, after a simulator in $sim_pid is stopped), failure
# counting, and voltaro-cli runs.
work=$(mktemp -d)
export VOLTARO_PROFILE=$work/profile.ini XDG_RUNTIME_DIR=$work XDG_DATA_HOME=$work/data
sim_pid=
cleanup() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# run EXPECTED_RC ARGS...: runs voltaro-cli (at most 60 s, no input), keeps its stdout and
# stderr in $out and $err.
run() {
    local expected=$1; shift
    timeout 60 "$cli" "$@" >"$work/out" 2>"$work/err" </dev/null
    local rc=$?
    out=$(cat "$work/out") err=$(cat "$work/err")
    [ "$rc" = "$expected" ] || fail "voltaro-cli $* gave $rc, expected $expected: $out $err"
}
expect_in() { case "$2" in *"$1"*) ;; *) fail "expected \"$1\" in: $2" ;; esac; }
# start_sim ARGS...: a voltaro-sim with ARGS on TCP port $port (0 or unset: a free one) or,
# when $transport is pty, on a pseudo-terminal; sets sim_pid, port and link (the
# connection options of voltaro-cli).
start_sim() {
    : >"$work/sim.out"
    if [ "${transport:-tcp}" = tcp ]; then
        "$sim" --turnaround-ms 0 "$@" --tcp "${port:-0}" >"$work/sim.out" 2>"$work/sim.err" &
    else
        "$sim" --turnaround-ms 0 "$@" --pty e2e --baud 38400 --parity N \
            >"$work/sim.out" 2>"$work/sim.err" &
    fi
    sim_pid=$!
    for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
    link=()
    if [ "${transport:-tcp}" = tcp ]; then
        port=$(sed -n 's/^tcp 127.0.0.1:\([0-9]*\).*/\1/p' "$work/sim.out")
        [ -n "$port" ] && link=(--tcp "127.0.0.1:$port")
    else
        local tty
        tty=$(awk '/^pty/ {print $3}' "$work/sim.out")
        [ -n "$tty" ] && link=(--serial "$tty" --baud 38400 --parity none --address 1)
    fi
    [ ${#link[@]} -gt 0 ] || { echo "simulator did not start: $(cat "$work/sim.err")"; exit 1; }
}
# The simulator ends cleanly on SIGTERM: any other status (a sanitizer report, for one)
# is a failure.
stop_sim() {
    kill "$sim_pid" 2>/dev/null
    wait "$sim_pid" 2>/dev/null
    local status=$?
    sim_pid=
    [ "$status" = 0 ] || fail "simulator ended with status $status: $(cat "$work/sim.err")"
}
