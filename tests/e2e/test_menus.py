"""The main menu, the group menu and the track menu, driven by real clicks and
keys: where they open, what they show (compared with the same menu shown by
another program with the expected texts and checks), and what choosing does."""
import time

from companion import (listing, menus_pictures, reference_list_menu, reference_main_menu, same_menus,
                       wait_popups)
from harness import (ID, Music, Player, capture_clear, captured_tones, check, click_at, move_pointer,
                     park_pointer, settings_bytes, wait_for_tones, wait_until, xdotool)

WM_CONTEXTMENU = 0x007B
SCREEN = (1024, 768)  # tools/with-display.sh

# Keys that show each level of the main menu: the menu itself, "フォルダ設定",
# then "プレイリストの順序" and its "除外拡張子".
MAIN_MENU_LEVELS = [[], ["Down", "Right"], ["Escape", "Down", "Right", "Up", "Right"]]
MAIN_MENU_COUNTS = [1, 2, 3]

CHECKS = {  # command: (settings key, value that checks it)
    "ID_ORDER_RANDOM": ("RandomMode", "1"), "ID_ORDER_REVERSE": ("SortReverse", "1"),
    "ID_REPEAT": ("RepeartMode", "1"), "ID_ONE_PLAY": ("OnePlay", "1"), "ID_TOPMOST": ("TopMode", "1"),
    "ID_TRANSPARENT": ("Transparent", "1"),
}
SORT_ITEMS = {"0": "ID_ORDER_NAME", "1": "ID_ORDER_CREATED", "2": "ID_ORDER_ACCESSED"}


def expected_checks(settings):
    checked = [ID[name] for name, (key, on) in CHECKS.items() if settings.get(key) == on]
    checked.append(ID[SORT_ITEMS.get(settings.get("SortMethod", "0"), "ID_ORDER_NAME")])
    return checked


def main_menu_pictures(x, y, open_menu):
    """Opens a main menu with open_menu() at (x, y) and pictures its three levels."""
    open_menu()
    popups = wait_popups(1)
    check(popups, "no menu opened")
    check(popups[0][:2] == (x, y), "the menu opened at %r, expected its corner at %r" % (popups[0][:2], (x, y)))
    pictures = menus_pictures(MAIN_MENU_LEVELS, MAIN_MENU_COUNTS)
    xdotool("key", "Escape", "Escape", "Escape")
    check(wait_popups(0) is not None, "the menu did not close on Escape")
    return pictures


def check_main_menu_shows(player, x, y, folder, extensions, settings):
    def right_click():
        move_pointer(x, y)
        xdotool("click", "3")

    shown = main_menu_pictures(x, y, right_click)
    reference = reference_main_menu(x, y, folder, extensions, expected_checks(settings))
    try:
        expected = menus_pictures(MAIN_MENU_LEVELS, MAIN_MENU_COUNTS)
    finally:
        reference.close()
    differing = same_menus(shown, expected)
    check(not differing, "the main menu differs from one with folder %r, extensions %r and settings %r: %r"
          % (folder, extensions, settings, differing))


def test_main_menu_opens_at_the_pointer_with_the_music_root_extensions_and_check_marks():
    player = Player()
    music = Music(player.folder + "/Rock & Roll", {"a.wav": 440})
    states = [
        {"SortMethod": "2", "SortReverse": "1", "RandomMode": "1", "OnePlay": "1", "TopMode": "0",
         "ExtList": "exe,txt"},
        {"SortMethod": "1", "RepeartMode": "1", "Transparent": "1"},
        {"SortMethod": "7"},
    ]
    for settings in states:
        player.write_settings(settings_bytes(CurDir=music.windows(), **settings))
        with player:
            window = player.state().window
            shown = dict({"TopMode": "1", "ExtList": "exe,def,txt,m3u,dll"}, **settings)
            check_main_menu_shows(player, window.x + 3, window.y + 20, music.windows(), shown["ExtList"], shown)


