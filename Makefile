# Entry points: `make` builds everything into dist/, `make test` runs every test, `make demo`
# packs examples/ and runs the installer under Wine. Each installs the Debian packages it needs.
JOBS ?= $(shell nproc)
B := build

.PHONY: all deps native win32 wintest asan fuzz-build dist test test-native test-asan test-win32 \
        test-fuzz fuzz demo bench format clean

all: deps native win32 dist

deps:
	@scripts/deps.sh

native:
	cmake -S . -B $(B)/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(B)/native -j $(JOBS)

asan:
	cmake -S . -B $(B)/asan -DCMAKE_BUILD_TYPE=Debug -DZEBO_SANITIZE=ON -DZEBO_BENCH=OFF >/dev/null
	cmake --build $(B)/asan -j $(JOBS)

win32:
	cmake -S . -B $(B)/win32 -DCMAKE_BUILD_TYPE=MinSizeRel \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
	cmake --build $(B)/win32 -j $(JOBS)

fuzz-build:
	CC=clang CXX=clang++ cmake -S . -B $(B)/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEBO_FUZZ=ON \
	  -DZEBO_BENCH=OFF >/dev/null
	cmake --build $(B)/fuzz -j $(JOBS)

dist: native win32
	@mkdir -p dist
	@for f in $(B)/win32/ZeBo.exe $(B)/win32/zebo-pack.exe $(B)/native/zebo-pack; do \
	  if [ -f $$f ]; then cp $$f dist/; fi; done
	@ls -l dist

wintest:
	scripts/build-wintest.sh

test: deps native win32 dist wintest asan fuzz-build
	scripts/run-tests.sh

test-native: native
	ctest --test-dir $(B)/native --output-on-failure -j $(JOBS)

test-asan: asan
	ctest --test-dir $(B)/asan --output-on-failure -j $(JOBS)

test-win32: win32 dist wintest
	scripts/wine-tests.sh

test-fuzz: fuzz-build
	scripts/fuzz.sh short

fuzz: deps fuzz-build
	scripts/fuzz.sh long

demo: all
	scripts/demo.sh

bench: deps native
	scripts/bench.sh

format:
	find src tools tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(B) dist
