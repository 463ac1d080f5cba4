"""The web release's end-to-end test. Both pages are served from a
loopback server and opened in headless Chromium, in Russian, driven with
real mouse and key events through the DevTools protocol, and compared with
the desktop programs drawn on the offscreen platform after the same
actions (webcompare):
  kalumet: the sort button, then "Вперед" nine times;
  brivon: three numbers typed, then the sort button.
    e2e_test.py <release folder> <webcompare> [folder for the screenshots]
"""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402

folder, webcompare = sys.argv[1], sys.argv[2]
shots = sys.argv[3] if len(sys.argv) > 3 else tempfile.mkdtemp(prefix="kalumet-e2e-")
VIEW = (1000, 700)

# What is done to each program. click:X,Y is a point of the window's client
# area; the others go to the focused control.
RUNS = {
    "kalumet": ["click:644,196"] + ["click:624,460"] * 9,
    # From the first box round to it again, whose text Tab selects.
    "brivon": ["key:Tab"] * 4 + ["type:7", "key:Tab", "type:2,5", "key:Tab", "type:-1",
                                 "click:140,116"],
}


def play(page, origin, actions):
    for action in actions:
        verb, _, what = action.partition(":")
        if verb == "click":
            x, y = (int(v) for v in what.split(","))
            page.click(origin[0] + x, origin[1] + y)
        elif verb == "type":
            page.type(what)
        elif verb == "key" and what == "Tab":
            page.key("Tab", "Tab", 9)
    # The pointer off the window, which no control is drawn hovered then.
    page.mouse("mouseMoved", 2, 2)


failed = False
with browser.Server(folder) as server, browser.Browser(lang="ru-RU") as chromium:
    page = chromium.page()
    page.size(*VIEW)
    for name, actions in RUNS.items():
        page.open(server.url(name + ".html"))
        page.wait_for("document.documentElement.dataset.state === 'running'", 60,
                      name + "'s window in the page")
        # Where the page shows the window's client area (web/page.cpp).
        origin = [int(v) for v in page.evaluate("document.documentElement.dataset.client").split(",")]
        play(page, origin, actions)
        shot = os.path.join(shots, name + ".png")
        # The page draws the last actions' result on a later frame: it is
        # compared until it matches, within a deadline.
        result = None
        try:
            for _ in browser.deadline_loop(30, name + "'s page as the desktop draws it"):
                page.pump()
                page.screenshot(shot)
                # The desktop program in the page's language.
                result = subprocess.run([webcompare, name, shot, str(origin[0]), str(origin[1])]
                                        + actions, capture_output=True, text=True, timeout=120,
                                        env=dict(os.environ, LANG="ru_RU.UTF-8", LC_ALL=""))
                if result.returncode != 1:
                    break
        except TimeoutError as error:
            print(error)
        print(result.stdout + result.stderr, end="")
        failed |= result.returncode != 0
        errors = [line for line in page.console if line.startswith("exception:")]
        if errors:
            print("\n".join(errors))
            failed = True
print("screenshots in", shots)
sys.exit(1 if failed else 0)
