"""What the software driver injects, seen from outside the program: the input
spy's hooks, in the same Wine session, record every key TX80.exe sends while
the emulated mouse's buttons are pressed."""

import time

import macro_file
from macro_file import DOWN, UP
from test_device import APPLY_SEQUENCE, write_factory_config

MACRO_BUTTON = 5  # slot 4, given macro 0
DPI_BUTTON = 6    # slot 6: DPI down in the factory profile
VK_A, VK_B = 0x41, 0x42


def start_with_macro(t, events, hold_mode):
    """The factory profile with macro 0 (`events`) on slot 4, the spy watching,
    and the driver active after its start click."""
    write_factory_config(t)
    t.set_ini("config.ini", "Init", "VER_SEL", "1")  # English: Macro_EN.dat
    t.set_ini("config.ini", "Config1", "K4", "41")
    t.set_ini("config.ini", "Config1", "MACRO_MODE2", "1" if hold_mode else "0")
    macro_file.write(t.dir / "Macro_EN.dat", [macro_file.encode("spy", events)])
    spy = t.spy()
    program = t.launch(mouse=True)
    control = t.mouse(program)
    control.wait_for_reports(len(APPLY_SEQUENCE))
    # While waiting, the press is dropped and its release is the start click.
    control.press(DPI_BUTTON)
    control.release(DPI_BUTTON)
    return spy, control


def keys(events):
    return [(event.code, event.down) for event in events]


def test_macro_gaps_are_never_shorter_than_recorded(t):
    delays = [30, 20, 50, 10, 30, 25, 15, 40, 20, 5]
    recorded = [(VK_A if k % 4 < 2 else VK_B, DOWN if k % 2 == 0 else UP, delay) for k, delay in enumerate(delays)]
    spy, control = start_with_macro(t, recorded, hold_mode=False)
    control.press(MACRO_BUTTON)
    control.release(MACRO_BUTTON)
    seen = spy.wait_until_quiet(len(recorded))
    assert keys(seen) == [(f"{code:02X}", action == DOWN) for code, action, _ in recorded], keys(seen)
    gaps = [later.time_ms - earlier.time_ms for earlier, later in zip(seen, seen[1:])]
    print("     gaps (ms) against delays: " +
          ", ".join(f"{gap:.1f}/{delay}" for gap, delay in zip(gaps, delays)), flush=True)
    short = [(k, round(gap, 2), delays[k]) for k, gap in enumerate(gaps) if gap < delays[k] - 1]
    assert not short, f"gaps (event, ms, recorded) shorter than recorded by more than 1 ms: {short}"


def test_held_macro_after_a_dpi_click_repeats_until_released(t):
    spy, control = start_with_macro(t, [(VK_A, DOWN, 15), (VK_A, UP, 15)], hold_mode=True)
    control.clear()
    # A button that plays nothing, released as a hand does, once its function
    # is done (level 0 saved); in hold mode that release is a stop that must
    # not reach the next macro.
    control.press(DPI_BUTTON)
    control.wait_for_reports(1)
    deadline = time.monotonic() + 10
    while t.read_ini("config.ini", "Config1", "DPI_LEVEL") != "0":
        assert time.monotonic() < deadline, "DPI_LEVEL 0 not saved"
        time.sleep(0.05)
    time.sleep(0.2)
    control.release(DPI_BUTTON)
    time.sleep(0.2)
    control.press(MACRO_BUTTON)
    held_from = time.monotonic()
    time.sleep(1.0)
    control.release(MACRO_BUTTON)
    held_ms = (time.monotonic() - held_from) * 1000
    seen = spy.wait_until_quiet(2)
    print(f"     held {held_ms:.0f} ms: {len(seen)} key events, {held_ms / 15:.0f} at the recorded pace",
          flush=True)
    assert keys(seen) == [("41", k % 2 == 0) for k in range(len(seen))], keys(seen)
    assert not seen[-1].down, "the macro's key is still held"
    # Wine lengthens gaps (its timers wake late, each injection waits for the
    # spy's hook), never shortens them by more than 1 ms.
    assert held_ms / 15 / 3 <= len(seen) <= held_ms / 14 + 2, f"{len(seen)} key events for {held_ms:.0f} ms held"
