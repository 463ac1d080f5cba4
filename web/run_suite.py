"""Runs a QtTest program built for WebAssembly in headless Chromium, as
CTest's emulator for the web build (CMAKE_CROSSCOMPILING_EMULATOR):
    run_suite.py <suite.js> [QtTest arguments...]
The suite runs in a page of its own, served from a loopback server, with
its output printed as Qt writes it. The exit status is 0 when QtTest's
totals report no failure, 1 otherwise (a failure, a crash, or no totals
within the time)."""

import json
import os
import re
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402

here = os.path.dirname(os.path.abspath(__file__))
suite = os.path.abspath(sys.argv[1])
name = os.path.splitext(os.path.basename(suite))[0]
arguments = sys.argv[2:]

# The suite's page: the program's page, with QtTest's arguments.
folder = tempfile.mkdtemp(prefix="kalumet-suite-")
try:
    for f in (name + ".js", name + ".wasm"):
        os.symlink(os.path.join(os.path.dirname(suite), f), os.path.join(folder, f))
    for f in ("page.js", "page.css"):
        shutil.copy(os.path.join(here, f), folder)
    with open(os.path.join(folder, "suite.html"), "w") as page:
        page.write('<!doctype html><html lang="ru"><head><meta charset="utf-8">'
                   '<link rel="stylesheet" href="page.css"><script src="page.js"></script>'
                   '</head><body><canvas id="screen"></canvas><p id="status"></p>'
                   '<p id="ended" hidden><button id="again"></button></p>'
                   '<script>startProgram(%r, 800, 600, %s)</script></body></html>'
                   % (name, json.dumps(arguments)))

    totals = None
    with browser.Server(folder) as server, browser.Browser() as chromium:
        page = chromium.page()
        page.size(1000, 700)
        page.open(server.url("suite.html"))
        printed = 0
        try:
            for _ in browser.deadline_loop(300, "totals from " + name):
                page.pump()
                for line in page.console[printed:]:
                    print(line, flush=True)
                    totals = totals or re.match(r"Totals: (\d+) passed, (\d+) failed", line)
                    if line.startswith("exception:") or "Aborted" in line:
                        sys.exit(1)
                printed = len(page.console)
                if totals and any(l.startswith("********* Finished") for l in page.console):
                    break
        except TimeoutError as error:
            print(error)
            sys.exit(1)
    sys.exit(0 if totals and int(totals.group(2)) == 0 else 1)
finally:
    shutil.rmtree(folder, ignore_errors=True)
