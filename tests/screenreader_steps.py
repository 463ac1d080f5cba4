"""What a screen reader gets from kalumet, heard as a client on the real
accessibility bus (libatspi), with the screen reader Orca listening:
- the reading order of the window's children;
- two runs step by step, driven by real keys: each step a notification
  that shows, the form a screen reader speaks at once, saying the step as
  the table below has it (line, blocks, memory, box); "Назад" in the middle
  of the first, saying the step now shown; an edit of a box refused during
  the run, with no text change on the bus;
- one automatic run with the about box opened on the way: the steps said
  in short, none while the box is open and the first after it in full,
  none within 1.5 s of one said in full, and the run's result the last
  thing Orca says (its speech off, what it would say read from its debug
  log);
- a run of 5, 4, 3 with «Проверь себя» on (F3), keyed by PageDown: the
  question at step 6 an alert with two answers showing, said before «Да» is
  pressed; the trace table (F2) read through the table interface, its last
  row holding the verdict, closed by Esc; the run then made automatic at a
  slower pace (−) and paused by ticking "Пошаговый режим", the pause said;
- a double click's clearing said, "Сброс" leaving no notification showing,
  and the pictured close box pressed through its action, which ends the
  program.

usage: /usr/bin/python3 screenreader_steps.py <kalumet> [-v]
Run it on an X display with the accessibility bus up (with_xvfb.sh,
with_a11y_bus.sh). The events of a step that fails are printed; -v prints
those of every step, and what Orca would say.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import warnings
from datetime import datetime

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

# The listing top to bottom; the run of 5, 4, 3 lights every line in turn.
LISTING = ["Private Sub Command1_Click()", "Dim A, B, C, X As Double", "A = CDbl(Text1.Text)",
           "C = CDbl(Text2.Text)", "B = CDbl(Text3.Text)", "If A > B Then", "X = A", "A = B",
           "B = X", "End If", "If B > C Then", "X = C", "C = B", "B = X", "End If",
           "If A > B Then", "X = A", "A = B", "B = X", "End If", "Text1.Text = CStr(A)",
           "Text2.Text = CStr(B)", "Text3.Text = CStr(C)", "End Sub"]
# What is said of each step shown by "Вперед", the runs of 5, 4, 3 as loaded
# and of 3, 4, 5 as the first run leaves the boxes, by the step's number.
SAID = [{
    1: "Private Sub Command1_Click(); блок «Начало»",
    2: "Dim A, B, C, X As Double; память: A, B, C, X",
    3: "A = CDbl(Text1.Text); блок «Ввод А»; память: A = 5",
    4: "C = CDbl(Text2.Text); блок «Ввод В»; память: B = 4",
    5: "B = CDbl(Text3.Text); блок «Ввод С»; память: C = 3",
    6: "If A > B Then; блок «5 > 4»",
    7: "X = A; блок «Да», «X = 5»; память: X = 5",
    8: "A = B; блок «A = 4»; память: A = 4",
    9: "B = X; блок «B = 5»; память: B = 5",
    10: "End If",
    11: "If B > C Then; блок «5 > 3»",
    12: "X = C; блок «Да», «X = 3»; память: X = 3",
    13: "C = B; блок «C = 5»; память: C = 5",
    14: "B = X; блок «B = 3»; память: B = 3",
    15: "End If",
    16: "If A > B Then; блок «4 > 3»",
    17: "X = A; блок «Да», «X = 4»; память: X = 4",
    18: "A = B; блок «A = 3»; память: A = 3",
    19: "B = X; блок «B = 4»; память: B = 4",
    20: "End If",
    21: "Text1.Text = CStr(A); блок «Вывод А»; поле «Число А=»: 3",
    22: "Text2.Text = CStr(B); блок «Вывод В»; поле «Число В=»: 4",
    23: "Text3.Text = CStr(C); блок «Вывод С»; поле «Число С=»: 5",
    24: "End Sub; блок «Конец»; память очищена. Готово: 3; 4; 5",
}, {
    1: "Private Sub Command1_Click(); блок «Начало»",
    2: "Dim A, B, C, X As Double; память: A, B, C, X",
    3: "A = CDbl(Text1.Text); блок «Ввод А»; память: A = 3",
    4: "C = CDbl(Text2.Text); блок «Ввод В»; память: B = 4",
    5: "B = CDbl(Text3.Text); блок «Ввод С»; память: C = 5",
    6: "If A > B Then; блок «3 > 4», «Нет»",
    10: "End If",
    11: "If B > C Then; блок «4 > 5», «Нет»",
    15: "End If",
    16: "If A > B Then; блок «3 > 4», «Нет»",
    20: "End If",
    21: "Text1.Text = CStr(A); блок «Вывод А»; поле «Число А=»: 3",
    22: "Text2.Text = CStr(B); блок «Вывод В»; поле «Число В=»: 4",
    23: "Text3.Text = CStr(C); блок «Вывод С»; поле «Число С=»: 5",
    24: "End Sub; блок «Конец»; память очищена. Готово: 3; 4; 5",
}]
RESULT = "Готово: 3; 4; 5"
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
QUIZ, TRACE = "Проверь себя", "Таблица трассировки"
QUESTION = "Шаг 6: If A > B Then — 5 > 4?"
PAUSED = "Показ приостановлен: пошаговый режим, «Вперед» — следующий шаг"
DESKTOP = "Рабочий стол компьютера"  # the sorter's picture, around its window
S = Atspi.StateType
ctx = GLib.MainContext.default()
events = []  # what arrived since the last key
problems = []


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
    events.append((event.type, src, event.detail1, text, what, time.monotonic()))


def pump(seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while ctx.iteration(False):
            pass
        time.sleep(0.01)


def wait_for(condition, seconds=60):
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
    for type_, _, detail, text, what, _ in recorded:
        print(f"    {type_} {detail} {what}" + (f" «{text}»" if text else ""))



def said(recorded):
    """What the window's notifications said, as (time, text)."""
    return [(at, text) for type_, _, detail, text, what, at in recorded
            if type_ == "object:state-changed:showing" and detail == 1
            and what.startswith("notification ")]


