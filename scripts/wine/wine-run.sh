#!/usr/bin/env bash
# wine-run.sh PREFIX PROGRAM [ARGS...]: runs a cross-built Windows program under Wine in the
# private prefix PREFIX (made on first use), without an X display, and returns its exit status.
# CMake uses it as the cross-compiling emulator, so CTest runs the Windows tests through it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=wine-env.sh
. "$here/wine-env.sh"
prefix=$1
shift
unset DISPLAY WAYLAND_DISPLAY
velvina_wine_prefix "$prefix"
exec "$VELVINA_WINE64" "$@"
