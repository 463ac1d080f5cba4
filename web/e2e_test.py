"""The web release's end-to-end test. Both pages are served from a
loopback server, as a site serves the release (each file's precompressed
twin, .br or .gz, for the encoding the browser accepts; the modules as
application/wasm), and opened in headless Chromium, in Russian, driven
with real mouse and key events through the DevTools protocol, and
compared with the desktop programs drawn on the offscreen platform after
the same actions (webcompare):
  the server answers each encoding with its twin, the file itself without
    one; Chromium gets the modules encoded and compiles them as they
    download;
  kalumet: the sort button, then "Вперед" nine times; then Esc brings up
    the about box over the page, and Enter takes it away again;
  brivon: three numbers typed, then the sort button; then Russian text
    typed into the first box;
  kalumet.html?pace=1: an automatic run steps no quicker than once a
    second; F2 opens the trace table and closes it again, and its
    «Копировать» puts the table on the clipboard;
  kalumet.html?lang=en: the page and the window in English, compared with
    the desktop program in English;
  kalumet.html?listing=python: the listing in Python, nine steps in, as the
    desktop's kalumet --listing python draws it; ?listing=basic refused in
    the page's words in place of the window;
  kalumet.html from disk (file://), without a service worker;
  the index is an application Chromium can install;
  after those visits, with the site gone: the index, kalumet (a few steps)
    and brivon (its run) from the service worker's cache, as the desktop
    draws them; the cache of an older version removed.
The controls are clicked at their centres, as the windows' tables have
them (the desktop build's programs/controls.env).
    e2e_test.py <release folder> <webcompare> <controls.env> [folder for the screenshots]
"""

import gzip
import json
import os
import re
import struct
import subprocess
import sys
import tempfile
import time
import urllib.request
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
        if verb == "option":  # the page's address has it
            continue
        if verb == "click":
            x, y = CENTRES[f"{name}_{what}"]
            page.click(origin[0] + x, origin[1] + y)
        elif verb == "type":
            page.type(what)
        elif verb == "key" and what == "Tab":
            page.key("Tab", "Tab", 9)
    # The pointer off the window, which no control is drawn hovered then.
    page.mouse("mouseMoved", 2, 2)


def open_program(page, url, what):
    """Opens a program's page and waits for its window; returns where the
    page shows the window's client area (web/page.cpp)."""
    page.open(url)
    page.wait_for("document.documentElement.dataset.state === 'running'", 60,
                  what + "'s window in the page")
    return [int(v) for v in page.evaluate("document.documentElement.dataset.client").split(",")]


def compare(page, name, origin, actions, shot, language="ru"):
    """Does `actions` to the page, and compares it with the desktop program
    in `language` after the same; returns whether they agree, and the
    screenshot."""
    play(page, origin, name, actions)
    shot = os.path.join(shots, shot)
    # The desktop program in the page's language, its numbers in the
    # browser's (Russian) locale, as the page has them.
    env = dict(os.environ, LANGUAGE=language, LANG="ru_RU.UTF-8", LC_ALL="")
    # The page draws the last actions' result on a later frame: it is
    # compared until it matches, within a deadline.
    result = None
    try:
        for _ in browser.deadline_loop(30, name + "'s page as the desktop draws it"):
            page.pump()
            page.screenshot(shot)
            result = subprocess.run([webcompare, name, shot, str(origin[0]), str(origin[1])]
                                    + actions, capture_output=True, text=True, timeout=120,
                                    env=env)
            if result.returncode != 1:
                break
    except TimeoutError as error:
        print(error)
    if result:
        print(os.path.splitext(os.path.basename(shot))[0] + ":", result.stdout + result.stderr, end="")
    return result is not None and result.returncode == 0, shot


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
    """A screenshot's width, height, bytes per pixel and rows of pixel
    bytes (the PNG that Chromium writes: 8 bits, RGB or RGBA, not
    interlaced)."""
    data = open(path, "rb").read()
    chunks, at = {}, 8
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        chunks.setdefault(kind, []).append(data[at + 8:at + 8 + length])
        at += 12 + length
    width, height, depth, colour = struct.unpack(">IIBB", chunks[b"IHDR"][0][:10])
    assert depth == 8 and colour in (2, 6), "not an RGB or RGBA screenshot"
    size = 3 if colour == 2 else 4
    raw, stride, rows, previous = zlib.decompress(b"".join(chunks[b"IDAT"])), width * size, [], None
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        prior = previous or bytearray(stride)
        for x in range(stride) if kind else ():
            left = line[x - size] if x >= size else 0
            up, corner = prior[x], prior[x - size] if x >= size else 0
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
    return width, height, size, rows


