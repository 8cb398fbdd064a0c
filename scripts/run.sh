#!/usr/bin/env bash
# Builds ravlet and starts it under Wine with the Japanese code page (932).
# On your display it runs there until you close it. Without a display it starts a
# virtual one, waits for the dialog, saves a screenshot, prints where the PNG is and
# closes the program.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/setup.sh

# RAVLET_RUN_BUILD names another build folder (relative to the checkout).
. scripts/wine-build.sh
build=${RAVLET_RUN_BUILD:-$wine_build}
toolchain=$wine_toolchain
[ -z "$wine_note" ] || echo "$wine_note"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/$toolchain" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)" --target ravlet >/dev/null

# Decided before the Wine session starts one of its own.
user_display=no
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    user_display=yes
fi

export RAVLET_BUILD_DIR=$root/$build
. tests/wine/wine-session.sh
wine_session_start
exe='D:\ravlet.exe'

if [ "$user_display" = yes ]; then
    echo "ravlet runs on $DISPLAY; close it to finish"
    log=$(mktemp)
    wine "$exe" >"$log" 2>&1 || true
    rm -f "$log"
    exit 0
fi

trap wine_session_stop EXIT
caption='mailtoショートカット作成'
log=$(mktemp)
wine "$exe" >"$log" 2>&1 &
program=$!

shown=no
for _ in $(seq 1 600); do
    if xwininfo -root -tree 2>/dev/null | grep -aqF "\"$caption\""; then
        shown=yes
        break
    fi
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
if [ "$shown" != yes ]; then
    echo "run: the dialog did not appear; Wine said:" >&2
    cat "$log" >&2
    kill "$program" 2>/dev/null || true
    exit 1
fi

# The dialog paints right after it is mapped: take pictures until two agree.
shot=$root/$build/ravlet-screenshot.png
previous=
for _ in $(seq 1 50); do
    xwd -root -silent | convert xwd:- "$shot"
    current=$(md5sum <"$shot")
    [ "$current" = "$previous" ] && break
    previous=$current
    sleep 0.2
done
echo "screenshot: $shot"

kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
rm -f "$log"
