"""Reads and sets single values of the program's INI files, keeping every other
line and the file's encoding, so that a test can prepare config.ini and check
what the program wrote."""

import codecs


def _load(path):
    data = path.read_bytes() if path.exists() else b""
    if data.startswith(codecs.BOM_UTF16_LE):
        return data[2:].decode("utf-16-le", errors="replace"), "utf-16-le", codecs.BOM_UTF16_LE
    if data.startswith(codecs.BOM_UTF8):
        return data[3:].decode("utf-8", errors="replace"), "utf-8", codecs.BOM_UTF8
    return data.decode("utf-8", errors="replace"), "utf-8", b""


def _section_of(line):
    stripped = line.strip()
    if stripped.startswith("[") and "]" in stripped:
        return stripped[1:stripped.index("]")].strip().lower()
    return None


def read_value(path, section, key):
    """The value as the program reads it; None when the file, section or key is missing."""
    text, _, _ = _load(path)
    current = None
    for line in text.splitlines():
        name = _section_of(line)
        if name is not None:
            current = name
        elif current == section.lower() and "=" in line:
            k, v = line.split("=", 1)
            if k.strip().lower() == key.lower():
                return v.strip()
    return None


def set_value(path, section, key, value):
    text, encoding, bom = _load(path)
    lines = text.splitlines()
    current, section_end, replaced = None, None, False
    for i, line in enumerate(lines):
        name = _section_of(line)
        if name is not None:
            current = name
            if name == section.lower():
                section_end = i + 1
        elif current == section.lower():
            if "=" in line and line.split("=", 1)[0].strip().lower() == key.lower():
                lines[i] = f"{key}={value}"
                replaced = True
                break
            if line.strip():
                section_end = i + 1
    if not replaced:
        if section_end is None:
            lines += [f"[{section}]", f"{key}={value}"]
        else:
            lines.insert(section_end, f"{key}={value}")
    path.write_bytes(bom + ("\r\n".join(lines) + "\r\n").encode(encoding))
