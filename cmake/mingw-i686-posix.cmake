# Cross build for 32-bit Windows with mingw-w64's posix thread variant, which GoogleTest
# and the tests' threads need: the build that runs the Windows tests under a 32-bit Wine.
set(mingw_processor i686)
set(mingw_threads posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
