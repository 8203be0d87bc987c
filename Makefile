# A thin front for CMake. Each command first installs the Debian packages it
# needs (tools/packages/*.txt, through tools/ensure-packages.sh), then
# configures and builds with the presets.
.PHONY: all run build web test test-builds bench package format format-check clean

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

# The browser page: one HTML file with the core, its scripts, style and font inside.
web:
	@tools/ensure-packages.sh web
	cmake --preset web
	cmake --build --preset web --target lodarix-page lodarix-site
	@echo "The page: $(CURDIR)/build-web/lodarix.html"
	@echo "The site: $(CURDIR)/build-web/site/"

package:
	@tools/ensure-packages.sh run package
	cmake --preset app
	cmake --build --preset app --target package

# Every build of the tests: the normal one, with the benchmarks and the
# README's screenshot program compiled (not run), the web one (whose tests
# compare its lodarix-replay with the normal build's) and the sanitizer one,
# which holds the fuzz targets too. Each runs its tests two at a time.
test-builds:
	@tools/ensure-packages.sh run test web
	cmake --preset dev
	cmake --build --preset dev
	cmake --build --preset dev --target lodarix-bench lodarix-screenshot
	cmake --preset web
	cmake --build --preset web
	cmake --preset asan
	cmake --build --preset asan

test: test-builds format-check
	ctest --preset dev
	ctest --preset web
	ctest --preset asan

# Start-up, memory, step cadence, CPU time and throughput, as one table;
# then the browser page's figures, as another. The same build of build/ as
# the tests', so that neither undoes the other.
bench:
	@tools/ensure-packages.sh run test bench web
	cmake --preset dev
	cmake --build --preset dev --target lodarix lodarix-bench
	build/bench/lodarix-bench --output build/bench/results.md
	cmake --preset web
	cmake --build --preset web --target lodarix-page
	cmake -DNPM=npm -DDIR=web -P web/test/npm_ci.cmake
	node web/bench/page_bench.mjs build-web/lodarix.html build-web/bench/results.md

format:
	@tools/ensure-packages.sh format web
	$(CXX_SOURCES) | xargs -0 clang-format -i
	cmake -DNPM=npm -DDIR=web -P web/test/npm_ci.cmake
	cd web && node_modules/.bin/prettier --write .

format-check:
	@tools/ensure-packages.sh format
	$(CXX_SOURCES) | xargs -0 clang-format --dry-run -Werror

clean:
	rm -rf build build-app build-asan build-fuzz build-web
