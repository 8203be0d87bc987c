# A thin front for CMake: every target first makes sure the Debian packages
# the project needs are there, then configures and builds with the presets.
.PHONY: all run test bench build build-asan build-fuzz package packages clean

all: build

packages:
	@tools/ensure-packages.sh

build: packages
	cmake --preset dev
	cmake --build --preset dev

build-asan: packages
	cmake --preset asan
	cmake --build --preset asan

build-fuzz: packages
	cmake --preset fuzz
	cmake --build --preset fuzz

run: build
	build/app/lodarix/lodarix

package: build
	cmake --build --preset dev --target package

test: build build-asan build-fuzz
	ctest --preset dev
	ctest --preset asan
	ctest --preset fuzz

# Start-up, memory, step cadence, CPU time and throughput, as one table.
bench: build
	cmake --build --preset dev --target lodarix-bench
	build/bench/lodarix-bench --output build/bench/results.md

clean:
	rm -rf build build-asan build-fuzz
