#!/usr/bin/env bash
# Starts the desktop program on its simulated device under a virtual X server, lets it
# upload and monitor, and checks that it saved pictures of its main window and of the meter
# monitor, in English and in Japanese: screenshot_test.sh VOLTARO PNG
# (PNG and PNG with "-monitor" before ".png"; the Japanese pair with "-ja" after the name).
# The English run on the meter also saves its setting dialogs and the report ("-display",
# "-alarm", "-modbus", "-report" after the name).
# The same again on a 16-input ZC device, whose monitor is the power management monitor
# ("-zc" after the name).
set -euo pipefail
program=$1
picture=$2
japanese=${picture%.png}-ja.png
zc=${picture%.png}-zc.png
zc_japanese=${picture%.png}-zc-ja.png
mkdir -p "$(dirname "$picture")"
for file in "$picture" "$japanese" "$zc" "$zc_japanese"; do rm -f "${file%.png}"*.png; done
xvfb-run -a "$program" --simulate --screenshot "$picture" --startup-time
LANG=ja_JP.UTF-8 LC_ALL= LC_MESSAGES= xvfb-run -a "$program" --simulate --screenshot "$japanese"
xvfb-run -a "$program" --simulate=64 --screenshot "$zc"
LANG=ja_JP.UTF-8 LC_ALL= LC_MESSAGES= xvfb-run -a "$program" --simulate=64 --screenshot "$zc_japanese"
for file in "$picture" "$japanese" "$zc" "$zc_japanese"; do
    test -s "$file"
    test -s "${file%.png}-monitor.png"
    echo "saved $file and ${file%.png}-monitor.png"
done
for name in display alarm modbus report; do
    test -s "${picture%.png}-$name.png"
    echo "saved ${picture%.png}-$name.png"
done
