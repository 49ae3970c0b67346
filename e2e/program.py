"""One test's view of the program: its own program directory, the processes it
started, and the checks a user would make."""

import re
import shutil
import subprocess
import time

import ini
from mouse import MouseControl, free_port
from spy import InputSpy

EXE_NAME = "TX80.exe"


def lay_out(directory, repo, exe):
    """Fills a program directory the way the program is shipped."""
    directory.mkdir(parents=True)
    stage = repo / "scripts" / "stage.sh"
    if stage.exists():
        subprocess.run([str(stage), str(directory)], cwd=repo, timeout=600, check=True,
                       stdout=subprocess.DEVNULL)
    elif (repo / "data").is_dir():
        shutil.copytree(repo / "data", directory, dirs_exist_ok=True)
    # The program under test, whatever the staging copied.
    shutil.copy2(exe, directory / EXE_NAME)


def windows_path(path):
    """A Linux path as Wine's programs name it (drive Z: is the root)."""
    return "Z:" + str(path).replace("/", "\\")


def _wine_string(traced):
    """The text of a string in Wine's debug notation (\\n, \\", \\\\, \\xxxx)."""
    escapes = {"n": "\n", "r": "\r", "t": "\t", '"': '"', "\\": "\\"}
    return re.sub(r'\\([nrt"\\]|[0-9a-f]{4})',
                  lambda m: escapes.get(m.group(1)) or chr(int(m.group(1), 16)), traced)


class ProgramTest:
    """Handed to every test function as `t`."""

    def __init__(self, name, directory, prefix, desktop, artifacts, mouse_dlls):
        self.name = name
        self.dir = directory
        self.prefix = prefix
        self.desktop = desktop
        self.artifacts = artifacts
        self.mouse_dlls = mouse_dlls
        self.processes = []
        self._logs = []
        self._mice = []
        self._spies = []

    # Files of the program directory.
    def remove(self, relative):
        (self.dir / relative).unlink(missing_ok=True)

    def set_ini(self, relative, section, key, value):
        ini.set_value(self.dir / relative, section, key, value)

    def read_ini(self, relative, section, key):
        return ini.read_value(self.dir / relative, section, key)

    # The program.
    def launch(self, mouse=None, order=None, args=(), test_program=None, plugged=True):
        """Starts TX80.exe. mouse: True needs the emulated mouse, False runs
        without one, None uses it when it is built. order: the mouse's
        interfaces as enumeration lists them, "input,command" (default) or
        "command,input". args: the program's command line. test_program: one
        of the test programs built beside the mouse ("bare_path.exe") to start
        in its place. plugged: False starts the emulated mouse unplugged. With
        the mouse, `self.mouse(process)` drives it."""
        has_mouse = self.mouse_dlls.is_dir() and any(self.mouse_dlls.glob("*.dll"))
        if mouse and not has_mouse:
            raise AssertionError(f"the emulated mouse is not built ({self.mouse_dlls})")
        use_mouse = has_mouse if mouse is None else mouse
        if use_mouse:
            for dll in self.mouse_dlls.glob("*.dll"):
                shutil.copy2(dll, self.dir / dll.name)
        log = open(self.artifacts / f"{self.name}-{len(self.processes) + 1}.log", "wb")
        self._logs.append(log)
        extra_env = {}
        if use_mouse:
            self.mouse_port = free_port()
            extra_env["TX80_EMU_PORT"] = str(self.mouse_port)
            self.report_log = self.artifacts / f"{self.name}-{len(self.processes) + 1}-reports.log"
            self.report_log.unlink(missing_ok=True)
            extra_env["TX80_EMU_REPORT_LOG"] = windows_path(self.report_log)
            if order:
                extra_env["TX80_EMU_ORDER"] = order
            if not plugged:
                extra_env["TX80_EMU_PLUGGED"] = "0"
        exe = self.dir / EXE_NAME
        if test_program:
            exe = self.dir / test_program
            shutil.copy2(self.mouse_dlls / test_program, exe)
        process = self.prefix.start(exe, log, emulated_mouse=use_mouse, extra_env=extra_env, args=args)
        self.processes.append(process)
        return process

    def command(self, *args, timeout=60):
        """Runs TX80.exe with a command line to its end, its output going to a
        file as a script's redirect sends it; (exit code, the text it printed)."""
        self._commands = getattr(self, "_commands", 0) + 1
        out = self.artifacts / f"{self.name}-command-{self._commands}.out"
        with open(out, "wb") as stdout, open(out.with_suffix(".log"), "wb") as stderr:
            done = subprocess.run(["wine", str(self.dir / EXE_NAME), *args], env=self.prefix.environment(),
                                  cwd=str(self.dir), stdin=subprocess.DEVNULL, stdout=stdout, stderr=stderr,
                                  timeout=timeout, check=False)
        return done.returncode, out.read_bytes().decode("utf-8", "replace").replace("\r\n", "\n")

    def reports_sent(self):
        """Every feature report the program of the last launch sent to the
        emulated mouse, as "07 10 01 01 ..." lines; still there after it ended."""
        if not self.report_log.exists():
            return []
        return self.report_log.read_text(encoding="ascii").splitlines()

    def mouse(self, process=None):
        """The control channel of the emulated mouse of the last launch."""
        control = MouseControl(self.mouse_port, process=process)
        self._mice.append(control)
        return control

    def spy(self):
        """Starts the input spy in the program's Wine session; it sees every key
        and mouse-button event from then on (spy.py)."""
        spy = InputSpy(self.prefix, self.mouse_dlls / "input_spy.exe",
                       self.artifacts / f"{self.name}-spy-{len(self._spies) + 1}.log")
        self._spies.append(spy)
        return spy

    def wait_exit(self, process, timeout=30):
        deadline = time.monotonic() + timeout
        while process.poll() is None:
            if time.monotonic() > deadline:
                raise AssertionError(f"the program is still running after {timeout} s")
            time.sleep(0.1)
        return process.returncode

    def wait_for_window(self, caption, timeout=60, process=None):
        return self.desktop.wait_for_window(caption, timeout, process)

    def wait_for_message_box(self, process, caption="", timeout=60):
        """The program's message box with that caption (none by default) and
        the text it shows, once it is up."""
        window = self.desktop.wait_for_window(caption, timeout, process, program=EXE_NAME)
        texts = self.message_boxes(process)
        assert texts, "a message box without a text in the log"
        return window, texts[-1]

    def message_boxes(self, process):
        """The texts of the message boxes `process` has shown so far, as Wine
        traced them in its log."""
        log = self.artifacts / f"{self.name}-{self.processes.index(process) + 1}.log"
        texts = []
        for line in log.read_text(encoding="ascii", errors="replace").splitlines():
            traced = re.search(r':MSGBOX_OnInit L"(.*)"', line)
            if traced:
                texts.append(_wine_string(traced.group(1)))
        return texts

    def start_other(self, program, *args):
        """Starts another Windows program of the prefix (notepad, ...); ended with the test."""
        log = open(self.artifacts / f"{self.name}-{program}.log", "wb")
        self._logs.append(log)
        process = self.prefix.start(program, log, args=args)
        self.processes.append(process)
        return process

    def screenshot(self, label):
        return self.desktop.screenshot(self.artifacts / f"{self.name}-{label}.png")

    def close(self):
        """Ends whatever the test left running."""
        for control in self._mice:
            control.close()
        self.prefix.kill()
        for process in self.processes + [spy.process for spy in self._spies]:
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        for log in self._logs:
            log.close()
        for spy in self._spies:
            spy.close()
