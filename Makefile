# The two commands of the README, and a few helpers for developers.
# Everything the build needs is installed by scripts/install-deps.

JOBS      ?= $(shell nproc)
BUILD     ?= build
ASAN      ?= build-asan
FUZZ      ?= build-fuzz
CMAKE_GEN := -G Ninja

.PHONY: deps build run test test-release test-asan bench screenshots fuzz package soak clean

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-program $(BUILD)

test: test-release test-asan

test-release: build
	@scripts/run-tests $(BUILD)

$(ASAN)/build.ninja: | deps
	cmake -S . -B $(ASAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DLUMARIS_SANITIZE=ON

test-asan: deps $(ASAN)/build.ninja
	cmake --build $(ASAN) -j $(JOBS)
	@scripts/run-tests $(ASAN)

bench: deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DLUMARIS_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS)
	@scripts/run-bench $(BUILD)

# libFuzzer over every parser of outside bytes, from its kept corpus (FUZZ_RUNS each).
fuzz:
	@scripts/install-deps fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DLUMARIS_FUZZ=ON -DLUMARIS_SANITIZE=ON -DLUMARIS_WERROR=OFF
	cmake --build $(FUZZ) -j $(JOBS) --target fuzzers
	@scripts/run-fuzz $(FUZZ)

# The Debian packages of the release build, checked by lintian (an error fails).
package: build
	rm -rf $(BUILD)/packages
	@scripts/make-debs $(BUILD) $(BUILD)/packages
	lintian --fail-on error $(BUILD)/packages/*.deb

# Long scripted sessions (SOAK_SECONDS each, default 300) under the sanitizers and in Release.
soak: build deps $(ASAN)/build.ninja
	cmake --build $(ASAN) -j $(JOBS) --target lumaris-soak
	@scripts/soak $(ASAN) $(BUILD)

screenshots: build
	@scripts/install-deps screenshots
	@scripts/screenshots $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN) $(FUZZ)
