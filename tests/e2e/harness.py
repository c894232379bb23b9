"""Drives the real vexmoor.exe under Wine on a virtual display, from outside,
as a user would: a player in its own current folder with its own "tovik.def",
real pointer and key events (xdotool), screenshots (ImageMagick), a probe
program that reads the window from another process, and the captured sound.

A test module (tests/e2e/test_*.py) holds functions named test_*; each one
builds what it needs with the helpers below and fails with an AssertionError
that says why. run_tests.py finds and runs them.
"""
import os
import random
import re
import subprocess
import tempfile
import time

# The screen and the sound have modules of their own; tests take them from here.
from screen import Image, read_bitmap, region_differences, screenshot, strip_state_shown  # noqa: F401
from sound import capture_clear, captured_tones, tone_levels, write_tone  # noqa: F401

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BUILD = os.environ.get("VEXMOOR_E2E_BUILD", os.path.join(ROOT, "build"))
EXE = os.path.join(BUILD, "win", "vexmoor.exe")
PROBE = os.path.join(BUILD, "win", "tests", "e2e", "vexmoor_probe.exe")
SCRATCH = os.environ.get("VEXMOOR_E2E_SCRATCH", tempfile.gettempdir())
# Where the Wine differs from Windows so that a check does not stand in for it (make test-wine10).
WINE_DIFFERENCES = os.environ.get("VEXMOOR_WINE_DIFFERENCES", "").split(",")
def without_dlls(names):
    """The tests' own DLL overrides, with these DLLs disabled as if the system had none:
    without quartz, CoCreateInstance of the filter graph fails; without mfplat and mf,
    Media Foundation cannot be loaded, as on Windows' N editions."""
    return {"WINEDLLOVERRIDES": ";".join(filter(None, [os.environ.get("WINEDLLOVERRIDES"), names + "="]))}


WITHOUT_DIRECTSHOW = without_dlls("quartz")
WITHOUT_MEDIA_FOUNDATION = without_dlls("mfplat,mf")


def _resource_ids():
    ids = {}
    with open(os.path.join(ROOT, "resources", "resource.h")) as header:
        for line in header:
            found = re.match(r"#define\s+(\w+)\s+(\d+)\s*$", line)
            if found:
                ids[found.group(1)] = int(found.group(2))
    ids["IDOK"] = 1
    return ids


ID = _resource_ids()
WM_CLOSE = 0x0010
WM_ENDSESSION = 0x0016
WM_COMMAND = 0x0111
WM_SYSCOMMAND = 0x0112
SC_CLOSE = 0xF060
WS_EX_LAYERED = 0x80000
LWA_ALPHA = 2

SETTINGS_ORDER = ["CurDir", "SubDir", "RandomMode", "RepeartMode", "SortReverse", "SortMethod",
                  "Transparent", "OnePlay", "TopMode", "ExtList", "LastFile"]
SETTINGS_DEFAULTS = {"RandomMode": "0", "RepeartMode": "0", "SortReverse": "0", "SortMethod": "0",
                     "Transparent": "0", "OnePlay": "0", "TopMode": "1", "ExtList": "exe,def,txt,m3u,dll"}


def soak_only(test):
    """Marks a test that runs in make soak only (VEXMOOR_SOAK=1): a shorter one in make test covers its fault."""
    test.soak_only = True
    return test


