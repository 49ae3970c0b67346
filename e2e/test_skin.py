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
