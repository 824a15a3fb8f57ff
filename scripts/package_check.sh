#!/usr/bin/env bash
# Builds the Debian packages and checks them: lintian, the desktop entry and metainfo validators,
# the addresses they name, the extracted program (version, paths, a start under Xvfb that writes
# its store on exit), and two programs built against the extracted Hivekit development files
# (pkg-config, CMake).
set -euo pipefail
cd "$(dirname "$0")/.."
echo "== package build =="
if ! log=$(bash scripts/package.sh 2>&1); then
  echo "$log"
  exit 1
fi

version=$(sed -n 's/^project(Kestrins VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
arch=$(dpkg --print-architecture)
game=build/package/kestrins_${version}_${arch}.deb
dev=build/package/libhivekit-dev_${version}_${arch}.deb
app_id=org.kestrins.Kestrins
scratch=$(mktemp -d /tmp/kestrins-package.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "package check: $*" >&2; exit 1; }

echo "== lintian =="
# Any error or warning fails, but two that we accept:
# - maintainer-script-empty: CPack writes postinst/postrm calling ldconfig for a library under
#   /usr/lib unless the package brings its own; ours are empty, dpkg's ldconfig trigger does it.
# - package-name-doesnt-match-sonames: libhivekit.so.1 ships inside the game's package; it has
#   no users but the game and programs built with libhivekit-dev, which depends on the game.
lintian --fail-on error,warning \
  --suppress-tags maintainer-script-empty,package-name-doesnt-match-sonames "$game" "$dev"

root=$scratch/root
dpkg-deb -x "$game" "$root"
dpkg-deb -x "$dev" "$root"
libdir=$root/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)

echo "== validators =="
desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"
appstreamcli validate-tree --no-net "$root"  # the metainfo together with its desktop entry
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
  fail "the metainfo has no release $version"
zcat "$root/usr/share/doc/kestrins/changelog.gz" | head -1 | grep -q "^kestrins ($version)" ||
  fail "the changelog does not start with $version"

echo "== addresses =="
# The project holds no address: unless the builder gave them, the packages name only the
# reserved placeholder and no homepage, and the metainfo names no address at all.
maintainer=${KESTRINS_MAINTAINER:-Kestrins developers <maintainers@kestrins.invalid>}
for deb in "$game" "$dev"; do
  [ "$(dpkg-deb -f "$deb" Maintainer)" = "$maintainer" ] || fail "$deb: another maintainer"
  [ "$(dpkg-deb -f "$deb" Homepage)" = "${KESTRINS_HOMEPAGE-}" ] || fail "$deb: another homepage"
done
zcat "$root/usr/share/doc/kestrins/changelog.gz" | grep -qF -- "-- $maintainer  " ||
  fail "the changelog is signed by another maintainer"
! grep -q "://" "$root/usr/share/metainfo/$app_id.metainfo.xml" || fail "the metainfo names an address"

echo "== the extracted program =="
program=$root/usr/games/kestrins
[ "$("$program" --version)" = "kestrins $version" ] || fail "--version does not say $version"
paths=$("$program" --paths) || fail "--paths: $paths"
grep -qx "settings library: $libdir/libhivekit.so.1" <<<"$paths" || fail "library: $paths"
grep -qx "coins picture: $root/usr/share/kestrins/Coins.bmp" <<<"$paths" || fail "coins: $paths"

# Without a window manager the menu is the way out: Alt+G, 終了 (X), then Yes in the box "確認"
# to keep the money (in Japanese whatever the machine's locale). The keys are sent again until the box is up: a busy machine may drop them.
config=$scratch/config
mkdir -p "$config"
XDG_CONFIG_HOME=$config KESTRINS_PACE=0 QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 \
  xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
    timeout 90 "$1" & pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --class kestrins | head -1)
    for attempt in 1 2 3 4 5; do
      xdotool windowfocus --sync "$window" key alt+g sleep 0.5 key x
      box=$(timeout 5 xdotool search --sync --onlyvisible --name "^確認$") && break
    done
    xdotool windowfocus --sync "$box" key Return
    wait "$pid"' _ "$program" ||
  fail "the program did not come up and close"
[ -s "$config/hivekit/current_user.db" ] || fail "no store written on exit"
echo "started, closed and wrote $config/hivekit/current_user.db"

echo "== Hivekit consumers =="
export XDG_CONFIG_HOME=$scratch/consumer-config
read -ra flags <<<"$(PKG_CONFIG_PATH=$libdir/pkgconfig pkg-config --cflags --libs hivekit)"
cc -o "$scratch/consumer-pc" tests/package/consumer/hivekit_consumer.c "${flags[@]}"
LD_LIBRARY_PATH=$libdir "$scratch/consumer-pc"
cmake -S tests/package/consumer -B "$scratch/consumer-cmake" -G Ninja \
  -DCMAKE_PREFIX_PATH="$root/usr" >/dev/null
cmake --build "$scratch/consumer-cmake" >/dev/null
"$scratch/consumer-cmake/hivekit_consumer"
echo "package check passed"
