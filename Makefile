# Makefile: the few commands a newcomer needs; CMake and Ninja do the building.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
ifdef CI
CMAKE_ARGS += -DPELLIX_WERROR=ON
endif

.PHONY: all deps build run test test-asan bench clean screenshots artwork-preview fuzz install \
  windows test-windows package test-package web serve-web test-web measure-web measure-idle \
  measure-scaled measure-before-after

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_ARGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/pellix

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPELLIX_SANITIZE=ON $(CMAKE_ARGS) >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan-suppressions.txt:print_suppressions=0 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

artwork-preview: build
	./$(BUILD)/artwork --preview $(BUILD)/artwork-preview.png --mock $(BUILD)/artwork-mock

screenshots: test
	cp $(BUILD)/tests/captures/game_menu.png docs/menu.png
	cp $(BUILD)/tests/captures/game_board.png docs/board.png
	cp $(BUILD)/tests/captures/game_board_random.png docs/board-random.png
	cp $(BUILD)/tests/captures/game_board_chaos.png docs/board-chaos.png
	cp $(BUILD)/tests/captures/scaled_menu_1600x1200.png docs/menu@2x.png
	cp $(BUILD)/tests/captures/scaled_board_1600x1200.png docs/board@2x.png

# The fuzz targets (clang, libFuzzer, ASan, UBSan) in their own build, and seed corpora made
# from the generated art and scripts/fuzz-seeds.py. scripts/fuzz.sh runs one target.
fuzz: build
	@cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
	  -DPELLIX_FUZZ=ON $(CMAKE_ARGS) >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target pellix_fuzzers
	@python3 scripts/fuzz-seeds.py $(BUILD)/Resources $(FUZZ_BUILD)/seeds tests/media/regressions

bench: build
	./$(BUILD)/pellix-puzzle bench
	./$(BUILD)/pellix-bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) build-package build-web

# The game, the puzzle tool, their art, manual pages, desktop entry, AppStream metainfo and icons
# under the configured prefix (/usr/local); DESTDIR stages the files elsewhere.
install: build
	cmake --install $(BUILD)

# The Debian package build-package/pellix_<version>_amd64.deb, built in build-package/ with
# Debian's layout (/usr/games) and hardening flags (scripts/package.sh).
package: deps
	@JOBS=$(JOBS) CMAKE_ARGS="$(CMAKE_ARGS)" bash scripts/package.sh

# The package checked with Debian's tools (desktop-file-validate, appstreamcli, lintian, man)
# and its game started from the unpacked tree under Xvfb; then the commit is cloned and packaged in
# another folder, which must give the same bytes (scripts/test-package.sh).
test-package: package
	@JOBS=$(JOBS) CMAKE_ARGS="$(CMAKE_ARGS)" bash scripts/test-package.sh

# The Windows package, cross-compiled with mingw-w64: build-windows/Pellix/ (pellix.exe and its
# Resources), build-windows/Pellix-windows.zip and the NSIS installer build-windows/Pellix-setup.exe.
# SDL2 and libpng are built once from Debian's source packages into a sysroot kept in
# ~/.cache/pellix/, outside the clone.
windows:
	@JOBS=$(JOBS) CMAKE_ARGS="$(CMAKE_ARGS)" bash scripts/build-windows.sh

# The package under Wine in a virtual display: window, menu picture, Exit, the registry record;
# then the installer and uninstaller, silently.
test-windows: windows
	@JOBS=$(JOBS) bash scripts/test-windows.sh

# The browser build with Emscripten: build-web/ (index.html, pellix.js, pellix.wasm and
# pellix.data), a static folder any web server can host. SDL2, zlib and libpng are built once
# from Debian's source packages into a sysroot under ~/.cache/pellix/, kept between clones.
web:
	@JOBS=$(JOBS) CMAKE_ARGS="$(CMAKE_ARGS)" bash scripts/build-web.sh

# The browser build on this machine only: http://127.0.0.1:$(WEB_PORT)/
WEB_PORT ?= 8000
serve-web: web
	@echo "Pellix is at http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops it)"
	@python3 -m http.server --bind 127.0.0.1 --directory build-web $(WEB_PORT)

# The page played in headless chromium over the DevTools protocol; its pictures are compared
# with the native game's, which make test captures.
test-web: web
	@bash scripts/install-deps.sh chromium python3-websocket imagemagick
	@test -e $(BUILD)/tests/captures/game_menu.png || $(MAKE) --no-print-directory test
	@/usr/bin/python3 scripts/test-web.py build-web $(BUILD)/tests/captures

# Load time, CPU use and download size of the browser build.
measure-web: web
	@bash scripts/install-deps.sh chromium python3-websocket imagemagick
	@test -e $(BUILD)/tests/captures/game_menu.png || $(MAKE) --no-print-directory test
	@/usr/bin/python3 scripts/measure-web.py build-web $(BUILD)/tests/captures

# Processor use of the native game on a real X server: idle at the menu, on a board, minimised
# and under a moving pointer (scripts/measure-idle.sh), and at the sizes of the 2x art and
# full screen, with screenshots in $(BUILD)/measure-scaled/ (scripts/measure-scaled.sh).
measure-idle: build
	@bash scripts/measure-idle.sh 20 $(BUILD)

measure-scaled: build
	@bash scripts/install-deps.sh imagemagick
	@bash scripts/measure-scaled.sh 10 $(BUILD)

# The same, for an earlier commit and this tree side by side: make measure-before-after BEFORE=<commit>.
measure-before-after: build
	@bash scripts/install-deps.sh imagemagick
	@bash scripts/measure-before-after.sh $(BEFORE) 10 $(BUILD)
