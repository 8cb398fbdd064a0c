# The body of the mingw-w64 toolchain files: each names the processor and the thread
# variant of its compilers, then includes this.
#   mingw_processor   i686 or x86_64
#   mingw_threads     win32 or posix
set(mingw_triple ${mingw_processor}-w64-mingw32)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${mingw_processor})
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-${mingw_threads})
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-${mingw_threads})
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
