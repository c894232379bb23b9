"""Helpers of the menu, drop, folder-chooser, About and media-key tests: the
companion program (another Win32 program on the player's desktop) and the
XDND drop source (an X client, as a file manager is)."""
import os
import subprocess
import time

from harness import BUILD, EXE, ROOT, check, move_pointer, screenshot, wait_until, xdotool

COMPANION = os.path.join(BUILD, "win", "tests", "e2e", "vexmoor_companion.exe")
XDND_SOURCE = os.path.join(ROOT, "tests", "e2e", "xdnd_drop.c")
XDND_DROP = os.path.join(BUILD, "e2e-tools", "xdnd_drop")


def _hex_argument(text):
    # An empty text still needs an argument; the companion reads "" from an odd digit.
    return text.encode("utf-8").hex() or "0"


def menu_text(name):
    """A name as a menu item must hold it to show it as it is."""
    return name.replace("&", "&&")


class Listing:
    """What the companion sees: open pop-up menus and the player's dialogs."""

    def __init__(self, lines):
        self.popups = []
        self.dialogs = []
        for line in lines:
            key, *fields = line.split()
            if key == "popup":
                self.popups.append(tuple(map(int, fields)))
            elif key == "dialog":
                self.dialogs.append({"rect": tuple(map(int, fields)), "items": {}})
            elif key == "item" and self.dialogs:
                text = bytes.fromhex(fields[5]).decode("utf-8") if len(fields) > 5 else ""
                self.dialogs[-1]["items"].setdefault(int(fields[0]), []).append(
                    (tuple(map(int, fields[1:5])), text))


def listing():
    result = subprocess.run(["wine", COMPANION, "dialogs"], capture_output=True, timeout=30)
    return Listing(result.stdout.decode("ascii", "replace").replace("\r", "").splitlines())


def wait_popups(count, timeout=5):
    """The open pop-up menus, sorted by position, once there are count of them
    (an empty list for none); None when that did not happen in time."""
    deadline = time.monotonic() + timeout
    while True:
        popups = listing().popups
        if len(popups) == count:
            return sorted(popups, key=lambda r: (r[0], r[1]))
        if time.monotonic() >= deadline:
            return None
        time.sleep(0.1)


def wait_dialog(timeout=10):
    found = wait_until(lambda: (lambda l: l.dialogs[0] if l.dialogs else None)(listing()), timeout)
    check(found, "no dialog of the player appeared")
    return found


def wait_no_dialog(timeout=10):
    return wait_until(lambda: not listing().dialogs, timeout)


def open_about(player):
    """The About box, opened from the main menu, with the pointer over it."""
    window = player.state().window
    move_pointer(window.x + 3, window.y + 20)
    xdotool("click", "3")
    check(wait_popups(1), "no menu opened")
    xdotool("key", "--delay", "80", "Up", "Return")
    dialog = wait_dialog()
    x, y, w, h = dialog["rect"]
    move_pointer(x + 10, y + h - 10)
    time.sleep(0.3)
    return dialog


def region(shot, rect):
    x, y, w, h = rect
    return [shot.rgb[((y + row) * shot.width + x) * 3:((y + row) * shot.width + x + w) * 3] for row in range(h)]


def menus_pictures(keys_between, count):
    """Screenshots of the open menus: after each group of keys, the region of
    every pop-up open then. The pointer stays over the first menu so that the
    keys reach it."""
    pictures = []
    for group in keys_between:
        if group:
            xdotool("key", "--delay", "80", *group)
        popups = wait_popups(count[len(pictures)], 5)
        check(popups is not None, "expected %d open menus after keys %r, saw %r" % (count[len(pictures)], group,
                                                                    listing().popups))
        # Taken once two screenshots agree: on a busy machine a menu may still be painting.
        shown, deadline = None, time.monotonic() + 5
        time.sleep(0.3)
        while True:
            shot = screenshot()
            taken = [(popup, region(shot, popup)) for popup in popups]
            if taken == shown or time.monotonic() > deadline:
                break
            shown = taken
        pictures.append(taken)
    return pictures


class ReferenceMenu:
    """A menu the companion shows with the expected texts and checks, to compare the player's with."""

    def __init__(self, args):
        self.process = subprocess.Popen(["wine", COMPANION] + [str(a) for a in args], stdout=subprocess.PIPE)
        line = self.process.stdout.readline().decode("ascii", "replace").strip()
        check(line == "open", "the companion's menu did not open (%r)" % line)

    def close(self):
        for _ in range(4):
            if self.process.poll() is not None:
                break
            xdotool("key", "Escape")
            time.sleep(0.2)
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


def reference_main_menu(x, y, folder, extensions, checked_ids):
    checked = ",".join(str(i) for i in checked_ids) or "-"
    return ReferenceMenu(["mainmenu", "Z:" + EXE.replace("/", "\\"), x, y, _hex_argument(menu_text(folder)),
                          _hex_argument(menu_text(extensions)), checked])


def reference_list_menu(x, y, names):
    return ReferenceMenu(["listmenu", x, y] + [_hex_argument(menu_text(n)) for n in names])


def same_menus(left, right):
    """Which open menus of two sets of screenshots differ: a list of (step, index)."""
    differing = []
    for step, (a, b) in enumerate(zip(left, right)):
        if len(a) != len(b):
            differing.append((step, "count %d vs %d" % (len(a), len(b))))
            continue
        for index, ((rect_a, pixels_a), (rect_b, pixels_b)) in enumerate(zip(a, b)):
            if rect_a != rect_b or pixels_a != pixels_b:
                differing.append((step, "menu %d at %r vs %r" % (index, rect_a, rect_b)))
    return differing


class FocusWindow:
    """A window of another program that has the keyboard focus while the pointer is over it;
    with hold it takes the media keys first."""

    def __init__(self, x, y, w, h, seconds, hold=False):
        self.rect = (x, y, w, h)
        args = ["wine", COMPANION, "window", x, y, w, h, seconds] + (["hold"] if hold else [])
        self.process = subprocess.Popen([str(a) for a in args], stdout=subprocess.PIPE)
        self.held = None
        for line in self._lines():
            if line.startswith("held"):
                self.held = int(line.split()[1])
            if line == "open":
                break
        move_pointer(x + w // 2, y + h // 2)
        time.sleep(0.3)

    def _lines(self):
        for raw in self.process.stdout:
            yield raw.decode("ascii", "replace").strip()

    def hot_keys(self):
        """The hot key identifiers it received so far; it ends here."""
        time.sleep(0.5)
        self.close()
        return [int(line.split()[1]) for line in self._lines() if line.startswith("hotkey")]

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()


def xdnd_drop(x, y, paths):
    """Drops the files onto the window at the screen point, from an X client."""
    if not os.path.exists(XDND_DROP) or os.path.getmtime(XDND_DROP) < os.path.getmtime(XDND_SOURCE):
        os.makedirs(os.path.dirname(XDND_DROP), exist_ok=True)
        # Built under a name of its own and then renamed: another test worker may be building it too.
        built = "%s.%d" % (XDND_DROP, os.getpid())
        subprocess.run(["cc", "-std=c11", "-D_DEFAULT_SOURCE", "-O1", "-o", built, XDND_SOURCE, "-lX11"], check=True)
        os.replace(built, XDND_DROP)
    result = subprocess.run([XDND_DROP, str(x), str(y)] + list(paths), capture_output=True, timeout=30)
    check(result.returncode == 0, "the drop failed (%d): %s" % (result.returncode, result.stderr.decode()))
