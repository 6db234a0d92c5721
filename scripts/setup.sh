#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test, fuzz and play.
# Non-interactive; runs apt-get as root or through sudo. Does nothing when all are present.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config git ca-certificates
  libgtest-dev libgmock-dev libbenchmark-dev
  zlib1g-dev libpng-dev
  libsdl2-dev
  libcairo2-dev fonts-dejavu-core
  espeak-ng
  clang libclang-rt-14-dev
  xvfb xdotool
  time
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
