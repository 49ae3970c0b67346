"""Writes a macro file (Macro_EN.dat, Macro_CN.dat) as the program stores it:
section [Macros], macroNum, and per macro its 1064-byte record as "%03d"
fields: name and header as they lie, then per event slot its code, action and
delay (low byte, high byte)."""

NAME_BYTES = 40
EVENT_SLOTS = 255
DOWN, UP = 1, 2


def encode(name, events, repeat_mode=0, repeat_count=1):
    """events: (code, action, delay ms) tuples, at most 254."""
    header = bytearray(NAME_BYTES + 4)
    header[:len(name) * 2] = name.encode("utf-16-le")
    header[40] = repeat_mode
    header[41:43] = repeat_count.to_bytes(2, "little")
    header[43] = len(events)
    slots = bytearray(4 * EVENT_SLOTS)
    for k, (code, action, delay) in enumerate(events):
        slots[4 * k:4 * k + 4] = bytes([code, action]) + delay.to_bytes(2, "little")
    return "".join(f"{byte:03d}" for byte in header + slots)


def write(path, macros):
    """macros: encode() results, in store order."""
    lines = ["[Macros]", f"macroNum={len(macros)}"] + [f"{i}={value}" for i, value in enumerate(macros)]
    path.write_bytes(("\r\n".join(lines) + "\r\n").encode("ascii"))
