"""What the program offers beyond its window: the start at sign-in into the
notification area, the entry in the sign-in start list, the on-screen display
of changes made with the mouse's buttons, and the profiles that programs in
front select."""

import time

from test_device import APPLY_SEQUENCE, wait_for_apply, write_factory_config
from test_tray import choose, open_tray_menu

CHINESE = "TX80_KARVO 宏编程电竞鼠标"
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
NOTEPAD = "Untitled - Notepad"


def run_value(t):
    """The program's entry in the sign-in start list; None when there is none."""
    try:
        out = t.prefix.run(["reg", "query", RUN_KEY, "/v", "TX80"])
    except Exception:  # noqa: BLE001 - reg fails on a missing value
        return None
    for line in out.splitlines():
        if line.strip().startswith("TX80"):
            return line.split("REG_SZ", 1)[1].strip()
    return None


def remove_run_value(t):
    """The prefix is shared by every test: no entry may outlive this one."""
    try:
        t.prefix.run(["reg", "delete", RUN_KEY, "/v", "TX80", "/f"])
    except Exception:  # noqa: BLE001 - already gone
        pass


def wait_for_report(control, report, timeout=20):
    deadline = time.monotonic() + timeout
    while report not in control.reports():
        assert time.monotonic() < deadline, f"{report} not sent: {control.reports()}"
        time.sleep(0.1)


def test_tray_start_shows_no_window_and_the_buttons_work(t):
    write_factory_config(t)
    program = t.launch(mouse=True, args=["/tray"])
    control = t.mouse(program)
    wait_for_apply(t, control)
    time.sleep(1)
    t.screenshot("tray-start")
    assert not t.desktop.windows(CHINESE), "the main window is shown"
    control.clear()
    control.press(6)
    control.release(6)  # the start click
    control.press(6)  # DPI down: level 1 to level 0, step 1, LED mode 0
    control.release(6)
    assert control.wait_for_reports(1) == ["07 09 00 90 00 00 00 00"]
    assert program.poll() is None


def test_a_moved_program_rewrites_its_run_value(t):
    t.prefix.run(["reg", "add", RUN_KEY, "/v", "TX80", "/d", r'"C:\Old folder\TX80.exe" /tray', "/f"])
    try:
        write_factory_config(t)
        program = t.launch(mouse=True)
        wait_for_apply(t, t.mouse(program))
        inside = (t.dir / "TX80.exe").relative_to(t.prefix.drive_c())
        expected = '"C:\\' + str(inside).replace("/", "\\") + '" /tray'
        deadline = time.monotonic() + 20
        while run_value(t) != expected:
            assert time.monotonic() < deadline, f"the entry is {run_value(t)!r}, not {expected!r}"
            time.sleep(0.25)
    finally:
        remove_run_value(t)


def test_no_run_value_is_made_without_the_user(t):
    write_factory_config(t)
    program = t.launch(mouse=True)
    wait_for_apply(t, t.mouse(program))
    t.wait_for_window(CHINESE, process=program)
    assert run_value(t) is None


def test_on_screen_display_after_a_dpi_press(t):
    write_factory_config(t)
    program = t.launch(mouse=True)
    control = t.mouse(program)
    wait_for_apply(t, control)
    t.wait_for_window(CHINESE, process=program)
    control.press(8)
    control.release(8)  # the start click
    control.press(8)  # DPI up: level 1 to level 2, step 4: 2400 dpi
    control.release(8)
    shown = t.desktop.wait_for_window("DPI 2400", timeout=10)
    t.screenshot("on-screen-display")
    x, y, width, height = t.desktop.geometry(shown)
    assert width < 400 and height < 150, (width, height)
    t.desktop.wait_until_gone("DPI 2400", timeout=2)


def test_on_screen_display_switched_off_in_options(t):
    write_factory_config(t)
    t.set_ini("config.ini", "Options", "ON_SCREEN_DISPLAY", "0")
    program = t.launch(mouse=True)
    control = t.mouse(program)
    wait_for_apply(t, control)
    control.press(8)
    control.release(8)
    control.clear()
    control.press(8)
    control.release(8)
    control.wait_for_reports(1)
    time.sleep(1)
    assert not t.desktop.windows("DPI 2400")