def test_main_menu_from_the_keyboard_opens_at_the_client_corner_and_not_for_points_outside():
    with Player(settings=b"") as player:
        client = player.state().client
        outside = [(client.x + client.w, client.y + 5), (client.x + 5, client.y + client.h), (client.x - 1, client.y)]
        for x, y in outside:
            player.post(WM_CONTEXTMENU, 0, (y & 0xFFFF) << 16 | (x & 0xFFFF))
            time.sleep(0.5)
            check(not listing().popups, "a request at %r outside the client area opened a menu" % ((x, y),))
        # No music root: the folder item is empty; the menu key asks at the client's corner.
        move_pointer(client.x + 1, client.y + 1)
        shown = main_menu_pictures(client.x, client.y, lambda: xdotool("key", "Menu"))
        reference = reference_main_menu(client.x, client.y, "", "exe,def,txt,m3u,dll",
                                        expected_checks({"TopMode": "1"}))
        try:
            expected = menus_pictures(MAIN_MENU_LEVELS, MAIN_MENU_COUNTS)
        finally:
            reference.close()
        check(not same_menus(shown, expected), "the keyboard's main menu differs: %r" % same_menus(shown, expected))


def choose_main_menu_item(player, keys):
    window = player.state().window
    move_pointer(window.x + 3, window.y + 20)
    xdotool("click", "3")
    check(wait_popups(1), "no menu opened")
    xdotool("key", "--delay", "80", *keys)
    check(wait_popups(0) is not None, "the menu stayed open after %r" % keys)
    park_pointer()


def saved_settings(player):
    return dict(line.split("=", 1) for line in player.read_settings().decode("cp932").splitlines())


def test_choosing_main_menu_items_changes_the_state_the_saved_settings_and_what_plays():
    player = Player()
    music = Music(player.folder, {"a.wav": 440, "b.wav": 550, "c.wav": 660}, seconds=0.6)
    player.write_settings(settings_bytes(CurDir=music.windows()))
    with player:
        # Order sub-menu: "アクセス順" (third order item), then "逆順"; top level:
        # "１曲のみ再生", "常に手前に表示" (off), "透明化"; the extension item does nothing.
        choices = [
            ["Down", "Down", "Right", "Down", "Down", "Down", "Return"],
            ["Down", "Down", "Right", "Up", "Up", "Return"],
            ["Down", "Down", "Down", "Down", "Return"],
            ["Down", "Down", "Down", "Down", "Down", "Return"],
            ["Up", "Up", "Return"],
            ["Down", "Down", "Right", "Up", "Right", "Return"],
        ]
        for keys in choices:
            choose_main_menu_item(player, keys)
        changed = {"SortMethod": "2", "SortReverse": "1", "OnePlay": "1", "TopMode": "0", "Transparent": "1"}
        window = player.state().window
        check_main_menu_shows(player, window.x + 3, window.y + 20, music.windows(), "exe,def,txt,m3u,dll", changed)
        check(player.state().topmost == 0 and player.state().layered == (50, 2),
              "always-on-top and transparency were not applied: %r %r"
              % (player.state().topmost, player.state().layered))

        # Single-track play is on: play stops after the first track.
        player.click(ID["IDC_PLAY"])
        heard = wait_for_tones([440, 550, 660], [440], 10)
        time.sleep(2)
        heard = captured_tones([440, 550, 660])
        check(heard == [440], "with single-track play from the menu %r was heard, expected only 440" % heard)
        check(wait_until(lambda: player.play_button_state()[0] == "play", 5), "the player did not stop")

        # Repeat on and single-track play off again: the group plays round.
        choose_main_menu_item(player, ["Down", "Down", "Down", "Return"])
        choose_main_menu_item(player, ["Down", "Down", "Down", "Down", "Return"])
        player.click(ID["IDC_PLAY"])
        cycle = [440, 550, 660]
        heard = wait_until(lambda: (lambda h: h if len(h) >= 6 else None)(captured_tones(cycle)), 20) or []
        player.click(ID["IDC_PLAY"])
        check(len(heard) >= 6 and all(cycle[(cycle.index(a) + 1) % 3] == b for a, b in zip(heard, heard[1:])),
              "with repeat from the menu %r was heard, expected the three tracks going round" % heard)

        player.command(ID["IDOK"])
        check(player.ends_with_the_exit_code(), "the exit command did not end the player with code 1")
    saved = saved_settings(player)
    for key, value in dict(changed, RepeartMode="1", OnePlay="0").items():
        check(saved.get(key) == value, "saved %s=%r, expected %r (%r)" % (key, saved.get(key), value, saved))


def on_screen(x, y, width, height):
    """Where a menu asked for at (x, y) opens: one that would cross the
    screen's right or bottom edge is moved back to end at it."""
    return min(x, SCREEN[0] - width), min(y, SCREEN[1] - height)


