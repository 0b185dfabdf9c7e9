# The commands of the README. Each one installs what is missing first.
JOBS ?= $(shell nproc)

.PHONY: all deps build run test test-release test-asan bench format clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

run: build
	./build/release/cli/tetralyx-cli --help

test: test-release test-asan

test-release: build
	ctest --preset release -j $(JOBS)

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

bench: build
	./build/release/bench/tetralyx-bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
