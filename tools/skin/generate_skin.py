#!/usr/bin/python3
"""Draws the shipped skin from layout.py: the JPG pictures of every page, the
masks, the assignment lists and the DPI knob, and the English and Chinese
layout files (UTF-16LE with a byte-order mark). Its output in data/skins is
committed, so neither the build nor the program needs this script or Pillow.

    /usr/bin/python3 tools/skin/generate_skin.py [--out data/skins] [--preview DIR]

--preview also writes PNG pictures of every page and language with the texts
drawn roughly the way the program draws them, for looking at the result.

Before anything is written the layout is checked: every element inside the
window's outline, no unexpected overlaps, every text fitting its element.
After writing, the masks are decoded again to prove that the JPEG encoding
did not move the outline.
"""

import argparse
import math
import os
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import layout as L  # noqa: E402

S = 3  # pages are drawn at three times their size and reduced, for smooth edges
JPEG_OPTIONS = dict(quality=93, subsampling=0, optimize=True)

# Palette: dark greys with one red accent. The program draws its texts white,
# yellow (status), green (hovered button) and red (hovered, enabled), so every
# background stays dark.
BG = (17, 19, 23)
HEADER = (23, 25, 30)
SIDEBAR = (20, 22, 27)
EDGE = (54, 58, 68)
PANEL = (26, 29, 35)
PANEL_EDGE = (42, 46, 55)
CONTROL = (37, 41, 49)
CONTROL_EDGE = (60, 65, 77)
CONTROL_OVER = (50, 55, 66)
CONTROL_OVER_EDGE = (100, 108, 124)
SELECTED = (70, 22, 29)
ACCENT = (224, 44, 54)
ACCENT_DARK = (150, 28, 36)
FIELD = (9, 10, 13)
MUTED = (112, 118, 130)
WHITE = (240, 242, 246)
CUT = (255, 255, 255)   # mask: cut out of the window
KEEP = (0, 0, 0)        # mask: part of the window

FONT_DIR = "/usr/share/fonts/truetype"
FONT_BOLD = f"{FONT_DIR}/dejavu/DejaVuSans-Bold.ttf"
FONT_CONDENSED = f"{FONT_DIR}/dejavu/DejaVuSansCondensed-Bold.ttf"
PREVIEW_FONT_EN = f"{FONT_DIR}/dejavu/DejaVuSansMono.ttf"
PREVIEW_FONT_CN = f"{FONT_DIR}/wqy/wqy-microhei.ttc"

HEADER_BOTTOM = 58
FOOTER_TOP = 482
SIDEBAR_RIGHT = 152

# Panels of the pages (x0, y0, x1, y1) and the heading element whose line they carry.
PANELS = {
    "main": [((162, 66, 428, 474), 20), ((436, 66, 606, 474), 24), ((614, 66, 886, 474), 21)],
    "advanced": [((162, 66, 392, 474), 34), ((400, 66, 630, 474), 35), ((638, 66, 886, 474), 36)],
    "color": [((162, 66, 422, 474), 5), ((430, 66, 680, 474), 6), ((688, 66, 886, 474), 7)],
}

# Elements allowed to overlap (by table): a mark inside its radio button, the
# resolution texts inside their panel.
ALLOWED_OVERLAPS = {
    "main": {(54 + j, 80 + j) for j in range(4)},
    "color": {(4, 9), (4, 10)},
}

_fonts = {}


def font(path, size):
    key = (path, size)
    if key not in _fonts:
        _fonts[key] = ImageFont.truetype(path, size)
    return _fonts[key]


# ---------------------------------------------------------------------------
# Drawing at S times the size, in the page's own coordinates.

class Canvas:
    def __init__(self, width, height, colour):
        self.width, self.height = width, height
        self.img = Image.new("RGB", (width * S, height * S), colour)
        self.draw = ImageDraw.Draw(self.img)

    @staticmethod
    def _box(box):
        x0, y0, x1, y1 = box
        return (round(x0 * S), round(y0 * S), round(x1 * S) - 1, round(y1 * S) - 1)

    def rect(self, box, fill=None, outline=None, width=1, radius=0):
        if radius:
            self.draw.rounded_rectangle(self._box(box), radius=radius * S, fill=fill, outline=outline,
                                        width=round(width * S))
        else:
            self.draw.rectangle(self._box(box), fill=fill, outline=outline, width=round(width * S))

    def ellipse(self, box, fill=None, outline=None, width=1):
        self.draw.ellipse(self._box(box), fill=fill, outline=outline, width=round(width * S))

    def polygon(self, points, fill):
        self.draw.polygon([(x * S, y * S) for x, y in points], fill=fill)

    def line(self, points, fill, width=1):
        self.draw.line([(x * S, y * S) for x, y in points], fill=fill, width=round(width * S), joint="curve")

    def text(self, centre, text, size, fill, path=FONT_BOLD):
        self.draw.text((centre[0] * S, centre[1] * S), text, font=font(path, size * S), fill=fill, anchor="mm")

    def fill_mask(self, colour, mask):
        self.img.paste(colour, (0, 0), mask)

    def result(self):
        return self.img.reduce(S)


def outline_points(x0, y0, x1, y1, chamfers, inset=0.0):
    """Corners of a rectangle with cut corners, moved `inset` pixels inwards."""
    tl, tr, br, bl = (c + inset * (math.sqrt(2) - 2) for c in chamfers)
    x0, y0, x1, y1 = x0 + inset, y0 + inset, x1 - inset, y1 - inset
    return [(x0 + tl, y0), (x1 - tr, y0), (x1, y0 + tr), (x1, y1 - br),
            (x1 - br, y1), (x0 + bl, y1), (x0, y1 - bl), (x0, y0 + tl)]


