#!/usr/bin/env bash
# Sourced by the scripts that run Windows programs. Sets up, once per build folder, a
# 32-bit Wine prefix with the Japanese code page, its own home folder, drive D: on the
# build folder and no drive Z:, and makes sure an X display and a wineserver are up.
#   RAVLET_BUILD_DIR   build folder of the Windows build (required)
#   RAVLET_PROGRAM     the ravlet.exe that the end-to-end tests start (a Unix path;
#                      the build's own when unset). Its Windows path goes to them in
#                      RAVLET_PROGRAM_WINE.

: "${RAVLET_BUILD_DIR:?set RAVLET_BUILD_DIR to the Windows build folder}"
RAVLET_BUILD_DIR=$(cd "$RAVLET_BUILD_DIR" && pwd)

export WINEPREFIX="$RAVLET_BUILD_DIR/wineprefix"
# The prefix matches the build: win32 for the i686 build, win64 for the x86_64 one
# (the file is written by CMake). Wine's own launcher would pick its 32-bit loader
# even where the kernel cannot run 32-bit programs, so the loader is chosen here.
if [ "$(cat "$RAVLET_BUILD_DIR/wine-arch" 2>/dev/null)" = win64 ]; then
    export WINEARCH=win64
    export WINELOADER=/usr/lib/wine/wine64
else
    export WINEARCH=win32
    export WINELOADER=/usr/lib/wine/wine
fi
wine() { "$WINELOADER" "$@"; }
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# LC_ALL, not LANG alone, gives the ANSI code page 932. RAVLET_WINE_LOCALE picks another
# (C.UTF-8 gives 1252) for the tests of a non-Japanese system.
export LC_ALL=${RAVLET_WINE_LOCALE:-ja_JP.UTF-8}
export LANG=ja_JP.UTF-8
# The prefix's shell folders link into HOME: keep them inside the build folder.
export HOME="$RAVLET_BUILD_DIR/winehome"

wine_session_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return 0
    fi
    local n
    for n in $(seq 90 120); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            Xvfb ":$n" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
            export RAVLET_XVFB_PID=$!
            export DISPLAY=":$n"
            local i
            for i in $(seq 1 100); do
                xdpyinfo >/dev/null 2>&1 && return 0
                sleep 0.05
            done
            echo "wine-session: Xvfb did not start on :$n" >&2
            return 1
        fi
    done
    echo "wine-session: no free display number" >&2
    return 1
}

wine_session_prefix() {
    mkdir -p "$HOME"
    (
        flock 9
        [ -f "$WINEPREFIX/.ravlet-ready-6" ] && exit 0
        # The Japanese font names below are written right only under the Japanese locale.
        export LC_ALL=ja_JP.UTF-8
        [ -d "$WINEPREFIX" ] && wineserver -k 2>/dev/null
        rm -rf "$WINEPREFIX"
        wine wineboot -u >/dev/null 2>&1
        wineserver -w
        # Stand-ins for the dialog fonts of Japanese Windows. With the Ume fonts every
        # label fits its control as it does there; with IPA P Gothic one did not.
        local key='HKCU\Software\Wine\Fonts\Replacements'
        wine reg add "$key" /v "ＭＳ Ｐゴシック" /d "Ume P Gothic" /f >/dev/null 2>&1
        wine reg add "$key" /v "ＭＳ ゴシック" /d "Ume Gothic" /f >/dev/null 2>&1
        wine reg add "$key" /v "MS UI Gothic" /d "Ume UI Gothic" /f >/dev/null 2>&1
        # A Wine desktop of its own: windows get the frames and captions Windows draws,
        # with or without a window manager on the display. As tall as a 200 % screen
        # shows, so that the main dialog is whole there too.
        wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1600x1200 /f \
            >/dev/null 2>&1
        wineserver -w
        # The caption buttons are drawn with Wine's Marlett font, which Debian's Wine
        # does not find in its own folder: without it they show as letters.
        if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
            cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
        fi
        rm -f "$WINEPREFIX/dosdevices/z:"
        ln -sfn "$RAVLET_BUILD_DIR" "$WINEPREFIX/dosdevices/d:"
        # Drive N: stands for a network share: a folder of the build whose drive has the
        # type of a mapped network drive (read when the prefix's services start).
        mkdir -p "$RAVLET_BUILD_DIR/netshare"
        ln -sfn "$RAVLET_BUILD_DIR/netshare" "$WINEPREFIX/dosdevices/n:"
        wine reg add 'HKLM\Software\Wine\Drives' /v n: /d network /f >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.ravlet-ready-6"
    ) 9>"$RAVLET_BUILD_DIR/.wineprefix.lock"
}

