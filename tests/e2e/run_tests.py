"""Runs the end-to-end tests: every test_* function of every tests/e2e/test_*.py,
in file order. Prints PASS or FAIL with the reason for each, then a line
"flaky: K (names)" and the summary line "e2e: N passed, M failed". A test that
fails is run once more: a real player under Wine and a virtual display now and
then misses a beat (a window that comes up late, sound that reaches the
capture late), while a real fault fails both runs. The first failure is printed
as RETRY with its reason; a test that passes only on its retry counts as flaky,
not as passed. Tests marked soak_only run only with VEXMOOR_SOAK=1 (make soak).
A test marked stands_in_unless(difference) is skipped, and SKIP printed with its
reason, where VEXMOOR_WINE_DIFFERENCES names that difference (make test-wine10).

Usage: python3 run_tests.py BUILD_DIR [--queue DIR] [NAME_PART ...]
  (only tests whose name holds a part; with --queue, only the test files this
  process takes from DIR, one at a time, while other processes take the rest)
"""
import contextlib
import glob
import importlib.util
import os
import sys
import time
import traceback

HERE = os.path.dirname(os.path.abspath(__file__))


def test_files():
    return sorted(glob.glob(os.path.join(HERE, "test_*.py")))


def load_tests(path, parts):
    name = os.path.splitext(os.path.basename(path))[0]
    spec = importlib.util.spec_from_file_location(name, path)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    soak = bool(os.environ.get("VEXMOOR_SOAK"))
    differences = os.environ.get("VEXMOOR_WINE_DIFFERENCES", "").split(",")
    tests = []
    for attribute, value in vars(module).items():
        full = "%s.%s" % (name, attribute)
        if (attribute.startswith("test_") and callable(value) and (soak or not getattr(value, "soak_only", False))
                and (not parts or any(p in full for p in parts))):
            difference, reason = getattr(value, "wine_difference", (None, None))
            if difference in differences:
                print("SKIP %s: %s" % (full, reason))
            else:
                tests.append((full, value))
    return tests


def claimed_files(queue):
    """The test files this process takes from the queue folder, where each
    waiting file is an empty file of its name; a rename takes it for one process only."""
    while True:
        waiting = sorted(os.listdir(queue))
        if not waiting:
            return
        for entry in waiting:
            try:
                os.rename(os.path.join(queue, entry), os.path.join(queue, "..", "taken-%d-%s" % (os.getpid(), entry)))
            except OSError:
                continue
            yield os.path.join(HERE, entry.split("-", 1)[1])
            break


def main():
    arguments = sys.argv[1:]
    os.environ.setdefault("VEXMOOR_E2E_BUILD", os.path.abspath(arguments.pop(0)))
    queue = None
    if arguments[:1] == ["--queue"]:
        queue = arguments[1]
        arguments = arguments[2:]
    results = {"passed": 0, "failed": 0, "flaky": []}
    sys.path.insert(0, HERE)
    try:
        import harness
        desktop = harness.DesktopHolder()
    except Exception:
        report_error("FAIL loading the harness")
        results["failed"] += 1
        desktop = contextlib.nullcontext()
    with desktop:
        for path in claimed_files(queue) if queue else test_files():
            try:
                tests = load_tests(path, arguments)
            except Exception:
                report_error("FAIL loading %s" % os.path.basename(path))
                results["failed"] += 1
                continue
            run_all(tests, results)
    print("flaky: %d%s" % (len(results["flaky"]), "".join(" " + name for name in results["flaky"])))
    print("e2e: %d passed, %d failed" % (results["passed"], results["failed"]))
    return 0 if results["failed"] == 0 and results["passed"] + len(results["flaky"]) > 0 else 1


def report_error(headline):
    print(headline)
    for line in traceback.format_exc().splitlines():
        print("  " + line)
    sys.stdout.flush()


def run_once(name, test, verdict):
    """Runs one test; prints its reason under verdict when it fails. True when it passed."""
    try:
        test()
        return True
    except AssertionError as error:
        print("%s %s: %s" % (verdict, name, error))
    except Exception:
        report_error("%s %s: unexpected error" % (verdict, name))
    sys.stdout.flush()
    return False


def run_all(tests, results):
    for name, test in tests:
        started = time.monotonic()
        if run_once(name, test, "RETRY"):
            results["passed"] += 1
            print("PASS %s (%.1f s)" % (name, time.monotonic() - started))
        elif run_once(name, test, "FAIL"):
            results["flaky"].append(name)
            print("FLAKY %s: passed on its retry (%.1f s)" % (name, time.monotonic() - started))
        else:
            results["failed"] += 1
        sys.stdout.flush()


if __name__ == "__main__":
    sys.exit(main())
