#!/usr/bin/env bash
# lane.sh CHECK WORK DISPLAYNUMBER PREFIX NATIVE_BUILD EXE [PROBE JOURNEY BACKEND_TESTS]: the Windows game
# under Wine, on a private 640x480x24 X screen with openbox and a private PulseAudio null sink.
# Each check starts its own screen, sound server and wineserver and stops them at the end.
#
#   journey         velvina.exe played through the journey with xdotool; at every shot the X
#                   screen must equal the headless runner's shot of the same moment (5-6-5),
#                   the debugger trace must hold the runner's messages, and the game must end
#                   by itself with exit status 0 when the credits are clicked away.
#   music           the splash's music recorded from the sink's monitor for ten seconds must be
#                   the music file's samples, in order; then Alt+F4 must end the game through
#                   WM_DESTROY (exit status 0, no error traced, the display mode restored).
#   streams         velvina_stream_probe.exe plays every streamed length of the sound tests on
#                   DirectSound; each must be heard whole, unchanged, in order, then silence.
#   second-instance a second velvina.exe started beside the first ends at once with status 0,
#                   and the first runs on.
#   no-sound        with no sound server the game runs silent: it says so in the trace, plays
#                   from the title to the credits and ends with status 0.
#   window          the window service's tests, which need a screen, on this one.
#   package         EXE is the zip package: unzipped, its velvina.exe started from another
#                   folder finds the content beside itself and shows the title screen.
set -euo pipefail
check=$1 work=$2 number=$3 prefix=$4 native=$5 exe=$6 probe=${7:-} journey=${8:-} backend_tests=${9:-}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/wine/wine-env.sh"
source "$here/../../scripts/wine/wine-desktop.sh"
lanetool="$native/tests/wine/velvina-lanetool"
runner="$native/apps/velvina-headless"
for tool in Xvfb openbox pulseaudio pactl parec xdotool xwd; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed (run scripts/setup.sh)"; exit 1; }
done
for file in "$exe" "$lanetool" "$runner" "$native/content"; do
  [ -e "$file" ] || { echo "$file is missing: build the native preset first (cmake --workflow --preset default)"; exit 1; }
done

rm -rf "$work" && mkdir -p "$work"
game_pid=
record_pid=
finish() {
  [ -n "$record_pid" ] && kill "$record_pid" 2>/dev/null
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  "$VELVINA_WINESERVER" -k 2>/dev/null || true
  velvina_desktop_stop
}
trap finish EXIT
velvina_desktop_start "$work" "$number"
velvina_wine_env "$prefix"
"$VELVINA_WINESERVER" -k 2>/dev/null || true
velvina_wine_prefix "$prefix"

# The game runs in the native build's folder, which holds content/.
export WINEDEBUG=-all,warn+debugstr
# start_game NAME [FOLDER [EXE]]: the game started in FOLDER (the native build's, which holds
# content/, unless named), its output in NAME.out and NAME.err.
start_game() {
  (cd "${2:-$native}" && exec "$VELVINA_WINE64" "${3:-$exe}") >"$work/$1.out" 2>"$work/$1.err" &
  game_pid=$!
}

# Waits up to $1 seconds for the game process to end; its exit status is in $game_status.
wait_game() {
  local deadline=$((SECONDS + $1))
  while kill -0 "$game_pid" 2>/dev/null && [ $SECONDS -lt $deadline ]; do sleep 0.2; done
  if kill -0 "$game_pid" 2>/dev/null; then
    game_status=timeout
    return 1
  fi
  game_status=0
  wait "$game_pid" || game_status=$?
  game_pid=
}

# Waits until the game has shown its first frame: the trace has the display set-up and the
# screen shows a picture (not the empty root, nor the window's plain background).
wait_first_frame() {
  local deadline=$((SECONDS + 60))
  while [ $SECONDS -lt $deadline ]; do
    if grep -q 'dwBBitMask' "$work/$1.err" 2>/dev/null; then
      xwd -root -silent >"$work/now.xwd"
      "$lanetool" frame "$work/now.xwd" && return 0
    fi
    kill -0 "$game_pid" 2>/dev/null || { echo "the game ended before its first frame"; cat "$work/$1.err"; return 1; }
    sleep 0.1
  done
  echo "no first frame within 60 s"
  return 1
}

