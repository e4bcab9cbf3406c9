#!/usr/bin/env bash
# Builds the Debian package in build-package/ (the game in /usr/games, its data in
# /usr/share/mirovalk) and checks it with lintian, its desktop entry and its AppStream metainfo.
# Install it with
#   sudo apt install ./build-package/mirovalk_*.deb
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out="${MIROVALK_PACKAGE_DIR:-$root/build-package}"
MIROVALK_BUILD_DIR="$out" bash "$root/scripts/setup.sh" -DCMAKE_BUILD_TYPE=Release -DMIROVALK_TESTS=OFF \
  -DMIROVALK_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr -DMIROVALK_BINDIR=games \
  "-DCMAKE_CXX_FLAGS=-D_FORTIFY_SOURCE=2 -fstack-protector-strong" "-DCMAKE_EXE_LINKER_FLAGS=-Wl,-z,relro,-z,now"
(cd "$out" && cpack)
lintian --fail-on error "$out"/mirovalk_*.deb
desktop-file-validate "$root"/data/desktop/*.desktop
appstreamcli validate --no-net "$root"/data/desktop/*.metainfo.xml
