#!/usr/bin/env bash
# Installs what is missing, builds, runs every test and checks the shipped question files.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/setup.sh"
build="${MIROVALK_BUILD_DIR:-$root/build}"
ctest --test-dir "$build" -j2 --output-on-failure
if [ -x "$build/qcheck" ]; then
  "$build/qcheck" "$root"/data/quiz/*.qdt
fi