def inside_outline(x, y, width, height, chamfers):
    """Whether pixel (x, y) belongs to the window: its centre lies inside."""
    tl, tr, br, bl = chamfers
    cx, cy = x + 0.5, y + 0.5
    return (cx + cy >= tl and (width - cx) + cy >= tr and
            (width - cx) + (height - cy) >= br and cx + (height - cy) >= bl)


def mask_picture(width, height, chamfers):
    img = Image.new("RGB", (width, height))
    img.putdata([KEEP if inside_outline(x, y, width, height, chamfers) else CUT
                 for y in range(height) for x in range(width)])
    return img


def shape_mask(width, height, chamfers, inset):
    mask = Image.new("L", (width * S, height * S), 0)
    ImageDraw.Draw(mask).polygon([(x * S, y * S) for x, y in outline_points(0, 0, width, height, chamfers, inset)],
                                 fill=255)
    return mask


# ---------------------------------------------------------------------------
# Pieces of the pictures.

def logo(cv, cx, cy, r, background):
    cv.polygon([(cx, cy - r), (cx + r, cy), (cx, cy + r), (cx - r, cy)], ACCENT)
    r2 = r * 0.55
    cv.polygon([(cx, cy - r2), (cx + r2, cy), (cx, cy + r2), (cx - r2, cy)], background)
    r3 = r * 0.25
    cv.polygon([(cx, cy - r3), (cx + r3, cy), (cx, cy + r3), (cx - r3, cy)], ACCENT)


def frame(cv, width, height, chamfers, header_bottom=None, footer_top=None, sidebar_right=None):
    """Window background and border following the outline."""
    cv.fill_mask(EDGE, shape_mask(width, height, chamfers, 0))
    inner = shape_mask(width, height, chamfers, 1)
    cv.fill_mask(BG, inner)
    if header_bottom:
        band = Image.new("L", inner.size, 0)
        band.paste(inner.crop((0, 0, inner.width, header_bottom * S)), (0, 0))
        cv.fill_mask(HEADER, band)
        cv.rect((1, header_bottom, width - 1, header_bottom + 1), fill=EDGE)
    if footer_top:
        band = Image.new("L", inner.size, 0)
        band.paste(inner.crop((0, footer_top * S, inner.width, inner.height)), (0, footer_top * S))
        cv.fill_mask(HEADER, band)
        cv.rect((1, footer_top, width - 1, footer_top + 1), fill=EDGE)
    if sidebar_right:
        cv.rect((1, header_bottom + 1, sidebar_right, footer_top), fill=SIDEBAR)
        cv.rect((sidebar_right, header_bottom + 1, sidebar_right + 1, footer_top), fill=EDGE)
    # Red accents along the two large cut corners.
    tl, _, br, _ = chamfers
    cv.line([(1.5, tl + 1.5), (tl + 1.5, 1.5)], ACCENT, 2)
    cv.line([(width - br - 1.5, height - 1.5), (width - 1.5, height - br - 1.5)], ACCENT, 2)


def panel(cv, box, heading):
    cv.rect(box, fill=PANEL, outline=PANEL_EDGE, radius=6)
    if heading is not None:
        x0, _, x1, _ = box
        y = heading.y + heading.h + 3
        cx = (x0 + x1) / 2
        cv.rect((x0 + 10, y, x1 - 10, y + 1), fill=PANEL_EDGE)
        cv.rect((cx - 14, y - 1, cx + 14, y + 1), fill=ACCENT)


def button_look(cv, box, state, radius=4):
    fill, edge = {"normal": (CONTROL, CONTROL_EDGE), "over": (CONTROL_OVER, CONTROL_OVER_EDGE),
                  "down": (SELECTED, ACCENT)}[state]
    cv.rect(box, fill=fill, outline=edge, radius=radius)


def check_mark(cv, x0, y0, size, colour):
    cv.line([(x0 + size * 0.22, y0 + size * 0.52), (x0 + size * 0.42, y0 + size * 0.72),
             (x0 + size * 0.78, y0 + size * 0.3)], colour, max(1.6, size / 9))


def check_box(cv, x0, y0, size, state):
    box = (x0, y0, x0 + size, y0 + size)
    if state == "down":
        cv.rect(box, fill=ACCENT, outline=ACCENT, radius=3)
        check_mark(cv, x0, y0, size, WHITE)
    else:
        cv.rect(box, fill=FIELD, outline=CONTROL_OVER_EDGE if state == "over" else CONTROL_EDGE, radius=3)


def chevron_down(cv, cx, cy, size, colour):
    cv.line([(cx - size, cy - size / 2), (cx, cy + size / 2), (cx + size, cy - size / 2)], colour, 1.6)


def chevron_right(cv, cx, cy, size, colour):
    cv.line([(cx - size / 2, cy - size), (cx + size / 2, cy), (cx - size / 2, cy + size)], colour, 1.6)


def mode_icon(cv, kind, cx, cy, colour):
    if kind in ("slow", "fast"):
        waves = 1.5 if kind == "slow" else 3
        points = [(cx - 8 + t, cy - 4 * math.sin(t / 16 * waves * 2 * math.pi)) for t in range(0, 17)]
        cv.line(points, colour, 1.8)
    elif kind == "steady":
        cv.ellipse((cx - 6, cy - 6, cx + 6, cy + 6), fill=colour)
    else:
        cv.ellipse((cx - 6, cy - 6, cx + 6, cy + 6), outline=colour, width=1.8)
        cv.line([(cx - 4, cy + 4), (cx + 4, cy - 4)], colour, 1.8)


def knob(cv, cx, cy, fill):
    cv.rect((cx - 6, cy - 10, cx + 6, cy + 10), fill=fill, outline=(255, 120, 128), width=1, radius=3)
    cv.rect((cx - 3, cy - 1, cx + 3, cy + 1), fill=(255, 200, 204))


