"""The main window paints its page: pictures, element states and texts."""

import time

import picture

ENGLISH = "TX80_KARVO GAMING MOUSE"
CHINESE = "TX80_KARVO 宏编程电竞鼠标"

# Client rectangles (x, y, width, height) of the shipped skin's main elements.
STATUS_LINE = (170, 496, 480, 26)   # element 1
APPLY = (720, 490, 130, 36)         # element 3
IMPORT = (22, 318, 120, 30)         # element 14
EMPTY_SPOT = (5, 300)               # on the window, on no element
PAINT_TIMEOUT = 20  # seconds


def _yellow(pixel):
    r, g, b = pixel
    return r > 180 and g > 180 and b < 100


def _shot(t, window, label):
    """A screenshot of the screen, and of the window alone (both saved as
    artifacts); returns the screen's file and the window's geometry."""
    x, y, width, height = t.desktop.geometry(window)
    screen = t.screenshot(label)
    picture.crop(screen, t.artifacts / f"{t.name}-{label}-window.png", x, y, width, height)
    return screen, (x, y)


def _area(screen, origin, rect):
    return picture.pixels(screen, origin[0] + rect[0], origin[1] + rect[1], rect[2], rect[3])


def _painted(t, window, label):
    """Waits for the first paint: the status line's yellow text."""
    deadline = time.monotonic() + PAINT_TIMEOUT
    while True:
        screen, origin = _shot(t, window, label)
        if sum(map(_yellow, _area(screen, origin, STATUS_LINE))) > 50:
            return screen, origin
        if time.monotonic() > deadline:
            raise AssertionError(f"no status line painted within {PAINT_TIMEOUT} s")
        time.sleep(0.5)


def _main_page(t, language, caption):
    t.set_ini("config.ini", "Init", "VER_SEL", language)
    program = t.launch(mouse=True)
    window = t.wait_for_window(caption, process=program)
    t.desktop.move_pointer(window, *EMPTY_SPOT)
    _painted(t, window, "main")
    assert program.poll() is None


def test_main_page_in_english(t):
    _main_page(t, "1", ENGLISH)


def test_main_page_in_chinese(t):
    _main_page(t, "0", CHINESE)


def test_hover_draws_the_element_from_the_over_picture(t):
    t.set_ini("config.ini", "Init", "VER_SEL", "1")
    program = t.launch(mouse=True)
    window = t.wait_for_window(ENGLISH, process=program)
    t.desktop.move_pointer(window, *EMPTY_SPOT)
    before, origin = _painted(t, window, "before-hover")

    t.desktop.move_pointer(window, APPLY[0] + APPLY[2] // 2, APPLY[1] + APPLY[3] // 2)
    deadline = time.monotonic() + PAINT_TIMEOUT
    while True:
        after, origin = _shot(t, window, "apply-hovered")
        changed = sum(a != b for a, b in zip(_area(before, origin, APPLY), _area(after, origin, APPLY)))
        if changed > APPLY[2] * APPLY[3] // 4:
            break
        if time.monotonic() > deadline:
            raise AssertionError(f"hovering the apply element changed {changed} of its pixels")
        time.sleep(0.5)
    # Only the hovered element changes.
    assert _area(before, origin, IMPORT) == _area(after, origin, IMPORT)
    assert program.poll() is None
