"""A virtual X server (Xvfb) for the stage: one display serves every test."""

import os
import select
import subprocess


class VirtualDisplay:
    """Xvfb on a display number it picks itself (-displayfd), so that stages
    running side by side never collide."""

    def __init__(self, size="1024x768x24", timeout=30):
        # The server may write to the display pipe again later (at a reset,
        # for one); with the reading end closed that would end it, so the pipe
        # stays open as long as the server runs.
        self._pipe, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", size, "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,),
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
        )
        os.close(write_end)
        # Xvfb writes the display number once it accepts clients.
        ready, _, _ = select.select([self._pipe], [], [], timeout)
        number = os.read(self._pipe, 64).decode().strip() if ready else ""
        if not number.isdigit():
            self.close()
            raise RuntimeError("Xvfb did not start")
        self.name = ":" + number

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        if self._pipe is not None:
            os.close(self._pipe)
            self._pipe = None
