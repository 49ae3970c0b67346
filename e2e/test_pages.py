"""The three pages under Wine: clicks on the elements the shipped skin lays
out, what the mouse and config.ini then hold, and a screenshot of each page in
both languages (saved as artifacts for a person to look at)."""

import time

ENGLISH = "TX80_KARVO GAMING MOUSE"
CHINESE = "TX80_KARVO 宏编程电竞鼠标"

# Layout files of the pages, by language.
SKINS = {
    "en": {"main": "skins/INI_EN/skin_main_en.ini", "advanced": "skins/INI_EN/skin_advance_en.ini",
           "color": "skins/INI_EN/skin_color_en.ini"},
    "cn": {"main": "skins/INI_CN/skin_main.ini", "advanced": "skins/INI_CN/skin_advance.ini",
           "color": "skins/INI_CN/skin_color.ini"},
}
TABS = {"main": 9, "advanced": 10, "color": 11}  # main elements
APPLY, PROFILE_3 = 3, 6
APPLY_REPORTS = 10  # seven buttons, wheel, DPI/LED, fire time
PAINT_WAIT = 1  # seconds for a page to be drawn before its screenshot


class Window:
    """The program's main window, clicked where its skin puts an element."""

    def __init__(self, t, language, process):
        self.t = t
        self.skins = SKINS[language]
        self.id = t.wait_for_window(ENGLISH if language == "en" else CHINESE, process=process)

    def centre(self, page, element):
        value = self.t.read_ini(self.skins[page], "BUTTONPOS", str(element))
        assert value, f"element {element} of the {page} page is not in the skin"
        x, y, width, height = (int(v) for v in value.split(",")[1:5])
        return x + width // 2, y + height // 2

    def click(self, page, element, x=None):
        cx, cy = self.centre(page, element)
        self.t.desktop.click(self.id, cx if x is None else x, cy)

    def show(self, page):
        self.click("main", TABS[page])


def start(t, language):
    t.set_ini("config.ini", "Init", "VER_SEL", "1" if language == "en" else "0")
    t.set_ini("config.ini", "Init", "CurConfig", "1")
    program = t.launch(mouse=True)
    control = t.mouse(program)
    control.wait_for_reports(APPLY_REPORTS)  # the start sequence's apply
    window = Window(t, language, program)
    control.clear()
    return window, control


def wait_for_ini(t, section, key, value, timeout=10):
    """The apply saves the profile into its own section last, after the reports."""
    deadline = time.monotonic() + timeout
    while t.read_ini("config.ini", section, key) != value:
        assert time.monotonic() < deadline, \
            f"[{section}] {key} is {t.read_ini('config.ini', section, key)!r}, not {value!r}"
        time.sleep(0.1)


def test_profile_three_then_apply(t):
    window, control = start(t, "en")
    window.click("main", PROFILE_3)
    window.click("main", APPLY)
    reports = control.wait_for_reports(APPLY_REPORTS)
    assert len(reports) == APPLY_REPORTS and all(r.startswith("07 10") for r in reports[:7]), reports
    # [Init] and [Config6] are written before the reports are sent.
    assert t.read_ini("config.ini", "Init", "CurConfig") == "3"
    for key in ("K4", "K5", "DPI_LEVEL", "LED_STATUS", "FIRE_TIME"):
        assert t.read_ini("config.ini", "Config6", key) == t.read_ini("config.ini", "Config3", key), key
    fire = int(t.read_ini("config.ini", "Config3", "FIRE_TIME"))
    assert control.state()["fire"] == str(fire // 8), control.state()


def test_edits_on_every_page_reach_the_mouse_and_config(t):
    t.set_ini("config.ini", "Config1", "DPI_SET3", "4")
    t.set_ini("config.ini", "Config1", "FIRE_TIME", "50")
    t.set_ini("config.ini", "Config1", "LED_STATUS", "0")
    window, control = start(t, "en")
    window.click("main", 73)  # level 3, step 3: 2000 dpi
    time.sleep(PAINT_WAIT)
    t.screenshot("en-main")
    window.show("advanced")
    window.click("advanced", 31)  # fire time +1
    time.sleep(PAINT_WAIT)
    t.screenshot("en-advanced")
    # The steady LED mode lies where the main page has a button element: it
    # changes only if the color page is shown.
    window.show("color")
    window.click("color", 2)
    time.sleep(PAINT_WAIT)
    t.screenshot("en-color")
    window.click("main", APPLY)
    control.wait_for_reports(APPLY_REPORTS)
    wait_for_ini(t, "Config1", "FIRE_TIME", "51")
    assert t.read_ini("config.ini", "Config1", "DPI_SET3") == "3"
    assert t.read_ini("config.ini", "Config1", "LED_STATUS") == "2"
    state = control.state()
    assert (state["led"], state["fire"]) == ("2", str(51 // 8)), state


def test_chinese_pages(t):
    window, _ = start(t, "cn")
    for page in ("main", "advanced", "color"):
        window.show(page)
        time.sleep(PAINT_WAIT)
        t.screenshot(f"cn-{page}")
