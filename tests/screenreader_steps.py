"""What a screen reader gets from kalumet, heard as a client on the real
accessibility bus (libatspi): the reading order of the window's children,
and for every step of a demonstration driven by real keys, a notification
that shows, the form a screen reader speaks at once, its label carrying the
lit listing line.

usage: /usr/bin/python3 screenreader_steps.py <kalumet> [-v] [-orca]
Run it on an X display with the accessibility bus up (with_xvfb.sh,
with_a11y_bus.sh). The events of a step that fails are printed; -v prints
those of every step. -orca also runs the screen reader Orca with its debug
log, its speech off unless ORCA_SPEECH is set (Orca logs some of what it
says only with speech on), and prints what it says at each step.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
from datetime import datetime

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# The listing top to bottom; the run of 5, 4, 3 lights every line in turn.
LISTING = ["Private Sub Command1_Click()", "Dim A, B, C, X As Double", "A = CDbl(Text1.Text)",
           "C = CDbl(Text2.Text)", "B = CDbl(Text3.Text)", "If A > B Then", "X = A", "A = B",
           "B = X", "End If", "If B > C Then", "X = C", "C = B", "B = X", "End If",
           "If A > B Then", "X = A", "A = B", "B = X", "End If", "Text1.Text = CStr(A)",
           "Text2.Text = CStr(B)", "Text3.Text = CStr(C)", "End Sub"]
# The runs, by the listing lines their steps light: 5, 4, 3 as loaded, then
# 3, 4, 5 as the first run leaves the boxes.
RUNS = [(("5", "4", "3"), list(range(1, 25))),
        (("3", "4", "5"), [1, 2, 3, 4, 5, 6, 10, 11, 15, 16, 20, 21, 22, 23, 24])]
# The flowchart's labels in the order of the flow, as loaded.
FLOW = ["Начало", "Ввод А", "Ввод В", "Ввод С",
        "A > B", "Да", "X = A", "A = B", "B = X", "Нет",
        "B > C", "Да", "X = C", "C = B", "B = X", "Нет",
        "A > B", "Да", "X = A", "A = B", "B = X", "Нет",
        "Вывод А", "Вывод В", "Вывод С", "Конец"]
TAB_ORDER = ["Сортировать числа по возраствнию", "Число А=", "Число В=", "Число С=",
             "Пошаговый режим", "Назад", "Вперед", "Стоп", "Продолжить", "Сброс", "Выход"]
CHART = "Блок-схема алгоритма сортировки трех чисел"
CODE = "Программый код, реализующий сортировку трех чисел."
DESKTOP = "Рабочий стол компьютера"  # the sorter's picture, around its window
S = Atspi.StateType
ctx = GLib.MainContext.default()
events = []  # what arrived since the last key


class Kid:
    """A child of the window frame, as read once."""

    def __init__(self, acc):
        acc.clear_cache()
        states = acc.get_state_set()
        self.acc, self.role, self.name = acc, acc.get_role_name(), acc.get_name()
        self.visible = states.contains(S.VISIBLE) and states.contains(S.SHOWING)
        self.focusable = states.contains(S.FOCUSABLE)
        r = acc.get_extents(Atspi.CoordType.SCREEN)
        self.centre = (r.x + r.width / 2, r.y + r.height / 2)
        self.rect = (r.x, r.y, r.width, r.height)

    def inside(self, other):
        x, y, w, h = other.rect
        return x <= self.centre[0] < x + w and y <= self.centre[1] < y + h

    def __str__(self):
        return f"{self.role} '{self.name}'"


def record(event):
    src = event.source
    text = event.any_data if isinstance(event.any_data, str) else ""
    try:
        src.clear_cache()
        if event.type.endswith("accessible-name"):
            text = src.get_name()
        elif event.type.startswith("focus:") or event.type.endswith(("focused", "description")):
            text = src.get_description()  # a reader says it with the name
        elif src.get_role_name() == "notification" and src.get_child_count():
            text = src.get_child_at_index(0).get_name()  # what it says
        what = f"{src.get_role_name()} '{src.get_name()}'"
    except GLib.Error:
        what = "(gone)"
    events.append((event.type, src, event.detail1, text, what))


def pump(seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while ctx.iteration(False):
            pass
        time.sleep(0.01)


def wait_for(condition, seconds=15):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump(0.02)
        if condition():
            return True
    return False


def settle():
    """Lets the events of what just happened arrive: 0.2 s without one."""
    count, quiet = -1, 0
    while quiet < 10:
        pump(0.02)
        quiet = quiet + 1 if len(events) == count else 0
        count = len(events)


def kids(frame):
    return [Kid(frame.get_child_at_index(i)) for i in range(frame.get_child_count())]


def has_state(acc, state):
    acc.clear_cache()
    return acc.get_state_set().contains(state)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True,
                          timeout=30).stdout.split()


def reading_order(k, problems):
    """The flowchart, the listing and the sorter's picture in turn; the
    focusable controls in their tab order."""
    at = {id(c): i for i, c in enumerate(k)}
    def named(name, role="image"):
        return next(c for c in k if c.name == name and c.role == role)
    chart, code, desk = named(CHART), named(CODE), named(DESKTOP)
    flow = [c for c in k if c.role == "label" and c.visible and c.inside(chart)]
    lines = [c for c in k if c.role == "label" and c.visible and c.inside(code)]
    picture = [c for c in k if c.inside(desk) and c.acc is not desk.acc] + [desk]
    if [c.name for c in flow] != FLOW:
        problems.append(f"the flowchart reads {[c.name for c in flow]}")
    if [c.name for c in lines] != LISTING:
        problems.append(f"the listing reads {[c.name for c in lines]}")
    memory = at[id(named("Память", "label"))]
    sections = [("the flowchart's picture", [chart]), ("the flowchart", flow),
                ("the listing's picture", [code]), ("the listing", lines),
                ("the sorter's picture", picture)]
    for (first, a), (then, b) in zip(sections, sections[1:]):
        if a and b and max(at[id(c)] for c in a) > min(at[id(c)] for c in b):
            problems.append(f"{then} does not follow {first}")
    if max(at[id(c)] for c in picture) > memory:
        problems.append("the sorter's picture does not come before the memory panel")
    captions = [c.name for c in picture if c.role == "label"]
    if captions != ["Число А=", "Число В=", "Число С="]:
        problems.append(f"the sorter's captions read {captions}")
    tabs = [c.name for c in k if c.focusable]
    if tabs != TAB_ORDER:
        problems.append(f"the focusable controls read {tabs}")


def memory_order(k, problems):
    """"Память", then A, B, C and X, each name before its value on its row."""
    i = next(i for i, c in enumerate(k) if c.name == "Память")
    panel = k[i + 1:i + 9]
    names = [c.name for c in panel[0::2]]
    rows = all(v.role == "label" and v.visible and v.name and n.rect[1] <= v.centre[1] < n.rect[1] + n.rect[3]
               and v.centre[0] > n.centre[0] for n, v in zip(panel[0::2], panel[1::2]))
    if names != ["A", "B", "C", "X"] or not rows:
        problems.append("the memory panel reads " + str([str(c) for c in k[i:i + 9]]))
    run_controls = next(j for j, c in enumerate(k) if c.name == "Пошаговый режим")
    if run_controls < i + 9:
        problems.append("the run controls do not follow the memory panel")


def show(title, recorded):
    print(title)
    for type_, _, detail, text, what in recorded:
        print(f"    {type_} {detail} {what}" + (f" «{text}»" if text else ""))


class Orca:
    """Orca with speech off, what it would say read from its debug log,
    each line by its time after the key that preceded it."""

    def __init__(self, folder):
        self.log, self.keys = os.path.join(folder, "orca.log"), []
        speech = [] if os.environ.get("ORCA_SPEECH") else ["-d", "speech"]
        self.process = subprocess.Popen(["orca", *speech, "-u", folder, "--debug-file", self.log],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        pump(6)  # its start; the log is written in blocks

    def key(self, title):
        self.keys.append((datetime.now().strftime("%H:%M:%S.%f"), title))

    def transcript(self):
        self.process.terminate()  # it writes out its log as it ends
        self.process.wait(20)
        said = {}
        for line in open(self.log, encoding="utf-8", errors="replace"):
            m = re.match(r"(\S+) - SPEECH OUTPUT: '(.*)'\s*[\[{]", line)
            before = [title for time_, title in self.keys if m and time_ <= m.group(1)]
            if before:
                said.setdefault(before[-1], []).append(m.group(2).strip())
        print("What Orca would say:")
        for _, title in self.keys:
            print(f"  {title}: {' | '.join(said.get(title, []))}")


orca = None


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    global orca
    verbose = "-v" in sys.argv[2:]
    runtime = tempfile.mkdtemp()
    if "-orca" in sys.argv[2:]:
        orca = Orca(runtime)
    program = subprocess.Popen([sys.argv[1]], env=dict(os.environ, XDG_RUNTIME_DIR=runtime),
                               stderr=subprocess.DEVNULL)
    try:
        return listen(program, verbose)
    finally:
        for p in (program, orca and orca.process):
            if p:
                p.kill()
                p.wait()
        shutil.rmtree(runtime)


def listen(program, verbose):
    def application():
        desktop = Atspi.get_desktop(0)
        apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
        return next((a for a in apps if a and a.get_process_id() == program.pid
                     and a.get_child_count() > 0), None)
    if not wait_for(application):
        print("kalumet did not appear on the accessibility bus")
        return 1
    frame = next(c for c in (application().get_child_at_index(i) for i in range(application().get_child_count()))
                 if c.get_role_name() == "frame")
    listener = Atspi.EventListener.new(record)
    for kind in ("object:", "window:", "focus:"):
        listener.register(kind)
    window = xdotool("search", "--sync", "--onlyvisible", "--pid", str(program.pid))[0]
    xdotool("windowfocus", "--sync", window)

    problems = []
    def control(name, role="push button"):
        return next(c.acc for c in kids(frame) if c.name == name and c.role == role)
    sort = control(TAB_ORDER[0])
    if not wait_for(lambda: has_state(sort, S.FOCUSED)):
        print("the sort button has no focus at load")
        return 1
    loaded = kids(frame)
    reading_order(loaded, problems)
    code = next(c for c in loaded if c.name == CODE)
    lines = sorted((c.acc for c in loaded if c.role == "label" and c.inside(code)),
                   key=lambda acc: Kid(acc).centre[1])
    boxes = [control(n, "text") for n in TAB_ORDER[1:4]]
    silent = drive(frame, sort, control("Вперед"), boxes, lines, verbose, problems)
    if orca:
        orca.transcript()
    if silent:
        problems.append(f"{len(silent)} steps (run.step) with nothing presentable: {' '.join(silent)}")
    for p in problems:
        print("FAIL:", p)
    steps = sum(len(path) for _, path in RUNS)
    print(f"{steps} steps in {len(RUNS)} runs heard: {'FAILED' if problems else 'passed'}")
    return 1 if problems else 0


def drive(frame, sort, forward, boxes, lines, verbose, problems):
    """The runs, step by step; the steps with nothing presentable."""
    silent = []
    for run, (numbers, path) in enumerate(RUNS, 1):
        typed = ", ".join(b.get_text(0, -1) for b in boxes)
        if typed != ", ".join(numbers):
            problems.append(f"run {run}: the boxes hold {typed}, want {', '.join(numbers)}")
            return silent
        settle()
        events.clear()
        if orca:
            orca.key(f"run {run} ({typed}), start")
        if run == 1:
            xdotool("key", "Return")
        else:  # a deliberate start: the sort button clicked
            x, y = Kid(sort).centre
            xdotool("mousemove", str(int(x)), str(int(y)), "click", "1")
        if not wait_for(lambda: has_state(forward, S.FOCUSED)):
            problems.append(f"run {run} ({typed}): no focus on 'Вперед' after the start")
            return silent
        settle()
        if verbose:
            show(f"run {run} ({typed}), start:", events)
        for step, line in enumerate(path, 1):
            events.clear()
            if orca:
                orca.key(f"run {run}, step {step}, line {line} «{LISTING[line - 1]}»")
            xdotool("key", "Return")
            if not wait_for(lambda: has_state(lines[line - 1], S.SELECTED)):
                problems.append(f"run {run} ({typed}), step {step}: the line {line} did not light")
                return silent
            settle()
            text = LISTING[line - 1]
            focus = next((c for c in kids(frame) if has_state(c.acc, S.FOCUSED)), None)
            # A notification showing with the line: said at once, wherever
            # the focus is.
            heard = any(type_ == "object:state-changed:showing" and detail == 1 and text in said
                        and what.startswith("notification ")
                        for type_, _, detail, said, what in events)
            title = f"run {run} ({typed}), step {step}, line {line} «{text}», focus on {focus}"
            if focus is None or focus.name != ("Число А=" if step == len(path) else "Вперед"):
                problems.append(f"{title}: the focus should be on "
                                + ("the first box" if step == len(path) else "'Вперед'"))
            if not heard:
                silent.append(f"{run}.{step}")
                show(f"{title}: nothing presentable carries the line; the events:", events)
            elif verbose:
                show(title + ":", events)
            if run == 1 and line == 20:  # all the memory shown
                memory_order(kids(frame), problems)
    return silent

if __name__ == "__main__":
    sys.exit(main())
