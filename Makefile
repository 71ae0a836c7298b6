# The front door: each target installs what is missing, builds and does its job.
SHELL := /bin/sh
SOURCES = $(shell find scene shell tests tools bench -name '*.cpp' -o -name '*.h' 2>/dev/null)

.PHONY: all deps build run test test-linux test-asan test-windows windows bench bench-instructions format format-check

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

# vorn.scr under Wine in a private prefix, with real input, registry and screenshots.
test-windows: windows
	scripts/with-display tests/win/run build/windows

# Frame rates and costs of the whole scene, rendered off-screen, and start-up
# times (not a test); with Wine and vorn.scr there, also vorn.scr's start-up.
bench: build
	scripts/with-display -s 1920x1080 build/linux/bench/vorn_bench
	@if command -v wine >/dev/null && [ -f build/windows/vorn.scr ]; then \
	  scripts/with-display -s 1920x1080 scripts/bench-windows-startup build/windows; \
	fi

# The frames' instruction counts under callgrind, against the display-list replay.
bench-instructions: build
	scripts/with-display scripts/bench-instructions build/linux/bench/vorn_bench

format:
	clang-format -i $(SOURCES)

format-check:
	clang-format --dry-run -Werror $(SOURCES)
