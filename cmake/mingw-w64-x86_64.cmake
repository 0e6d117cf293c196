# mingw-w64-x86_64.cmake: cross-compiles for 64-bit Windows with Debian's mingw-w64 (posix
# thread model, so std::thread and std::mutex work).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Libraries and headers come only from the mingw tree and the sysroot named by PELLIX_SYSROOT
# (where SDL2 and libpng were installed); programs run at build time are the build machine's.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${PELLIX_SYSROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# zlib's import library libz.dll.a would make the program need zlib1.dll.
set(ZLIB_USE_STATIC_LIBS ON)
