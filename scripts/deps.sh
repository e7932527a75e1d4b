#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need, when any
# of them is missing. Run as root on Debian 12.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libwxgtk3.2-dev libgtest-dev
  xvfb xauth fonts-dejavu-core libx11-dev openbox
  clang-14 libclang-rt-14-dev
  wpolish scowl
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
