# The README's two commands: `make play` builds and starts the game, `make test` builds and
# runs every test. Both install the Debian packages they need first. Each build folder is
# configured by its preset in CMakePresets.json (gcc, sanitized, windows, web).
JOBS ?= $(shell nproc)
BUILD ?= build
SANITIZED ?= build-sanitized
WINDOWS ?= build-windows
WEB ?= build-web
DEB_BUILD ?= build-deb
# The one version, as the top CMakeLists.txt declares it.
VERSION := $(shell grep -o 'project.Kestravan VERSION [0-9.]*' CMakeLists.txt | cut -d' ' -f3)
PORT ?= 8000
# Debian's emscripten finds its JavaScript helpers among the system's Node modules.
EMSCRIPTEN_ENV = NODE_PATH=/usr/share/nodejs

FUZZ_SECONDS ?= 600
FUZZ_JOBS ?= 2
SOAK_FRAMES ?= 1000000

.PHONY: play test deps test-deps build build-sanitized windows web serve-web test-web fuzz soak \
        format clean deb dist test-package test-dist

# What building and playing need; the test suite's tools come with test-deps.
deps:
	scripts/install-deps play

test-deps:
	scripts/install-deps test

# The game, its tools and its tests, with the ready-to-run game folder in $(BUILD)/game.
build: test-deps
	cmake --preset gcc -B $(BUILD) -DKESTRAVAN_TESTS=ON -DKESTRAVAN_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS)

# Everything again under the address and undefined-behaviour sanitizers, with the fuzz
# targets, built by clang.
build-sanitized: test-deps
	cmake --preset sanitized -B $(SANITIZED)
	cmake --build $(SANITIZED) -j $(JOBS)

# The Windows game, cross-built by mingw-w64 with its data written by this machine's
# generator: $(WINDOWS)/game/kestravan.exe, $(WINDOWS)/kestravan-windows.zip, and the unit
# suite for Windows, which runs under Wine.
windows: test-deps
	cmake --preset gcc -B $(BUILD)
	cmake --build $(BUILD) -j $(JOBS) --target kestravan-datagen kestravan-sim
	cmake --preset windows -B $(WINDOWS) -DKESTRAVAN_HOST_DATAGEN=$(abspath $(BUILD))/kestravan-datagen
	cmake --build $(WINDOWS) -j $(JOBS)

# The browser version: the page alone in $(WEB)/site (the game as WebAssembly, its packed data
# and icons written by the native generator), and beside it the simulator for Node and the
# back-end contract's page.
web: test-deps
	cmake --preset gcc -B $(BUILD)
	cmake --build $(BUILD) -j $(JOBS) --target game_data
	$(EMSCRIPTEN_ENV) emcmake cmake --preset web -B $(WEB) -DKESTRAVAN_GAME_DATA=$(abspath $(BUILD))/game \
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
	cmake --preset gcc -B $(BUILD) -DKESTRAVAN_TESTS=OFF -DKESTRAVAN_BENCH=OFF
	cmake --build $(BUILD) -j $(JOBS) --target kestravan game_data
	cd $(BUILD)/game && ./kestravan

test: build build-sanitized windows
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	ctest --test-dir $(SANITIZED) --output-on-failure -j $(JOBS)
	ctest --test-dir $(WINDOWS) --output-on-failure -j $(JOBS)
	$(MAKE) test-web
	$(MAKE) test-package
	$(MAKE) test-dist

# The Debian package, dist/kestravan_$(VERSION)_amd64.deb: built in $(DEB_BUILD) with Debian's
# hardening flags (CMake takes no CPPFLAGS: they join the compilers' flags) for /usr/games and
# /usr/share/games/kestravan.
deb: test-deps
	eval "$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)" && \
	    cmake -S . -B $(DEB_BUILD) -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
	        -DCMAKE_C_FLAGS="$$CFLAGS $$CPPFLAGS" -DCMAKE_CXX_FLAGS="$$CXXFLAGS $$CPPFLAGS" \
	        -DCMAKE_EXE_LINKER_FLAGS="$$LDFLAGS" \
	        -DKESTRAVAN_GAMES_LAYOUT=ON -DKESTRAVAN_TESTS=OFF -DKESTRAVAN_BENCH=OFF
	cmake --build $(DEB_BUILD) -j $(JOBS) --target deb
	mkdir -p dist
	cp $(DEB_BUILD)/kestravan_$(VERSION)_amd64.deb dist/

# The package passes lintian, installs with apt-get, plays a short game from an unrelated folder
# and leaves nothing behind when removed (that part needs root, and says so when skipped).
test-package: deb
	tests/package/deb_round_trip.sh dist/kestravan_$(VERSION)_amd64.deb

# Every release file in dist/, each named with the version, and SHA256SUMS over them: the
# Debian package, the Windows installer and zip (made by `make windows`), the page's folder as
# a zip (made by `make web`), the metainfo's screenshot and the committed tree as a source
# archive.
DIST_FILES = kestravan_$(VERSION)_amd64.deb kestravan-setup-$(VERSION).exe \
             kestravan-$(VERSION)-windows.zip kestravan-$(VERSION)-web.zip \
             kestravan-$(VERSION)-screenshot.png kestravan-$(VERSION).tar.gz
dist: deb windows web
	scripts/make-dist $(VERSION) $(DEB_BUILD) $(WINDOWS) $(WEB)/site dist

test-dist: dist
	cd dist && sha256sum --check --strict SHA256SUMS

# Every fuzz target for FUZZ_SECONDS from the committed seeds, FUZZ_JOBS at a time; one line a
# target with its runs, runs a second, coverage and peak memory.
fuzz: test-deps
	cmake --preset sanitized -B $(SANITIZED)
	cmake --build $(SANITIZED) -j $(JOBS) --target \
	    $(patsubst fuzz/%.cpp,%,$(wildcard fuzz/fuzz_*.cpp))
	scripts/fuzz $(SANITIZED) $(FUZZ_SECONDS) $(FUZZ_JOBS)

# SOAK_FRAMES of random play on the regular build: frames a second and peak memory at the
# start, the middle and the end.
soak: deps
	cmake --preset gcc -B $(BUILD)
	cmake --build $(BUILD) -j $(JOBS) --target kestravan-soak game_data
	$(BUILD)/kestravan-soak $(SOAK_FRAMES) $(BUILD)/game

format:
	find src tools tests fuzz bench web -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SANITIZED) $(WINDOWS) $(WEB) $(DEB_BUILD) tests/web/node_modules
	cd dist && rm -f $(DIST_FILES) SHA256SUMS

# Installing the game like any other: `make install` (PREFIX, default /usr/local; DESTDIR
# for packagers) and `make uninstall`, which removes exactly the files the install placed, as
# listed in $(BUILD)/installed-files.txt (a copy of CMake's manifest that nothing else writes).
PREFIX ?= /usr/local

.PHONY: install uninstall
install: deps
	cmake --preset gcc -B $(BUILD) -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(BUILD) -j $(JOBS) --target kestravan game_data game_icons
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX) --strip
	cp $(BUILD)/install_manifest.txt $(BUILD)/installed-files.txt

uninstall:
	scripts/uninstall $(BUILD)/installed-files.txt "$(DESTDIR)"
