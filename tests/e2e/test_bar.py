"""The bar as it comes up and as it is used: whole whatever the show command,
its controls on their pictures whatever the dialog font, tips while another
program is active, names with "&" that are no keyboard shortcut, and the mouse
buttons on the background and in the main menu."""
import subprocess

from harness import ID, Music, Player, check, move_pointer, park_pointer, probe, settings_bytes, template_layout, \
    wait_until, xdotool
from companion import FocusWindow, listing, wait_popups

CONTROLS = ["IDOK", "IDC_GROUP_MENU", "IDC_TRACK_MENU", "IDC_PREV", "IDC_CUE", "IDC_PLAY", "IDC_NEXT"]
DIALOG_FONT = "ＭＳ Ｐゴシック"
REPLACEMENTS = r"HKCU\Software\Wine\Fonts\Replacements"


def test_started_minimised_or_maximised_the_bar_comes_up_whole():
    for show in ("/min", "/max"):
        with Player(settings=b"", launcher=("start", "/wait", show, "/unix")) as player:
            state = player.state()
            work = state.workarea
            check((state.window.w, state.window.h) == (280, 34), "%s: the bar is %r" % (show, state.window))
            check(work.x <= state.window.x and state.window.x + 280 <= work.x + work.w
                  and work.y <= state.window.y and state.window.y + 34 <= work.y + work.h,
                  "%s: the bar at %r is not in the work area %r" % (show, state.window, work))


def control_places():
    with Player(settings=b"") as player:
        state = player.state()
        return {name: state.rect(ID[name]).moved(-state.client.x, -state.client.y) for name in CONTROLS}


def test_the_controls_keep_their_places_with_a_wider_dialog_font():
    usual = control_places()
    subprocess.run(["wine", "reg", "add", REPLACEMENTS, "/v", DIALOG_FONT, "/d", "DejaVu Sans", "/f"],
                   capture_output=True, check=True)
    try:
        wider = template_layout().rect(ID["IDC_NEXT"])
        check(wider.x > 280 - 20, "the replacement font does not widen the template (next button at %r)" % wider)
        places = control_places()
    finally:
        subprocess.run(["wine", "reg", "delete", REPLACEMENTS, "/v", DIALOG_FONT, "/f"], capture_output=True)
    moved = ["%s at %r, not %r" % (name, places[name], usual[name]) for name in CONTROLS if places[name] != usual[name]]
    check(not moved, "with a wider font: " + "; ".join(moved))


def shown_tips():
    return [line for line in probe("shown", "tooltips_class32")[1] if line.startswith("shown")]


def test_a_tip_shows_while_another_program_is_active():
    with Player(settings=b"") as player:
        # Small and away from the bar, so that the bar stays on top of it.
        other = FocusWindow(10, 10, 60, 40, 10)
        try:
            move_pointer(*player.control_centre(ID["IDC_NEXT"]))
            check(wait_until(shown_tips, 5), "no tip showed over the next button")
        finally:
            other.close()
            park_pointer()


def test_an_ampersand_in_a_name_shows_as_written_and_is_no_shortcut():
    player = Player()
    music = Music(player.folder, {"a&b/x.wav": 440})
    player.write_settings(settings_bytes(CurDir=music.windows(), SubDir="a&b"))
    with player:
        check(player.label_texts() == ("a&b", "x.wav"), "the labels show %r" % (player.label_texts(),))
        player.key("b")
        check(wait_popups(1, 2) is None, "the key after \"&\" opened the group menu")


def test_the_right_button_chooses_in_the_main_menu_and_a_double_press_on_the_background_drags():
    with Player(settings=b"") as player:
        before = player.state().window
        # A quick second press is a double click to the dialog.
        move_pointer(before.x + 4, before.y + 4)
        xdotool("click", "1")
        xdotool("mousedown", "1")
        for step in range(1, 11):
            move_pointer(before.x + 4 + 6 * step, before.y + 4 + 3 * step)
        xdotool("mouseup", "1")
        check(wait_until(lambda: player.state().window == before.moved(60, 30), 3),
              "a double press and drag left the bar at %r, from %r" % (player.state().window, before))

        window = player.state().window
        move_pointer(window.x + 3, window.y + 20)
        xdotool("click", "3")
        menu = wait_popups(1)
        check(menu, "no menu opened")
        x, y, w, h = menu[0]
        # The last item: the About box.
        move_pointer(x + w // 2, y + h - 10)
        xdotool("click", "3")
        dialogs = wait_until(lambda: listing().dialogs, 5)
        check(dialogs, "the right button did not choose the About item")
        x, y, w, h = dialogs[0]["rect"]
        move_pointer(x + 10, y + h - 10)
        xdotool("key", "Escape")
        park_pointer()
