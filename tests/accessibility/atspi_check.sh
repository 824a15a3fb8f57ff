#!/usr/bin/env bash
# Runs atspi_check.py on a built program in a D-Bus session of its own.
# Usage: tests/accessibility/atspi_check.sh build/<preset>/bin/kestrins [--show]
set -euo pipefail
program=$(realpath "${1:?usage: atspi_check.sh build/<preset>/bin/kestrins [--show]}")
shift
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"
# Scratch settings, record and runtime folders; a fixed game at no pace. The offscreen
# platform that the unit tests use has no AT-SPI bridge: the program runs on X here.
export XDG_RUNTIME_DIR=$scratch/runtime XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 KESTRINS_SEED=7 KESTRINS_PACE=0
# The check reads the Japanese texts, whatever the machine's locale.
export LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY
# /usr/bin/python3: pyatspi is a Debian package, not in any other Python on the PATH.
timeout --kill-after=10 120 dbus-run-session -- /usr/bin/python3 "$here/atspi_check.py" "$program" "$@"
