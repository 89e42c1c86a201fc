#!/usr/bin/env bash
# End to end: voltaro-cli against a voltaro-sim process where files, output, signals and a
# second program could hurt data or leave the device unlocked.
#   safety_e2e.sh CLI SIM
set -u
cli=$(realpath "$1") sim=$(realpath "$2")
. "$(dirname "$0")/e2e_support.sh"

cd "$work"

# The simulator refuses shares that are no number from 0 to 1.
for share in nan inf -0.5; do
    timeout 5 "$sim" --drop "$share" --tcp 0 >/dev/null 2>&1
    [ $? = 2 ] || fail "voltaro-sim --drop $share was not refused"
done

start_sim --row 40
# upload and identify name the model alike.
run 0 identify "${link[@]}"
model=$(sed -n 's/^model: //p' <<<"$out")
run 0 upload a.cfg "${link[@]}"
expect_in "($model)" "$out"
cp a.cfg b.cfg

# Output that cannot be written fails the command.
for args in "report a.cfg" "identify ${link[*]}" "compare a.cfg b.cfg"; do
    # shellcheck disable=SC2086
    timeout 20 "$cli" $args >/dev/full 2>"$work/err"
    rc=$?
    [ "$rc" = 1 ] || fail "voltaro-cli $args >/dev/full gave $rc"
    expect_in "The output could not be written" "$(cat "$work/err")"
done

# Saves go to regular files only, checked before the device is asked (a dead port
# shows which came first); reads of a FIFO or a pipe do not hang.
mkfifo fifo
dead=(--tcp 127.0.0.1:1)
run 1 upload fifo "${dead[@]}"
expect_in "is not a regular file" "$err"
run 1 report a.cfg --csv fifo "${dead[@]}" --device
expect_in "is not a regular file" "$err"
run 1 compare fifo a.cfg
expect_in "is not a regular file" "$err"
run 1 report fifo
expect_in "is not a regular file" "$err"
began=$SECONDS
timeout 20 "$cli" compare /dev/fd/3 a.cfg 3< <(exec sleep 5 2>/dev/null) >/dev/null 2>&1
rc=$?
[ "$rc" = 1 ] && [ $((SECONDS - began)) -lt 4 ] || fail "compare of a pipe gave $rc after $((SECONDS - began)) s"
if [ "$(id -u)" = 0 ]; then
    mknod null c 1 3
    run 1 upload null "${link[@]}"
    expect_in "is not a regular file" "$err"
    [ -c null ] || fail "upload replaced a device node"
fi

# Messages: one line per line on a terminal, unknown options named.
run 2 download a.cfg --bogus "${link[@]}"
expect_in "unknown option --bogus" "$err"
case "$err" in *$'\r'*) fail "carriage return in: $err" ;; esac
sed -i 's/^Model=.*/Model=7777\r/' b.cfg
run 1 download b.cfg "${link[@]}"
case "$err" in *$'\r'*) fail "carriage return in: $err" ;; esac
stop_sim

# A relock failure is told; SIGTERM and SIGHUP relock like SIGINT.
start_sim --row 40 --delay-ms 40 --passcode 4321
for signal in TERM HUP; do
    "$cli" download a.cfg --no-backup --passcode 4321 "${link[@]}" >"$work/out" 2>"$work/err" &
    cli_pid=$!
    sleep 1
    kill -"$signal" "$cli_pid"
    wait "$cli_pid"
    rc=$?
    [ "$rc" = 1 ] || fail "download ended by SIG$signal gave $rc: $(cat "$work/err")"
    expect_in "cancelled" "$(cat "$work/err")"
    run 0 read 4944 1 "${link[@]}"
    expect_in $'4944\t0\t' "$out"
done

# Two programs downloading to one protected device: the second waits for the first, both
# complete, and the device is locked at the end.
"$cli" download a.cfg --passcode 4321 "${link[@]}" >"$work/out1" 2>"$work/err1" &
first=$!
sleep 0.3
"$cli" download a.cfg --passcode 4321 "${link[@]}" >"$work/out2" 2>"$work/err2" &
second=$!
wait "$first"; rc1=$?
wait "$second"; rc2=$?
[ "$rc1" = 0 ] || fail "first download gave $rc1: $(cat "$work/err1")"
[ "$rc2" = 0 ] || fail "second download gave $rc2: $(cat "$work/err2")"
expect_in "waiting until it has finished" "$(cat "$work/err1" "$work/err2")"
run 0 read 4944 1 "${link[@]}"
expect_in $'4944\t0\t' "$out"
stop_sim

[ "$failures" = 0 ] && echo "e2e safety: all checks passed"
exit $((failures > 0))
