"""The X display as a user sees it: windows found by caption, keys, clicks and
screenshots, through xdotool and ImageMagick."""

import os
import subprocess
import time


class Desktop:
    def __init__(self, display):
        self.env = dict(os.environ, DISPLAY=display)

    def _run(self, *args, timeout=20, check=True):
        return subprocess.run(list(args), env=self.env, timeout=timeout, capture_output=True,
                              text=True, check=check)

    def windows(self, caption, program=None):
        """Visible windows whose caption is exactly `caption`; with `program`
        (a file name such as "TX80.exe"), only the windows of that program."""
        if any(c in caption for c in "\\.^$|?*+()[]{}"):
            raise ValueError("caption with regular-expression characters: " + caption)
        found = self._run("xdotool", "search", "--onlyvisible", "--name", "^" + caption + "$", check=False)
        windows = [int(w) for w in found.stdout.split()]
        if program:
            own = self.windows_of(program)
            windows = [w for w in windows if w in own]
        return windows

    def windows_of(self, program):
        """Visible windows of `program` (a file name such as "explorer.exe"), whatever their caption."""
        # Wine names the window class after the program file, in lower case.
        pattern = "^" + program.lower().replace(".", "\\.") + "$"
        found = self._run("xdotool", "search", "--onlyvisible", "--class", pattern, check=False)
        return [int(w) for w in found.stdout.split()]

    def wait_for_window_of(self, program, timeout=20, excluding=()):
        """The first visible window of `program` not in `excluding`, once there is one."""
        deadline = time.monotonic() + timeout
        while True:
            found = [w for w in self.windows_of(program) if w not in excluding]
            if found:
                return found[0]
            if time.monotonic() > deadline:
                raise AssertionError(f"no new window of {program} within {timeout} s")
            time.sleep(0.25)

    def wait_for_window(self, caption, timeout=60, process=None, program=None):
        """The first visible window with that caption (of `program` only, when
        given); fails after `timeout` seconds, or at once when `process` ends
        without showing one."""
        deadline = time.monotonic() + timeout
        while True:
            found = self.windows(caption, program)
            if found:
                return found[0]
            if process is not None and process.poll() is not None:
                raise AssertionError(f"the program ended (code {process.returncode}) without a window "
                                     f"captioned {caption!r}")
            if time.monotonic() > deadline:
                raise AssertionError(f"no window captioned {caption!r} within {timeout} s")
            time.sleep(0.25)

    def wait_until_gone(self, caption, timeout=20):
        deadline = time.monotonic() + timeout
        while self.windows(caption):
            if time.monotonic() > deadline:
                raise AssertionError(f"the window captioned {caption!r} is still there after {timeout} s")
            time.sleep(0.25)

    def focus(self, window):
        self._run("xdotool", "windowfocus", "--sync", str(window))

    def key(self, window, *keys):
        """Types keys (xdotool names: alt+F4, Return, ...) into the window."""
        self.focus(window)
        self._run("xdotool", "key", "--clearmodifiers", *keys)

    def type_text(self, window, text):
        """Types text into the window, character by character."""
        self.focus(window)
        self._run("xdotool", "type", "--delay", "20", text)

    def type_apart(self, keys, gap_ms):
        """Types each key (down, then up) `gap_ms` after the one before, every
        down and up `gap_ms` apart, into whatever has the focus."""
        chain = []
        for key in keys:
            chain += ["keydown", key, "sleep", f"{gap_ms / 1000}", "keyup", key, "sleep", f"{gap_ms / 1000}"]
        self._run("xdotool", *chain[:-2])

    def click(self, window, x, y, button=1):
        """Clicks at (x, y) of the window's client area."""
        self._run("xdotool", "mousemove", "--window", str(window), str(x), str(y), "click", str(button))

    def drag(self, window, x, y, dx, dy, timeout=20):
        """Presses the left button at (x, y) of the window's client area, moves
        the pointer by (dx, dy) and lets go once the window has followed. The
        program starts the move loop only when it has handled the press, so a
        move made before that is lost: the pointer keeps stepping between two
        points near the goal until the window's position changes."""
        left, top, _, _ = self.geometry(window)
        self.move_to(left + x, top + y)
        self._run("xdotool", "mousedown", "1")
        try:
            deadline = time.monotonic() + timeout
            step = 0
            while self.geometry(window)[:2] == (left, top):
                if time.monotonic() > deadline:
                    raise AssertionError("the window was not dragged")
                self._run("xdotool", "mousemove", "--sync", str(left + x + dx + step % 2),
                          str(top + y + dy))
                step += 1
                time.sleep(0.05)
        finally:
            self._run("xdotool", "mouseup", "1")

    def move_pointer(self, window, x, y):
        """Moves the pointer to (x, y) of the window's client area and waits
        until it is there."""
        left, top, _, _ = self.geometry(window)
        self.move_to(left + x, top + y)

    def move_to(self, x, y):
        """Puts the pointer at screen point (x, y) and waits until it is there."""
        out = self._run("xdotool", "getmouselocation", "--shell").stdout
        where = dict(line.split("=", 1) for line in out.split())
        # --sync waits for the pointer to move, which it never does when it is there already.
        if (int(where["X"]), int(where["Y"])) != (x, y):
            self._run("xdotool", "mousemove", "--sync", str(x), str(y))

    def click_at(self, x, y, button=1):
        """Clicks at screen point (x, y)."""
        self.move_to(x, y)
        self._run("xdotool", "click", str(button))

    def geometry(self, window):
        """(x, y, width, height) of the window on the screen."""
        out = self._run("xdotool", "getwindowgeometry", "--shell", str(window)).stdout
        values = dict(line.split("=", 1) for line in out.split())
        return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))

    def window_at(self, x, y):
        """The top-level X window that takes the pointer at screen point (x, y):
        where a shaped window has a hole, the window below it (or the root)."""
        out = self._run("xdotool", "mousemove", "--sync", str(x), str(y), "getmouselocation", "--shell").stdout
        return int(dict(line.split("=", 1) for line in out.split())["WINDOW"])

    def screenshot(self, path):
        self._run("import", "-window", "root", str(path), timeout=60)
        return path
