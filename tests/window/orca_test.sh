#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the program with the real Orca screen reader, as a blind user does:
# in an X server with a window manager (openbox), on its own session and
# accessibility bus, with Orca speaking through speech-dispatcher and
# espeak-ng into libao's null output. orca_test.py then presses keys and
# reads what Orca spoke from its debug log.
# Usage: orca_test.sh PATH_TO_TEXTCIPHER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ "${1:-}" != --in-session ]; then
    exec dbus-run-session -- "$0" --in-session "$@"
fi
program=$2
workdir=$(mktemp -d)
chmod 700 "$workdir"
pids=()
source "$here/../../scripts/xvfb.sh"
# Ends a process this script started, and waits for it, a few seconds at most.
stop() {
    kill "$1" 2>/dev/null || return 0
    for _ in $(seq 50); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    kill -9 "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}
cleanup() {
    local status=$?
    if [ "$status" -ne 0 ]; then
        for log in program.log orca.out; do
            [ -s "$workdir/$log" ] && { echo "== $log"; cat "$workdir/$log"; }
        done
        [ -s "$workdir/orca.log" ] && { echo "== what Orca spoke"; grep 'SPEECH OUTPUT' "$workdir/orca.log"; }
    fi
    # Last started, first ended: Orca shuts down while the buses it talks
    # to are still there.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do stop "${pids[i]}"; done
    # speech-dispatcher was started by Orca's client and ends when idle;
    # end it now, by the process id it wrote.
    [ -s "$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid" ] &&
        kill "$(cat "$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid")" 2>/dev/null
    stop_xvfb
    rm -rf "$workdir"
}
trap cleanup EXIT

# A private home: speech-dispatcher's and libao's settings, Orca's
# preferences, and nothing of the user's.
export HOME=$workdir/home XDG_CONFIG_HOME=$workdir/config XDG_DATA_HOME=$workdir/data \
    XDG_CACHE_HOME=$workdir/cache XDG_STATE_HOME=$workdir/state \
    XDG_RUNTIME_DIR=$workdir/runtime GSETTINGS_BACKEND=memory
mkdir -p "$HOME" "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" \
    "$XDG_STATE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
CONF
printf 'default_driver=null\n' >"$HOME/.libao"

start_xvfb "$workdir"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$workdir/bus.log" 2>&1 &
pids+=($!)
openbox --startup "touch $workdir/openbox-ready" >"$workdir/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    [ -e "$workdir/openbox-ready" ] && break
    sleep 0.1
done
[ -e "$workdir/openbox-ready" ] || { echo "FAILED: openbox did not start"; exit 1; }
/usr/bin/python3 "$here/run_orca.py" "$workdir/orca.log" --user-prefs "$workdir/orca" \
    >"$workdir/orca.out" 2>&1 &
pids+=($!)
# As a user who runs Orca starts a program: once Orca speaks.
for _ in $(seq 300); do
    grep -q 'SPEECH OUTPUT' "$workdir/orca.log" 2>/dev/null && break
    sleep 0.1
done
grep -q 'SPEECH OUTPUT' "$workdir/orca.log" || { echo "FAILED: Orca did not start"; exit 1; }
QT_QPA_PLATFORM=xcb "$program" >"$workdir/program.log" 2>&1 &
pids+=($!)
/usr/bin/python3 "$here/orca_test.py" "$workdir/orca.log"
