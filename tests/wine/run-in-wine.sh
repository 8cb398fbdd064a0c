#!/usr/bin/env bash
# Runs a Windows program of the build under Wine: run-in-wine.sh BUILD_DIR PROGRAM [ARGS...]
set -u
export RAVLET_BUILD_DIR=$1
shift
. "$(dirname "$0")/wine-session.sh"
display_before=${RAVLET_XVFB_PID:-}
wine_session_start || exit 1
# A virtual display started for this one program goes with it.
if [ "${RAVLET_XVFB_PID:-}" != "$display_before" ]; then
    trap 'kill "$RAVLET_XVFB_PID" 2>/dev/null' EXIT
fi
program=$(wine_session_path "$1")
shift
cd "$RAVLET_BUILD_DIR"
# Wine's helper processes outlive the program and inherit its output: through a pipe
# they would keep the caller waiting, so the output goes through a file.
out=$(mktemp)
wine "$program" "$@" >"$out" 2>&1
rc=$?
cat "$out"
rm -f "$out"
exit $rc
