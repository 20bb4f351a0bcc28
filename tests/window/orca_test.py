# SPDX-License-Identifier: MIT
"""Drives the running program with keys while Orca runs, and checks what Orca
speaks, read from its debug log: the message of each command and of each
offer taken is spoken without the user asking, before anything of the new
text and without being cut off, whether the command came from a key, the
menu or a question's button; each button of a question is spoken with its
access key; the live line, which changes as the user types, is not spoken;
Orca's command that reads the status bar (Orca+KP_Enter twice) reads the
whole message.

Usage (inside the session that orca_test.sh starts): orca_test.py ORCA_DEBUG_LOG
"""
import re
import subprocess
import sys
import time

import pyatspi
from atspi_helpers import find, find_application, note, paste, press, wait_for_note

# An entry of Orca's log starts with its time; an utterance may span lines.
ENTRY = re.compile(r"(?m)^(?=\d\d:\d\d:\d\d\.\d+ - )")
SPOKEN = re.compile(r"\S+ - SPEECH OUTPUT: '(.*?)'\s*(\{.*\}|None)?\s*$", re.S)
INTERRUPTED = "Interrupting presentation"
CUT = "[Orca interrupts itself]"
WAIT = 20  # seconds; a busy machine may take a while, a passing run does not
# Orca 48 with Qt 6.8's announcements speaks the text area the keyboard comes
# back to first, when a menu or a question closes, and the message after it:
# there the message is checked to be spoken whole, not for coming first.
# Orca 43 prints "43.1", Orca 48 "Orca version 48.1".
ORCA_MAJOR = int(re.search(r"\d+", subprocess.run(["orca", "--version"], capture_output=True,
                                                   text=True, check=True).stdout).group())


class Speech:
    """What Orca has spoken so far, in order, and where it cut itself off."""

    def __init__(self, log):
        self.log = log

    def lines(self):
        with open(self.log, encoding="utf-8", errors="replace") as file:
            entries = ENTRY.split(file.read())
        return [CUT if INTERRUPTED in entry else SPOKEN.match(entry).group(1)
                for entry in entries if INTERRUPTED in entry or SPOKEN.match(entry)]

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


def contents():
    text = find(app, pyatspi.ROLE_TEXT)[0].queryText()
    return text.getText(0, text.characterCount)


failures = []
announced = []
speech = Speech(sys.argv[1])
app = find_application("textcipher")
subprocess.run(["xdotool", "windowactivate", "--sync", window_id()], check=True)
# Orca 43 ends a role with a full stop, Orca 48 does not.
speech.wait_for(lambda line: line.startswith("Form1 frame"), 0, "the window")


def alt(key):
    """Alt+key, Alt held a moment as a person holds it: Qt hands each key to
    Orca before it handles it, and may otherwise take the key before the
    Alt, or the Alt alone, which moves the keyboard to the menu bar."""
    subprocess.run(["xdotool", "keydown", "alt", "sleep", "0.3", "key", key, "sleep", "0.1",
                    "keyup", "alt"], check=True)


def command(keys, starts, what, replacing=None, handed_back=False):
    """Presses keys and waits for the message that starts with starts (and
    replaces the message replacing), which Orca must then speak whole and
    before anything of the new text: the text area and its first line. With
    handed_back, a window or menu closes and hands the keyboard back to the
    text area, which Orca then speaks without cutting the message off."""
    before = len(speech.lines())
    for key in keys:
        if key.startswith("alt+"):
            alt(key[4:])
        else:
            press(key)
    whole = wait_for_note(app, lambda read: read.startswith(starts) and read != replacing)
    if not whole.startswith(starts) or whole == replacing:
        sys.exit(f"FAILED: after {what} the message reads {whole!r}")
    index = speech.wait_for(whole, before, f"the message after {what}, {whole!r}")
    announced.append(whole)
    first_line = contents().split("\n")[0].strip()
    earlier = speech.lines()[before:index]
    spoke_text_first = any(line.startswith("Text text") or (first_line and first_line in line)
                           for line in earlier)
    if spoke_text_first:
        if not handed_back or ORCA_MAJOR < 48:
            failures.append(f"after {what} Orca spoke the new text before the message: "
                            f"{earlier!r}")
    elif handed_back:
        after = speech.wait_for(lambda line: line.startswith("Text text"), index,
                                f"the text area after {what}")
        if CUT in speech.lines()[index:after]:
            failures.append(f"after {what} Orca cut the message off: "
                            f"{speech.lines()[index:after + 1]!r}")
    return whole


