"""A folder of every common format played with DirectShow disabled, as on a
stock Windows whose DirectShow has no source for most of them: Media
Foundation plays what DirectShow cannot, in name order, and the files that
neither plays are passed over. And the same folder with Media Foundation
missing, as on Windows' N editions: the player still starts and plays
through DirectShow."""
import os
import subprocess

from harness import (ID, WITHOUT_DIRECTSHOW, WITHOUT_MEDIA_FOUNDATION, Music, Player, check, settings_bytes,
                     stands_in_unless, wait_for_tones, wait_until)

# name -> pitch; each tone is written as WAV and encoded into its format.
TONES = {"1.m4a": 440, "2.flac": 550, "3.ogg": 660, "4.mp3": 770, "5.wav": 880}
UNPLAYABLE = {"2x.m4a": bytes(range(256)) * 16, "4x.flac": b"not a sound\r\n"}
PITCHES = list(TONES.values())


def encode(music, name):
    stem, kind = os.path.splitext(name)
    if kind == ".wav":
        return
    source = music.paths[stem + ".wav"]
    subprocess.run(["ffmpeg", "-v", "error", "-y", "-i", source, os.path.join(music.root, name)], check=True)
    os.remove(source)


def play_the_folder(environment):
    player = Player(environment=environment)
    layout = {os.path.splitext(name)[0] + ".wav": pitch for name, pitch in TONES.items()}
    layout.update(UNPLAYABLE)
    music = Music(player.folder, layout, seconds=0.8)
    for name in TONES:
        encode(music, name)
    player.write_settings(settings_bytes(CurDir=music.windows()))
    with player:
        check(wait_until(lambda: player.label_texts()[1] == "1.m4a", 10),
              "the first track loaded is %r, not 1.m4a" % player.label_texts()[1])
        player.click(ID["IDC_PLAY"])
        heard = wait_for_tones(PITCHES, PITCHES, timeout=30)
        check(heard == PITCHES, "heard %r, expected %r" % (heard, PITCHES))
        check(wait_until(lambda: player.play_button_state()[0] == "play", 10),
              "after the last track the player still shows %r" % (player.play_button_state(),))
        check(player.label_texts()[1] == "5.wav", "the last track loaded is %r" % player.label_texts()[1])


def test_without_directshow_every_format_plays_in_name_order_and_unplayable_files_are_passed_over():
    play_the_folder(WITHOUT_DIRECTSHOW)


@stands_in_unless("mfplat", "this Wine's own DirectShow decodes MP3 through mfplat and ends the process "
                  "without it, so disabling mfplat and mf no longer imitates Windows without Media Foundation")
def test_without_media_foundation_the_player_starts_and_plays_through_directshow():
    play_the_folder(WITHOUT_MEDIA_FOUNDATION)