def step_track(cv, e, state):
    cy = e.y + e.h / 2
    cx = e.x + e.w / 2
    cv.rect((e.x, cy - 1, e.x + e.w, cy + 1), fill=CONTROL_EDGE)
    cv.rect((cx - 0.5, cy - 5, cx + 0.5, cy + 5), fill=CONTROL_OVER_EDGE if state != "normal" else MUTED)
    if state == "over":
        cv.rect((cx - 6, e.y + 4, cx + 6, e.y + e.h - 4), outline=ACCENT_DARK, width=1, radius=3)
    elif state == "down":
        cv.rect((cx - 6, e.y + 4, cx + 6, e.y + e.h - 4), fill=ACCENT_DARK, radius=3)


def mouse_outline(box):
    """The mouse seen from above: a rounded shell, a little narrower in front."""
    x0, y0, x1, y1 = box
    cx, half, length = (x0 + x1) / 2, (x1 - x0) / 2, y1 - y0
    left, right = [], []
    for i in range(401):
        t = i / 400
        w = (1 - abs(2 * t - 1) ** 2.6) ** (1 / 2.6) * (0.86 + 0.14 * math.sin(t * math.pi * 0.8))
        y = y0 + t * length
        left.append((cx - half * w, y))
        right.append((cx + half * w, y))
    return left + right[::-1]


def filtered(mask, box, margin, image_filter):
    """`image_filter` applied to the part of `mask` around `box` only (rank
    filters on the whole page take a long time)."""
    x0, y0, x1, y1 = (max(0, round((box[0] - margin) * S)), max(0, round((box[1] - margin) * S)),
                      min(mask.width, round((box[2] + margin) * S)), min(mask.height, round((box[3] + margin) * S)))
    out = Image.new("L", mask.size, 0)
    out.paste(mask.crop((x0, y0, x1, y1)).filter(image_filter), (x0, y0))
    return out


def mouse_body_mask(box, inset=0):
    mask = Image.new("L", (L.WIDTH * S, L.HEIGHT * S), 0)
    ImageDraw.Draw(mask).polygon([(x * S, y * S) for x, y in mouse_outline(box)], fill=255)
    if inset:
        mask = filtered(mask, box, 4, ImageFilter.MinFilter(2 * inset * S + 1))
    return mask


def rect_mask(box):
    mask = Image.new("L", (L.WIDTH * S, L.HEIGHT * S), 0)
    ImageDraw.Draw(mask).rectangle(Canvas._box(box), fill=255)
    return mask


def intersect(a, b):
    return ImageChops.multiply(a, b)


MOUSE_FILL = {"normal": (50, 54, 64), "over": (214, 40, 50), "down": (96, 26, 33)}


def mouse_picture(cv, states):
    """The mouse with its seven buttons; `states` maps an element number to normal/over/down."""
    body = mouse_body_mask(L.MOUSE_BODY)
    shell = mouse_body_mask(L.MOUSE_BODY, inset=2)
    # Side buttons first: they stand out of the left flank.
    for number in (93, 94):
        e = L.MAIN[number]
        cv.rect((e.x + 1, e.y + 1, e.x + e.w + 6, e.y + e.h - 1), fill=MOUSE_FILL[states.get(number, "normal")],
                outline=(96, 102, 118), radius=4)
    cv.fill_mask((70, 75, 88), body)
    cv.fill_mask((33, 36, 44), shell)
    # The two main buttons: the shell in front of the button line, either side of the wheel channel.
    left, right = L.MAIN[90], L.MAIN[91]
    line_y = left.y + left.h - 2
    for number, e in ((90, left), (91, right)):
        cv.fill_mask(MOUSE_FILL[states.get(number, "normal")],
                     intersect(shell, rect_mask((e.x, 0, e.x + e.w, line_y))))
    cv.fill_mask((16, 17, 21), intersect(body, rect_mask((left.x, line_y, right.x + right.w, line_y + 2))))
    cv.fill_mask((16, 17, 21), intersect(body, rect_mask((left.x + left.w, 0, right.x, line_y))))
    # Wheel and the two buttons behind it.
    wheel = L.MAIN[92]
    cv.rect((wheel.x + 2, wheel.y + 2, wheel.x + wheel.w - 2, wheel.y + wheel.h - 2),
            fill=MOUSE_FILL[states.get(92, "normal")], outline=(104, 110, 126), radius=4)
    for k in range(6):
        y = wheel.y + 7 + k * 5.5
        cv.rect((wheel.x + 4, y, wheel.x + wheel.w - 4, y + 1), fill=(20, 22, 27))
    for number in (96, 95):
        e = L.MAIN[number]
        cv.rect((e.x + 1, e.y + 2, e.x + e.w - 1, e.y + e.h - 2), fill=MOUSE_FILL[states.get(number, "normal")],
                outline=(104, 110, 126), radius=3)
    # A soft sheen along the palm rest.
    x0, _, x1, y1 = L.MOUSE_BODY
    cx = (x0 + x1) / 2
    cv.rect((cx - 1, line_y + 40, cx + 1, y1 - 80), fill=(48, 52, 62))


