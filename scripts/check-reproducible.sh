#!/usr/bin/env bash
# Builds the release zip twice, from the same sources in two different folders, and
# checks that ravlet.exe, ravlet.chm and the zip come out byte for byte the same.
# The sources are the checkout's files as they are now (committed or not), dated by
# the last commit. Prints each file's SHA-256 and how long the package step took.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
work=$(mktemp -d "${TMPDIR:-/tmp}/ravlet-reproducible.XXXXXX")
trap 'rm -rf "$work"' EXIT

build_release() {  # folder
    local src=$1 start end
    mkdir -p "$src"
    git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
        tar --null -T - -cf - | tar -C "$src" -xf -
    cmake -S "$src" -B "$src/build" -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-i686.cmake" \
          -DCMAKE_BUILD_TYPE=Release -DRAVLET_TESTS=OFF >/dev/null
    cmake --build "$src/build" -j "$(nproc)" >/dev/null
    start=$(date +%s.%N)
    cmake --build "$src/build" --target package >/dev/null
    end=$(date +%s.%N)
    awk -v s="$start" -v e="$end" -v d="$src" 'BEGIN { printf "package step in %s: %.1f s\n", d, e - s }'
}

build_release "$work/a"
build_release "$work/another-folder/b"

version=$(sed -n 's/^FILEVERSION \([0-9]*\), *\([0-9]*\), *\([0-9]*\), *\([0-9]*\).*/\1.\2.\3.\4/p' res/ravlet.rc)
zip=ravlet-$version-win32.zip
status=0
for file in ravlet.exe ravlet.chm "$zip" SHA256SUMS; do
    first=$(sha256sum <"$work/a/build/$file" | cut -d' ' -f1)
    second=$(sha256sum <"$work/another-folder/b/build/$file" | cut -d' ' -f1)
    if [ "$first" = "$second" ]; then
        echo "same: $file $first"
    else
        echo "DIFFERENT: $file $first $second"
        status=1
    fi
done
echo "$zip: $(stat -c %s "$work/a/build/$zip") bytes"
unzip -Z -l "$work/a/build/$zip" | sed -n '2,/^[0-9]* files/p'
[ "$status" = 0 ] || echo "check-reproducible: two builds of the same sources differ" >&2
exit "$status"
