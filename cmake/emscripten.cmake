# emscripten.cmake: builds for the browser with Debian's emscripten. SDL2, zlib and libpng come
# from the sysroot named by PELLIX_SYSROOT (built by scripts/build-web.sh).
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
# Ahead of emscripten's own tree, whose SDL2 config would fetch SDL from the network.
list(PREPEND CMAKE_FIND_ROOT_PATH ${PELLIX_SYSROOT})
