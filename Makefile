# A thin front for CMake: every target first makes sure the Debian packages
# the project needs are there, then configures and builds with the presets.
.PHONY: all run test build build-asan package packages clean

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

package: build
	cmake --build --preset dev --target package

test: build build-asan
	ctest --preset dev
	ctest --preset asan

clean:
	rm -rf build build-asan
