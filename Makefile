# SPDX-License-Identifier: GPL-3.0-or-later
# Entry points for users and CI. Each target installs the Debian packages it needs first
# (scripts/install-deps.sh, by set): `make run` only what building and running need.
BUILD      ?= build
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
PROGRAMS   := cuelist-studio cuelist

.PHONY: all deps configure build run test bench deb fuzz sanitize tsan format clean

all: build

deps:
	@scripts/install-deps.sh run

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS) --target $(PROGRAMS)

run: build
	@$(BUILD)/bin/cuelist-studio --new-instance $(ARGS)

test:
	@scripts/install-deps.sh test
	@cmake -S . -B $(BUILD) -G Ninja -DCUELIST_TESTS=ON -DCUELIST_BENCH=ON $(CMAKE_ARGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

bench:
	@scripts/install-deps.sh bench
	@cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DCUELIST_TESTS=ON -DCUELIST_BENCH=ON >/dev/null
	@cmake --build build-bench -j $(JOBS)
	@scripts/run-benchmarks.sh build-bench

# The Debian package, build-deb/cuelist-studio_<version>_<arch>.deb, built with Debian's
# hardening flags and reproducibly: every time stamp is the last commit's, so two builds of
# one commit are byte-identical.
DEB_ENV = export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
  export SOURCE_DATE_EPOCH=$$(git log -1 --format=%ct 2>/dev/null || stat -c %Y CMakeLists.txt); \
  export QT_RCC_SOURCE_DATE_OVERRIDE=$$SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8;
deb:
	@scripts/install-deps.sh deb
	@$(DEB_ENV) cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DCUELIST_TESTS=OFF -DCUELIST_BENCH=OFF -DCUELIST_DEBIAN_DOCS=ON -DCUELIST_HARDENING=OFF \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" >/dev/null
	@$(DEB_ENV) cmake --build build-deb -j $(JOBS)
	@$(DEB_ENV) cd build-deb && umask 022 && cpack -G DEB >/dev/null
	@ls build-deb/*.deb

fuzz:
	@scripts/install-deps.sh test
	@cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCUELIST_FUZZ=ON >/dev/null
	@cmake --build build-fuzz -j $(JOBS)
	@scripts/run-fuzzers.sh build-fuzz $(FUZZ_SECONDS)

sanitize:
	@scripts/install-deps.sh test
	@cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCUELIST_SANITIZE=ON -DCUELIST_TESTS=ON -DCUELIST_BENCH=OFF >/dev/null
	@cmake --build build-asan -j $(JOBS)
	@ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir build-asan --output-on-failure -j $(JOBS)

tsan:
	@scripts/install-deps.sh test
	@cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCUELIST_TSAN=ON -DCUELIST_TESTS=ON -DCUELIST_BENCH=OFF >/dev/null
	@cmake --build build-tsan -j $(JOBS) --target playback_tests
	@TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build-tsan --output-on-failure -L playback

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build build-*
