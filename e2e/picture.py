"""Reading screenshots: the pixels of a rectangle, and crops saved beside them."""

import subprocess


def pixels(path, x, y, width, height):
    """The pixels of the rectangle of the picture file, row by row, as (r, g, b)."""
    raw = subprocess.run(["convert", str(path), "-crop", f"{width}x{height}+{x}+{y}", "+repage",
                          "-depth", "8", "rgb:-"], capture_output=True, timeout=60, check=True).stdout
    return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]


def crop(path, out, x, y, width, height):
    """Saves the rectangle of the picture file as its own picture."""
    subprocess.run(["convert", str(path), "-crop", f"{width}x{height}+{x}+{y}", "+repage", str(out)],
                   timeout=60, check=True)
    return out
