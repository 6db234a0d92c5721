# wine-env.sh: sourced by the Wine scripts. Finds Wine, sets up the environment of one private
# prefix and makes the prefix on first use. Prefixes live in the build tree, so runs of several
# builds (or engineers) never share a wineserver.

# The 64-bit loader itself: the "wine" wrapper only adds a hint about a missing 32-bit Wine.
velvina_wine_find() {
  if [ -x /usr/lib/wine/wine64 ]; then
    VELVINA_WINE64=/usr/lib/wine/wine64
    VELVINA_WINESERVER=/usr/lib/wine/wineserver
  else
    VELVINA_WINE64=$(command -v wine64 || true)
    VELVINA_WINESERVER=$(command -v wineserver || true)
  fi
  if [ -z "$VELVINA_WINE64" ] || [ -z "$VELVINA_WINESERVER" ]; then
    echo "wine64 and wineserver are not installed (run scripts/setup.sh)" >&2
    return 1
  fi
}

# velvina_wine_env PREFIX: the environment of every Wine process of that prefix. Wine's own
# messages stay off unless the caller asked for some; the Mono and Gecko installers that a new
# prefix would offer are switched off, and so is the HID bus driver, which polls for game
# controllers (about 3% of a core on its own) that the game never uses.
velvina_wine_env() {
  velvina_wine_find || return 1
  case "$1" in
    /*) export WINEPREFIX="$1" ;;
    *) export WINEPREFIX="$PWD/$1" ;;
  esac
  export WINEARCH=win64
  export WINEDEBUG="${WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="mscoree,mshtml=;winebus.sys=d${VELVINA_WINE_OVERRIDES:+;$VELVINA_WINE_OVERRIDES}"
}

# velvina_wine_prefix PREFIX: the prefix, made once (about 15-25 s), and its wineserver,
# started when none runs. Both happen under a lock, so that parallel tests wait instead of doing
# it twice (the lock's descriptor is closed for Wine's processes, which outlive the lock).
# DirectDraw is told to draw without 3-D (it then starts in milliseconds instead of a second)
# and without a separate command thread (a lock of a surface is then a plain call, not a round
# trip to that thread); PulseAudio is the only sound driver (without a server there is no
# device at all; ALSA's null device would run the sound clock about three times too fast). A
# prefix made with other settings (an older VELVINA_WINE_PREFIX_VERSION) is made again.
# The server is kept alive between the short test processes and ends by itself 20 s after the
# last one; when a new one starts, one process runs to its end before any other: the first
# process of a server starts Wine's own services, and a test started beside it can stall until
# they are up.
VELVINA_WINE_PREFIX_VERSION=2

velvina_wine_prefix() {
  velvina_wine_env "$1" || return 1
  set -- "$WINEPREFIX"
  mkdir -p "$(dirname "$1")"
  (
    flock 9
    if [ "$(cat "$1/.velvina-ready" 2>/dev/null)" != "$VELVINA_WINE_PREFIX_VERSION" ]; then
      rm -rf "$1"
      "$VELVINA_WINE64" wineboot -i >/dev/null 2>&1 9>&- || true
      "$VELVINA_WINE64" reg add 'HKCU\Software\Wine\Direct3D' /v renderer /t REG_SZ /d no3d /f >/dev/null 2>&1 9>&-
      "$VELVINA_WINE64" reg add 'HKCU\Software\Wine\Direct3D' /v csmt /t REG_DWORD /d 0 /f >/dev/null 2>&1 9>&-
      "$VELVINA_WINE64" reg add 'HKCU\Software\Wine\Drivers' /v Audio /t REG_SZ /d pulse /f >/dev/null 2>&1 9>&-
      "$VELVINA_WINESERVER" -w 9>&-
      [ -f "$1/system.reg" ] || { echo "could not make the Wine prefix $1" >&2; exit 1; }
      echo "$VELVINA_WINE_PREFIX_VERSION" >"$1/.velvina-ready"
    fi
    if "$VELVINA_WINESERVER" -p20 2>/dev/null 9>&-; then
      "$VELVINA_WINE64" cmd.exe /c exit >/dev/null 2>&1 9>&- || true
    fi
  ) 9>"$1.lock"
}
