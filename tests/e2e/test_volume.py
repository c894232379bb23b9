"""The player's own volume on the wheel, and the place in the track kept across starts, as heard."""
from harness import ID, Player, check, click_at, exit_by_button, tone_levels, wait_for_tones, wait_until, xdotool
from test_playback import player_on

A, B = 440, 660


def test_four_notches_down_over_the_bar_make_the_next_track_and_the_next_start_10_db_quieter():
    # a is stopped while it plays, and on a busy machine the stop may come seconds after a was first heard.
    with player_on({"a.wav": [(A, 8.0)], "b.wav": B}, seconds=1.5) as player:
        player.click(ID["IDC_PLAY"])
        check(wait_for_tones([A, B], [A], 10) == [A], "play did not start a")
        player.click(ID["IDC_PLAY"])
        window = player.state().window  # two notches over the background, two over a control
        for x, y in [(window.x + 4, window.y + 4)] * 2 + [player.control_centre(ID["IDC_GROUP_MENU"])] * 2:
            xdotool("mousemove", x, y, "click", "5")
        check((shown := player.label_texts()[1]) == "音量 80", "after four notches down the track label showed %r" % shown)
        check(wait_until(lambda: player.label_texts()[1] == "a.wav", 5), "the label kept %r" % player.label_texts()[1])
        player.click(ID["IDC_NEXT"])
        player.click(ID["IDC_PLAY"])
        check(wait_for_tones([A, B], [A, B], 10) == [A, B] and wait_until(
            lambda: player.play_button_state()[0] == "play", 5), "next and play did not play b to its end")
        levels = tone_levels([A, B])
        check(abs(levels[A] - levels[B] - 10) <= 1, "a at %.2f dB, b at %.2f dB" % (levels[A], levels[B]))
        exit_by_button(player)
    check(player.read_settings().endswith(b"b.wav\nVolume=80\n"), "tovik.def ends %r" % player.read_settings()[-30:])
    with Player(folder=player.folder) as again:
        again.click(ID["IDC_PLAY"])
        check(wait_for_tones([A, B], [B], 10) == [B], "play after the restart did not play b")
        check(abs(levels[A] - (level := tone_levels([A, B])[B]) - 10) <= 1,
              "after the restart b at %.2f dB, a was %.2f dB" % (level, levels[A]))


def test_a_track_stopped_in_its_third_second_goes_on_from_there_after_the_next_start():
    pitches = [440, 550, 660, 880]
    with player_on({"four.wav": [(pitch, 1.0) for pitch in pitches]}, seconds=0) as player:
        # The sound is recorded on the wall clock: once the third second is heard, the track is in it.
        play = player.control_centre(ID["IDC_PLAY"])
        click_at(*play)
        check(wait_for_tones(pitches, pitches[:3], 10) == pitches[:3], "the track did not reach its third second")
        click_at(*play)
        exit_by_button(player)
    last = player.read_settings().decode("cp932").splitlines()[-1]
    check(last.startswith("LastPosition=") and 2000 <= int(last[13:]) < 3000, "tovik.def ends %r" % last)
    with Player(folder=player.folder) as again:
        again.click(ID["IDC_PLAY"])
        heard = wait_for_tones(pitches, pitches[2:], 10)
        check(heard == pitches[2:], "after the restart heard %r, not the third and fourth second" % heard)
