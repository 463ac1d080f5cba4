"""A demonstration of 5, 4, 3 in the installed kalumet, as a client on the
accessibility bus: the three numbers typed into the boxes, the sort button
pressed, the run made automatic at its fastest pace and let run to its
end, when the sort button takes presses again; the boxes must then read
3, 4, 5. Then
"Выход" ends the program, with status 0.

usage: /usr/bin/python3 demonstration.py <kalumet>
Run it on an X display with the accessibility bus up (tests/with_xvfb.sh,
tests/with_a11y_bus.sh).
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

SORT = "Сортировать числа по возраствнию"
BOXES = ["Число А=", "Число В=", "Число С="]
ctx = GLib.MainContext.default()


def wait_for(what, condition, seconds=60):
    """Runs the bus's events until the condition holds; fails after the deadline."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while ctx.iteration(False):
            pass
        try:
            if condition():
                return
        except GLib.Error:
            pass  # the window is still being made
        time.sleep(0.05)
    sys.exit(f"FAIL: waited {seconds} s for {what}")


def children(acc):
    for i in range(acc.get_child_count()):
        child = acc.get_child_at_index(i)
        child.clear_cache()
        yield child


def control(frame, name, role):
    return next(c for c in children(frame) if c.get_name() == name and c.get_role_name() == role)


def enabled(acc):
    acc.clear_cache()
    return acc.get_state_set().contains(Atspi.StateType.ENABLED)


def press(acc):
    Atspi.Action.do_action(acc, 0)


def main():
    runtime = tempfile.mkdtemp()
    program = subprocess.Popen([sys.argv[1], "--pace", "0,25"],
                               env=dict(os.environ, XDG_RUNTIME_DIR=runtime, LANGUAGE="ru"))
    try:
        def application():
            desktop = Atspi.get_desktop(0)
            return next((a for a in children(desktop)
                         if a and a.get_process_id() == program.pid and a.get_child_count()), None)
        wait_for("kalumet on the accessibility bus", application)
        frame = next(c for c in children(application()) if c.get_role_name() == "frame")
        wait_for("the sort button", lambda: control(frame, SORT, "push button"))
        boxes = [control(frame, name, "text") for name in BOXES]
        for box, number in zip(boxes, "543"):
            Atspi.EditableText.set_text_contents(box, number)
        typed = [b.get_text(0, -1) for b in boxes]
        if typed != ["5", "4", "3"]:
            sys.exit(f"FAIL: the boxes read {typed} after typing 5, 4, 3")
        sort = control(frame, SORT, "push button")
        press(sort)
        wait_for("the run to start", lambda: not enabled(sort))
        press(control(frame, "Пошаговый режим", "check box"))
        press(control(frame, "Продолжить", "push button"))
        wait_for("the run to end", lambda: enabled(sort))
        result = [b.get_text(0, -1) for b in boxes]
        print(f"the boxes after the demonstration of 5, 4, 3: {', '.join(result)}")
        if result != ["3", "4", "5"]:
            sys.exit("FAIL: the demonstration did not end with 3, 4, 5")
        press(control(frame, "Выход", "push button"))
        wait_for("kalumet to end after «Выход»", lambda: program.poll() is not None)
        if program.returncode != 0:
            sys.exit(f"FAIL: kalumet ended with status {program.returncode}")
        print("demonstration passed")
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()
        shutil.rmtree(runtime)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main()
