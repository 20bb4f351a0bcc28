# SPDX-License-Identifier: MIT
# Reads the running program's window through the accessibility bus, as a
# screen reader does: the text area and the status line must have names, and
# the status line's note after Encrypt Text must be readable in full.
# Usage (inside the session that runs the program): accessibility_test.py
import subprocess
import sys
import time

import pyatspi


def find_application(name):
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    sys.exit(f"FAILED: no application {name!r} on the accessibility bus")


def find(node, role):
    found = []
    if node.getRole() == role:
        found.append(node)
    for child in node:
        if child is not None:
            found.extend(find(child, role))
    return found


def status_line(app):
    for label in find(app, pyatspi.ROLE_LABEL):
        if label.name == "Status":
            return label
    sys.exit("FAILED: no label named Status")


failures = []
app = find_application("textcipher")
texts = find(app, pyatspi.ROLE_TEXT)
if len(texts) != 1:
    failures.append(f"expected one text area, found {len(texts)}")
else:
    text = texts[0]
    if text.name != "Text":
        failures.append(f"the text area's name is {text.name!r}")
    if "Ctrl+E" not in text.description or "Ctrl+D" not in text.description:
        failures.append(f"the text area's description is {text.description!r}")

before = status_line(app).description
if not before.startswith("6 of 4,681 characters"):
    failures.append(f"the live line reads {before!r}")

subprocess.run(["xdotool", "key", "--clearmodifiers", "ctrl+e"], check=True)
expected = ("Encrypted. Decrypt Text brings the text back whole. Ctrl+Z restores the text.")
after = ""
for _ in range(50):
    after = status_line(app).description
    if after == expected:
        break
    time.sleep(0.1)
if after != expected:
    failures.append(f"after Encrypt Text the status line reads {after!r}")

for failure in failures:
    print("FAILED:", failure)
if failures:
    sys.exit(1)
print("ok: names, descriptions and the note after Encrypt Text are on the accessibility bus")
