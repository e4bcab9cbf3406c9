#!/usr/bin/env bash
# End-to-end trials of the real game under a virtual X display, driven with xdotool as a player
# would drive it. Each run gets its own copy of the executable and a fresh data folder.
#   e2e.sh <trial> <build folder> <source folder>
# Trials: session (a new player registers under a Japanese name, plays until a score enters the
# top ten, looks at both statistics windows and the ranking again, and leaves; the files then hold
# exactly what was entered and earned), sigterm (the game ends within a second when told to stop while a question counts
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

# Answers whatever window the game opens in the middle of play: the skill slot is stopped and
# taken, the genre select left to chance. Succeeds when it found one.
answer_interludes() {
  local id
  if id=$(xdotool search --onlyvisible --name '^スキルを入手$' 2>/dev/null | head -n 1) && [ -n "$id" ]; then
    click "$id" 1080 2640 1215 375 # ＳＴＯＰ
    sleep 0.3
    click "$id" 1080 2640 1215 375 # OK, in the same place
    return 0
  fi
  if id=$(xdotool search --onlyvisible --name '^ジャンルセレクト$' 2>/dev/null | head -n 1) && [ -n "$id" ]; then
    click "$id" 3120 2640 2535 255 # ノンジャンル
    return 0
  fi
  return 1
}

visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }

case "$trial" in
session)
  name=ミロ太郎
  # A ranking a single right answer can enter, so the trial does not wait on luck for long.
  for i in $(seq 0 10); do printf '%d,"ランカー%d"\r\n' $(( i < 10 ? 100 - 10 * i : 0 )) "$i"; done |
    iconv -f UTF-8 -t CP932 >"$work/quiz/player.qdt"
  cp "$work/quiz/player.qdt" "$work/ranking.before"
  "$work/mirovalk" 2>"$work/stderr" &
  game=$!
  click "$(window 'タイトル')" 2400 2280 2055 375
  select=$(window 'Form1')
  click "$select" 360 960 1935 255   # the first slot, free: a new player
  click "$select" 1560 3840 1935 405 # the name box
  xdotool type --delay 40 "$name"
  click "$select" 2280 4320 735 375  # ＯＫ: registered, back to the choice
  sleep 0.3
  click "$select" 360 960 1935 255   # the new player
  click "$select" 2280 4320 735 375  # ＯＫ: this player plays
  quiz=$(window 'ＭＩＲＯ　ＶＡＬＫ　　灰色の王冠')

  entered=
  for game_no in $(seq 12); do
    # Answer with A as each question is typed until the game ends in its windows.
    for _ in $(seq 600); do
      answer_interludes && continue
      [ -n "$(visible 'ランキング')" ] && break
      [ -n "$(visible 'Form1')" ] && break
      xdotool key --window "$quiz" a
      sleep 0.2
    done
    if ranking=$(visible 'ランキング') && [ -n "$ranking" ]; then
      click "$ranking" 1680 4800 615 375 # OK: the name box already holds the player's name
      sleep 0.3
    fi
    stats=$(window 'Form1')
    click "$stats" 3840 3120 2055 495    # ジャンル別データ
    genre=$(window 'playerdatagenre')
    click "$genre" 3840 1080 1905 300    # ＴＶゲーム
    click "$genre" 3840 3720 2055 495    # 総合データ
    stats=$(window 'Form1')
    click "$stats" 6120 3120 1095 495    # ＯＫ
    sleep 0.3
    if iconv -f CP932 -t UTF-8 "$work/quiz/player.qdt" | grep -q "\"$name\""; then
      entered=$game_no
      break
    fi
    xdotool key --window "$quiz" a       # 続ける
  done
  [ -n "$entered" ] || fail "no game of twelve entered the ranking"

  # The results menu opens the ranking and the statistics again; the ranking offers nothing new.
  cp "$work/quiz/player.qdt" "$work/ranking.entered"
  xdotool key --window "$quiz" s
  click "$(window 'ランキング')" 1680 4800 615 375
  xdotool key --window "$quiz" d
  click "$(window 'Form1')" 6120 3120 1095 495
  # 終了: the quiz window is gone before the key is let go, which xdotool reports as an error.
  xdotool key --window "$quiz" f 2>/dev/null || true
  click "$(window 'タイトル')" 2400 2760 2055 375 # ＥＸＩＴ
  status=0; wait "$game" || status=$?
  [ "$status" -eq 0 ] || fail "exit status $status"

  # The roster holds the player in slot 1 with what was earned, and nothing else.
  roster=$(iconv -f CP932 -t UTF-8 "$work/quiz/playerdata.qdt" | tr -d '\r')
  line() { sed -n "$1p" <<<"$roster"; }
  [ "$(line 133)" = "\"$name\"" ] || fail "slot 1 is $(line 133)"
  [ "$(line 136)" = 1 ] || fail "games played: $(line 136), one opening of the quiz window expected"
  best=$(line 135) total=$(line 137)
  [ "$best" -gt 0 ] && [ "$total" -ge "$best" ] || fail "best score $best, total $total"
  asked=$(for g in $(seq 0 20); do line $(( 132 + 7 + 6 * g )); done | paste -sd+)
  answered=$(for g in $(seq 0 20); do for n in 1 2 3; do line $(( 132 + 7 + 6 * g + n )); done; done | paste -sd+)
  asked=$((asked)) answered=$((answered))
  [ "$asked" -ge "$answered" ] && [ "$answered" -ge $(( 4 * entered )) ] || fail "asked $asked, answered $answered"
  diff <(sed -n '265,1452p' <<<"$roster") <(tr -d '\r' <"$data/playerdata.qdt" | sed -n '265,1452p') >/dev/null ||
    fail "slots 2 to 10 changed"
  # The ranking holds the player's best score once, in its place, and the rest as they were.
  cmp -s "$work/ranking.entered" "$work/quiz/player.qdt" || fail "the second opening changed the ranking"
  ranked=$(iconv -f CP932 -t UTF-8 "$work/quiz/player.qdt" | tr -d '\r')
  [ "$(grep -c "\"$name\"" <<<"$ranked")" -eq 1 ] || fail "the name is not in the ranking once"
  [ "$(grep "\"$name\"" <<<"$ranked" | cut -d, -f1)" -eq "$best" ] || fail "the ranked score is not the best score"
  diff <(grep -v "\"$name\"" <<<"$ranked") <(iconv -f CP932 -t UTF-8 "$work/ranking.before" | tr -d '\r' | head -n 10) >/dev/null ||
    fail "the other places are not the old table moved down one"
  echo "session: registered $name, entered the top ten in game $entered with $best points, files hold exactly that"
  ;;
sigterm)
  # Told to stop while the player is being chosen: the program ends and no game is started or
  # counted for anyone.
  "$work/mirovalk" 2>"$work/stderr" &
  game=$!
  click "$(window 'タイトル')" 2400 2280 2055 375
  window 'Form1' >/dev/null
  kill -TERM "$game"
  status=0; wait "$game" || status=$?
  [ "$status" -eq 0 ] || fail "exit status $status while choosing a player"
  [ "$(sed -n 4p "$work/quiz/playerdata.qdt" | tr -d '\r')" = 0 ] || fail "a game was counted after the stop"

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
