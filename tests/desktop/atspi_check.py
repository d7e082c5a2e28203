#!/usr/bin/python3
"""The window as a screen reader meets it over the AT-SPI bus: a frame named "Morvelin", the
named keys, 7 + 8 = pressed through the keys' actions and read back from the display, and the
help shown once Date is selected through its option button.
Usage, inside a D-Bus session on an X display: atspi_check.py PROGRAM"""
import os
import subprocess
import sys
import time

import pyatspi

NUMBER_KEYS = ("Backspace,Clear entry,Clear all,7,8,9,Divide,Square root,4,5,6,Multiply,Percent,"
               "1,2,3,Subtract,Reciprocal,0,Change sign,Decimal point,Add,Equals").split(",")


def application(name, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name and app.childCount > 0:
                return app
        time.sleep(0.2)
    sys.exit(f"atspi_check: no accessible application named {name}")


def act(node, action_name):
    actions = node.queryAction()
    actions.doAction([actions.getName(i) for i in range(actions.nActions)].index(action_name))
    time.sleep(0.3)  # Qt presses a button through an animated click, a tenth of a second later.


def check(frame):
    failures = []

    def expect(ok, what):
        if not ok:
            failures.append(what)

    expect(frame.getRole() == pyatspi.ROLE_FRAME and frame.name == "Morvelin", "the top is no frame named Morvelin")
    children = list(frame)
    keys = {key.name: key for key in children if key.getRole() == pyatspi.ROLE_PUSH_BUTTON}
    expect(list(keys) == NUMBER_KEYS, f"keys named {list(keys)}")
    display = next(child for child in children if child.getRole() == pyatspi.ROLE_TEXT)
    for name in ("7", "Add", "8", "Equals"):
        act(keys[name], "Press")
    text = display.queryText().getText(0, -1)
    expect(text == "15", f"7 + 8 = shows {text!r}")
    modes = next(child for child in children if child.getRole() == pyatspi.ROLE_PANEL)
    act(next(option for option in modes if option.name == "Date"), "Toggle")
    label = next(child for child in frame if child.getRole() == pyatspi.ROLE_LABEL)
    expect(label.name.startswith("Date Format dd/mm/yyyy\n"), f"the help reads {label.name[:40]!r}")
    return failures


def main():
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen([sys.argv[1]], env=environment)
    try:
        app = application(os.path.basename(sys.argv[1]))
        print("atspi_check:", [f"{child.getRoleName()} {child.name!r}" for child in app])
        failures = check(app[0])
    finally:
        program.terminate()
        program.wait(10)
    for failure in failures:
        print("atspi_check:", failure, file=sys.stderr)
    sys.exit(1 if failures else 0)


main()
