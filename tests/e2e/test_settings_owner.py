"""The settings file survives another program's hold at start and at exit; a
second start on it, by any spelling of its folder, brings the running player to
the front without waiting on it, and one made at the exit button runs on what
the ending player wrote."""
import os
import signal
import subprocess
import time

from companion import FocusWindow
from harness import (EXE, ID, WM_SYSCOMMAND, FileLock, Music, Player, check, exit_by_button, player_window_count,
                     probe, settings_bytes, wait_until, windows_path)

SC_MINIMIZE, WS_MINIMIZE = 0xF020, 0x20000000


def test_a_hold_at_start_or_at_exit_loses_no_settings():
    player = Player()
    music = Music(player.folder, {"a.wav": 440, "b.wav": 494}, seconds=0.5)
    player.write_settings(settings_bytes(CurDir=music.windows(), RepeartMode="1", LastFile=music.windows("b.wav")))
    settings = player.read_settings()
    # Held while it starts: the player reads the file late, or runs on defaults it does not save.
    with FileLock(player.settings_path, seconds=1.5) as lock, player:
        check(lock.process.wait(15) == 0, "the hold did not end")
        exit_by_button(player)
    check(player.read_settings() == settings, "a hold at start cost the settings: %r" % player.read_settings())
    with Player(folder=player.folder) as again:
        check(again.label_texts()[1] == "b.wav", "the settings were not read: %r" % (again.label_texts(),))
        again.command(ID["ID_ONE_PLAY"])
        # Held until the bar has closed and a little longer: the replace runs
        # into the hold and must try again once it ends.
        with FileLock(again.settings_path):
            again.click(ID["IDOK"])
            check(wait_until(lambda: player_window_count() == 0, 10, interval=0.05), "the bar did not close")
            time.sleep(0.3)
        check(again.ends_with_the_exit_code(), "the player did not end with code 1 after the hold")
    expected = settings_bytes(CurDir=music.windows(), RepeartMode="1", OnePlay="1", LastFile=music.windows("b.wav"))
    check(again.read_settings() == expected, "the save under a brief hold gave %r" % again.read_settings())


def test_a_second_start_by_any_spelling_of_the_folder_asks_a_player_that_does_not_answer_to_come_forward():
    player = Player(settings=b"TopMode=0\n")
    parent, name = os.path.split(player.folder)
    drives = os.path.join(os.environ["WINEPREFIX"], "dosdevices")
    link = os.path.join(drives, next(d for d in "mnopqrstuvwxy" if not os.path.lexists(os.path.join(drives, d + ":")))
                        + ":")
    # Made before the player starts: Wine gives a folder the volume serial number of the
    # drive letter nearest to it, where Windows gives one for every path to it.
    os.symlink(parent, link)
    try:
        with player:
            code, short = probe("short", windows_path(player.folder))
            check(code == 0 and short[0].split()[1] != windows_path(player.folder), "Wine gave no short name")
            other = FocusWindow(20, 20, 200, 150, 40)
            player.post(WM_SYSCOMMAND, SC_MINIMIZE)
            check(wait_until(lambda: player.state().style & WS_MINIMIZE, 10), "the player was not minimised")
            # The wine process started is the player's own: stopped, the bar answers no message.
            os.kill(player.process.pid, signal.SIGSTOP)
            try:
                for folder in (link[-2:].upper() + "\\" + name, windows_path(player.folder), short[0].split()[1]):
                    code, lines = probe("run", folder, 20, windows_path(EXE))
                    check(lines == ["exit 0"], "the start in %s did not end by itself (probe code %d)" % (folder, code))
                    check(player_window_count() == 1, "the start in %s gave a second player" % folder)
            finally:
                os.kill(player.process.pid, signal.SIGCONT)
            other.close()
            check(wait_until(lambda: player.state().foreground and not player.state().style & WS_MINIMIZE, 10),
                  "the running player did not come forward")
            exit_by_button(player)
    finally:
        if os.path.islink(link) and os.readlink(link) == parent:
            os.remove(link)


def test_a_start_at_the_exit_button_runs_on_the_settings_just_written():
    player = Player()
    music = Music(player.folder, {"a.wav": 440, "b.wav": 494, "c.wav": 523}, seconds=4)
    player.write_settings(settings_bytes(CurDir=music.windows()))
    following = player.start()
    try:
        for turn, playing in enumerate((False, True, False)):
            player.click(ID["IDC_NEXT"])
            if playing:
                player.click(ID["IDC_PLAY"])
            track = player.label_texts()[1]
            player.click(ID["IDOK"])
            following = Player(folder=player.folder)
            following.process = subprocess.Popen(["wine", EXE], cwd=player.folder, stderr=subprocess.DEVNULL)
            check(player.ends_with_the_exit_code() and wait_until(lambda: player_window_count() == 1, 15),
                  "turn %d: no bar came up" % turn)
            # The window is counted as soon as it exists, before it has read the settings.
            check(wait_until(lambda: following.label_texts()[1] == track, 10) and "LastFile=%s\n" % music.windows(
                track) in player.read_settings().decode("cp932"), "turn %d: %s was not kept: %r, %r"
                  % (turn, track, following.label_texts(), player.read_settings()))
            player = following
        exit_by_button(player)
    finally:
        following.end()
        player.end()
