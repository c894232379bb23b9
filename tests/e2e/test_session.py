"""Starting and leaving: the exit button, the saved "tovik.def", the next
start, a music root that vanished, the end of the Windows session, arguments,
two players in two folders, and a window that cannot be created."""
import os
import shutil
import subprocess
import time

from harness import (EXE, ID, WM_ENDSESSION, Music, Player, captured_tones, check, exit_by_button,
                     player_window_count, settings_bytes, wait_until)

LAYOUT = {"a.wav": 440, "b.wav": 494, "first/c.wav": 550, "first/d.wav": 587,
          "second/e.wav": 660, "second/f.wav": 740, "second/g.wav": 880}


def test_the_exit_button_ends_with_code_1_and_writes_every_setting():
    player = Player()
    music = Music(player.folder, LAYOUT)
    # Values out of canonical form come back normalised, unknown keys are dropped.
    player.write_settings("CurDir=%s\nRandomMode=true\nSortMethod=7\nTopMode=no\nUnknown=1\nOnePlay=1\n"
                          % music.windows())
    with player:
        exit_by_button(player)
        expected = settings_bytes(CurDir=music.windows(), OnePlay="1", LastFile=music.windows("a.wav"))
        saved = player.read_settings()
        check(saved == expected, "tovik.def holds %r, expected %r" % (saved, expected))
        check(not player.running(), "the player is still running")


def test_a_second_start_restores_root_group_and_track_stopped():
    player = Player()
    music = Music(player.folder, LAYOUT)
    player.write_settings(settings_bytes(CurDir=music.windows(), SubDir="second",
                                         LastFile=music.windows("second/f.wav")))
    with player:
        check(player.label_texts() == ("second", "f.wav"), "first start shows %r" % (player.label_texts(),))
        player.click(ID["IDC_NEXT"])
        check(wait_until(lambda: player.label_texts()[1] == "g.wav", 3), "next did not load g")
        player.command(ID["ID_REPEAT"])
        time.sleep(0.3)
        exit_by_button(player)
    first_save = player.read_settings()
    expected = settings_bytes(CurDir=music.windows(), SubDir="second", RepeartMode="1",
                              LastFile=music.windows("second/g.wav"))
    check(first_save == expected, "the first exit saved %r, expected %r" % (first_save, expected))

    with Player(folder=player.folder) as again:
        check(again.label_texts() == ("second", "g.wav"), "second start shows %r" % (again.label_texts(),))
        check(again.play_button_state()[0] == "play", "the second start is not stopped")
        time.sleep(1)
        check(captured_tones([440, 494, 550, 587, 660, 740, 880]) == [], "the second start played by itself")
        exit_by_button(again)
        check(again.read_settings() == first_save, "exiting at once changed tovik.def to %r" % again.read_settings())


def test_a_vanished_music_root_gives_an_empty_player_that_still_exits_cleanly():
    player = Player()
    music = Music(player.folder, LAYOUT)
    settings = settings_bytes(CurDir=music.windows(), SubDir="first", LastFile=music.windows("first/d.wav"))
    player.write_settings(settings)
    shutil.rmtree(music.root)
    with player:
        check(player.label_texts() == ("first", "サウンドファイル"),
              "labels read %r with the music root gone" % (player.label_texts(),))
        player.click(ID["IDC_PLAY"])
        player.click(ID["IDC_NEXT"])
        player.click(ID["IDC_PREV"])
        exit_by_button(player)
        check(player.read_settings() == settings, "tovik.def became %r" % player.read_settings())


def test_the_end_of_the_windows_session_saves_like_the_exit_button():
    player = Player()
    music = Music(player.folder, LAYOUT)
    player.write_settings(settings_bytes(CurDir=music.windows()))
    with player:
        player.command(ID["ID_ORDER_REVERSE"])
        player.command(ID["ID_TRANSPARENT"])
        player.click(ID["IDC_NEXT"])
        check(wait_until(lambda: player.label_texts()[1] == "b.wav", 3), "next did not load b")
        before = player.read_settings()
        player.send(WM_ENDSESSION, 0, 0)
        check(player.read_settings() == before, "a cancelled session end saved the settings")
        player.send(WM_ENDSESSION, 1, 0)
        expected = settings_bytes(CurDir=music.windows(), SortReverse="1", Transparent="1",
                                  LastFile=music.windows("b.wav"))
        check(player.read_settings() == expected,
              "the end of the session saved %r, expected %r" % (player.read_settings(), expected))
        check(not any(name.startswith("tovik.def") and name != "tovik.def" for name in os.listdir(player.folder)),
              "the save left files behind beside tovik.def")


def test_arguments_are_ignored_and_a_start_in_another_folder_is_an_independent_player():
    first = Player()
    music = Music(first.folder, {"a.wav": 440, "b.wav": 494})
    first.write_settings(settings_bytes(CurDir=music.windows()))
    second = Player(settings=b"TopMode=0\n")
    try:
        first.start(arguments=["/play", "C:\\nothing.wav", "--help"])
        check(first.label_texts() == ("デフォルト", "a.wav"), "with arguments the player shows %r"
              % (first.label_texts(),))
        second.start(alone=False)
        check(player_window_count() == 2, "two starts give %d windows" % player_window_count())
        second.end()
        check(first.running(), "ending the second player ended the first")
        exit_by_button(first)
        check(first.read_settings() == settings_bytes(CurDir=music.windows(), LastFile=music.windows("a.wav")),
              "the first player saved %r" % first.read_settings())
    finally:
        second.end()
        first.end()


def test_a_window_that_cannot_be_created_ends_the_player_with_code_0_and_saves_nothing():
    # Without a display Wine can create no window at all.
    player = Player(settings=b"CurDir=kept\nTopMode=0\n")
    environment = {key: value for key, value in os.environ.items() if key != "DISPLAY"}
    result = subprocess.run(["wine", EXE], cwd=player.folder, env=environment, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, timeout=60)
    check(result.returncode == 0, "the player ended with code %d" % result.returncode)
    check(player.read_settings() == b"CurDir=kept\nTopMode=0\n", "tovik.def changed to %r" % player.read_settings())
