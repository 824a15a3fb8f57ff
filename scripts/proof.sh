#!/usr/bin/env bash
# Proof under load and faults, run by scripts/test.sh after the asan build: short match
# simulations (one with a player who types ahead) under AddressSanitizer +
# UndefinedBehaviorSanitizer, then every fuzz target for a short fixed time over its committed
# corpus (clang build). The store's I/O failure points are a
# CTest test (store_io_failure_test) and run with the suites.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen

echo "== match simulation (asan) =="
# The offscreen platform's note on every window adds nothing.
build/asan/bin/match_sim --first-seed 1 --seeds 3 --games 100 2>&1 | grep -v propagateSizeHints
# The player who types ahead: presses during pauses, several in one wait, a held raise button.
build/asan/bin/match_sim --first-seed 1 --seeds 2 --games 50 --type-ahead 1 2>&1 |
  grep -v propagateSizeHints

echo "== fuzz targets =="
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"
seconds=${KESTRINS_FUZZ_SECONDS:-20}
for target in hivekit_model store_file settings; do
  work=$(mktemp -d)
  log="$work/log"
  if ! build/fuzz/bin/${target}_fuzz -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$work/" "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
    cat "$log"
    echo "${target}_fuzz found a fault; the input is in $work" >&2
    exit 1
  fi
  echo "$target: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$log")"
  rm -rf "$work"
done
