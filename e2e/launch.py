#!/usr/bin/env python3
"""Runs TX80.exe under Wine for a person to look at.

The program directory (build/run/TX80) and the Wine prefix (build/run/wineprefix)
are kept from run to run, so the program's settings stay; the program file
itself is refreshed each time. The emulated mouse is used when it is built,
since no real mouse is attached to Wine.

With a DISPLAY the program runs there until it is closed. Without one the
program runs on a virtual X server; once its window is up a screenshot is saved
(out/tx80-window.png by default), its path printed, and everything is ended.
"""

import argparse
import os
import shutil
import sys
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

from desktop import Desktop  # noqa: E402
from program import EXE_NAME, lay_out  # noqa: E402
from wine import WinePrefix  # noqa: E402
from xserver import VirtualDisplay  # noqa: E402

REPO = HERE.parent
CAPTIONS = ("TX80_KARVO GAMING MOUSE", "TX80_KARVO 宏编程电竞鼠标")
WINDOW_TIMEOUT = 90  # seconds; the first run also makes the Wine prefix
PAINT_WAIT = 2  # seconds for the window to paint before the screenshot


def prepare(directory, exe):
    """The program directory with the newest program file and, when built, the emulated mouse."""
    if not directory.exists():
        lay_out(directory, REPO, exe)
    shutil.copy2(exe, directory / EXE_NAME)
    mouse_dlls = sorted((exe.parent / "e2e").glob("*.dll"))
    for dll in mouse_dlls:
        shutil.copy2(dll, directory / dll.name)
    return bool(mouse_dlls)


def screenshot_when_shown(prefix, directory, mouse, screenshot):
    desktop = Desktop(prefix.display)
    screenshot.parent.mkdir(parents=True, exist_ok=True)
    with open(directory.parent / "TX80.log", "wb") as log:
        program = prefix.start(directory / EXE_NAME, log, emulated_mouse=mouse)
        deadline = time.monotonic() + WINDOW_TIMEOUT
        shown = False
        while not shown and program.poll() is None and time.monotonic() < deadline:
            shown = any(desktop.windows(caption) for caption in CAPTIONS)
            time.sleep(0.25)
        if shown:
            time.sleep(PAINT_WAIT)
        desktop.screenshot(screenshot)
        prefix.kill()
        program.wait(timeout=30)
    print(f"Screenshot: {screenshot}")
    if not shown:
        print("The program showed no main window (see the screenshot).", file=sys.stderr)
    return 0 if shown else 1


def main(args):
    exe = args.exe.resolve()
    if not exe.is_file():
        print(f"{exe} is not built", file=sys.stderr)
        return 2
    directory = args.dir.resolve()
    mouse = prepare(directory, exe)

    if os.environ.get("DISPLAY"):
        prefix = WinePrefix(args.prefix.resolve(), os.environ["DISPLAY"])
        prefix.ensure()
        print(f"Running {directory / EXE_NAME}" + (" with the emulated mouse" if mouse else ""))
        with open(directory.parent / "TX80.log", "wb") as log:
            program = prefix.start(directory / EXE_NAME, log, emulated_mouse=mouse)
            try:
                return program.wait()
            except KeyboardInterrupt:
                prefix.kill()
                return 130

    display = VirtualDisplay()
    try:
        prefix = WinePrefix(args.prefix.resolve(), display.name)
        prefix.ensure()
        return screenshot_when_shown(prefix, directory, mouse, args.screenshot.resolve())
    finally:
        display.close()


def parse_arguments():
    run = REPO / "build" / "run"
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--exe", type=Path, default=REPO / "build" / "win64" / "TX80.exe")
    parser.add_argument("--dir", type=Path, default=run / "TX80", help="the program directory")
    parser.add_argument("--prefix", type=Path, default=run / "wineprefix")
    parser.add_argument("--screenshot", type=Path, default=REPO / "out" / "tx80-window.png")
    return parser.parse_args()


if __name__ == "__main__":
    sys.exit(main(parse_arguments()))
