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
# The Qt libraries the program links, by the names of the packages that hold
# them on this release: Debian 13 renamed some for its 64-bit time_t
# (libqt6core6t64), Debian 12 did not (libqt6core6).
libraries=()
for library in Widgets Gui Core; do
    owner=$(dpkg-query -S "*/libQt6$library.so.6" 2>/dev/null | cut -d: -f1 | sort -u || true)
    if [ -z "$owner" ] || [ "$(wc -l <<<"$owner")" -ne 1 ]; then
        echo "FAILED: not one package holds libQt6$library.so.6 here: ${owner:-none}"
        exit 1
    fi
    libraries+=("$owner")
done
for needed in "${libraries[@]}" qt6-qpa-plugins fonts-liberation; do
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
