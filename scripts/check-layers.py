#!/usr/bin/env python3
"""Fails when a source file includes a folder above its own.

The program's folders stand on floors: framework/ and the seams of platform/
are the ground, then profile/, macro/, device/, functions/, ui/ and app/, each
above the ones before it. A file may include its own floor and those below.
Tables with no dependencies of their own may be included from any floor. The
backends of platform/ see only the ground, but for WinMain, which starts the
program.
"""

import re
import sys
from pathlib import Path

SRC = Path(__file__).resolve().parent.parent / "src"
FLOORS = ["profile", "macro", "device", "functions", "ui", "app"]
GROUND = {"framework", "platform"}
ANY_FLOOR = {"functions/FunctionCatalog.h"}
ENTRY_POINTS = {"platform/win32/WinMain.cpp"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/([^"]+)"', re.MULTILINE)


def floor(folder):
    return -1 if folder in GROUND else FLOORS.index(folder)


def main():
    wrong = []
    for path in sorted(SRC.rglob("*")):
        if path.suffix not in {".h", ".cpp"}:
            continue
        relative = path.relative_to(SRC).as_posix()
        own = relative.split("/")[0]
        if relative in ENTRY_POINTS or (own not in GROUND and own not in FLOORS):
            continue
        for folder, rest in INCLUDE.findall(path.read_text(encoding="utf-8")):
            included = f"{folder}/{rest}"
            if folder not in GROUND and folder not in FLOORS:
                continue
            if included in ANY_FLOOR or floor(folder) <= floor(own):
                continue
            wrong.append(f"src/{relative} includes {included}: {folder}/ stands above {own}/")
    for line in wrong:
        print(line)
    if wrong:
        print(f"{len(wrong)} include(s) run upward; floors from the ground up: "
              f"framework/ and platform/, then {', '.join(f + '/' for f in FLOORS)}")
        return 1
    print("every include runs downward")
    return 0


if __name__ == "__main__":
    sys.exit(main())
