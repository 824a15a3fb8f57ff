#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the release program and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset release -DKESTRINS_TESTS=OFF -DKESTRINS_BENCH=OFF -DKESTRINS_TOOLS=OFF >/dev/null
cmake --build --preset release --target kestrins
exec build/release/bin/kestrins "$@"
