"""A press whose release never reaches the main window still ends: after a
drag of the window (the system's move loop takes the release) and after the
warning (a modal window takes it), the element under the pointer is drawn
hovered, not pressed."""

import time

import picture
from test_assign import FACTORY_BUTTONS, set_buttons, wait_for_warning, wait_until_no_captionless
from test_pages import start

EXPORT = 15           # a shared element without a state of its own
MAIN_HIT_LIMIT = 90   # main elements the pointer finds on the main page
COLOR_HIT_LIMIT = 4
PAINT_TIMEOUT = 20    # seconds


def rects(window, page, last):
    found = []
    for n in range(last + 1):
        value = window.t.read_ini(window.skins[page], "BUTTONPOS", str(n))
        if value:
            x, y, width, height = (int(v) for v in value.split(",")[1:5])
            found.append((x, y, width, height))
    return found


def inside(point, rect):
    x, y, width, height = rect
    return x <= point[0] < x + width and y <= point[1] < y + height


def background_over_a_color_element(window):
    """A point of the main page on none of its elements where an element of
    the color page lies: a press there drags the window."""
    main = rects(window, "main", MAIN_HIT_LIMIT)
    for rect in rects(window, "color", COLOR_HIT_LIMIT):
        x, y, width, height = rect
        for py in range(y + 2, y + height - 2, 4):
            for px in range(x + 2, x + width - 2, 4):
                if not any(inside((px, py), r) for r in main):
                    return px, py
    raise AssertionError("the skin has no main-page background over a color element")


def mean(pixels):
    return tuple(sum(p[i] for p in pixels) / len(pixels) for i in range(3))


def distance(a, b):
    return sum((x - y) ** 2 for x, y in zip(a, b))


def assert_hovered_not_pressed(t, window, label):
    """Rests the pointer on the export element and waits until it is drawn
    from the over picture: a strip at its left edge, clear of its text."""
    x, y, width, height = rects(window, "main", EXPORT)[EXPORT]
    strip = (x + 2, y + 2, 8, height - 4)
    over = mean(picture.pixels(t.dir / "skins" / "main_over.jpg", *strip))
    down = mean(picture.pixels(t.dir / "skins" / "main_down.jpg", *strip))
    assert distance(over, down) > 300, "the skin's over and down pictures look alike here"
    t.desktop.move_pointer(window.id, x + width // 2, y + height // 2)
    deadline = time.monotonic() + PAINT_TIMEOUT
    while True:
        wx, wy, _, _ = t.desktop.geometry(window.id)
        screen = t.screenshot(label)
        shown = mean(picture.pixels(screen, wx + strip[0], wy + strip[1], strip[2], strip[3]))
        if distance(shown, over) < distance(shown, down) and distance(shown, over) < 200:
            return
        assert time.monotonic() < deadline, f"the element is drawn {shown}: over {over}, down {down}"
        time.sleep(0.5)


def test_after_dragging_the_window_nothing_is_drawn_pressed(t):
    window, _ = start(t, "en")
    px, py = background_over_a_color_element(window)
    t.desktop.drag(window.id, px, py, 40, 30)
    assert_hovered_not_pressed(t, window, "after-drag")


def test_after_the_warning_nothing_is_drawn_pressed(t):
    set_buttons(t, FACTORY_BUTTONS)
    window, _ = start(t, "en")
    window.click("main", 25)  # button 1 holds the only left click
    warning = wait_for_warning(t)
    cancel = t.read_ini("skins/INI_EN/LBWarning_en.ini", "BUTTONPOS", "1")
    cx, cy, cw, ch = (int(v) for v in cancel.split(",")[1:5])
    t.desktop.click(warning, cx + cw // 2, cy + ch // 2)
    wait_until_no_captionless(t)
    assert_hovered_not_pressed(t, window, "after-warning")
