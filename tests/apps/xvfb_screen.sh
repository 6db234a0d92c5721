# xvfb_screen.sh: sourced by the Xvfb tests of the game with a window manager. Skips the test
# (77) where a tool is missing; gives a scratch folder $work (removed at exit, with every
# process listed in $pids ended), a private runtime folder (so the single-instance lock is the
# test's own), fail, start_screen to put an Xvfb screen with openbox on DISPLAY, and press_in
# for real key presses into a window. Every wait is bounded: a busy machine slows the window
# manager down, and xdotool's own --sync waits have no end.
# usage: number=N; source xvfb_screen.sh
for tool in Xvfb openbox xdotool xwininfo xprop; do
  command -v "$tool" >/dev/null || { echo "$tool missing: skipped"; exit 77; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; [ -f "$work/trace.txt" ] && tail -5 "$work/trace.txt"; exit 1; }
mkdir -p "$work/run" && chmod 700 "$work/run"
export XDG_RUNTIME_DIR="$work/run"

# start_screen WxH: a fresh screen :$number (the previous one, if any, is ended) with openbox.
start_screen() {
  [ -n "${xvfb_pid:-}" ] && { kill "$wm_pid" "$xvfb_pid"; wait "$wm_pid" "$xvfb_pid" 2>/dev/null; }
  Xvfb ":$number" -screen 0 "$1x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  pids+=("$xvfb_pid")
  export DISPLAY=":$number"
  for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
  openbox >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  pids+=("$wm_pid")
  for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
}

# press_in WINDOW KEY...: gives WINDOW the focus (asked again while the window manager has not
# given it) and presses the keys through XTEST.
press_in() {
  local target=$1
  shift
  for _ in 1 2 3; do
    timeout 3 xdotool windowactivate --sync "$target" 2>/dev/null && break
    sleep 0.3
  done
  xdotool key "$@"
}
