"""A virtual desktop (Xvfb + openbox) and the trainer installed in a temporary folder,
driven with real mouse clicks and key presses."""

import json
import os
import shutil
import subprocess
import tempfile
import time

CLIENT_WIDTH = 640
CLIENT_HEIGHT = 515
# pyatspi comes with the system's Python, not with any other one on the PATH.
SYSTEM_PYTHON = "/usr/bin/python3"
ATSPI_DUMP = os.path.join(os.path.dirname(os.path.abspath(__file__)), "atspi_dump.py")


def gbk(text):
    return text.encode("gbk")


def valid_settings(section="1", topic="1", log="1", extra=""):
    return (
        "; 设置\r\n[loginfo]\r\nsection=%s\r\ntopic=%s\r\nlog=%s\r\nskn=0\r\ninput=0\r\n"
        "initialization=false\r\n%s[msc]\r\nengine=intp65\r\nVoicepeople=xiaoyu\r\n"
        "[reading]\r\nfunction=4\r\nmain=82\r\n[submit]\r\nfunction=4\r\nmain=83\r\n" % (section, topic, log, extra)
    )


def poll(condition, timeout):
    """The first true value of condition within timeout seconds, else None."""
    deadline = time.time() + timeout
    while True:
        value = condition()
        if value or time.time() > deadline:
            return value or None
        time.sleep(0.1)


def wait_until(condition, timeout, failure):
    """failure: the message, or a function that writes it when the time is up."""
    if poll(condition, timeout) is None:
        raise AssertionError(failure() if callable(failure) else failure)


class Desktop:
    """One X server with a window manager, for the life of a test."""

    def __enter__(self):
        self.processes = []
        try:
            self._start()
        except BaseException:
            self.__exit__()
            raise
        return self

    def _start(self):
        read_end, write_end = os.pipe()
        # -noreset: the server would otherwise reset, refusing connections for a moment, each time
        # its last client leaves, as the accessibility launcher does at its start.
        self.xvfb = self._spawn(["Xvfb", "-displayfd", str(write_end), "-noreset", "-screen", "0", "1280x800x24",
                                 "-nolisten", "tcp"], pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            self.display = ":" + pipe.readline().strip()
        self.env = dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb", SDL_AUDIODRIVER="dummy",
                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.env.pop("WAYLAND_DISPLAY", None)
        # A session bus of its own, with the accessibility bus on it, so controls can be read.
        dbus = self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=subprocess.PIPE,
                           text=True)
        with dbus.stdout:
            self.env["DBUS_SESSION_BUS_ADDRESS"] = dbus.stdout.readline().strip()
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        wm = self._spawn(["openbox"])
        # A program started before these answer would never be activated or closed by the window
        # manager, or would wait on the accessibility registry; on a loaded machine that takes seconds.
        wait_until(lambda: self.run("wmctrl", "-m").returncode == 0, 20,
                   lambda: "the window manager did not start (exit code %s)" % wm.poll())
        wait_until(lambda: self.accessible("no-such-program") == [], 20, "the accessibility registry did not answer")

    def _spawn(self, args, **options):
        options.setdefault("stdout", subprocess.DEVNULL)
        process = subprocess.Popen(args, env=getattr(self, "env", None), stderr=subprocess.DEVNULL, **options)
        self.processes.append(process)
        return process

    def __exit__(self, *exc):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()

    def run(self, *args):
        return subprocess.run(list(args), env=self.env, capture_output=True, text=True, timeout=30)

    def shown_windows(self, title):
        return self.run("xdotool", "search", "--onlyvisible", "--name", "^%s$" % title).stdout.split()

    def find_window(self, title, timeout=15.0):
        found = poll(lambda: self.shown_windows(title), timeout)
        return found[0] if found else None

    def window_gone(self, title, timeout=10.0):
        return poll(lambda: not self.shown_windows(title), timeout) is not None

    def geometry(self, window):
        """Absolute x, y, width, height of a window's own area (inside the frame)."""
        info = self.run("xwininfo", "-id", window).stdout
        values = {}
        for line in info.splitlines():
            line = line.strip()
            for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"):
                if line.startswith(key + ":"):
                    values[key] = int(line.split(":")[1])
        return (values["Absolute upper-left X"], values["Absolute upper-left Y"], values["Width"], values["Height"])

    def click(self, x, y):
        # No --sync: it waits for a motion that never comes when the pointer is already there.
        self.run("xdotool", "mousemove", str(x), str(y), "sleep", "0.05", "click", "1")
        time.sleep(0.15)

    def key(self, window, *keys):
        self.run("xdotool", "windowactivate", "--sync", window)
        self.run("xdotool", "key", "--clearmodifiers", *keys)
        time.sleep(0.15)

    def close(self, title):
        """Closes a window as its close box does."""
        closing = self.run("wmctrl", "-c", title)
        if closing.returncode != 0:
            raise AssertionError("wmctrl could not close %s: %s" % (title, closing.stderr.strip()))

    def windows(self):
        """The titles of the managed windows, for failure reports."""
        return [line.split(None, 3)[-1] for line in self.run("wmctrl", "-l").stdout.splitlines()]

    def accessible(self, application="venlorin"):
        """Every node the accessibility bus shows now for the program."""
        dump = subprocess.run([SYSTEM_PYTHON, ATSPI_DUMP, application], env=self.env, capture_output=True,
                              text=True, timeout=60)
        return json.loads(dump.stdout) if dump.returncode == 0 else None

    def controls(self, application="venlorin"):
        """The named controls, by their names in the window tables."""
        return {entry["control"]: entry for entry in self.accessible(application) or [] if entry["control"]}

    def shown_texts(self, application="venlorin"):
        """Every caption and text on the program's windows, message boxes included."""
        texts = set()
        for entry in self.accessible(application) or []:
            texts.update(t for t in (entry["name"], entry["text"]) if t)
        return texts

    def screenshot(self, window, path):
        self.run("import", "-window", window, path)


