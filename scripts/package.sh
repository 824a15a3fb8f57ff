#!/usr/bin/env bash
# Builds the Debian packages kestrins_<version>_<arch>.deb and libhivekit-dev_<version>_<arch>.deb
# from a release build, into build/package/. KESTRINS_MAINTAINER ("Name <address>") and
# KESTRINS_HOMEPAGE in the environment name who publishes them; unset, the packages carry a
# contact that reaches nobody and no homepage.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# Passed every time, so a value from an earlier build never lingers in the cache.
cmake --preset package -DKESTRINS_MAINTAINER="${KESTRINS_MAINTAINER-}" \
  -DKESTRINS_HOMEPAGE="${KESTRINS_HOMEPAGE-}" >/dev/null
cmake --build --preset package -j "$(nproc)"
cpack --preset package
