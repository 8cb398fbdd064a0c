# Cross build for 64-bit Windows with mingw-w64 (posix thread variant, which GoogleTest
# needs): compile check, and the build Wine runs where the kernel runs no 32-bit code.
set(mingw_processor x86_64)
set(mingw_threads posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
