"""The window takes the outline of the shipped mask picture."""

ENGLISH = "TX80_KARVO GAMING MOUSE"


def test_window_takes_the_outline_of_the_mask(t):
    t.set_ini("config.ini", "Init", "VER_SEL", "1")
    program = t.launch(mouse=True)
    window = t.wait_for_window(ENGLISH, process=program)
    x, y, width, height = t.desktop.geometry(window)
    assert (width, height) == (900, 540), (width, height)
    t.screenshot("outline")
    inside = t.desktop.window_at(x + width // 2, y + height // 2)
    # The shipped mask cuts the top-left and bottom-right corners off diagonally:
    # their very corner pixels are holes, and a click there reaches what lies below.
    for corner in ((x + 2, y + 2), (x + width - 3, y + height - 3)):
        assert t.desktop.window_at(*corner) != inside, f"the corner {corner} still belongs to the window"
    assert program.poll() is None



def _expect_rectangular_window_with(t, damage):
    # GDI+ fills the missing part of a damaged picture in without an error; the
    # program refuses the mask and sizes the window by the page picture instead.
    mask = t.dir / "skins" / "main_mask.jpg"
    mask.write_bytes(damage(mask.read_bytes()))
    t.set_ini("config.ini", "Init", "VER_SEL", "1")
    program = t.launch(mouse=True)
    window = t.wait_for_window(ENGLISH, process=program)
    x, y, width, height = t.desktop.geometry(window)
    assert (width, height) == (900, 540), (width, height)
    inside = t.desktop.window_at(x + width // 2, y + height // 2)
    for corner in ((x + 2, y + 2), (x + width - 3, y + height - 3)):
        assert t.desktop.window_at(*corner) == inside, f"the corner {corner} was cut out"
    assert program.poll() is None


def test_a_mask_cut_short_leaves_the_window_rectangular(t):
    _expect_rectangular_window_with(t, lambda whole: whole[: len(whole) // 2])


def test_a_mask_claiming_more_than_it_holds_leaves_the_window_rectangular(t):
    def claim_4096_square(whole):
        frame = whole.find(b"\xff\xc0")  # height and width follow length and precision
        return whole[: frame + 5] + bytes([0x10, 0, 0x10, 0]) + whole[frame + 9:]

    _expect_rectangular_window_with(t, claim_4096_square)


def test_missing_layout_file_ends_the_program_before_the_mouse(t):
    t.prefix.run(["reg", "add", r"HKCU\Control Panel\Mouse", "/v", "MouseSensitivity", "/d", "3", "/f"])
    t.set_ini("config.ini", "Init", "VER_SEL", "1")
    t.set_ini("config.ini", "Config1", "DPI_SPEED", "8")
    t.remove("skins/INI_EN/skin_color_en.ini")
    settings = (t.dir / "config.ini").read_bytes()
    program = t.launch(mouse=True)
    box, text = t.wait_for_message_box(program, caption="TX80_KARVO")
    assert text == "找不到配置文件", text
    t.desktop.key(box, "Return")
    assert t.wait_exit(program) == 0
    assert t.message_boxes(program) == ["找不到配置文件"], t.message_boxes(program)
    assert t.reports_sent() == [], t.reports_sent()
    assert (t.dir / "config.ini").read_bytes() == settings, "config.ini was written: the profile was applied"
    speed = t.prefix.run(["reg", "query", r"HKCU\Control Panel\Mouse", "/v", "MouseSensitivity"])
    assert speed.split()[-1] == "10", speed
