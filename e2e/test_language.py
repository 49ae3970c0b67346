"""The language elements switch the whole interface at once: caption, texts of
the page, the tray menu, and the language of the next start."""

import time

from picture import pixels
from test_tray import CHINESE, ENGLISH, TRAY_ELEMENT, choose, element_centre, open_tray_menu

CHINESE_LAYOUT = "skins/INI_CN/skin_main.ini"
ENGLISH_LAYOUT = "skins/INI_EN/skin_main_en.ini"
ENGLISH_ELEMENT = 18
BUTTON_ONE = 25  # its text is the name of slot 1's function


def tray_menu_width(t, window, caption, layout, label):
    """Hides to the tray, opens the tray menu, shows the window again by its
    first item; the menu's width."""
    trays_before = t.desktop.windows_of("explorer.exe")
    t.desktop.click(window, *element_centre(t, layout, TRAY_ELEMENT))
    t.desktop.wait_until_gone(caption)
    tray = t.desktop.wait_for_window_of("explorer.exe", excluding=trays_before)
    menu = open_tray_menu(t, tray)
    choose(t, menu, 0, label)
    return menu[2], t.wait_for_window(caption, timeout=20)


def button_text_pixels(t, window, layout):
    x, y, _, _ = t.desktop.geometry(window)
    fields = t.read_ini(layout, "BUTTONPOS", str(BUTTON_ONE)).split(",")
    left, top, width, height = (int(v) for v in fields[1:5])
    shot = t.screenshot(f"button-{layout.split('/')[1]}")
    return pixels(shot, x + left, y + top, width, height)


def test_english_element_switches_the_interface_and_the_next_start(t):
    t.set_ini("config.ini", "Init", "VER_SEL", "0")
    program = t.launch(mouse=True)
    window = t.wait_for_window(CHINESE, process=program)
    chinese_width, window = tray_menu_width(t, window, CHINESE, CHINESE_LAYOUT, "tray-menu-cn")
    time.sleep(0.5)
    chinese_text = button_text_pixels(t, window, CHINESE_LAYOUT)

    t.desktop.click(window, *element_centre(t, CHINESE_LAYOUT, ENGLISH_ELEMENT))
    window = t.wait_for_window(ENGLISH, timeout=20, process=program)
    assert not t.desktop.windows(CHINESE)
    time.sleep(0.5)
    t.screenshot("english")
    assert button_text_pixels(t, window, ENGLISH_LAYOUT) != chinese_text, "the page still shows the Chinese names"
    assert t.read_ini("config.ini", "Init", "VER_SEL") == "1"
    english_width, window = tray_menu_width(t, window, ENGLISH, ENGLISH_LAYOUT, "tray-menu-en")
    assert english_width > chinese_width, (english_width, chinese_width)

    t.desktop.key(window, "alt+F4")
    assert t.wait_exit(program) == 0
    program = t.launch(mouse=True)
    t.wait_for_window(ENGLISH, process=program)
