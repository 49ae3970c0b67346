"""Start, single instance and close of the program."""

CHINESE = "TX80_KARVO 宏编程电竞鼠标"
ENGLISH = "TX80_KARVO GAMING MOUSE"
ABOUT = "About TX80_KARVO"


def test_chinese_caption_without_config(t):
    t.remove("config.ini")
    program = t.launch()
    t.wait_for_window(CHINESE, process=program)
    t.screenshot("window")
    assert not t.desktop.windows(ENGLISH)


def test_english_caption_with_ver_sel(t):
    t.set_ini("config.ini", "Init", "VER_SEL", "1")
    program = t.launch()
    t.wait_for_window(ENGLISH, process=program)
    assert not t.desktop.windows(CHINESE)


def test_second_start_leaves_one_window(t):
    t.set_ini("config.ini", "Init", "VER_SEL", "1")
    first = t.launch()
    t.wait_for_window(ENGLISH, process=first)
    second = t.launch()
    assert t.wait_exit(second) == 0
    assert len(t.desktop.windows(ENGLISH)) == 1
    assert not t.desktop.windows(CHINESE)
    assert first.poll() is None, "the first copy ended"


def test_about_box_from_system_menu(t):
    t.set_ini("config.ini", "Init", "VER_SEL", "1")
    program = t.launch()
    window = t.wait_for_window(ENGLISH, process=program)
    # The system menu's last item is the about box.
    t.desktop.key(window, "alt+space")
    t.desktop.key(window, "Up", "Return")
    about = t.wait_for_window(ABOUT, timeout=20)
    t.screenshot("about")
    t.desktop.key(about, "Return")
    t.desktop.wait_until_gone(ABOUT)
    assert t.desktop.windows(ENGLISH) and program.poll() is None


def test_alt_f4_ends_program_and_restores_pointer_speed(t):
    t.prefix.run(["reg", "add", r"HKCU\Control Panel\Mouse", "/v", "MouseSensitivity", "/d", "3", "/f"])
    t.set_ini("config.ini", "Init", "VER_SEL", "1")
    program = t.launch()
    window = t.wait_for_window(ENGLISH, process=program)
    t.desktop.key(window, "alt+F4")
    assert t.wait_exit(program) == 0
    assert not t.desktop.windows(ENGLISH)
    speed = t.prefix.run(["reg", "query", r"HKCU\Control Panel\Mouse", "/v", "MouseSensitivity"])
    assert speed.split()[-1] == "10", speed
