"""Both programs are ready to be translated: under a pseudo-translation made
from the catalogue, every text wrapped in ⟦…⟧, no text of either program is
left in Russian, the source language. Checked: --help, a refused option,
the message of a program that finds no screen, and (through the qttexts
test) both windows, the refusal of a box and the about box.

usage: /usr/bin/python3 translatable.py <catalogue .ts> <lrelease> <build folder> <qttexts>
The translation goes where the build's programs look for theirs
(<build>/share/kalumet/translations), as kalumet_eo.qm, for the language
"eo", and is taken away at the end.
"""

import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

WRAPPED = re.compile("⟦[^⟦⟧]*⟧")
RUSSIAN = re.compile("[А-яЁё]")


def untranslated(text):
    """The lines of a program's text with Russian outside the brackets."""
    while WRAPPED.search(text):
        text = WRAPPED.sub("", text)
    return [line for line in text.splitlines() if RUSSIAN.search(line)]


def pseudo_translation(catalogue, lrelease, qm):
    tree = ET.parse(catalogue)
    root = tree.getroot()
    root.set("language", "eo")
    for message in root.iter("message"):
        translation = message.find("translation")
        translation.attrib.clear()
        translation.text = "⟦" + message.findtext("source") + "⟧"
    with tempfile.TemporaryDirectory() as scratch:
        ts = os.path.join(scratch, "kalumet_eo.ts")
        tree.write(ts, encoding="utf-8", xml_declaration=True)
        subprocess.run([lrelease, "-silent", ts, "-qm", qm], check=True)


def main():
    if len(sys.argv) != 5:
        print(__doc__)
        return 2
    catalogue, lrelease, build, qttexts = sys.argv[1:]
    folder = os.path.join(build, "share", "kalumet", "translations")
    os.makedirs(folder, exist_ok=True)
    qm = os.path.join(folder, "kalumet_eo.qm")
    pseudo_translation(catalogue, lrelease, qm)
    env = dict(os.environ, LANGUAGE="eo", LC_ALL="C.UTF-8", QT_QPA_PLATFORM="offscreen")
    headless = {k: v for k, v in env.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    headless.pop("QT_QPA_PLATFORM")
    problems = []
    try:
        for program in ("kalumet", "brivon"):
            binary = os.path.join(build, "demo" if program == "kalumet" else "sorter", program)
            for what, args, environment, stream in (
                    ("--help", ["--help"], env, "stdout"),
                    ("a refused option", ["--bogus"], env, "stderr"),
                    ("no screen", [], headless, "stderr")):
                run = subprocess.run([binary, *args], env=environment, capture_output=True,
                                     text=True, timeout=60)
                said = getattr(run, stream)
                if not said.strip():
                    problems.append(f"{program}, {what}: nothing said")
                problems += [f"{program}, {what}: {line}" for line in untranslated(said)]
        windows = subprocess.run([qttexts, "translated"],
                                 env=env, capture_output=True, text=True, timeout=300)
        if windows.returncode != 0 or "SKIP" in windows.stdout:
            problems.append("the windows:\n" + windows.stdout + windows.stderr)
    finally:
        os.remove(qm)
    for problem in problems:
        print("FAIL:", problem)
    print("ready for translation" if not problems else "texts left untranslated")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
