"""The settings file survives another program's hold at start and at exit, and
a second start on it brings the running player to the front."""
import subprocess
import time

from companion import FocusWindow
from harness import (EXE, ID, FileLock, Music, Player, check, exit_by_button, player_window_count, settings_bytes,
                     wait_until)


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
        check(again.wait_exit() == 1, "the player did not end with code 1 after the hold")
    expected = settings_bytes(CurDir=music.windows(), RepeartMode="1", OnePlay="1", LastFile=music.windows("b.wav"))
    check(again.read_settings() == expected, "the save under a brief hold gave %r" % again.read_settings())


def test_a_second_start_on_the_same_settings_file_brings_the_running_player_to_the_front():
    with Player(settings=b"TopMode=0\n") as player:
        other = FocusWindow(20, 20, 200, 150, 40)
        check(not player.state().foreground, "the player is still in front of the other window")
        second = subprocess.run(["wine", EXE], cwd=player.folder, timeout=60)
        other.close()
        check(second.returncode == 0, "the second start ended with code %d" % second.returncode)
        check(player_window_count() == 1, "a second start gave %d windows" % player_window_count())
        check(player.state().foreground, "the running player was not brought to the front")
        exit_by_button(player)
