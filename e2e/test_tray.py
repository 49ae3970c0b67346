"""Hiding the window to the notification area and coming back, or ending the
driver, through the owner-drawn tray menu.

Without a system tray on the X display Wine shows its own tray window (of
explorer.exe), with the program's icon in its top-left corner. The window is
hidden by the tray element of the main page (element 13), which needs the
main window's click dispatch."""

import subprocess
import time

ENGLISH = "TX80_KARVO GAMING MOUSE"
CHINESE = "TX80_KARVO 宏编程电竞鼠标"
TRAY_ELEMENT = 13
ICON_CENTRE = (10, 10)  # of the tray window's client area: the first icon, 16 pixels and a 2-pixel border
MENU_ITEM_HEIGHT = 20  # as the program measures its items
MENU_ITEMS = 7  # Show Window, Exit Driver, then the driver's options and the settings backup


def element_centre(t, layout, element):
    """The centre of an element of the main page, from the skin's layout."""
    fields = t.read_ini(layout, "BUTTONPOS", str(element)).split(",")
    x, y, width, height = (int(v) for v in fields[1:5])
    return x + width // 2, y + height // 2


def hide_to_tray(t, language):
    """Starts the program in `language` (1 English, 0 Chinese), hides it with the
    tray element and returns (process, caption, Wine's tray window)."""
    caption, layout = (ENGLISH, "skins/INI_EN/skin_main_en.ini") if language else (CHINESE, "skins/INI_CN/skin_main.ini")
    t.set_ini("config.ini", "Init", "VER_SEL", str(language))
    program = t.launch(mouse=True)
    window = t.wait_for_window(caption, process=program)
    trays_before = t.desktop.windows_of("explorer.exe")
    t.desktop.click(window, *element_centre(t, layout, TRAY_ELEMENT))
    t.desktop.wait_until_gone(caption)
    tray = t.desktop.wait_for_window_of("explorer.exe", excluding=trays_before)
    assert program.poll() is None, "the driver ended with its window"
    return program, caption, tray


def open_tray_menu(t, tray):
    """Right-clicks the icon; returns the menu's (x, y, width, height) on the screen."""
    t.desktop.click(tray, *ICON_CENTRE, button=3)
    menu = t.desktop.wait_for_window_of("TX80.exe")
    return t.desktop.geometry(menu)


def item_centre(menu, index):
    x, y, width, height = menu
    border = (height - MENU_ITEMS * MENU_ITEM_HEIGHT) // 2
    return x + width // 2, y + border + index * MENU_ITEM_HEIGHT + MENU_ITEM_HEIGHT // 2


def choose(t, menu, index, label):
    """Rests on an item, so that the screenshot shows it selected (and a second
    one, the menu alone, three times larger), then clicks it."""
    t.desktop.move_to(*item_centre(menu, index))
    time.sleep(0.5)
    screen = t.screenshot(label)
    x, y, width, height = menu
    subprocess.run(["convert", str(screen), "-crop", f"{width + 8}x{height + 8}+{max(x - 4, 0)}+{max(y - 4, 0)}",
                    "-scale", "300%", str(screen.with_name(screen.stem + "-menu.png"))], timeout=60, check=True)
    t.desktop.click_at(*item_centre(menu, index))


def test_show_window_from_the_tray_menu(t):
    for language in (1, 0):
        program, caption, tray = hide_to_tray(t, language)
        menu = open_tray_menu(t, tray)
        assert menu[3] >= MENU_ITEMS * MENU_ITEM_HEIGHT, menu
        choose(t, menu, 0, f"tray-menu-{'en' if language else 'cn'}")
        t.wait_for_window(caption, timeout=20, process=program)
        deadline = time.monotonic() + 10
        while tray in t.desktop.windows_of("explorer.exe"):  # the last icon gone, Wine hides its tray
            assert time.monotonic() < deadline, "the tray icon is still there"
            time.sleep(0.25)
        t.desktop.key(t.wait_for_window(caption), "alt+F4")
        assert t.wait_exit(program) == 0


def test_exit_driver_from_the_tray_menu_ends_the_program(t):
    program, caption, tray = hide_to_tray(t, 1)
    menu = open_tray_menu(t, tray)
    choose(t, menu, 1, "exit-selected")
    assert t.wait_exit(program) == 0
    assert not t.desktop.windows(caption)
