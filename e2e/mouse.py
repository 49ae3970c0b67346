"""The control channel of the emulated mouse in the test-only hid.dll: line
commands over TCP on 127.0.0.1, each answered by lines and then a line "."."""

import socket
import time


def free_port():
    """A TCP port that nothing listens on now, for one program's mouse."""
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


class MouseControl:
    def __init__(self, port, timeout=60, process=None):
        """Connects once the program has loaded the mouse; fails after
        `timeout` seconds, or at once when `process` ends first."""
        deadline = time.monotonic() + timeout
        while True:
            try:
                self._socket = socket.create_connection(("127.0.0.1", port), timeout=10)
                break
            except OSError:
                if process is not None and process.poll() is not None:
                    raise AssertionError(f"the program ended (code {process.returncode}) before its "
                                         "emulated mouse answered") from None
                if time.monotonic() > deadline:
                    raise AssertionError(f"the emulated mouse did not answer on port {port} "
                                         f"within {timeout} s") from None
                time.sleep(0.25)
        self._reader = self._socket.makefile("r", encoding="ascii", newline="\n")

    def command(self, line):
        """The answer lines of one command, without the closing "."."""
        self._socket.sendall((line + "\n").encode("ascii"))
        answer = []
        for received in self._reader:
            received = received.rstrip("\r\n")
            if received == ".":
                return answer
            answer.append(received)
        raise AssertionError(f"the emulated mouse closed the connection during {line!r}")

    def press(self, button):
        """The moment the press report went to the mouse, in ms of the
        session's performance counter (the input spy's clock)."""
        for line in self.command(f"press {button}"):
            if line.startswith("time "):
                return int(line.split()[1]) / 1000
        return None

    def release(self, button):
        self.command(f"release {button}")

    def reports(self):
        """Every feature report received so far, as "07 10 01 01 00 00 00 00"."""
        return self.command("reports")

    def clear(self):
        self.command("clear")

    def unplug(self):
        """Pulls the cable: reads fail, enumeration lists nothing, and the
        program's windows are told (WM_DEVICECHANGE)."""
        assert self.command("unplug") == ["ok"]

    def plug(self):
        assert self.command("plug") == ["ok"]

    def process(self):
        """The program's handle count, the value a new handle gets, its thread
        count and working set in bytes."""
        return {key: int(value) for key, value in (line.split("=", 1) for line in self.command("process"))}

    def post(self, message, wparam):
        """Posts a window message to the program's top-level windows."""
        self.command(f"post {message} {wparam}")

    def state(self):
        """{"button 6": "31", "wheel": "0", ...}; "-" for what no command set yet."""
        return dict(line.split("=", 1) for line in self.command("state"))

    def wait_for_reports(self, count, timeout=30):
        """The reports once at least `count` have arrived."""
        deadline = time.monotonic() + timeout
        while True:
            reports = self.reports()
            if len(reports) >= count:
                return reports
            if time.monotonic() > deadline:
                raise AssertionError(f"the mouse received {len(reports)} reports, not {count}, "
                                     f"within {timeout} s: {reports}")
            time.sleep(0.1)

    def close(self):
        try:
            self.command("quit")
        except (OSError, AssertionError):
            pass
        self._reader.close()
        self._socket.close()
