#!/usr/bin/env python3
"""Runs every end-to-end test: each tests/e2e/**/test_*.py module's test_*
functions, one Wine session (own Xvfb, own wineserver) per module. Prints
"e2e: N passed, N failed"."""
import glob
import importlib.util
import os
import signal
import sys
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402


def main():
    # A stop request ends the run through the sessions' clean-up.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    here = os.path.dirname(os.path.abspath(__file__))
    modules = sorted(glob.glob(os.path.join(here, "**", "test_*.py"), recursive=True))
    only = sys.argv[1:]
    passed = failed = 0
    for path in modules:
        if only and not any(o in path for o in only):
            continue
        loader_spec = importlib.util.spec_from_file_location(os.path.basename(path)[:-3], path)
        mod = importlib.util.module_from_spec(loader_spec)
        loader_spec.loader.exec_module(mod)
        tests = [(n, f) for n, f in vars(mod).items() if n.startswith("test_") and callable(f)]
        with harness.Session(getattr(mod, "SCREEN", "1024x768x24")) as session:
            for name, fn in tests:
                try:
                    fn(session)
                    passed += 1
                    print(f"PASS {os.path.relpath(path, here)}::{name}", flush=True)
                except Exception:
                    failed += 1
                    print(f"FAIL {os.path.relpath(path, here)}::{name}", flush=True)
                    traceback.print_exc()
    print(f"e2e: {passed} passed, {failed} failed")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