# The screen against a reference shot, looking again for up to 8 s: a real clock may reach a
# settled moment a little later than the runner's virtual one.
compare_shot() {
  local name=$1 deadline=$((SECONDS + 8))
  while :; do
    xwd -root -silent >"$work/$name.xwd"
    if "$lanetool" shot "$work/$name.xwd" "$work/reference/$name" "$work/screen-$name" >"$work/$name.cmp"; then
      echo "$name: $(cat "$work/$name.cmp")"
      return 0
    fi
    [ $SECONDS -ge $deadline ] && break
    sleep 0.25
  done
  echo "$name: $(cat "$work/$name.cmp") (the screen is $work/screen-$name)"
  return 1
}

sleep_ms() { sleep "$(printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000)))"; }
button() { [ "$1" = right ] && echo 3 || echo 1; }

# Plays a runner script with xdotool; FALSE when a shot did not match. The X server drops the
# release of a button that is not down, so a release without its press becomes a whole click
# (a press changes nothing in the scenes: only releases count as clicks).
play_script() {
  local status=0 command a b c down=""
  while read -r command a b c; do
    case "$command" in
      '' | '#'*) ;;
      wait) sleep_ms "$a" ;;
      move) xdotool mousemove "$a" "$b" ;;
      click) xdotool mousemove "$a" "$b" click 1 ;;
      press)
        xdotool mousemove "$b" "$c" mousedown "$(button "$a")"
        down="$down $a"
        ;;
      release)
        if [[ " $down " == *" $a "* ]]; then
          xdotool mousemove "$b" "$c" mouseup "$(button "$a")"
          down=${down/ $a/}
        else
          xdotool mousemove "$b" "$c" click "$(button "$a")"
        fi
        ;;
      key) xdotool key "$a" ;;
      shot) compare_shot "$a" || status=1 ;;
      close) xdotool key alt+F4 ;;
      *) echo "unknown script line: $command"; return 1 ;;
    esac
  done <"$1"
  return $status
}

check_journey() {
  mkdir -p "$work/reference"
  (cd "$work/reference" && "$runner" --root "$native" --script "$journey" --trace "$work/reference/trace.txt" \
    --journal "$work/reference/journal.txt")
  start_game journey
  wait_first_frame journey
  local status=0
  play_script "$journey" || status=1
  if ! wait_game 30; then
    echo "the game did not end after the credits"
    return 1
  fi
  echo "exit status $game_status"
  [ "$game_status" = 0 ] || status=1
  "$lanetool" trace "$work/journey.err" "$work/reference/trace.txt" || status=1
  return $status
}

record_start() {
  parec -d velvina.monitor --raw --format=s16le --rate=22050 --channels=1 --latency-msec=100 >"$work/$1.raw" &
  record_pid=$!
}

record_stop() {
  kill "$record_pid" 2>/dev/null || true
  wait "$record_pid" 2>/dev/null || true
  record_pid=
}

check_music() {
  local status=0
  record_start music
  WINEDEBUG=-all,warn+debugstr,trace+ddraw start_game music
  wait_first_frame music
  sleep 10
  record_stop
  "$lanetool" music "$work/music.raw" "$native/content/music/lounge.mrs" || status=1
  # Alt+F4 on the game's window (openbox hands it to Wine as a close).
  xdotool key alt+F4
  if ! wait_game 20; then
    echo "Alt+F4 did not end the game"
    return 1
  fi
  echo "exit status after Alt+F4: $game_status"
  [ "$game_status" = 0 ] || status=1
  if grep -q 'Unhandled exception' "$work/music.err"; then
    echo "the game ended through its exception handler, not WM_DESTROY"
    status=1
  fi
  # Wine's ddraw trace names the interface called: the game's own call goes through
  # IDirectDraw2 (Wine's internal ones through IDirectDraw7).
  if grep -q 'ddraw2_SetCooperativeLevel.*flags 0x8\.' "$work/music.err" &&
    grep -q 'ddraw2_RestoreDisplayMode' "$work/music.err"; then
    echo "normal cooperation and the display mode were restored"
  else
    echo "the game did not give the display back (SetCooperativeLevel normal, RestoreDisplayMode)"
    status=1
  fi
  return $status
}

