"""The device link under Wine: the program's own HID code against the emulated
mouse of the test-only hid.dll and setupapi.dll, or against no mouse at all."""

import time

CHINESE = "TX80_KARVO 宏编程电竞鼠标"

FACTORY_PROFILE = {
    "K1": 1, "K2": 2, "K3": 3, "K4": 5, "K5": 4, "K6": 18, "K7": 17,
    "WHEEL_STATUS": 0, "MACRO_MODE2": 0, "DPI_LEVEL": 1,
    "DPI_SET1": 1, "DPI_SET2": 2, "DPI_SET3": 4, "DPI_SET4": 0,
    "DPI_SET_EN1": 1, "DPI_SET_EN2": 1, "DPI_SET_EN3": 1, "DPI_SET_EN4": 1,
    "LED_STATUS": 0, "DPI_SPEED": 4, "WHEEL_SPEED": 2, "FIRE_TIME": 50,
}

# Slots 1..7 are the mouse's buttons 1, 2, 3, 5, 4, 6, 8; slots 6 and 7 carry
# DPI functions the program performs, so the mouse reports those buttons (31).
APPLY_SEQUENCE = [
    "07 10 01 01", "07 10 02 02", "07 10 03 03", "07 10 05 05", "07 10 04 04",
    "07 10 06 1F", "07 10 08 1F",
    "07 11 00 00",  # wheel
    "07 09 01 A0",  # DPI level 1 at step 2, LED mode 0
    "07 12 06 00",  # fire time 50 / 8
]


def write_factory_config(t):
    t.remove("config.ini")
    t.set_ini("config.ini", "Init", "CurConfig", "1")
    for key, value in FACTORY_PROFILE.items():
        t.set_ini("config.ini", "Config1", key, str(value))


def wait_for_apply(t, control):
    reports = control.wait_for_reports(len(APPLY_SEQUENCE))
    assert reports == [r + " 00 00 00 00" for r in APPLY_SEQUENCE], reports
    return reports


def test_plug_in_message_without_mouse(t):
    # No config.ini: the language is Chinese, and nothing may create the file.
    t.remove("config.ini")
    program = t.launch(mouse=False)
    box, text = t.wait_for_message_box(program)
    t.screenshot("plug-in")
    assert text == "请插入【TX80_KARVO】USB鼠标", text
    assert not t.desktop.windows(CHINESE)
    t.desktop.key(box, "Return")
    assert t.wait_exit(program) == 0
    assert not (t.dir / "config.ini").exists(), "config.ini was written"


def test_factory_profile_reaches_mouse(t):
    write_factory_config(t)
    program = t.launch(mouse=True)
    control = t.mouse(program)
    wait_for_apply(t, control)
    state = control.state()
    assert state["button 6"] == "31" and state["button 8"] == "31", state
    assert [state[f"button {n}"] for n in (1, 2, 3, 4, 5, 7)] == ["1", "2", "3", "4", "5", "-"], state
    assert (state["wheel"], state["dpi_level"], state["dpi_step"], state["led"], state["fire"]) == \
        ("0", "1", "2", "0", "6"), state
    for key, value in FACTORY_PROFILE.items():
        assert t.read_ini("config.ini", "Config6", key) == str(value), key
    t.wait_for_window(CHINESE, process=program)


# The order in which the program writes a profile section's keys.
PROFILE_KEY_ORDER = [
    "K1", "K2", "K3", "K4", "K5", "K6", "K7", "DPI_LEVEL", "WHEEL_STATUS", "MACRO_MODE2",
    "DPI_SET1", "DPI_SET_EN1", "DPI_SET2", "DPI_SET_EN2", "DPI_SET3", "DPI_SET_EN3", "DPI_SET4", "DPI_SET_EN4",
    "LED_STATUS", "DPI_SPEED", "WHEEL_SPEED", "FIRE_TIME",
]


def test_apply_records_profile_in_config_ini(t):
    # A config.ini as an editor of a Chinese system saves it: a comment in the
    # local code page, the current profile's keys in an order of its own.
    comment = b"; \xc5\xe4\xd6\xc3\xce\xc4\xbc\xfe\r\n"
    profile = "".join(f"{key}={FACTORY_PROFILE[key]}\r\n" for key in reversed(PROFILE_KEY_ORDER))
    original = comment + (
        "[Init]\r\nCurConfig=2\r\nVER_SEL=0\r\n[CfgReset2]\r\nK1=1\r\n[Config2]\r\n" + profile).encode()
    (t.dir / "config.ini").write_bytes(original)
    program = t.launch(mouse=True)
    wait_for_apply(t, t.mouse(program))
    # The record is saved before anything is sent: by now it is whole. Only
    # [Config6] is new; every byte already there is kept.
    applied = "".join(f"{key}={FACTORY_PROFILE[key]}\r\n" for key in PROFILE_KEY_ORDER)
    assert (t.dir / "config.ini").read_bytes() == original + ("[Config6]\r\n" + applied).encode()
    assert not (t.dir / "config.ini.new").exists()
    t.wait_for_window(CHINESE, process=program)


def test_mouse_found_with_command_collection_first(t):
    write_factory_config(t)
    program = t.launch(mouse=True, order="command,input")
    wait_for_apply(t, t.mouse(program))


def test_start_click_makes_driver_active(t):
    write_factory_config(t)
    program = t.launch(mouse=True)
    control = t.mouse(program)
    wait_for_apply(t, control)
    control.clear()
    # Waiting: the press is dropped, its release is the start click.
    control.press(6)
    control.release(6)
    # Active: button 6 (slot 6, DPI down) moves from level 1 to level 0, at
    # step 1 with LED mode 0, and the level is saved.
    control.press(6)
    control.release(6)
    assert control.wait_for_reports(1) == ["07 09 00 90 00 00 00 00"]
    deadline = time.monotonic() + 10
    while t.read_ini("config.ini", "Config1", "DPI_LEVEL") != "0":
        assert time.monotonic() < deadline, "DPI_LEVEL 0 not saved"
        time.sleep(0.1)
    time.sleep(0.5)
    assert control.reports() == ["07 09 00 90 00 00 00 00"], "a press while waiting was performed"
    assert program.poll() is None
