#!/usr/bin/env bash
# Installs the build into a scratch folder (cmake --install --prefix) and checks the tree: the
# program, the content where the program looks for it, the desktop entry (validated with
# desktop-file-validate when it is installed), every icon size, the manual page, the copyright
# and changelog; then runs the installed program's --version, --help and a bad option, and
# starts it from an empty folder without a display: it must find its content beside itself and
# stop only for the missing display.
# usage: check-install.sh BUILD_DIR
set -uo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

cmake --install "$build" --prefix "$work/usr" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "cmake --install"; }
for file in bin/velvina share/applications/velvina.desktop share/man/man6/velvina.6.gz \
            share/doc/velvina/copyright share/doc/velvina/changelog.gz \
            share/velvina/content/splash/splash.mri share/velvina/content/music/lounge.mrs; do
  [ -f "$work/usr/$file" ] || fail "$file is not installed"
done
for size in 16 24 32 48 64 128 256; do
  icon="$work/usr/share/icons/hicolor/${size}x${size}/apps/velvina.png"
  [ -f "$icon" ] || fail "no ${size}x${size} icon"
  # The PNG header's width and height.
  read -r w h < <(od -An -tu1 -j16 -N8 "$icon" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$w $h" = "$size $size" ] || fail "the ${size}x${size} icon is ${w}x${h}"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$work/usr/share/applications/velvina.desktop" || fail "the desktop entry is not valid"
fi
gzip -t "$work/usr/share/man/man6/velvina.6.gz" || fail "the manual page is not gzip"

"$work/usr/bin/velvina" --version >"$work/version.txt" || fail "--version exit status $?"
grep -q '^velvina [0-9]' "$work/version.txt" || fail "--version says '$(cat "$work/version.txt")'"
"$work/usr/bin/velvina" --help | grep -q -- '--scale MODE' || fail "--help lacks the options"
"$work/usr/bin/velvina" --bogus 2>"$work/bogus.txt"
status=$?
[ "$status" -eq 2 ] || fail "an unknown option gives exit status $status"
[ "$(head -1 "$work/bogus.txt")" = "velvina: unknown option --bogus" ] || fail "unknown option: '$(head -1 "$work/bogus.txt")'"
# From an empty folder the installed game finds its content through ../share/velvina, and then
# only the missing display stops it.
mkdir "$work/empty"
(cd "$work/empty" && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER XDG_RUNTIME_DIR="$work" \
   "$work/usr/bin/velvina" 2>"$work/start.txt")
status=$?
[ "$status" -eq 1 ] && grep -q '^VelvinaDemo needs a display: ' "$work/start.txt" ||
  fail "the installed game did not find its content ($(head -1 "$work/start.txt"), status $status)"
echo "installed tree complete: $(find "$work/usr" -type f | wc -l) files"
