# A thin front for CMake: every target first makes sure the Debian packages
# the project needs are there, then configures and builds with the presets.
.PHONY: all run test bench build build-asan packages clean

all: build

packages:
	@tools/ensure-packages.sh

build: packages
	cmake --preset dev
	cmake --build --preset dev

build-asan: packages
	cmake --preset asan
	cmake --build --preset asan

run: build
	build/app/lodarix/lodarix

test: build build-asan
	ctest --preset dev
	ctest --preset asan

# Start-up, memory, step cadence, CPU time and throughput, as one table.
bench: build
	cmake --build --preset dev --target lodarix-bench
	build/bench/lodarix-bench --output build/bench/results.md

clean:
	rm -rf build build-asan
