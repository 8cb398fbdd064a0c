#!/usr/bin/env bash
# Takes the screenshots of the documentation: the main dialog, the icon picker and the
# About box at 100, 150 and 200 % display scale (96, 144 and 192 dpi), from the
# end-to-end run under Wine, into docs/screenshots/NAME-DPIdpi.png.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

. scripts/wine-build.sh
build=$wine_build
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/$wine_toolchain" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)" --target e2e_tests >/dev/null

rm -rf "$build/e2e-screenshots"
filter=
for dpi in 96 144 192; do
    filter+="Dpi/DisplayScale.*/${dpi}dpi:"
done
bash tests/wine/run-in-wine.sh "$build" "$build/tests/e2e/e2e_tests.exe" \
    --gtest_filter="$filter" >/dev/null

mkdir -p docs/screenshots
for what in main picker about; do
    for dpi in 96 144 192; do
        # The driver stores its pictures uncompressed; the documentation's are packed.
        convert "$build/e2e-screenshots/$what-${dpi}dpi.png" -strip \
            "docs/screenshots/$what-${dpi}dpi.png"
        echo "docs/screenshots/$what-${dpi}dpi.png"
    done
done
