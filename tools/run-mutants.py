#!/usr/bin/env python3
"""make mutants: small faults planted one at a time (tools/mutation.py), and
how many the tests catch, in two samples.

portable: faults in the portable code (core/, library/, settings/ and the
portable files of platform/), each run against the native unit tests. The
faults are a fixed sample (seed below) of every such change in whatever files
exist; one that does not compile is passed over for the next. Each is built in
a copy of the sources without sanitizers (only the changed object is compiled
again), two at a time, and caught when the tests fail, crash or run past the
time limit; the tests that take over a second run last, only when the others
pass. Prints each fault that no test caught, then
"mutants (portable): K of N caught"; BUILD/mutants/progress.txt has every verdict.

windows: faults in the Windows code, built with MinGW and run under Wine
(tools/windows_mutants.py); ends with "mutants (windows): K of N caught".

Usage: tools/run-mutants.py [BUILD] [portable|windows]   (both without the
second argument; work folder: BUILD/mutants)
"""
import os
import random
import re
import shutil
import subprocess
import sys
import threading
import time

sys.dont_write_bytecode = True  # no cache of the runner's modules beside the sources
from mutation import mutants_of, mutated, without_privileges, NOBODY  # noqa: E402
import windows_mutants  # noqa: E402

SEED = 20261208
COUNT = 100
WORKERS = 2
FOLDERS = ("core", "library", "settings", "platform")
COPIED = ("CMakeLists.txt", "cmake", "core", "audio", "library", "settings", "platform", "tests")
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def portable_sources():
    paths = []
    for folder in FOLDERS:
        for name in sorted(os.listdir(os.path.join(ROOT, folder))):
            if name.endswith(".cpp") and not name.endswith("_win32.cpp"):
                paths.append(os.path.join(folder, name))
    return paths


