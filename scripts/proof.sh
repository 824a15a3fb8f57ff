#!/usr/bin/env bash
# Proof under load and faults, run by scripts/test.sh after the asan build: short match
# simulations (one with a player who types ahead) under AddressSanitizer +
# UndefinedBehaviorSanitizer, then every fuzz target for a short fixed run over its committed
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
# A fixed number of inputs from a fixed seed: the same work on every machine, a few seconds each.
declare -A runs=([hivekit_model]=2000 [store_file]=2000 [settings]=400)
for target in hivekit_model store_file settings; do
  work=$(mktemp -d)
  log="$work/log"
  if ! build/fuzz/bin/${target}_fuzz -seed=1 -runs="${runs[$target]}" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$work/" "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
    cat "$log"
    echo "${target}_fuzz found a fault; the input is in $work" >&2
    exit 1
  fi
  echo "$target: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$log")"
  rm -rf "$work"
done
