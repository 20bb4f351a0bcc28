#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command in a private X server, with private XDG folders so that
# neither the user's GTK settings nor a desktop's reach it.
# Usage: in_xvfb.sh [--gtk-font "FAMILY SIZE"] COMMAND [ARGUMENT...]
# --gtk-font writes the font to GTK's settings.ini, where GTK, and Qt's gtk3
# platform theme through it, read it.
set -euo pipefail
gtk_font=""
if [ "${1:-}" == --gtk-font ]; then
    gtk_font=$2
    shift 2
fi
workdir=$(mktemp -d)
chmod 700 "$workdir"
source "$(dirname "$0")/../../scripts/xvfb.sh"
trap 'stop_xvfb; rm -rf "$workdir"' EXIT
start_xvfb "$workdir"

export HOME=$workdir XDG_RUNTIME_DIR=$workdir XDG_CONFIG_HOME=$workdir/config \
    XDG_DATA_HOME=$workdir/data XDG_CACHE_HOME=$workdir/cache GSETTINGS_BACKEND=memory
mkdir -p "$XDG_CONFIG_HOME/gtk-3.0"
if [ -n "$gtk_font" ]; then
    printf '[Settings]\ngtk-font-name=%s\n' "$gtk_font" >"$XDG_CONFIG_HOME/gtk-3.0/settings.ini"
fi
# Not exec: the trap ends the server when the command ends.
"$@"
