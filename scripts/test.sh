#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, then builds and runs every test twice:
# a normal build and one under AddressSanitizer + UndefinedBehaviorSanitizer. Warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
for preset in dev asan; do
  echo "== $preset =="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
bash tests/accessibility/atspi_check.sh build/dev/bin/kestrins  # what a screen reader reads, over AT-SPI
bash scripts/package_check.sh  # the Debian packages: lintian, validators, extract-and-run, Hivekit consumers
bash scripts/proof.sh  # the match simulation under the sanitizers and short fuzz runs
