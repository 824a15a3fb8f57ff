#!/usr/bin/env bash
# Two Hivekit writers at once on a loaded machine: starts CPU-bound processes beside them, runs
# the two-writers check many times and the contention benchmark, and prints the figures.
# Usage: scripts/store_under_load.sh [build folder] [burners] [runs]
# (defaults: build/release, 8, 50). Takes a few minutes and loads every core while it runs.
# The benchmark's longest call is the longest time a writer waited for the other, plus its own
# work.
set -euo pipefail

build=${1:-build/release}
burners=${2:-8}
runs=${3:-50}
bin="$build/bin"
[ -x "$bin/hivekit_store_file_test" ] || { echo "missing $bin/hivekit_store_file_test: build it first" >&2; exit 2; }

pids=()
stop_burners() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap stop_burners EXIT

for _ in $(seq "$burners"); do
  sh -c 'while :; do :; done' &
  pids+=($!)
done
# Let the load average climb towards the number of burners.
sleep 20
echo "cores: $(nproc), burners: $burners, load: $(cut -d' ' -f1-3 /proc/loadavg)"

passed=0
for run in $(seq "$runs"); do
  if output=$("$bin/hivekit_store_file_test" --gtest_filter='*TwoWritersAtOnce*' 2>&1); then
    passed=$((passed + 1))
  else
    echo "run $run failed:"
    grep -A3 'Failure' <<<"$output" | head -12
  fi
done
echo "two-writers check: $passed of $runs runs passed (load: $(cut -d' ' -f1-3 /proc/loadavg))"

# Builds without benchmarks (the sanitizer preset) run the check alone.
if [ -x "$bin/store_contention_bench" ]; then
  "$bin/store_contention_bench" --benchmark_counters_tabular=true
fi
echo "load at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
[ "$passed" -eq "$runs" ]
