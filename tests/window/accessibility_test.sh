#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the program in a real X server with its own session bus and the real
# accessibility bus, then reads it with accessibility_test.py.
# Usage: accessibility_test.sh PATH_TO_TEXTCIPHER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ "${1:-}" != --in-session ]; then
    exec dbus-run-session -- "$0" --in-session "$@"
fi
program=$2
workdir=$(mktemp -d)
pids=()
source "$here/../../scripts/xvfb.sh"
cleanup() {
    local status=$?
    [ "$status" -ne 0 ] && [ -s "$workdir/program.log" ] && cat "$workdir/program.log"
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    stop_xvfb
    rm -rf "$workdir"
}
trap cleanup EXIT
start_xvfb "$workdir"

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$workdir/bus.log" 2>&1 &
pids+=($!)
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0 GTK_A11Y=atspi
QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$workdir" "$program" >"$workdir/program.log" 2>&1 &
pids+=($!)
window=$(timeout 20 xdotool search --sync --name '^Form1$' | head -n 1)
xdotool windowfocus --sync "$window"
# Debian's pyatspi is built for the system's Python.
/usr/bin/python3 "$here/accessibility_test.py"
