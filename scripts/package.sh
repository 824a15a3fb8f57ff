#!/usr/bin/env bash
# Builds the Debian packages kestrins_<version>_<arch>.deb and libhivekit-dev_<version>_<arch>.deb
# from a release build, into build/package/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset package >/dev/null
cmake --build --preset package -j "$(nproc)"
cpack --preset package
