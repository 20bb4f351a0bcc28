# SPDX-License-Identifier: MIT
"""Finding the running program's window on the accessibility bus, as a
screen reader does. Used by the tests that read the real program."""
import subprocess
import sys
import time

import pyatspi


def find_application(name):
    """The application, once its window's status bar is on the bus: the
    window's tree may take a moment longer than the application."""
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name and find(app, pyatspi.ROLE_STATUS_BAR):
                return app
        time.sleep(0.1)
    sys.exit(f"FAILED: no application {name!r} with a status bar on the accessibility bus")


def find(node, role):
    found = []
    if node.getRole() == role:
        found.append(node)
    for child in node:
        if child is not None:
            found.extend(find(child, role))
    return found


def status_line(app):
    """The note below the text: the one notification in the status bar."""
    bars = find(app, pyatspi.ROLE_STATUS_BAR)
    notes = [note for bar in bars for note in find(bar, pyatspi.ROLE_NOTIFICATION)]
    if len(notes) != 1:
        sys.exit(f"FAILED: {len(notes)} notifications in {len(bars)} status bars, not one")
    return notes[0]


def note(app):
    """The whole note, which is the status line's name."""
    return status_line(app).name


def wait_for_note(app, wanted, seconds=10):
    """Reads the note until wanted(note) holds; returns the last note read."""
    read = ""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        read = note(app)
        if wanted(read):
            break
        time.sleep(0.1)
    return read


def press(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)


def paste(text):
    """Replaces the text as a user does: select all, paste."""
    subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=text.encode(), check=True)
    press("ctrl+a", "ctrl+v")
