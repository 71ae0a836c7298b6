# The front door: each target installs what is missing, builds and does its job.
SHELL := /bin/sh
# npm's packages under tests/web are not ours to format.
SOURCES = $(shell find scene shell tests tools bench glut_shapes -name node_modules -prune -o \
	    \( -name '*.cpp' -o -name '*.c' -o -name '*.h' \) -print 2>/dev/null)

.PHONY: all deps deps-test deps-windows deps-deb deb test-deb build run test test-linux test-asan test-windows windows bench-build bench bench-instructions format format-check
.PHONY: deps-fuzz fuzz fuzz-build test-fuzz
.PHONY: deps-web web run-web deps-web-test test-web bench-web

all: build

# Each target installs only its own package lists (scripts/packages/*).
deps:
	scripts/install-deps build dialog

deps-test:
	scripts/install-deps build dialog test x11 wayland

deps-windows:
	scripts/install-deps build windows

deps-deb:
	scripts/install-deps build dialog deb

build: deps
	cmake --preset linux
	cmake --build --preset linux

# Without an X or Wayland display, a snapshot stands in for the window: it needs no display server.
run: build
	@if [ -n "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ]; then \
	  build/linux/vorn --window; \
	else \
	  echo "No X or Wayland display: rendering a snapshot instead."; \
	  build/linux/vorn --snapshot build/snapshot.png && \
	  echo "Snapshot written to build/snapshot.png"; \
	fi

# The test packages come first: the build finds GoogleTest when it configures.
test: deps-test build format-check test-linux test-asan test-windows test-fuzz test-web

test-linux:
	scripts/with-display ctest --preset linux

test-asan: deps-test
	cmake --preset asan
	cmake --build --preset asan
	scripts/with-display ctest --preset asan

# The libFuzzer targets of tests/fuzz, built with clang and the sanitizers.
deps-fuzz:
	scripts/install-deps build fuzz

fuzz-build: deps-fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz

# Each fuzzer for FUZZ_SECONDS from its corpus in tests/fuzz/corpus.
FUZZ_SECONDS ?= 60
fuzz: fuzz-build
	scripts/run-fuzzers build/fuzz $(FUZZ_SECONDS)

# A few seconds of each fuzzer: fails when any of them crashes.
test-fuzz: fuzz-build
	scripts/run-fuzzers build/fuzz 5

# The web page in build/web (index.html, index.js, index.wasm), built with
# Debian's Emscripten; any static file host can serve the folder.
deps-web:
	scripts/install-deps web

web: deps-web
	cmake --preset web
	cmake --build --preset web

WEB_PORT ?= 8000
run-web: web
	@echo "vorn's page: http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops the server)"
	python3 -m http.server --bind 127.0.0.1 --directory build/web $(WEB_PORT)

# Chromium and Node.js from Debian; npm only where the nodejs package lacks it.
deps-web-test:
	scripts/install-deps web-test
	command -v npm >/dev/null || scripts/install-deps npm

# puppeteer-core as the committed lock file pins it, installed again only when the lock changes.
tests/web/node_modules/.package-lock.json: tests/web/package-lock.json
	cd tests/web && npm ci --no-audit --no-fund

# The page in headless Chromium and Firefox: its stills against vorn --snapshot, the
# layer's probes against Mesa's fixed function, its input and its failures.
test-web: deps-test deps-web-test web build tests/web/node_modules/.package-lock.json
	scripts/with-display node tests/web/run.js build/web build/web-build/probes \
	  build/linux/vorn build/linux/tests/web/probes/vorn_native_probes

# The page's sizes, first frame and frame rates next to vorn --window's (not a test).
bench-web: deps-test deps-web-test web build tests/web/node_modules/.package-lock.json
	scripts/with-display -s 1920x1080 scripts/bench-web

# vorn.scr, cross-built with mingw-w64.
windows: deps-windows
	cmake --preset windows
	cmake --build --preset windows

# What Windows users download, in build/windows/: the NSIS setup program and a zip.
.PHONY: deps-windows-setup windows-setup windows-zip
deps-windows-setup:
	scripts/install-deps windows-setup

# NSIS comes first: configuring the cross build looks for makensis.
windows-setup: deps-windows-setup windows
	cmake --build --preset windows --target windows-setup

windows-zip: deps-windows-setup windows
	cmake --build --preset windows --target windows-zip

# vorn.scr and its setup program under Wine in a private prefix, with real
# input, registry and screenshots.
test-windows: windows-setup
	scripts/with-display tests/win/run build/windows

# build/deb/vorn_1.0_amd64.deb, built with debhelper from debian/ and checked with lintian.
deb: deps-deb
	scripts/make-deb

# The .deb installed into a clean Debian 12 root (cached in build/debian-root):
# slow and as root, so not part of make test. The display is only for ctest's
# listing of the GL tests; the test starts its own inside the root.
test-deb: deps-test deb build
	scripts/with-display ctest --preset deb

# Frame rates and costs of the whole scene, rendered off-screen, and start-up
# times on X11 and on a headless sway (not a test); with Wine and vorn.scr
# there, also vorn.scr's start-up.
# The benchmark needs valgrind's header, so it is built only here, not by make build.
bench-build: build
	scripts/install-deps bench wayland
	cmake --build --preset linux --target vorn_bench

bench: bench-build
	scripts/with-display -s 1920x1080 scripts/with-sway -s 1920x1080 build/linux/bench/vorn_bench
	@if command -v wine >/dev/null && [ -f build/windows/vorn.scr ]; then \
	  scripts/with-display -s 1920x1080 scripts/bench-windows-startup build/windows; \
	fi

# The frames' instruction counts under callgrind, against the display-list replay.
bench-instructions: bench-build
	scripts/with-display scripts/bench-instructions build/linux/bench/vorn_bench

format:
	clang-format -i $(SOURCES)

format-check:
	clang-format --dry-run -Werror $(SOURCES)
