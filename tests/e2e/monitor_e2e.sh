#!/usr/bin/env bash
# End to end: voltaro-cli monitor against a voltaro-sim process.
#   monitor_e2e.sh CLI SIM tcp|pty
# JSON Lines whose values match what the device holds, a dead link, the CSV log of a short
# run read back by python3's csv module, Ctrl-C and SIGTERM during a run, and (over TCP)
# passes that recover when the device comes back; a ZC device's page and detail.
set -u
cli=$(realpath "$1") sim=$(realpath "$2") transport=$3
. "$(dirname "$0")/e2e_support.sh"
cli_pid=
cleanup() {
    [ -n "$cli_pid" ] && kill "$cli_pid" 2>/dev/null && wait "$cli_pid" 2>/dev/null
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
    rm -rf "$work"
}

# A KT2 with two analogue outputs; a serial number and a tag that JSON must escape.
serial=E2E00042
tag='Feeder "7" \ A'
start_monitor_sim() { start_sim --row 7 --serial "$serial" --tag "$tag"; }
# run EXPECTED_RC ARGS...: runs voltaro-cli, keeps stdout/stderr in $work/out and $work/err.
run() {
    local expected=$1
    shift
    "$cli" "$@" >"$work/out" 2>"$work/err"
    local rc=$?
    [ "$rc" = "$expected" ] || fail "voltaro-cli $* gave $rc, expected $expected: $(cat "$work/err")"
}
# check_json FILE PASSES ARGS...: python3 checks of the JSON Lines in FILE (see below).
check_json() {
    python3 - "$@" <<'EOF' || fail "JSON Lines of $1"
import json, sys
path, want, serial, tag, low, high = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4], \
    float(sys.argv[5]), float(sys.argv[6])
lines = open(path, encoding="utf-8").read().splitlines()
passes = [json.loads(line) for line in lines]
ok = [p for p in passes if p["ok"]]
assert want == "any" or len(passes) == int(want), f"{len(passes)} passes, expected {want}"
assert ok, "no good pass"
times = [p["time"] for p in passes]
# Passes at once (--interval 0) may start within the same millisecond.
assert times == sorted(times) and (want == "any" or len(set(times)) == len(times)), times
for p in passes:
    assert len(p["time"]) == 24 and p["time"][10] == "T" and p["time"].endswith("Z"), p["time"]
    assert (p["error"] is None) == p["ok"], p
for p in ok:
    d = p["device"]
    assert (d["model"], d["serial"], d["tag"]) == ("KT2", serial, tag), d
    values = {v["index"]: v for v in p["values"]}
    assert len(values) == len(p["values"]) > 150, len(p["values"])
    # The frequency lies between what raw reads of its register gave before and after.
    frequency = float(values[6]["text"])
    assert low - 0.015 <= frequency <= high + 0.015, (frequency, low, high)
    assert values[6]["name"] == "Frequency", values[6]
    # Voltage 1-N near the rated 110 V; two analogue outputs, in mA within 4 .. 20.
    assert abs(float(values[15]["text"]) - 110) < 3, values[15]
    for index in (1707, 1708):
        assert 4 <= float(values[index]["text"]) <= 20, values[index]
    assert 1709 not in values
# Energies only grow from one good pass to the next.
for a, b in zip(ok, ok[1:]):
    ea = {v["index"]: v["text"] for v in a["values"] if 33 <= v["index"] < 61}
    eb = {v["index"]: v["text"] for v in b["values"] if 33 <= v["index"] < 61}
    for index, text in ea.items():
        try:
            assert float(eb[index]) >= float(text), (index, text, eb[index])
        except ValueError:
            pass  # an operating time as hours and minutes
EOF
}
# start_cli OUT ARGS...: starts voltaro-cli in the background, standard output into OUT.
# OUT is emptied first: lines left from an earlier run must not count as this one's (a
# signal sent before the background shell has become voltaro-cli would end that shell).
start_cli() {
    local out=$1
    shift
    [ "$out" = /dev/null ] || : >"$out"
    "$cli" "$@" >"$out" 2>"$work/err" &
    cli_pid=$!
}
# wait_lines FILE N: waits up to 10 s for FILE to hold N lines.
wait_lines() {
    for _ in $(seq 100); do
        [ "$(wc -l 2>/dev/null <"$1" || echo 0)" -ge "$2" ] && return
        sleep 0.1
    done
}
# stop_cli SIG WHAT: sends SIG to the started voltaro-cli, which must end with exit 0.
stop_cli() {
    kill -"$1" "$cli_pid"
    wait "$cli_pid"
    local rc=$?
    cli_pid=
    [ "$rc" = 0 ] || fail "SIG$1 during $2 gave $rc: $(cat "$work/err")"
}
# Frequency register 12 (0.01 Hz, low word first) as Hz.
frequency() {
    "$cli" read 12 1 "${link[@]}" 2>/dev/null | awk '{printf "%.2f", $2 / 100}'
}

cd "$work"
start_monitor_sim

