"""The search for the next playable track over a run of unplayable files: it
goes on while the About box or a menu is open, and a stop pressed during it
leaves the track it finds stopped."""
import os
import time

from companion import listing, open_about, wait_no_dialog, wait_popups
from harness import (ID, Music, Player, captured_tones, check, click_at, exit_by_button, move_pointer, noise,
                     park_pointer, settings_bytes, wait_for_tones, wait_until, xdotool)

A, C, E = 440, 660, 880
PITCHES = [A, C, E]
# Wine spends some 0.1 to 0.3 s on each file it cannot render, more under load.
WAIT = 50


def player_with(tones, junk_runs):
    """A player of the tones and, for each prefix, twenty unplayable files ("2junk00.wav"...)."""
    player = Player()
    layout = dict(tones)
    layout.update({"%sjunk%02d.wav" % (run, i): noise(64, run + str(i)) for run in junk_runs for i in range(20)})
    player.write_settings(settings_bytes(CurDir=Music(player.folder, layout, seconds=1.0).windows()))
    return player


def test_the_search_goes_on_while_the_about_box_or_the_track_menu_is_open():
    with player_with({"1a.wav": A, "3c.wav": [(C, 6.0)], "5e.wav": E}, ("2", "4")) as player:
        open_about(player)
        # Played with the box open: the end of 1a.wav starts the search over the unplayable files.
        player.command(ID["IDC_PLAY"])
        heard = wait_for_tones(PITCHES, [A, C], WAIT)
        check(heard == [A, C], "with the About box open %r was heard, expected 1a.wav then 3c.wav" % heard)
        check(listing().dialogs, "the About box closed before 3c.wav was heard")
        xdotool("key", "Escape")
        check(wait_no_dialog(5), "Escape did not close the About box")

        # The same with the track menu open while 3c.wav plays on to its end, stopped while the menu opens.
        player.command(ID["IDC_PLAY"])
        check(wait_until(lambda: player.play_button_state()[0] == "play", 10), "3c.wav did not stop")
        label = player.state().rect(ID["IDC_TRACK_MENU"])
        click_at(*label.centre())
        check(wait_popups(1), "the track menu did not open")
        move_pointer(label.x + 1, label.y + 1)
        player.command(ID["IDC_PLAY"])
        heard = wait_for_tones(PITCHES, [A, C, E], WAIT)
        check(heard == [A, C, E], "with the track menu open %r was heard, expected 5e.wav after 3c.wav" % heard)
        check(wait_popups(1, timeout=1), "the track menu closed before 5e.wav was heard")
        xdotool("key", "Escape")
        check(wait_popups(0) is not None, "Escape did not close the track menu")
        park_pointer()
        exit_by_button(player)


def test_the_stop_key_during_the_search_leaves_the_track_found_stopped():
    with player_with({"1a.wav": [(A, 0.6)], "3c.wav": C}, ("2", "2x")) as player:
        player.command(ID["IDC_PLAY"])
        check(wait_for_tones(PITCHES, [A], 10) == [A], "1a.wav did not play")
        # 1a.wav is over and the forty unplayable files are being tried.
        time.sleep(1.2)
        check(player.label_texts()[1] == "1a.wav", "the search was over before the stop key: the label reads %r"
              % player.label_texts()[1])
        player.key("XF86AudioStop")
        check(wait_until(lambda: player.label_texts()[1] == "3c.wav", WAIT),
              "3c.wav was not found: the label reads %r" % player.label_texts()[1])
        time.sleep(1.5)
        heard = captured_tones(PITCHES)
        check(heard == [A], "after the stop key %r was heard, expected 1a.wav alone" % heard)
        check(player.play_button_state()[0] == "play", "the play button shows %r" % (player.play_button_state(),))
        # Play starts the track found.
        player.command(ID["IDC_PLAY"])
        check(wait_for_tones(PITCHES, [A, C], 10) == [A, C], "play did not start 3c.wav")
        exit_by_button(player)
