#!/usr/bin/env bash
# The program as it is distributed: a portable folder (it keeps its settings
# beside itself, so it is not installed), staged by stage.sh and zipped.
#
#   scripts/dist.sh [ZIP]     (default dist/TX80-<version>.zip; the folder inside is TX80/)
#
# The version is the one of project() in CMakeLists.txt, which the program's
# version resource carries too.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
version=$(sed -n 's/^project(TX80 VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
if [ -z "$version" ]; then
  echo "dist: no version in CMakeLists.txt's project()" >&2
  exit 1
fi
zip_path=$(realpath -m "${1:-$repo/dist/TX80-$version.zip}")
work="$repo/build/dist"

rm -rf "$work"
"$repo/scripts/stage.sh" "$work/TX80"
mkdir -p "$(dirname "$zip_path")"
rm -f "$zip_path"
if command -v zip >/dev/null; then
  (cd "$work" && zip -qr -X "$zip_path" TX80)
else
  python3 - "$work" "$zip_path" <<'PY'
import os, sys, zipfile
root, target = sys.argv[1], sys.argv[2]
with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as archive:
    for folder, _, files in sorted(os.walk(os.path.join(root, "TX80"))):
        for name in sorted(files):
            path = os.path.join(folder, name)
            archive.write(path, os.path.relpath(path, root))
PY
fi
echo "$zip_path"
