"""The bar at the display's scale: its size, its controls' places and its pictures."""
import contextlib
import os
import subprocess

from harness import BUILD, ID, ROOT, SCRATCH, Player, check, park_pointer, probe, region_differences, screenshot
from screen import ART, crop, read_png, write_png

REFERENCE = os.path.join(ROOT, "tests", "e2e", "reference")
BAR = (280, 34)
# The 100 % places of the controls, the places their pictures were drawn for.
PLACES = {"IDOK": (21, 8, 41, 28), "IDC_GROUP_MENU": (45, 8, 105, 28), "IDC_TRACK_MENU": (110, 8, 185, 28),
          "IDC_PREV": (189, 8, 209, 28), "IDC_CUE": (210, 8, 230, 28), "IDC_PLAY": (231, 8, 251, 28),
          "IDC_NEXT": (252, 8, 272, 28)}


def scaled(length, dpi):
    """The player's one rounding: halves up."""
    return (length * dpi * 2 + 96) // 192


def bar_picture(player):
    park_pointer()
    return crop(screenshot(), player.state().client)


@contextlib.contextmanager
def display_resolution(dpi):
    """A Wine prefix of its own whose screen has the resolution; Wine reads it when its server starts."""
    environment = dict(os.environ)
    os.environ["WINEPREFIX"] = environment["WINEPREFIX"] + "-dpi"
    quiet = dict(capture_output=True, stdin=subprocess.DEVNULL)
    try:
        if not os.path.isdir(os.environ["WINEPREFIX"]):
            subprocess.run(["wineboot", "-i"], **quiet)
        subprocess.run(["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
                        "/d", str(dpi), "/f"], check=True, **quiet)
        subprocess.run(["wineserver", "-k"], **quiet)
        subprocess.run(["wineserver", "-w"], **quiet)
        holder = subprocess.Popen(["wine", os.path.join(BUILD, "win", "tests", "e2e", "vexmoor_probe.exe"), "hold"],
                                  stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            yield
        finally:
            holder.kill()
            holder.wait()
            subprocess.run(["wineserver", "-k"], **quiet)
    finally:
        os.environ.clear()
        os.environ.update(environment)


def check_layout(state, dpi):
    client = state.client
    check((client.w, client.h) == (scaled(BAR[0], dpi), scaled(BAR[1], dpi)),
          "at %d dpi the bar is %d x %d" % (dpi, client.w, client.h))
    for name, (left, top, right, bottom) in PLACES.items():
        at = state.rect(ID[name]).moved(-client.x, -client.y)
        expected = (scaled(left, dpi), scaled(top, dpi), scaled(right, dpi) - scaled(left, dpi),
                    scaled(bottom, dpi) - scaled(top, dpi))
        check((at.x, at.y, at.w, at.h) == expected, "at %d dpi %s is at %r, not %r" % (dpi, name, at, expected))


def enlarged(name, percent):
    """A 100 % picture enlarged as a picture is, to compare the drawn one with."""
    path = os.path.join(SCRATCH, "enlarged-%s-%d.png" % (name, percent))
    subprocess.run(["convert", os.path.join(ART, name + ".bmp"), "-filter", "Triangle", "-resize", "%d%%" % percent,
                    path], check=True)
    return read_png(path)


def check_pictures_drawn_for(shown, percent):
    """The exit button's face and the left end of the background as draw_art.py drew them at the scale."""
    exit_face = read_png(os.path.join(ART, str(percent), "exit.png"))
    background = read_png(os.path.join(ART, str(percent), "background.png"))
    side = exit_face.height
    left, top = scaled(PLACES["IDOK"][0], percent * 96 // 100), scaled(PLACES["IDOK"][1], percent * 96 // 100)
    differing = region_differences(shown, left, top, exit_face, 0, 0, side, side)
    check(differing == 0, "%d pixels of the exit button differ from its %d %% picture" % (differing, percent))
    differing = region_differences(shown, 0, 0, background, 0, 0, left, shown.height)
    check(differing == 0, "%d pixels of the bar's left end differ from its %d %% picture" % (differing, percent))
    blurred = region_differences(shown, left, top, enlarged("exit", percent), 0, 0, side, side)
    check(blurred > side * side // 10, "the exit button looks like the 100 %% picture enlarged (%d pixels differ)"
          % blurred)


def test_at_96_dpi_the_bar_looks_as_it_always_has():
    # The reference was taken from the bar as it was drawn before it followed the scale.
    with Player(settings=b"") as player:
        shown = bar_picture(player)
    reference = os.path.join(REFERENCE, "bar-96dpi.png")
    if os.environ.get("VEXMOOR_WRITE_REFERENCE"):
        write_png(shown, reference)
    expected = read_png(reference)
    check((shown.width, shown.height) == (expected.width, expected.height),
          "the bar is %d x %d" % (shown.width, shown.height))
    differing = region_differences(shown, 0, 0, expected, tolerance=0)
    if differing:
        write_png(shown, os.path.join(BUILD, "logs", "bar-96dpi-shown.png"))
    check(differing == 0, "%d pixels of the bar differ from the reference" % differing)


def test_at_120_144_and_192_dpi_the_bar_is_laid_out_and_drawn_for_the_scale():
    for dpi in (120, 144, 192):
        with display_resolution(dpi):
            with Player(settings=b"") as player:
                state = player.state()
                shown = bar_picture(player)
        check_layout(state, dpi)
        if dpi == 144:
            write_png(shown, os.path.join(BUILD, "logs", "bar-144dpi-shown.png"))
            check_pictures_drawn_for(shown, 150)


def test_a_change_of_resolution_moves_the_bar_to_the_suggested_place_at_the_new_scale():
    with Player(settings=b"") as player:
        before = player.state().window
        suggested = (before.x + 16, before.y + 8, scaled(BAR[0], 144), scaled(BAR[1], 144))
        code, _ = probe("dpichanged", 144, *suggested)
        check(code == 0, "the bar took no WM_DPICHANGED (code %d)" % code)
        state = player.state()
        shown = bar_picture(player)
        # A suggestion that leaves part of the bar off the screen: the bar stays wholly on it.
        work = state.workarea
        code, _ = probe("dpichanged", 192, work.x + work.w - 100, work.y + 20, scaled(BAR[0], 192), scaled(BAR[1], 192))
        check(code == 0, "the bar took no second WM_DPICHANGED (code %d)" % code)
        moved = player.state()
    window = state.window
    check((window.x, window.y, window.w, window.h) == suggested, "the bar is at %r, not %r" % (window, suggested))
    check_layout(state, 144)
    check_pictures_drawn_for(shown, 150)
    check_layout(moved, 192)
    check(moved.window.x + moved.window.w <= work.x + work.w and moved.window.x >= work.x,
          "the bar at %r is not wholly in the work area %r" % (moved.window, work))
