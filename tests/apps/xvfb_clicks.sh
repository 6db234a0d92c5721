#!/usr/bin/env bash
# Runs the click probe full-screen on its own Xvfb screen, clicks with xdotool at screen
# points and checks the picture pixel each release reached ("-": the point is in a bar and
# must reach nothing). The step "toggle" presses Alt+Enter (full screen <-> window), which
# must never reach the scene, nor may Alt+F4, which ends the run. The step "move SX SY PX PY"
# moves the pointer without a click and checks the last move the scene was given: in a bar it
# is the picture's nearest edge pixel, so the scene sees the pointer leave.
# usage: xvfb_clicks.sh PROBE DISPLAY_NUMBER WxHxDEPTH "SX SY PX PY|-"|toggle|"move SX SY PX PY" ...
set -uo pipefail
probe=$1 number=$2 screen=$3
shift 3
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "Xvfb or xdotool missing: skipped"; exit 77; }

work=$(mktemp -d)
Xvfb ":$number" -screen 0 "$screen" -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
probe_pid=
cleanup() {
  [ -n "$probe_pid" ] && kill "$probe_pid" 2>/dev/null
  kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=":$number"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

# A private runtime folder keeps the single-instance lock apart from other runs.
mkdir -p "$work/run" && chmod 700 "$work/run"
XDG_RUNTIME_DIR="$work/run" "$probe" 2>"$work/trace.txt" &
probe_pid=$!
timeout 10 xdotool search --sync --name '^VelvinaDemo$' >/dev/null || { echo "no game window"; cat "$work/trace.txt"; exit 1; }
sleep 0.5

expected=()
for click in "$@"; do
  if [ "$click" = toggle ]; then
    xdotool key alt+Return
    sleep 0.5
    continue
  fi
  if [ "${click%% *}" = move ]; then
    read -r _ sx sy px py <<<"$click"
    xdotool mousemove "$sx" "$sy"
    sleep 0.2
    last=$(grep '^probe down' "$work/trace.txt" | tail -1 | tr -d '\r')
    [ "$last" = "probe down $px $py keys 0" ] || { echo "move to $sx,$sy reached the scene as '$last'"; exit 1; }
    continue
  fi
  read -r sx sy px py <<<"$click"
  xdotool mousemove "$sx" "$sy" click 1
  sleep 0.1
  [ "$px" = "-" ] || expected+=("probe up $px $py keys 0")
done
sleep 0.3
xdotool key alt+F4
for _ in $(seq 50); do kill -0 "$probe_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$probe_pid" 2>/dev/null; then echo "the game did not close on Alt+F4"; exit 1; fi
wait "$probe_pid"; status=$?
probe_pid=

mapfile -t got < <(grep '^probe up' "$work/trace.txt" | tr -d '\r')
printf 'expected: %s\n' "${expected[@]}"
printf 'got:      %s\n' "${got[@]}"
[ "$status" -eq 0 ] || { echo "exit status $status"; tail -5 "$work/trace.txt"; exit 1; }
[ "${expected[*]}" = "${got[*]}" ] || { echo "clicks landed on the wrong pixels"; exit 1; }
if grep -q '^probe key' "$work/trace.txt"; then echo "a system key reached the scene"; exit 1; fi
echo "all ${#expected[@]} clicks landed on their pixels"
