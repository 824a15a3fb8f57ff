#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, then builds everything under AddressSanitizer +
# UndefinedBehaviorSanitizer and runs every test there, builds and checks the release packages
# (whose program the screen-reader check then reads), and runs the proof under load and faults.
# Warnings are errors in every build. One run of the suite, under the sanitizers, keeps this
# within a quarter of an hour on two cores; the dev preset is for day-to-day work.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
echo "== asan =="
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"
bash scripts/package_check.sh  # the Debian packages: lintian, validators, extract-and-run, Hivekit consumers
bash tests/accessibility/atspi_check.sh build/package/bin/kestrins  # what a screen reader reads, over AT-SPI
bash scripts/proof.sh  # the match simulation under the sanitizers and short fuzz runs
