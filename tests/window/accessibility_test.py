# SPDX-License-Identifier: MIT
# Reads the running program's window through the accessibility bus, as a
# screen reader does: the text area has a name and a short description, and
# the status line is a notification in the status bar whose name is the
# whole note, the live line's before Encrypt Text and the command's after it.
# Usage (inside the session that runs the program): accessibility_test.py
import sys

import pyatspi
from atspi_helpers import find, find_application, note, press, wait_for_note

failures = []
app = find_application("textcipher")
texts = find(app, pyatspi.ROLE_TEXT)
if len(texts) != 1:
    failures.append(f"expected one text area, found {len(texts)}")
else:
    text = texts[0]
    if text.name != "Text":
        failures.append(f"the text area's name is {text.name!r}")
    # Read each time the focus comes back, after every menu and message.
    description = text.description
    if "Ctrl+E" not in description or "Ctrl+D" not in description or len(description) > 40:
        failures.append(f"the text area's description is {description!r}")

before = note(app)
if not before.startswith("6 of 4,681 characters"):
    failures.append(f"the live line reads {before!r}")

press("ctrl+e")
expected = "Encrypted. Decrypt Text brings the text back whole. Ctrl+Z restores the text."
after = wait_for_note(app, lambda read: read == expected)
if after != expected:
    failures.append(f"after Encrypt Text the status line reads {after!r}")

for failure in failures:
    print("FAILED:", failure)
if failures:
    sys.exit(1)
print("ok: names, descriptions and the note after Encrypt Text are on the accessibility bus")
