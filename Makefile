# A thin front for CMake. Each command first installs the Debian packages it
# needs (tools/packages/*.txt, through tools/ensure-packages.sh), then
# configures and builds with the presets.
.PHONY: all run build test test-builds bench package format format-check clean

# The tracked C++ sources, for the style check.
CXX_SOURCES = git ls-files -z '*.cpp' '*.h'

all: build

# The program alone, in build-app/, without what only the tests and
# benchmarks need; the tests' build in build/ is left as it is.
build:
	@tools/ensure-packages.sh run
	cmake --preset app
	cmake --build --preset app --target lodarix

run: build
	build-app/app/lodarix/lodarix

package:
	@tools/ensure-packages.sh run package
	cmake --preset app
	cmake --build --preset app --target package

# Every build of the tests: the normal one, with the benchmarks and the
# README's screenshot program compiled (not run), the sanitizer one and the
# fuzz one.
test-builds:
	@tools/ensure-packages.sh run test
	cmake --preset dev
	cmake --build --preset dev
	cmake --build --preset dev --target lodarix-bench lodarix-screenshot
	cmake --preset asan
	cmake --build --preset asan
	cmake --preset fuzz
	cmake --build --preset fuzz

test: test-builds format-check
	ctest --preset dev
	ctest --preset asan
	ctest --preset fuzz

# Start-up, memory, step cadence, CPU time and throughput, as one table.
# The same build of build/ as the tests', so that neither undoes the other.
bench:
	@tools/ensure-packages.sh run test bench
	cmake --preset dev
	cmake --build --preset dev --target lodarix lodarix-bench
	build/bench/lodarix-bench --output build/bench/results.md

format:
	@tools/ensure-packages.sh format
	$(CXX_SOURCES) | xargs -0 clang-format -i

format-check:
	@tools/ensure-packages.sh format
	$(CXX_SOURCES) | xargs -0 clang-format --dry-run -Werror

clean:
	rm -rf build build-app build-asan build-fuzz
