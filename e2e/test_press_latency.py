"""The driver's own cost: press → key at the input spy, for TX80.exe doing a
software shortcut and for the bare path beside it (bare_path.exe: a reader
that injects a key at once), with the same emulated mouse and the same spy.
E2E_LATENCY_PRESSES sets the presses of each (200 for a measurement; the test
command runs a few so that it cannot rot). Prints the figures, judges only
that every press arrived."""

import os
import time

from test_key_strokes import start_with_function

PRESSES = int(os.environ.get("E2E_LATENCY_PRESSES", "10"))
BUTTON = 5  # slot 4


def percentile(values, p):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, round(p * (len(ordered) - 1)))]


def time_presses(spy, control, events_per_press):
    """Press → first key at the spy, ms, for each press."""
    latencies = []
    for _ in range(PRESSES):
        before = len(spy.events())
        pressed = control.press(BUTTON)
        seen = spy.wait_until_quiet(before + events_per_press, quiet=0.05, timeout=10)
        latencies.append(seen[before].time_ms - pressed)
        control.release(BUTTON)
        time.sleep(0.02)  # a hand does not click faster
    return latencies


def figures(latencies):
    return (percentile(latencies, 0.5), percentile(latencies, 0.95), percentile(latencies, 0.99))


def test_driver_against_the_bare_path(t):
    spy = t.spy()
    bare = t.launch(mouse=True, test_program="bare_path.exe")
    bare_control = t.mouse(bare)
    bare_times = time_presses(spy, bare_control, 2)
    bare_control.close()
    t.prefix.kill()  # the spy goes too: a fresh one for the driver

    spy, control = start_with_function(t, 31)  # Ctrl+C: Ctrl goes out first
    driver_times = time_presses(spy, control, 4)

    bare_f, driver_f = figures(bare_times), figures(driver_times)
    print(f"     press -> key at the spy over {PRESSES} presses (ms): median / p95 / p99", flush=True)
    print("     bare path  " + " / ".join(f"{v:.2f}" for v in bare_f), flush=True)
    print("     TX80.exe   " + " / ".join(f"{v:.2f}" for v in driver_f), flush=True)
    print("     difference " + " / ".join(f"{d - b:+.2f}" for b, d in zip(bare_f, driver_f)), flush=True)
