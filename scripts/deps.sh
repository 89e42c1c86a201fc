#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
#   scripts/deps.sh            what the build and scripts/run need
#   scripts/deps.sh package    that, and what building and checking the Debian package
#                              needs beyond it (scripts/package, scripts/test)
#   scripts/deps.sh bench      that, and what bench/ needs beyond it
# g++ brings the sanitizer run-time libraries (AddressSanitizer, UndefinedBehaviorSanitizer,
# ThreadSanitizer) that scripts/test builds with; clang-format is the layout check.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev
          qt6-base-dev xvfb xauth mbpoll fonts-ipafont-gothic clang-format)
packages+=(python3-minimal)  # runs the include-rule check (scripts/check_includes.py)
# Qt's own Japanese texts (file dialogs, standard buttons) for the Japanese user interface.
packages+=(qt6-translations-l10n)
# The package's contents made by the build: icons rendered from their SVG (rsvg-convert);
# cpack's dependency list (dpkg-shlibdeps, and file to find the programs).
packages+=(librsvg2-bin dpkg-dev file)
# Qt Charts draws the monitors' trend charts; its CMake package needs Qt's OpenGL one, which
# qt6-charts-dev does not pull in by itself.
packages+=(qt6-charts-dev libqt6opengl6-dev)
for group in "$@"; do
    case $group in
        # lintian checks the package; the package test reads its manual pages with man.
        package) packages+=(lintian man-db) ;;
        # The comparison bench's reference client (bench/ only; the product never links it).
        bench) packages+=(libmodbus-dev) ;;
        *) echo "deps.sh: unknown group \"$group\"" >&2; exit 2 ;;
    esac
done
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}" >&2
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
