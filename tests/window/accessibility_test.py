# SPDX-License-Identifier: MIT
# Reads the running program's window through the accessibility bus, as a
# screen reader does: the text area has a name and a short description, and
# the status line is a notification in the status bar whose name is the
# whole note, the live line's before Encrypt Text and the command's after it.
# A question's buttons each tell their access key, and the one that keeps
# the text is the default. Run under Qt's own style and under GNOME's
# platform theme (QT_QPA_PLATFORMTHEME=gtk3), whose plugin must be loaded.
# Usage (inside the session that runs the program): accessibility_test.py
import os
import subprocess
import sys
import time

import pyatspi
from atspi_helpers import find, find_application, note, paste, press, wait_for_note

failures = []
app = find_application("textcipher")
theme = os.environ.get("TEXTCIPHER_TEST_THEME", "")
with open(f"/proc/{app.get_process_id()}/maps", encoding="utf-8") as maps:
    if ("libqgtk3.so" in maps.read()) != (theme == "gtk3"):
        sys.exit(f"FAILED: the program does not run under the theme {theme or 'of Qt'!r}")

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


def question(app, seconds=10):
    """The buttons of the question that is open: (name, description, default)."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for alert in find(app, pyatspi.ROLE_ALERT):
            buttons = find(alert, pyatspi.ROLE_PUSH_BUTTON)
            if buttons:
                return [(button.name, button.description,
                         button.getState().contains(pyatspi.STATE_IS_DEFAULT))
                        for button in buttons]
        time.sleep(0.1)
    return []


def contents():
    text = find(app, pyatspi.ROLE_TEXT)[0].queryText()
    return text.getText(0, text.characterCount)


# Decrypt Text asks first on an ordinary note, and on a cipher text that
# picked up a space; the button that keeps the text is the default, each
# button tells its access key, and Escape and Return keep the text.
keep = ("Keep the Text", "Alt+K, Return or Escape", True)
paste("Meet at the old mill at seven, and bring the map.")
press("ctrl+e")
written = wait_for_note(app, lambda read: read.startswith("Encrypted")) and contents()
asked = [("Dear Ann, see you on Sunday at ten.", "Escape", {("Decrypt Anyway", "Alt+A", False)}),
         (written + " ", "Return", {("Decrypt Without It", "Alt+W", False),
                                    ("Decrypt Anyway", "Alt+A", False)})]
for pasted, key, offers in asked:
    paste(pasted)
    wait_for_note(app, lambda read: read.startswith(f"{len(pasted)} of "))
    press("ctrl+d")
    buttons = question(app)
    if set(buttons) != offers | {keep}:
        failures.append(f"the question's buttons read {buttons}, not {sorted(offers | {keep})}")
    press(key)
    # There is no window manager to give the window the keyboard back.
    window = subprocess.run(["xdotool", "search", "--name", "^Form1$"], capture_output=True,
                            text=True, check=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    if question(app, 1) or contents() != pasted:
        failures.append(f"{key} did not close the question and keep the text {pasted!r}")

for failure in failures:
    print("FAILED:", failure)
if failures:
    sys.exit(1)
print(f"ok: names, descriptions, the note after Encrypt Text and a question's default button "
      f"are on the accessibility bus under the theme {theme or 'of Qt'!r}")
