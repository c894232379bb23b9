# Vexmoor: `make run` starts the player, `make test` runs every test tier.
BUILD   ?= build
NATIVE  := $(BUILD)/native
WINDOWS := $(BUILD)/win
FUZZ    := $(BUILD)/fuzz
PLAIN   := $(BUILD)/plain
CLANG   := $(BUILD)/clang-win
JOBS    ?= $(shell nproc)
MUSIC   ?=
TIERS   ?=

# What the test tiers run, and no more: the benchmarks and the DirectShow soak's
# baseline are built by make bench and make soak.
NATIVE_TEST_TARGETS  := vexmoor_unit_tests
WINDOWS_TEST_TARGETS := vexmoor vexmoor_probe vexmoor_companion vexmoor_unit_tests vexmoor_unit_tests_utf8 \
                        vexmoor_win_tests print_code_page settings_save_loop vexmoor_bare_session_cycle

.PHONY: all deps native native-configure native-tests windows windows-configure windows-tests clang-windows \
        fuzz-build test test-wine10 run fuzz bench memcheck soak mutants dist clean

all: native windows

deps:
	@tools/install-deps.sh

native-configure: deps
	@cmake -S . -B $(NATIVE) -DVEXMOOR_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

native: native-configure
	@cmake --build $(NATIVE) -j $(JOBS)

native-tests: native-configure
	@cmake --build $(NATIVE) -j $(JOBS) --target $(NATIVE_TEST_TARGETS)

windows-configure: deps
	@cmake -S . -B $(WINDOWS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null

windows: windows-configure
	@cmake --build $(WINDOWS) -j $(JOBS)

windows-tests: windows-configure
	@cmake --build $(WINDOWS) -j $(JOBS) --target $(WINDOWS_TEST_TARGETS)

# The player built by a second compiler, warnings as errors.
clang-windows: deps
	@cmake -S . -B $(CLANG) -DCMAKE_TOOLCHAIN_FILE=cmake/clang-mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
	@cmake --build $(CLANG) -j $(JOBS) --target vexmoor

fuzz-build: deps
	@cmake -S . -B $(FUZZ) -DVEXMOOR_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ) -j $(JOBS)

test: native-tests windows-tests clang-windows fuzz-build
	@tools/run-tests.sh $(BUILD)

# The Wine tiers once more under Wine 10, in a Debian 13 chroot made once (tools/wine10.sh);
# TIERS="e2e" (or unit-wine, unit-wine-utf8, win) runs only those.
test-wine10: windows-tests
	@tools/wine10.sh $(BUILD) $(TIERS)

# Only the player, and the probe that finds its window for the screenshot without a display.
run: windows-configure
	@cmake --build $(WINDOWS) -j $(JOBS) --target vexmoor vexmoor_probe
	@tools/run-player.sh $(BUILD) "$(MUSIC)"

fuzz: fuzz-build
	@tools/run-fuzz.sh $(FUZZ) 60

bench: deps windows
	@cmake -S . -B $(PLAIN) -DVEXMOOR_BENCH=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(PLAIN) -j $(JOBS)
	@tools/run-bench.sh $(BUILD)

memcheck: deps
	@cmake -S . -B $(PLAIN) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(PLAIN) -j $(JOBS) --target vexmoor_unit_tests
	@VEXMOOR_READONLY_FOLDER=$$(tools/readonly-folder.sh $(BUILD)) valgrind --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite -q $(PLAIN)/tests/unit/vexmoor_unit_tests --gtest_brief=1

# The long versions of the soaks and of the folder of unplayable files.
soak: windows
	@tools/make-test-media.sh $(BUILD)/media
	@bash -c '. tools/wine-env.sh $(BUILD) && VEXMOOR_SOAK=1 VEXMOOR_TEST_MEDIA=$(BUILD)/media tools/with-display.sh wine $(WINDOWS)/tests/win/vexmoor_win_tests.exe --gtest_filter="PlayerAudio.TrackChanges*:SettingsSave.*"'
	@VEXMOOR_SOAK=1 tests/e2e/run.sh $(BUILD) test_soak test_a_folder_of_unplayable

# Small faults planted one at a time: in the portable code against the native unit
# tests, and in the Windows code against its tests under Wine. MUTANTS=portable or
# MUTANTS=windows runs one sample only.
MUTANTS ?=
mutants: deps
	@tools/run-mutants.py $(BUILD) $(MUTANTS)

dist: windows
	@tools/make-dist.sh $(BUILD)

clean:
	-chattr -i $(BUILD)/readonly 2>/dev/null
	rm -rf $(BUILD) dist
