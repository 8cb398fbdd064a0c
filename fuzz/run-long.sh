#!/usr/bin/env bash
# The longer fuzzing run, with random seeds: every target for SECONDS (default 120,
# ten minutes in all). The corpus it grows stays in build/fuzz/corpus and seeds the
# next long run; the test command runs the committed seeds only. To keep what a long
# run found for good, merge it into the committed seeds (libFuzzer keeps only inputs
# that add coverage):
#   build/fuzz/TARGET_fuzzer -merge=1 fuzz/corpus/TARGET build/fuzz/corpus/TARGET
# and commit the new files in fuzz/corpus/TARGET/, with any input that found a fault.
#   fuzz/run-long.sh [SECONDS]
set -euo pipefail
exec bash "$(dirname "$0")/run.sh" --long "${1:-120}"
