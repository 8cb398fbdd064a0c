#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12. Quick when all is there.
set -euo pipefail

need_root() { if [ "$(id -u)" -ne 0 ]; then echo "sudo"; fi; }
SUDO=$(need_root)

packages=(cmake make g++ googletest libgtest-dev clang libclang-rt-14-dev
          g++-mingw-w64-i686-win32 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
          binutils-mingw-w64-i686
          wine wine32:i386 wine64 fonts-wine xvfb x11-utils x11-apps xauth fonts-horai-umefont locales
          imagemagick python3 fp-utils zip unzip)

missing() {
    local p
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
    done
}

# A mirror in the middle of a sync serves an index of the wrong size; a later try
# usually gets a whole one.
apt_update() {
    local try log
    log=$(mktemp)
    for try in 1 2 3; do
        if $SUDO apt-get update -qq >"$log" 2>&1 && ! grep -q '^E:' "$log"; then
            rm -f "$log"
            return 0
        fi
        echo "setup: apt-get update try $try failed:" >&2
        grep -E '^(E|W):' "$log" | head -3 >&2 || true
        [ "$try" = 3 ] || sleep 15
    done
    rm -f "$log"
    echo "setup: going on with the package indexes apt has" >&2
}

apt_install() {
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}

mapfile -t todo < <(missing)
# Once this boot has found the 32-bit Wine uninstallable, later runs do not wait on
# the mirror for it again.
no_wine32=/run/ravlet-setup-no-wine32
if [ "${todo[*]}" = wine32:i386 ] && [ -e "$no_wine32" ]; then
    todo=()
fi
if [ ${#todo[@]} -gt 0 ]; then
    echo "setup: installing ${todo[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $SUDO dpkg --add-architecture i386
    fi
    apt_update
    if ! apt_install "${todo[@]}"; then
        # Without a whole i386 index the 32-bit Wine cannot be installed. The rest
        # still lets every test run, on the 64-bit build (scripts/wine-build.sh).
        others=()
        for p in "${todo[@]}"; do [ "$p" = wine32:i386 ] || others+=("$p"); done
        echo "setup: installing without wine32:i386; Wine will run the 64-bit build" >&2
        [ ${#others[@]} -eq 0 ] || apt_install "${others[@]}"
        $SUDO touch "$no_wine32" 2>/dev/null || true
    fi
fi

# Wine maps Japanese file names to Unix names only with a real ja_JP.UTF-8 locale.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    echo "setup: generating the ja_JP.UTF-8 locale"
    $SUDO localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