def test_notepad_in_front_selects_its_profile_and_leaving_it_returns(t):
    write_factory_config(t)
    t.set_ini("config.ini", "Config2", "FIRE_TIME", "160")  # 07 12 14: profile 2 at the mouse
    t.set_ini("config.ini", "AppProfiles", "notepad.exe", "2")
    program = t.launch(mouse=True, args=["/tray"])  # no window shown: switching never waits
    control = t.mouse(program)
    wait_for_apply(t, control)
    control.clear()

    t.start_other("notepad")
    notepad = t.wait_for_window(NOTEPAD)
    wait_for_report(control, "07 12 14 00 00 00 00 00")
    assert t.read_ini("config.ini", "Init", "CurConfig") == "2"

    control.clear()
    t.desktop.key(notepad, "alt+F4")
    t.desktop.wait_until_gone(NOTEPAD)
    wait_for_report(control, "07 12 06 00 00 00 00 00")  # profile 1 again
    assert t.read_ini("config.ini", "Init", "CurConfig") == "1"
    assert len(control.reports()) == len(APPLY_SEQUENCE)


# The driver's options in the tray menu, after Show Window and Exit Driver.
START_WITH_WINDOWS, ON_SCREEN_DISPLAY, GAME_PROFILES = 2, 3, 4
EXIT_DRIVER = 1


def tray_start(t, language=0):
    """Starts the program at sign-in into the notification area, in `language`
    (1 English, 0 Chinese); returns (process, mouse control, Wine's tray window)."""
    write_factory_config(t)
    t.set_ini("config.ini", "Init", "VER_SEL", str(language))
    trays_before = t.desktop.windows_of("explorer.exe")
    program = t.launch(mouse=True, args=["/tray"])
    control = t.mouse(program)
    wait_for_apply(t, control)
    tray = t.desktop.wait_for_window_of("explorer.exe", excluding=trays_before)
    return program, control, tray


def wait_for(what, condition, timeout=20):
    deadline = time.monotonic() + timeout
    while not condition():
        assert time.monotonic() < deadline, what
        time.sleep(0.25)


def test_start_with_windows_from_the_tray_menu(t):
    inside = (t.dir / "TX80.exe").relative_to(t.prefix.drive_c())
    expected = '"C:\\' + str(inside).replace("/", "\\") + '" /tray'
    try:
        for language in (1, 0):
            name = "en" if language else "cn"
            program, _, tray = tray_start(t, language)
            assert run_value(t) is None
            choose(t, open_tray_menu(t, tray), START_WITH_WINDOWS, f"options-{name}-unchecked")
            wait_for(f"no Run value: {run_value(t)!r}", lambda: run_value(t) == expected)
            # Shown again, the item carries its check mark (and the display's, on by default).
            choose(t, open_tray_menu(t, tray), START_WITH_WINDOWS, f"options-{name}-checked")
            wait_for(f"the Run value stays: {run_value(t)!r}", lambda: run_value(t) is None)
            choose(t, open_tray_menu(t, tray), EXIT_DRIVER, f"options-{name}-exit")
            assert t.wait_exit(program) == 0
    finally:
        remove_run_value(t)


def test_on_screen_display_item_switches_it_off_and_on(t):
    program, control, tray = tray_start(t)
    control.press(8)
    control.release(8)  # the start click

    choose(t, open_tray_menu(t, tray), ON_SCREEN_DISPLAY, "display-on")
    wait_for("not switched off", lambda: t.read_ini("config.ini", "Options", "ON_SCREEN_DISPLAY") == "0")
    control.clear()
    control.press(8)  # DPI up: level 1 to level 2, 2400 dpi
    control.release(8)
    control.wait_for_reports(1)
    time.sleep(1)
    assert not t.desktop.windows("DPI 2400")

    choose(t, open_tray_menu(t, tray), ON_SCREEN_DISPLAY, "display-off")
    wait_for("not switched on", lambda: t.read_ini("config.ini", "Options", "ON_SCREEN_DISPLAY") == "1")
    control.press(6)  # DPI down: back to level 1, 1600 dpi
    control.release(6)
    t.desktop.wait_for_window("DPI 1600", timeout=10)
    assert program.poll() is None


def test_game_profiles_item_opens_the_dialog(t):
    for language, caption in ((1, "Game profiles"), (0, "游戏配置")):
        program, _, tray = tray_start(t, language)
        choose(t, open_tray_menu(t, tray), GAME_PROFILES, f"game-profiles-{language}")
        dialog = t.wait_for_window(caption, timeout=20, process=program)
        time.sleep(0.5)
        t.screenshot(f"game-profiles-dialog-{language}")
        t.desktop.key(dialog, "Escape")
        t.desktop.wait_until_gone(caption)
        choose(t, open_tray_menu(t, tray), EXIT_DRIVER, f"game-profiles-exit-{language}")
        assert t.wait_exit(program) == 0
