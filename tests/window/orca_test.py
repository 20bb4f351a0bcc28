# SPDX-License-Identifier: MIT
"""Drives the running program with keys while Orca runs, and checks what Orca
speaks, read from its debug log: the note of each command and of each offer
taken is spoken without the user asking, after the focus is back in the
text area; the live line, which changes as the user types, is not; Orca's
command that reads the status bar (Orca+KP_Enter twice) reads the whole
note.

Usage (inside the session that orca_test.sh starts): orca_test.py ORCA_DEBUG_LOG
"""
import re
import subprocess
import sys
import time

from atspi_helpers import find_application, note, paste, press, wait_for_note

# An entry of Orca's log starts with its time; an utterance may span lines.
ENTRY = re.compile(r"(?m)^(?=\d\d:\d\d:\d\d\.\d+ - )")
SPOKEN = re.compile(r"\S+ - SPEECH OUTPUT: '(.*?)'\s*(\{.*\}|None)?\s*$", re.S)
WAIT = 20  # seconds; a busy machine may take a while, a passing run does not


class Speech:
    """What Orca has spoken so far, in order."""

    def __init__(self, log):
        self.log = log

    def lines(self):
        with open(self.log, encoding="utf-8", errors="replace") as file:
            entries = ENTRY.split(file.read())
        return [match.group(1) for match in map(SPOKEN.match, entries) if match]

    def wait_for(self, wanted, after, what):
        """Waits until a line spoken after the first `after` lines equals
        wanted, or satisfies it; returns that line's index."""
        deadline = time.monotonic() + WAIT
        while time.monotonic() < deadline:
            lines = self.lines()
            for index in range(after, len(lines)):
                if lines[index] == wanted if isinstance(wanted, str) else wanted(lines[index]):
                    return index
            time.sleep(0.1)
        spoken = "\n  ".join(self.lines()[after:])
        sys.exit(f"FAILED: Orca did not speak {what}; after that point it spoke:\n  {spoken}")


def window_id():
    result = subprocess.run(["xdotool", "search", "--sync", "--name", "^Form1$"],
                            capture_output=True, text=True, timeout=WAIT, check=True)
    return result.stdout.split()[0]


failures = []
announced = []
speech = Speech(sys.argv[1])
app = find_application("textcipher")
subprocess.run(["xdotool", "windowactivate", "--sync", window_id()], check=True)
# Orca 43 ends a role with a full stop, Orca 48 does not.
speech.wait_for(lambda line: line.startswith("Form1 frame"), 0, "the window")
start = len(speech.lines())


def command(keys, starts, what, replacing=None):
    """Presses keys and waits for the note that starts with starts (and
    replaces the note replacing), which Orca must then speak whole, after
    the focus is back in the text area."""
    before = len(speech.lines())
    press(*keys)
    whole = wait_for_note(app, lambda read: read.startswith(starts) and read != replacing)
    if not whole.startswith(starts) or whole == replacing:
        sys.exit(f"FAILED: after {what} the note reads {whole!r}")
    index = speech.wait_for(whole, before, f"the note after {what}, {whole!r}")
    announced.append(whole)
    later = speech.lines()[index + 1:]
    if any(line.startswith("Text text") for line in later):
        failures.append(f"after {what} Orca spoke the note before the text area, "
                        "which cuts it off: " + repr(speech.lines()[before:]))
    return whole


# The live line is silent while the user types or pastes.
paste("AB")
typed = wait_for_note(app, lambda read: read.startswith("2 of "))
# Encrypt Text adds what it needs and says so.
command(["ctrl+e"], "Encrypted, with 2 characters added", "Ctrl+E on a text that needs an ending")
command(["ctrl+d"], "Decrypted.", "Ctrl+D")
# Decrypt Text on an ordinary text asks first; the message is read with its
# default button, and Escape keeps the text.
paste("Dear Ann, see you on Sunday at ten.")
wait_for_note(app, lambda read: read.startswith("35 of "))
before = len(speech.lines())
press("ctrl+d")
index = speech.wait_for(lambda line: "Keep the Text" in line, before,
                       "the message's default button")
press("Escape")
# The text area has the keyboard back when Orca names it again.
speech.wait_for(lambda line: line.startswith("Text"), index, "the text area after the message")
paste("Hello")
wait_for_note(app, lambda read: read.startswith("5 of "))
command(["ctrl+e"], "Encrypted.", "Ctrl+E")
# Use Plain Forms, the note's own offer.
paste("It\u2019s")
offered = wait_for_note(app, lambda read: read.startswith("10 of "))
plain = command(["alt+p"], "4 of ", "Alt+P, Use Plain Forms", replacing=offered)

# Once each: a note spoken twice over is as hard to follow as none.
spoken = speech.lines()
for whole in announced:
    if spoken.count(whole) != 1:
        failures.append(f"Orca spoke {whole!r} {spoken.count(whole)} times")

for live in (typed, offered):
    if live in speech.lines():
        failures.append(f"Orca spoke the live line {live!r} as the user typed")

# Orca+KP_Enter twice reads the status bar: its role, then the whole note.
# Orca must answer each key within Qt's 100 ms, or Qt hands the key to the
# text area as well; on a busy machine KP_Enter may thus add a line break,
# and Orca then reads the note that follows. Either is the whole note.
before = len(speech.lines())
subprocess.run(["xdotool", "keydown", "KP_Insert", "key", "KP_Enter", "key", "KP_Enter",
                "keyup", "KP_Insert"], check=True)
index = speech.wait_for(lambda line: line.replace(" ", "").startswith("statusbar"), before,
                       "the status bar")
# Orca 48 says the notification's role first.
speech.wait_for(lambda line: any(line == whole or line.endswith(" " + whole)
                                 for whole in (plain, note(app))), index,
                f"the whole note {plain!r} in the status bar")

for failure in failures:
    print("FAILED:", failure)
if failures:
    sys.exit(1)
print("What Orca spoke:\n  " + "\n  ".join(speech.lines()))
print("ok: Orca speaks each command's note and each offer's, not the live line, and reads the "
      "whole note in the status bar")