# Windows path of a file inside the build folder (drive D:).
wine_session_path() {
    local abs
    abs=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
    local rel=${abs#"$RAVLET_BUILD_DIR"/}
    echo "D:\\${rel//\//\\}"
}

# The program under test: inside the build folder through D:, elsewhere (the shipped
# build beside the tests' own) through drive P:, mapped onto its folder at every start.
# Without it the tests that start it fail and say so.
wine_session_program() {
    local program=${RAVLET_PROGRAM:-$RAVLET_BUILD_DIR/ravlet.exe}
    local folder
    wine_session_program_file=
    unset RAVLET_PROGRAM_WINE
    if ! folder=$(cd "$(dirname "$program")" 2>/dev/null && pwd) || [ ! -f "$program" ]; then
        echo "wine-session: no program under test at $program" >&2
        return 0
    fi
    wine_session_program_file=$folder/$(basename "$program")
    case "$folder/" in
    "$RAVLET_BUILD_DIR"/*) RAVLET_PROGRAM_WINE=$(wine_session_path "$wine_session_program_file") ;;
    *)
        ln -sfn "$folder" "$WINEPREFIX/dosdevices/p:"
        RAVLET_PROGRAM_WINE="P:\\$(basename "$program")"
        ;;
    esac
    export RAVLET_PROGRAM_WINE
}

# A 16 KiB volume at D:\fullvol for tests of a full disk. Mounting needs root;
# without it the folder stays absent or ordinary and those tests skip themselves.
wine_session_fullvol() {
    local dir="$RAVLET_BUILD_DIR/fullvol"
    [ "$(id -u)" = 0 ] || return 0
    mountpoint -q "$dir" && return 0
    mkdir -p "$dir"
    mount -t tmpfs -o size=16k tmpfs "$dir" ||
        echo "wine-session: no small volume at $dir; full-disk tests will skip" >&2
    return 0
}

# A read-only volume at D:\readonly for tests of a program folder the user cannot
# write: even root cannot write a read-only mount. It holds a copy of the program alone
# (bare), one with a settings file an administrator put beside it (with-ini), and an
# empty folder (empty). Refilled at every start, so it holds the current build.
wine_session_readonly() {
    local dir="$RAVLET_BUILD_DIR/readonly"
    [ "$(id -u)" = 0 ] || return 0
    if mountpoint -q "$dir"; then
        mount -o remount,rw "$dir" || return 0
    else
        mkdir -p "$dir"
        if ! mount -t tmpfs -o size=8m tmpfs "$dir"; then
            echo "wine-session: no read-only volume at $dir; its tests will skip" >&2
            return 0
        fi
    fi
    rm -rf "${dir:?}"/*
    mkdir -p "$dir/bare" "$dir/with-ini" "$dir/empty"
    if [ -n "${wine_session_program_file:-}" ]; then
        cp "$wine_session_program_file" "$dir/bare/ravlet.exe"
        cp "$wine_session_program_file" "$dir/with-ini/ravlet.exe"
    fi
    printf '[COMBO_BOX]\r\nMENU_000=C:\\shared\r\nSELECT=3\r\n' >"$dir/with-ini/ravlet.ini"
    mount -o remount,ro "$dir"
    return 0
}

# D:\pinned\folder: a folder that takes no new file (a read-only bind mount) holding a
# ravlet.ini that can be written (a writable file mounted over it), as where a user may
# change a file but not create one. Remade at every start; absent without root.
wine_session_pinned() {
    local dir="$RAVLET_BUILD_DIR/pinned"
    [ "$(id -u)" = 0 ] || return 0
    umount -R "$dir/folder" 2>/dev/null || true
    rm -rf "${dir:?}"
    mkdir -p "$dir/folder"
    printf '[COMBO_BOX]\r\nSELECT=1\r\n' >"$dir/ravlet.ini"
    : >"$dir/folder/ravlet.ini"
    if ! { mount --bind "$dir/folder" "$dir/folder" &&
        mount -o remount,bind,ro "$dir/folder" &&
        mount --bind "$dir/ravlet.ini" "$dir/folder/ravlet.ini"; }; then
        umount -R "$dir/folder" 2>/dev/null || true
        echo "wine-session: no pinned folder at $dir; its tests will skip" >&2
    fi
    return 0
}

wine_session_start() {
    wine_session_display || return 1
    wine_session_prefix || return 1
    wine_session_program
    wine_session_fullvol
    wine_session_readonly
    wine_session_pinned
    wineserver -p >/dev/null 2>&1 || true
    # Start the prefix's services now, detached from the caller's output.
    wine wineboot >/dev/null 2>&1 </dev/null || true
}

wine_session_stop() {
    wineserver -k >/dev/null 2>&1 || true
    if mountpoint -q "$RAVLET_BUILD_DIR/fullvol"; then
        umount "$RAVLET_BUILD_DIR/fullvol" 2>/dev/null || umount -l "$RAVLET_BUILD_DIR/fullvol" || true
    fi
    if mountpoint -q "$RAVLET_BUILD_DIR/readonly"; then
        umount "$RAVLET_BUILD_DIR/readonly" 2>/dev/null || umount -l "$RAVLET_BUILD_DIR/readonly" || true
    fi
    umount -R "$RAVLET_BUILD_DIR/pinned/folder" 2>/dev/null || true
    if [ -n "${RAVLET_XVFB_PID:-}" ]; then
        kill "$RAVLET_XVFB_PID" 2>/dev/null || true
        unset RAVLET_XVFB_PID
    fi
}
