#!/usr/bin/python3
# The window as a screen reader meets it over the AT-SPI bus: a frame named "Morvelin", the named
# keys, 7 + 8 = pressed through the keys' actions and read back from the display, the help shown
# once Date is selected through its option button, and the display's description of a date
# difference and of typed dates told from today. Then in German (de_DE.UTF-8): the keys' names,
# a difference on the display and its description, and a typed date told from today without an
# English word. Then in each language that is neither Latin-script European nor English: the
# option buttons, the keys' names, a difference and its description without an English word; in
# Arabic, Hebrew and Persian the options running from the right, and 7 8 9 from the left in every
# language. The program runs under faketime, its clock started at Monday, 7 December 2026, 14:03:27.
# Usage, inside a D-Bus session on an X display: atspi_check.py PROGRAM
import os
import re
import signal
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

SEPARATORS = {"/": "Date separator"}
GERMAN_SEPARATORS = {"/": "Datumstrennzeichen"}
# Keys by index, pressed whatever their names: digits, the separator, Dif and =.
PAD = {"7": 3, "8": 4, "9": 5, "4": 8, "5": 9, "6": 10, "1": 13, "2": 14, "3": 15, "0": 18, "/": 20}
DIFFERENCE, EQUALS = 11, 22
WORLD = {"ar_EG": True, "he_IL": True, "fa_IR": True, "ja_JP": False, "zh_CN": False, "ko_KR": False,
         "tr_TR": False, "uk_UA": False}  # locale: whether it reads right to left
NUMBER_KEYS = ("Backspace,Clear entry,Clear all,7,8,9,Divide,Square root,4,5,6,Multiply,Percent,"
               "1,2,3,Subtract,Reciprocal,0,Change sign,Decimal point,Add,Equals").split(",")


def named(app, name):
    try:
        return app and app.name == name and app.childCount
    except GLib.GError:  # the program checked before may linger on the bus a moment after it ended
        return False


def application(name):
    for _ in range(100):
        apps = [app for app in pyatspi.Registry.getDesktop(0) if named(app, name)]
        if apps:
            return apps[0]
        time.sleep(0.2)
    sys.exit(f"atspi_check: no accessible application named {name}")


def act(node, action_name):
    actions = node.queryAction()
    actions.doAction([actions.getName(i) for i in range(actions.nActions)].index(action_name))
    time.sleep(0.3)  # Qt presses a button through an animated click, a tenth of a second later.


def controls(frame, separators):
    """The frame's controls by role, the keys by name, and a press and a select that act on them."""
    by_role = lambda role: [child for child in frame if child.getRole() == role]
    keys = lambda: {key.name: key for key in by_role(pyatspi.ROLE_PUSH_BUTTON)}  # named by the mode

    def press(*names):  # key names, or entries typed a character at a time
        for name in names:
            for key in [name] if name in keys() else [separators.get(c, c) for c in name]:
                act(keys()[key], "Press")

    def select(mode):
        act(next(option for option in by_role(pyatspi.ROLE_PANEL)[0] if option.name == mode), "Toggle")

    return by_role, keys, press, select


def difference_texts(frame):
    """Date selected and 1/1/2000 Dif 8/1/2000 = pressed by index: the texts a reader hears then."""
    by_role = controls(frame, {})[0]
    keys, options = by_role(pyatspi.ROLE_PUSH_BUTTON), list(by_role(pyatspi.ROLE_PANEL)[0])
    act(options[1], "Toggle")
    for key in [*[PAD[c] for c in "1/1/2000"], DIFFERENCE, *[PAD[c] for c in "8/1/2000"], EQUALS]:
        act(keys[key], "Press")
    display = by_role(pyatspi.ROLE_TEXT)[0]
    texts = [node.name for node in options + keys] + [display.queryText().getText(0, -1), display.description]
    left = lambda node: node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x
    return texts, [left(option) for option in options], [left(keys[PAD[c]]) for c in "789"]


words = lambda texts: {word.lower() for text in texts for word in re.findall(r"[^\W\d_]{3,}", text)}


def world_failures(frame, locale, english):
    texts, options, pad = difference_texts(frame)
    heard = sorted(words(texts) & english)
    facts = texts[-1]
    checks = {f"{locale}: English words {heard} in {texts}": not heard,
              f"{locale}: the options stand at {options}": options == sorted(options, reverse=WORLD[locale]),
              f"{locale}: 7 8 9 stand at {pad}": pad == sorted(pad),
              f"{locale}: a difference is described as {facts!r}": facts.count("\n") == 5}
    return [what for what, passed in checks.items() if not passed]