def changed_area(before, after, beyond=0):
    """The rectangle (left, top, right, bottom) in which two screenshots
    differ, or None; only the columns from `beyond` on."""
    (width, height, size, a), (_, _, _, b) = pixels(before), pixels(after)
    ys = [y for y in range(height) if a[y][beyond * size:] != b[y][beyond * size:]]
    if not ys:
        return None
    xs = [x for y in ys for x in range(beyond, width)
          if a[y][x * size:(x + 1) * size] != b[y][x * size:(x + 1) * size]]
    return min(xs), ys[0], max(xs), ys[-1]


def pace_and_table(page, server):
    """kalumet.html?pace=1: an automatic run's steps come a second apart,
    not half a second; F2 shows the trace table beside the window, F2
    again takes it away; its «Копировать» copies the table as text."""
    origin = open_program(page, server.url("kalumet.html?pace=1"), "kalumet?pace=1")
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
    # The first change may still be the click's. A screenshot that comes
    # late lengthens one gap and shortens the next, so their mean is
    # compared: 1 s at this pace, 0,5 s at the default one.
    gaps = [b - a for a, b in zip(changes[1:], changes[2:])]
    print("kalumet?pace=1: steps %s s apart" % ", ".join("%.2f" % g for g in gaps))
    if sum(gaps) / len(gaps) < 0.8:
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
    # The table opens beside the window, over it where the page has no
    # room: it is looked for right of the window's frame, where nothing
    # else changes.
    beyond = origin[0] + origin[2] + 8
    opened = shot + ".table.png"
    page.key("F2", "F2", 113)
    area = None
    for _ in browser.deadline_loop(30, "the trace table after F2"):
        page.pump()
        page.screenshot(opened)
        area = changed_area(before, opened, beyond)
        if area and area[3] - area[1] > 150:
            break
    print("kalumet: F2 showed the trace table, its right part at", area)
    # «Копировать», at the bottom right of the table's window.
    page.call("Browser.grantPermissions", permissions=["clipboardReadWrite", "clipboardSanitizedWrite"],
              origin=server.url("")[:-1])
    page.click(area[2] - 50, area[3] - 24)
    text = ""
    try:
        for _ in browser.deadline_loop(30, "table on the clipboard"):
            page.pump()
            text = page.evaluate("navigator.clipboard.readText()", promise=True) or ""
            if text.startswith("Шаг\t"):
                break
    except TimeoutError as error:
        print(error)
        print("\n".join(line for line in page.console if "clipboard" in line.lower()))
    print("kalumet: «Копировать» copied %d lines" % len(text.splitlines()))
    if len(text.splitlines()) < 2:
        return False
    page.key("F2", "F2", 113)
    for _ in browser.deadline_loop(30, "the trace table gone after F2"):
        page.pump()
        page.screenshot(shot)
        if changed_area(before, shot, beyond) is None:
            break
    print("kalumet: F2 closed the trace table")
    return True


def english(page, server):
    """kalumet.html?lang=en: the page's language and title English, and the
    window as the desktop program draws it in English after the same
    actions as the Russian run."""
    origin = open_program(page, server.url("kalumet.html?lang=en"), "kalumet?lang=en")
    lang, title = page.evaluate("document.documentElement.lang"), page.evaluate("document.title")
    print("kalumet?lang=en: lang %s, title «%s»" % (lang, title))
    if (lang, title) != ("en", "Three-number sort demonstration"):
        return False
    return compare(page, "kalumet", origin, RUNS["kalumet"], "kalumet-en.png", "en")[0]


