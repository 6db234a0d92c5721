#!/usr/bin/env bash
# run_win_bench.sh [WINDOWS_BUILD [NATIVE_BUILD [DISPLAYNUMBER]]]: the Windows game under Wine
# on a private 640x480x24 X screen with a PulseAudio null sink; prints
#   FIGURE win_present_ms        median of Lock, compose (a whole scene), Unlock and Blt of one
#                                frame (bench_win_present.exe)
#   FIGURE win_idle_cpu_percent  processor time of all of Wine's processes (the game, the
#                                wineserver and Wine's services) over 10 s of a static, silent
#                                scene (the credits), in percent of one core (target <= 3)
#   FIGURE win_music_cpu_percent the same over 10 s of the title screen with its music playing:
#                                what Wine's DirectSound and PulseAudio driver add
#   FIGURE win_startup_ms        warm Wine: from starting velvina.exe to its first frame on the
#                                screen, the median of three starts (target <= 1500)
# Defaults: build/windows, build/default, display :68. VELVINA_BENCH_NO_SOUND=1 runs the game
# without a sound server (no DirectSound device), to tell the game's share from Wine's sound.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
windows=$(cd "${1:-$root/build/windows}" && pwd)
native=$(cd "${2:-$root/build/default}" && pwd)
number=${3:-68}
source "$root/scripts/wine/wine-env.sh"
source "$root/scripts/wine/wine-desktop.sh"
exe="$windows/apps/win32/velvina.exe"
present="$windows/bench/windows/bench_win_present.exe"
lanetool="$native/tests/wine/velvina-lanetool"
for file in "$exe" "$present" "$lanetool" "$native/content"; do
  [ -e "$file" ] || { echo "$file is missing: build both presets first (native, then windows)"; exit 1; }
done

work=$(mktemp -d)
game_pid=
finish() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  "$VELVINA_WINESERVER" -k 2>/dev/null || true
  velvina_desktop_stop
  rm -rf "$work"
}
trap finish EXIT
velvina_desktop_start "$work" "$number"
if [ -n "${VELVINA_BENCH_NO_SOUND:-}" ]; then
  export PULSE_SERVER="unix:$work/run/no-server"
fi
velvina_wine_env "$windows/wine/game"
"$VELVINA_WINESERVER" -k 2>/dev/null || true
velvina_wine_prefix "$windows/wine/game"
cd "$native"

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Starts the game and sets startup_ms to the milliseconds until its first frame is on the
# screen.
start_game_timed() {
  local started
  started=$(now_ms)
  WINEDEBUG=-all,warn+debugstr "$VELVINA_WINE64" "$exe" >/dev/null 2>"$work/game.err" &
  game_pid=$!
  while :; do
    xwd -root -silent >"$work/screen.xwd"
    "$lanetool" frame "$work/screen.xwd" && break
    kill -0 "$game_pid" 2>/dev/null || { echo "velvina.exe ended before its first frame:" >&2; cat "$work/game.err" >&2; return 1; }
  done
  startup_ms=$(($(now_ms) - started))
}

stop_game() {
  xdotool key alt+F4
  wait "$game_pid" 2>/dev/null || true
  game_pid=
}

# Clock ticks used so far by every process of this Wine prefix.
wine_ticks() {
  local total=0 dir
  for dir in /proc/[0-9]*; do
    if { tr '\0' '\n' <"$dir/environ" | grep -qx "WINEPREFIX=$WINEPREFIX"; } 2>/dev/null; then
      total=$((total + $({ awk '{print $14 + $15}' "$dir/stat" || echo 0; } 2>/dev/null)))
    fi
  done
  echo $total
}

"$VELVINA_WINE64" "$present" | tr -d '\r' | grep '^FIGURE'

# One start to warm the file cache and Wine's loaded libraries, then three measured ones.
start_game_timed
stop_game
times=()
for run in 1 2 3; do
  start_game_timed
  times+=("$startup_ms")
  if [ "$run" -lt 3 ]; then stop_game; fi
done

# Percent of one core that Wine's processes use over the next ten seconds.
idle_percent() {
  local before after
  before=$(wine_ticks)
  sleep 10
  after=$(wine_ticks)
  awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" 'BEGIN { printf "%.1f", 100 * t / hz / 10 }'
}

# The title screen stands still, its music plays on; then the credits, still and silent.
sleep 3
music=$(idle_percent)
xdotool mousemove 507 398 click 1
sleep 3
xdotool mousemove 70 446 click 1
sleep 12
idle=$(idle_percent)
stop_game
echo "FIGURE win_idle_cpu_percent $idle"
echo "FIGURE win_music_cpu_percent $music"
printf '%s\n' "${times[@]}" | sort -n | awk 'NR == 2 { print "FIGURE win_startup_ms " $1 }'
