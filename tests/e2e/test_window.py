"""The main window: its size and place, always-on-top, transparency, moving it,
and what does not close it."""
import time

from harness import (ID, LWA_ALPHA, SC_CLOSE, WM_CLOSE, WM_SYSCOMMAND, WS_EX_LAYERED, Music, Player, check,
                     move_pointer, park_pointer, settings_bytes, template_layout, wait_until, xdotool)

WM_DISPLAYCHANGE = 0x007E
WM_SETTINGCHANGE = 0x001A
SPI_SETDESKWALLPAPER = 0x0014


def test_window_is_280_by_34_centred_in_the_work_area_with_its_template_size():
    layout = template_layout()
    with Player(settings=b"") as player:
        state = player.state()
        check((state.client.w, state.client.h) == (280, 34), "client area is %r" % state.client)
        check((state.window.w, state.window.h) == (280, 34), "window is %r (no frame expected)" % state.window)
        work = state.workarea
        # Centred while it still had the template's size, then grown with its top-left corner fixed.
        expected = ((work.x + work.x + work.w) // 2 - layout.window.w // 2,
                    (work.y + work.y + work.h) // 2 - layout.window.h // 2)
        check((state.window.x, state.window.y) == expected,
              "window at %r, expected top-left %r (template %r in work area %r)"
              % (state.window, expected, layout.window, work))
        check(state.visible == 1, "window not visible")


def test_topmost_follows_the_setting_and_the_command():
    cases = [(b"", 1), (b"TopMode=0\n", 0), (b"TopMode=no\n", 1)]
    for settings, topmost in cases:
        with Player(settings=settings) as player:
            check(player.state().topmost == topmost, "settings %r: topmost %d, expected %d"
                  % (settings, player.state().topmost, topmost))
            player.command(ID["ID_TOPMOST"])
            check(wait_until(lambda: player.state().topmost == 1 - topmost, 3),
                  "settings %r: the always-on-top command did not switch it" % settings)


def test_transparency_is_alpha_50_when_set_and_switches_with_its_command():
    with Player(settings=b"Transparent=1\n") as player:
        state = player.state()
        check(state.exstyle & WS_EX_LAYERED, "Transparent=1 gives no layered window (ex-style %#x)" % state.exstyle)
        check(state.layered == (50, LWA_ALPHA), "layered attributes %r, expected alpha 50 with LWA_ALPHA"
              % (state.layered,))
        player.command(ID["ID_TRANSPARENT"])
        check(wait_until(lambda: not player.state().exstyle & WS_EX_LAYERED, 3),
              "the transparency command did not make the window opaque")
        player.command(ID["ID_TRANSPARENT"])
        check(wait_until(lambda: player.state().layered == (50, LWA_ALPHA), 3),
              "switching transparency on again did not give alpha 50")
    with Player(settings=b"") as player:
        check(player.state().layered is None, "a window without Transparent=1 is layered")


def drag_grip(player, dx, dy):
    before = player.state().window
    # The grip at the left end is background.
    move_pointer(before.x + 4, before.y + 4)
    xdotool("mousedown", "1")
    for step in range(1, 11):
        move_pointer(before.x + 4 + dx * step // 10, before.y + 4 + dy * step // 10)
    xdotool("mouseup", "1")
    park_pointer()
    return before


def test_dragging_the_background_moves_the_window_and_pressing_a_control_does_not():
    player = Player()
    music = Music(player.folder, {"a.wav": 440})
    player.write_settings(settings_bytes(CurDir=music.windows()))
    with player:
        before = drag_grip(player, 120, 60)
        moved = wait_until(lambda: player.state().window == before.moved(120, 60), 3)
        check(moved, "window at %r after dragging by (120, 60) from %r" % (player.state().window, before))

        start = player.state()
        label = start.rect(ID["IDC_TRACK_MENU"])
        move_pointer(label.x + 5, label.y + 5)
        xdotool("mousedown", "1")
        move_pointer(label.x + 60, label.y + 40)
        xdotool("mouseup", "1")
        park_pointer()
        time.sleep(0.3)
        check(player.state().window == start.window, "pressing on a label moved the window")

        # Dragged partly past the screen's edge, the bar stays there until the screens change.
        work = start.workarea
        drag_grip(player, work.x + work.w - 60 - start.window.x, 0)
        check(wait_until(lambda: player.state().window.x == work.x + work.w - 60, 3), "the bar was not dragged")
        for message, wparam, inside in ((WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, False), (WM_DISPLAYCHANGE, 32, True)):
            player.send(message, wparam, 0)
            check((player.state().window.x == work.x + work.w - 280) == inside,
                  "after message %#x (%d) the bar is at %r" % (message, wparam, player.state().window))


def test_escape_and_the_close_commands_leave_the_player_running():
    with Player(settings=b"") as player:
        player.key("Escape")
        player.post(WM_SYSCOMMAND, SC_CLOSE, 0)
        player.post(WM_CLOSE)
        time.sleep(1)
        check(player.running(), "the player ended")
        check(player.state().visible == 1, "the window was hidden")