def listing(page, server):
    """kalumet.html?listing=python: the window as the desktop program draws
    it with --listing python after the same steps; a language the program
    has no listing in refused in place of the window."""
    origin = open_program(page, server.url("kalumet.html?listing=python"), "kalumet?listing=python")
    right = compare(page, "kalumet", origin, ["option:listing=python"] + RUNS["kalumet"],
                    "kalumet-python.png")[0]
    page.open(server.url("kalumet.html?listing=basic"))
    page.wait_for("document.getElementById('status').textContent.startsWith('Неверный')", 30,
                  "the refusal of ?listing=basic")
    said = page.evaluate("document.getElementById('status').textContent")
    print("kalumet?listing=basic: «%s»" % said)
    return right and said.startswith("Неверный язык программы «basic»: нужно vb, pascal, python, cpp или alg")


def encodings(server):
    """The server answers each encoding with the file's precompressed twin,
    of the file's type, and a request without one with the file itself;
    each twin holds the file."""
    right = True
    for name, kind in (("kalumet.wasm", "application/wasm"), ("kalumet.js", "text/javascript"),
                       ("index.html", "text/html")):
        path = os.path.join(folder, name)
        plain = open(path, "rb").read()
        unpacked = {"br": subprocess.run(["brotli", "-d", "-c", path + ".br"], capture_output=True,
                                         check=True).stdout,
                    "gzip": gzip.decompress(open(path + ".gz", "rb").read())}
        for encoding, suffix in (("br", ".br"), ("gzip", ".gz"), ("identity", "")):
            request = urllib.request.Request(server.url(name), headers={"Accept-Encoding": encoding})
            with urllib.request.urlopen(request) as answer:
                body, headers = answer.read(), answer.headers
            served = headers.get("Content-Encoding", "identity")
            ok = (served == encoding and headers.get_content_type() == kind
                  and body == open(path + suffix, "rb").read()
                  and unpacked.get(encoding, plain) == plain)
            print("%s asked as %s: %s, %s, %d bytes%s" % (name, encoding, served, headers.get_content_type(),
                                                       len(body), "" if ok else ": wrong"))
            right &= ok
    return right


def streamed(page, server):
    """What the pages loaded came encoded, the modules as application/wasm,
    which Chromium compiles while they download (emscripten falls back to
    compiling a downloaded copy otherwise, and says so)."""
    modules = [(path, encoding) for path, encoding, size in server.served
               if path.endswith(".wasm") and size]
    print("modules served to Chromium:", ", ".join("%s as %s" % m for m in modules))
    fallen = [line for line in page.console if "streaming compile failed" in line]
    if fallen:
        print("\n".join(fallen))
    return bool(modules) and all(encoding for _, encoding in modules) and not fallen


def projector_fit(page, server):
    """?scale=fit scales kalumet's window by the factor the desktop's
    --scale fit gives for the same area, with its title bar inside the
    browser's window: 1.27 in 1024 x 768 ((1024 - 16) / 788) and 1.94 in
    1920 x 1080 ((1080 - 48) / 531), and 1.94 again when the first browser
    window grows to the second, as for full screen."""
    right = True
    scale = "Number(document.documentElement.dataset.scale)"
    for (width, height), grown in (((1024, 768), None), ((1024, 768), (1920, 1080)),
                                   ((1920, 1080), None)):
        page.size(width, height)
        open_program(page, server.url("kalumet.html?scale=fit"), "kalumet fitted")
        if grown:
            page.size(*grown)
            width, height = grown
        factor = 1.27 if width == 1024 else 1.94
        try:
            page.wait_for(f"Math.abs({scale} - {factor}) < 0.001", 30,
                          f"the scale {factor} in {width} x {height}")
        except TimeoutError as error:
            print(error)
            right = False
        x, y, w, h = [int(v) for v in page.evaluate("document.documentElement.dataset.frame").split(",")]
        shown = page.evaluate(scale)
        inside = x >= 0 and y >= 0 and (x + w) * shown <= width and (y + h) * shown <= height
        print(f"fit in {width} x {height}{' grown' if grown else ''}: {shown:.2f}, frame {x},{y} {w} x {h}"
              f"{'' if inside else ' beyond the browser window'}")
        right &= inside
    page.size(*VIEW)
    return right


