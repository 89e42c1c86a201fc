#!/usr/bin/env bash
# Starts the desktop program on its simulated device under a virtual X server, lets it
# upload, and checks that it saved a picture of its main window: screenshot_test.sh VOLTARO PNG
set -euo pipefail
program=$1
picture=$2
mkdir -p "$(dirname "$picture")"
rm -f "$picture"
xvfb-run -a "$program" --simulate --screenshot "$picture" --startup-time
test -s "$picture"
echo "saved $picture"