def stands_in_unless(difference, reason):
    """Marks a test whose stand-in for Windows does not hold on a Wine that differs so; such a
    Wine names its differences in VEXMOOR_WINE_DIFFERENCES (by commas), and the test is
    skipped there with the reason printed."""
    def mark(test):
        test.wine_difference = (difference, reason)
        return test
    return mark


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def wait_until(predicate, timeout, interval=0.1):
    """The first true value of predicate() within timeout seconds, or None."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value or time.monotonic() >= deadline:
            return value or None
        time.sleep(interval)


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def settings_bytes(encoding="cp932", **values):
    """A settings file as the player writes it: the eleven keys in their order;
    in UTF-8 the player puts a byte-order mark in front."""
    merged = dict(SETTINGS_DEFAULTS)
    merged.update(values)
    text = "".join("%s=%s\n" % (key, merged.get(key, "")) for key in SETTINGS_ORDER)
    return text.encode("cp932") if encoding == "cp932" else b"\xef\xbb\xbf" + text.encode("utf-8")


# ---- test data ---------------------------------------------------------------

def noise(size, seed):
    """Bytes that no engine plays, the same in every run."""
    return random.Random(seed).randbytes(size)


class Music:
    """A music root of generated tones; each track is named after its pitch."""

    def __init__(self, base, layout, seconds=1.2):
        """layout: {"a.wav": 440, "sub/b.wav": 550, "two.wav": [(440, .8), (660, .8)], ...};
        a value of bytes is written as it stands (an unplayable file)."""
        self.root = os.path.join(base, "music")
        os.makedirs(self.root, exist_ok=True)
        self.paths = {}
        for name, content in layout.items():
            path = os.path.join(self.root, *name.split("/"))
            if isinstance(content, bytes):
                os.makedirs(os.path.dirname(path), exist_ok=True)
                with open(path, "wb") as out:
                    out.write(content)
            else:
                write_tone(path, content if isinstance(content, list) else [(content, seconds)])
            self.paths[name] = path

    def windows(self, name=None):
        return windows_path(self.paths[name] if name else self.root)


# ---- the probe ---------------------------------------------------------------

def probe(*args, timeout=30):
    # Output through a file, not a pipe: a Wine service that the probe happens to
    # start inherits its output and would hold a pipe open long after it ended.
    with tempfile.TemporaryFile() as output:
        code = subprocess.run(["wine", PROBE] + [str(a) for a in args], stdout=output,
                              stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL, timeout=timeout).returncode
        output.seek(0)
        lines = output.read().decode("ascii", "replace").replace("\r", "").splitlines()
    return code, lines


class Rect:
    def __init__(self, x, y, w, h):
        self.x, self.y, self.w, self.h = x, y, w, h

    def centre(self):
        return self.x + self.w // 2, self.y + self.h // 2

    def moved(self, dx, dy):
        return Rect(self.x + dx, self.y + dy, self.w, self.h)

    def __eq__(self, other):
        return (self.x, self.y, self.w, self.h) == (other.x, other.y, other.w, other.h)

    def __repr__(self):
        return "(%d, %d, %d x %d)" % (self.x, self.y, self.w, self.h)


class Control:
    def __init__(self, rect, enabled, text):
        self.rect, self.enabled, self.text = rect, enabled, text


class WindowState:
    """What the probe reads of the player's window."""

    def __init__(self, lines):
        self.controls = {}
        self.layered = None
        for line in lines:
            key, *fields = line.split()
            if key in ("window", "client", "workarea"):
                setattr(self, key, Rect(*map(int, fields[:4])))
            elif key in ("exstyle", "style", "topmost", "visible", "foreground"):
                setattr(self, key, int(fields[0]))
            elif key == "layered" and fields[0] != "none":
                self.layered = (int(fields[0]), int(fields[1]))
            elif key == "control":
                enabled = len(fields) > 5 and fields[5] == "1"
                text = bytes.fromhex(fields[6]).decode("utf-8") if len(fields) > 6 else ""
                self.controls[int(fields[0])] = Control(Rect(*map(int, fields[1:5])), enabled, text)

    def text(self, control_id):
        return self.controls[control_id].text

    def rect(self, control_id):
        return self.controls[control_id].rect


def player_window_count():
    code, lines = probe("count")
    return int(lines[0].split()[1]) if code == 0 and lines else -1


def template_layout():
    """The main window template as the dialog manager lays it out here, before the player resizes it."""
    code, lines = probe("template", windows_path(EXE))
    check(code == 0, "the probe could not create the window template (code %d, %s)" % (code, " ".join(lines)))
    return WindowState(lines)


