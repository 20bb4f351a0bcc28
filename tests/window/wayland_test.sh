#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the program under weston's headless backend, with no X server, as a
# Wayland desktop session would, and checks that it runs on Qt's Wayland
# platform without a warning and maps its window: the Wayland protocol log
# shows the top-level "Form1", its configure acknowledged and a buffer attached.
# Usage: wayland_test.sh PROGRAM
set -euo pipefail
program=$1
work=$(mktemp -d)
chmod 700 "$work"
weston_pid=""
trap '[ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null; rm -rf "$work"' EXIT

export XDG_RUNTIME_DIR=$work
unset DISPLAY QT_QPA_PLATFORM
# Qt warns on a locale that is not UTF-8, as a bare system or container has;
# that is about the machine, not the program.
export LC_ALL=C.UTF-8
weston --backend=headless-backend.so --socket=textcipher-test --idle-time=0 \
    >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$work/textcipher-test" ] && break
    sleep 0.1
done
[ -S "$work/textcipher-test" ] || { echo "FAILED: weston did not start"; cat "$work/weston.log"; exit 1; }

# The program runs until it is stopped; four seconds let a busy machine map the window.
set +e
WAYLAND_DISPLAY=textcipher-test XDG_SESSION_TYPE=wayland WAYLAND_DEBUG=client \
    timeout 4 "$program" >"$work/program.log" 2>&1
status=$?
set -e

failures=0
if [ "$status" -ne 124 ]; then
    echo "FAILED: the program ended by itself with status $status"
    failures=$((failures + 1))
fi
# Protocol lines start with a time stamp in brackets (or continue one);
# anything else is the program or Qt speaking.
if grep -v -E '^(\[|\s)' "$work/program.log" | grep -q .; then
    echo "FAILED: the program printed more than the protocol log:"
    grep -v -E '^(\[|\s)' "$work/program.log" | head -20
    failures=$((failures + 1))
fi
# An object is its interface and number, which libwayland 1.21 (Debian 12)
# writes "wl_surface@13" and 1.23 (Debian 13) "wl_surface#13"; 1.23 also
# names the event queue between the time stamp and the arrow of a request.
object='[@#][0-9]+'
for expected in "xdg_toplevel$object\\.set_title\\(\"Form1\"\\)" "xdg_surface$object\\.ack_configure" \
    "wl_surface$object\\.attach\\(wl_buffer$object"; do
    if ! grep -Eq -- "-> $expected" "$work/program.log"; then
        echo "FAILED: no $expected in the protocol log"
        failures=$((failures + 1))
    fi
done
if [ "$failures" -ne 0 ]; then
    tail -20 "$work/program.log"
    exit 1
fi
echo "ok: the window maps natively on Wayland, without warnings"