def led_preview(cv, e, colour):
    """The LED preview: the mouse's shell with its light on (or dark)."""
    x0, y0, x1, y1 = e.box
    cv.rect(e.box, fill=FIELD, outline=PANEL_EDGE, radius=8)
    lit = colour != L.LED_GRAY
    cx = (x0 + x1) / 2
    box = (cx - 58, y0 + 30, cx + 58, y1 - 30)
    size = cv.img.size
    body = Image.new("L", size, 0)
    ImageDraw.Draw(body).polygon([(x * S, y * S) for x, y in mouse_outline(box)], fill=255)
    clip = rect_mask_size(size, (x0 + 2, y0 + 2, x1 - 2, y1 - 2))
    if lit:
        glow = filtered(filtered(body, box, 12, ImageFilter.MaxFilter(8 * S + 1)), box, 30,
                        ImageFilter.GaussianBlur(7 * S))
        cv.fill_mask(tuple(int(c * 0.6) for c in colour), intersect(glow, clip))
    cv.fill_mask(colour if lit else (70, 74, 84), body)
    shell = filtered(body, box, 4, ImageFilter.MinFilter(4 * S + 1))
    cv.fill_mask((31, 34, 41), shell)
    # Button line, wheel channel and wheel.
    line_y = box[1] + 92
    cv.fill_mask((14, 15, 18), intersect(shell, rect_mask_size(size, (box[0], line_y, box[2], line_y + 2))))
    cv.fill_mask((14, 15, 18), intersect(shell, rect_mask_size(size, (cx - 1, box[1], cx + 1, line_y))))
    cv.rect((cx - 5, box[1] + 22, cx + 5, box[1] + 56), fill=(50, 54, 64), radius=5)
    # The logo and the strip at the back carry the light.
    strip = colour if lit else (58, 61, 68)
    logo_y = line_y + 86
    cv.polygon([(cx, logo_y - 20), (cx + 20, logo_y), (cx, logo_y + 20), (cx - 20, logo_y)], strip)
    cv.polygon([(cx, logo_y - 10), (cx + 10, logo_y), (cx, logo_y + 10), (cx - 10, logo_y)], (31, 34, 41))
    cv.rect((cx - 36, box[3] - 34, cx + 36, box[3] - 30), fill=strip, radius=2)


def rect_mask_size(size, box):
    mask = Image.new("L", size, 0)
    ImageDraw.Draw(mask).rectangle(Canvas._box(box), fill=255)
    return mask


def draw_element(cv, e, state):
    k = e.kind
    box = e.box
    if k in ("button", "profile", "record", "toggle", "mode", "option", "segment", "wbutton"):
        button_look(cv, box, state, radius=3 if k == "segment" else 4)
        if k == "profile" and state == "down":
            cv.rect((e.x, e.y + 4, e.x + 3, e.y + e.h - 4), fill=ACCENT)
        if k == "record":
            cy = e.y + e.h / 2
            cv.ellipse((e.x + 12, cy - 5, e.x + 22, cy + 5), fill=WHITE if state == "down" else ACCENT)
        if k == "toggle":
            size = 14
            check_box(cv, e.x + 9, e.y + (e.h - size) / 2, size, state)
        if k == "option":
            cy = e.y + e.h / 2
            cv.ellipse((e.x + 9, cy - 7, e.x + 23, cy + 7), fill=FIELD,
                       outline=ACCENT if state == "down" else CONTROL_OVER_EDGE, width=1.5)
            if state == "down":
                cv.ellipse((e.x + 12.5, cy - 3.5, e.x + 19.5, cy + 3.5), fill=ACCENT)
        if k == "mode":
            mode_icon(cv, e.extra["icon"], e.x + 22, e.y + e.h / 2, ACCENT if state == "down" else MUTED)
    elif k == "primary":
        fill = {"normal": ACCENT_DARK, "over": ACCENT, "down": (110, 18, 24)}[state]
        cv.rect(box, fill=fill, outline=(240, 90, 98), radius=5)
    elif k == "tab":
        if state == "over":
            cv.rect(box, fill=(38, 41, 49), radius=4)
        elif state == "down":
            cv.rect(box, fill=(46, 22, 27), radius=4)
            cv.rect((e.x + 8, e.y + e.h - 3, e.x + e.w - 8, e.y + e.h), fill=ACCENT)
    elif k in ("close", "minimise", "tray"):
        if state != "normal":
            fill = (ACCENT if k == "close" else CONTROL_OVER) if state == "over" else ACCENT_DARK
            cv.rect(box, fill=fill, radius=4)
        colour = WHITE if state != "normal" else MUTED
        cx, cy = e.x + e.w / 2, e.y + e.h / 2
        if k == "close":
            cv.line([(cx - 5, cy - 5), (cx + 5, cy + 5)], colour, 1.6)
            cv.line([(cx - 5, cy + 5), (cx + 5, cy - 5)], colour, 1.6)
        elif k == "minimise":
            cv.rect((cx - 6, cy + 3, cx + 6, cy + 4.6), fill=colour)
        else:
            cv.line([(cx - 6, cy + 1), (cx - 6, cy + 6), (cx + 6, cy + 6), (cx + 6, cy + 1)], colour, 1.4)
            cv.line([(cx, cy - 7), (cx, cy + 2)], colour, 1.4)
            cv.line([(cx - 3.5, cy - 1.5), (cx, cy + 2), (cx + 3.5, cy - 1.5)], colour, 1.4)
    elif k == "lang":
        fill, edge = {"normal": (None, CONTROL_EDGE), "over": (CONTROL_OVER, CONTROL_OVER_EDGE),
                      "down": (SELECTED, ACCENT)}[state]
        cv.rect(box, fill=fill, outline=edge, radius=4)
    elif k == "link":
        if state != "normal":
            cv.rect(box, fill=CONTROL_OVER if state == "over" else SELECTED, radius=4)
        cx, cy = e.x + 16, e.y + e.h / 2
        colour = WHITE if state != "normal" else MUTED
        cv.ellipse((cx - 6, cy - 6, cx + 6, cy + 6), outline=colour, width=1.2)
        cv.ellipse((cx - 2.5, cy - 6, cx + 2.5, cy + 6), outline=colour, width=1.0)
        cv.rect((cx - 6, cy - 0.5, cx + 6, cy + 0.5), fill=colour)
    elif k == "field":
        cv.rect(box, fill=FIELD, outline=CONTROL_OVER_EDGE if state == "over" else PANEL_EDGE, radius=3)
    elif k == "display":
        cv.rect(box, fill=FIELD, outline=CONTROL_OVER_EDGE if state != "normal" else CONTROL_EDGE, radius=6)
        cv.rect((e.x + 12, e.y + e.h - 16, e.x + e.w - 12, e.y + e.h - 14), fill=ACCENT_DARK)
    elif k == "dropdown":
        button_look(cv, box, state)
        chevron_down(cv, e.x + e.w - 14, e.y + e.h / 2, 4, WHITE if state != "normal" else MUTED)
    elif k == "badge":
        cv.rect(box, fill=(30, 33, 40), outline=PANEL_EDGE, radius=4)
        cv.rect((e.x, e.y + 6, e.x + 2, e.y + e.h - 6), fill=ACCENT_DARK)
    elif k == "checkbox":
        check_box(cv, e.x, e.y, e.w, state)
    elif k == "radio":
        edge = {"normal": CONTROL_EDGE, "over": CONTROL_OVER_EDGE, "down": ACCENT}[state]
        cv.ellipse(box, fill=FIELD, outline=edge, width=1.5)
    elif k == "mark":
        if state == "down":
            cv.ellipse(box, fill=ACCENT)
    elif k == "step":
        step_track(cv, e, state)
    elif k == "scale_header":
        for position, step in enumerate(L.STEP_ORDER):
            cv.text((e.x + 13 + 26 * position, e.y + e.h / 2), str(L.STEP_DPI[step]), 8, MUTED, FONT_CONDENSED)
    elif k == "chip":
        cv.rect(box, fill=e.extra["colour"], radius=2)
    elif k == "wheel_icon":
        cx, cy = e.x + e.w / 2, e.y + e.h / 2
        cv.rect((cx - 4, cy - 8, cx + 4, cy + 8), outline=MUTED, width=1.2, radius=4)
        cv.rect((cx - 0.6, cy - 5, cx + 0.6, cy - 1), fill=MUTED)
        tip = cy + 12 if e.extra["direction"] == "down" else cy - 12
        back = cy + 9 if e.extra["direction"] == "down" else cy - 9
        cv.polygon([(cx - 3, back), (cx + 3, back), (cx, tip)], ACCENT)
    elif k == "logo_badge":
        cv.rect(box, fill=(36, 39, 47), outline=(60, 65, 77), radius=8)
        logo(cv, e.x + e.w / 2, e.y + e.h / 2, 11, (36, 39, 47))
    elif k == "bar":
        if state == "down":
            cv.rect(box, fill=ACCENT_DARK, outline=ACCENT, radius=3)
            cv.rect((e.x + 2, e.y + 2, e.x + e.w - 2, e.y + e.h / 2), fill=ACCENT, radius=2)
        else:
            cv.rect(box, fill=FIELD, outline=CONTROL_OVER_EDGE if state == "over" else CONTROL_EDGE, radius=3)
            for t in range(1, 6):
                x = e.x + e.w * t / 6
                cv.rect((x - 0.5, e.y + e.h - 5, x + 0.5, e.y + e.h - 2), fill=PANEL_EDGE)
    elif k in ("text", "heading", "mouse_part", "led"):
        pass  # texts are the program's; the mouse and the LED are drawn as whole pictures
    else:
        raise ValueError(f"unknown kind {k}")


