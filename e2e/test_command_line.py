"""Commands to the running driver from a command line (/profile, /dpi,
/status, ...), and the whole setup saved into one file and brought back."""

import shutil

from program import windows_path
from test_device import FACTORY_PROFILE, wait_for_apply, write_factory_config
from test_tray import choose, hide_to_tray, open_tray_menu

ENGLISH = "TX80_KARVO GAMING MOUSE"
# Profile 3 of these tests: the factory profile with DPI level 3 (step 4) in use.
PROFILE_3 = dict(FACTORY_PROFILE, DPI_LEVEL=2)
PROFILE_3_APPLY = [
    "07 10 01 01", "07 10 02 02", "07 10 03 03", "07 10 05 05", "07 10 04 04",
    "07 10 06 1F", "07 10 08 1F", "07 11 00 00",
    "07 09 02 C0",  # DPI level 2 at step 4
    "07 12 06 00",
]
SETTINGS_FILES = ("config.ini", "Macro_EN.dat", "Macro_CN.dat")


def full(reports):
    return [r + " 00 00 00 00" for r in reports]


def start_driver(t):
    write_factory_config(t)
    t.set_ini("config.ini", "Init", "VER_SEL", "1")
    for profile in (2, 3, 4, 5):
        for key, value in (PROFILE_3 if profile == 3 else FACTORY_PROFILE).items():
            t.set_ini("config.ini", f"Config{profile}", key, str(value))
    program = t.launch(mouse=True)
    window = t.wait_for_window(ENGLISH, process=program)
    control = t.mouse(program)
    wait_for_apply(t, control)
    control.clear()
    return program, window, control


def test_commands_reach_the_shown_driver(t):
    program, window, control = start_driver(t)

    code, out = t.command("/profile", "3")
    assert (code, out) == (0, "Profile 3 applied.\n"), (code, out)
    assert control.reports() == full(PROFILE_3_APPLY)
    assert t.read_ini("config.ini", "Init", "CurConfig") == "3"

    control.clear()
    code, out = t.command("/dpi", "2")
    assert (code, out) == (0, "DPI level 2: 1600 dpi.\n"), (code, out)
    assert control.reports() == full(["07 09 01 A0"])
    assert t.read_ini("config.ini", "Config3", "DPI_LEVEL") == "1"

    code, out = t.command("/status")
    assert code == 0, (code, out)
    lines = out.splitlines()
    assert lines[:3] == ["profile: 3", "dpi level: 2", "resolution: 1600 dpi"], lines
    assert lines[3] == "driver: waiting for the start click", lines
    folder = "C:\\tx80-e2e\\" + t.name
    assert lines[4:] == ["program folder: " + folder, "settings folder: " + folder], lines

    control.clear()
    for args in (["/profile", "9"], ["/dpi"], ["/frob"]):
        code, out = t.command(*args)
        assert code == 2 and "Usage: TX80.exe [/profile N" in out, (args, code, out)
    assert control.reports() == []
    assert t.read_ini("config.ini", "Init", "CurConfig") == "3"
    t.screenshot("after-commands")
    assert program.poll() is None


def test_commands_reach_the_driver_hidden_in_the_tray(t):
    program, caption, tray = hide_to_tray(t, 1)
    control = t.mouse(program)
    control.clear()
    code, out = t.command("/profile", "2")
    assert (code, out) == (0, "Profile 2 applied.\n"), (code, out)
    assert len(control.reports()) == len(PROFILE_3_APPLY), control.reports()
    assert t.read_ini("config.ini", "Init", "CurConfig") == "2"
    assert not t.desktop.windows(caption), "the window came back"
    t.screenshot("tray-command")


def test_without_a_running_copy(t):
    code, out = t.command("/profile", "1")
    assert (code, out) == (3, "TX80 is not running.\n"), (code, out)
    code, out = t.command("/help")
    assert code == 0 and "TX80.exe /backup FILE" in out, (code, out)


def test_backup_then_restore_into_a_fresh_program_folder(t):
    program, window, control = start_driver(t)
    record = "".join(f"{b:03d}" for b in [74, 117, 109, 112] + [0] * 1060)
    (t.dir / "Macro_EN.dat").write_bytes(f"[Macros]\r\nmacroNum=1\r\n0={record}\r\n".encode())
    t.set_ini("config.ini", "AppProfiles", "game.exe", "3")
    backup = t.artifacts / f"{t.name}-backup.ini"
    backup.unlink(missing_ok=True)
    code, out = t.command("/backup", windows_path(backup))
    assert code == 0, (code, out)
    saved = {name: (t.dir / name).read_bytes() for name in SETTINGS_FILES}
    t.desktop.key(window, "alt+F4")
    assert t.wait_exit(program) == 0

    # A fresh program folder: the shipped files, none of this setup.
    for name in SETTINGS_FILES:
        (t.dir / name).unlink()
    shutil.copy2(t.dir / "skins" / "INI_EN" / "defMacro.dat", t.dir / "Macro_EN.dat")
    code, out = t.command("/restore", windows_path(backup))
    assert code == 0 and "They take effect when TX80 starts." in out, (code, out)
    for section in ["Init", "Config1", "Config2", "Config3", "Config4", "Config5", "AppProfiles"]:
        for key in (["CurConfig", "VER_SEL"] if section == "Init" else
                    ["game.exe"] if section == "AppProfiles" else list(PROFILE_3)):
            expected = t.read_ini("config.ini", section, key)
            assert expected == _value_in(saved["config.ini"], section, key), (section, key, expected)
    assert (t.dir / "Macro_EN.dat").read_bytes() == saved["Macro_EN.dat"]
    assert (t.dir / "Macro_CN.dat").read_bytes() == saved["Macro_CN.dat"]

    program = t.launch(mouse=True)
    t.wait_for_window(ENGLISH, process=program)
    wait_for_apply(t, t.mouse(program))  # profile 1 again, as restored
    t.screenshot("restored")


def _value_in(data, section, key):
    current = None
    for line in data.decode("utf-8", "replace").splitlines():
        stripped = line.strip()
        if stripped.startswith("["):
            current = stripped[1:stripped.index("]")].lower()
        elif current == section.lower() and "=" in line and line.split("=", 1)[0].strip().lower() == key.lower():
            return line.split("=", 1)[1].strip()
    return None


def test_back_up_settings_from_the_tray_menu(t):
    program, caption, tray = hide_to_tray(t, 1)
    backup = t.artifacts / f"{t.name}-backup.ini"
    backup.unlink(missing_ok=True)
    choose(t, open_tray_menu(t, tray), 5, "backup-item")
    dialog = t.wait_for_window("Save As", timeout=30, process=program)
    t.desktop.type_text(dialog, windows_path(backup))
    t.desktop.key(dialog, "Return")
    box, text = t.wait_for_message_box(program, caption="TX80_KARVO")
    t.screenshot("backup-done")
    assert text == f'Settings saved to "{windows_path(backup)}".', text
    assert "[TX80Backup]" in backup.read_text(encoding="utf-8")
