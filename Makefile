# Vexmoor: `make run` starts the player, `make test` runs every test tier.
BUILD   ?= build
NATIVE  := $(BUILD)/native
WINDOWS := $(BUILD)/win
FUZZ    := $(BUILD)/fuzz
PLAIN   := $(BUILD)/plain
CLANG   := $(BUILD)/clang-win
JOBS    ?= $(shell nproc)
MUSIC   ?=

.PHONY: all deps native windows windows-configure clang-windows fuzz-build test run fuzz bench memcheck soak dist clean

all: native windows

deps:
	@tools/install-deps.sh

native: deps
	@cmake -S . -B $(NATIVE) -DVEXMOOR_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

windows-configure: deps
	@cmake -S . -B $(WINDOWS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null

windows: windows-configure
	@cmake --build $(WINDOWS) -j $(JOBS)

# The player built by a second compiler, warnings as errors.
clang-windows: deps
	@cmake -S . -B $(CLANG) -DCMAKE_TOOLCHAIN_FILE=cmake/clang-mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
	@cmake --build $(CLANG) -j $(JOBS) --target vexmoor

fuzz-build: deps
	@cmake -S . -B $(FUZZ) -DVEXMOOR_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ) -j $(JOBS)

test: native windows clang-windows fuzz-build
	@tools/run-tests.sh $(BUILD)

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

# The long versions of the e2e soak and of the folder of unplayable files.
soak: windows
	@VEXMOOR_SOAK=1 tests/e2e/run.sh $(BUILD) test_soak test_a_folder_of_unplayable

dist: windows
	@tools/make-dist.sh $(BUILD)

clean:
	-chattr -i $(BUILD)/readonly 2>/dev/null
	rm -rf $(BUILD) dist
