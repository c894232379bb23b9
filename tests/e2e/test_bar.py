"""The bar whatever starts it, whatever the dialog font, with another program active, with "&" in a name."""
import subprocess

from companion import FocusWindow, wait_popups
from harness import ID, Music, Player, check, move_pointer, settings_bytes, template_layout, wait_until


def test_started_minimised_or_maximised_the_bar_comes_up_whole():
    for show in ("/min", "/max"):
        with Player(settings=b"", launcher=("start", "/wait", show, "/unix")) as player:
            bar, work = player.state().window, player.state().workarea
            check((bar.w, bar.h) == (280, 34) and bar.x >= work.x, "%s: the bar is %r" % (show, bar))


def test_the_controls_keep_their_places_with_a_wider_dialog_font():
    usual = template_layout()
    font = [r"HKCU\Software\Wine\Fonts\Replacements", "/v", "ＭＳ Ｐゴシック"]
    subprocess.run(["wine", "reg", "add"] + font + ["/d", "DejaVu Sans", "/f"], capture_output=True, check=True)
    try:
        check(template_layout().rect(ID["IDC_NEXT"]).x > 260, "the replacement font does not widen the template")
        with Player(settings=b"") as player:
            state = player.state()
    finally:
        subprocess.run(["wine", "reg", "delete"] + font + ["/f"], capture_output=True)
    for i, control in state.controls.items():
        at = control.rect.moved(-state.client.x, -state.client.y)
        check((at.x, at.y) == (usual.rect(i).x, usual.rect(i).y), "control %d at %r with a wider font" % (i, at))


def test_an_ampersand_in_a_name_is_no_shortcut_and_a_tip_shows_while_another_program_is_active():
    player = Player()
    player.write_settings(settings_bytes(CurDir=Music(player.folder, {"a&b/x.wav": 440}).windows(), SubDir="a&b"))
    with player:
        check(player.label_texts() == ("a&b", "x.wav"), "the labels show %r" % (player.label_texts(),))
        player.key("b")
        check(wait_popups(1, 2) is None, "the key after \"&\" opened the group menu")
        other = FocusWindow(10, 10, 60, 40, 10)  # small and away from the bar, so the bar stays over it
        move_pointer(*player.control_centre(ID["IDC_NEXT"]))
        windows = ["xdotool", "search", "--onlyvisible", "--classname", "vexmoor.exe"]
        tip = wait_until(lambda: len(subprocess.run(windows, capture_output=True).stdout.split()) == 2, 5)
        other.close()
        check(tip, "no tip showed over the next button")
