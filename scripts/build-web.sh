#!/usr/bin/env bash
# build-web.sh: builds the game for the browser with Emscripten into build-web/: index.html,
# pellix.js, pellix.wasm and pellix.data (the art), the page's scripts for touch screens and
# offline play, its manifest and icons: a static folder any web server can host.
# SDL2, zlib and libpng are built from Debian's own source packages into a sysroot kept in the
# user's cache, outside the clone and named after their versions, so that a fresh clone reuses it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/build-web
jobs=${JOBS:-2}

bash scripts/install-deps.sh emscripten dpkg-dev
source scripts/debian-sources.sh
# An interruption ends the script through its exit, so the deb-src entry goes then too.
trap remove_source_list EXIT
trap 'exit 130' INT TERM

# Debian's node finds Debian's own JavaScript modules (acorn, for emcc's optimiser) only here.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

# Runs a step of a library's build with its output in a log, shown only when the step fails.
logged() {
  local log=$1
  shift
  if ! "$@" >>"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "failed: $* (the whole output is in $log)" >&2
    return 1
  fi
}

# The libraries take minutes on two cores; they yield to everything else on the machine.
build_library() {
  local source=$1 build=$2
  shift 2
  logged "$build.log" nice -n 19 emcmake cmake -Wno-dev -S "$source" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$staging" "$@"
  logged "$build.log" nice -n 19 cmake --build "$build" -j "$jobs"
  logged "$build.log" cmake --install "$build"
}

# zlib's CMake build wants a Windows resource file Debian's tarball lacks; its configure works.
build_zlib() {
  local source=$1 log=$2
  cd "$source"
  logged "$log" nice -n 19 emconfigure ./configure --static --prefix="$staging"
  logged "$log" nice -n 19 emmake make -j "$jobs" libz.a
  logged "$log" emmake make install
  cd "$root"
}

# Built in a temporary folder and renamed when complete: an interrupted build leaves no sysroot.
build_sysroot() {
  echo "Building SDL2, zlib and libpng for the browser into $sysroot"
  local work
  work=$(mktemp -d "$cache/build.XXXXXX")
  staging=$work/sysroot
  fetch_sources "$work/src" libsdl2 zlib libpng1.6
  build_zlib "$(ls -d "$work"/src/zlib-*/)" "$work/build-zlib.log"
  build_library "$(ls -d "$work"/src/libpng1.6-*/)" "$work/build-png" -DPNG_SHARED=OFF \
    -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF -DPNG_TOOLS=OFF -DZLIB_LIBRARY="$staging/lib/libz.a" \
    -DZLIB_INCLUDE_DIR="$staging/include"
  build_library "$(ls -d "$work"/src/libsdl2-*/)" "$work/build-sdl2" -DSDL_SHARED=OFF \
    -DSDL_STATIC=ON -DSDL_TEST=OFF
  printf '%s\n' "${fetched[@]}" >"$staging/.complete"
  rm -rf "$sysroot"
  mv "$staging" "$sysroot"
  rm -rf "$work"
}

cache=${XDG_CACHE_HOME:-$HOME/.cache}/pellix
sysroot=$cache/web-sysroot-$(candidate libsdl2-dev)-$(candidate zlib1g-dev)-$(candidate libpng-dev)
mkdir -p "$cache"
# Not as the right side of ||, where a failing step inside would not stop the script.
if [[ ! -e $sysroot/.complete ]]; then
  build_sysroot
fi

# The art is drawn by the native artwork tool (cairo), the same files on every platform.
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$jobs" --target artwork_resources >/dev/null

# The CMake tree sits in a hidden folder, so that build-web/ itself is just the page's files.
game=$out/.build
cmake -S . -B "$game" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/emscripten.cmake" \
  -DPELLIX_SYSROOT="$sysroot" -DCMAKE_BUILD_TYPE=Release -DPELLIX_RESOURCES_DIR="$root/build/Resources" \
  ${CMAKE_ARGS:-} >/dev/null
nice -n 19 cmake --build "$game" -j "$jobs"
cp data/web/index.html data/web/language.js data/web/page_life.js data/web/device.css data/web/offline.js data/web/manifest.webmanifest \
  "$game/pellix.js" "$game/pellix.wasm" "$game/pellix.data" "$out/"
# The page measures the picture as the game lays it out.
sed -e "s/@SCREEN_WIDTH@/$(python3 scripts/screen_layout.py kScreenWidth)/" \
  -e "s/@SCREEN_HEIGHT@/$(python3 scripts/screen_layout.py kScreenHeight)/" \
  -e "s/@CELL_SIZE@/$(python3 scripts/screen_layout.py kCellSize)/" data/web/device.js >"$out/device.js"
# The installed game's icons, drawn by the artwork tool.
build/artwork --app-icons "$out"
# The 2x and 3x art in packages of their own (pellix-2x.data and its loader pellix-2x.js...):
# the page loads the one its screen needs, so a plain screen downloads neither.
# ("@@" is an "@" of the folder's name: a lone "@" splits the source from the destination.)
for scale in 2 3; do
  (cd "$out" && python3 /usr/share/emscripten/tools/file_packager.py "pellix-${scale}x.data" \
    --preload "$root/build/Resources/@@${scale}x@/Resources/@@${scale}x" \
    --js-output="pellix-${scale}x.js" >/dev/null)
done
# Each language's pictures with words in a package of its own (its 1x set: a dense screen shows
# those smoothed), loaded only by a page in that language.
while read -r language; do
  [[ -z "$language" || "$language" == \#* ]] && continue
  (cd "$out" && python3 /usr/share/emscripten/tools/file_packager.py "pellix-${language}.data" \
    --preload "$root/build/Resources/${language}@/Resources/${language}" --exclude "*/@*" \
    --js-output="pellix-${language}.js" >/dev/null)
done < po/LINGUAS
# Last, as it names the build by every other file: the service worker that keeps it offline.
python3 scripts/service_worker.py "$out" data/web/sw.js
echo "Built $out: serve it with make serve-web"
