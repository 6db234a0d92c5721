#!/usr/bin/env bash
# Installs the Debian package into a fresh Debian 12 (bookworm) root made with debootstrap, the
# way a player would (apt install ./velvina_*.deb), then checks that the game is there: its
# --version, its desktop entry (desktop-file-validate), its icon, and that it finds its content
# (started without a display, it must stop only for the display).
# For verification by hand, as root; it takes minutes and is not part of the test suite.
# usage: packaging/fresh-debian-install.sh build/default/packages/velvina_1.0_amd64.deb
# The base root is cached in /var/tmp/fresh-base; each run gets a throw-away copy.
set -euo pipefail
deb=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
base=/var/tmp/fresh-base
if [ ! -x "$base/bin/bash" ]; then
  command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap >/dev/null
  rm -rf "$base.tmp"
  mirror=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null)
  [ -n "$mirror" ] || mirror=$(awk '/^deb / {print $2; exit}' /etc/apt/sources.list 2>/dev/null)
  debootstrap --variant=minbase bookworm "$base.tmp" "$mirror" >/var/tmp/fresh-debootstrap.log 2>&1
  cp /etc/apt/sources.list.d/debian.sources "$base.tmp/etc/apt/sources.list.d/" 2>/dev/null || true
  rm -f "$base.tmp/etc/apt/sources.list"
  cp /etc/resolv.conf "$base.tmp/etc/resolv.conf"
  mv "$base.tmp" "$base"
fi
root=$(mktemp -d /var/tmp/fresh-install.XXXX)
cp -a "$base/." "$root/"
cp "$deb" "$root/tmp/"
mount -t proc proc "$root/proc"; mount --rbind /dev "$root/dev"; mount --rbind /sys "$root/sys"
cleanup() { umount -R "$root/dev" "$root/sys" "$root/proc" 2>/dev/null || true; [ "${KEEP:-0}" = 1 ] || rm -rf "$root"; }
trap cleanup EXIT
chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb DEBIAN_FRONTEND=noninteractive \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin:/usr/games bash -euc "
    apt-get update -qq
    echo '== apt install ./$(basename "$deb")'
    apt-get install -y --no-install-recommends /tmp/$(basename "$deb") 2>&1 | grep -E '^(Setting up|The following NEW)|^  ' || true
    echo '== velvina --version'
    velvina --version
    echo '== the desktop entry'
    apt-get install -y -qq --no-install-recommends desktop-file-utils >/dev/null 2>&1
    desktop-file-validate /usr/share/applications/velvina.desktop && echo 'desktop-file-validate: no complaints'
    grep -E '^(Exec|Icon|Categories)=' /usr/share/applications/velvina.desktop
    ls /usr/share/icons/hicolor/*/apps/velvina.png | wc -l | sed 's/\$/ icon sizes/'
    echo '== started without a display, from /'
    cd / && { velvina 2>&1 || echo \"exit status \$?\"; }
  "
