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
  windows test-windows

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
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)

# The game, its art, a desktop entry and the icon under the configured prefix (/usr/local); DESTDIR
# stages the files elsewhere for packaging.
install: build
	cmake --install $(BUILD)

# The Windows package, cross-compiled with mingw-w64: build-windows/Pellix/ (pellix.exe and its
# Resources) and build-windows/Pellix-windows.zip. SDL2 and libpng are built once into a sysroot
# under build-windows/ from Debian's source packages.
windows:
	@JOBS=$(JOBS) CMAKE_ARGS="$(CMAKE_ARGS)" bash scripts/build-windows.sh

# The package under Wine in a virtual display: window, menu picture, Exit, the registry record.
test-windows: windows
	@JOBS=$(JOBS) bash scripts/test-windows.sh
