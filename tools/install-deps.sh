#!/usr/bin/env bash
# Installs whatever this machine lacks to build, run and test the game
# (Debian packages), through sudo when not root. Quiet when nothing is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsdl1.2-dev libsdl-image1.2-dev libsdl-ttf2.0-dev
  libgtest-dev libbenchmark-dev
  xvfb xdotool x11-utils x11-apps imagemagick
  # The installation and the Debian package: their checkers, and what
  # cpack -G DEB needs to name the libraries the package depends on.
  desktop-file-utils appstream groff-base file dpkg-dev
  # tools/fuzz.sh only: libFuzzer comes with clang's runtime. The normal
  # builds still use the default compiler (g++), which installing clang leaves
  # the default.
  clang libclang-rt-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
"${sudo_cmd[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}"
