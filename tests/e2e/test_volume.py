"""The bar as a whole player: its own volume on the mouse wheel, and the place
in the track kept across starts, judged by what was heard."""
import time

from harness import (ID, Music, Player, check, click_at, exit_by_button, move_pointer, park_pointer, settings_bytes,
                     tone_levels, wait_for_tones, wait_until, xdotool)

A, B = 440, 660


def test_four_notches_down_over_the_bar_make_the_next_track_and_the_next_start_10_db_quieter():
    player = Player()
    music = Music(player.folder, {"a.wav": A, "b.wav": B}, seconds=1.5)
    player.write_settings(settings_bytes(CurDir=music.windows()))
    with player:
        player.click(ID["IDC_PLAY"])
        check(wait_for_tones([A, B], [A], 10) == [A], "play did not start a")
        player.click(ID["IDC_PLAY"])
        # Two notches over the background, two over a control, which passes them on.
        window = player.state().window
        for x, y in [(window.x + 4, window.y + 4)] * 2 + [player.control_centre(ID["IDC_GROUP_MENU"])] * 2:
            move_pointer(x, y)
            xdotool("click", "5")
        shown = player.label_texts()[1]
        park_pointer()
        check(shown == "音量 80", "the track label showed %r after four notches down" % shown)
        check(wait_until(lambda: player.label_texts()[1] == "a.wav", 5),
              "the track label still shows %r" % player.label_texts()[1])
        player.click(ID["IDC_NEXT"])
        player.click(ID["IDC_PLAY"])
        check(wait_for_tones([A, B], [A, B], 10) == [A, B], "next and play did not play b")
        check(wait_until(lambda: player.play_button_state()[0] == "play", 5), "b did not end")
        levels = tone_levels([A, B])
        check(abs(levels[A] - levels[B] - 10) <= 1, "a at %.2f dB, b at %.2f dB: not 10 dB apart" % (
            levels[A], levels[B]))
        exit_by_button(player)
    saved = player.read_settings()
    check(saved.endswith(b"LastFile=%s\nVolume=80\n" % music.windows("b.wav").encode()),
          "tovik.def ends %r" % saved[-60:])

    with Player(folder=player.folder) as again:
        again.click(ID["IDC_PLAY"])
        check(wait_for_tones([A, B], [B], 10) == [B], "play after the restart did not play b")
        level = tone_levels([A, B])[B]
        check(abs(levels[A] - level - 10) <= 1, "after the restart b at %.2f dB, a was %.2f dB" % (
            level, levels[A]))
        print("  levels: a %.2f dB, b %.2f dB, b after the restart %.2f dB" % (levels[A], levels[B], level))


def test_a_track_stopped_in_its_third_second_goes_on_from_there_after_the_next_start():
    segments = [440, 550, 660, 880]
    player = Player()
    music = Music(player.folder, {"four.wav": [(pitch, 1.0) for pitch in segments]})
    player.write_settings(settings_bytes(CurDir=music.windows()))
    with player:
        # The capture tells the order of tones, not when they play: the stop
        # comes by the clock, and the saved position says where it came.
        play = player.control_centre(ID["IDC_PLAY"])
        click_at(*play)
        started = time.monotonic()
        check(wait_for_tones(segments, segments[:1], 2) == segments[:1], "play did not start the track")
        time.sleep(max(0, started + 2.4 - time.monotonic()))
        click_at(*play)
        park_pointer()
        exit_by_button(player)
    saved = player.read_settings().decode("cp932").splitlines()
    check(saved[-1].startswith("LastPosition="), "tovik.def ends %r" % saved[-2:])
    position = int(saved[-1].split("=")[1])
    check(2000 <= position < 3000, "the stop came at %d ms, not in the third second" % position)

    with Player(folder=player.folder) as again:
        again.click(ID["IDC_PLAY"])
        heard = wait_for_tones(segments, segments[2:], 10)
        check(heard == segments[2:], "after the restart heard %r, expected the third and fourth second" % heard)
        print("  stopped at %d ms; after the restart heard %r" % (position, heard))
