"""The web release's end-to-end test. Both pages are served from a
loopback server and opened in headless Chromium, in Russian, driven with
real mouse and key events through the DevTools protocol, and compared with
the desktop programs drawn on the offscreen platform after the same
actions (webcompare):
  kalumet: the sort button, then "Вперед" nine times; then Esc brings up
    the about box over the page, and Enter takes it away again;
  brivon: three numbers typed, then the sort button; then Russian text
    typed into the first box.
The controls are clicked at their centres, as the windows' tables have
them (the desktop build's programs/controls.env).
    e2e_test.py <release folder> <webcompare> <controls.env> [folder for the screenshots]
"""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402

folder, webcompare, controls = sys.argv[1], sys.argv[2], sys.argv[3]
shots = sys.argv[4] if len(sys.argv) > 4 else tempfile.mkdtemp(prefix="kalumet-e2e-")
VIEW = (1000, 700)
# kalumet_Command1='644 196': the centre of a control of a window.
CENTRES = {}
for line in open(controls, encoding="utf-8"):
    name, _, centre = line.strip().partition("=")
    if centre:
        CENTRES[name] = [int(v) for v in centre.strip("'").split()]

# What is done to each program. click:<control> clicks a control of the
# window; the others go to the focused control.
RUNS = {
    "kalumet": ["click:Command1"] + ["click:Cmd_Next"] * 9,
    # From the first box round to it again, whose text Tab selects.
    "brivon": ["key:Tab"] * 4 + ["type:7", "key:Tab", "type:2,5", "key:Tab", "type:-1",
                                 "click:Command1", "key:Tab", "type:Ёлка"],
}


def play(page, origin, name, actions):
    for action in actions:
        verb, _, what = action.partition(":")
        if verb == "click":
            x, y = CENTRES[f"{name}_{what}"]
            page.click(origin[0] + x, origin[1] + y)
        elif verb == "type":
            page.type(what)
        elif verb == "key" and what == "Tab":
            page.key("Tab", "Tab", 9)
    # The pointer off the window, which no control is drawn hovered then.
    page.mouse("mouseMoved", 2, 2)


def about_box(page, shot):
    """Esc brings up the about box over the window; Enter closes it, and the
    page shows the window as it was, with the keyboard."""
    with open(shot, "rb") as f:
        before = f.read()
    after = shot + ".esc.png"

    def shows(same):
        page.pump()
        page.screenshot(after)
        with open(after, "rb") as f:
            return (f.read() == before) == same
    try:
        # Twice: the second Esc reaches the window only if it took the
        # keyboard back when the box closed.
        for _ in range(2):
            page.key("Escape", "Escape", 27)
            for _ in browser.deadline_loop(30, "the about box after Esc"):
                if shows(False):
                    break
            page.key("Enter", "Enter", 13, "\r")
            for _ in browser.deadline_loop(30, "the window again once the about box is closed"):
                if shows(True):
                    break
    except TimeoutError as error:
        print(error)
        return False
    print("kalumet: Esc showed the about box, Enter closed it, twice")
    return True


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
        play(page, origin, name, actions)
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
        if name == "kalumet" and not failed:
            failed |= not about_box(page, shot)
        errors = [line for line in page.console if line.startswith("exception:")]
        if errors:
            print("\n".join(errors))
            failed = True
print("screenshots in", shots)
sys.exit(1 if failed else 0)
