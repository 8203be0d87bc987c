#!/usr/bin/python3
"""Reads the running program through the AT-SPI accessibility bus, as a screen
reader would: the floor buttons, the grille buttons and the status box, once
after start and once after closing the grille and picking floor 4 through the
buttons' accessible actions. Prints both states as one JSON object.

Usage: atspi_tree.py PROGRAM  (run inside dbus-run-session, with DISPLAY set)
"""
import json
import os
import subprocess
import sys
import time

import pyatspi


def find_application(name_part, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and name_part in (application.name or "").lower():
                return application
        time.sleep(0.1)
    raise SystemExit("the program did not appear on the accessibility bus")


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def describe(node):
    states = node.getState()
    return {
        "role": node.getRoleName(),
        "name": node.name,
        "description": node.description,
        "checked": states.contains(pyatspi.STATE_CHECKED),
    }


def snapshot(application):
    nodes = list(walk(application))
    floors = [n for n in nodes if n.getRoleName() == "radio button" and n.name.startswith("Етаж")]
    grille = [n for n in nodes if n.getRoleName() == "radio button" and n.name.startswith("Предпазната")]
    status = [n for n in nodes if n.getRoleName() == "text" and n.name == "Съобщения"]
    text = ""
    if status:
        reader = status[0].queryText()
        text = reader.getText(0, reader.characterCount)
    return {
        "floors": [describe(n) for n in floors],
        "grille": [describe(n) for n in grille],
        "statusFound": bool(status),
        "status": text,
    }


def wait_for(condition, what, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.1)
    raise SystemExit("timed out waiting for " + what)


def press(node):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i).lower() in ("press", "click", "toggle"):
            actions.doAction(i)
            return
    raise SystemExit("no press action on " + node.name)


def main():
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    program = subprocess.Popen([sys.argv[1]], env=environment)
    try:
        application = find_application("lodarix")
        before = wait_for(lambda: (lambda s: s if len(s["floors"]) == 11 and s["statusFound"] else None)(
            snapshot(application)), "the window's controls")
        nodes = list(walk(application))
        press(next(n for n in nodes if n.name == "Предпазната решетка е затворена"))
        wait_for(lambda: any(g["checked"] and g["name"].endswith("затворена")
                             for g in snapshot(application)["grille"]), "the closed grille")
        press(next(n for n in nodes if n.getRoleName() == "radio button" and n.name.startswith("Етаж 4,")))
        after = wait_for(lambda: (lambda s: s if s["floors"][3]["checked"] else None)(
            snapshot(application)), "the picked floor")
        print(json.dumps({"before": before, "after": after}, ensure_ascii=False))
    finally:
        program.terminate()
        program.wait(10)


if __name__ == "__main__":
    main()
