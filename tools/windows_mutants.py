"""The Windows sample of make mutants: faults planted one at a time in audio/,
ui/, app/ and the _win32 files of platform/ and settings/, built with MinGW and
run under Wine against the tests that exercise the changed file (TESTS below:
win-tier filters, cross-built unit tests, at most one e2e test), cheapest
first, stopping at the first failure.

One copy of the sources and one MinGW build, kept in BUILD/mutants/windows
between runs (a copy whose content differs from the tree is taken again, so an
interrupted run leaves nothing behind); a fault costs the changed object and
the links of the programs its tests run. A test that catches a fault is first
run once on the unmutated programs (kept aside in clean/): one that fails there
tells nothing and the run stops. Everything Wine runs, runs as nobody, in a
prefix, home and scratch folder of its own, on display VEXMOOR_E2E_DISPLAY + 4
(default 95).
"""
import fnmatch
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time

from mutation import mutants_of, mutated, without_privileges, NOBODY

SEED = 20261209
COUNT = int(os.environ.get("VEXMOOR_MUTANTS_WINDOWS", "40"))
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
COPIED = ("CMakeLists.txt", "cmake", "core", "audio", "library", "settings", "platform", "tests", "ui", "app",
          "resources", "bench")
TARGETS = ("vexmoor", "vexmoor_probe", "vexmoor_companion", "vexmoor_unit_tests", "vexmoor_win_tests")
# Per test kind: the program's target and the seconds after which a run counts as caught (a hang).
LIMITS = {"win": 300, "unit": 300, "e2e": 600}

WINDOW_PLACEMENT = "CenterWindow.*:ResizeClientArea.*:KeepInsideWorkArea.*"
TEXT_UNITS = "AnsiText*:SettingsFile*:PlaylistReader*:NameOrder*:FolderEnumerator*:TrackScanner*"
# The file, then the win-tier filter, the unit-test filter and the e2e test (a part of its name) that exercise it.
TESTS = {
    "app/WinMain.cpp": ("", "", "test_arguments_are_ignored_and_a_start_in_another_folder"),
    "audio/FallbackGraph.cpp": ("PlayerAudio.*", "FallbackGraph*", ""),
    "audio/MediaFoundation_win32.cpp": ("MediaSessionGraph.*:MediaEngine/1.*", "", "test_without_directshow"),
    "audio/MediaSessionGraph_win32.cpp": ("MediaSessionGraph.*:MediaEngine/1.*", "", "test_without_directshow"),
    "audio/PlaybackGraph_win32.cpp": ("PlaybackGraph.*:MediaEngine/0.*", "", "test_play_stop_next_and_previous"),
    "audio/SessionEvents_win32.cpp": ("MediaSessionGraph.*:MediaEngine/1.*", "", "test_without_directshow"),
    "audio/VolumeGain.cpp": ("MediaEngine/*", "VolumeGain*", "test_four_notches_down"),
    "platform/AnsiText_win32.cpp": ("DroppedFilesTest.*", TEXT_UNITS, ""),
    "platform/File_win32.cpp": ("SettingsSave.*", "SettingsFile*:PlayerSettings*:PlayerStartUp*:PlayerGroups*",
                                "test_a_hold_at_start_or_at_exit"),
    "platform/FolderSearch_win32.cpp": ("FolderSearch.*", "FolderEnumerator*:TrackScanner*:GroupEnumeration*", ""),
    "platform/LegacyCodePage_win32.cpp": ("LegacyCodePage.*:WideText.*:NameCollation.*", TEXT_UNITS, ""),
    "platform/NameCollation_win32.cpp": ("NameCollation.*", "NameOrder*:GroupEnumeration*", ""),
    "platform/TextEncoding_win32.cpp": ("NameCollation.*:DroppedFilesTest.*", TEXT_UNITS, ""),
    "platform/WidePath_win32.cpp": ("WidePath.*:FolderSearch.*", "", ""),
    "platform/WideText_win32.cpp": ("WideText.*:DroppedFilesTest.*:FolderSearch.*", TEXT_UNITS, ""),
    "ui/AboutDialog.cpp": ("Resources.*", "", "test_about_box"),
    "ui/BarLayout.cpp": ("BarLayout.*", "", "test_the_controls_keep_their_places_with_a_wider_dialog_font"),
    "ui/BoxFilter.cpp": ("BoxFilter.*:PlayerPicturesTest.*", "", ""),
    "ui/ControlTip.cpp": ("SkinButtonTip.*:SkinButtonTest.*:LabelButtonTip.*", "", "test_an_ampersand_in_a_name"),
    "ui/DisplayScale.cpp": ("DisplayScale.*:BarLayout.*", "", "test_at_120_144_and_192_dpi"),
    "ui/DialogProcedure.cpp": ("MessageMap.*", "", "test_window_is_280_by_34"),
    "ui/DroppedFiles.cpp": ("DroppedFilesTest.*", "", "test_dropped_files_play_first"),
    "ui/FallbackText.cpp": ("LabelButtonFonts.*:LabelButtonTest.*", "", ""),
    "ui/FolderChooser.cpp": ("", "", "test_the_folder_chooser_cancelled"),
    "ui/HexColor.cpp": ("HexColor.*", "", ""),
    "ui/LabelButton.cpp": ("LabelButton*", "", "test_at_96_dpi_the_bar_looks_as_it_always_has"),
    "ui/LabelFont.cpp": ("LabelButtonFonts.*:LabelButtonTest.*", "", ""),
    "ui/LayeredWindow.cpp": ("", "", "test_transparency_is_alpha_50"),
    "ui/ListMenu.cpp": ("ListMenuTest.*:MenuTextTest.*", "", "test_track_menu_lists_the_tracks"),
    "ui/MainMenu.cpp": ("MainMenuTest.*", "", "test_main_menu_opens_at_the_pointer"),
    "ui/MediaKeys.cpp": ("MediaKeysTest.*", "", "test_media_keys_control_the_player"),
    "ui/MenuText.cpp": ("MenuTextTest.*:LabelButtonTest.*:ListMenuTest.*", "", ""),
    "ui/MessageLoop.cpp": ("MessageLoop.*", "", "test_the_search_goes_on_while_the_about_box"),
    "ui/Module.cpp": ("Resources.*", "", "test_window_is_280_by_34"),
    "ui/PendingDialogs.cpp": ("", "", "test_the_search_goes_on_while_the_about_box"),
    "ui/PlayerDialog.cpp": ("PlayerDialogTest.*", "", "test_choosing_main_menu_items_changes_the_state"),
    "ui/PlayerPictures.cpp": ("PlayerPicturesTest.*", "", "test_background_buttons_and_labels_show_their_pictures"),
    "ui/PngPicture.cpp": ("PlayerPicturesTest.*", "", "test_at_120_144_and_192_dpi"),
    "ui/Reflection.cpp": ("Reflection.*:LabelButtonTest.*:SkinButton*", "", ""),
    "ui/SingleInstance.cpp": ("SingleInstanceTest.*", "", "test_a_second_start_by_any_spelling_of_the_folder"),
    "ui/SkinButton.cpp": ("SkinButton*", "", "test_hover_and_press_show_their_images"),
    "ui/SubclassedControl.cpp": ("SkinButton*:LabelButtonTest.*", "", ""),
    "ui/WindowPlacement.cpp": (WINDOW_PLACEMENT, "", "test_window_is_280_by_34"),
}


