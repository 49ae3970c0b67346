"""Giving a button its function under Wine: the assignment list below a button
element, the sub-list of a group beside it, the warning before the last left
click goes; what config.ini and the mouse hold after the apply, and
screenshots of the open lists and of the warning (artifacts to look at)."""

import subprocess
import time

import picture
from test_pages import APPLY, APPLY_REPORTS, start, wait_for_ini

PROGRAM = "TX80.exe"
ROW = 26                  # the shipped lists' row height
LIST_WIDTH = 160
SUB_LIST_WIDTH = 180
WARNING_SIZE = (380, 180)
SHOW_WAIT = 1             # seconds for a list to be drawn before its screenshot
FACTORY_BUTTONS = {"K1": "1", "K2": "2", "K3": "3", "K4": "5", "K5": "4", "K6": "18", "K7": "17"}


def element(window, number):
    """(x, y, width, height) of a main page element, in the main window."""
    value = window.t.read_ini(window.skins["main"], "BUTTONPOS", str(number))
    return tuple(int(v) for v in value.split(",")[1:5])


def list_origin(window, number):
    """Where the list of button element `number` opens, in the main window."""
    x, y, _, height = element(window, number)
    return x, y + height


def captionless_windows(t):
    """The program's visible windows without a caption: the sub-list, the warning."""
    return t.desktop.windows("", program=PROGRAM)


def wait_for_captionless(t, timeout=20):
    deadline = time.monotonic() + timeout
    while not captionless_windows(t):
        assert time.monotonic() < deadline, "no captionless window of the program appeared"
        time.sleep(0.2)
    return captionless_windows(t)[0]


def wait_for_warning(t, timeout=20):
    """The warning: the captionless window of its mask's size (a sub-list
    closed by the same click may still be listed for a moment)."""
    deadline = time.monotonic() + timeout
    while True:
        for window in captionless_windows(t):
            try:
                if t.desktop.geometry(window)[2:] == WARNING_SIZE:
                    return window
            except subprocess.CalledProcessError:
                pass  # gone between the listing and the question
        assert time.monotonic() < deadline, "no warning appeared"
        time.sleep(0.2)


def wait_until_no_captionless(t, timeout=20):
    deadline = time.monotonic() + timeout
    while captionless_windows(t):
        assert time.monotonic() < deadline, "a captionless window of the program stayed open"
        time.sleep(0.2)


def shot(t, label, x, y, width, height):
    """A screenshot, and the rectangle (screen coordinates) cut out of it."""
    screen = t.screenshot(label)
    return picture.crop(screen, t.artifacts / f"{t.name}-{label}-crop.png", x, y, width, height)


def open_group(t, window, number, row):
    """Clicks button element `number`, rests on list row `row` and waits for
    its sub-list; returns the list's origin in the main window."""
    window.click("main", number)
    t.wait_for_window("MainMenuDlg")
    lx, ly = list_origin(window, number)
    t.desktop.move_pointer(window.id, lx + LIST_WIDTH // 2, ly + (row - 1) * ROW + ROW // 2)
    wait_for_captionless(t)
    time.sleep(SHOW_WAIT)
    return lx, ly


def set_buttons(t, buttons):
    for key, value in buttons.items():
        t.set_ini("config.ini", "Config1", key, value)


def test_function_from_a_group_is_stored_and_reaches_the_mouse(t):
    set_buttons(t, FACTORY_BUTTONS)
    window, control = start(t, "en")
    lx, ly = open_group(t, window, 28, 10)  # button 4, the shortcuts
    wx, wy, _, _ = t.desktop.geometry(window.id)
    shot(t, "list-en", wx + lx, wy + ly - ROW, LIST_WIDTH + SUB_LIST_WIDTH + 20, 11 * ROW + 20)
    # The sub-list of row 10 starts level with the list; its first row is Ctrl+C.
    t.desktop.click(window.id, lx + LIST_WIDTH + SUB_LIST_WIDTH // 2, ly + ROW // 2)
    t.desktop.wait_until_gone("MainMenuDlg")
    wait_until_no_captionless(t)
    time.sleep(SHOW_WAIT)
    shot(t, "assigned-en", wx + lx - 10, wy + ly - 2 * ROW, 2 * LIST_WIDTH, 3 * ROW)

    window.click("main", APPLY)
    control.wait_for_reports(APPLY_REPORTS)
    wait_for_ini(t, "Config1", "K4", "31")
    assert t.read_ini("config.ini", "Config6", "K4") == "31"
    # Button 4 is the mouse's button 5; the program performs Ctrl+C, so the
    # mouse reports that button.
    assert control.state()["button 5"] == "31", control.state()


def test_warning_before_the_last_left_click_and_cancel_changes_nothing(t):
    set_buttons(t, FACTORY_BUTTONS)
    window, control = start(t, "en")
    window.click("main", 25)  # button 1 holds the only left click
    warning = wait_for_warning(t)
    x, y, width, height = t.desktop.geometry(warning)
    wx, wy, _, _ = t.desktop.geometry(window.id)
    assert (x - wx, y - wy) == list_origin(window, 25), (x - wx, y - wy)
    time.sleep(SHOW_WAIT)
    shot(t, "warning-en", x, y, width, height)
    # The mask cuts the corner off: there the pointer reaches what lies below.
    assert t.desktop.window_at(x + 2, y + 2) != warning
    assert t.desktop.window_at(x + width // 2, y + height // 2) == warning

    t.desktop.key(warning, "Return")  # Enter does not answer
    time.sleep(SHOW_WAIT)
    assert captionless_windows(t) == [warning]
    cancel = t.read_ini("skins/INI_EN/LBWarning_en.ini", "BUTTONPOS", "1")
    cx, cy, cw, ch = (int(v) for v in cancel.split(",")[1:5])
    t.desktop.click(warning, cx + cw // 2, cy + ch // 2)
    wait_until_no_captionless(t)
    time.sleep(SHOW_WAIT)
    assert not t.desktop.windows("MainMenuDlg"), "a list opened after Cancel"

    window.click("main", APPLY)
    control.wait_for_reports(APPLY_REPORTS)
    wait_for_ini(t, "Config6", "K1", "1")
    for key, value in FACTORY_BUTTONS.items():
        assert t.read_ini("config.ini", "Config1", key) == value, key
    assert control.state()["button 1"] == "1", control.state()


def test_chinese_lists_and_warning(t):
    set_buttons(t, FACTORY_BUTTONS)
    window, _ = start(t, "cn")
    lx, ly = open_group(t, window, 27, 9)  # button 3, the macros
    wx, wy, _, _ = t.desktop.geometry(window.id)
    shot(t, "list-cn", wx + lx, wy + ly - 3 * ROW, LIST_WIDTH + SUB_LIST_WIDTH + 20, 13 * ROW + 20)
    window.click("main", 25)  # closes the lists, then asks
    warning = wait_for_warning(t)
    deadline = time.monotonic() + 20
    while captionless_windows(t) != [warning]:
        assert time.monotonic() < deadline, "the sub-list stayed open"
        time.sleep(0.2)
    time.sleep(SHOW_WAIT)
    x, y, width, height = t.desktop.geometry(warning)
    shot(t, "warning-cn", x, y, width, height)
    t.desktop.key(warning, "Escape")
    wait_until_no_captionless(t)
    assert not t.desktop.windows("MainMenuDlg")
