"""The stage's Wine prefix and the Wine processes started in it."""

import os
import shutil
import subprocess

# Quiet Wine: no debug output (E2E_WINEDEBUG overrides, e.g. err+all), and no
# offer to install Mono or Gecko.
# Only the text of each message box goes to the program's log, so that a test
# can read what the user reads (ProgramTest.message_boxes).
DEFAULT_WINEDEBUG = "-all,+msgbox"
BASE_DLL_OVERRIDES = "mscoree,mshtml="
# The emulated mouse's test-only DLLs beside the program replace the system's.
MOUSE_DLL_OVERRIDES = "hid,setupapi=n,b"
# The program's font faces are Windows fonts Wine lacks; installed fonts stand
# in for them (scripts/install-deps.sh), so Chinese texts show as characters,
# not boxes, and the English ones in a fixed-pitch face.
FONT_REPLACEMENTS = {
    "宋体": "WenQuanYi Micro Hei",
    "SimSun": "WenQuanYi Micro Hei",
    "Consolas": "DejaVu Sans Mono",
}
FONT_REPLACEMENTS_KEY = r"HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements"


class WinePrefix:
    def __init__(self, path, display):
        self.path = path
        self.display = display

    def environment(self, emulated_mouse=False):
        overrides = BASE_DLL_OVERRIDES
        if emulated_mouse:
            overrides += ";" + MOUSE_DLL_OVERRIDES
        env = dict(os.environ)
        env.update(WINEPREFIX=str(self.path), WINEDEBUG=os.environ.get("E2E_WINEDEBUG", DEFAULT_WINEDEBUG),
                   WINEDLLOVERRIDES=overrides, DISPLAY=self.display)
        return env

    def create(self, timeout=300):
        """A fresh prefix: made once per stage, then shared by every test."""
        shutil.rmtree(self.path, ignore_errors=True)
        self.path.parent.mkdir(parents=True, exist_ok=True)
        subprocess.run(["wineboot", "-i"], env=self.environment(), timeout=timeout,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        self.wait_idle(timeout)
        self.replace_fonts(timeout)

    def ensure(self, timeout=300):
        """The prefix as it is, made first when it does not exist yet (and
        given the font replacements when an older run made it without them)."""
        if not (self.path / "system.reg").exists():
            self.create(timeout)
        elif "Fonts\\\\Replacements" not in (self.path / "user.reg").read_text(errors="replace"):
            self.replace_fonts(timeout)

    def replace_fonts(self, timeout=120):
        """Registers FONT_REPLACEMENTS in one import. The .reg file is UTF-16,
        so the Chinese face name arrives whatever the locale of this process."""
        lines = ["Windows Registry Editor Version 5.00", "", f"[{FONT_REPLACEMENTS_KEY}]"]
        lines += [f'"{face}"="{font}"' for face, font in FONT_REPLACEMENTS.items()]
        reg_file = self.path / "font-replacements.reg"
        reg_file.write_bytes(b"\xff\xfe" + ("\r\n".join(lines) + "\r\n").encode("utf-16-le"))
        subprocess.run(["wine", "regedit", "/S", str(reg_file)], env=self.environment(), timeout=timeout,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        self.wait_idle(timeout)

    def drive_c(self):
        return self.path / "drive_c"

    def start(self, program, log, emulated_mouse=False, extra_env=None, args=()):
        """Starts a Windows program with its arguments; its console output goes to `log`."""
        env = dict(self.environment(emulated_mouse), **(extra_env or {}))
        return subprocess.Popen(["wine", str(program), *args], env=env,
                                cwd=str(self.path), stdin=subprocess.DEVNULL, stdout=log,
                                stderr=subprocess.STDOUT)

    def run(self, args, timeout=60):
        """Runs a Wine tool (reg, ...) to its end and returns its output."""
        done = subprocess.run(["wine", *args], env=self.environment(), timeout=timeout,
                              stdin=subprocess.DEVNULL, capture_output=True, check=True)
        return done.stdout.decode(errors="replace")

    def wait_idle(self, timeout=120):
        """Waits until every Wine process of the prefix has ended."""
        subprocess.run(["wineserver", "-w"], env=self.environment(), timeout=timeout, check=False)

    def kill(self, timeout=60):
        """Ends every Wine process of the prefix (between tests and at the end)."""
        subprocess.run(["wineserver", "-k"], env=self.environment(), timeout=timeout,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        self.wait_idle(timeout)
