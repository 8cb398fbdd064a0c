# Cross build for 32-bit Windows with mingw-w64: the product. The win32 thread variant
# links no winpthread into ravlet.exe; GoogleTest needs the posix variant, so the
# Windows tests of a 32-bit build use cmake/mingw-i686-posix.cmake.
set(mingw_processor i686)
set(mingw_threads win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
