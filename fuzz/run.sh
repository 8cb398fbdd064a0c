#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 10), starting
# from the committed seeds and the corpus grown by earlier runs (kept in build/fuzz).
# Prints one line per target; stops with the failing input and its report at the
# first finding.
#   fuzz/run.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-10}
build=$root/build/fuzz
targets=(text_helpers name_suggestion shortcut_path create_command
    destination_list)

log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! { cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug &&
    cmake --build "$build" -j "$(nproc)"; } >"$log" 2>&1; then
    cat "$log"
    echo "fuzz: the targets did not build"
    exit 1
fi

for target in "${targets[@]}"; do
    corpus=$build/corpus/$target
    artifacts=$build/findings/$target
    mkdir -p "$corpus" "$artifacts"
    # New inputs go into the first folder; the committed seeds stay as they are.
    if ! "$build/${target}_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" \
        "$corpus" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
        grep -v -E '^#[0-9]+' "$log" | tail -n 40
        echo "fuzz $target: FINDING, input kept in ${artifacts#"$root"/}/"
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz $target: ${runs:-?} executions in $seconds s, nothing found"
done
