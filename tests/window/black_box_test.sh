#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Drives the built program as a user does: in a real X server, with real key
# presses, reading and writing the text through the clipboard.
# Usage: black_box_test.sh PATH_TO_TEXTCIPHER
set -euo pipefail
program=$1
workdir=$(mktemp -d)
program_pid=""
source "$(dirname "$0")/../../scripts/xvfb.sh"

cleanup() {
    local status=$?
    if [ "$status" -ne 0 ] && [ -s "$workdir/program.log" ]; then
        echo "The program's output:"
        cat "$workdir/program.log"
    fi
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    stop_xvfb
    rm -rf "$workdir"
}
trap cleanup EXIT
start_xvfb "$workdir"

QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$workdir" "$program" >"$workdir/program.log" 2>&1 &
program_pid=$!
window=$(timeout 20 xdotool search --sync --name '^Form1$' | head -n 1)
# There is no window manager: give the window the keyboard ourselves.
xdotool windowfocus --sync "$window"

failures=0
read_text() {
    xdotool key --clearmodifiers ctrl+a ctrl+c
    sleep 0.3
    xclip -o -selection clipboard -t UTF8_STRING
}
write_text() {
    printf '%s' "$1" | xclip -i -selection clipboard
    xdotool key --clearmodifiers ctrl+a ctrl+v
    sleep 0.3
}
press() {
    xdotool key --clearmodifiers "$1"
    sleep 0.3
}
# Reads again for a while, since a busy machine may take its time.
expect() {
    local what=$1 wanted=$2 got=""
    for _ in $(seq 10); do
        got=$(read_text)
        [ "$got" == "$wanted" ] && break
    done
    if [ "$got" == "$wanted" ]; then
        echo "ok: $what"
    else
        echo "FAILED: $what: wanted '$wanted', got '$got'"
        failures=$((failures + 1))
    fi
}

press ctrl+e
expect "Ctrl+E on the initial text" "Tb9vîf"
write_text "Hello"
press ctrl+e
expect "Ctrl+E on Hello" "ZST=q"
press ctrl+d
expect "Ctrl+D brings Hello back" "Hello"
# What is copied out is what the text area holds: no-break spaces, a line
# separator and a thin space included.
note=$'Rendez-vous\u00A0: 14\u202Fh,\u2028le 2\u2009000\u00A0\u20AC'
write_text "$note"
press ctrl+e
press ctrl+d
expect "a note with no-break spaces comes back and is copied out as it is" "$note"

[ "$failures" -eq 0 ]
