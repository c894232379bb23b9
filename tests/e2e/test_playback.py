"""The transport buttons and the end of a track, judged by what was heard."""
import time

from harness import ID, Music, Player, captured_tones, check, settings_bytes, wait_for_tones, wait_until

A, B, C = 440, 550, 660
PITCHES = [A, B, C]


def player_on(layout, seconds, **settings):
    player = Player()
    music = Music(player.folder, layout, seconds=seconds)
    player.write_settings(settings_bytes(CurDir=music.windows(), **settings))
    return player


def test_tracks_end_and_move_on_by_themselves_until_the_pass_is_over():
    with player_on({"a.wav": A, "b.wav": B, "c.wav": C}, seconds=0.8) as player:
        player.click(ID["IDC_PLAY"])
        heard = wait_for_tones(PITCHES, [A, B, C], timeout=15)
        check(heard == [A, B, C], "heard %r, expected a, b, c in turn" % heard)
        check(wait_until(lambda: player.play_button_state()[0] == "play", 5),
              "after the last track the player still shows %r" % (player.play_button_state(),))
        time.sleep(1.5)
        check(captured_tones(PITCHES) == [A, B, C], "something played after the end of the pass")
        check(player.label_texts()[1] == "c.wav", "the last track loaded is %r" % player.label_texts()[1])


def test_play_stop_next_and_previous_are_heard_in_that_order():
    with player_on({"a.wav": A, "b.wav": B, "c.wav": C}, seconds=6) as player:
        time.sleep(1)
        check(captured_tones(PITCHES) == [], "the player played before play was pressed")
        player.click(ID["IDC_PLAY"])
        check(wait_for_tones(PITCHES, [A], 5) == [A], "play did not start a")
        player.click(ID["IDC_PLAY"])
        check(wait_until(lambda: player.play_button_state()[0] == "play", 3), "stop did not show the play face")
        time.sleep(0.5)
        stopped = len(captured_tones(PITCHES))
        time.sleep(1.5)
        check(len(captured_tones(PITCHES)) == stopped, "sound went on after stop")
        player.click(ID["IDC_NEXT"])
        check(wait_until(lambda: player.label_texts()[1] == "b.wav", 3), "next while stopped did not load b")
        time.sleep(1)
        check(captured_tones(PITCHES) == [A], "next while stopped started playing")
        player.click(ID["IDC_PLAY"])
        check(wait_for_tones(PITCHES, [A, B], 5) == [A, B], "play after next did not play b")
        player.click(ID["IDC_NEXT"])
        check(wait_for_tones(PITCHES, [A, B, C], 5) == [A, B, C], "next while playing did not play c")
        player.click(ID["IDC_PREV"])
        heard = wait_for_tones(PITCHES, [A, B, C, B], 5)
        check(heard == [A, B, C, B], "previous while playing c gave %r, expected b again" % heard)
        check(player.label_texts()[1] == "b.wav", "previous loaded %r" % player.label_texts()[1])


def test_cue_puts_the_playing_track_back_to_its_start():
    # One track in two halves of different pitch: its start is heard again after the cue.
    # Cue comes while the long second half still plays, and only runs of a quarter
    # second count, so a late or stuttering capture cannot pass for a restart.
    with player_on({"two.wav": [(A, 1.2), (C, 3.0)]}, seconds=0) as player:
        player.click(ID["IDC_PLAY"])
        heard = wait_for_tones(PITCHES, [A, C], 12, shortest_seconds=0.25)
        check(heard == [A, C], "before cue heard %r, expected the first half and then the second" % heard)
        player.click(ID["IDC_CUE"])
        heard = wait_for_tones(PITCHES, [A, C, A, C], 15, shortest_seconds=0.25)
        check(heard == [A, C, A, C], "after cue heard %r, expected the track again from its start" % heard)
        check(wait_until(lambda: player.play_button_state()[0] == "play", 5), "the track did not stop at its end")