check_streams() {
  mkdir -p "$work/streams"
  record_start streams
  local status=0
  (cd "$work/streams" && WINEDEBUG=-all "$VELVINA_WINE64" "$probe" .) | tee "$work/probe.out" || status=1
  sleep 0.5
  record_stop
  "$lanetool" streams "$work/streams.raw" "$work"/streams/stream-0?.mrs || status=1
  return $status
}

check_second_instance() {
  start_game first
  wait_first_frame first
  local first=$game_pid started=$SECONDS status=0
  (cd "$native" && exec "$VELVINA_WINE64" "$exe") >"$work/second.out" 2>"$work/second.err" &
  game_pid=$!
  if wait_game 15; then
    echo "the second instance ended with status $game_status after $((SECONDS - started)) s"
    [ "$game_status" = 0 ] || status=1
  else
    echo "the second instance did not end"
    status=1
  fi
  if [ -s "$work/second.err" ] && grep -q OutputDebugStringA "$work/second.err"; then
    echo "the second instance traced something: it went further than the single-instance check"
    status=1
  fi
  game_pid=$first
  if kill -0 "$game_pid" 2>/dev/null; then
    echo "the first instance runs on"
  else
    echo "the first instance ended"
    status=1
  fi
  xdotool key alt+F4
  wait_game 20 || true
  return $status
}

check_no_sound() {
  # A server address where nothing listens: Wine's only audio driver finds no device.
  export PULSE_SERVER="unix:$work/run/no-server"
  cat >"$work/to-credits.txt" <<'EOF'
wait 1000
click 507 398
wait 2500
click 70 446
wait 4000
release left 320 240
EOF
  start_game silent
  wait_first_frame silent
  play_script "$work/to-credits.txt"
  local status=0
  if wait_game 30; then
    echo "exit status $game_status"
    [ "$game_status" = 0 ] || status=1
  else
    echo "the silent game did not end at the credits"
    status=1
  fi
  if grep -q 'Unable to init DirectSound' "$work/silent.err"; then
    echo "the trace says the game runs without sound"
  else
    echo "no 'Unable to init DirectSound' in the trace"
    status=1
  fi
  return $status
}

check_window() {
  WINEDEBUG=-all "$VELVINA_WINE64" "$backend_tests" --gtest_filter='Win32Window.*' | tee "$work/window.out"
  ! grep -q SKIPPED "$work/window.out"
}

check_package() {
  mkdir -p "$work/unzipped" "$work/elsewhere"
  (cd "$work/unzipped" && unzip -q "$exe")
  local packaged="$work/unzipped/VelvinaDemo-win64/velvina.exe" status=0
  start_game package "$work/elsewhere" "$packaged"
  wait_first_frame package || return 1
  mkdir -p "$work/reference"
  (cd "$work/reference" && "$runner" --root "$native" --script - <<<$'wait 1000\nshot title.png' 2>/dev/null)
  sleep 1
  compare_shot title.png || status=1
  xdotool key alt+F4
  wait_game 20 || { echo "the packaged game did not end"; return 1; }
  echo "exit status $game_status"
  [ "$game_status" = 0 ] || status=1
  return $status
}

case "$check" in
  journey) check_journey ;;
  music) check_music ;;
  streams) check_streams ;;
  second-instance) check_second_instance ;;
  no-sound) check_no_sound ;;
  window) check_window ;;
  package) check_package ;;
  *) echo "unknown check $check"; exit 2 ;;
esac