# A few passes as JSON Lines.
f1=$(frequency)
run 0 monitor --count 3 --interval 0.2 --json "${link[@]}"
f2=$(frequency)
[ -s out ] || fail "no JSON output: $(cat err)"
low=$(printf '%s\n%s\n' "$f1" "$f2" | sort -n | head -1)
high=$(printf '%s\n%s\n' "$f1" "$f2" | sort -n | tail -1)
check_json out 3 "$serial" "$tag" "$low" "$high"
[ -s err ] && fail "standard error of good passes: $(cat err)"

# A short CSV log: the header once, a row per pass, CR LF, read back by the csv module.
run 0 monitor --count 3 --interval 0.1 --csv log.csv "${link[@]}"
run 0 monitor --once --csv log.csv "${link[@]}"
[ -s out ] && fail "the CSV run wrote to standard output: $(cat out)"
python3 - log.csv <<'EOF' || fail "CSV log"
import csv, sys
raw = open(sys.argv[1], "rb").read()
assert raw.endswith(b"\r\n") and raw.count(b"\n") == raw.count(b"\r\n") == 5, raw[-80:]
rows = list(csv.reader(open(sys.argv[1], newline="", encoding="utf-8")))
header = rows[0]
assert header[0] == "time" and "Frequency" in header and "Current (sum)" in header, header
assert len(rows) == 5, len(rows)
times = [r[0] for r in rows[1:]]
assert times == sorted(times) and len(set(times)) == 4, times
for r in rows[1:]:
    assert len(r) == len(header), (len(r), len(header))
    frequency = float(r[header.index("Frequency")])
    assert 49.9 < frequency < 50.1, frequency
    for cell in r[1:]:
        float(cell)  # plain numbers with a dot
EOF

# Ctrl-C and SIGTERM in the middle of an open-ended run: exit 0, nothing cut off.
for sig in INT TERM; do
    rm -f run.csv
    start_cli /dev/null monitor --interval 0.1 --csv run.csv "${link[@]}"
    wait_lines run.csv 4
    stop_cli "$sig" "a CSV run"
    python3 - run.csv <<'EOF' || fail "CSV log after SIG$sig"
import csv, sys
raw = open(sys.argv[1], "rb").read()
assert raw.endswith(b"\r\n"), raw[-80:]
rows = list(csv.reader(open(sys.argv[1], newline="", encoding="utf-8")))
assert len(rows) >= 4 and all(len(r) == len(rows[0]) for r in rows), [len(r) for r in rows]
EOF
    start_cli json.out monitor --interval 0 --json "${link[@]}"
    wait_lines json.out 2
    stop_cli "$sig" "a JSON run"
    check_json json.out any "$serial" "$tag" 49.9 50.1
done

# The device goes away during a run: failed passes are reported and, over TCP, the passes
# succeed again once it is back on the same port.
start_cli json.out monitor --interval 0.1 --json "${link[@]}"
wait_lines json.out 2
stop_sim
sleep 1
if [ "$transport" = tcp ]; then
    start_monitor_sim
    wait_lines json.out $(($(wc -l <json.out) + 2))
fi
stop_cli INT "a run with failed passes"
python3 - json.out "$transport" <<'EOF' || fail "passes across the lost link: $(cat json.out)"
import json, sys
oks = [json.loads(line)["ok"] for line in open(sys.argv[1], encoding="utf-8")]
first_failure = oks.index(False)
assert all(oks[:first_failure]) and first_failure >= 2, oks
if sys.argv[2] == "tcp":
    assert oks[-1] and oks[-2], oks  # back again
else:
    assert not any(oks[first_failure:]), oks
EOF

# A dead link: the pass fails with the reason, --once exits 1, the log file is not made.
[ -n "$sim_pid" ] && stop_sim
run 1 monitor --once --json "${link[@]}"
python3 - out <<'EOF' || fail "failed pass as JSON: $(cat out)"
import json, sys
lines = open(sys.argv[1], encoding="utf-8").read().splitlines()
assert len(lines) == 1, lines
p = json.loads(lines[0])
assert p["ok"] is False and p["error"] and p["device"] is None and p["values"] == [], p
EOF
run 1 monitor --once --csv dead.csv "${link[@]}"
case "$(cat err)" in
    "voltaro-cli monitor: The pass at "*" failed: "?*) ;;
    *) fail "no clear error for a dead link: $(cat err)" ;;
esac
[ -e dead.csv ] && fail "a log file was made without a good pass"

# A 16-input ZC device: the extension module's page with every hour filled, and one
# channel's detail as text.
start_sim --row 64
run 0 monitor --once --json --module extension "${link[@]}"
python3 - "$work/out" <<'EOF' || fail "JSON of a ZC page: $(cat "$work/out")"
import json, sys
p = json.loads(open(sys.argv[1], encoding="utf-8").read())
assert p["ok"] and p["module"] == "extension" and p["device"]["model"] == "ZC", p
hours = [float(v["text"]) for v in p["values"]
         if v["name"].startswith("16ch ") and " to " in v["name"]]
assert len(hours) == 24 and sum(h > 0 for h in hours) >= 23, hours
EOF
run 0 monitor --once --detail 16 "${link[@]}"
grep -q "^16ch Instantaneous: Trend" "$work/out" || fail "no detail of 16ch: $(cat "$work/out")"
stop_sim

[ "$failures" = 0 ] && echo "e2e monitor $transport: all checks passed"
exit $((failures > 0))