class Worker:
    """A copy of the sources and its build, without sanitizers."""

    def __init__(self, work, index):
        self.source = os.path.join(work, "w%d" % index, "src")
        self.build = os.path.join(work, "w%d" % index, "build")
        shutil.rmtree(self.source, ignore_errors=True)
        os.makedirs(self.source)
        # Fresh times on the copies: no object of an earlier, interrupted run is taken as up to date.
        for name in COPIED:
            origin = os.path.join(ROOT, name)
            if os.path.isdir(origin):
                shutil.copytree(origin, os.path.join(self.source, name), copy_function=shutil.copy)
            else:
                shutil.copy(origin, os.path.join(self.source, name))
        launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache"] \
            if shutil.which("ccache") else []
        # Checked container access: a loop that runs one past its end fails at once
        # instead of reading whatever lies beyond.
        subprocess.run(["cmake", "-S", self.source, "-B", self.build, "-DCMAKE_BUILD_TYPE=Debug",
                        "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g0 -D_GLIBCXX_ASSERTIONS", "-DCMAKE_C_FLAGS_DEBUG=-O1 -g0"]
                       + launcher,
                       check=True, stdout=subprocess.DEVNULL)
        self.tests = os.path.join(self.build, "tests", "unit", "vexmoor_unit_tests")
        self.temp = os.path.join(work, "w%d" % index, "tmp")
        shutil.rmtree(self.temp, ignore_errors=True)
        os.makedirs(self.temp)
        if os.geteuid() == 0:
            os.chown(self.temp, NOBODY, NOBODY)

    def compile(self, jobs=1):
        return subprocess.run(["cmake", "--build", self.build, "-j", str(jobs), "--target", "vexmoor_unit_tests"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0

    def run_tests(self, timeout, *arguments):
        try:
            return subprocess.run([self.tests] + list(arguments), capture_output=True, text=True,
                                  errors="replace", timeout=timeout, env=dict(os.environ, TMPDIR=self.temp),
                                  preexec_fn=without_privileges)
        except subprocess.TimeoutExpired:
            return None

    def slow_tests(self):
        """The tests of the unmutated build that take over a second; exits when any test fails."""
        result = self.run_tests(600)
        if result is None or result.returncode != 0:
            sys.exit("the unit tests fail without any mutant")
        return re.findall(r"^\[       OK \] (\S+) \((\d{4,}) ms\)$", result.stdout, re.M)

    def passes(self, timeout, slow):
        """The quick tests first, stopping at the first failure; the slow ones only when those pass."""
        names = ":".join(name for name, _ in slow)
        for selection in ("-" + names, names) if names else ("*",):
            result = self.run_tests(timeout, "--gtest_brief=1", "--gtest_fail_fast", "--gtest_filter=" + selection)
            if result is None or result.returncode != 0:
                return False
        return True

    def verdict(self, mutant, timeout, slow):
        """None when the mutant does not compile, else True when the tests catch it."""
        with mutated(self.source, mutant):
            return not self.passes(timeout, slow) if self.compile() else None


def portable(build):
    work = os.path.join(build, "mutants")
    os.makedirs(work, exist_ok=True)
    # Both copies at the same depth under one base: ccache serves the second from the first.
    os.environ["CCACHE_BASEDIR"] = work
    os.environ["VEXMOOR_READONLY_FOLDER"] = subprocess.run([os.path.join(ROOT, "tools", "readonly-folder.sh"), build],
                                                           capture_output=True, text=True).stdout.strip()
    started = time.monotonic()
    workers = []
    for index in range(WORKERS):
        workers.append(Worker(work, index))
        if not workers[-1].compile(jobs=os.cpu_count() or 2):
            sys.exit("the unmutated sources do not build in %s" % workers[-1].build)
    clean = time.monotonic()
    slow = workers[0].slow_tests()
    timeout = max(30.0, 5 * (time.monotonic() - clean))

    candidates = []
    for path in portable_sources():
        with open(os.path.join(ROOT, path)) as source:
            candidates += mutants_of(path, source.read())
    random.Random(SEED).shuffle(candidates)

    results, lock = {}, threading.Lock()
    progress = open(os.path.join(work, "progress.txt"), "w")
    taken = iter(range(len(candidates)))

    def run(worker):
        while True:
            with lock:
                if sum(1 for v in results.values() if v is not None) >= COUNT:
                    return
                index = next(taken, None)
            if index is None:
                return
            verdict = worker.verdict(candidates[index], timeout, slow)
            path, number, _, _, _, description = candidates[index]
            with lock:
                results[index] = verdict
                progress.write("%s %s:%d: %s\n" % ({None: "not compiling", True: "caught", False: "SURVIVED"}[verdict],
                                                    path, number, description))
                progress.flush()

    threads = [threading.Thread(target=run, args=(worker,)) for worker in workers]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()

    judged = [(index, results[index]) for index in sorted(results) if results[index] is not None][:COUNT]
    survivors = sorted(candidates[index] for index, caught in judged if not caught)
    for path, number, _, _, _, description in survivors:
        print("survived %s:%d: %s" % (path, number, description))
    print("(%d candidates, %d not compiling passed over, %.0f s, %.0f s limit per mutant)"
          % (len(candidates), sum(1 for v in results.values() if v is None), time.monotonic() - started, timeout))
    return "mutants (portable): %d of %d caught" % (len(judged) - len(survivors), len(judged))


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 and sys.argv[1] else os.path.join(ROOT, "build"))
    samples = sys.argv[2:] or ["portable", "windows"]
    if any(sample not in ("portable", "windows") for sample in samples):
        sys.exit("usage: tools/run-mutants.py [BUILD] [portable|windows]")
    scores = []
    for sample in samples:
        scores.append(portable(build) if sample == "portable" else windows_mutants.run(build))
        print(scores[-1])
        sys.stdout.flush()
    if len(scores) > 1:
        print("\n".join(scores))
    return 0


if __name__ == "__main__":
    sys.exit(main())
