"""The input spy (input_spy.exe, e2e/spy): a console program in the test's
Wine session whose low-level hooks see every key and mouse-button event, so a
test checks what TX80.exe injects and when, not only what it decides."""

import time
from dataclasses import dataclass


LLKHF_EXTENDED = 0x01


@dataclass(frozen=True)
class InputEvent:
    kind: str      # "key" or "mouse"
    code: str      # virtual key ("41" for A, hexadecimal) or button ("left", ...)
    down: bool
    time_ms: float  # on the session's performance counter
    scan: int = 0   # keys: the scan code the hook saw
    extended: bool = False  # keys: LLKHF_EXTENDED, the E0 prefix


def _parse(line):
    fields = line.split()
    if len(fields) == 6 and fields[0] == "key":
        return InputEvent("key", fields[1], fields[2] == "down", int(fields[5]) / 1000, int(fields[3], 16),
                          bool(int(fields[4], 16) & LLKHF_EXTENDED))
    if len(fields) == 4 and fields[0] == "mouse":
        return InputEvent("mouse", fields[1], fields[2] == "down", int(fields[3]) / 1000)
    return None


class InputSpy:
    def __init__(self, prefix, exe, output, timeout=30):
        """Starts the spy; returns once its hooks are in, fails after `timeout` s."""
        self._output = output
        self._log = open(output, "wb")
        self.process = prefix.start(exe, self._log)
        deadline = time.monotonic() + timeout
        while "ready" not in self._lines():
            if self.process.poll() is not None:
                raise AssertionError(f"the input spy ended (code {self.process.returncode}): {self._lines()}")
            if time.monotonic() > deadline:
                raise AssertionError(f"the input spy was not ready within {timeout} s")
            time.sleep(0.1)

    def _lines(self):
        return self._output.read_text(encoding="ascii", errors="replace").splitlines()

    def events(self):
        """Every key and button event seen so far, in order."""
        return [event for event in map(_parse, self._lines()) if event]

    def wait_until_quiet(self, count=1, quiet=1.0, timeout=30):
        """The events once at least `count` have come and then none for `quiet` s."""
        deadline = time.monotonic() + timeout
        seen, since = -1, time.monotonic()
        while True:
            events = self.events()
            if len(events) != seen:
                seen, since = len(events), time.monotonic()
            elif seen >= count and time.monotonic() - since >= quiet:
                return events
            if time.monotonic() > deadline:
                raise AssertionError(f"the input spy saw {seen} events, still coming or fewer than {count}, "
                                     f"after {timeout} s")
            time.sleep(0.05)

    def close(self):
        self._log.close()
