#!/usr/bin/env bash
# The frontend under Xvfb with a window manager, driven by xdotool:
#   1. the click probe in a window in each scaling mode, resized to several sizes: clicks land
#      on the picture pixels the mode's geometry puts under them, clicks in the bars on nothing;
#   2. F10, -, +, M, F12 and F11 do what the title bar says and never reach the scene; F12's
#      PNG is the frame on screen;
#   3. the real game on its credits screen, which ends on any key, stays open through those
#      keys and ends on the next ordinary one.
# usage: xvfb_frontend.sh PROBE GAME CHECKER CONTENT_ROOT DISPLAY_NUMBER
# Skipped (77) where Xvfb, openbox or xdotool is missing.
set -uo pipefail
probe=$1 game=$2 checker=$3 content_root=$4 number=$5
source "$(dirname "$0")/xvfb_screen.sh"
mkdir -p "$work/shots"
export HOME="$work" # no pictures folder: screenshots go to the folder the game starts in
# No sound device: the game runs silent and its pauses are short.
export SDL_AUDIODRIVER=none

start_game() { # PROGRAM ARGS...: starts it in the shots folder, sets $game_pid and $window
  (cd "$work/shots" && exec "$@") 2>"$work/trace.txt" &
  game_pid=$!
  pids+=("$game_pid")
  window=$(timeout 10 xdotool search --sync --pid "$game_pid" --name '^VelvinaDemo$' | head -1)
  [ -n "$window" ] || fail "no window for $*"
  sleep 0.7
}
press() { press_in "$window" "$@"; }
stop_game() { # ends the game with Alt+F4 and checks its exit status
  press alt+F4
  for _ in $(seq 30); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game_pid" 2>/dev/null && press alt+F4 # once more, should the focus have moved
  for _ in $(seq 30); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game_pid" 2>/dev/null && fail "the game did not close on Alt+F4"
  wait "$game_pid" || fail "exit status $? after Alt+F4"
}
client_size() { xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}'; }
title_is() { # TEXT: waits up to 2 s for the window's title
  for _ in $(seq 20); do [ "$(xdotool getwindowname "$window")" = "$1" ] && return 0; sleep 0.1; done
  fail "title is '$(xdotool getwindowname "$window")', not '$1'"
}
# One axis of the mapping: the window pixel's centre into a picture of SIZE pixels drawn over
# LENGTH window pixels from START (the same integer arithmetic the game must do).
map_axis() { echo $(( ((2 * $1 + 1) - 2 * $2) * $4 / (2 * $3) )); }

# 1. Clicks in every scaling mode at several window sizes.
start_screen 1280x1024
for mode in fit integer smooth; do
  start_game "$probe" --window --scale "$mode"
  expected=()
  for size in "1000 700" "700 900" "1200 900" "640 480" "500 400"; do
    read -r w h <<<"$size"
    # At the top left, so that the whole window is on the screen and every point is reachable.
    timeout 5 xdotool windowmove --sync "$window" 0 0 windowsize --sync "$window" "$w" "$h" 2>/dev/null
    sleep 0.4
    read -r w h < <(client_size)
    k=$(( w / 640 < h / 480 ? w / 640 : h / 480 ))
    if [ "$mode" = integer ] && [ "$k" -ge 1 ]; then pw=$((640 * k)) ph=$((480 * k))
    elif [ $((w * 480)) -le $((h * 640)) ]; then pw=$w ph=$((w * 480 / 640))
    else pw=$((h * 640 / 480)) ph=$h; fi
    px=$(( (w - pw) / 2 )) py=$(( (h - ph) / 2 ))
    for point in "$px $py" "$((px + pw - 1)) $((py + ph - 1))" "$((px + pw / 3)) $((py + ph / 2))"; do
      read -r sx sy <<<"$point"
      xdotool mousemove --window "$window" "$sx" "$sy" click 1
      sleep 0.1
      expected+=("probe up $(map_axis "$sx" "$px" "$pw" 640) $(map_axis "$sy" "$py" "$ph" 480) keys 0")
    done
    # A click in a bar reaches nothing.
    if [ "$px" -gt 0 ]; then xdotool mousemove --window "$window" 0 $((h / 2)) click 1; sleep 0.1; fi
    if [ "$py" -gt 0 ]; then xdotool mousemove --window "$window" $((w / 2)) $((h - 1)) click 1; sleep 0.1; fi
  done
  sleep 0.2
  mapfile -t got < <(grep '^probe up' "$work/trace.txt" | tr -d '\r')
  [ "${expected[*]}" = "${got[*]}" ] || { printf 'expected: %s\n' "${expected[@]}"; printf 'got:      %s\n' "${got[@]}"; fail "$mode: clicks landed on the wrong pixels"; }
  echo "$mode: all ${#expected[@]} clicks exact at 5 window sizes"
  stop_game
done

# 2. The frontend's keys, said in the title bar and never given to the scene.
start_game "$probe" --window
press F10
title_is "VelvinaDemo - scale: integer"
press minus
title_is "VelvinaDemo - volume 90%"
press plus
title_is "VelvinaDemo - volume 100%"
press m
title_is "VelvinaDemo - sound off"
press F12
for _ in $(seq 20); do ls "$work/shots"/velvina-*.png >/dev/null 2>&1 && break; sleep 0.1; done
shot=$(ls "$work/shots"/velvina-*.png 2>/dev/null | head -1)
[ -n "$shot" ] || fail "F12 wrote no screenshot"
title_is "VelvinaDemo - screenshot saved to $shot"
"$checker" "$shot" || fail "the screenshot is not the frame on screen"
size_is() { # W H: waits up to 5 s for the window's size
  for _ in $(seq 50); do [ "$(client_size)" = "$1 $2" ] && return 0; sleep 0.1; done
  return 1
}
read -r w h < <(client_size)
press F11
size_is 1280 1024 || fail "F11 did not fill the screen ($(client_size))"
press F11
size_is "$w" "$h" || fail "F11 did not give the window back at $w $h ($(client_size))"
sleep 3.2
title_is "VelvinaDemo"
grep -q '^probe key' "$work/trace.txt" && fail "a frontend key reached the scene"
stop_game
echo "F10, -, +, M, F12 and F11 work and never reach the scene"

# 3. The credits screen ends on any key, but not on the frontend's.
start_screen 640x480
start_game "$game" --content "$content_root"
sleep 3 # the title screen loads its pictures
xdotool mousemove 507 398 click 1 # the title's button
sleep 3
xdotool mousemove 70 446 click 1 # farewell
sleep 6 # the pause after farewell (short without sound), then the credits load
for key in F11 F11 F10 minus plus m F12; do press "$key"; sleep 0.3; done
sleep 1
kill -0 "$game_pid" 2>/dev/null || fail "a frontend key ended the credits"
press space
for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "the credits did not end on a key (were they reached?)"
wait "$game_pid" || fail "exit status $? after the credits"
echo "the credits stayed open through the frontend's keys and ended on the next key"
