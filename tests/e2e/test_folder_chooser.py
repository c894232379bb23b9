"""The folder chooser from both items of "フォルダ設定": cancelled, nothing
changes and playback goes on; confirmed on a folder (whose path holds a name
outside code page 932), its groups replace the old ones and its first track is
loaded, stopped."""
import os
import shutil
import tempfile
import time

from companion import listing, wait_dialog, wait_no_dialog, wait_popups
from harness import (ID, Music, Player, check, move_pointer, park_pointer,
                     settings_bytes, wait_until, xdotool)

TITLE = "音楽ファイルのあるフォルダを選択してください"


def open_chooser(player, item_keys):
    window = player.state().window
    move_pointer(window.x + 3, window.y + 20)
    xdotool("click", "3")
    check(wait_popups(1), "no menu opened")
    xdotool("key", "--delay", "80", "Down", "Right", *item_keys)
    dialog = wait_dialog()
    texts = [text for items in dialog["items"].values() for _, text in items]
    check(TITLE in texts, "the chooser does not ask %r: %r" % (TITLE, texts))
    # A click into the folder tree gives the chooser the keyboard.
    x, y, w, h = dialog["rect"]
    move_pointer(x + w // 2, y + h // 2)
    xdotool("click", "1")
    time.sleep(0.3)
    return dialog


def test_the_folder_chooser_cancelled_changes_nothing_and_confirmed_sets_the_music_root():
    # The new root lies two levels below the file system's root, whatever folder
    # the tests run in, so the tree is walked through short lists of folders.
    top = tempfile.mkdtemp(prefix="vexmoor-chooser-", dir="/")
    try:
        chooser_session(top)
    finally:
        shutil.rmtree(top, ignore_errors=True)


def chooser_session(top):
    player = Player()
    music = Music(player.folder, {"a.wav": [(440, 15.0)], "b.wav": 550})
    new_root = Music(os.path.join(top, "caf\u00e9"), {"n1.wav": 660, "n2.wav": 770, "g/g1.wav": 880})
    player.write_settings(settings_bytes(CurDir=music.windows()))
    with player:
        player.click(ID["IDC_PLAY"])
        # This track must still play while the chooser is open: the play button
        # tells that it plays.
        check(wait_until(lambda: player.play_button_state()[0] == "stop", 10), "the first track did not start")

        # The item that shows the music root, then cancelled by Escape.
        open_chooser(player, ["Return"])
        xdotool("key", "Escape")
        check(wait_no_dialog(), "Escape did not close the chooser")
        park_pointer()
        check(player.label_texts() == ("デフォルト", "a.wav"), "cancelling changed the labels: %r"
              % (player.label_texts(),))
        check(player.play_button_state()[0] == "stop", "cancelling stopped playback")
        player.click(ID["IDC_PLAY"])
        check(wait_until(lambda: player.play_button_state()[0] == "play", 5), "playback did not stop")

        # "設定", then the new root chosen in the tree by keys and confirmed by Enter.
        open_chooser(player, ["Down", "Return"])
        xdotool("key", "Home")
        parts = [p for p in new_root.root.split("/") if p]
        xdotool("type", "--delay", "60", "/")
        # The tree's type-ahead joins letters typed in quick succession: every
        # part waits as long after the one before it.
        time.sleep(0.4)
        for part in parts:
            xdotool("key", "Right")
            time.sleep(1.0)
            xdotool("type", "--delay", "60", part)
            time.sleep(0.4)
        xdotool("key", "Return")
        check(wait_no_dialog(), "Enter did not close the chooser")
        park_pointer()
        check(wait_until(lambda: player.label_texts() == ("デフォルト", "n1.wav"), 5),
              "after choosing %s the labels are %r" % (new_root.root, player.label_texts()))
        check(wait_until(lambda: player.play_button_state()[0] == "play", 5), "the new root's track is not stopped")
        # The new root's sub-folder is its first group.
        label = player.state().rect(ID["IDC_GROUP_MENU"])
        move_pointer(*label.centre())
        xdotool("click", "1")
        check(wait_popups(1), "the group menu did not open")
        # Off the item the menu opened under, onto its border, so that no item is lit.
        move_pointer(label.x + 1, label.y + 1)
        time.sleep(0.2)
        xdotool("key", "--delay", "60", "Down", "Down", "Return")
        check(wait_until(lambda: player.label_texts() == ("g", "g1.wav"), 5),
              "the new root's group menu gave %r" % (player.label_texts(),))
        saved = player.read_settings().decode("cp932")
        check(saved.startswith("CurDir=" + music.windows() + "\n"), "the chooser wrote the settings: %r" % saved)
        player.click(ID["IDOK"])
        check(player.ends_with_the_exit_code(), "the exit button did not end the player")
    # "café" has no place in code page 932: the save is UTF-8 behind its mark.
    saved = player.read_settings()
    check(saved.startswith(b"\xef\xbb\xbf" + ("CurDir=" + new_root.windows() + "\n").encode("utf-8")),
          "the exit saved %r" % saved)