NORMAL, PRESSED, HOVER, DISABLED = range(4)


# ---- pointer and keys --------------------------------------------------------

def xdotool(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True)


def pointer_location():
    out = subprocess.run(["xdotool", "getmouselocation"], capture_output=True, check=True).stdout.decode()
    found = re.match(r"x:(-?\d+) y:(-?\d+)", out)
    return int(found.group(1)), int(found.group(2))


def move_pointer(x, y):
    xdotool("mousemove", x, y)
    wait_until(lambda: pointer_location() == (x, y), 2, interval=0.02)


def park_pointer():
    """Away from the player, in a corner of the screen."""
    move_pointer(1, 1)


def click_at(x, y):
    move_pointer(x, y)
    xdotool("click", "1")


def wait_for_tones(frequencies, expected, timeout, shortest_seconds=0.06):
    """Waits until the capture holds exactly the expected order; returns what was heard."""
    heard = []

    def arrived():
        heard[:] = captured_tones(frequencies, shortest_seconds=shortest_seconds)
        return heard == expected or len(heard) > len(expected)

    wait_until(arrived, timeout, interval=0.3)
    return heard


# ---- a player process --------------------------------------------------------

class Player:
    """One vexmoor.exe in a fresh current folder. Use as a context manager: a
    player still running at the end is ended."""

    def __init__(self, settings=None, folder=None, environment=None, launcher=()):
        """environment: variables that differ from the tests' own (WITHOUT_DIRECTSHOW);
        launcher: what starts the player and waits for it ("start", "/wait", "/min", "/unix")."""
        self.launcher = list(launcher)
        self.folder = folder or tempfile.mkdtemp(prefix="vexmoor-e2e-", dir=SCRATCH)
        self.environment = dict(os.environ, **(environment or {}))
        if settings is not None:
            self.write_settings(settings)
        self.process = None

    @property
    def settings_path(self):
        return os.path.join(self.folder, "tovik.def")

    def write_settings(self, content):
        with open(self.settings_path, "wb") as out:
            out.write(content if isinstance(content, bytes) else content.encode("cp932"))

    def read_settings(self):
        with open(self.settings_path, "rb") as saved:
            return saved.read()

    def start(self, arguments=(), alone=True):
        """Starts the player (with command-line arguments, which it should ignore);
        alone: no other player may be running."""
        windows_before = player_window_count()
        if alone:
            check(wait_until(lambda: player_window_count() == 0, 10),
                  "a player window of an earlier test is still open")
            windows_before = 0
            capture_clear()
        park_pointer()
        # Beside the folder, not in it: a test may make the folder read-only.
        self.log = tempfile.NamedTemporaryFile(dir=SCRATCH, prefix="wine-", suffix=".log", delete=False)
        self.process = subprocess.Popen(["wine", *self.launcher, EXE, *arguments], cwd=self.folder, stdout=self.log,
                                        stderr=subprocess.STDOUT, env=self.environment)
        try:
            code, _ = probe("wait", 30)
            check(code == 0, "the player window did not appear (probe code %d)" % code)
            check(wait_until(lambda: player_window_count() == windows_before + 1, 10),
                  "no new player window appeared")
        except AssertionError:
            # A player whose window comes up after all would stand in the way of every later test.
            self.end()
            raise
        return self

    def __enter__(self):
        return self.start()

    def __exit__(self, *exc):
        self.end()
        return False

    def running(self):
        return self.process is not None and self.process.poll() is None

    def end(self):
        if self.running():
            windows_before = player_window_count()
            if self.launcher:  # ending the launcher would leave the player running
                self.command(ID["IDOK"])
            self.process.kill()
            self.process.wait()
            wait_until(lambda: player_window_count() < windows_before, 10)
        if getattr(self, "log", None):
            self.log.close()

    def wait_exit(self, timeout=15):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def ends_with_the_exit_code(self):
        """True when the player ends with the exit command's code, 1. Wine 10 now and then gives
        an ending process the code of one of its own threads that ends at that moment (0: Media
        Foundation's and DirectShow's workers, let go in the player's last steps); where
        VEXMOOR_WINE_DIFFERENCES names "exitcode", 0 passes too."""
        code = self.wait_exit()
        return code == 1 or (code == 0 and "exitcode" in WINE_DIFFERENCES)

    def state(self):
        code, lines = probe("state")
        if code not in (0, 2):
            # The probe's own answers are 0 and 2: Wine failed to start it, so once more.
            code, lines = probe("state")
        condition = "running" if self.running() else "ended with code %s" % self.process.poll()
        check(code == 0, "the probe found no player window (code %d; the player is %s)" % (code, condition))
        return WindowState(lines)

    def post(self, message, wparam=0, lparam=0):
        code, _ = probe("post", message, wparam, lparam)
        check(code == 0, "posting message %d failed" % message)

    def send(self, message, wparam=0, lparam=0):
        code, lines = probe("send", message, wparam, lparam)
        check(code == 0, "sending message %d failed" % message)
        return int(lines[0].split()[1])

    def command(self, command_id):
        self.post(WM_COMMAND, command_id, 0)

    def control_centre(self, control_id):
        return self.state().rect(control_id).centre()

    def click(self, control_id):
        """A real click in the middle of a control, then the pointer leaves the window."""
        click_at(*self.control_centre(control_id))
        park_pointer()

    def hover(self, control_id):
        move_pointer(*self.control_centre(control_id))
        time.sleep(0.3)

    def key(self, name):
        """A key press; the focus follows the pointer here, so the pointer goes over the window first."""
        window = self.state().window
        move_pointer(window.x + 2, window.y + 2)
        xdotool("key", name)
        time.sleep(0.3)
        park_pointer()

    def label_texts(self):
        """The names the labels show; their window texts hold every "&" doubled."""
        state = self.state()
        return tuple(state.text(ID[n]).replace("&&", "&") for n in ("IDC_GROUP_MENU", "IDC_TRACK_MENU"))

    def play_button_state(self):
        """(face, image index) the play button shows: face "play", "stop" or None."""
        shot = screenshot()
        rect = self.state().rect(ID["IDC_PLAY"])
        for face, strip in (("play", PLAY_FACE), ("stop", STOP_FACE)):
            shown = strip_state_shown(shot, rect, strip)
            if shown is not None:
                return face, shown
        return None, None