def open_label_menu(player, control_id):
    label = player.state().rect(control_id)
    click_at(*label.centre())
    popups = wait_popups(1)
    check(popups, "the menu of label %d did not open" % control_id)
    expected = on_screen(label.x, label.y, *popups[0][2:])
    check(popups[0][:2] == expected, "the menu opened at %r, expected the label's corner %r moved onto the screen %r"
          % (popups[0][:2], (label.x, label.y), expected))
    # The menu opens under the pointer, which lights the item there; the pointer
    # on the menu's border, between no items, puts that out, and stays over the
    # menu so that the keys reach it (leaving the menu keeps the lit item lit).
    move_pointer(label.x + 1, label.y + 1)
    time.sleep(0.2)
    return label


def check_label_menu_shows(player, control_id, names):
    label = open_label_menu(player, control_id)
    shown = menus_pictures([[]], [1])
    xdotool("key", "Escape")
    check(wait_popups(0) is not None, "the menu did not close on Escape")
    reference = reference_list_menu(label.x, label.y, names)
    try:
        expected = menus_pictures([[]], [1])
    finally:
        reference.close()
    check(not same_menus(shown, expected), "the menu differs from one of %r" % names)


def choose_in_label_menu(player, control_id, position):
    open_label_menu(player, control_id)
    xdotool("key", "--delay", "60", *(["Down"] * (position + 1) + ["Return"]))
    check(wait_popups(0) is not None, "the menu stayed open")
    park_pointer()


def test_group_menu_lists_the_default_group_folders_then_playlists_and_choosing_loads_the_first_track_stopped():
    player = Player()
    music = Music(player.folder, {"root.wav": 440, "b & c/b1.wav": 550, "b & c/b2.wav": 560, "a/a1.wav": 660,
                                  ".hidden/h.wav": 700})
    with open(music.root + "/list.m3u", "wb") as playlist:
        playlist.write((music.windows("a/a1.wav") + "\r\n" + music.windows("root.wav") + "\r\n").encode("cp932"))
    player.write_settings(settings_bytes(CurDir=music.windows()))
    with player:
        # Wine lists a folder sorted without regard to case: "a" before "b & c".
        groups = ["a", "b & c", "list.m3u"]
        check_label_menu_shows(player, ID["IDC_GROUP_MENU"], ["<デフォルト>"] + groups)
        capture_clear()
        expected = [(3, "list.m3u", "a1.wav"), (2, "b & c", "b1.wav"), (1, "a", "a1.wav"), (0, "デフォルト", "root.wav")]
        for position, group, track in expected:
            choose_in_label_menu(player, ID["IDC_GROUP_MENU"], position)
            texts = wait_until(lambda: player.label_texts() == (group, track) and player.label_texts(), 5)
            check(texts, "choosing position %d shows %r, expected %r" % (position, player.label_texts(), (group, track)))
            check(player.play_button_state()[0] == "play", "choosing a group started playback")
        time.sleep(0.5)
        check(captured_tones([440, 550, 660]) == [], "choosing groups played something")


def test_track_menu_lists_the_tracks_and_its_third_entry_plays_it_and_then_the_rest():
    player = Player()
    tones = {"a.wav": 440, "b.wav": 550, "c.wav": 660, "d.wav": 770, "e.wav": 880}
    music = Music(player.folder, tones, seconds=0.6)
    player.write_settings(settings_bytes(CurDir=music.windows()))
    with player:
        check_label_menu_shows(player, ID["IDC_TRACK_MENU"], [music.windows(n) for n in sorted(tones)])
        capture_clear()
        choose_in_label_menu(player, ID["IDC_TRACK_MENU"], 2)
        heard = wait_for_tones(list(tones.values()), [660, 770, 880], 20)
        check(heard == [660, 770, 880], "the third entry gave %r, expected 660, 770, 880" % heard)

        # The group menu shown last and then the track menu, each closed without a choice:
        # a later choice is a track choice.
        for control_id in (ID["IDC_GROUP_MENU"], ID["IDC_TRACK_MENU"]):
            open_label_menu(player, control_id)
            xdotool("key", "Escape")
            check(wait_popups(0) is not None, "the menu did not close")
        capture_clear()
        player.command(ID["ID_DYNAMIC_FIRST"] + 3)
        heard = wait_for_tones(list(tones.values()), [770, 880], 20)
        check(heard == [770, 880], "a choice after the track menu gave %r, expected the fourth track on" % heard)
        check(player.label_texts()[0] == "デフォルト", "the group changed to %r" % player.label_texts()[0])
