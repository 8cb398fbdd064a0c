#!/usr/bin/env bash
# Builds everything and runs every test: the window-free core natively (also under
# AddressSanitizer and UndefinedBehaviorSanitizer), then the Windows programs under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)

bash scripts/setup.sh

configure() {  # folder, cmake arguments...
    local dir=$1
    shift
    cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DRAVLET_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j "$jobs" 2>&1 | grep -v -E '^\[ *[0-9]+%\]|^make|^Consolidate|^$' || true
    # The filter above hides progress lines only; the build's own status decides.
    cmake --build "$dir" -j "$jobs" >/dev/null
}

# Runs a build's tests; the test programs' own summaries are kept for the totals.
results=$(mktemp)
run_tests() {  # build folder
    local log
    log=$(mktemp)
    if ! ctest --test-dir "$1" --output-on-failure -V >"$log" 2>&1; then
        cat "$log"
        return 1
    fi
    grep -E '^[0-9]+/[0-9]+ Test +#|tests passed|^[0-9]+: \[  (PASSED  |SKIPPED |FAILED  )\]|^[0-9]+: ravlet under test:' "$log" |
        sed -E 's/^[0-9]+: //'
    grep -E '^[0-9]+: \[  (PASSED  |SKIPPED )\] [0-9]+ test' "$log" >>"$results" || true
    rm -f "$log"
}

echo "== native core"
configure build/native
run_tests build/native

echo "== native core, AddressSanitizer + UndefinedBehaviorSanitizer"
configure build/native-asan -DRAVLET_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
run_tests build/native-asan

# Each target with a fixed seed for a fixed number of executions (about ten seconds):
# one commit always gives the same verdict. Any finding fails.
echo "== native core, fuzzing (libFuzzer, AddressSanitizer + UndefinedBehaviorSanitizer)"
bash fuzz/run.sh

echo "== Windows, 32-bit (the product)"
configure build/win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
echo "== Windows, 64-bit"
configure build/win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake"

. scripts/wine-build.sh
winbuild=$wine_build
[ -z "$wine_note" ] || echo "$wine_note"
if [ "$winbuild" != build/win64 ]; then
    # Its end-to-end tests start the shipped program, not their own build's.
    echo "== Windows, 32-bit with posix threads (for the tests)"
    configure "$winbuild" -DCMAKE_TOOLCHAIN_FILE="$root/$wine_toolchain" \
        -DRAVLET_E2E_PROGRAM="$root/$wine_program"
fi

echo "== Windows tests under Wine ($winbuild; the end-to-end tests run $wine_program)"
export RAVLET_BUILD_DIR=$root/$winbuild
. tests/wine/wine-session.sh
wine_session_start
trap wine_session_stop EXIT
run_tests "$winbuild"

echo "== reproducible release (two builds of the 32-bit zip)"
bash scripts/check-reproducible.sh

# One line with every test case of every suite: the passed ones, and those skipped
# because this machine lacks what they need.
awk '/PASSED/ { p += $5 } /SKIPPED/ { s += $5 } END { printf "%d passed, 0 failed, %d skipped\n", p, s }' \
    "$results"
rm -f "$results"
