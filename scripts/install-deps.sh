#!/usr/bin/env bash
# Installs with apt what building, running and testing TX80 need and this
# Debian 12 machine lacks. Does nothing (and asks apt nothing) when all is there.
set -euo pipefail

packages=(
  cmake ninja-build g++ python3
  libgtest-dev libgmock-dev libbenchmark-dev libjpeg62-turbo-dev
  g++-mingw-w64-x86-64-posix
  wine wine64
  xvfb xdotool x11-utils imagemagick fonts-wqy-microhei fonts-dejavu-core
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg -s "$package" 2>/dev/null | grep -q '^Status: install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get update
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
