"""Files dropped onto the window by another program (a real XDND drop from an
X client): they play at once in drop order, then the interrupted track from
its start, then the old queue; folders are skipped, names outside code page
932 play as themselves (the player runs with the UTF-8 code page); the group
stays."""
import os

from companion import xdnd_drop
from harness import ID, Music, Player, capture_clear, check, settings_bytes, wait_for_tones, wait_until


def test_dropped_files_play_first_then_the_interrupted_track_then_the_old_queue():
    player = Player()
    music = Music(player.folder, {"a.wav": 440, "b.wav": 550, "c.wav": 660}, seconds=1.5)
    dropped = Music(os.path.join(player.folder, "elsewhere"), {
        "表ソ/x & y.wav": 770, "z.txt.wav": 880, "cafe.wav": 990, "folder/inside.wav": 1100,
        "caf\u00e9.wav": 1210}, seconds=0.6)
    # "café" has no form in code page 932: it plays as itself, never as its look-alike "cafe.wav".
    cafe_accent = dropped.paths["caf\u00e9.wav"]
    player.write_settings(settings_bytes(CurDir=music.windows()))
    tones = [440, 550, 660, 770, 880, 990, 1100, 1210]
    with player:
        groups_before = player.label_texts()[0]
        player.click(ID["IDC_PLAY"])
        check(wait_for_tones(tones, [440], 10) == [440], "the first track did not start")
        window = player.state().window
        xdnd_drop(window.x + 200, window.y + 5, [dropped.paths["表ソ/x & y.wav"], os.path.join(dropped.root, "folder"),
                                                  cafe_accent, dropped.paths["z.txt.wav"]])
        expected = [440, 770, 1210, 880, 440, 550, 660]
        heard = wait_for_tones(tones, expected, 30)
        check(heard == expected, "after the drop %r was heard, expected %r" % (heard, expected))
        check(player.label_texts()[0] == groups_before, "the group label changed to %r" % player.label_texts()[0])
        check(wait_until(lambda: player.play_button_state()[0] == "play", 5), "the player did not stop at the end")