def exit_by_button(player):
    player.click(ID["IDOK"])
    check(player.ends_with_the_exit_code(),
          "the exit button ended the player with code %r, expected 1" % player.process.returncode)


PLAY_FACE = read_bitmap("play.bmp")
STOP_FACE = read_bitmap("stop.bmp")


class DesktopHolder:
    """Keeps a hidden window open for a whole run. Wine's desktop process ends a
    moment after the last window has closed; a player started in that moment
    stalls for many seconds or gets no window at all."""

    def __enter__(self):
        self.process = subprocess.Popen(["wine", PROBE, "hold"], stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return self

    def __exit__(self, *exc):
        self.process.kill()
        self.process.wait()
        return False


class FileLock:
    """Another Windows program holding a file open unshared (for seconds, or to the end of the block)."""

    def __init__(self, path, seconds=None):
        self.path = path
        self.seconds = seconds

    def __enter__(self):
        self.output = tempfile.NamedTemporaryFile(dir=SCRATCH, prefix="lock-")
        duration = [] if self.seconds is None else [str(self.seconds)]
        self.process = subprocess.Popen(["wine", PROBE, "lock", windows_path(self.path)] + duration,
                                        stdin=subprocess.DEVNULL, stdout=self.output, stderr=subprocess.DEVNULL)
        check(wait_until(lambda: os.path.getsize(self.output.name) > 0 or self.process.poll() is not None, 15)
              and self.process.poll() is None, "%s could not be locked" % self.path)
        return self

    def __exit__(self, *exc):
        self.process.kill()
        self.process.wait()
        self.output.close()
        return False
