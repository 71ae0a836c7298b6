# CMake toolchain for cross-building 64-bit Windows programs with Debian's
# mingw-w64. The win32 thread model needs no libwinpthread, and -static folds
# libstdc++ and libgcc into the executable, so it imports only system DLLs.
# Libraries are looked up in the mingw sysroot.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VORN_MINGW_TARGET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VORN_MINGW_TARGET}-gcc-win32)
set(CMAKE_CXX_COMPILER ${VORN_MINGW_TARGET}-g++-win32)
set(CMAKE_RC_COMPILER ${VORN_MINGW_TARGET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VORN_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
