#!/usr/bin/env bash
# package.sh: the Debian package, build-package/pellix_<version>_<arch>.deb. A build of its own
# with Debian's layout (/usr/games, /usr/share/pellix) and Debian's hardening flags, without the
# tests; CPack stages cmake/install.cmake's tree and asks dpkg-shlibdeps for the dependencies.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build-package
jobs=${JOBS:-2}

# dpkg-shlibdeps, and file, with which CPack picks the binaries out.
bash scripts/install-deps.sh dpkg-dev file

# dpkg-buildflags' optimisation (-O2) and hardening (fortified functions, stack protector,
# read-only relocations, bind now) alone, through the build type "None"; CMake reads no
# CPPFLAGS, so the preprocessor's share joins the compilers' flags, with NDEBUG as in a release.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
# Reproducible: one commit gives the same package in any folder at any time. The archive's file
# times are the commit's (CPack reads SOURCE_DATE_EPOCH), and the folders named in the debugging
# information and in assertions are /src and /build wherever the clone lies.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || echo 0)
export SOURCE_DATE_EPOCH
# GCC tries the last map first, so the build folder inside the clone comes last.
folders="-ffile-prefix-map=$PWD=/src -ffile-prefix-map=$PWD/$out=/build"
cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=None -DPELLIX_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games \
  -DCMAKE_C_FLAGS="$CPPFLAGS $CFLAGS -DNDEBUG $folders" -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS -DNDEBUG $folders" \
  -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" ${CMAKE_ARGS:-} >/dev/null
cmake --build "$out" -j "$jobs"
rm -f "$out"/pellix_*.deb
(cd "$out" && cpack -G DEB >/dev/null)
deb=$(ls "$out"/pellix_*.deb)
echo "Built $deb ($(du -k "$deb" | cut -f1) KiB)"
