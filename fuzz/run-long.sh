#!/usr/bin/env bash
# The longer fuzzing run: every target for SECONDS (default 120, ten minutes in
# all). The corpus grown here also seeds the short runs of scripts/test.sh.
#   fuzz/run-long.sh [SECONDS]
set -euo pipefail
exec bash "$(dirname "$0")/run.sh" "${1:-120}"
