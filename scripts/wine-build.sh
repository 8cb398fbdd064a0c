# Sourced: which Windows build Wine runs on this machine. The product is 32-bit, but
# Wine runs 32-bit programs only where the kernel runs 32-bit x86 code; on machines
# that run 64-bit user code only, the 64-bit build of the same sources stands in. The
# 32-bit tests need posix threads, so they have a build of their own beside the
# product's build/win32.
#   wine_build       build folder, relative to the checkout
#   wine_toolchain   its toolchain file, relative to the checkout
#   wine_program     the ravlet.exe that the end-to-end tests run, relative to the
#                    checkout: the shipped one (build/win32, win32 threads) wherever
#                    Wine runs 32-bit code, else the 64-bit build's
#   wine_note        empty, or a line that says the 64-bit build stands in
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    wine_build=build/win32-posix
    wine_toolchain=cmake/mingw-i686-posix.cmake
    wine_program=build/win32/ravlet.exe
    wine_note=
else
    wine_build=build/win64
    wine_toolchain=cmake/mingw-x86_64.cmake
    wine_program=build/win64/ravlet.exe
    wine_note="note: this kernel does not run 32-bit programs; Wine runs the 64-bit build"
fi
