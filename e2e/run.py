#!/usr/bin/env python3
"""End-to-end tests of TX80.exe under Wine on a virtual X server.

One Xvfb display and one fresh Wine prefix serve the whole stage; every test
gets its own program directory inside the prefix's drive C and ends with no
Wine process left. Tests are the test_* functions of the test_*.py modules
here, run in file and definition order. Prints "N passed, N failed" last and
exits non-zero when a test failed.
"""

import argparse
import importlib
import shutil
import signal
import sys
import time
import traceback
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

from desktop import Desktop  # noqa: E402
from program import ProgramTest, lay_out  # noqa: E402
from wine import WinePrefix  # noqa: E402
from xserver import VirtualDisplay  # noqa: E402

REPO = HERE.parent
TEST_TIME_LIMIT = 180  # seconds; a test that hangs anyway is failed, not waited for


class TimeLimit(Exception):
    pass


def collect(pattern):
    tests = []
    for module_file in sorted(HERE.glob("test_*.py")):
        module = importlib.import_module(module_file.stem)
        for name, function in vars(module).items():
            full_name = f"{module_file.stem[len('test_'):]}.{name[len('test_'):]}"
            if name.startswith("test_") and callable(function) and (not pattern or pattern in full_name):
                tests.append((full_name, function))
    return tests


def run_one(name, function, exe, prefix, desktop, artifacts, mouse_dlls):
    directory = prefix.drive_c() / "tx80-e2e" / name
    shutil.rmtree(directory, ignore_errors=True)
    t = None
    started = time.monotonic()
    signal.alarm(TEST_TIME_LIMIT)
    try:
        lay_out(directory, REPO, exe)
        t = ProgramTest(name, directory, prefix, desktop, artifacts, mouse_dlls)
        function(t)
        outcome = None
    except BaseException as error:  # noqa: BLE001 - every failure is reported, the stage goes on
        if isinstance(error, (KeyboardInterrupt, SystemExit)):
            raise
        outcome = error
        try:
            desktop.screenshot(artifacts / f"{name}-failure.png")
        except Exception:  # noqa: BLE001
            pass
    finally:
        signal.alarm(0)
        if t is not None:
            t.close()
        else:
            prefix.kill()
    seconds = time.monotonic() - started
    if outcome is None:
        shutil.rmtree(directory, ignore_errors=True)
        print(f"PASS {name} ({seconds:.1f} s)", flush=True)
        return True
    print(f"FAIL {name} ({seconds:.1f} s): {outcome}", flush=True)
    if not isinstance(outcome, AssertionError):
        traceback.print_exception(outcome)
    print(f"     program directory kept: {directory}", flush=True)
    return False


def on_alarm(signum, frame):
    raise TimeLimit(f"the test ran longer than {TEST_TIME_LIMIT} s")


def main(args):
    exe = args.exe.resolve()
    if not exe.is_file():
        print(f"e2e: {exe} is not built", file=sys.stderr)
        return 2
    tests = collect(args.k)
    if not tests:
        print("e2e: no test matches", file=sys.stderr)
        return 2

    artifacts = args.artifacts.resolve()
    shutil.rmtree(artifacts, ignore_errors=True)
    artifacts.mkdir(parents=True)
    mouse_dlls = exe.parent / "e2e"
    signal.signal(signal.SIGALRM, on_alarm)
    # Stopped from outside (CI's timeout): still end Wine and the X server.
    signal.signal(signal.SIGTERM, lambda signum, frame: sys.exit(128 + signum))

    display = VirtualDisplay()
    prefix = WinePrefix(args.prefix.resolve(), display.name)
    passed = failed = 0
    try:
        started = time.monotonic()
        prefix.create()
        print(f"e2e: display {display.name}, Wine prefix {prefix.path} ready in "
              f"{time.monotonic() - started:.1f} s", flush=True)
        desktop = Desktop(display.name)
        for name, function in tests:
            if run_one(name, function, exe, prefix, desktop, artifacts, mouse_dlls):
                passed += 1
            else:
                failed += 1
    finally:
        prefix.kill()
        display.close()
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


def parse_arguments():
    build = REPO / "build"
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--exe", type=Path, default=build / "win64" / "TX80.exe")
    parser.add_argument("--prefix", type=Path, default=build / "e2e" / "wineprefix")
    parser.add_argument("--artifacts", type=Path, default=build / "e2e-artifacts",
                        help="screenshots and the programs' output")
    parser.add_argument("-k", metavar="TEXT", help="only the tests whose name contains TEXT")
    return parser.parse_args()


if __name__ == "__main__":
    sys.exit(main(parse_arguments()))
