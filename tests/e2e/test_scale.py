"""The bar at the display's scale: its size, its controls' places and its pictures."""
import os

from harness import BUILD, ROOT, Player, check, park_pointer, region_differences, screenshot
from screen import crop, read_png, write_png

REFERENCE = os.path.join(ROOT, "tests", "e2e", "reference")


def bar_picture(player):
    park_pointer()
    state = player.state()
    return crop(screenshot(), state.client)


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
