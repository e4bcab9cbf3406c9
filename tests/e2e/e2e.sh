#!/usr/bin/env bash
# End-to-end trials of the real game under a virtual X display, driven with xdotool as a player
# would drive it. Each run gets its own copy of the executable and a fresh data folder.
#   e2e.sh <trial> <build folder> <source folder>
# Trials: sigterm (the game ends within a second when told to stop while a question counts
# down, leaving a whole roster), fulldisk (a save the disk cannot take keeps the old roster
# byte for byte and tells the player), installed (an installed game keeps each player's files in
# their own folder and changes nothing it was installed with; a player's own question file is
# used, and a broken one is reported).
set -euo pipefail
trial=$1 build=$2 source=$3
exe=$build/mirovalk data=$source/data/quiz

if [ -z "${E2E_INSIDE_X:-}" ]; then
  E2E_INSIDE_X=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work=$(mktemp -d)
trap 'kill "${game:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$exe" "$work/mirovalk"
cp -r "$data" "$work/quiz"
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb

fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits for a visible window whose title is exactly $1; prints its id.
window() {
  local id
  for _ in $(seq 300); do # 30 s: a sanitizer build on a busy machine starts slowly
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  fail "no window \"$1\" appeared"
}

# Clicks the middle of a control given in twips (left, top, width, height) of window $1.
click() {
  xdotool mousemove --window "$1" $(( ($2 + $4 / 2) / 15 )) $(( ($3 + $5 / 2) / 15 )) click 1
}

# From the title to a question: ＥＮＤＬＥＳＳ　ＭＯＤＥ, then the guest if the player select asks.
start_endless() {
  click "$(window 'タイトル')" 2400 2280 2055 375
  for _ in $(seq 50); do
    if id=$(xdotool search --onlyvisible --name '^Form1$' 2>/dev/null | head -n 1) && [ -n "$id" ]; then
      click "$id" 1440 3360 2415 255 # プレイヤーセレクトしない
      break
    fi
    xdotool search --onlyvisible --name '^ＭＩＲＯ　ＶＡＬＫ　　灰色の王冠$' >/dev/null 2>&1 && break
    sleep 0.1
  done
  window 'ＭＩＲＯ　ＶＡＬＫ　　灰色の王冠' >/dev/null
}

roster_is_whole() {
  local lines
  lines=$(tr -cd '\n' <"$work/quiz/playerdata.qdt" | wc -c)
  [ "$lines" -eq 1452 ] && [ "$(grep -c $'\r$' "$work/quiz/playerdata.qdt")" -eq 1452 ]
}

case "$trial" in
sigterm)
  "$work/mirovalk" 2>"$work/stderr" &
  game=$!
  start_endless
  sleep 6 # the question is typed out and its counter runs
  sent=$(date +%s%N)
  kill -TERM "$game"
  for _ in $(seq 20); do kill -0 "$game" 2>/dev/null || break; sleep 0.05; done
  kill -0 "$game" 2>/dev/null && fail "still running one second after SIGTERM"
  status=0; wait "$game" || status=$?
  echo "ended $(( ($(date +%s%N) - sent) / 1000000 )) ms after SIGTERM, exit status $status"
  [ "$status" -eq 0 ] || fail "exit status $status"
  roster_is_whole || fail "the roster is not whole"
  ;;
fulldisk)
  cp "$work/quiz/playerdata.qdt" "$work/before"
  # A file size limit stands for a full disk: every save fails with EFBIG, as with ENOSPC.
  ( trap '' XFSZ; ulimit -f 2; exec "$work/mirovalk" ) 2>"$work/stderr" &
  game=$!
  click "$(window 'タイトル')" 2400 2280 2055 375
  window 'ＭＩＲＯ　ＶＡＬＫ' >/dev/null # the message box
  grep -q '「playerdata.qdt」：保存できませんでした' "$work/stderr" || fail "no message: $(cat "$work/stderr")"
  grep -q 'ディスクの空き容量' "$work/stderr" || fail "the message does not say what to do"
  box=$(window 'ＭＩＲＯ　ＶＡＬＫ')
  xdotool windowfocus --sync "$box" key Return
  status=0; wait "$game" || status=$?
  [ "$status" -ne 0 ] || fail "the game went on after a save failed"
  cmp -s "$work/before" "$work/quiz/playerdata.qdt" || fail "the roster changed"
  [ "$(ls "$work/quiz" | grep -c '^playerdata')" -eq 1 ] || fail "a temporary file was left: $(ls "$work/quiz")"
  echo "the save failed, the player was told, the roster is byte for byte as before"
  ;;
installed)
  prefix=$work/prefix
  cmake --install "$build" --prefix "$prefix" >/dev/null
  chmod -R a-w "$prefix"
  tree() { (cd "$prefix" && find . -type f -exec md5sum {} + | sort); }
  tree >"$work/installed.md5"
  # Each player is a home of their own, with the usual XDG folders in it. Started in the
  # background, the game takes the place of the subshell, so $! is the game itself.
  as_player() {
    local home=$work/$1; shift
    mkdir -p "$home"
    exec env HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" \
      XDG_CACHE_HOME="$home/.cache" "$@"
  }
  own=$work/first/.local/share/mirovalk
  as_player first "$prefix/bin/mirovalk" 2>"$work/stderr" &
  game=$!
  start_endless
  sleep 6
  xdotool key --window "$(window 'ＭＩＲＯ　ＶＡＬＫ　　灰色の王冠')" a # answer the first question
  sleep 2
  kill -TERM "$game"; wait "$game"
  [ -f "$own/playerdata.qdt" ] && [ -f "$own/player.qdt" ] || fail "no roster or ranking in $own"
  cmp -s "$own/playerdata.qdt" "$data/playerdata.qdt" && fail "the game played was not recorded in $own"
  [ "$(sed -n 4p "$own/playerdata.qdt" | tr -d '\r')" = 1 ] || fail "the guest's play is not counted"
  tree | cmp -s - "$work/installed.md5" || fail "something under the prefix changed"

  as_player second "$prefix/bin/mirovalk" 2>"$work/stderr" &
  game=$!
  window 'タイトル' >/dev/null
  kill -TERM "$game"; wait "$game"
  cmp -s "$work/second/.local/share/mirovalk/playerdata.qdt" "$data/playerdata.qdt" ||
    fail "a second player does not start with the empty roster"

  # A question file of the player's own is read instead of the shipped one: a broken one is named.
  printf '"a question cut short","answer"\r\n' >"$work/second/.local/share/mirovalk/歴史.qdt"
  as_player second "$prefix/bin/mirovalk" 2>"$work/stderr" &
  game=$!
  click "$(window 'タイトル')" 2400 2280 2055 375
  box=$(window 'ＭＩＲＯ　ＶＡＬＫ')
  grep -q '「歴史.qdt」の1行目' "$work/stderr" || fail "the broken file is not named: $(cat "$work/stderr")"
  grep -q "$work/second/.local/share/mirovalk/歴史.qdt" "$work/stderr" || fail "the message does not say which copy"
  xdotool windowfocus --sync "$box" key Return
  window 'タイトル' >/dev/null # back at the title
  kill -TERM "$game"; wait "$game"
  tree | cmp -s - "$work/installed.md5" || fail "something under the prefix changed"
  echo "installed: each home has its own records, the installation is unchanged, an own question file is read"
  ;;
*) fail "unknown trial $trial" ;;
esac
