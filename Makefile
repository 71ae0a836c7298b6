# The front door: each target installs what is missing, builds and does its job.
SHELL := /bin/sh
SOURCES = $(shell find scene shell tests tools bench -name '*.cpp' -o -name '*.h' 2>/dev/null)

.PHONY: all deps build run test test-linux test-asan test-windows windows bench format format-check
.PHONY: fuzz fuzz-build test-fuzz

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

test: build format-check test-linux test-asan test-windows test-fuzz

test-linux:
	scripts/with-display ctest --preset linux

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	scripts/with-display ctest --preset asan

# The libFuzzer targets of tests/fuzz, built with clang and the sanitizers.
fuzz-build: deps
	cmake --preset fuzz
	cmake --build --preset fuzz

# Each fuzzer for FUZZ_SECONDS from its corpus in tests/fuzz/corpus.
FUZZ_SECONDS ?= 60
fuzz: fuzz-build
	scripts/run-fuzzers build/fuzz $(FUZZ_SECONDS)

# A few seconds of each fuzzer: fails when any of them crashes.
test-fuzz: fuzz-build
	scripts/run-fuzzers build/fuzz 5

# vorn.scr, cross-built with mingw-w64 over a static freeglut made from Debian's source package.
windows: deps
	scripts/build-freeglut-mingw
	cmake --preset windows
	cmake --build --preset windows

# vorn.scr under Wine in a private prefix, with real input, registry and screenshots.
test-windows: windows
	scripts/with-display tests/win/run build/windows

# Frame rates and costs of the whole scene, rendered off-screen (not a test).
bench: build
	scripts/with-display build/linux/bench/vorn_bench

format:
	clang-format -i $(SOURCES)

format-check:
	clang-format --dry-run -Werror $(SOURCES)
