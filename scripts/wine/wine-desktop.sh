# wine-desktop.sh: sourced by the Windows game lane and benchmark. A private X screen (Xvfb of
# exactly 640x480, the only size on which Wine can switch to the game's display mode) with a
# small window manager, and a private PulseAudio server whose only sink is a null sink of the
# game's output format (22,050 Hz, mono, 16-bit), so that what the game plays can be recorded
# from the sink's monitor. Everything lives in one work folder and is stopped by
# velvina_desktop_stop; nothing is shared with other users of the machine.

# velvina_desktop_start WORK DISPLAYNUMBER: starts Xvfb (24-bit), openbox and PulseAudio and
# exports DISPLAY, XDG_RUNTIME_DIR, PULSE_RUNTIME_PATH and PULSE_SERVER for them.
velvina_desktop_start() {
  local work=$1 number=$2
  VELVINA_DESKTOP_WORK=$work
  VELVINA_DESKTOP_PIDS=()
  mkdir -p "$work/run" && chmod 700 "$work/run"
  Xvfb ":$number" -screen 0 640x480x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
  VELVINA_DESKTOP_PIDS+=($!)
  export DISPLAY=":$number"
  local i
  for i in $(seq 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
  done
  xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "Xvfb :$number did not start" >&2; return 1; }
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  VELVINA_DESKTOP_PIDS+=($!)
  export XDG_RUNTIME_DIR="$work/run"
  export PULSE_RUNTIME_PATH="$work/run/pulse"
  export PULSE_SERVER="unix:$PULSE_RUNTIME_PATH/native"
  mkdir -p "$PULSE_RUNTIME_PATH"
  HOME="$work" pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
    --load="module-null-sink sink_name=velvina rate=22050 channels=1 format=s16le" \
    --load="module-native-protocol-unix socket=$PULSE_RUNTIME_PATH/native auth-anonymous=1" \
    >"$work/pulse.log" 2>&1 &
  VELVINA_DESKTOP_PIDS+=($!)
  for i in $(seq 100); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
  done
  pactl info >/dev/null 2>&1 || { echo "PulseAudio did not start (see $work/pulse.log)" >&2; return 1; }
  pactl set-default-sink velvina >/dev/null
}

# velvina_desktop_stop: stops what velvina_desktop_start started, by process id.
velvina_desktop_stop() {
  local pid
  for pid in "${VELVINA_DESKTOP_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${VELVINA_DESKTOP_PIDS[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  VELVINA_DESKTOP_PIDS=()
}
