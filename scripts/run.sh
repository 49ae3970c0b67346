#!/usr/bin/env bash
# Builds TX80.exe and runs it under Wine. Without a DISPLAY it runs on a virtual
# X server and saves a screenshot of its window under out/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64
exec python3 e2e/launch.py "$@"