class Trainer:
    """The built program copied into a temporary installation folder."""

    def __init__(self, executable):
        self.folder = tempfile.mkdtemp(prefix="venlorin-e2e-")
        shutil.copy(executable, self.folder)
        self.executable = os.path.join(self.folder, os.path.basename(executable))
        self.process = None

    def cleanup(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)

    def path(self, relative):
        return os.path.join(self.folder, relative)

    def write(self, relative, data):
        full = self.path(relative)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "wb") as f:
            f.write(data)

    def read(self, relative):
        with open(self.path(relative), "rb") as f:
            return f.read()

    def write_settings(self, text):
        self.write("log.ini", gbk(text))

    def write_chapter(self, number, answers, prompts):
        self.write("res/section%d/TXT1.TXT" % number, gbk("".join(a + "\r\n" for a in answers)))
        self.write("res/section%d/TXT2.TXT" % number, gbk("".join(p + "\r\n" for p in prompts)))

    def start(self, desktop):
        self.desktop = desktop
        with open(self.path("output.txt"), "ab") as output:
            self.process = subprocess.Popen([self.executable], cwd="/", env=desktop.env,
                                            stdout=output, stderr=output)

    def wait(self, timeout=30):
        try:
            self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError("the trainer did not end within %d s\n%s" % (timeout, self.report())) from None
        return self.process.returncode

    def report(self):
        """What a hung trainer was doing: the windows, where its main thread is, and its output."""
        trace = subprocess.run(["gdb", "-p", str(self.process.pid), "-batch", "-ex", "bt 25"],
                               capture_output=True, text=True, timeout=120)
        stack = "\n".join(line for line in trace.stdout.splitlines() if line.startswith("#")) or trace.stderr
        with open(self.path("output.txt"), "rb") as output:
            printed = output.read()[-3000:].decode(errors="replace")
        return "windows: %s\nmain thread:\n%s\noutput:\n%s" % (self.desktop.windows(), stack, printed)


class MainWindow:
    """The trainer's main window; places are in its client area, below the menu bar."""

    def __init__(self, desktop, window):
        self.desktop = desktop
        self.window = window
        # Clicks count only once the window is active and has resumed: its status line is set
        # and the program answers the accessibility bus, so its event loop is running.
        def ready():
            active = desktop.run("xdotool", "getactivewindow").stdout.strip() == window
            return active and desktop.controls().get("状态条", {}).get("name")

        wait_until(ready, 30, lambda: "the main window was not activated and resumed; windows: %s" % desktop.windows())
        x, y, width, height = desktop.geometry(window)
        self.left = x
        self.top = y + height - CLIENT_HEIGHT

    def click(self, x, y, width, height):
        """Clicks the centre of a control given by its place and size."""
        self.desktop.click(self.left + x + width // 2, self.top + y + height // 2)

    def read(self, *names):
        """The visible text of the named controls: content of an edit box, caption otherwise."""
        controls = self.desktop.controls()
        texts = []
        for name in names:
            entry = controls[name]
            texts.append(entry["text"] if entry["role"] == "text" else entry["name"])
        return texts[0] if len(texts) == 1 else texts
