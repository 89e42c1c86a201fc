# Sourced by the e2e scripts once $cli is set: a work directory with its own profile and
# runtime directory (removed at exit, after a simulator in $sim_pid is stopped), failure
# counting, and voltaro-cli runs.
work=$(mktemp -d)
export VOLTARO_PROFILE=$work/profile.ini XDG_RUNTIME_DIR=$work
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
