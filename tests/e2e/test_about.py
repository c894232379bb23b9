"""The About box: opened from the main menu, centred over the player and kept
inside the work area, showing the version; closed by OK, Enter, Escape and
its close button."""
import subprocess
import time

from companion import open_about, wait_no_dialog
from harness import ID, Player, check, move_pointer, park_pointer, xdotool

VERSION_ID = ID["IDC_VERSION"]


def expected_position(player, dialog):
    state = player.state()
    window, work = state.window, state.workarea
    _, _, w, h = dialog["rect"]
    x = (window.x + window.x + window.w) // 2 - w // 2
    y = (window.y + window.y + window.h) // 2 - h // 2
    x = max(work.x, min(x, work.x + work.w - w))
    y = max(work.y, min(y, work.y + work.h - h))
    return x, y


def close_button_managed(on):
    # Without a window manager Wine draws a caption, and so the close button, only for windows it paints itself.
    key = "HKCU\\Software\\Wine\\AppDefaults\\vexmoor.exe\\X11 Driver"
    if on:
        subprocess.run(["wine", "reg", "add", key, "/v", "Managed", "/d", "N", "/f"], capture_output=True)
    else:
        subprocess.run(["wine", "reg", "delete", key.rsplit("\\", 1)[0], "/f"], capture_output=True)


def test_about_box_shows_the_version_centred_over_the_player_and_closes_every_way():
    close_button_managed(True)
    try:
        with Player(settings=b"") as player:
            closers = [("OK", None), ("Enter", "Return"), ("Escape", "Escape"), ("close button", "caption")]
            for name, how in closers:
                dialog = open_about(player)
                versions = [text for _, text in dialog["items"].get(VERSION_ID, [])]
                check(versions == ["Ver1.2.2"], "the About box shows %r as its version" % versions)
                check(dialog["rect"][:2] == expected_position(player, dialog),
                      "the About box is at %r, expected %r" % (dialog["rect"][:2], expected_position(player, dialog)))
                x, y, w, h = dialog["rect"]
                if how is None:
                    (bx, by, bw, bh), _ = dialog["items"][1][0]
                    move_pointer(bx + bw // 2, by + bh // 2)
                    xdotool("click", "1")
                elif how == "caption":
                    # The close button sits at the right end of the caption.
                    move_pointer(x + w - 12, y + 10)
                    time.sleep(0.2)
                    xdotool("click", "1")
                else:
                    xdotool("key", how)
                check(wait_no_dialog(5), "%s did not close the About box" % name)
                park_pointer()
                check(player.running(), "closing the About box by %s ended the player" % name)

            # Near the screen's corner the box is pushed back inside the work area.
            before = player.state().window
            move_pointer(before.x + 3, before.y + 3)
            xdotool("mousedown", "1")
            try:
                for step in range(1, 11):
                    move_pointer(max(1, before.x + 3 - before.x * step // 10), max(1, before.y + 3 - before.y * step // 10))
            finally:
                xdotool("mouseup", "1")
            park_pointer()
            time.sleep(0.5)
            dialog = open_about(player)
            check(dialog["rect"][:2] == expected_position(player, dialog),
                  "near the corner the About box is at %r, expected %r"
                  % (dialog["rect"][:2], expected_position(player, dialog)))
            xdotool("key", "Escape")
            check(wait_no_dialog(5), "Escape did not close the About box")
    finally:
        close_button_managed(False)
