#!/usr/bin/python3
"""Walks the launcher's windows on the accessibility bus as a screen reader (Orca) reads them.

Usage: walk_atspi.py APPLICATION-NAME (main|wizard). Prints each fault and exits 1 if any.
"""
import re
import sys

import pyatspi

name, windows = sys.argv[1], sys.argv[2]
faults = []


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    sys.exit(f"{name} is not on the accessibility bus")


def walk(node, path=""):
    here = f"{path}/{node.getRoleName()}:{node.name!r}"
    yield node, here
    for child in node:
        if child is not None:
            yield from walk(child, here)


def check(condition, text):
    if not condition:
        faults.append(text)


app = application()
nodes = list(walk(app))


def named(text, role):
    return next((n for n, _ in nodes if n.name == text and n.getRole() == role), None)


for node, path in nodes:
    states = node.getState()
    showing = states.contains(pyatspi.STATE_SHOWING)
    if states.contains(pyatspi.STATE_FOCUSABLE) and showing:
        check(node.getRole() not in (pyatspi.ROLE_FILLER, pyatspi.ROLE_UNKNOWN),
              f"focusable node with role {node.getRoleName()}: {path}")
        check(node.name.strip() != "", f"focusable node without a name: {path}")
    # A line drawn to be looked at shows as an unnamed frame, panel or separator with nothing
    # inside.
    if showing and node.name == "" and node.childCount == 0 and node.getRole() in (
            pyatspi.ROLE_SEPARATOR, pyatspi.ROLE_FRAME, pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL):
        faults.append(f"decorative node in the tree: {path}")

tops = [child for child in app]
roles = sorted(top.getRoleName() for top in tops if top.getState().contains(pyatspi.STATE_SHOWING))
check(all(role in ("frame", "dialog") for role in roles), f"windows' roles: {roles}")

if windows == "main":
    for purpose in ("Video mode", "Sound", "Stereo", "Button swap", "Colour scheme",
                    "List format"):
        check(named(purpose, pyatspi.ROLE_COMBO_BOX) is not None,
              f"no option list named {purpose!r}")
    for link in ("E-Mail: zemplo97@example.org", "http://zemplo97.example.org"):
        node = named(link, pyatspi.ROLE_LINK)
        check(node is not None, f"no link {link!r}")
        if node is not None:
            action = node.queryAction()
            check(action.nActions > 0, f"link {link!r} cannot be activated")
else:
    swatches = [n for n, _ in nodes if re.fullmatch(r".+: #[0-9A-F]{6}", n.name)]
    check(len(swatches) == 17, f"{len(swatches)} colour boxes name their colour, not 17 "
          f"(the sample and sixteen swatches): {[n.name for n in swatches]}")

for fault in faults:
    print(fault)
if "-v" in sys.argv:
    for _, path in nodes:
        print(path)
print(f"{len(nodes)} nodes walked, {len(faults)} faults")
sys.exit(1 if faults else 0)
