#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/targets.txt) with clang and runs each.
#   fuzz/run.sh              the test command's run: a fixed seed and the number of
#                            executions in targets.txt, over the committed seeds only,
#                            so that one commit always gives the same verdict
#   fuzz/run.sh --long SECS  random seeds, SECS seconds each, over the committed seeds
#                            and the corpus grown by earlier long runs (build/fuzz/corpus)
# Prints one line per target; stops with the failing input and its report at the first
# finding. An input that found a fault belongs in fuzz/corpus/TARGET/ once the fault is
# fixed, so that every later run of the test command tries it again.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build/fuzz
seconds=
if [ "${1:-}" = --long ]; then
    seconds=${2:?fuzz/run.sh --long SECONDS}
fi

log=$(mktemp)
scratch=$(mktemp -d)
trap 'rm -rf "$log" "$scratch"' EXIT
if ! { cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
    -DRAVLET_WERROR=ON && cmake --build "$build" -j "$(nproc)"; } >"$log" 2>&1; then
    cat "$log"
    echo "fuzz: the targets did not build"
    exit 1
fi

# Compared values feed libFuzzer's mutations, and some are addresses: the same seed
# repeats its run only without address randomisation.
fixed_addresses=()
if [ -z "$seconds" ] && setarch "$(uname -m)" -R true 2>/dev/null; then
    fixed_addresses=(setarch "$(uname -m)" -R)
elif [ -z "$seconds" ]; then
    echo "fuzz: setarch -R is not permitted here; the runs may differ from one to the next"
fi

grep -E '^[a-z]' fuzz/targets.txt | while read -r target runs; do
    artifacts=$build/findings/$target
    mkdir -p "$artifacts"
    if [ -n "$seconds" ]; then
        # New inputs go into the first folder; the committed seeds stay as they are.
        corpus=$build/corpus/$target
        mkdir -p "$corpus"
        budget=(-max_total_time="$seconds")
    else
        # An empty folder each time: what an earlier run found does not change this one.
        corpus=$scratch/$target
        mkdir -p "$corpus"
        budget=(-seed=1 -runs="$runs" -reload=0)
    fi
    start=$(date +%s.%N)
    if ! "${fixed_addresses[@]}" "$build/${target}_fuzzer" "${budget[@]}" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" \
        "$corpus" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
        grep -v -E '^#[0-9]+' "$log" | tail -n 40
        echo "fuzz $target: FINDING, input kept in ${artifacts#"$root"/}/"
        echo "  once fixed, keep it as a seed: cp ${artifacts#"$root"/}/<file> fuzz/corpus/$target/"
        exit 1
    fi
    executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    awk -v t="$target" -v n="${executed:-?}" -v s="$start" -v e="$(date +%s.%N)" \
        'BEGIN { printf "fuzz %s: %s executions in %.1f s, nothing found\n", t, n, e - s }'
done