# Orca as it is, but for its debug log, written line by line as it goes
# (Orca keeps it in blocks until it ends, and ends slowly).
ORCA = """
import builtins, runpy, sys
plain = builtins.open
def line_by_line(file, mode="r", *args, **kwargs):
    if mode == "w" and not args and "buffering" not in kwargs:
        kwargs["buffering"] = 1
    return plain(file, mode, *args, **kwargs)
builtins.open = line_by_line
sys.argv[0] = "orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
"""


class Orca:
    """Orca with speech off, what it would say read from its debug log."""

    def __init__(self, folder):
        self.log = os.path.join(folder, "orca.log")
        self.process = subprocess.Popen(
            ["/usr/bin/python3", "-c", ORCA, "-d", "speech", "-u", folder, "--debug-file", self.log],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Ready once it has registered for the bus's events, all of them.
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                    None, GLib.VariantType("(s)"), 0, -1, None).unpack()[0]
        self.bus = Gio.DBusConnection.new_for_address_sync(
            address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        counts = []
        def registered():
            counts.append(len(self.bus.call_sync(
                "org.a11y.atspi.Registry", "/org/a11y/atspi/registry", "org.a11y.atspi.Registry",
                "GetRegisteredEvents", None, None, 0, -1, None).unpack()[0]))
            return len(counts) > 10 and counts[-1] > 10 and counts[-1] == counts[-11]
        if not wait_for(registered):
            raise RuntimeError("Orca did not start")

    def said(self):
        """What it has said so far, as (time of day in seconds, text)."""
        lines = []
        for line in open(self.log, encoding="utf-8", errors="replace"):
            m = re.match(r"(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)'\s*[\[{]", line)
            if m:
                h, mi, sec, text = m.groups()
                lines.append((int(h) * 3600 + int(mi) * 60 + float(sec), text.strip()))
        return lines


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    verbose = "-v" in sys.argv[2:]
    runtime = tempfile.mkdtemp()
    orca = Orca(runtime)
    program = subprocess.Popen([sys.argv[1]], env=dict(os.environ, XDG_RUNTIME_DIR=runtime),
                               stderr=subprocess.DEVNULL)
    try:
        listen(program, orca, verbose)
    finally:
        for p in (program, orca.process):
            if p.poll() is None:
                p.kill()
                p.wait()
        shutil.rmtree(runtime)
    for p in problems:
        print("FAIL:", p)
    print("heard: " + ("FAILED" if problems else "passed"))
    return 1 if problems else 0


class Window:
    """kalumet's frame on the bus, its controls by name."""

    def __init__(self, frame):
        self.frame = frame

    def kids(self):
        return kids(self.frame)

    def control(self, name, role="push button"):
        return next(c.acc for c in self.kids() if c.name == name and c.role == role)

    def focused(self):
        return next((c for c in self.kids() if has_state(c.acc, S.FOCUSED)), None)

    def focus_on(self, name, key):
        """Moves the focus with `key` (Tab, shift+Tab) to the control `name`."""
        for _ in range(12):
            focus = self.focused()
            if focus and focus.name == name:
                return True
            xdotool("key", key)
            wait_for(lambda: self.focused() is not focus, 5)
        problems.append(f"the focus never reached {name}")
        return False


def listen(program, orca, verbose):
    def application():
        desktop = Atspi.get_desktop(0)
        apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
        return next((a for a in apps if a and a.get_process_id() == program.pid
                     and a.get_child_count() > 0), None)
    if not wait_for(application):
        problems.append("kalumet did not appear on the accessibility bus")
        return
    app = application()
    window = Window(next(c for c in (app.get_child_at_index(i) for i in range(app.get_child_count()))
                        if c.get_role_name() == "frame"))
    listener = Atspi.EventListener.new(record)
    for kind in ("object:", "window:", "focus:"):
        listener.register(kind)
    xwin = xdotool("search", "--sync", "--onlyvisible", "--pid", str(program.pid))[0]
    xdotool("windowfocus", "--sync", xwin)

    sort = window.control(TAB_ORDER[0])
    if not wait_for(lambda: has_state(sort, S.FOCUSED)):
        problems.append("the sort button has no focus at load")
        return
    loaded = window.kids()
    reading_order(loaded, problems)
    code = next(c for c in loaded if c.name == CODE)
    lines = sorted((c.acc for c in loaded if c.role == "label" and c.inside(code)),
                   key=lambda acc: Kid(acc).centre[1])
    boxes = [window.control(n, "text") for n in TAB_ORDER[1:4]]
    forward = window.control("Вперед")
    for run in (0, 1):
        if not step_by_step(window, run, sort, forward, boxes, lines, verbose):
            return
    automatic(window, orca, sort, lines, xwin, verbose)
    teaching(app, window, orca, sort, boxes, lines, program, xwin)
    cleared(window, program)


def click(acc):
    x, y = Kid(acc).centre
    xdotool("mousemove", str(int(x)), str(int(y)), "click", "1")


def step_said(title, expected, verbose):
    """The one notification of a step, the expected text."""
    settle()
    heard = [text for _, text in said(events)]
    if heard != [expected]:
        problems.append(f"{title}: heard {heard}, want «{expected}»")
        show(title + ", the events:", events)
    elif verbose:
        show(title + ":", events)


def step_by_step(window, run, sort, forward, boxes, lines, verbose):
    """A run by "Вперед", each step said in full."""
    typed = [b.get_text(0, -1) for b in boxes]
    settle()
    events.clear()
    if run == 0:
        xdotool("key", "Return")
    else:  # a deliberate start: the sort button clicked
        click(sort)
    if not wait_for(lambda: has_state(forward, S.FOCUSED)):
        problems.append(f"run {run + 1} ({typed}): no focus on 'Вперед' after the start")
        return False
    steps = sorted(SAID[run])
    for i, step in enumerate(steps):
        events.clear()
        xdotool("key", "Return")
        title = f"run {run + 1} ({', '.join(typed)}), step {step}"
        if not wait_for(lambda: has_state(lines[step - 1], S.SELECTED)):
            problems.append(f"{title}: the line did not light")
            return False
        step_said(title, f"Шаг {step}: {SAID[run][step]}", verbose)
        focus = window.focused()
        want = "Число А=" if step == 24 else "Вперед"
        if not focus or focus.name != want:
            problems.append(f"{title}: the focus is on {focus}, not on {want}")
        if run == 0 and step == 3:
            refused_edit(boxes[1], title)
        if run == 0 and step == 6:
            back(window, lines, title, verbose)
        if run == 0 and step == 20:  # all the memory shown
            memory_order(window.kids(), problems)
    return True


def refused_edit(box, title):
    """An edit of a box in a run: refused, with no text change on the bus."""
    settle()
    events.clear()
    before = box.get_text(0, -1)
    Atspi.EditableText.set_text_contents(box, "777")
    settle()
    changes = [e for e in events if e[0].startswith("object:text-changed")]
    if box.get_text(0, -1) != before or changes:
        problems.append(f"{title}: an edit of the box in the run reads "
                        f"«{box.get_text(0, -1)}», with {len(changes)} text changes")


def back(window, lines, title, verbose):
    """"Назад" after step 6: step 5 said again, prefixed; "Вперед" shows 6 again."""
    if not window.focus_on("Назад", "shift+Tab"):
        return
    events.clear()
    xdotool("key", "Return")
    if not wait_for(lambda: not has_state(lines[5], S.SELECTED)):
        problems.append(f"{title}: 'Назад' left the line of step 6 lit")
    step_said(f"{title}, Назад", f"Назад. Шаг 5: {SAID[0][5]}", verbose)
    if not window.focus_on("Вперед", "Tab"):
        return
    events.clear()
    xdotool("key", "Return")
    wait_for(lambda: has_state(lines[5], S.SELECTED))
    step_said(f"{title}, Вперед again", f"Шаг 6: {SAID[0][6]}", verbose)


def automatic(window, orca, sort, lines, xwin, verbose):
    """An automatic run of 3, 4, 5 with the about box opened on the way."""
    settle()
    events.clear()
    start = time.monotonic()
    click(sort)
    forward = window.control("Вперед")
    if not (wait_for(lambda: has_state(forward, S.FOCUSED))
            and window.focus_on("Пошаговый режим", "shift+Tab")):
        problems.append("automatic run: no way to the mode box")
        return
    xdotool("key", "space")
    if not window.focus_on("Продолжить", "Tab"):
        return
    xdotool("key", "Return")
    # The about box opens with the third line lit, and stays for 2 s.
    if not wait_for(lambda: has_state(lines[2], S.SELECTED)):
        problems.append("automatic run: the steps did not come")
        return
    xdotool("key", "Escape")
    if not wait_for(lambda: window.focused() is None):
        problems.append("automatic run: the about box did not open")
    opened = time.monotonic()
    while time.monotonic() < opened + 2:
        pump(0.05)
    xdotool("key", "Return")
    closed = time.monotonic()
    # With no window manager the X server gives the keyboard back to no
    # window; a desktop gives it to the window that opened the box.
    wait_for(lambda: any(type_ == "window:deactivate" and what == "(gone)"
                         for type_, _, _, _, what, at in events if at > opened))
    xdotool("windowfocus", "--sync", xwin)
    first = window.control("Число А=", "text")
    if not wait_for(lambda: has_state(first, S.FOCUSED)):
        problems.append("automatic run: it did not end with the focus in the first box")
    settle()
    heard = said(events)
    if verbose:
        show("automatic run:", events)
    during = [text for at, text in heard if opened < at < closed]
    if during:
        problems.append(f"automatic run: said while the about box was open: {during}")
    after = [(at, text) for at, text in heard if at > closed]
    if not after or after[-1][1] != RESULT:
        problems.append(f"automatic run: the end said {after[-1:]} , want «{RESULT}»")
    first = re.match(r"Шаг (\d+): ", after[0][1]) if after else None
    if not first or after[0][1] != f"Шаг {first.group(1)}: {SAID[1][int(first.group(1))]}":
        problems.append(f"automatic run: the first step after the about box was said {after[:1]}, "
                        "not in full")
    for at, text in heard:
        if text.startswith("Шаг") and ";" not in text and len(text) > 40:
            problems.append(f"automatic run: «{text}» is longer than 40 characters")
    transcript(orca, start, verbose)


def transcript(orca, start, verbose):
    """Orca's: no step said within 1.5 s of one said in full, the result last."""
    now = time.time() - time.monotonic()  # the monotonic clock's start, as time of day
    day = datetime.now().replace(hour=0, minute=0, second=0, microsecond=0).timestamp()
    since = start + now - day
    # Orca may still be saying the run before (it falls behind on a busy
    # machine): this run's result comes after its about box.
    def this_run():
        run = [(at, text) for at, text in orca.said() if at >= since]
        about = next((i for i, (_, text) in enumerate(run) if text.startswith("alert")), len(run))
        return run[about:]
    if not wait_for(lambda: any(RESULT in text for _, text in this_run())):
        problems.append(f"Orca never said «{RESULT}» in the automatic run")
    run = [(at, text) for at, text in orca.said() if at >= since]
    if verbose:
        print("What Orca would say in the automatic run:")
        for at, text in run:
            print(f"  {at - since:6.2f} s  {text}")
    steps = [(at, text) for at, text in run if text.startswith(("Шаг", "Готово"))]
    about = next((at for at, text in run if text.startswith("alert")), None)
    for (at, text), (next_at, next_text) in zip(steps, steps[1:]):
        told_in_full = ";" in text or (about and at > about and not any(a > about and a < at for a, _ in steps))
        if told_in_full and next_at - at < 1.5:
            problems.append(f"Orca: «{next_text}» {next_at - at:.2f} s after «{text}»")
    if not run or RESULT not in run[-1][1]:
        problems.append(f"Orca's last words in the automatic run: {run[-1:]}, want «{RESULT}»")
    print("Orca in the automatic run:", " | ".join(text for _, text in run))


def tree(acc):
    """acc and everything below it."""
    yield acc
    for i in range(acc.get_child_count()):
        yield from tree(acc.get_child_at_index(i))


def teaching(app, window, orca, sort, boxes, lines, program, xwin):
    """A run of 5, 4, 3 by PageDown with «Проверь себя» on: step 6 asked and
    «Да» answered, step 7 by the next PageDown; the trace table of the seven
    steps (F2), closed by Esc; the
    run then automatic, 1 s a step (−), paused by ticking the mode box."""
    start = len(orca.said())
    def heard(text):  # by Orca since the start, a line beginning so
        if not wait_for(lambda: any(t.startswith(text) for _, t in orca.said()[start:]), 30):
            problems.append(f"Orca did not say «{text}»: {[t for _, t in orca.said()[start:]]}")
    def key(name, says):  # the notification it shows
        events.clear()
        xdotool("key", name)
        if not wait_for(lambda: says in [t for _, t in said(events)], 30):
            problems.append(f"{name} said {said(events)}, not «{says}»")
    def shown(name):  # a window by its name (it comes before its parts)
        return next((w for w in tree(app) if w.get_name() == name and has_state(w, S.SHOWING)), None)
    def focus(xid, acc):  # no window manager: the keyboard goes where a desktop would give it
        xdotool("windowfocus", "--sync", xid)
        wait_for(lambda: has_state(acc, S.ACTIVE))
    for box, text in zip(boxes, "543"):
        Atspi.EditableText.set_text_contents(box, text)
    click(sort)
    forward, stop = window.control("Вперед"), window.control("Стоп")
    wait_for(lambda: has_state(forward, S.FOCUSED))
    key("F3", "Проверь себя: включено")
    # Step 7 right after the answer: the PageDown that opened the box let
    # go over the blocked window, and the next one still steps.
    for step in range(1, 8):
        xdotool("key", "Next")
        if step == 6:
            box = wait_for(lambda: shown(QUIZ)) and shown(QUIZ)
            answers = [a.get_name() for a in tree(box) if a.get_role_name() == "push button"
                       and has_state(a, S.SHOWING)] if box else []
            if answers != ["Да", "Нет"] or box.get_role_name() not in ("alert", "dialog"):
                problems.append(f"«{QUIZ}» at step 6: {box and box.get_role_name()}, answers {answers}")
                return
            heard(QUESTION)
            xdotool("key", "Return")  # «Да», the default
        if not wait_for(lambda: has_state(lines[step - 1], S.SELECTED)):
            problems.append(f"«{QUIZ}»: step {step} did not come")
            return
    focus(xwin, window.frame)
    xdotool("key", "F2")
    trace = wait_for(lambda: shown(TRACE)) and shown(TRACE)
    table = next((a for a in tree(trace) if a.get_role_name() == "table"), None) if trace else None
    if not table or table.get_name() != TRACE:
        problems.append(f"F2: no table «{TRACE}» on the bus")
        return
    T = Atspi.Table
    headers = [T.get_column_header(table, c).get_name() for c in range(T.get_n_columns(table))]
    rows = [[T.get_accessible_at(table, r, c).get_name() for c in range(len(headers))]
            for r in range(T.get_n_rows(table))]
    if headers != ["Шаг", "Строка", "A", "B", "C", "X", "Условие"] or len(rows) != 7 \
            or rows[2] != ["3", "A = CDbl(Text1.Text)", "5", "", "", "", ""] or rows[5][6] != "Да (верно)":
        problems.append(f"the trace table reads {headers}, {rows}")
    def others():
        return [w for w in xdotool("search", "--onlyvisible", "--pid", str(program.pid)) if w != xwin]
    wait_for(others)
    focus(others()[0], trace)
    xdotool("key", "Escape")
    if not wait_for(lambda: not shown(TRACE)):
        problems.append("Esc left the trace table open")
    focus(xwin, window.frame)
    key("F3", "Проверь себя: выключено")  # for the timer not to ask
    key("minus", "Темп: 1 с на шаг")
    if not window.focus_on("Пошаговый режим", "shift+Tab"):
        return
    xdotool("key", "space")
    if not window.focus_on("Продолжить", "Tab"):
        return
    # Return, just after the Enter that closed a box let go over no window.
    xdotool("key", "Return")
    if not (wait_for(lambda: has_state(stop, S.FOCUSED)) and window.focus_on("Пошаговый режим", "shift+Tab")):
        problems.append("«Продолжить» did not start the timer")
        return
    # On the bus: Orca, still reading the table on a busy machine, may let
    # a notification pass unsaid.
    key("space", PAUSED)
    if has_state(stop, S.ENABLED) or not has_state(forward, S.ENABLED):
        problems.append("paused: 'Стоп' enabled or 'Вперед' not")
    print("Orca, «Проверь себя» and the pause:", " | ".join(t for _, t in orca.said()[start:]))


def cleared(window, program):
    """A double click's clearing said; "Сброс" leaves nothing showing; the
    pictured close box pressed by its action ends the program."""
    chart = next(c for c in window.kids() if c.name == CHART)
    code = next(c for c in window.kids() if c.name == CODE)
    x = (chart.rect[0] + chart.rect[2] + code.rect[0]) / 2  # bare, between the two
    settle()
    events.clear()
    xdotool("mousemove", str(int(x)), str(int(chart.centre[1])), "click", "--repeat", "2", "1")
    settle()
    if [text for _, text in said(events)] != ["Выделение и память очищены"]:
        problems.append(f"a double click said {said(events)}")
    click(window.control("Сброс"))
    settle()
    note = next((c for c in window.kids() if c.role == "notification"), None)
    if note and (has_state(note.acc, S.SHOWING) or has_state(note.acc, S.VISIBLE)):
        problems.append("'Сброс' leaves a notification showing")
    closer = window.control("Закрыть")
    with warnings.catch_warnings():  # libatspi's name for it in Debian 12
        warnings.simplefilter("ignore", DeprecationWarning)
        actions = [Atspi.Action.get_action_name(closer, i)
                   for i in range(Atspi.Action.get_n_actions(closer))]
    if not actions:
        problems.append("the pictured close box has no action")
        return
    Atspi.Action.do_action(closer, 0)
    if not wait_for(lambda: program.poll() is not None) or program.returncode != 0:
        problems.append(f"pressing the pictured close box ({actions[0]}) did not end the "
                        f"program with 0: {program.poll()}")


if __name__ == "__main__":
    sys.exit(main())
