#!/usr/bin/env bash
# Start-up benchmark: the time from starting ravlet.exe under Wine until its dialog is
# visible and idle, against the same for a minimal dialog program (one dialog from a
# template with one button) and for ravlet's own resources with its main template shown
# by no code at all (what the dialog itself costs), and for that template with the
# shell-folder lookups and the Quick Launch probe ravlet makes before its dialog shows,
# linked with ravlet's DLLs (the fair floor: what ravlet takes beyond it is its own
# doing), warm runs taken in turn; then the size of the stripped 32-bit executable
# (the product's build) and the DLLs it imports.
#   RUNS                  measured runs per program (default 10, after 2 warm-ups)
#   RAVLET_BENCH_BUILD    build folder that Wine runs (default: as run.sh chooses)
#   RAVLET_BENCH_BUILD32  the i686 build folder measured for size (default build/win32)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=${RUNS:-10}

configure() {  # folder toolchain
    cmake -S "$root" -B "$1" -DCMAKE_TOOLCHAIN_FILE="$root/$2" -DCMAKE_BUILD_TYPE=Release >/dev/null
}

. scripts/wine-build.sh
build=${RAVLET_BENCH_BUILD:-$wine_build}
toolchain=$wine_toolchain
build32=${RAVLET_BENCH_BUILD32:-build/win32}

configure "$build" "$toolchain"
cmake --build "$build" -j "$(nproc)" --target ravlet minimal_dialog bare_template \
    shell_folder_template launch_timer >/dev/null
configure "$build32" cmake/mingw-i686.cmake
cmake --build "$build32" -j "$(nproc)" --target ravlet >/dev/null

export RAVLET_BUILD_DIR=$root/$build
. tests/wine/wine-session.sh
wine_session_start
trap wine_session_stop EXIT

# Fresh copies in a folder of their own, so ravlet starts without settings.
bench_dir=$RAVLET_BUILD_DIR/bench
rm -rf "$bench_dir"
mkdir -p "$bench_dir"
cp "$RAVLET_BUILD_DIR/ravlet.exe" "$RAVLET_BUILD_DIR/tests/e2e/minimal_dialog.exe" \
    "$RAVLET_BUILD_DIR/tests/e2e/bare_template.exe" \
    "$RAVLET_BUILD_DIR/tests/e2e/shell_folder_template.exe" "$bench_dir/"
timer=$(wine_session_path "$RAVLET_BUILD_DIR/tests/e2e/launch_timer.exe")
ravlet_exe=$(wine_session_path "$bench_dir/ravlet.exe")
minimal_exe=$(wine_session_path "$bench_dir/minimal_dialog.exe")
bare_exe=$(wine_session_path "$bench_dir/bare_template.exe")
floor_exe=$(wine_session_path "$bench_dir/shell_folder_template.exe")
main_caption="mailtoショートカット作成"

measure() {  # exe caption runs -> one time in ms per line
    local out
    out=$(mktemp)
    wine "$timer" "$3" "$1" "$2" >"$out" 2>&1 </dev/null
    tr -d '\r' <"$out"
    rm -f "$out"
}

median() {
    sort -n | awk '{ v[NR] = $1 } END {
        if (NR == 0) { print "nan"; exit }
        if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

measure "$ravlet_exe" "$main_caption" 2 >/dev/null
measure "$minimal_exe" "minimal dialog" 2 >/dev/null
measure "$bare_exe" "$main_caption" 2 >/dev/null
measure "$floor_exe" "$main_caption" 2 >/dev/null
ravlet_times=()
minimal_times=()
bare_times=()
floor_times=()
# Taken in turn, so that a slow moment of the shared machine hits all alike.
for _ in $(seq 1 "$runs"); do
    ravlet_times+=("$(measure "$ravlet_exe" "$main_caption" 1)")
    minimal_times+=("$(measure "$minimal_exe" "minimal dialog" 1)")
    bare_times+=("$(measure "$bare_exe" "$main_caption" 1)")
    floor_times+=("$(measure "$floor_exe" "$main_caption" 1)")
done
ravlet_median=$(printf '%s\n' "${ravlet_times[@]}" | median)
minimal_median=$(printf '%s\n' "${minimal_times[@]}" | median)
bare_median=$(printf '%s\n' "${bare_times[@]}" | median)
floor_median=$(printf '%s\n' "${floor_times[@]}" | median)

echo "start until dialog idle, $runs warm runs each ($(cat "$RAVLET_BUILD_DIR/wine-arch") build under Wine):"
echo "  ravlet.exe:         ${ravlet_times[*]} ms"
echo "  minimal dialog:     ${minimal_times[*]} ms"
echo "  bare main template: ${bare_times[*]} ms"
echo "  template + folders: ${floor_times[*]} ms"
echo "  median ravlet:      $ravlet_median ms"
echo "  median minimal:     $minimal_median ms"
echo "  median bare:        $bare_median ms"
echo "  median floor:       $floor_median ms"
awk -v r="$ravlet_median" -v m="$minimal_median" -v b="$bare_median" -v f="$floor_median" 'BEGIN {
    printf "  ratio ravlet / minimal dialog:      %.2f\n", r / m
    printf "  ratio ravlet / bare main template:  %.2f\n", r / b
    printf "  ratio ravlet / template + folders:  %.2f\n", r / f }'

stripped=$(mktemp)
cp "$root/$build32/ravlet.exe" "$stripped"
i686-w64-mingw32-strip "$stripped"
echo "i686 ravlet.exe: $(stat -c %s "$root/$build32/ravlet.exe") bytes as built, $(stat -c %s "$stripped") bytes stripped"
echo "imports: $(i686-w64-mingw32-objdump -p "$stripped" | awk '/DLL Name:/ { print $3 }' | tr '\n' ' ')"
rm -f "$stripped"
