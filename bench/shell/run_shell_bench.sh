#!/usr/bin/env bash
# Runs bench_shell_idle on a private 640x480x16 Xvfb screen and prints its FIGURE lines:
# startup_to_first_frame_ms (target <= 250) and idle_cpu_percent over 10 s (target <= 3),
# first with the default (accelerated, vsync) renderer, then with SDL's software renderer.
# usage: run_shell_bench.sh [BUILD_DIR]   (default build/default)
set -euo pipefail
build=${1:-build/default}
bench="$build/bench/shell/bench_shell_idle"
[ -x "$bench" ] || { echo "build bench_shell_idle first ($bench)"; exit 1; }
number=${VELVINA_BENCH_DISPLAY:-97}
work=$(mktemp -d)
Xvfb ":$number" -screen 0 640x480x16 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=":$number"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
mkdir -p "$work/run" && chmod 700 "$work/run"
XDG_RUNTIME_DIR="$work/run" "$bench" 10000 2>"$work/trace.txt" | grep '^FIGURE'
# The same with SDL's software renderer drawing straight to the X server (no GL context): on
# a machine without a GPU, GL context creation dominates the start-up.
SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0 XDG_RUNTIME_DIR="$work/run" "$bench" 10000 \
  2>"$work/trace.txt" | grep '^FIGURE' | sed 's/^FIGURE \([a-z_]*\)/FIGURE \1_software_renderer/'
