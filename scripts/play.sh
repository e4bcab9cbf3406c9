#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/setup.sh"
build="${MIROVALK_BUILD_DIR:-$root/build}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the game on a virtual one (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$build/mirovalk"
fi
exec "$build/mirovalk"
