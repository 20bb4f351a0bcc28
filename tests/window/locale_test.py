# SPDX-License-Identifier: MIT
"""Reads the running program's status line through the accessibility bus,
whatever language settings it was started with (at_spi_session.sh sets
them): the counted phrases come from the program's English catalogue, in
the singular where the count is 1, and numbers are grouped as English
groups them, "4,681", since the messages are English.

Usage (inside the session that runs the program): locale_test.py
"""
import sys

from atspi_helpers import find_application, note, paste, press, wait_for_note

# What the status line must say, with the numbers to check: the words around
# them may change; these are the one place to change them.
# (what is done, keys or text to paste, how the note starts, what it holds)
EXPECTED = [
    ("the text the window starts with", None, "6 of ", "6 of 4,681 characters"),
    ("Ctrl+E, then Ctrl+D", ["ctrl+e", "ctrl+d"], "Decrypted", "with 1 line break put back"),
    ("AB pasted", "AB", "2 of ", "Encrypt Text adds 2 characters at the end"),
]

failures = []
app = find_application("textcipher")
for what, action, starts, holds in EXPECTED:
    if isinstance(action, str):
        paste(action)
    elif action:
        for key in action:
            press(key)
    read = wait_for_note(app, lambda line: line.startswith(starts))
    if holds not in read:
        failures.append(f"after {what} the status line reads {read!r}, without {holds!r}")

for failure in failures:
    print("FAILED:", failure)
if failures:
    sys.exit(1)
print("ok: the status line counts in the singular and groups numbers in English")
