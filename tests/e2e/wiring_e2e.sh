#!/usr/bin/env bash
# End to end: voltaro-cli wiring-check against voltaro-sim processes wired right and with
# a reversed CT: the report, its JSON form and the exit codes.
#   wiring_e2e.sh CLI SIM
set -u
cli=$(realpath "$1") sim=$(realpath "$2")
. "$(dirname "$0")/e2e_support.sh"

# A KT6 with the 3-phase 4-wire hardware, as it comes (3-phase 4-wire, 3 CT).
start_sim --row 19
run 0 wiring-check "${link[@]}"
expect_in "Phase sequence: L1-L2-L3" "$out"
expect_in "Wiring looks right" "$out"
stop_sim

start_sim --row 19 --wiring reversed-ct=2
run 4 wiring-check "${link[@]}"
expect_in "Current I2 is reversed" "$out"
expect_in "Evidence: I2 is" "$out"
expect_in "Hint: Turn the CT of phase 2 round" "$out"
case "$out" in *"Wiring looks right"*) fail "a finding and \"Wiring looks right\": $out" ;; esac
run 4 wiring-check --json "${link[@]}"
python3 - "$out" <<'PY' || fail "JSON report: $out"
import json, sys
report = json.loads(sys.argv[1])
assert report["available"] and report["currentsJudged"], report
assert report["sequence"] == "L1-L2-L3", report
kinds = [(f["kind"], f["phase"]) for f in report["findings"]]
assert kinds[0] == ("current-reversed", 2), kinds
assert all(f["title"] and f["evidence"] and f["hint"] for f in report["findings"]), report
PY
stop_sim

# No device: a failure; a bad option: a usage error.
run 1 wiring-check --tcp 127.0.0.1:1
run 2 wiring-check --channel 3 --tcp 127.0.0.1:1
run 2 wiring-check extra --tcp 127.0.0.1:1
run 0 wiring-check --help
expect_in "Exit status" "$out"

[ "$failures" = 0 ] || exit 1
echo "wiring-check e2e: all passed"
