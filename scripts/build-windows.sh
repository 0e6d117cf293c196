#!/usr/bin/env bash
# build-windows.sh: cross-compiles the game for 64-bit Windows into one static pellix.exe.
# SDL2 and libpng are built from Debian's own source packages into a sysroot in the user's cache
# (~/.cache/pellix/windows-sysroot-<SDL version>-<libpng version>/), outside the clone, so that
# later runs and other clones reuse it. The results are build-windows/Pellix/ (the program and
# its Resources), build-windows/Pellix-windows.zip and the installer build-windows/Pellix-setup.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/build-windows
jobs=${JOBS:-2}
toolchain=$root/cmake/mingw-w64-x86_64.cmake

bash scripts/install-deps.sh g++-mingw-w64-x86-64-posix libz-mingw-w64-dev dpkg-dev zip nsis \
  wine wine64 xvfb xauth xdotool x11-utils evilwm imagemagick

source scripts/debian-sources.sh

# The sysroot being built, beside its final place until it is complete.
staging=
cleanup() {
  remove_source_list
  [[ -z $staging ]] || rm -rf "$staging"
}
# An interruption ends the script through its exit, so the cleanup runs then too.
trap cleanup EXIT
trap 'exit 130' INT TERM

# Static libraries only, installed for the sysroot's final place but written under the staging
# folder (DESTDIR), since the libraries' configuration files name their prefix.
build_library() {
  local source=$1 name=$2
  shift 2
  cmake -S "$source" -B "$staging/src/build-$name" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DPELLIX_SYSROOT="$sysroot" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$sysroot" "$@" >/dev/null
  cmake --build "$staging/src/build-$name" -j "$jobs" >/dev/null
  DESTDIR=$staging/root cmake --install "$staging/src/build-$name" >/dev/null
}

# Sources and build in a staging folder beside the sysroot; the finished tree is renamed into
# place in one step, so an interrupted build never leaves a half sysroot behind.
build_sysroot() {
  echo "Building SDL2 and libpng for Windows into $sysroot"
  mkdir -p "$(dirname "$sysroot")"
  staging=$(mktemp -d "$sysroot.partial-XXXXXX")
  fetch_sources "$staging/src" libsdl2 libpng1.6
  build_library "$(ls -d "$staging"/src/libsdl2-*/)" sdl2 -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF
  build_library "$(ls -d "$staging"/src/libpng1.6-*/)" png -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF
  printf '%s\n' "${fetched[@]}" >"$staging/root$sysroot/.complete"
  # A leftover without its stamp goes; another build may have finished the same sysroot
  # meanwhile, and then its copy is kept.
  [[ -e $sysroot/.complete ]] || rm -rf "$sysroot"
  mv -T "$staging/root$sysroot" "$sysroot" 2>/dev/null || [[ -e $sysroot/.complete ]]
  rm -rf "$staging"
  staging=
}

cache=${XDG_CACHE_HOME:-$HOME/.cache}/pellix
sysroot=$cache/windows-sysroot-$(candidate libsdl2-dev)-$(candidate libpng-dev)
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
rm -rf "$package" "$out/Pellix-windows.zip" "$out/Pellix-setup.exe"
mkdir -p "$package"
cp "$out/game/pellix.exe" "$package/"
cp -r build/Resources "$package/"
# The build stamp, and the icon sizes only a Linux desktop's icon theme uses.
rm -f "$package/Resources/.complete" "$package"/Resources/icon_*.png
(cd "$out" && zip -qr Pellix-windows.zip Pellix)

# The installer, with the version of the top CMakeLists.txt.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/game/CMakeCache.txt")
makensis -V2 -WX -DVERSION="$version" -DPACKAGE="$package" -DOUTFILE="$out/Pellix-setup.exe" \
  data/windows/pellix-setup.nsi
echo "Built $package, $out/Pellix-windows.zip and $out/Pellix-setup.exe (version $version)"
