#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the program in a real X server with its own session bus and the real
# accessibility bus, then reads it with CHECK, a Python script run by
# Debian's python3 (Debian's pyatspi is built for it).
# Usage: at_spi_session.sh PATH_TO_TEXTCIPHER CHECK [VARIABLE=VALUE...]
# The program runs with the language settings given (LANG, LC_ALL,
# LANGUAGE), and with none of the caller's. A glibc locale they name that
# the system lacks is built for the run, into a private LOCPATH, as a
# system set up in that language has it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ "${1:-}" != --in-session ]; then
    exec dbus-run-session -- "$0" --in-session "$@"
fi
program=$2
check=$3
settings=("${@:4}")
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

language=(-u LANGUAGE -u LC_ALL -u LANG)
for name in $(env | sed -n 's/^\(LC_[A-Z_]*\)=.*/\1/p'); do language+=(-u "$name"); done
for setting in "${settings[@]}"; do
    locale=${setting#*=}
    case $setting in
    LANG=* | LC_*=*)
        if [ "$locale" != C ] && [ "$locale" != POSIX ] &&
            ! locale -a | grep -qix "${locale/UTF-8/utf8}"; then
            mkdir -p "$workdir/locales"
            localedef -i "${locale%%.*}" -f "${locale#*.}" "$workdir/locales/$locale"
            language+=("LOCPATH=$workdir/locales")
        fi
        ;;
    esac
    language+=("$setting")
done

start_xvfb "$workdir"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$workdir/bus.log" 2>&1 &
pids+=($!)
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0 GTK_A11Y=atspi
env "${language[@]}" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$workdir" "$program" \
    >"$workdir/program.log" 2>&1 &
pids+=($!)
window=$(timeout 20 xdotool search --sync --name '^Form1$' | head -n 1)
xdotool windowfocus --sync "$window"
/usr/bin/python3 "$here/$check"
