"""A virtual X server (Xvfb) for the stage: one display serves every test."""

import os
import select
import subprocess


class VirtualDisplay:
    """Xvfb on a display number it picks itself (-displayfd), so that stages
    running side by side never collide."""

    def __init__(self, size="1024x768x24", timeout=30):
        read_end, write_end = os.pipe()
        # -noreset: otherwise the server resets whenever its last client leaves
        # (Wine's start-up does that), and one started with -displayfd does not
        # come back from the reset.
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", size, "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,),
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
        )
        os.close(write_end)
        try:
            # Xvfb writes the display number once it accepts clients.
            ready, _, _ = select.select([read_end], [], [], timeout)
            number = os.read(read_end, 64).decode().strip() if ready else ""
        finally:
            os.close(read_end)
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
