#!/usr/bin/env bash
# The program as it is distributed: a portable folder (it keeps its settings
# beside itself, so it is not installed), staged by stage.sh and zipped.
#
#   scripts/dist.sh [ZIP]     (default dist/TX80.zip; the folder inside is TX80/)
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
zip_path=$(realpath -m "${1:-$repo/dist/TX80.zip}")
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
