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
    typed into the first box, which the sort button refuses;
  after each, what a screen reader gets, read through the accessibility
    tree: the canvas named after the window and described by its keys, and
    in the live region the control the focus moved to, each step in full,
    the box, the sorted numbers;
  kalumet.html?pace=1: an automatic run steps no quicker than once a
    second; F2 opens the trace table and closes it again, and its
    «Копировать» puts the table on the clipboard;
  kalumet.html?lang=en: the page and the window in English, compared with
    the desktop program in English, and what the live region says;
  kalumet.html?listing=python: the listing in Python, nine steps in, as the
    desktop's kalumet --listing python draws it; ?listing=basic refused in
    the page's words in place of the window;
  kalumet.html by keys alone, read from the live region: the tab order,
    «Проверь себя» and the pace; a whole automatic run and a whole run by
    hand with «Проверь себя»; and one clicked, the about box opened
    mid-run;
  kalumet.html from disk (file://), without a service worker;
  the index is an application Chromium can install;
  after those visits, with the site gone: the index, kalumet (a few steps)
    and brivon (its run) from the service worker's cache, as the desktop
    draws them; the cache of an older version removed;
  a site given the next release (built with a version one higher,
    web/next_release.sh) between visits, half put in place and mid-load:
    what each visit runs.
The controls are clicked at their centres, as the windows' tables have
them (the desktop build's programs/controls.env).
    e2e_test.py <release folder> <webcompare> <controls.env> <next release folder>
                [folder for the screenshots]
"""

import gzip
import json
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import urllib.request
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402

folder, webcompare, controls, next_release = sys.argv[1:5]
shots = sys.argv[5] if len(sys.argv) > 5 else tempfile.mkdtemp(prefix="kalumet-e2e-")
VERSION = os.path.basename(os.path.normpath(folder)).split("-")[1]
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
    about = box("Об авторе...", "kalumet %s — демонстрация сортировки трех чисел" % VERSION, OK)
    heard = page.accessible("#said")["lines"][-3:]
    if heard != [about, OK + ", кнопка", "Вперед, кнопка"]:
        print("kalumet: after the about box the live region said", heard)
        return False
    return True


# What a screen reader hears of the steps of kalumet's run of 5, 4, 3 in
# full, as on the desktop (tests/tst_lesson.cpp); in short, each is its part
# before the first "; ".
REPORTS = [
    "Шаг 1: Private Sub Command1_Click(); блок «Начало»",
    "Шаг 2: Dim A, B, C, X As Double; память: A, B, C, X",
    "Шаг 3: A = CDbl(Text1.Text); блок «Ввод А»; память: A = 5",
    "Шаг 4: C = CDbl(Text2.Text); блок «Ввод В»; память: B = 4",
    "Шаг 5: B = CDbl(Text3.Text); блок «Ввод С»; память: C = 3",
    "Шаг 6: If A > B Then; блок «5 > 4»",
    "Шаг 7: X = A; блок «Да», «X = 5»; память: X = 5",
    "Шаг 8: A = B; блок «A = 4»; память: A = 4",
    "Шаг 9: B = X; блок «B = 5»; память: B = 5",
    "Шаг 10: End If",
    "Шаг 11: If B > C Then; блок «5 > 3»",
    "Шаг 12: X = C; блок «Да», «X = 3»; память: X = 3",
    "Шаг 13: C = B; блок «C = 5»; память: C = 5",
    "Шаг 14: B = X; блок «B = 3»; память: B = 3",
    "Шаг 15: End If",
    "Шаг 16: If A > B Then; блок «4 > 3»",
    "Шаг 17: X = A; блок «Да», «X = 4»; память: X = 4",
    "Шаг 18: A = B; блок «A = 3»; память: A = 3",
    "Шаг 19: B = X; блок «B = 4»; память: B = 4",
    "Шаг 20: End If",
    "Шаг 21: Text1.Text = CStr(A); блок «Вывод А»; поле «Число А=»: 3",
    "Шаг 22: Text2.Text = CStr(B); блок «Вывод В»; поле «Число В=»: 4",
    "Шаг 23: Text3.Text = CStr(C); блок «Вывод С»; поле «Число С=»: 5",
    "Шаг 24: End Sub; блок «Конец»; память очищена. Готово: 3; 4; 5",
]
BRIEF = [report.split("; ")[0] for report in REPORTS]
# The keys a pupil presses: Input.dispatchKeyEvent's key, code, key code,
# text and modifiers.
KEYS = {"Tab": ("Tab", "Tab", 9), "Shift+Tab": ("Tab", "Tab", 9, "", 8),
        "Space": (" ", "Space", 32, " "), "Enter": ("Enter", "Enter", 13, "\r"),
        "Esc": ("Escape", "Escape", 27), "PageDown": ("PageDown", "PageDown", 34),
        "F3": ("F3", "F3", 114), "+": ("+", "NumpadAdd", 107, "+"),
        "-": ("-", "NumpadSubtract", 109, "-")}
OK = "OK"
BOX_A, BOX_B, BOX_C = "Число А=", "Число В=", "Число С="  # Cyrillic А, В, С
SORT = "Сортировать числа по возраствнию, кнопка"  # kalumet's, as its window has it
SORT_BRIVON = "Сортировать числа по возрастанию, кнопка"


def box(title, text, *buttons):
    """What a screen reader hears of a message box as it opens."""
    return "; ".join(["%s, сообщение, %s" % (title, text)] + [b + ", кнопка" for b in buttons])


def field(name, number=""):
    """What a screen reader hears of an input box as the focus comes to it."""
    return "%s, поле ввода%s" % (name, ", %s" % number if number != "" else "")


# What the live region holds after each program's run of RUNS: the focus
# at each Tab and click, the steps in full by hand, brivon's sorted numbers.
HEARD_AFTER_RUN = {
    "kalumet": ["Вперед, кнопка"] + REPORTS[:9],
    "brivon": [field(BOX_A, 5), field(BOX_B, 8), field(BOX_C, 3), SORT_BRIVON,
               field(BOX_A, 5), field(BOX_B, 8), field(BOX_C, 3), SORT_BRIVON,
               f"{BOX_A} -1; {BOX_B} 2,5; {BOX_C} 7", field(BOX_A, -1)],
}


class Heard:
    """What the page's live region says, read through the accessibility
    tree again and again: each line it adds, once, in `lines`; what it said
    before is left unchecked where `since_now`."""

    def __init__(self, page, since_now=False):
        self.page, self.lines, self.shown, self.checked = page, [], [], 0
        if since_now:
            self.checked = len(self.read())

    def read(self):
        shown = self.page.accessible("#said")["lines"]
        # The region keeps its last lines: what it showed before, less the
        # oldest, then what is new.
        kept = next(k for k in range(min(len(self.shown), len(shown)), -1, -1)
                    if self.shown[len(self.shown) - k:] == shown[:k])
        self.lines += shown[kept:]
        self.shown = shown
        return self.lines

    def after(self, action, expected, seconds=60):
        """Presses a key of KEYS, or types "type:<text>", (or does nothing,
        for what comes by itself) and returns whether the region then says
        `expected`, line by line, and nothing else since what it was last
        checked for."""
        if action and action.startswith("type:"):
            self.page.type(action[len("type:"):])
        elif action:
            self.page.key(*KEYS[action])
        try:
            for _ in browser.deadline_loop(seconds, "«%s» in the live region" % expected[-1:]):
                self.page.pump()
                if len(self.read()) >= self.checked + len(expected):
                    break
        except TimeoutError as error:
            print(error)
        said = self.lines[self.checked:self.checked + len(expected)]
        self.checked += len(expected)
        if said != expected:
            print("after %s the live region said:\n  %s\nnot:\n  %s"
                  % (action, "\n  ".join(said), "\n  ".join(expected)))
        return said == expected


def heard_after_run(page, name, title):
    """After a program's run the canvas is named after the window and
    described by its keys, and the live region, a polite status, holds what
    a screen reader was told of the run."""
    canvas, region = page.accessible("#screen"), page.accessible("#said")
    print("%s: canvas %s «%s», «%s»; live region %s, %s" % (
        name, canvas["role"], canvas["name"], canvas["description"], region["role"],
        region["properties"].get("live")))
    right = (canvas["role"], canvas["name"], region["role"], region["properties"].get("live")) \
        == ("application", title, "status", "polite") and canvas["description"].startswith("Tab")
    if region["lines"] != HEARD_AFTER_RUN[name]:
        print("%s's live region:\n  %s" % (name, "\n  ".join(region["lines"])))
        right = False
    return right


def refused(page, origin):
    """brivon's sort button refuses the box that holds no number: the
    refusal and its button said, then where the focus goes back to."""
    heard = Heard(page, since_now=True)
    play(page, origin, "brivon", ["click:Command1"])
    title = "Сортировка трех чисел (по возрастанию)"
    text = "В поле «%s» не число: «Ёлка». Введите число, например: 2,5" % BOX_A
    return heard.after(None, [SORT_BRIVON, box(title, text, OK), OK + ", кнопка"]) \
        and heard.after("Enter", [field(BOX_A, "Ёлка")])


def by_keys(page, server):
    """kalumet.html by keys alone, as a pupil with a screen reader uses it,
    each key followed by what the live region says: the controls in their
    tab order both ways, «Проверь себя» and the pace switched; a whole
    automatic run, the check box cleared by Space and «Продолжить» pressed,
    its steps in short and its result; a whole run by hand with «Проверь
    себя», each question answered with Enter, the steps in full and the
    score. The transcripts are printed."""
    open_program(page, server.url("kalumet.html"), "kalumet by keys")
    heard = Heard(page)
    steps = [(None, [SORT]),
             ("Tab", [field(BOX_A, 5)]), ("Tab", [field(BOX_B, 4)]), ("Tab", [field(BOX_C, 3)]),
             ("Tab", ["Сброс, кнопка"]), ("Tab", ["Выход, кнопка"]), ("Tab", [SORT]),
             ("Shift+Tab", ["Выход, кнопка"]), ("F3", ["Проверь себя: включено"]),
             ("F3", ["Проверь себя: выключено"]), ("+", ["Темп: 0,25 с на шаг"]),
             ("-", ["Темп: 0,5 с на шаг"]), ("Tab", [SORT]),
             ("Space", ["Вперед, кнопка"]), ("Shift+Tab", ["Пошаговый режим, флажок, отмечен"]),
             ("Space", ["не отмечен"]), ("Tab", ["Стоп, кнопка"]), ("Tab", ["Продолжить, кнопка"]),
             ("Space", ["Стоп, кнопка"] + BRIEF[:23] + [field(BOX_A, 3), "Готово: 3; 4; 5"]),
             # 5, 4, 3 typed again over the sorted numbers.
             ("type:5", []), ("Tab", [field(BOX_B, 4)]), ("type:4", []), ("Tab", [field(BOX_C, 5)]),
             ("type:3", []), ("Shift+Tab", [field(BOX_B, 4)]), ("Shift+Tab", [field(BOX_A, 5)]),
             ("F3", ["Проверь себя: включено"]), ("Shift+Tab", [SORT]), ("Space", ["Вперед, кнопка"])]
    questions = {6: "Шаг 6: If A > B Then — 5 > 4?", 11: "Шаг 11: If B > C Then — 5 > 3?",
                 16: "Шаг 16: If A > B Then — 4 > 3?"}
    for step, report in enumerate(REPORTS[:-1], 1):
        if step in questions:
            steps += [("PageDown", [box("Проверь себя", questions[step], "Да", "Нет"), "Да, кнопка"]),
                      # The step, then the focus back on «Вперед» as the
                      # window takes the keyboard back.
                      ("Enter", [report, "Вперед, кнопка"])]
        else:
            steps.append(("PageDown", [report]))
    score = "Проверь себя: верно 3 из 3"
    steps += [("PageDown", [field(BOX_A, 3), REPORTS[-1], score, box("Проверь себя", score, OK),
                            OK + ", кнопка"]),
              ("Enter", [field(BOX_A, 3)])]
    right = all(heard.after(action, expected) for action, expected in steps)
    print("kalumet by keys, the live region:\n  " + "\n  ".join(heard.lines))
    return right


def quiet_after_box(page, server):
    """kalumet.html clicked into an automatic run, the focus said at each
    click; the about box opened on the way: no step is said while it is
    open, the first after it in full, none in the next four beats, and the
    result at the end."""
    origin = open_program(page, server.url("kalumet.html"), "kalumet with a box mid-run")
    heard = Heard(page)
    play(page, origin, "kalumet", ["click:Command1", "click:Check1", "click:Cmd_Goto"])
    right = heard.after(None, [SORT, "Вперед, кнопка", "Пошаговый режим, флажок, отмечен",
                               "не отмечен", "Продолжить, кнопка", "Стоп, кнопка", BRIEF[0]])
    about = box("Об авторе...", "kalumet %s — демонстрация сортировки трех чисел" % VERSION, OK)
    right &= heard.after("Esc", [about, OK + ", кнопка"])
    # A step shown under the box: the flowchart's blocks, left of it, change.
    before, shot = [os.path.join(shots, "box-mid-run%d.png" % i) for i in (1, 2)]
    page.screenshot(before)
    for _ in browser.deadline_loop(30, "a step under the about box"):
        page.pump()
        page.screenshot(shot)
        if changed_area(before, shot, origin[0], origin[0] + 200):
            break
    right &= heard.after("Enter", ["Стоп, кнопка"])
    for _ in browser.deadline_loop(60, "the run's result"):
        page.pump()
        if heard.read()[-1:] == ["Готово: 3; 4; 5"]:
            break
    after = heard.lines[heard.checked:]
    numbers = [int(re.match(r"Шаг (\d+)", line).group(1)) for line in after if line.startswith("Шаг")]
    print("kalumet, the about box mid-run, then:\n  " + "\n  ".join(after))
    first = numbers[0] if numbers else 0
    return right and bool(numbers) and after[0] == REPORTS[first - 1] \
        and (len(numbers) == 1 or numbers[1] >= first + 4) \
        and after[-2:] == [field(BOX_A, 3), "Готово: 3; 4; 5"]


def release_of(release):
    """A release folder's version, and its name as its pages carry it."""
    page = open(os.path.join(release, "kalumet.html"), encoding="utf-8").read()
    return (os.path.basename(os.path.normpath(release)).split("-")[1],
            re.search(r'data-release="(\w+)"', page).group(1))


def cache_of(release):
    """The name of the cache a release's service worker keeps it in."""
    return re.search(r'const kCache = "([^"]+)"',
                     open(os.path.join(release, "serviceworker.js")).read()).group(1)


def ran(page, site, releases, visit):
    """Opens kalumet.html and returns the version of the release it ran
    whole, or None: the page, page.js and the program's script of one
    release, whose module says that version in the about box (Esc)."""
    open_program(page, site.url("kalumet.html"), visit)
    names = page.evaluate("[document.documentElement.dataset.release, pageScriptRelease,"
                          " programRelease].join(' ')")
    heard = Heard(page, since_now=True)
    page.key(*KEYS["Esc"])
    about = ""
    for _ in browser.deadline_loop(30, "the about box"):
        page.pump()
        about = next((line for line in heard.read() if line.startswith("Об авторе")), "")
        if about:
            break
    said = re.search(r"kalumet (\S+) —", about)
    version = next((v for v, name in releases if names == " ".join([name] * 3)
                    and said and said.group(1) == v), None)
    print("%s: ran %s (%s; %s)" % (visit, version or "a mix", names, about))
    return version


def caches_become(page, names, what):
    """Waits until the origin's caches are `names`."""
    for _ in browser.deadline_loop(120, what):
        page.pump()
        if page.evaluate("caches.keys()", promise=True) == names:
            return


def updates(page, first, second):
    """A site given a new version, in four ways: each visit runs one
    release whole, and the second at the latest on the visit after the site
    has it whole.
      between visits, with the first's service worker in charge: the visit
        after runs the first, and its worker fetches the second; the next
        runs the second; and so it does with the site gone;
      half put in place (the second's files but the first's kalumet.wasm,
        as while a site is given the new files one by one): the worker
        keeps none of it, and the visit runs the first;
      mid-load, on a first visit: the page, page.js and kalumet.js of the
        first, kalumet.wasm of the second; the page loads again and runs
        the second;
      a first visit to the site half put in place: the page runs nothing
        and says to reload."""
    releases = [release_of(first), release_of(second)]
    (v1, _), (v2, _) = releases

    def placed(wasm):
        """A site's folder given the second release now (its files newer
        than the first's), with `wasm`'s kalumet.wasm."""
        site = tempfile.mkdtemp(prefix="kalumet-site-")
        for name in os.listdir(second):
            if not name.endswith(".wasm.js"):
                shutil.copy(os.path.join(wasm if name.startswith("kalumet.wasm") else second, name),
                            site)
        return site
    mixed, second = placed(first), placed(second)
    try:
        right = True
        with browser.Server(first) as site:
            right &= ran(page, site, releases, "visit 1") == v1
            caches_become(page, [cache_of(first)], "the first release kept")
            site.folder = mixed
            marked = len(site.served)
            right &= ran(page, site, releases, "visit 2, the second half put in place") == v1
            # The worker asks for kalumet.wasm, and once more past the
            # browser's cache, and keeps none of what came.
            idle = "navigator.serviceWorker.getRegistration().then(r => r.installing === null)"
            for _ in browser.deadline_loop(120, "the half-placed release refused"):
                page.pump()
                asked = [p for p, _, _ in site.served[marked:] if p == "/kalumet.wasm"]
                if len(asked) >= 2 and page.evaluate(idle, promise=True):
                    break
            kept = page.evaluate("caches.keys()", promise=True)
            print("visit 2: the worker kept", kept)
            right &= kept == [cache_of(first)]
            site.folder = second
            right &= ran(page, site, releases, "visit 3, the second in place") in (v1, v2)
            caches_become(page, [cache_of(second)], "the second release kept")
            right &= ran(page, site, releases, "visit 4") == v2
            site.stop()
            right &= ran(page, site, releases, "visit 5, the site gone") == v2
        with browser.Server(first) as site:
            site.asked = lambda path: path == "/kalumet.wasm" and setattr(site, "folder", second)
            printed = len(page.console)
            right &= ran(page, site, releases,
                         "a first visit, the second put in place mid-load") == v2
            right &= any("is not all of release" in line for line in page.console[printed:])
        with browser.Server(mixed) as site:
            page.open(site.url("kalumet.html"))
            page.wait_for("document.getElementById('status').textContent.includes('обновите')", 60,
                          "the line to reload")
            line = page.evaluate("document.getElementById('status').textContent")
            print("a first visit to the second half put in place: «%s»" % line)
            right &= page.evaluate("document.getElementById('screen').hidden")
        return right
    finally:
        shutil.rmtree(mixed)
        shutil.rmtree(second)


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


def changed_area(before, after, beyond=0, upto=None):
    """The rectangle (left, top, right, bottom) in which two screenshots
    differ, or None; only the columns from `beyond` on, and before `upto`."""
    (width, height, size, a), (_, _, _, b) = pixels(before), pixels(after)
    upto = width if upto is None else upto
    ys = [y for y in range(height) if a[y][beyond * size:upto * size] != b[y][beyond * size:upto * size]]
    if not ys:
        return None
    xs = [x for y in ys for x in range(beyond, upto)
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
    right = compare(page, "kalumet", origin, RUNS["kalumet"], "kalumet-en.png", "en")[0]
    canvas, heard = page.accessible("#screen"), page.accessible("#said")["lines"][-2:]
    print("kalumet?lang=en: canvas «%s», «%s»; the live region said" % (canvas["name"],
          canvas["description"]), heard)
    return right and canvas["name"] == title and canvas["description"].startswith("Tab and") \
        and heard == ["Step 8: A = B; block “A = 4”; memory: A = 4",
                      "Step 9: B = X; block “B = 5”; memory: B = 5"]


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
    kept = json.loads(re.search(r"const kFiles = (\{.*?\});",
                                open(os.path.join(folder, "serviceworker.js")).read(),
                                re.DOTALL).group(1))
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
            failed |= not heard_after_run(page, name, page.evaluate("document.title"))
            if name == "kalumet" and same:
                failed |= not about_box(page, shot)
            if name == "brivon":
                failed |= not refused(page, origin)
        except TimeoutError as error:
            print(error)
            failed = True
    failed |= not streamed(page, server)
    for scenario in (pace_and_table, english, listing, by_keys, quiet_after_box, projector_fit,
                     from_disk, installable, offline):
        try:
            failed |= not scenario(page, server)
        except TimeoutError as error:
            print(error)
            failed = True
    try:
        failed |= not updates(page, folder, next_release)
    except TimeoutError as error:
        print(error)
        failed = True
    errors = [line for line in page.console if line.startswith("exception:")]
    if errors:
        print("\n".join(errors))
        failed = True
print("screenshots in", shots)
sys.exit(1 if failed else 0)