def draw_header(cv):
    logo(cv, 57, 29, 13, HEADER)


def page_scene(page, state, led=L.LED_PINK):
    """One page with every element in `state`."""
    cv = Canvas(L.WIDTH, L.HEIGHT, BG)
    frame(cv, L.WIDTH, L.HEIGHT, L.MAIN_CHAMFERS, HEADER_BOTTOM, FOOTER_TOP, SIDEBAR_RIGHT)
    draw_header(cv)
    cv.rect((22, 302, 142, 303), fill=EDGE)  # between the profiles and the file buttons
    table = {"main": L.MAIN, "advanced": L.ADVANCED, "color": L.COLOR}[page]
    for box, heading in PANELS[page]:
        panel(cv, box, table[heading])
    for number in range(20):
        draw_element(cv, L.MAIN[number], state)
    if page == "main":
        mouse_picture(cv, {n: state for n in range(90, 97)})
        for number, e in L.MAIN.items():
            if number >= 20:
                draw_element(cv, e, state)
    elif page == "advanced":
        for (_section, _key), (_name, x, y, w, h) in L.CONTROLS.items():
            cv.rect((x - 1, y - 1, x + w + 1, y + h + 1), fill=(0, 0, 0), outline=CONTROL_EDGE)
        for e in L.ADVANCED.values():
            draw_element(cv, e, state)
    else:
        for e in L.COLOR.values():
            draw_element(cv, e, state)
        led_preview(cv, L.COLOR[11], led)
        for j, colour in enumerate(L.LEVEL_COLOURS):
            x, y = 704 + 88 * (j % 2), L.LEGEND_Y + 36 * (j // 2)
            cv.rect((x, y, x + 78, y + 28), fill=FIELD, outline=PANEL_EDGE, radius=4)
            cv.ellipse((x + 10, y + 8, x + 22, y + 20), fill=colour)
            cv.text((x + 48, y + 14), f"DPI {j + 1}", 10, MUTED)
    return cv.result()


def compose(base, source, elements):
    """`base` with the rectangles of `elements` taken from `source`: the pictures
    agree everywhere else."""
    out = base.copy()
    for e in elements:
        if e.w > 0 and e.h > 0:
            out.paste(source.crop(e.box), (e.x, e.y))
    return out


def pages():
    """Every page picture, by file name."""
    out = {}
    for page, prefix in (("main", "main"), ("advanced", "advanced")):
        table = {"main": L.MAIN, "advanced": L.ADVANCED}[page]
        normal = page_scene(page, "normal")
        elements = list(L.MAIN[n] for n in range(20)) + list(table.values()) if page != "main" else list(L.MAIN.values())
        out[f"{prefix}_normal.jpg"] = normal
        out[f"{prefix}_over.jpg"] = compose(normal, page_scene(page, "over"), elements)
        out[f"{prefix}_down.jpg"] = compose(normal, page_scene(page, "down"), elements)
    shared = [L.MAIN[n] for n in range(20)]
    led = L.COLOR[11]
    interactive = shared + [e for n, e in L.COLOR.items() if n != 11]
    normal = page_scene("color", "normal", L.LED_PINK)
    out["color_normal_pink.jpg"] = normal
    out["color_over_red.jpg"] = compose(compose(normal, page_scene("color", "over"), interactive),
                                        page_scene("color", "normal", L.LED_RED), [led])
    out["color_down_purple.jpg"] = compose(compose(normal, page_scene("color", "down"), interactive),
                                           page_scene("color", "normal", L.LED_PURPLE), [led])
    out["color_normal_gray.jpg"] = compose(normal, page_scene("color", "normal", L.LED_GRAY), [led])
    out["color_over_blue.jpg"] = compose(normal, page_scene("color", "normal", L.LED_BLUE), [led])
    return out


def warning_scene(state):
    cv = Canvas(L.WARNING_WIDTH, L.WARNING_HEIGHT, BG)
    frame(cv, L.WARNING_WIDTH, L.WARNING_HEIGHT, L.WARNING_CHAMFERS)
    cx = L.WARNING_WIDTH / 2
    cv.polygon([(cx, 14), (cx + 17, 44), (cx - 17, 44)], ACCENT)
    cv.polygon([(cx, 20), (cx + 12, 41), (cx - 12, 41)], BG)
    cv.rect((cx - 1.3, 26, cx + 1.3, 35), fill=WHITE)
    cv.rect((cx - 1.3, 37, cx + 1.3, 39.5), fill=WHITE)
    for e in L.WARNING.values():
        draw_element(cv, e, state)
    return cv.result()


def warning_pictures():
    normal = warning_scene("normal")
    buttons = [L.WARNING[0], L.WARNING[1]]
    return {"warning_normal.jpg": normal,
            "warning_over.jpg": compose(normal, warning_scene("over"), buttons),
            "warning_mask.jpg": mask_picture(L.WARNING_WIDTH, L.WARNING_HEIGHT, L.WARNING_CHAMFERS)}


def list_picture(width, row, rows, state, arrows):
    cv = Canvas(width, row * rows, BG)
    fill = {"normal": PANEL, "over": (44, 48, 58), "down": SELECTED}[state]
    for r in range(rows):
        y = r * row
        cv.rect((0, y, width, y + row), fill=fill)
        cv.rect((0, y + row - 1, width, y + row), fill=(36, 39, 46))
        if state != "normal":
            cv.rect((0, y + 3, 3, y + row - 3), fill=ACCENT)
        if r + 1 in arrows:
            chevron_right(cv, width - 12, y + row / 2, 4, WHITE if state != "normal" else MUTED)
    cv.rect((0, 0, 1, row * rows), fill=EDGE)
    cv.rect((width - 1, 0, width, row * rows), fill=EDGE)
    cv.rect((0, 0, width, 1), fill=EDGE)
    return cv.result()


def list_pictures():
    out = {}
    for prefix, width, row, rows, arrows in (("menu", L.MENU_WIDTH, L.MENU_ROW, L.MENU_ROWS, {7, 8, 9, 10}),
                                             ("advanced menu", L.SUBMENU_WIDTH, L.SUBMENU_ROW, L.SUBMENU_ROWS, set())):
        for state in ("normal", "over", "down"):
            out[f"{prefix}_{state}.jpg"] = list_picture(width, row, rows, state, arrows)
        # The list's mask gives only its size; the list window is rectangular.
        out[f"{prefix}_mask.jpg"] = Image.new("RGB", (width, row * rows), KEEP)
    return out


def slider_picture():
    """The knob of the DPI scale: a whole step element with the knob on its track."""
    e = L.MAIN[60]
    cv = Canvas(e.w, e.h, PANEL)
    cy, cx = e.h / 2, e.w / 2
    cv.rect((0, cy - 1, e.w, cy + 1), fill=CONTROL_EDGE)
    knob(cv, cx, cy, ACCENT)
    return cv.result()


# ---------------------------------------------------------------------------
# Layout files.

def text(e, language):
    return e.en if language == "en" else e.cn


def buttonpos(table, language):
    return [f"{n}={e.name},{e.x},{e.y},{e.w},{e.h},{text(e, language)}," for n, e in sorted(table.items())]


def ini_file(language, title, sections):
    lines = [f"; TX80 skin layout: {title}, {'English' if language == 'en' else 'Chinese'}.",
             "; Drawn by tools/skin/generate_skin.py from tools/skin/layout.py: change the layout there."]
    for name, entries in sections:
        lines.append(f"[{name}]")
        lines.extend(entries)
    return "\r\n".join(lines) + "\r\n"


def layout_files():
    files = {}
    for language, folder, suffix in (("en", "INI_EN", "_en"), ("cn", "INI_CN", "")):
        names = [f"{k}={L.FUNCTION_NAMES[k][0 if language == 'en' else 1] if k in L.FUNCTION_NAMES else '-'}"
                 for k in range(1, 55)]
        controls = {}
        for (section, key), (name, x, y, w, h) in sorted(L.CONTROLS.items()):
            controls.setdefault(section, []).append(f"{key}={name},{x},{y},{w},{h},")
        files[f"{folder}/skin_main{suffix}.ini"] = ini_file(language, "main page", [
            ("BUTTONPOS", buttonpos(L.MAIN, language)), ("FUN_STRING", names)])
        files[f"{folder}/skin_advance{suffix}.ini"] = ini_file(language, "advanced page", [
            ("BUTTONPOS", buttonpos(L.ADVANCED, language)), ("EDIT", controls["EDIT"]),
            ("MACRODISPLAY", controls["MACRODISPLAY"])])
        files[f"{folder}/skin_color{suffix}.ini"] = ini_file(language, "color page", [
            ("BUTTONPOS", buttonpos(L.COLOR, language))])
        files[f"{folder}/LBWarning{suffix}.ini"] = ini_file(language, "warning", [
            ("BUTTONPOS", buttonpos(L.WARNING, language))])
    return files


# ---------------------------------------------------------------------------
# Checks of the layout, before anything is written.

def text_width(s, language, small=False):
    """Roughly the width the program's fonts give: Consolas 7 pixels a
    character (6 for the small font), SimSun 6 for a narrow and 12 for a wide
    character."""
    if language == "en":
        return len(s) * (6 if small else 7)
    return sum(12 if ord(c) > 0x2E80 else 6 for c in s)


def check_layout():
    problems = []

    def inside(table_name, n, e, width, height, chamfers):
        for x, y in ((e.x, e.y), (e.x + e.w - 1, e.y), (e.x, e.y + e.h - 1), (e.x + e.w - 1, e.y + e.h - 1)):
            if not (0 <= x < width and 0 <= y < height and inside_outline(x, y, width, height, chamfers)):
                problems.append(f"{table_name} {n} ({e.name}) reaches outside the window at {x},{y}")
                return

    for table_name, table in (("main", L.MAIN), ("advanced", L.ADVANCED), ("color", L.COLOR)):
        for n, e in table.items():
            inside(table_name, n, e, L.WIDTH, L.HEIGHT, L.MAIN_CHAMFERS)
        items = sorted(table.items())
        for i, (a, ea) in enumerate(items):
            for b, eb in items[i + 1:]:
                apart = (ea.x + ea.w <= eb.x or eb.x + eb.w <= ea.x or ea.y + ea.h <= eb.y or eb.y + eb.h <= ea.y)
                if not apart and (a, b) not in ALLOWED_OVERLAPS.get(table_name, set()):
                    problems.append(f"{table_name} {a} ({ea.name}) overlaps {b} ({eb.name})")
    for n, e in L.WARNING.items():
        inside("warning", n, e, L.WARNING_WIDTH, L.WARNING_HEIGHT, L.WARNING_CHAMFERS)
    for (section, key), (name, x, y, w, h) in L.CONTROLS.items():
        for n, e in list(L.ADVANCED.items()) + [(m, L.MAIN[m]) for m in range(20)]:
            if not (x + w <= e.x or e.x + e.w <= x or y + h <= e.y or e.y + e.h <= y):
                problems.append(f"control {section} {key} overlaps advanced/shared element {n}")

    for table_name, table in (("main", L.MAIN), ("advanced", L.ADVANCED), ("color", L.COLOR),
                              ("warning", L.WARNING)):
        for n, e in table.items():
            for language in ("en", "cn"):
                s = text(e, language)
                if "," in s:
                    problems.append(f"{table_name} {n} text holds a comma")
                small = table_name == "main" and 50 <= n <= 53 and language == "en"
                room = e.w - (28 if e.kind in ("toggle", "option", "record", "link") else
                              44 if e.kind == "mode" else 4)
                if s and (text_width(s, language, small) > room or e.h < (15 if language == "en" else 12)):
                    problems.append(f"{table_name} {n} ({e.name}) too small for {s!r}")
    # Function names: on the button elements (left-aligned, beside the arrow)
    # and in the assignment lists.
    button_room = L.MAIN[25].w - 5 - 24
    for k, names in L.FUNCTION_NAMES.items():
        for language, s in zip(("en", "cn"), names):
            if "," in s:
                problems.append(f"function name {k} holds a comma")
            list_width = L.MENU_WIDTH if k <= 10 else L.SUBMENU_WIDTH
            if text_width(s, language) > min(button_room, list_width - 12):
                problems.append(f"function name {k} too wide: {s!r}")
    status = {"en": "Configuration done,click key [7] to start driver", "cn": "配置完成，请点击鼠标第[7]键运行驱动"}
    for language, s in status.items():
        if text_width(s, language) > L.MAIN[1].w - 8:
            problems.append(f"status line too narrow for {language}")
    if L.MAIN[60].w * 1 != 26 or any(L.MAIN[60 + n].w != L.MAIN[60].w or L.MAIN[60 + n].h != L.MAIN[60].h
                                      for n in range(20)):
        problems.append("the DPI step elements must share the knob's size")
    return problems


def check_masks(out):
    """Decodes the written masks and compares them with the outline pixel by pixel."""
    problems = []
    for name, width, height, chamfers in (("main_mask.jpg", L.WIDTH, L.HEIGHT, L.MAIN_CHAMFERS),
                                          ("warning_mask.jpg", L.WARNING_WIDTH, L.WARNING_HEIGHT,
                                           L.WARNING_CHAMFERS)):
        img = Image.open(os.path.join(out, name)).convert("RGB")
        if img.size != (width, height):
            problems.append(f"{name} has size {img.size}")
            continue
        pixels = img.load()
        wrong = sum(1 for y in range(height) for x in range(width)
                    if (min(pixels[x, y]) > 100) == inside_outline(x, y, width, height, chamfers))
        if wrong:
            problems.append(f"{name}: {wrong} pixels changed side after encoding")
    return problems


# ---------------------------------------------------------------------------
# Preview: the pages with their texts, roughly as the program paints them.

DEFAULT_BUTTONS = (1, 2, 3, 5, 4, 18, 17)


def preview(out_dir, pictures, language):
    os.makedirs(out_dir, exist_ok=True)
    path = PREVIEW_FONT_EN if language == "en" else PREVIEW_FONT_CN
    size = 12
    fnt = ImageFont.truetype(path, size)

    def draw_texts(img, table, numbers, colours, override=None, left=()):
        d = ImageDraw.Draw(img)
        for n in numbers:
            e = table[n]
            s = (override or {}).get(n, text(e, language))
            if not s:
                continue
            tw = d.textlength(s, font=fnt)
            x = e.x + 5 if n in left else e.x + (e.w - tw) / 2
            d.text((x, e.y + e.h / 2), s, font=fnt, fill=colours.get(n, (255, 255, 255)), anchor="lm")

    def state(img, source, elements):
        return compose(img, source, elements)

    p = pictures
    status = "OK,driver is working..." if language == "en" else "驱动运行中..."
    names = {25 + i: L.FUNCTION_NAMES[c][0 if language == "en" else 1] for i, c in enumerate(DEFAULT_BUTTONS)}
    shared_down = [L.MAIN[4], L.MAIN[18 if language == "en" else 17]]

    main = state(p["main_normal.jpg"], p["main_down.jpg"],
                 shared_down + [L.MAIN[9], L.MAIN[80], L.MAIN[41]] + [L.MAIN[46 + j] for j in range(4)])
    main = state(main, p["main_over.jpg"], [L.MAIN[27], L.MAIN[92], L.MAIN[3]])
    for j, step in enumerate((1, 2, 4, 0)):
        e = L.MAIN[60 + 5 * j + step]
        main.paste(p["dpi_slider.jpg"].crop((0, 0, e.w, e.h)), (e.x, e.y))
    colours = {1: (255, 255, 0), 27: (0, 255, 0), **{50 + j: (255, 0, 0) for j in range(4)}}
    draw_texts(main, L.MAIN, range(54), colours, {1: status, **names}, left=range(25, 32))
    main.save(os.path.join(out_dir, f"main_{language}.png"))

    adv = state(p["advanced_normal.jpg"], p["advanced_down.jpg"],
                shared_down + [L.MAIN[10], L.ADVANCED[12], L.ADVANCED[20], L.ADVANCED[6]])
    adv = state(adv, p["advanced_over.jpg"], [L.ADVANCED[2]])
    bar = L.ADVANCED[30]
    adv.paste(p["advanced_down.jpg"].crop((bar.x, bar.y, bar.x + bar.w * 50 // 300, bar.y + bar.h)), (bar.x, bar.y))
    draw_texts(adv, L.MAIN, range(20), {1: (255, 255, 0)}, {1: status})
    draw_texts(adv, L.ADVANCED, range(46), {2: (255, 0, 0)}, {33: "50ms", 38: "[↓]4", 39: "[↑]4"})
    adv.save(os.path.join(out_dir, f"advanced_{language}.png"))

    col = state(p["color_normal_pink.jpg"], p["color_down_purple.jpg"], shared_down + [L.MAIN[11], L.COLOR[0]])
    col = state(col, p["color_over_blue.jpg"], [L.COLOR[11]])
    col = state(col, p["color_over_red.jpg"], [L.COLOR[2]])
    draw_texts(col, L.MAIN, range(20), {1: (255, 255, 0)}, {1: status})
    draw_texts(col, L.COLOR, range(13), {})
    col.save(os.path.join(out_dir, f"color_{language}.png"))

    warn = state(p["warning_normal.jpg"], p["warning_over.jpg"], [L.WARNING[0]])
    draw_texts(warn, L.WARNING, range(3), {n: (255, 0, 0) for n in range(3)})
    warn.save(os.path.join(out_dir, f"warning_{language}.png"))

    for prefix, rows, codes in (("menu", L.MENU_ROWS, list(range(1, 11))),
                                ("advanced menu", L.SUBMENU_ROWS, list(range(31, 41)))):
        img = state(p[f"{prefix}_normal.jpg"], p[f"{prefix}_over.jpg"],
                    [L.Element("row", 0, 2 * L.MENU_ROW, img_w, L.MENU_ROW, "row")
                     for img_w in [p[f"{prefix}_normal.jpg"].width]])
        d = ImageDraw.Draw(img)
        row_h = p[f"{prefix}_normal.jpg"].height // rows
        for r, code in enumerate(codes):
            s = L.FUNCTION_NAMES[code][0 if language == "en" else 1]
            tw = d.textlength(s, font=fnt)
            d.text(((img.width - tw) / 2, r * row_h + row_h / 2), s, font=fnt,
                   fill=(255, 0, 0) if r == 2 else (255, 255, 255), anchor="lm")
        img.save(os.path.join(out_dir, f"{prefix.replace(' ', '_')}_{language}.png"))


# ---------------------------------------------------------------------------

def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    parser.add_argument("--out", default=os.path.join(root, "data", "skins"))
    parser.add_argument("--preview", help="also write previews with texts into this folder")
    args = parser.parse_args()

    problems = check_layout()
    if problems:
        print("layout problems:\n  " + "\n  ".join(problems), file=sys.stderr)
        return 1

    pictures = {}
    pictures.update(pages())
    pictures["main_mask.jpg"] = mask_picture(L.WIDTH, L.HEIGHT, L.MAIN_CHAMFERS)
    pictures["dpi_slider.jpg"] = slider_picture()
    pictures.update(warning_pictures())
    pictures.update(list_pictures())

    os.makedirs(args.out, exist_ok=True)
    for name, img in sorted(pictures.items()):
        img.save(os.path.join(args.out, name), "JPEG", **JPEG_OPTIONS)
    for name, content in sorted(layout_files().items()):
        path = os.path.join(args.out, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(b"\xff\xfe" + content.encode("utf-16-le"))

    problems = check_masks(args.out)
    if problems:
        print("mask problems:\n  " + "\n  ".join(problems), file=sys.stderr)
        return 1
    if args.preview:
        decoded = {name: Image.open(os.path.join(args.out, name)).convert("RGB") for name in pictures}
        for language in ("en", "cn"):
            preview(args.preview, decoded, language)
    print(f"wrote {len(pictures)} pictures and {len(layout_files())} layout files to {args.out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
