#!/usr/bin/env bash
# Installs every Debian package the project needs to build (also for Windows), test, fuzz and
# play, and the npm packages of the browser test (pinned in apps/web/package-lock.json).
# Non-interactive; runs apt-get as root or through sudo. Does nothing when all are present.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config git ca-certificates
  libgtest-dev libgmock-dev libbenchmark-dev
  zlib1g-dev libpng-dev
  libsdl2-dev
  libcairo2-dev fonts-dejavu-core
  espeak-ng
  clang libclang-rt-14-dev clang-format
  xvfb xdotool openbox x11-utils desktop-file-utils
  emscripten nodejs python3 chromium
  time
  # The Windows build (mingw-w64, posix threads) and its tests under Wine: Wine and the X
  # libraries it only recommends, PulseAudio for a private sound server, xwd and unzip.
  g++-mingw-w64-x86-64-posix wine64 wine
  libgl1 libgl1-mesa-dri libxrandr2 libxrender1 libxcursor1 libxi6 libxinerama1 libxcomposite1 libxxf86vm1
  pulseaudio pulseaudio-utils x11-apps unzip
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# npm comes with some builds of nodejs and as Debian's own package with others.
command -v npm >/dev/null 2>&1 || missing+=(npm)

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The browser test's driver (puppeteer-core, which uses Debian's chromium), exactly as locked.
# npm also trusts the certificates the system trusts, for networks whose proxy re-signs TLS
# with a certificate added to the system's store.
web_dir="$(cd "$(dirname "$0")/.." && pwd)/apps/web"
stamp="$web_dir/node_modules/.installed-lock.json"
if ! cmp -s "$web_dir/package-lock.json" "$stamp" 2>/dev/null; then
  NODE_EXTRA_CA_CERTS=${NODE_EXTRA_CA_CERTS:-/etc/ssl/certs/ca-certificates.crt} \
    npm ci --prefix "$web_dir" --no-audit --no-fund --loglevel=error >/dev/null
  cp "$web_dir/package-lock.json" "$stamp"
fi
