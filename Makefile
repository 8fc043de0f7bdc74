# The README's two commands: `make play` builds and starts the game, `make test` builds and
# runs every test. Both install the Debian packages they need first.
JOBS ?= $(shell nproc)
BUILD ?= build
SANITIZED ?= build-sanitized
WINDOWS ?= build-windows
WEB ?= build-web
PORT ?= 8000
# Debian's emscripten finds its JavaScript helpers among the system's Node modules.
EMSCRIPTEN_ENV = NODE_PATH=/usr/share/nodejs

FUZZ_SECONDS ?= 600
FUZZ_JOBS ?= 2
SOAK_FRAMES ?= 1000000

.PHONY: play test deps build build-sanitized windows web serve-web test-web fuzz soak format clean

deps:
	scripts/install-deps

# The game, its tools and its tests, with the ready-to-run game folder in $(BUILD)/game.
build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

# Everything again under the address and undefined-behaviour sanitizers, with the fuzz
# targets, built by clang.
build-sanitized: deps
	cmake -S . -B $(SANITIZED) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	    -DKESTRAVAN_SANITIZE=ON -DKESTRAVAN_FUZZ=ON -DKESTRAVAN_SDL=OFF
	cmake --build $(SANITIZED) -j $(JOBS)

# The Windows game, cross-built by mingw-w64 with its data written by this machine's
# generator: $(WINDOWS)/game/kestravan.exe, $(WINDOWS)/kestravan-windows.zip, and the unit
# suite for Windows, which runs under Wine.
windows: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS) --target kestravan-datagen
	cmake -S . -B $(WINDOWS) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	    -DKESTRAVAN_HOST_DATAGEN=$(CURDIR)/$(BUILD)/kestravan-datagen
	cmake --build $(WINDOWS) -j $(JOBS)

# The browser version: the page alone in $(WEB)/site (the game as WebAssembly, its packed data
# and icons written by the native generator), and beside it the simulator for Node and the
# back-end contract's page.
web: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS) --target game_data
	$(EMSCRIPTEN_ENV) emcmake cmake -S . -B $(WEB) -DCMAKE_BUILD_TYPE=Release \
	    -DKESTRAVAN_GAME_DATA=$(abspath $(BUILD))/game \
	    -DKESTRAVAN_HOST_DATAGEN=$(abspath $(BUILD))/kestravan-datagen
	$(EMSCRIPTEN_ENV) cmake --build $(WEB) -j $(JOBS)

serve-web: web
	@echo "Kestravan in the browser: http://localhost:$(PORT)/"
	cd $(WEB)/site && python3 -m http.server $(PORT) --bind 127.0.0.1

# The page in headless Chromium, and the golden replay in the WebAssembly simulator.
test-web: web
	cmake --build $(BUILD) -j $(JOBS) --target kestravan-sim
	cd tests/web && npm ci --no-audit --no-fund --loglevel=error
	tests/web/golden_wasm.sh $(WEB) $(BUILD)/game
	cd tests/web && KESTRAVAN_WEB=$(abspath $(WEB)) KESTRAVAN_SIM=$(abspath $(BUILD))/kestravan-sim \
	    KESTRAVAN_GAME_DIR=$(abspath $(BUILD))/game node --test

play: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS) --target kestravan game_data
	cd $(BUILD)/game && ./kestravan

test: build build-sanitized windows
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	ctest --test-dir $(SANITIZED) --output-on-failure -j $(JOBS)
	ctest --test-dir $(WINDOWS) --output-on-failure -j $(JOBS)
	$(MAKE) test-web

# Every fuzz target for FUZZ_SECONDS from the committed seeds, FUZZ_JOBS at a time; one line a
# target with its runs, runs a second, coverage and peak memory.
fuzz: deps
	cmake -S . -B $(SANITIZED) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	    -DKESTRAVAN_SANITIZE=ON -DKESTRAVAN_FUZZ=ON -DKESTRAVAN_SDL=OFF
	cmake --build $(SANITIZED) -j $(JOBS) --target \
	    $(patsubst fuzz/%.cpp,%,$(wildcard fuzz/fuzz_*.cpp))
	scripts/fuzz $(SANITIZED) $(FUZZ_SECONDS) $(FUZZ_JOBS)

# SOAK_FRAMES of random play on the regular build: frames a second and peak memory at the
# start, the middle and the end.
soak: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS) --target kestravan-soak game_data
	$(BUILD)/kestravan-soak $(SOAK_FRAMES) $(BUILD)/game

format:
	find src tools tests fuzz bench web -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SANITIZED) $(WINDOWS) $(WEB) tests/web/node_modules

# Installing the game like any other: `make install` (PREFIX, default /usr/local; DESTDIR
# for packagers) and `make uninstall`, which removes exactly the files the install placed, as
# listed in $(BUILD)/installed-files.txt (a copy of CMake's manifest that nothing else writes).
PREFIX ?= /usr/local

.PHONY: install uninstall
install: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(BUILD) -j $(JOBS) --target kestravan game_data game_icons
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX)
	cp $(BUILD)/install_manifest.txt $(BUILD)/installed-files.txt

uninstall:
	scripts/uninstall $(BUILD)/installed-files.txt "$(DESTDIR)"
