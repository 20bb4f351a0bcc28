#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a fresh prefix, checks that exactly the expected
# files arrive, and that the installed program starts and keeps running.
# Usage: install_tree_test.sh BUILD_DIR EXPECTED_FILE_LIST
set -euo pipefail
build=$1
expected=$2
prefix=$(mktemp -d)
program_pid=""
trap '[ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null; rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
if ! diff <(sort "$expected") <(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort); then
    echo "FAILED: the installed files differ from $expected (< expected, > installed)"
    exit 1
fi
echo "ok: exactly the expected files are installed"

QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$prefix" "$prefix/bin/textcipher" >"$prefix/log" 2>&1 &
program_pid=$!
sleep 2
if ! kill -0 "$program_pid" 2>/dev/null; then
    echo "FAILED: the installed program did not keep running:"
    cat "$prefix/log"
    exit 1
fi
echo "ok: the installed program starts and is still running after two seconds"
