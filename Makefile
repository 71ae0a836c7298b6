# The front door: each target installs what is missing, builds and does its job.
SHELL := /bin/sh
SOURCES = $(shell find scene shell tests tools bench -name '*.cpp' -o -name '*.h' 2>/dev/null)

.PHONY: all deps build run test test-linux test-asan test-windows windows bench format format-check

all: build

deps:
	scripts/install-deps

build: deps
	cmake --preset linux
	cmake --build --preset linux

# Without an X display, a snapshot stands in for the window.
run: build
	@if [ -n "$${DISPLAY:-}" ]; then \
	  build/linux/vorn --window; \
	else \
	  echo "No X display: rendering a snapshot instead."; \
	  scripts/with-display build/linux/vorn --snapshot build/snapshot.png && \
	  echo "Snapshot written to build/snapshot.png"; \
	fi

test: build format-check test-linux test-asan test-windows

test-linux:
	scripts/with-display ctest --preset linux

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	scripts/with-display ctest --preset asan

# vorn.scr, cross-built with mingw-w64 over a static freeglut made from Debian's source package.
windows: deps
	scripts/build-freeglut-mingw
	cmake --preset windows
	cmake --build --preset windows

# What Windows users download, in build/windows/: the NSIS setup program and a zip.
.PHONY: windows-setup windows-zip
windows-setup: windows
	cmake --build --preset windows --target windows-setup

windows-zip: windows
	cmake --build --preset windows --target windows-zip

# vorn.scr and its setup program under Wine in a private prefix, with real
# input, registry and screenshots.
test-windows: windows-setup
	scripts/with-display tests/win/run build/windows

# Frame rates and costs of the whole scene, rendered off-screen (not a test).
bench: build
	scripts/with-display build/linux/bench/vorn_bench

format:
	clang-format -i $(SOURCES)

format-check:
	clang-format --dry-run -Werror $(SOURCES)
