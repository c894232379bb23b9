"""Names outside code page 932: the player runs with the UTF-8 code page, so a
folder of such names plays whole, the settings file keeps them (UTF-8 behind a
byte-order mark only when it must), and playlists of either encoding play."""
import os

from harness import ID, Music, Player, check, exit_by_button, settings_bytes, wait_for_tones, wait_until

# In name order: upper-cased UTF-16, so "B" < "N" < "ソ" (U+30BD) < "한" (U+D55C).
NAMES = {"Björk.wav": 440, "naïve café.wav": 550, "ソ.wav": 660, "한국.wav": 770}


def test_a_folder_of_names_outside_code_page_932_plays_and_its_last_track_is_resumed():
    player = Player()
    music = Music(player.folder, NAMES, seconds=0.6)
    player.write_settings(settings_bytes(CurDir=music.windows()))
    tones = sorted(NAMES.values())
    with player:
        check(player.label_texts() == ("デフォルト", "Björk.wav"), "the first start shows %r" % (player.label_texts(),))
        player.click(ID["IDC_PLAY"])
        heard = wait_for_tones(tones, tones, 30)
        check(heard == tones, "the folder played %r, expected %r" % (heard, tones))
        check(wait_until(lambda: player.label_texts()[1] == "한국.wav", 5),
              "the last track shown is %r" % player.label_texts()[1])
        check(wait_until(lambda: player.play_button_state()[0] == "play", 10), "the player did not stop")
        exit_by_button(player)
    saved = player.read_settings()
    expected = settings_bytes("utf-8", CurDir=music.windows(), LastFile=music.windows("한국.wav"))
    check(saved == expected, "tovik.def holds %r, expected %r" % (saved, expected))

    with Player(folder=player.folder) as again:
        check(again.label_texts() == ("デフォルト", "한국.wav"), "the next start shows %r" % (again.label_texts(),))
        exit_by_button(again)
    check(again.read_settings() == saved, "a start and exit changed tovik.def to %r" % again.read_settings())


def test_an_m3u8_of_such_names_and_a_code_page_932_m3u_both_play():
    player = Player()
    music = Music(player.folder, dict(NAMES, **{"表/ソ.wav": 880}), seconds=0.6)
    with open(os.path.join(music.root, "new.m3u8"), "wb") as playlist:
        playlist.write("\r\n".join(music.windows(name) for name in ("한국.wav", "naïve café.wav")).encode("utf-8"))
    # Both path characters end in the byte of "\\" in code page 932.
    with open(os.path.join(music.root, "old.m3u"), "wb") as playlist:
        playlist.write((music.windows("表/ソ.wav") + "\r\n" + music.windows("ソ.wav") + "\r\n").encode("cp932"))
    for group, tones, last in (("new.m3u8", [770, 550], "naïve café.wav"), ("old.m3u", [880, 660], "ソ.wav")):
        player.write_settings(settings_bytes(CurDir=music.windows(), SubDir=group))
        with player:
            check(player.label_texts()[0] == group, "the group shown is %r, expected %r" % (player.label_texts()[0], group))
            player.click(ID["IDC_PLAY"])
            heard = wait_for_tones([440, 550, 660, 770, 880], tones, 20)
            check(heard == tones, "%s played %r, expected %r" % (group, heard, tones))
            # The last tone is heard a moment before the player has taken its end: the
            # pass is over, and no place in the last track is kept, once it has stopped.
            check(wait_until(lambda: player.play_button_state()[0] == "play", 10), "the player did not stop")
            exit_by_button(player)
        # Only a save whose every name fits code page 932 is written in it.
        encoding = "cp932" if group == "old.m3u" else "utf-8"
        expected = settings_bytes(encoding, CurDir=music.windows(), SubDir=group, LastFile=music.windows(last))
        saved = player.read_settings()
        check(saved == expected, "tovik.def holds %r, expected %r" % (saved, expected))
