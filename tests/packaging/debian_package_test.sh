#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package and checks its files and the dependencies that a
# fresh system needs to start the program.
# Usage: debian_package_test.sh BUILD_DIR EXPECTED_FILE_LIST
set -euo pipefail
build=$1
expected=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log"; exit 1; }
package=$(ls "$out"/textcipher_*.deb)
echo "built $(basename "$package")"

failures=0
if ! diff <(sed 's|^|usr/|' "$expected" | sort) \
          <(dpkg-deb -c "$package" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort); then
    echo "FAILED: the package's files differ from $expected (< expected, > packaged)"
    failures=$((failures + 1))
fi

depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation; do
    if ! grep -Eq "(^|, )$needed( |,|$)" <<<"$depends"; then
        echo "FAILED: the package does not depend on $needed"
        failures=$((failures + 1))
    fi
done
recommends=$(dpkg-deb -f "$package" Recommends)
grep -Eq "(^|, )qt6-wayland( |,|$)" <<<"$recommends" ||
    { echo "FAILED: the package does not recommend qt6-wayland"; failures=$((failures + 1)); }
copyright=$(dpkg-deb --fsys-tarfile "$package" | tar -xO ./usr/share/doc/textcipher/copyright)
grep -q '^License: MIT$' <<<"$copyright" && grep -q 'Permission is hereby granted' <<<"$copyright" ||
    { echo "FAILED: the package's copyright file does not declare the MIT licence"; failures=$((failures + 1)); }
for field in Package Version Architecture Maintainer Description Section; do
    [ -n "$(dpkg-deb -f "$package" "$field")" ] || { echo "FAILED: no $field field"; failures=$((failures + 1)); }
done
[ "$failures" -eq 0 ] && echo "ok: files and dependencies are as expected"
[ "$failures" -eq 0 ]
