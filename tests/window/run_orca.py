#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Runs Debian's Orca (/usr/bin/orca) with its debug log written line by line.

Orca 43 opens its --debug-file with full buffering and writes it out only
when it ends; a test reads what it has spoken while it runs. Besides, Orca
names its process "orca" and refuses to start while another process of
that name runs for the same user, such as a test run in another checkout:
this Orca runs on its own session and accessibility bus, so it keeps its
Python process name and starts regardless.

Usage: run_orca.py DEBUG_LOG [ORCA_OPTION...]
"""
import importlib.machinery
import importlib.util
import sys

debug_log = sys.argv[1]
loader = importlib.machinery.SourceFileLoader("orca_launcher", "/usr/bin/orca")
launcher = importlib.util.module_from_spec(importlib.util.spec_from_loader("orca_launcher", loader))
loader.exec_module(launcher)


def open_line_buffered(path, mode="r", *args, **kwargs):
    if path == debug_log:
        # Orca has just set its level to everything, which slows it down
        # enough for key presses to time out on a busy machine; what it
        # speaks is logged at its INFO level.
        launcher.debug.debugLevel = launcher.debug.LEVEL_INFO
        return open(path, mode, buffering=1, **kwargs)
    return open(path, mode, *args, **kwargs)


launcher.open = open_line_buffered
launcher.otherOrcas = lambda: []
launcher.setProcessName = lambda name: False
sys.argv = ["orca", "--debug-file", debug_log, *sys.argv[2:]]
sys.exit(launcher.main())
