"""Prints, as JSON, every control of the trainer's windows that the accessibility bus shows:
its name in the window tables (the accessible description), role, visible text and screen place.
Runs under the system Python, which has pyatspi."""

import json
import sys

import pyatspi


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except Exception:
        return None


def place_of(node):
    try:
        e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return [e.x, e.y, e.width, e.height]
    except Exception:
        return None


def collect(node, found, depth=0):
    if depth > 8:
        return
    try:
        entry = {"control": node.description, "role": node.getRoleName(), "name": node.name,
                 "text": text_of(node), "place": place_of(node)}
    except Exception:
        return
    found.append(entry)
    for i in range(node.childCount):
        collect(node.getChildAtIndex(i), found, depth + 1)


def main():
    found = []
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        application = desktop.getChildAtIndex(i)
        if application is not None and application.name == sys.argv[1]:
            collect(application, found)
    json.dump(found, sys.stdout, ensure_ascii=False)


if __name__ == "__main__":
    main()
