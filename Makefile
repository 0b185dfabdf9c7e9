# The commands of the README. Each one installs what is missing first.
JOBS ?= $(shell nproc)

.PHONY: all deps build run test test-release test-asan bench fuzz format clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

# The desktop program needs a display; without one it says so instead of failing obscurely.
run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2; \
	  echo "Start Tetralyx from a desktop session, or on a virtual display:" >&2; \
	  echo "  xvfb-run -a ./build/release/app/tetralyx" >&2; \
	  exit 1; \
	fi
	./build/release/app/tetralyx

test: test-release test-asan

test-release: build
	ctest --preset release -j $(JOBS)

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

bench: build
	./build/release/bench/tetralyx-bench
	bench/startup_bench.py build/release

# Each fuzz target for FUZZ_SECONDS (default 600) in turn; scripts/run-fuzz says more.
fuzz: deps
	scripts/run-fuzz

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
