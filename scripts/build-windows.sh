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

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)

candidate() {
  apt-cache policy "$1" | awk '/Candidate:/ { print $2 }' | tr ':' '_'
}

# A deb-src twin of the system's package sources, present only while the sources download.
source_list=
remove_source_list() {
  [[ -n $source_list && -e $source_list ]] || return 0
  "${sudo[@]}" rm -f "$source_list"
  "${sudo[@]}" apt-get update -qq || true
}

# The newest version of a source package that the mirror serves: a fresh security update's
# sources may not have reached it yet. Its version is noted in the sysroot's stamp.
fetch_source() {
  local into=$1 package=$2 version
  for version in $(apt-cache showsrc "$package" | awk '/^Version:/ { print $2 }' | sort -rV); do
    if (cd "$into" && apt-get source -qq "$package=$version" >/dev/null 2>&1); then
      fetched+=("$package $version")
      return 0
    fi
  done
  echo "cannot fetch the sources of $package" >&2
  return 1
}

fetch_sources() {
  local into=$1
  # An interruption ends the script through its exit, so the entry goes then too.
  trap remove_source_list EXIT
  trap 'exit 130' INT TERM
  local entries
  if [[ -e /etc/apt/sources.list.d/debian.sources ]]; then
    source_list=/etc/apt/sources.list.d/pellix-deb-src.sources
    entries=$(sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources)
  else
    source_list=/etc/apt/sources.list.d/pellix-deb-src.list
    entries=$(awk '$1 == "deb" { $1 = "deb-src"; print }' /etc/apt/sources.list)
  fi
  echo "$entries" | "${sudo[@]}" tee "$source_list" >/dev/null
  "${sudo[@]}" apt-get update -qq
  rm -rf "$into" && mkdir -p "$into"
  fetch_source "$into" libsdl2
  fetch_source "$into" libpng1.6
  remove_source_list
  trap - EXIT INT TERM
}

# Static libraries only, installed into the sysroot.
build_library() {
  local source=$1 name=$2
  shift 2
  cmake -S "$source" -B "$out/src/build-$name" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DPELLIX_SYSROOT="$sysroot" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$sysroot" "$@" >/dev/null
  cmake --build "$out/src/build-$name" -j "$jobs" >/dev/null
  cmake --install "$out/src/build-$name" >/dev/null
}

fetched=()
build_sysroot() {
  echo "Building SDL2 and libpng for Windows into $sysroot"
  fetch_sources "$out/src"
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
