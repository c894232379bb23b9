"""The keyboard's media keys: hot keys that act while another program has the
focus, left to a program that holds them already; application commands while
the player has the focus; released at exit."""
import time

from companion import FocusWindow
from harness import ID, Music, Player, check, move_pointer, settings_bytes, wait_for_tones, wait_until, xdotool

TONES = [440, 550, 660]


def face(player):
    return player.play_button_state()[0]


def test_media_keys_control_the_player_while_another_program_has_the_focus():
    player = Player()
    music = Music(player.folder, {"a.wav": [(440, 3.0)], "b.wav": [(550, 3.0)], "c.wav": [(660, 3.0)]})
    player.write_settings(settings_bytes(CurDir=music.windows()))
    with player:
        other = FocusWindow(20, 20, 200, 150, 40)
        try:
            xdotool("key", "XF86AudioPlay")
            check(wait_for_tones(TONES, [440], 10) == [440], "play/pause did not start the first track")
            xdotool("key", "XF86AudioNext")
            check(wait_for_tones(TONES, [440, 550], 10) == [440, 550], "next did not go on to the second track")
            xdotool("key", "XF86AudioPrev")
            check(wait_for_tones(TONES, [440, 550, 440], 10) == [440, 550, 440],
                  "previous did not go back to the first track")
            xdotool("key", "XF86AudioStop")
            check(wait_until(lambda: face(player) == "play", 5), "stop did not stop playback")
            xdotool("key", "XF86AudioPlay")
            check(wait_until(lambda: face(player) == "stop", 5), "play/pause did not start again")
            xdotool("key", "XF86AudioPlay")
            check(wait_until(lambda: face(player) == "play", 5), "play/pause did not stop")
        finally:
            other.close()
        player.click(ID["IDOK"])
        check(player.ends_with_the_exit_code(), "the exit button did not end the player")
    released = FocusWindow(20, 20, 200, 150, 1, hold=True)
    released.close()
    check(released.held == 4, "after the exit only %r of the four keys were free again" % released.held)


def test_keys_another_program_holds_stay_with_it_and_the_focused_player_takes_application_commands():
    player = Player()
    music = Music(player.folder, {"a.wav": [(440, 3.0)], "b.wav": [(550, 3.0)]})
    player.write_settings(settings_bytes(CurDir=music.windows()))
    holder = FocusWindow(20, 20, 200, 150, 60, hold=True)
    try:
        check(holder.held == 4, "the other program could take only %r media keys" % holder.held)
        with player:
            window = player.state().window
            move_pointer(window.x + 3, window.y + 3)
            time.sleep(0.3)
            xdotool("key", "XF86AudioPlay")
            time.sleep(1)
            check(face(player) == "play", "the player took play/pause from the program that holds it")
            keys = holder.hot_keys()
            check(keys == [1], "the holder received %r, expected its play/pause key" % keys)
            check(player.running(), "the player ended")
            # The holder has gone; nobody holds the keys now, and the focused player gets application commands.
            move_pointer(window.x + 3, window.y + 3)
            time.sleep(0.3)
            xdotool("key", "XF86AudioPlay")
            check(wait_for_tones([440, 550], [440], 10) == [440], "the focused player did not play on play/pause")
            xdotool("key", "XF86AudioNext")
            check(wait_for_tones([440, 550], [440, 550], 10) == [440, 550], "the focused player did not go next")
            xdotool("key", "XF86AudioStop")
            check(wait_until(lambda: face(player) == "play", 5), "the focused player did not stop")
    finally:
        holder.close()