def installable(page, server):
    """The index, with its service worker in charge, has nothing that keeps
    Chromium from installing the release as an application."""
    page.open(server.url("index.html"))
    page.wait_for("navigator.serviceWorker.controller !== null", 60,
                  "service worker in charge of the index")
    errors = page.call("Page.getInstallabilityErrors").get("installabilityErrors")
    manifest = page.call("Page.getAppManifest")
    print("index: installability errors %s, manifest errors %s" % (errors, manifest.get("errors")))
    return errors == [] and not manifest.get("errors")


def from_disk(page, server):
    """kalumet.html opened from disk, where no service worker runs: the
    module comes as a script, and the window is the desktop's."""
    origin = open_program(page, "file://" + os.path.join(os.path.abspath(folder), "kalumet.html"),
                          "kalumet from disk")
    return compare(page, "kalumet", origin, ["click:Command1"], "kalumet-disk.png")[0]


def offline(page, server):
    """After the visits, with the site gone: the index and both programs
    come from the service worker's cache, the programs work as the
    desktop's do; the cache is this version's alone, with every file the
    worker keeps."""
    kept = json.loads(re.search(r"const kFiles = (\[.*?\]);",
                                open(os.path.join(folder, "serviceworker.js")).read()).group(1))
    page.open(server.url("index.html"))
    page.wait_for("navigator.serviceWorker.controller !== null", 60,
                  "service worker in charge of the index")
    caches = page.evaluate("caches.keys().then(names => Promise.all(names.map(name =>"
                           " caches.open(name).then(cache => cache.keys()).then(files =>"
                           " [name, files.length]))))", promise=True)
    print("caches:", caches)
    version = os.path.basename(os.path.normpath(folder)).split("-")[1]
    if len(caches) != 1 or not caches[0][0].startswith("kalumet-web-%s-" % version) \
            or caches[0][1] != len(kept):
        return False
    server.stop()
    page.open(server.url("index.html"))
    page.wait_for("document.title.startsWith('kalumet и brivon')", 30, "the index without the site")
    print("offline: the index opened")
    steps = ["click:Command1"] + ["click:Cmd_Next"] * 3
    origin = open_program(page, server.url("kalumet.html"), "kalumet offline")
    right = compare(page, "kalumet", origin, steps, "kalumet-offline.png")[0]
    origin = open_program(page, server.url("brivon.html"), "brivon offline")
    right &= compare(page, "brivon", origin, RUNS["brivon"], "brivon-offline.png")[0]
    return right


failed = False
with browser.Server(folder) as server, browser.Browser(lang="ru-RU") as chromium:
    page = chromium.page()
    page.size(*VIEW)
    failed |= not encodings(server)
    server.served.clear()
    # A cache an older version left, which the service worker removes when
    # it takes over (the origin's, opened from a file that registers none).
    page.open(server.url("manifest.webmanifest"))
    page.wait_for("document.readyState === 'complete'", 30, "the manifest")
    page.evaluate("caches.open('kalumet-web-0.9.0-000000000000').then(() => true)", promise=True)
    for name, actions in RUNS.items():
        try:
            origin = open_program(page, server.url(name + ".html"), name)
            same, shot = compare(page, name, origin, actions, name + ".png")
            failed |= not same
            if name == "kalumet" and same:
                failed |= not about_box(page, shot)
        except TimeoutError as error:
            print(error)
            failed = True
    failed |= not streamed(page, server)
    for scenario in (pace_and_table, english, listing, projector_fit, from_disk, installable,
                     offline):
        try:
            failed |= not scenario(page, server)
        except TimeoutError as error:
            print(error)
            failed = True
    errors = [line for line in page.console if line.startswith("exception:")]
    if errors:
        print("\n".join(errors))
        failed = True
print("screenshots in", shots)
sys.exit(1 if failed else 0)
