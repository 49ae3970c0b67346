"""The driver on a real PC's ordinary days: the mouse unplugged and plugged in
again, a sign-in start before the mouse is there, power events and the end of
the session, and a program folder it cannot write."""

import subprocess
import time

from test_device import APPLY_SEQUENCE, CHINESE, wait_for_apply, write_factory_config
from test_injected_input import DPI_BUTTON, MACRO_BUTTON, VK_A, keys, start_with_macro
from macro_file import DOWN, UP

WM_POWERBROADCAST = 0x0218
WM_ENDSESSION = 0x0016
PBT_APMPOWERSTATUSCHANGE = 0x000A
PBT_APMRESUMEAUTOMATIC = 0x0012
DPI_DOWN_AT_LEVEL_0 = "07 09 00 90 00 00 00 00"


def wait_for(condition, what, timeout=20):
    deadline = time.monotonic() + timeout
    while not condition():
        assert time.monotonic() < deadline, what
        time.sleep(0.05)


def plug_and_wait_for_apply(control, factory=True):
    """Plugs the mouse in and waits for the ten reports of an apply (those of
    the factory profile, unless `factory` is false)."""
    control.clear()
    control.plug()
    if factory:
        return wait_for_apply(None, control)
    reports = control.wait_for_reports(len(APPLY_SEQUENCE))
    assert len(reports) == len(APPLY_SEQUENCE), reports
    return reports


def start_with_the_mouse(t):
    """Starts the program on the factory settings with the mouse plugged in
    and waits until its first apply has reached the mouse and its window shows."""
    write_factory_config(t)
    program = t.launch(mouse=True)
    control = t.mouse(program)
    wait_for_apply(t, control)
    t.wait_for_window(CHINESE, process=program)
    return program, control


def test_unplug_during_a_held_macro_keeps_the_program_and_lets_the_key_go(t):
    spy, control = start_with_macro(t, [(VK_A, DOWN, 400), (VK_A, UP, 10)], hold_mode=True)
    program = t.processes[-1]
    control.press(MACRO_BUTTON)
    wait_for(lambda: spy.events(), "the held macro did not start")
    control.unplug()  # while it repeats, A down for 400 ms of every 410
    seen = spy.wait_until_quiet(2)
    assert keys(seen)[-1] == ("41", False), f"the macro's key stays held: {keys(seen)}"
    time.sleep(1.0)
    assert program.poll() is None, "the program ended when the mouse went"
    assert keys(spy.wait_until_quiet(len(seen))) == keys(seen), "the macro went on playing"
    t.screenshot("unplugged")

    # Plugged in again: the profile is sent once more, and after the start
    # click the buttons work.
    plug_and_wait_for_apply(control, factory=False)
    control.clear()
    control.press(DPI_BUTTON)
    control.release(DPI_BUTTON)  # the start click
    control.press(DPI_BUTTON)
    control.release(DPI_BUTTON)
    assert control.wait_for_reports(1) == [DPI_DOWN_AT_LEVEL_0]
    assert program.poll() is None


def test_fifty_unplug_and_plug_cycles_leak_nothing(t):
    program, control = start_with_the_mouse(t)
    # Let the start-up settle (the blink thread, the first paints).
    time.sleep(2.0)
    start = control.process()
    started = time.monotonic()
    for _ in range(50):
        control.unplug()
        plug_and_wait_for_apply(control)
    end = control.process()
    print(f"     50 cycles in {time.monotonic() - started:.1f} s; start {start}, end {end}", flush=True)
    assert program.poll() is None
    # Wine counts no handles; the slot a new handle takes grows as handles leak.
    assert end["handles"] <= start["handles"] + 5, (start, end)
    assert end["handle_slot"] <= start["handle_slot"] + 5 * 4, (start, end)
    assert end["threads"] <= start["threads"] + 1, (start, end)
    assert end["memory"] <= start["memory"] + 8 * 1024 * 1024, (start, end)


def test_tray_start_without_the_mouse_waits_and_applies_when_it_comes(t):
    write_factory_config(t)
    program = t.launch(mouse=True, args=("/tray",), plugged=False)
    control = t.mouse(program)
    time.sleep(5.0)
    assert program.poll() is None, "the program ended without its mouse"
    assert not t.message_boxes(program), t.message_boxes(program)
    assert control.reports() == []
    t.screenshot("tray-waiting")
    plug_and_wait_for_apply(control)
    assert program.poll() is None


def test_only_a_resume_sends_the_profile_again(t):
    program, control = start_with_the_mouse(t)
    control.clear()
    control.post(WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE)
    time.sleep(1.5)
    assert control.reports() == [], "a battery step sent the profile"
    control.post(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC)
    wait_for_apply(t, control)
    time.sleep(1.5)
    assert len(control.reports()) == len(APPLY_SEQUENCE), "the resume applied more than once"


def test_end_of_session_sends_the_close_command(t):
    program, control = start_with_the_mouse(t)
    control.clear()
    control.post(WM_ENDSESSION, 1)
    assert control.wait_for_reports(1) == ["07 20 00 00 00 00 00 00"]


def test_read_only_program_folder_keeps_settings_in_application_data(t):
    write_factory_config(t)
    shipped = (t.dir / "config.ini").read_bytes()
    for dll in t.mouse_dlls.glob("*.dll"):  # copied by launch: copy them first, while the folder is writable
        (t.dir / dll.name).write_bytes(dll.read_bytes())
    # Immutable: not even root (the stage's user) can make a file in it.
    subprocess.run(["chattr", "+i", str(t.dir)], check=True)
    try:
        program = t.launch(mouse=True)
        control = t.mouse(program)
        wait_for_apply(t, control)
        t.wait_for_window(CHINESE, process=program)
        assert (t.dir / "config.ini").read_bytes() == shipped
        found = list(t.prefix.path.glob("drive_c/users/*/AppData/Roaming/TX80/config.ini"))
        assert found, "no config.ini in the user's application data"
        wait_for(lambda: "[Config6]" in found[0].read_text(errors="replace"), "the apply was not recorded there")
        assert not t.message_boxes(program), t.message_boxes(program)
    finally:
        subprocess.run(["chattr", "-i", str(t.dir)], check=True)