def question(keys, what, buttons):
    """Presses keys, which open a question, and Tab through its buttons:
    Orca speaks each (the default first, as it has the focus) with the
    access key that follows its name."""
    before = len(speech.lines())
    press(*keys)
    speech.wait_for(lambda line: "Decrypt Text" in line, before, f"the question after {what}")
    for number, (name, key) in enumerate(buttons):
        if number != 0:
            press("Tab")
        at = speech.wait_for(lambda line: line.startswith(name), before, f"the button {name}")
        # Orca 43 speaks the access key as an utterance of its own.
        told = speech.wait_for(lambda line: key in line, at, f"{key} after the button {name}")
        if told > at + 1:
            failures.append(f"Orca spoke the button {name} without {key}: "
                            f"{speech.lines()[at:told + 1]!r}")
        before = told + 1


# The live line is silent while the user types or pastes.
paste("AB")
typed = wait_for_note(app, lambda read: read.startswith("2 of "))
# Encrypt Text adds what it needs and says so.
command(["ctrl+e"], "Encrypted, with 2 characters added", "Ctrl+E on a text that needs an ending")
command(["ctrl+d"], "Decrypted.", "Ctrl+D")

# From the menu, whose closing hands the keyboard back to the text area.
paste("Hello")
wait_for_note(app, lambda read: read.startswith("5 of "))
before = len(speech.lines())
alt("f")
speech.wait_for(lambda line: line.startswith("Encrypt Text"), before, "the menu")
command(["e"], "Encrypted.", "Encrypt Text chosen in the menu", handed_back=True)

# Decrypt Text on an ordinary note asks first; the question is read with its
# default button, each button with its access key, and Escape keeps the text.
paste("Dear Ann, see you on Sunday at ten.")
wait_for_note(app, lambda read: read.startswith("35 of "))
question(["ctrl+d"], "Ctrl+D on an ordinary note",
         [("Keep the Text", "Alt+K"), ("Decrypt Anyway", "Alt+A"), ("Keep the Text", "Alt+K")])
before = len(speech.lines())
press("Escape")
speech.wait_for(lambda line: line.startswith("Text"), before, "the text area after the question")
# Taking the offer: the window gets the keyboard back after the message.
press("ctrl+d")
speech.wait_for(lambda line: line.startswith("Keep the Text"), before, "the question again")
command(["alt+a"], "This result does not read like text.", "Alt+A, Decrypt Anyway",
        handed_back=True)

# Use Plain Forms, the message's own offer.
paste("It\u2019s")
offered = wait_for_note(app, lambda read: read.startswith("10 of "))
plain = command(["alt+p"], "4 of ", "Alt+P, Use Plain Forms", replacing=offered)

# Once each: a message spoken twice over is as hard to follow as none.
spoken = speech.lines()
for whole in announced:
    if spoken.count(whole) != 1:
        failures.append(f"Orca spoke {whole!r} {spoken.count(whole)} times")

for live in (typed, offered):
    if live in speech.lines():
        failures.append(f"Orca spoke the live line {live!r} as the user typed")

# Orca+KP_Enter twice reads the status bar: its role, then the whole message.
# Orca must answer each key within Qt's 100 ms, or Qt hands the key to the
# text area as well; on a busy machine KP_Enter may thus add a line break,
# and Orca then reads the message that follows. Either is the whole message.
before = len(speech.lines())
subprocess.run(["xdotool", "keydown", "KP_Insert", "key", "KP_Enter", "key", "KP_Enter",
                "keyup", "KP_Insert"], check=True)
index = speech.wait_for(lambda line: line.replace(" ", "").startswith("statusbar"), before,
                        "the status bar")
# Orca 48 says the notification's role first.
speech.wait_for(lambda line: any(line == whole or line.endswith(" " + whole)
                                 for whole in (plain, note(app))), index,
                f"the whole message {plain!r} in the status bar")

for failure in failures:
    print("FAILED:", failure)
if failures:
    sys.exit(1)
print("What Orca spoke:\n  " + "\n  ".join(speech.lines()))
print("ok: Orca speaks each command's message and each offer's before the new text, each "
      "button of a question with its access key, not the live line, and reads the whole "
      "message in the status bar")