def windows_sources():
    paths = []
    for folder in ("audio", "ui", "app", "platform", "settings"):
        for name in sorted(os.listdir(os.path.join(ROOT, folder))):
            if name.endswith(".cpp") and (folder in ("audio", "ui", "app") or name.endswith("_win32.cpp")):
                paths.append(os.path.join(folder, name))
    return paths


def same_content(first, second):
    if not os.path.isfile(second) or os.path.getsize(first) != os.path.getsize(second):
        return False
    with open(first, "rb") as one, open(second, "rb") as other:
        return one.read() == other.read()


def sync(origin, copy):
    """Makes the copy hold what the origin holds, touching only what differs."""
    if os.path.isdir(origin):
        os.makedirs(copy, exist_ok=True)
        for name in set(os.listdir(copy)) - set(os.listdir(origin)):
            gone = os.path.join(copy, name)
            shutil.rmtree(gone) if os.path.isdir(gone) else os.remove(gone)
        for name in os.listdir(origin):
            sync(os.path.join(origin, name), os.path.join(copy, name))
    elif not same_content(origin, copy):
        shutil.copy(origin, copy)


class WindowsWorker:
    """The copy of the sources, its MinGW build, and a nobody's Wine session to test it in."""

    def __init__(self, build):
        self.work = os.path.join(build, "mutants", "windows")
        self.source = os.path.join(self.work, "src")
        # The programs sit where the test runners look for them: <folder>/win/...
        self.tree = os.path.join(self.work, "build")
        self.binary = os.path.join(self.tree, "win")
        self.clean = os.path.join(self.work, "clean")
        self.scratch = os.path.join(self.work, "scratch")
        self.media = os.path.join(build, "media")
        self.display = int(os.environ.get("VEXMOOR_E2E_DISPLAY", "91")) + 4
        os.makedirs(self.source, exist_ok=True)
        for name in COPIED:
            sync(os.path.join(ROOT, name), os.path.join(self.source, name))
        subprocess.run(["cmake", "-S", self.source, "-B", self.binary,
                        "-DCMAKE_TOOLCHAIN_FILE=" + os.path.join(self.source, "cmake", "mingw-w64-x86_64.cmake"),
                        "-DCMAKE_BUILD_TYPE=MinSizeRel"], check=True, stdout=subprocess.DEVNULL)
        subprocess.run([os.path.join(ROOT, "tools", "make-test-media.sh"), self.media], check=True,
                       stdout=subprocess.DEVNULL)
        readonly = subprocess.run([os.path.join(ROOT, "tools", "readonly-folder.sh"), build],
                                  capture_output=True, text=True).stdout.strip()
        self.readonly = "Z:" + readonly.replace("/", "\\")
        self.passing_clean = {}

    def compile(self, targets, jobs=1):
        result = subprocess.run(["cmake", "--build", self.binary, "-j", str(jobs), "--target"] + list(targets),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return result.returncode == 0

    def keep_clean_programs(self):
        """The unmutated programs, and the X client the drop test would otherwise build as nobody."""
        shutil.rmtree(self.clean, ignore_errors=True)
        for folder, _, names in os.walk(self.binary):
            for name in names:
                if name.endswith(".exe"):
                    target = os.path.join(self.clean, "win", os.path.relpath(folder, self.binary))
                    os.makedirs(target, exist_ok=True)
                    shutil.copy(os.path.join(folder, name), target)
        for tree in (self.tree, self.clean):
            os.makedirs(os.path.join(tree, "e2e-tools"), exist_ok=True)
            subprocess.run(["cc", "-std=c11", "-D_DEFAULT_SOURCE", "-O1", "-o",
                            os.path.join(tree, "e2e-tools", "xdnd_drop"),
                            os.path.join(ROOT, "tests", "e2e", "xdnd_drop.c"), "-lX11"], check=True)

    def fresh_scratch(self):
        """A scratch folder of nobody's own, with its Wine prefix kept from run to run."""
        prefix = os.path.join(self.scratch, "wineprefix")
        for name in os.listdir(self.scratch) if os.path.isdir(self.scratch) else []:
            path = os.path.join(self.scratch, name)
            if path != prefix and os.path.dirname(path) == self.scratch:
                shutil.rmtree(path) if os.path.isdir(path) else os.remove(path)
        os.makedirs(os.path.join(self.scratch, "tmp"), exist_ok=True)
        if os.geteuid() == 0:
            for folder in (self.scratch, os.path.join(self.scratch, "tmp")):
                os.chown(folder, NOBODY, NOBODY)

    def command(self, kind, selection, programs):
        wine = os.path.join(programs, "win", "tests")
        if kind == "win":
            return ["wine", os.path.join(wine, "win", "vexmoor_win_tests.exe"), "--gtest_brief=1",
                    "--gtest_fail_fast", "--gtest_filter=" + selection]
        if kind == "unit":
            return ["wine", os.path.join(wine, "unit", "vexmoor_unit_tests.exe"), "--gtest_brief=1",
                    "--gtest_fail_fast", "--gtest_filter=" + selection]
        # The copy's e2e tests: an edit of the tree while the run goes on changes nothing.
        return ["python3", os.path.join(self.source, "tests", "e2e", "run_tests.py"), programs, selection]

    def passes(self, kind, selection, programs):
        """True when the tests pass on these programs, run as nobody on a display of their own."""
        return self.session(self.command(kind, selection, programs), programs, LIMITS[kind], "last-run.log") == 0

    def session(self, command, programs, limit, log_name):
        """The command's exit code (None past the limit) in a fresh scratch folder as nobody; its output in log_name."""
        self.fresh_scratch()
        session = ". '%s' '%s' >/dev/null 2>&1 && exec '%s' \"$@\"" % (
            os.path.join(ROOT, "tools", "wine-env.sh"), self.scratch, os.path.join(ROOT, "tools", "with-display.sh"))
        environment = dict(os.environ, TMPDIR=os.path.join(self.scratch, "tmp"), VEXMOOR_TEST_MEDIA=self.media,
                           VEXMOOR_E2E_DISPLAY=str(self.display), VEXMOOR_READONLY_FOLDER=self.readonly,
                           VEXMOOR_E2E_SCRATCH=os.path.join(self.scratch, "tmp"), VEXMOOR_E2E_BUILD=programs)
        with open(os.path.join(self.work, log_name), "w") as log:
            process = subprocess.Popen(["bash", "-c", session, "session"] + command,
                                       stdout=log, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                                       env=environment, cwd=self.scratch, preexec_fn=without_privileges,
                                       start_new_session=True)
            try:
                return process.wait(limit)
            except subprocess.TimeoutExpired:
                # The display's clean-up ends the Wine server on the way out.
                os.killpg(process.pid, signal.SIGTERM)
                try:
                    process.wait(30)
                except subprocess.TimeoutExpired:
                    os.killpg(process.pid, signal.SIGKILL)
                    process.wait()
                return None

    def check_filters(self):
        """Stops the run at a filter of TESTS that selects no test: every fault of its file would survive."""
        for kind in ("win", "unit"):
            program = self.command(kind, "*", self.clean)[:2] + ["--gtest_list_tests"]
            self.session(program, self.clean, LIMITS[kind], "listed-%s.txt" % kind)
            names, suite = [], ""
            with open(os.path.join(self.work, "listed-%s.txt" % kind), errors="replace") as listed:
                for line in listed:
                    if line[:1].isalnum():
                        suite = line.split()[0]
                    elif line.startswith("  ") and suite:
                        names.append(suite + line.split()[0])
            column = {"win": 0, "unit": 1}[kind]
            for path, filters in sorted(TESTS.items()):
                for pattern in filter(None, filters[column].split(":")):
                    if not any(fnmatch.fnmatchcase(name, pattern) for name in names):
                        sys.exit("the %s filter %s of %s selects no test" % (kind, pattern, path))
        e2e_tests = set()
        for name in os.listdir(os.path.join(ROOT, "tests", "e2e")):
            if name.startswith("test_") and name.endswith(".py"):
                with open(os.path.join(ROOT, "tests", "e2e", name)) as source:
                    e2e_tests.update(re.findall(r"^def (test_\w+)", source.read(), re.M))
        for path, (_, _, part) in sorted(TESTS.items()):
            if part and not any(part in test for test in e2e_tests):
                sys.exit("the e2e test %s of %s is no test" % (part, path))

    def steps(self, path):
        win, unit, e2e = TESTS.get(path, ("", "", ""))
        return [step for step in (("win", win), ("unit", unit), ("e2e", e2e)) if step[1]]

    def verdict(self, mutant):
        """None when the mutant does not compile or no test exercises its file, else True when caught."""
        steps = self.steps(mutant[0])
        if not steps:
            return None
        targets = {"win": ["vexmoor_win_tests"], "unit": ["vexmoor_unit_tests"], "e2e": ["vexmoor"]}
        with mutated(self.source, mutant):
            if not self.compile(sum((targets[kind] for kind, _ in steps), [])):
                return None
            for kind, selection in steps:
                if not self.passes(kind, selection, self.tree):
                    if not self.passes_clean(kind, selection):
                        sys.exit("%s %s fails without any mutant (see %s)" % (kind, selection, self.work))
                    return True
            return False

    def passes_clean(self, kind, selection):
        if (kind, selection) not in self.passing_clean:
            shutil.copy(os.path.join(self.work, "last-run.log"), os.path.join(self.work, "caught-run.log"))
            self.passing_clean[(kind, selection)] = self.passes(kind, selection, self.clean)
        return self.passing_clean[(kind, selection)]


def run(build):
    started = time.monotonic()
    os.makedirs(os.path.join(build, "mutants", "windows"), exist_ok=True)
    worker = WindowsWorker(build)
    if not worker.compile(TARGETS, jobs=os.cpu_count() or 2):
        sys.exit("the unmutated sources do not build with MinGW in %s" % worker.binary)
    worker.keep_clean_programs()
    worker.check_filters()

    candidates = []
    for path in windows_sources():
        with open(os.path.join(ROOT, path)) as source:
            candidates += mutants_of(path, source.read())
    random.Random(SEED).shuffle(candidates)

    results = {}
    progress = open(os.path.join(worker.work, "progress.txt"), "w")
    taken = 0
    while taken < len(candidates) and sum(1 for v in results.values() if v is not None) < COUNT:
        # The next few in file order: a file's object is compiled once for all its faults in a row.
        wanted = COUNT - sum(1 for v in results.values() if v is not None)
        batch = sorted(range(taken, min(taken + wanted, len(candidates))), key=lambda i: candidates[i][:2])
        taken += len(batch)
        for index in batch:
            results[index] = worker.verdict(candidates[index])
            path, number, _, _, _, description = candidates[index]
            progress.write("%s %s:%d: %s\n" % ({None: "not compiling or untested", True: "caught",
                                                 False: "SURVIVED"}[results[index]], path, number, description))
            progress.flush()
    # The build is left unmutated for the next run.
    worker.compile(TARGETS)

    judged = [(index, caught) for index, caught in sorted(results.items()) if caught is not None]
    survivors = sorted(candidates[index] for index, caught in judged if not caught)
    for path, number, _, _, _, description in survivors:
        print("survived %s:%d: %s" % (path, number, description))
    print("(%d candidates, %d not compiling or untested passed over, %.0f s)"
          % (len(candidates), sum(1 for v in results.values() if v is None), time.monotonic() - started))
    return "mutants (windows): %d of %d caught" % (len(judged) - len(survivors), len(judged))
