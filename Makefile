# The two commands of the README, and a few helpers for developers.
# Everything the build needs is installed by scripts/install-deps.

JOBS      ?= $(shell nproc)
BUILD     ?= build
ASAN      ?= build-asan
CMAKE_GEN := -G Ninja

.PHONY: deps build run test test-release test-asan bench screenshots clean

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

screenshots: build
	@scripts/screenshots $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN)
