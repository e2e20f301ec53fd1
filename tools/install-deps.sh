#!/usr/bin/env bash
# Installs whatever this machine lacks to build, run and test the game, with
# the system's own package manager (apt on Debian and Ubuntu, dnf on Fedora,
# pacman on Arch), through sudo when not root. Quiet when nothing is missing.
set -euo pipefail

# The same libraries and tools under each system's names: compiler and build
# tools; SDL 1.2 (classic or sdl12-compat) with SDL_image, SDL_ttf and SDL_mixer;
# GoogleTest and Google Benchmark; an X server and the tools the real-window
# tests drive and photograph it with (and Xlib, to close its window); the
# checkers of the installed files and what cpack needs to name the package's
# libraries; clang with libFuzzer for tools/fuzz.sh (the normal builds keep
# the default compiler).
debian=(
  build-essential cmake pkg-config
  libsdl1.2-dev libsdl-image1.2-dev libsdl-ttf2.0-dev libsdl-mixer1.2-dev
  libgtest-dev libbenchmark-dev
  xvfb xdotool x11-utils x11-apps imagemagick libx11-dev
  desktop-file-utils appstream groff-base file dpkg-dev
  clang libclang-rt-dev
)
fedora=(
  gcc-c++ make cmake pkgconf-pkg-config
  sdl12-compat-devel SDL_image-devel SDL_ttf-devel SDL_mixer-devel
  gtest-devel google-benchmark-devel
  xorg-x11-server-Xvfb xdotool xwininfo xwd ImageMagick libX11-devel
  desktop-file-utils appstream groff-base file dpkg-dev
  clang compiler-rt
)
arch=(
  base-devel cmake pkgconf
  sdl12-compat sdl_image sdl_ttf sdl_mixer
  gtest benchmark
  xorg-server-xvfb xdotool xorg-xwininfo xorg-xwd imagemagick libx11
  desktop-file-utils appstream groff file dpkg
  clang compiler-rt
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

if command -v apt-get >/dev/null; then
  packages=("${debian[@]}")
  installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
  install() {
    "${sudo_cmd[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q "$@"
  }
elif command -v dnf >/dev/null; then
  packages=("${fedora[@]}")
  installed() { rpm -q "$1" >/dev/null 2>&1; }
  install() { "${sudo_cmd[@]}" dnf install -y "$@"; }
elif command -v pacman >/dev/null; then
  packages=("${arch[@]}")
  installed() { pacman -Qq "$1" >/dev/null 2>&1; }
  install() { "${sudo_cmd[@]}" pacman -S --needed --noconfirm "$@"; }
else
  echo "tools/install-deps.sh knows apt, dnf and pacman; install these by hand:" >&2
  echo "  ${debian[*]} (Debian names)" >&2
  exit 1
fi

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
install "${missing[@]}"
