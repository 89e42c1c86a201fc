# Sourced by end-to-end scripts: no display and the C locale unless a check asks for
# another, a scratch folder $work removed at exit, failure counting, and running a command
# with its output kept.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM LC_ALL LC_MESSAGES
export LANG=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
work=$(realpath "$work")
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# run EXPECTED_STATUS COMMAND...: runs it, keeps standard output and error in $out and $err.
run() {
    local expected=$1; shift
    "$@" >"$work/out" 2>"$work/err"
    local status=$?
    out=$(cat "$work/out") err=$(cat "$work/err")
    [ "$status" = "$expected" ] || fail "$* gave $status, expected $expected: $out $err"
}
expect_in() { case "$2" in *"$1"*) ;; *) fail "expected \"$1\" in: $2" ;; esac; }
expect_equal() { [ "$1" = "$2" ] || fail "expected: $1"$'\n'"got: $2"; }
# finish WHAT: says so when every check passed; exits 1 when any failed.
finish() {
    [ "$failures" = 0 ] && echo "$1: all checks passed"
    exit $((failures > 0))
}
