#!/usr/bin/env bash
# Lays out a complete program directory in DIR, as the program is shipped:
# TX80.exe (built with the win64 preset when build/win64 has none yet) and
# everything in data/ (config.ini, Macro_EN.dat, Macro_CN.dat, skins/ with
# the pictures, the layout files and the default macros, and help/ with the
# user guide). Files already in DIR
# are replaced. Used by the run command, the end-to-end tests and dist.
#
#   scripts/stage.sh DIR
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 DIR" >&2
  exit 2
fi
repo=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
exe="$repo/build/win64/TX80.exe"

if [ ! -f "$exe" ]; then
  (cd "$repo" && cmake --preset win64 >/dev/null && cmake --build --preset win64)
fi

mkdir -p "$dir"
cp "$exe" "$dir/TX80.exe"
cp -R "$repo/data/." "$dir/"
