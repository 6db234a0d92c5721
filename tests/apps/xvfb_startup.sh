#!/usr/bin/env bash
# What the player sees when the game cannot start normally, checked on its own Xvfb screen with
# a window manager:
#   no display      -> "VelvinaDemo needs a display: ..." on standard error, exit status 1
#   no content      -> a message box naming the folders searched (closed with Return), the same
#                      text on standard error, exit status 1
#   a second start  -> "VelvinaDemo is already running" on standard error, exit status 0, and
#                      the running game's window, minimised before, is shown again
# usage: xvfb_startup.sh GAME CONTENT_ROOT DISPLAY_NUMBER
# Skipped (77) where Xvfb, openbox or xdotool is missing. SHOTS=DIR keeps screenshots (xwd).
set -uo pipefail
game=$1 content_root=$2 number=$3
source "$(dirname "$0")/xvfb_screen.sh"
mkdir -p "$work/empty"

# 1. No display at all.
(cd "$content_root" && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$game" >"$work/out1" 2>"$work/err1")
status=$?
echo "no display: exit $status, says: $(head -1 "$work/err1")"
[ "$status" -eq 1 ] || fail "exit status $status without a display"
grep -q '^VelvinaDemo needs a display: .\+' "$work/err1" || fail "no 'needs a display' message"

start_screen 1024x768
shot() { [ -n "${SHOTS:-}" ] && mkdir -p "$SHOTS" && xwd -root -silent >"$SHOTS/$1.xwd"; }
# The id of the first window titled VelvinaDemo (xwininfo reads UTF-8 titles, which SDL's
# message box has and this xdotool cannot match), waiting up to 10 seconds.
find_window() {
  local id
  for _ in $(seq 100); do
    id=$(xwininfo -root -tree | awk '$2 == "\"VelvinaDemo\":" {print $1; exit}')
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
}

# 2. No content anywhere the game looks.
(cd "$work/empty" && exec "$game") >"$work/out2" 2>"$work/err2" &
game_pid=$!
pids+=("$game_pid")
box=$(find_window)
[ -n "$box" ] || fail "no message box"
xprop -id "$box" _NET_WM_WINDOW_TYPE | grep -q DIALOG || fail "the window is not a message box"
sleep 0.5
shot no-content
kill -0 "$game_pid" 2>/dev/null || fail "the game ended before the message box was closed"
for _ in 1 2 3; do
  press_in "$box" Return
  for _ in $(seq 30); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game_pid" 2>/dev/null || break
done
kill -0 "$game_pid" 2>/dev/null && fail "the message box did not close on Return"
wait "$game_pid"
status=$?
echo "no content: exit $status, says: $(tr '\n' ' ' <"$work/err2")"
[ "$status" -eq 1 ] || fail "exit status $status without content"
grep -q 'cannot find its pictures and sounds' "$work/err2" || fail "no 'cannot find' message"
grep -qxF "    $work/empty" "$work/err2" || fail "the working directory is not named"

# 3. A second start while the game runs.
(cd "$content_root" && exec "$game") >"$work/out3" 2>"$work/err3" &
first_pid=$!
pids+=("$first_pid")
window=$(find_window)
[ -n "$window" ] || fail "the first game has no window"
sleep 1
timeout 5 xdotool windowminimize --sync "$window"
(cd "$content_root" && timeout 20 "$game") >"$work/out4" 2>"$work/err4"
status=$?
echo "second start: exit $status, says: $(tr '\n' ' ' <"$work/err4")"
[ "$status" -eq 0 ] || fail "exit status $status for the second start"
grep -qx 'VelvinaDemo is already running' "$work/err4" || fail "no 'already running' message"
kill -0 "$first_pid" 2>/dev/null || fail "the first game ended"
for _ in $(seq 50); do xwininfo -id "$window" | grep -q 'IsViewable' && break; sleep 0.1; done
xwininfo -id "$window" | grep -q 'IsViewable' || fail "the running game's window was not brought back"
shot second-start
press_in "$window" alt+F4
for _ in $(seq 50); do kill -0 "$first_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$first_pid" 2>/dev/null && fail "the first game did not close on Alt+F4"
wait "$first_pid"
echo "all start-up cases say what happened"
