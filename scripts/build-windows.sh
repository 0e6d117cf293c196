#!/usr/bin/env bash
# build-windows.sh: cross-compiles the game for 64-bit Windows into one static pellix.exe.
# SDL2 and libpng are built from Debian's own source packages into a sysroot under
# build-windows/, named after their versions so that later runs reuse it. The result is
# build-windows/Pellix/ (the program and its Resources) and build-windows/Pellix-windows.zip.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/build-windows
jobs=${JOBS:-2}
toolchain=$root/cmake/mingw-w64-x86_64.cmake

bash scripts/install-deps.sh g++-mingw-w64-x86-64-posix libz-mingw-w64-dev dpkg-dev zip \
  wine wine64 xvfb xauth xdotool x11-utils evilwm imagemagick

source scripts/debian-sources.sh

# Static libraries only, installed into the sysroot.
build_library() {
  local source=$1 name=$2
  shift 2
  cmake -S "$source" -B "$out/src/build-$name" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DPELLIX_SYSROOT="$sysroot" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$sysroot" "$@" >/dev/null
  cmake --build "$out/src/build-$name" -j "$jobs" >/dev/null
  cmake --install "$out/src/build-$name" >/dev/null
}

build_sysroot() {
  echo "Building SDL2 and libpng for Windows into $sysroot"
  fetch_sources "$out/src" libsdl2 libpng1.6
  rm -rf "$sysroot"
  build_library "$(ls -d "$out"/src/libsdl2-*/)" sdl2 -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF
  build_library "$(ls -d "$out"/src/libpng1.6-*/)" png -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF
  rm -rf "$out/src"
  printf '%s\n' "${fetched[@]}" >"$sysroot/.complete"
}

sysroot=$out/sysroot-$(candidate libsdl2-dev)-$(candidate libpng-dev)
mkdir -p "$out"
# Not as the right side of ||, where a failing step inside would not stop the script.
if [[ ! -e $sysroot/.complete ]]; then
  build_sysroot
fi

# The art is drawn by the native artwork tool (cairo), the same files on every platform.
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$jobs" --target artwork_resources >/dev/null

cmake -S . -B "$out/game" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DPELLIX_SYSROOT="$sysroot" \
  -DCMAKE_BUILD_TYPE=Release -DPELLIX_RESOURCES_DIR="$root/build/Resources" ${CMAKE_ARGS:-} >/dev/null
cmake --build "$out/game" -j "$jobs"

package=$out/Pellix
rm -rf "$package" "$out/Pellix-windows.zip"
mkdir -p "$package"
cp "$out/game/pellix.exe" "$package/"
cp -r build/Resources "$package/"
rm -f "$package/Resources/.complete"
(cd "$out" && zip -qr Pellix-windows.zip Pellix)
echo "Built $package and $out/Pellix-windows.zip"
