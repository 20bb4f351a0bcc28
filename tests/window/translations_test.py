#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Checks the message catalogue against the window's code.

lupdate must find every message with its class as context; the English
catalogue must hold exactly the counted phrases the code has, each with a
singular and a plural form that both show the count and keep every other
placeholder of the phrase.

Usage: translations_test.py LUPDATE WINDOW_SOURCE_DIR CATALOGUE
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

CONTEXTS = {"CharacterNames", "Command", "Form1", "Messages", "StatusLine"}


def fail(message):
    print("FAILED: " + message)
    sys.exit(1)


def run_lupdate(lupdate, sources, catalogue, *options):
    result = subprocess.run([lupdate, *options, "-locations", "none", *sources, "-ts", catalogue],
                            capture_output=True, text=True, check=True)
    return result.stderr.strip()


def check_every_message_has_its_context(lupdate, sources, work):
    everything = work / "everything.ts"
    warnings = run_lupdate(lupdate, sources, str(everything))
    if warnings:
        fail("lupdate cannot place every message:\n" + warnings)
    contexts = {context.findtext("name") for context in ElementTree.parse(everything).iter("context")}
    if contexts != CONTEXTS:
        fail(f"messages are in the contexts {sorted(contexts)}, not {sorted(CONTEXTS)}")
    count = sum(1 for _ in ElementTree.parse(everything).iter("message"))
    print(f"ok: lupdate finds {count} messages in {len(contexts)} contexts")


def check_catalogue_is_current(lupdate, sources, catalogue, work):
    updated = work / "current.ts"
    shutil.copy(catalogue, updated)
    run_lupdate(lupdate, sources, str(updated), "-pluralonly")
    if updated.read_text() != pathlib.Path(catalogue).read_text():
        fail("the English catalogue differs from the code's counted phrases; "
             "build the update_translations target and fill in the new forms")


def placeholders(text):
    return sorted(re.findall(r"%L?n|%\d", text))


def check_forms(catalogue):
    messages = list(ElementTree.parse(catalogue).iter("message"))
    for message in messages:
        source = message.findtext("source")
        translation = message.find("translation")
        forms = [form.text or "" for form in translation.iter("numerusform")]
        if message.get("numerus") != "yes" or len(forms) != 2 or translation.get("type"):
            fail(f"no finished singular and plural for {source!r}")
        for form in forms:
            if placeholders(form) != placeholders(source):
                fail(f"{form!r} does not keep the placeholders of {source!r}")
    print(f"ok: {len(messages)} counted phrases, each with its singular and plural")


def main():
    lupdate, window, catalogue = sys.argv[1:]
    sources = sorted(str(path) for pattern in ("*.cpp", "*.h")
                     for path in pathlib.Path(window).glob(pattern))
    with tempfile.TemporaryDirectory() as directory:
        work = pathlib.Path(directory)
        check_every_message_has_its_context(lupdate, sources, work)
        check_catalogue_is_current(lupdate, sources, catalogue, work)
    check_forms(catalogue)


main()
