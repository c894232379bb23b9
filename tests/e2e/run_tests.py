"""Runs the end-to-end tests: every test_* function of every tests/e2e/test_*.py,
in file order. Prints PASS or FAIL with the reason for each, then the summary
line "e2e: N passed, M failed". A test that fails is run once more and passes
only if that second run passes: a real player under Wine and a virtual display
now and then misses a beat (a window that comes up late, sound that reaches the
capture late), while a real fault fails both runs. The first failure is printed
as RETRY with its reason.

Usage: python3 run_tests.py BUILD_DIR [NAME_PART ...]   (only tests whose name holds a part)
"""
import contextlib
import glob
import importlib.util
import os
import sys
import time
import traceback

HERE = os.path.dirname(os.path.abspath(__file__))


def load_tests(parts):
    sys.path.insert(0, HERE)
    tests = []
    for path in sorted(glob.glob(os.path.join(HERE, "test_*.py"))):
        name = os.path.splitext(os.path.basename(path))[0]
        spec = importlib.util.spec_from_file_location(name, path)
        module = importlib.util.module_from_spec(spec)
        spec.loader.exec_module(module)
        for attribute, value in vars(module).items():
            full = "%s.%s" % (name, attribute)
            if attribute.startswith("test_") and callable(value) and (not parts or any(p in full for p in parts)):
                tests.append((full, value))
    return tests


def main():
    os.environ.setdefault("VEXMOOR_E2E_BUILD", os.path.abspath(sys.argv[1]))
    passed = failed = 0
    try:
        tests = load_tests(sys.argv[2:])
        import harness
        desktop = harness.DesktopHolder()
    except Exception:
        print("FAIL loading the tests")
        for line in traceback.format_exc().splitlines():
            print("  " + line)
        tests = []
        failed += 1
        desktop = contextlib.nullcontext()
    with desktop:
        passed, failed = run_all(tests, passed, failed)
    print("e2e: %d passed, %d failed" % (passed, failed))
    return 0 if failed == 0 and passed > 0 else 1


def run_once(name, test, verdict):
    """Runs one test; prints its reason under verdict when it fails. True when it passed."""
    try:
        test()
        return True
    except AssertionError as error:
        print("%s %s: %s" % (verdict, name, error))
    except Exception:
        print("%s %s: unexpected error" % (verdict, name))
        for line in traceback.format_exc().splitlines():
            print("  " + line)
    sys.stdout.flush()
    return False


def run_all(tests, passed, failed):
    for name, test in tests:
        started = time.monotonic()
        if run_once(name, test, "RETRY") or run_once(name, test, "FAIL"):
            passed += 1
            print("PASS %s (%.1f s)" % (name, time.monotonic() - started))
        else:
            failed += 1
        sys.stdout.flush()
    return passed, failed


if __name__ == "__main__":
    sys.exit(main())
