"""The web release's end-to-end test. Both pages are served from a
loopback server and opened in headless Chromium, in Russian, driven with
real mouse and key events through the DevTools protocol, and compared with
the desktop programs drawn on the offscreen platform after the same
actions (webcompare):
  kalumet: the sort button, then "Вперед" nine times; then Esc brings up
    the about box over the page, and Enter takes it away again;
  brivon: three numbers typed, then the sort button; then Russian text
    typed into the first box;
  kalumet.html?pace=1: an automatic run steps no quicker than once a
    second; F2 opens the trace table and closes it again, and its
    «Копировать» puts the table on the clipboard.
The controls are clicked at their centres, as the windows' tables have
them (the desktop build's programs/controls.env).
    e2e_test.py <release folder> <webcompare> <controls.env> [folder for the screenshots]
"""

import os
import struct
import subprocess
import sys
import tempfile
import time
import zlib

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


def pixels(path):
    """A screenshot's width, height and rows of RGBA bytes (the PNG that
    Chromium writes: 8 bits, RGBA, not interlaced)."""
    data = open(path, "rb").read()
    chunks, at = {}, 8
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        chunks.setdefault(kind, []).append(data[at + 8:at + 8 + length])
        at += 12 + length
    width, height, depth, colour = struct.unpack(">IIBB", chunks[b"IHDR"][0][:10])
    assert depth == 8 and colour == 6, "not an RGBA screenshot"
    raw, stride, rows, previous = zlib.decompress(b"".join(chunks[b"IDAT"])), width * 4, [], None
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        prior = previous or bytearray(stride)
        for x in range(stride):
            left = line[x - 4] if x >= 4 else 0
            up, corner = prior[x], prior[x - 4] if x >= 4 else 0
            if kind == 1:
                line[x] = (line[x] + left) & 255
            elif kind == 2:
                line[x] = (line[x] + up) & 255
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[x] = (line[x] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        rows.append(line)
        previous = line
    return width, height, rows


def changed_area(before, after):
    """The rectangle (left, top, right, bottom) in which two screenshots
    differ, or None."""
    (width, height, a), (_, _, b) = pixels(before), pixels(after)
    ys = [y for y in range(height) if a[y] != b[y]]
    if not ys:
        return None
    xs = [x for y in ys for x in range(width) if a[y][x * 4:x * 4 + 4] != b[y][x * 4:x * 4 + 4]]
    return min(xs), ys[0], max(xs), ys[-1]


def pace_and_table(page, server, origin_of):
    """kalumet.html?pace=1: an automatic run's steps come a second apart,
    not half a second; F2 shows the trace table beside the window, F2
    again takes it away; its «Копировать» copies the table as text."""
    page.open(server.url("kalumet.html?pace=1"))
    page.wait_for("document.documentElement.dataset.state === 'running'", 60, "kalumet?pace=1")
    origin = origin_of()
    play(page, origin, "kalumet", ["click:Command1", "click:Check1", "click:Cmd_Goto"])
    shot = os.path.join(shots, "pace.png")
    page.screenshot(shot)
    last, changes = open(shot, "rb").read(), []
    try:
        for _ in browser.deadline_loop(60, "four steps of the automatic run"):
            page.pump(0.02)
            page.screenshot(shot)
            now = open(shot, "rb").read()
            if now != last:
                changes.append(time.monotonic())
                last = now
            if len(changes) >= 5:
                break
    except TimeoutError as error:
        print(error)
        return False
    # The first change may still be the click's; a step at 0,5 s would
    # bring two changes within 0,8 s.
    gaps = [b - a for a, b in zip(changes[1:], changes[2:])]
    print("kalumet?pace=1: steps %s s apart" % ", ".join("%.2f" % g for g in gaps))
    if min(gaps) < 0.8:
        return False
    play(page, origin, "kalumet", ["click:Cmd_Stop"])
    before = shot + ".stopped.png"
    for _ in browser.deadline_loop(30, "the run to stop"):
        page.pump(0.6)
        page.screenshot(before)
        page.pump(0.6)
        page.screenshot(shot)
        if open(before, "rb").read() == open(shot, "rb").read():
            break
    opened = shot + ".table.png"
    page.key("F2", "F2", 113)
    area = None
    for _ in browser.deadline_loop(30, "the trace table after F2"):
        page.pump()
        page.screenshot(opened)
        area = changed_area(before, opened)
        if area and area[2] - area[0] > 200 and area[3] - area[1] > 150:
            break
    print("kalumet: F2 showed the trace table at", area)
    # «Копировать», at the bottom right of the table's window.
    page.call("Browser.grantPermissions", permissions=["clipboardReadWrite", "clipboardSanitizedWrite"],
              origin=server.url("")[:-1])
    page.click(area[2] - 50, area[3] - 24)
    text = ""
    for _ in browser.deadline_loop(30, "the table on the clipboard"):
        page.pump()
        text = page.call("Runtime.evaluate", expression="navigator.clipboard.readText()",
                         awaitPromise=True, returnByValue=True).get("result", {}).get("value") or ""
        if text.startswith("Шаг\t"):
            break
    print("kalumet: «Копировать» copied %d lines" % len(text.splitlines()))
    if len(text.splitlines()) < 2:
        return False
    page.key("F2", "F2", 113)
    for _ in browser.deadline_loop(30, "the trace table gone after F2"):
        page.pump()
        page.screenshot(shot)
        if changed_area(before, shot) is None:
            break
    print("kalumet: F2 closed the trace table")
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
    try:
        failed |= not pace_and_table(
            page, server,
            lambda: [int(v) for v in page.evaluate("document.documentElement.dataset.client").split(",")])
    except TimeoutError as error:
        print(error)
        failed = True
print("screenshots in", shots)
sys.exit(1 if failed else 0)
