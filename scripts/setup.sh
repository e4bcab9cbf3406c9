#!/usr/bin/env bash
# Installs the Debian packages the game needs (only those missing), then configures and builds it
# in ./build. Sourced by play.sh and test.sh.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libsdl2-mixer-dev libfluidsynth3 timgm6mb-soundfont fonts-ipafont
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool fluidsynth clang libclang-rt-14-dev
  desktop-file-utils appstream lintian dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${MIROVALK_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j2