def failures(frame):
    by_role, keys, press, select = controls(frame, SEPARATORS)
    number_keys = list(keys())

    display = by_role(pyatspi.ROLE_TEXT)[0]
    press("7", "Add", "8", "Equals")
    shown = display.queryText().getText(0, -1)
    select("Date")
    help_text = by_role(pyatspi.ROLE_LABEL)[0].name  # Qt gives a label no Text interface
    press("1/1/2000", "Difference", "8/1/2000", "Equals")
    difference = display.description
    press("Clear all", "11/05/2000")
    past = display.description
    press("Clear entry", "29/12/2099")
    future = display.description
    checks = {"the top is no frame named Morvelin": frame.getRole() == pyatspi.ROLE_FRAME and frame.name == "Morvelin",
              f"keys named {number_keys}": number_keys == NUMBER_KEYS,
              f"7 + 8 = shows {shown!r}": shown == "15",
              f"the help reads {help_text[:40]!r}": help_text.startswith("Date Format dd/mm/yyyy\n"),
              f"a date difference is described as {difference!r}": "\n7 days\n1 week\n5 weekdays\n" in difference,
              f"11/05/2000 is described as {past!r}": past == "Thursday, 11 May 2000\n"
                  "9,706 days ago (26 years, 6 months and 26 days ago)\nweek 19, day 132 of 366",
              f"29/12/2099 is described as {future!r}": future.endswith(
                  "\nin 26,685 days (in 73 years and 22 days)\nweek 53, day 363 of 365")}
    return [what for what, passed in checks.items() if not passed]


def german_failures(frame):
    by_role, keys, press, select = controls(frame, GERMAN_SEPARATORS)
    number_keys = list(keys())
    display = by_role(pyatspi.ROLE_TEXT)[0]
    select("Datum")
    press("1/1/2000", "Differenz", "8/1/2000", "Gleich")
    shown, facts = display.queryText().getText(0, -1), display.description
    press("Alles löschen", "11/05/2000")
    told = display.description
    english = [word for word in ("day", "week", "year", "month", "ago") if word in told.lower()]
    checks = {f"German keys named {number_keys[:3]}": number_keys[:3] == ["Rücktaste", "Eingabe löschen", "Alles löschen"],
              f"a German difference shows {shown!r}": shown == "0 Jahre: 0 Monate: 7 Tage",
              f"a German difference is described as {facts!r}": "\n7 Tage\n1 Woche\n5 Arbeitstage\n" in facts,
              f"11/05/2000 is described in German as {told!r}": "\nvor 9.706 Tagen (vor 26 Jahren, 6 Monaten und "
                  "26 Tagen)\nKalenderwoche 19, Tag 132 von 366" in told and not english}
    return [what for what, passed in checks.items() if not passed]


def run(check, **environment):
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", FAKETIME_DONT_FAKE_MONOTONIC="1",
                       **environment)
    # faketime preloads its library ahead of a sanitized build's runtime, which then refuses to start.
    environment["ASAN_OPTIONS"] = environment.get("ASAN_OPTIONS", "") + ":verify_asan_link_order=0"
    # faketime runs the program as its child: both are ended together, as a process group.
    program = subprocess.Popen(["faketime", "-f", "@2026-12-07 14:03:27", *sys.argv[1:]], env=environment,
                               start_new_session=True)
    try:
        app = application(os.path.basename(sys.argv[1]))
        print("atspi_check:", [f"{child.getRoleName()} {child.name!r}" for child in app])
        return check(app[0])
    finally:
        os.killpg(program.pid, signal.SIGTERM)
        program.wait(10)


found = run(failures, LANGUAGE="", LC_ALL="C.UTF-8")
found += run(german_failures, LANGUAGE="de", LC_ALL="de_DE.UTF-8")
english_texts = []
found += run(lambda frame: english_texts.extend(difference_texts(frame)[0]) or [], LANGUAGE="", LC_ALL="C.UTF-8")
for locale in WORLD:
    found += run(lambda frame: world_failures(frame, locale, words(english_texts)), LANGUAGE="", LC_ALL=f"{locale}.UTF-8")
for failure in found:
    print("atspi_check:", failure, file=sys.stderr)
sys.exit(1 if found else 0)
