"""The buttons and labels: where they sit, which image they show in each state,
and the texts the labels carry."""
import time

from harness import (DISABLED, HOVER, ID, NORMAL, PRESSED, Music, Player, check, move_pointer,
                     park_pointer, read_bitmap, region_differences, screenshot, settings_bytes, strip_state_shown,
                     template_layout, wait_until, xdotool)

BUTTON_STRIPS = {"IDOK": "exit.bmp", "IDC_PREV": "prev.bmp", "IDC_CUE": "cue.bmp", "IDC_PLAY": "play.bmp",
                 "IDC_NEXT": "next.bmp"}
LABELS = {"IDC_GROUP_MENU": ("group_label.bmp", 60), "IDC_TRACK_MENU": ("track_label.bmp", 75)}


def player_on_three_tones(seconds=1.2):
    player = Player()
    music = Music(player.folder, {"a.wav": 440, "b.wav": 550, "c.wav": 660}, seconds=seconds)
    player.write_settings(settings_bytes(CurDir=music.windows()))
    return player


def shown_state(player, name):
    strip = read_bitmap(BUTTON_STRIPS[name])
    return strip_state_shown(screenshot(), player.state().rect(ID[name]), strip)


def test_controls_sit_at_their_template_places_with_the_sizes_of_their_pictures():
    layout = template_layout()
    with player_on_three_tones() as player:
        state = player.state()
        for name in list(BUTTON_STRIPS) + list(LABELS):
            rect = state.rect(ID[name])
            place = layout.rect(ID[name])
            check((rect.x - state.client.x, rect.y - state.client.y) == (place.x, place.y),
                  "%s at %r, its template place is (%d, %d) in the client area" % (name, rect, place.x, place.y))
            size = (LABELS[name][1], 20) if name in LABELS else (20, 20)
            check((rect.w, rect.h) == size, "%s is %d x %d, expected %d x %d" % (name, rect.w, rect.h, *size))


def test_background_buttons_and_labels_show_their_pictures():
    with player_on_three_tones() as player:
        park_pointer()
        time.sleep(0.3)
        state = player.state()
        shot = screenshot()
        background = read_bitmap("background.bmp")
        # The grip at the left end and the bottom rows are background only.
        check(region_differences(shot, state.client.x, state.client.y, background, 0, 0, 16, 34) == 0,
              "the left end of the window does not show the background picture")
        check(region_differences(shot, state.client.x, state.client.y + 29, background, 0, 29, 280, 5) == 0,
              "the bottom rows of the window do not show the background picture")
        for name, strip in BUTTON_STRIPS.items():
            shown = strip_state_shown(shot, state.rect(ID[name]), read_bitmap(strip))
            check(shown == NORMAL, "%s shows image %r of its strip, expected the normal one" % (name, shown))
        for name, (bitmap, width) in LABELS.items():
            rect = state.rect(ID[name])
            # The label text is centred and white: the top rows and the ends show the bitmap alone.
            picture = read_bitmap(bitmap)
            check(region_differences(shot, rect.x, rect.y, picture, 0, 0, width, 3) == 0,
                  "%s does not show its bitmap" % name)


def test_hover_and_press_show_their_images_and_a_release_outside_does_not_click():
    with player_on_three_tones() as player:
        for name in BUTTON_STRIPS:
            player.hover(ID[name])
            check(wait_until(lambda: shown_state(player, name) == HOVER, 2),
                  "%s under the pointer shows image %r, expected hover" % (name, shown_state(player, name)))
            park_pointer()
            check(wait_until(lambda: shown_state(player, name) == NORMAL, 5),
                  "%s after the pointer left shows image %r, expected normal" % (name, shown_state(player, name)))

        play = player.state().rect(ID["IDC_PLAY"])
        move_pointer(*play.centre())
        xdotool("mousedown", "1")
        check(wait_until(lambda: shown_state(player, "IDC_PLAY") == PRESSED, 2),
              "the pressed play button shows image %r" % shown_state(player, "IDC_PLAY"))
        move_pointer(play.x + 10, play.y + 60)
        check(wait_until(lambda: shown_state(player, "IDC_PLAY") != PRESSED, 2),
              "the play button still looks pressed with the pointer outside")
        xdotool("mouseup", "1")
        park_pointer()
        time.sleep(0.5)
        check(player.play_button_state() == ("play", NORMAL),
              "releasing outside the play button changed it to %r" % (player.play_button_state(),))


def test_labels_show_group_and_track_and_the_play_button_follows_the_player():
    with player_on_three_tones(seconds=5) as player:
        check(player.label_texts() == ("デフォルト", "a.wav"), "labels read %r" % (player.label_texts(),))
        check(player.play_button_state() == ("play", NORMAL), "play button shows %r" % (player.play_button_state(),))
        player.click(ID["IDC_PLAY"])
        check(wait_until(lambda: player.play_button_state() == ("stop", NORMAL), 3),
              "while playing the button shows %r, expected the stop face" % (player.play_button_state(),))
        player.click(ID["IDC_NEXT"])
        check(wait_until(lambda: player.label_texts()[1] == "b.wav", 3),
              "after next the track label reads %r" % player.label_texts()[1])
        player.click(ID["IDC_PLAY"])
        check(wait_until(lambda: player.play_button_state() == ("play", NORMAL), 3),
              "after stop the button shows %r" % (player.play_button_state(),))


def test_an_unplayable_track_disables_the_play_button_and_an_empty_root_shows_the_template_texts():
    player = Player()
    music = Music(player.folder, {"broken.wav": b"this is not a sound file" * 40})
    player.write_settings(settings_bytes(CurDir=music.windows()))
    with player:
        state = player.state()
        check(not state.controls[ID["IDC_PLAY"]].enabled, "the play button is enabled without a playable track")
        check(player.play_button_state() == ("play", DISABLED),
              "the disabled play button shows %r" % (player.play_button_state(),))
        check(player.label_texts() == ("デフォルト", "サウンドファイル"),
              "labels read %r without a track" % (player.label_texts(),))
    with Player(settings=b"") as player:
        check(player.label_texts() == ("デフォルト", "サウンドファイル"),
              "labels read %r without a music root" % (player.label_texts(),))
        check(player.state().controls[ID["IDC_PLAY"]].enabled,
              "the play button is disabled although no track failed")


def test_the_four_images_of_every_strip_differ_at_a_glance():
    for name in list(BUTTON_STRIPS.values()) + ["stop.bmp"]:
        strip = read_bitmap(name)
        for first in range(4):
            for second in range(first + 1, 4):
                differing = region_differences(strip, first * 20, 0, strip, second * 20, 0, 20, 20, tolerance=40)
                check(differing >= 100, "%s: images %d and %d differ in only %d of 400 pixels"
                      % (name, first, second, differing))
