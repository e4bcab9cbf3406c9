#!/usr/bin/env bash
# Installs what is missing, builds, runs every test and checks the shipped question files.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/setup.sh"
build="${MIROVALK_BUILD_DIR:-$root/build}"
ctest --test-dir "$build" -j2 --output-on-failure
# The genre question files: every .qdt but the player and ranking files.
questions=()
for f in "$root"/data/quiz/*.qdt; do
  case "$(basename "$f")" in playerdata.qdt|player.qdt) ;; *) questions+=("$f") ;; esac
done
"$build/qcheck" "${questions[@]}"
